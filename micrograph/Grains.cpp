#include "Grains.h"

#include "Raster.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <queue>

namespace wb::micrograph {

std::vector<Site> scatterSites(Rng& rng, double x0, double y0, double x1, double y1, double spacing, double spread)
{
    const double area = (x1 - x0) * (y1 - y0);
    const int count = std::max(1, static_cast<int>(area / (spacing * spacing) + 0.5));
    std::vector<Site> sites;
    sites.reserve(count);
    // Best-candidate sampling: of a dozen random candidates, keep the one with the most room
    // relative to its own size and its neighbours'.
    const int candidates = 12;
    for (int i = 0; i < count; ++i) {
        Site best;
        double bestScore = -1.0;
        for (int c = 0; c < candidates; ++c) {
            Site s;
            s.x = rng.range(x0, x1);
            s.y = rng.range(y0, y1);
            s.radius = 0.5 * spacing * dexp(spread * std::clamp(rng.normal(), -2.5, 2.5));
            double score = std::numeric_limits<double>::max();
            for (const Site& o : sites) {
                const double dx = s.x - o.x;
                const double dy = s.y - o.y;
                score = std::min(score, (dx * dx + dy * dy) / ((s.radius + o.radius) * (s.radius + o.radius)));
            }
            if (score > bestScore) {
                bestScore = score;
                best = s;
            }
        }
        sites.push_back(best);
    }
    return sites;
}

CellMap cellMap(int width, int height, double scale, const std::vector<Site>& sites, const Warp& warp,
    const std::vector<unsigned char>* only)
{
    CellMap m;
    m.scale = scale;
    m.w = static_cast<int>(width * scale + 0.5);
    m.h = static_cast<int>(height * scale + 0.5);
    const std::size_t n = static_cast<std::size_t>(m.w) * m.h;
    m.label.assign(n, 0);
    m.other.assign(n, 0);
    m.edge.assign(n, 0.0f);
    if (sites.empty())
        return m;

    // Buckets about one mean spacing wide; the two rings around a sample's bucket hold every
    // site that can own it or border its cell.
    double minX = sites[0].x, maxX = minX, minY = sites[0].y, maxY = minY, meanR = 0;
    for (const Site& s : sites) {
        minX = std::min(minX, s.x);
        maxX = std::max(maxX, s.x);
        minY = std::min(minY, s.y);
        maxY = std::max(maxY, s.y);
        meanR += s.radius;
    }
    meanR /= static_cast<double>(sites.size());
    const double cell = std::max(1.0, 2.0 * meanR);
    const int gw = static_cast<int>((maxX - minX) / cell) + 1;
    const int gh = static_cast<int>((maxY - minY) / cell) + 1;
    // Sites sorted by bucket, with each bucket's first index (compressed rows).
    std::vector<int> bucketOf(sites.size());
    std::vector<int> first(static_cast<std::size_t>(gw) * gh + 1, 0);
    for (std::size_t i = 0; i < sites.size(); ++i) {
        const int bx = static_cast<int>((sites[i].x - minX) / cell);
        const int by = static_cast<int>((sites[i].y - minY) / cell);
        bucketOf[i] = by * gw + bx;
        ++first[bucketOf[i] + 1];
    }
    for (std::size_t b = 1; b < first.size(); ++b)
        first[b] += first[b - 1];
    struct Packed {
        double x, y, r2;
        int id;
    };
    std::vector<Packed> packed(sites.size());
    {
        std::vector<int> fill(first.begin(), first.end() - 1);
        for (std::size_t i = 0; i < sites.size(); ++i)
            packed[fill[bucketOf[i]]++]
                = { sites[i].x, sites[i].y, sites[i].radius * sites[i].radius, static_cast<int>(i) };
    }

    constexpr int kMaxNear = 256;
    int nearIdx[kMaxNear];
    double nearPower[kMaxNear];
    for (int j = 0; j < m.h; ++j) {
        for (int i = 0; i < m.w; ++i) {
            if (only && !(*only)[m.index(i, j)])
                continue;
            double px = (i + 0.5) / scale;
            double py = (j + 0.5) / scale;
            if (warp.noise && warp.amplitude > 0) {
                const double u = px / warp.wavelength;
                const double v = py / warp.wavelength;
                px += warp.amplitude * warp.noise->fbm(u, v, 2);
                py += warp.amplitude * warp.noise->fbm(u + 51.3, v - 23.9, 2);
            }
            const int bx = std::clamp(static_cast<int>((px - minX) / cell), 0, gw - 1);
            const int by = std::clamp(static_cast<int>((py - minY) / cell), 0, gh - 1);
            int count = 0;
            int best = -1;
            double bestPower = std::numeric_limits<double>::max();
            for (int y = std::max(0, by - 2); y <= std::min(gh - 1, by + 2); ++y) {
                const int row = y * gw;
                const int b0 = first[row + std::max(0, bx - 2)];
                const int b1 = first[row + std::min(gw - 1, bx + 2) + 1];
                for (int k = b0; k < b1 && count < kMaxNear; ++k) {
                    const double dx = px - packed[k].x;
                    const double dy = py - packed[k].y;
                    const double p = dx * dx + dy * dy - packed[k].r2;
                    nearIdx[count] = k;
                    nearPower[count++] = p;
                    if (p < bestPower) {
                        bestPower = p;
                        best = k;
                    }
                }
            }
            if (best < 0)
                continue; // outside every bucket's reach: cannot happen for sites covering the picture
            // Distance to the nearest bisector: the power difference grows by 2|a − b| per
            // pixel. Fractions compared crosswise, with one division and root for the winner.
            double bestNum = 1.0;
            double bestDen = 0.0; // 1 / 0: no neighbour yet
            int other = best;
            for (int k = 0; k < count; ++k) {
                const int s = nearIdx[k];
                if (s == best)
                    continue;
                const double dx = packed[s].x - packed[best].x;
                const double dy = packed[s].y - packed[best].y;
                const double diff = nearPower[k] - bestPower;
                const double num = diff * diff;
                const double den = 4.0 * (dx * dx + dy * dy);
                if (num * bestDen < bestNum * den) {
                    bestNum = num;
                    bestDen = den;
                    other = s;
                }
            }
            const std::size_t idx = m.index(i, j);
            m.label[idx] = packed[best].id;
            m.other[idx] = packed[other].id;
            m.edge[idx] = static_cast<float>(other == best ? 1e6 : std::sqrt(bestNum / bestDen));
        }
    }
    return m;
}

std::vector<double> cellAreas(const CellMap& map, int siteCount)
{
    std::vector<double> area(siteCount, 0.0);
    const double unit = 1.0 / (map.scale * map.scale);
    for (const int l : map.label)
        area[l] += unit;
    return area;
}

float GrowthMap::timeForShare(double f) const
{
    if (f <= 0.0)
        return -1.0f; // before anything has begun
    if (f >= 1.0)
        return *std::max_element(t1.begin(), t1.end()) + 1.0f;
    return quantile(t1, f);
}

GrowthMap growCrystals(
    int width, int height, double scale, const std::vector<Nucleus>& nuclei, const Noise& noise, double roughness)
{
    GrowthMap g;
    g.scale = scale;
    g.w = static_cast<int>(width * scale + 0.5);
    g.h = static_cast<int>(height * scale + 0.5);
    const std::size_t n = static_cast<std::size_t>(g.w) * g.h;
    const float far = std::numeric_limits<float>::max();
    g.t1.assign(n, far);
    g.t2.assign(n, far);
    g.label.assign(n, -1);
    g.slope1.assign(n, 1.0f);
    g.slope2.assign(n, 1.0f);

    struct Dir {
        double c, s;
    };
    std::vector<Dir> dirs;
    for (const Nucleus& nu : nuclei)
        dirs.push_back({ dcos(nu.phase), dsin(nu.phase) });

    for (int j = 0; j < g.h; ++j) {
        for (int i = 0; i < g.w; ++i) {
            const double px = (i + 0.5) / scale;
            const double py = (j + 0.5) / scale;
            const double rough = 1.0 + roughness * noise.fbm(px / 5.0, py / 5.0, 3);
            double best = far, second = far, bestSlope = 1, secondSlope = 1;
            int label = -1;
            for (std::size_t k = 0; k < nuclei.size(); ++k) {
                const Nucleus& nu = nuclei[k];
                const double dx = px - nu.x;
                const double dy = py - nu.y;
                const double r = std::sqrt(dx * dx + dy * dy);
                if (nu.dendrite) {
                    // The earliest of the round body and each arm: along the arm at tip speed,
                    // then sideways, faster where a side branch starts.
                    double tk = r * rough / (nu.speed * nu.body);
                    double slope = rough / (nu.speed * nu.body);
                    double ac = dirs[k].c, as = dirs[k].s;
                    const double rc = dcos(2.0 * kPi / nu.arms), rs = dsin(2.0 * kPi / nu.arms);
                    for (int a = 0; a < nu.arms; ++a) {
                        const double along = dx * ac + dy * as;
                        if (along > 0) {
                            const double cross = dy * ac - dx * as;
                            const double side = std::abs(cross);
                            // Branches on the two sides of an arm alternate.
                            const double wave = 0.5
                                + 0.5 * dcos(2.0 * kPi * along / nu.branchSpacing + 0.7 * a + (cross > 0 ? 0.0 : 1.6));
                            const double w2 = wave * wave;
                            const double lat = nu.lateral * (1.0 + nu.branchBoost * w2 * w2);
                            const double ta = rough * (along + side / lat) / nu.speed;
                            if (ta < tk) {
                                tk = ta;
                                slope = rough / (nu.speed * lat);
                            }
                        }
                        const double turned = ac * rc - as * rs;
                        as = as * rc + ac * rs;
                        ac = turned;
                    }
                    const double t = nu.t0 + tk;
                    if (t < best) {
                        second = best;
                        secondSlope = bestSlope;
                        best = t;
                        bestSlope = slope;
                        label = static_cast<int>(k);
                    } else if (t < second) {
                        second = t;
                        secondSlope = slope;
                    }
                    continue;
                }
                double shape = 1.0;
                if (nu.aniso > 0 && r > 1e-9) {
                    // cos(arms·(θ − phase)) as the real part of the rotated unit vector's power.
                    const double c = (dx * dirs[k].c + dy * dirs[k].s) / r;
                    const double s = (dy * dirs[k].c - dx * dirs[k].s) / r;
                    double re = 1.0, im = 0.0;
                    for (int a = 0; a < nu.arms; ++a) {
                        const double t = re * c - im * s;
                        im = re * s + im * c;
                        re = t;
                    }
                    double lobe = 0.5 * (1.0 + re);
                    double p = 1.0;
                    for (int q = 0; q < static_cast<int>(nu.sharpness); ++q)
                        p *= lobe;
                    shape += nu.aniso * p;
                }
                const double slope = rough / (nu.speed * shape);
                const double t = nu.t0 + r * slope;
                if (t < best) {
                    second = best;
                    secondSlope = bestSlope;
                    best = t;
                    bestSlope = slope;
                    label = static_cast<int>(k);
                } else if (t < second) {
                    second = t;
                    secondSlope = slope;
                }
            }
            const std::size_t idx = g.index(i, j);
            g.t1[idx] = static_cast<float>(best);
            g.t2[idx] = static_cast<float>(second);
            g.label[idx] = label;
            g.slope1[idx] = static_cast<float>(bestSlope);
            g.slope2[idx] = static_cast<float>(secondSlope);
        }
    }
    return g;
}

FrontMap spreadFront(int w, int h, const std::vector<Source>& sources, const std::vector<float>& slowness)
{
    FrontMap f;
    f.w = w;
    f.h = h;
    f.t.assign(static_cast<std::size_t>(w) * h, std::numeric_limits<float>::max());
    f.label.assign(static_cast<std::size_t>(w) * h, -1);
    using Item = std::pair<float, int>;
    std::priority_queue<Item, std::vector<Item>, std::greater<Item>> queue;
    for (const Source& s : sources) {
        if (s.x < 0 || s.y < 0 || s.x >= w || s.y >= h)
            continue;
        const std::size_t idx = f.index(s.x, s.y);
        if (s.t0 < f.t[idx]) {
            f.t[idx] = s.t0;
            f.label[idx] = s.label;
            queue.push({ s.t0, static_cast<int>(idx) });
        }
    }
    // Sixteen neighbours (the knight's moves too) keep the fronts round rather than octagonal.
    struct Step {
        int dx, dy;
        float len;
    };
    static const Step steps[] = {
        { 1, 0, 1.0f },
        { -1, 0, 1.0f },
        { 0, 1, 1.0f },
        { 0, -1, 1.0f },
        { 1, 1, 1.41421356f },
        { 1, -1, 1.41421356f },
        { -1, 1, 1.41421356f },
        { -1, -1, 1.41421356f },
        { 2, 1, 2.23606798f },
        { 2, -1, 2.23606798f },
        { -2, 1, 2.23606798f },
        { -2, -1, 2.23606798f },
        { 1, 2, 2.23606798f },
        { 1, -2, 2.23606798f },
        { -1, 2, 2.23606798f },
        { -1, -2, 2.23606798f },
    };
    while (!queue.empty()) {
        const auto [t, idx] = queue.top();
        queue.pop();
        if (t > f.t[idx])
            continue;
        const int x = idx % w;
        const int y = idx / w;
        for (const Step& s : steps) {
            const int nx = x + s.dx;
            const int ny = y + s.dy;
            if (nx < 0 || ny < 0 || nx >= w || ny >= h)
                continue;
            const std::size_t nidx = f.index(nx, ny);
            const float nt = t + s.len * 0.5f * (slowness[idx] + slowness[nidx]);
            if (nt < f.t[nidx]) {
                f.t[nidx] = nt;
                f.label[nidx] = f.label[idx];
                queue.push({ nt, static_cast<int>(nidx) });
            }
        }
    }
    return f;
}

} // namespace wb::micrograph
