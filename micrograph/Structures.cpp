#include "Structures.h"

#include "Noise.h"

#include <algorithm>

namespace wb::micrograph {

Gray ferritePearlite(int w, int h, Rng& rng, const FerritePearliteParams& p)
{
    const double s = p.scale;
    Rng sitesRng = rng.fork(1);
    const double mg = 2.0 * p.grain;
    const double mp = 1.5 * p.prior;
    const auto fineSites = scatterSites(sitesRng, -mg, -mg, w + mg, h + mg, p.grain, p.grainSpread);
    const auto priorSites = scatterSites(sitesRng, -mp, -mp, w + mp, h + mp, p.prior, 0.25);
    const auto colonySites = scatterSites(sitesRng, -mg, -mg, w + mg, h + mg, 0.8 * p.grain, 0.3);
    const Noise warpNoise(rng.next());
    const Noise priorWarp(rng.next());
    const Noise fieldNoise(rng.next());
    const Noise bendNoise(rng.next());
    const Noise etchNoise(rng.next());
    const std::uint64_t hashSeed = rng.next();

    const CellMap fine = cellMap(w, h, s, fineSites, { &warpNoise, 0.12 * p.grain, 1.3 * p.grain });
    const CellMap prior = cellMap(w, h, s, priorSites, { &priorWarp, 0.10 * p.prior, 1.2 * p.prior });
    const int sw = fine.w;
    const int sh = fine.h;
    const size_t n = static_cast<size_t>(sw) * sh;

    // Where pearlite forms: far from the former austenite boundaries, judged partly per ferrite
    // cell so that the pearlite islands are bounded by grain facets, with some former grains
    // richer in pearlite than others.
    std::vector<float> field(n);
    std::vector<unsigned char> pearl(n, 0);
    if (p.pearlite > 0.0) {
        std::vector<double> depthSum(fineSites.size(), 0.0);
        std::vector<int> depthCount(fineSites.size(), 0);
        for (size_t i = 0; i < n; ++i) {
            depthSum[fine.label[i]] += prior.edge[i] / p.prior;
            depthCount[fine.label[i]] += 1;
        }
        for (int j = 0; j < sh; ++j)
            for (int i = 0; i < sw; ++i) {
                const size_t idx = fine.index(i, j);
                const int c = fine.label[idx];
                const double px = (i + 0.5) / s;
                const double py = (j + 0.5) / s;
                const double depth = prior.edge[idx] / p.prior;
                const double cellDepth = depthSum[c] / std::max(1, depthCount[c]);
                const double offset
                    = 0.10 * (hash01(static_cast<std::uint64_t>(prior.label[idx]), hashSeed ^ 77) - 0.5);
                field[idx] = static_cast<float>(0.4 * depth + 0.6 * cellDepth + offset
                    + 0.05 * fieldNoise.fbm(px / p.prior * 1.7, py / p.prior * 1.7, 3));
            }
        if (p.pearlite >= 1.0) {
            std::fill(pearl.begin(), pearl.end(), 1);
        } else {
            const float tau = quantile(field, 1.0 - p.pearlite);
            for (size_t i = 0; i < n; ++i)
                pearl[i] = field[i] > tau;
        }
    }

    // Distance of every sample to the other phase, for the etched interface.
    std::vector<unsigned char> ferr(n);
    for (size_t i = 0; i < n; ++i)
        ferr[i] = !pearl[i];
    const auto toFerrite = distanceTransform(ferr, sw, sh);

    CellMap colony;
    struct Lamellae {
        double nx, ny, spacing, phase, tone, contrast;
    };
    std::vector<Lamellae> lam;
    if (p.pearlite > 0.0) {
        colony = cellMap(w, h, s, colonySites, { &warpNoise, 0.2 * p.grain, 0.9 * p.grain }, &pearl);
        const double logMin = dlog(p.lamellaMin);
        const double logMax = dlog(p.lamellaMax);
        for (std::size_t c = 0; c < colonySites.size(); ++c) {
            const double angle = kPi * hash01(c, hashSeed ^ 1);
            Lamellae l;
            l.nx = dcos(angle);
            l.ny = dsin(angle);
            l.spacing = dexp(lerp(logMin, logMax, hash01(c, hashSeed ^ 2)));
            l.phase = hash01(c, hashSeed ^ 3);
            l.tone = p.colonySpread * (2.0 * hash01(c, hashSeed ^ 4) - 1.0);
            // Colonies cut steeply show crisp lamellae, those cut at a glancing angle a blur.
            const double glance = hash01(c, hashSeed ^ 9);
            l.contrast = 0.25 + 0.75 * glance;
            lam.push_back(l);
        }
    }
    const Noise breakNoise(rng.next());
    const Noise faultNoise(rng.next());

    const double aa = std::max(0.35, 1.0 / s);
    Gray out(sw, sh);
    for (int j = 0; j < sh; ++j) {
        for (int i = 0; i < sw; ++i) {
            const size_t idx = fine.index(i, j);
            const double px = (i + 0.5) / s;
            const double py = (j + 0.5) / s;
            double v;
            if (!pearl[idx]) {
                const int c = fine.label[idx];
                // Each grain etches to its own grey, a little unevenly across the grain.
                v = p.ferrite + p.ferriteSpread * (2.0 * hash01(static_cast<std::uint64_t>(c), hashSeed ^ 5) - 1.0)
                    + 0.025 * etchNoise.fbm(px / p.grain + 3.1 * c, py / p.grain, 2)
                    + 0.012 * etchNoise.fbm(px / 5.0, py / 5.0, 2);
                // The etched boundary: its width and depth differ from boundary to boundary,
                // and a few are barely attacked.
                const std::uint64_t key = pairKey(c, fine.other[idx]);
                const double hw = 0.5 * p.boundaryWidth * (0.6 + 0.8 * hash01(key, hashSeed ^ 6));
                const double depth = p.boundaryDepth
                    * (hash01(key, hashSeed ^ 7) < 0.12 ? 0.25 : 0.55 + 0.45 * hash01(key, hashSeed ^ 8));
                const double e = fine.edge[idx];
                v *= 1.0 - depth * lineCoverage(e, hw, aa);
                // The ferrite–pearlite interface is etched on the pearlite side only (below), so
                // that the ferrite keeps its full area.
            } else {
                const int c = colony.label[idx];
                const Lamellae& l = lam[c];
                // Lamellae sweep in gentle arcs across a colony; along a few wandering lines
                // they are shifted by half a spacing, where one lamella ends and its neighbours
                // close up; and they thin out here and there until they break.
                const double bend
                    = 0.3 * p.grain / l.spacing * bendNoise.fbm(px / (1.3 * p.grain), py / (1.3 * p.grain), 1);
                const double fault = faultNoise.value(px / (0.6 * p.grain), py / (0.6 * p.grain)) > 0.62 ? 0.5 : 0.0;
                const double u = (px * l.nx + py * l.ny) / l.spacing + l.phase + bend + fault;
                const double t = u - std::floor(u);
                const double dist = std::abs(t - 0.5) * l.spacing;
                const double along = px * l.ny - py * l.nx;
                const double thickness = p.cementiteShare
                    * clamp01(0.7 + 0.9 * breakNoise.fbm(along / (2.5 * l.spacing) + 7.0 * std::floor(u), u * 0.37, 2));
                const double cov = lineCoverage(dist, 0.5 * thickness * l.spacing, aa);
                const double lamella = lerp(p.pearliteLight, p.pearliteDark, cov);
                const double mean = lerp(p.pearliteLight, p.pearliteDark, p.cementiteShare);
                // Lamellae finer than the optics resolve merge into an even dark tone.
                const double resolved = l.contrast * smoothstep(1.4, 3.6, l.spacing);
                v = mean + resolved * (lamella - mean) + l.tone + 0.04 * etchNoise.fbm(px / 3.0, py / 3.0, 2);
                const double dInterface = (toFerrite[idx] - 0.5) / s;
                v *= 1.0 - 0.45 * lineCoverage(dInterface, 0.6 * p.boundaryWidth, aa);
            }
            out.v[idx] = static_cast<float>(v);
        }
    }

    const int factor = static_cast<int>(s + 0.5);
    return factor > 1 ? downsample(out, factor) : out;
}

double plateCoverage(const Plate& pl, double x, double y, double aa, double* rim)
{
    const double dx = x - pl.x;
    const double dy = y - pl.y;
    const double along = dx * pl.ux + dy * pl.uy;
    if (rim)
        *rim = 0.0;
    if (std::abs(along) >= pl.half + aa)
        return 0.0;
    const double perp = std::abs(dy * pl.ux - dx * pl.uy);
    const double t = along / pl.half;
    // A lens: full width in the middle, tapering to points at both ends.
    const double hw = t * t < 1.0 ? pl.halfWidth * (1.0 - t * t * t * t) : 0.0;
    const double cov = clamp01((hw - perp) / aa + 0.5) * clamp01((pl.half - std::abs(along)) / aa + 0.5);
    if (rim && cov > 0.0)
        *rim = clamp01(1.0 - std::abs(hw - perp) / 0.8);
    return cov;
}

MartensiteLayout growMartensite(int w, int h, Rng& rng, const MartensiteParams& p)
{
    MartensiteLayout layout;
    Rng sitesRng = rng.fork(11);
    const double m = 1.5 * p.prior;
    const auto priorSites = scatterSites(sitesRng, -m, -m, w + m, h + m, p.prior, 0.3);
    const Noise warpNoise(rng.next());
    layout.grains = cellMap(w, h, 1.0, priorSites, { &warpNoise, 0.08 * p.prior, 1.2 * p.prior });
    layout.plates = growPlates(w, h, layout.grains.label, static_cast<int>(priorSites.size()), rng, p);
    return layout;
}

std::vector<Plate> growPlates(
    int w, int h, const std::vector<int>& grainOf, int grainCount, Rng& rng, const MartensiteParams& p)
{
    std::vector<Plate> plates;
    std::vector<double> grainAngle(grainCount);
    for (auto& a : grainAngle)
        a = rng.range(0.0, kPi);

    // Visit the pixels in a random order; each free one may start a plate.
    std::vector<int> order(static_cast<std::size_t>(w) * h);
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
    for (std::size_t i = order.size() - 1; i > 0; --i)
        std::swap(order[i], order[static_cast<std::size_t>(rng.uniform() * static_cast<double>(i + 1))]);

    std::vector<unsigned char> taken(order.size(), 0);
    std::size_t covered = 0;
    const auto target = static_cast<std::size_t>(p.coverage * static_cast<double>(order.size()));
    auto freeAt = [&](double x, double y, int grain) {
        const int ix = static_cast<int>(std::floor(x));
        const int iy = static_cast<int>(std::floor(y));
        if (ix < 0 || iy < 0 || ix >= w || iy >= h)
            return false;
        const std::size_t idx = static_cast<std::size_t>(iy) * w + ix;
        return !taken[idx] && grainOf[idx] == grain;
    };

    for (const int start : order) {
        if (covered >= target)
            break;
        if (taken[start])
            continue;
        const double sx = start % w + 0.5;
        const double sy = start / w + 0.5;
        const int grain = grainOf[start];
        const int variant = rng.below(p.variants);
        const double angle = grainAngle[grain] + variant * kPi / p.variants + rng.range(-0.07, 0.07);
        const double ux = dcos(angle);
        const double uy = dsin(angle);
        const double step = 0.5;
        double fwd = 0;
        while (fwd < p.maxLength && freeAt(sx + ux * (fwd + step), sy + uy * (fwd + step), grain))
            fwd += step;
        double back = 0;
        while (back + fwd < p.maxLength && freeAt(sx - ux * (back + step), sy - uy * (back + step), grain))
            back += step;
        const double len = fwd + back;
        if (len < p.minLength)
            continue;
        Plate pl;
        pl.ux = ux;
        pl.uy = uy;
        pl.half = 0.5 * len;
        pl.x = sx + ux * 0.5 * (fwd - back);
        pl.y = sy + uy * 0.5 * (fwd - back);
        pl.halfWidth = std::clamp(len * p.widthRatio * rng.range(0.75, 1.25), p.minHalfWidth, p.maxHalfWidth);
        pl.grain = grain;
        pl.variant = variant;
        // Claim the plate's pixels so that later plates stop at it.
        const double reach = pl.half + pl.halfWidth + 1.0;
        const int x0 = std::max(0, static_cast<int>(pl.x - reach));
        const int x1 = std::min(w - 1, static_cast<int>(pl.x + reach));
        const int y0 = std::max(0, static_cast<int>(pl.y - reach));
        const int y1 = std::min(h - 1, static_cast<int>(pl.y + reach));
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) {
                const std::size_t idx = static_cast<std::size_t>(y) * w + x;
                if (!taken[idx] && plateCoverage(pl, x + 0.5, y + 0.5, 0.5) > 0.3) {
                    taken[idx] = 1;
                    ++covered;
                }
            }
        plates.push_back(pl);
    }
    return plates;
}

Gray renderMartensite(int w, int h, const MartensiteLayout& layout, const MartensiteLook& look, std::uint64_t seed)
{
    const Noise ground(seed ^ 0x51);
    Gray out(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            out.at(x, y) = static_cast<float>(look.ground + 0.05 * ground.fbm(x / 3.0, y / 3.0, 2));
    for (size_t k = 0; k < layout.plates.size(); ++k) {
        const Plate& pl = layout.plates[k];
        // Each former grain etches to its own shade, and its variants in their own order.
        const auto grain = static_cast<std::uint64_t>(pl.grain);
        const int shift = static_cast<int>(4.0 * hash01(grain, seed ^ 0x71));
        const double variantTone = look.tones[(pl.variant + shift) % 4]
            + look.grainSpread * (2.0 * hash01(grain, seed ^ 0x72) - 1.0)
            + look.toneSpread * (2.0 * hash01(k, seed) - 1.0);
        // The small plates that fill the last gaps are too fine to show much contrast.
        const double tone = look.ground + (variantTone - look.ground) * smoothstep(1.0, 7.0, pl.half);
        const double reach = pl.half + pl.halfWidth + 1.0;
        const int x0 = std::max(0, static_cast<int>(pl.x - reach));
        const int x1 = std::min(w - 1, static_cast<int>(pl.x + reach));
        const int y0 = std::max(0, static_cast<int>(pl.y - reach));
        const int y1 = std::min(h - 1, static_cast<int>(pl.y + reach));
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) {
                double rim = 0;
                const double cov = plateCoverage(pl, x + 0.5, y + 0.5, 0.7, &rim);
                if (cov <= 0.0)
                    continue;
                float& v = out.at(x, y);
                v = static_cast<float>(lerp(v, tone * (1.0 - look.rimDepth * rim), cov));
            }
    }
    const CellMap& g = layout.grains;
    if (look.priorBoundary > 0)
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                out.at(x, y) *= static_cast<float>(1.0 - look.priorBoundary * lineCoverage(g.edgeAt(x, y), 0.7, 0.6));
    return out;
}

void finishMicrograph(Gray& g, Rng& rng, const Finish& f)
{
    const Noise light(rng.next());
    const double cx = g.w * rng.range(0.4, 0.6);
    const double cy = g.h * rng.range(0.4, 0.6);
    const double r2 = 0.25 * (static_cast<double>(g.w) * g.w + static_cast<double>(g.h) * g.h);

    // Inclusions: small dark spots drawn out along the rolling direction.
    for (int k = 0; k < f.specks; ++k) {
        const double x = rng.range(0, g.w);
        const double y = rng.range(0, g.h);
        const double ry = rng.range(0.5, 1.3);
        const double rx = ry * rng.range(1.0, 4.0);
        const double depth = rng.range(0.5, 0.8);
        for (int j = static_cast<int>(y - ry - 2); j <= static_cast<int>(y + ry + 2); ++j)
            for (int i = static_cast<int>(x - rx - 2); i <= static_cast<int>(x + rx + 2); ++i) {
                if (i < 0 || j < 0 || i >= g.w || j >= g.h)
                    continue;
                const double dx = (i + 0.5 - x) / rx;
                const double dy = (j + 0.5 - y) / ry;
                const double d = std::sqrt(dx * dx + dy * dy);
                const double cov = clamp01((1.0 - d) * std::min(rx, ry) + 0.5);
                g.at(i, j) *= static_cast<float>(1.0 - depth * cov);
            }
    }
    // Polishing scratches: long, straight, faint.
    for (int k = 0; k < f.scratches; ++k) {
        const double angle = rng.range(0.0, kPi);
        const double nx = -dsin(angle);
        const double ny = dcos(angle);
        const double offset = rng.range(-0.4, 0.4) * std::sqrt(r2);
        const double sign = rng.chance(0.5) ? 1.0 : -1.0;
        const double depth = f.scratchDepth * rng.range(0.5, 1.0);
        const Noise fade(rng.next());
        for (int j = 0; j < g.h; ++j)
            for (int i = 0; i < g.w; ++i) {
                const double d = std::abs((i + 0.5 - g.w / 2.0) * nx + (j + 0.5 - g.h / 2.0) * ny - offset);
                if (d > 1.5)
                    continue;
                const double along = clamp01(0.5 + fade.fbm(i / 60.0, j / 60.0, 2));
                g.at(i, j) += static_cast<float>(sign * depth * along * lineCoverage(d, 0.4, 0.6));
            }
    }
    gaussianBlur(g, f.blur);
    const std::uint64_t grainSeed = rng.next();
    for (int j = 0; j < g.h; ++j)
        for (int i = 0; i < g.w; ++i) {
            const double dx = i + 0.5 - cx;
            const double dy = j + 0.5 - cy;
            const double illum = 1.0 - f.vignette * (dx * dx + dy * dy) / r2
                + f.unevenness * light.fbm(i / (0.5 * g.w), j / (0.5 * g.w), 2);
            const double noise = f.grain * (2.0 * hash01(i, j, grainSeed) - 1.0);
            g.at(i, j) = static_cast<float>(clamp01(g.at(i, j) * illum + noise));
        }
}

Col Palette::operator()(double v) const
{
    if (v <= stops.front().at)
        return stops.front().colour;
    for (size_t i = 1; i < stops.size(); ++i)
        if (v <= stops[i].at)
            return mix(stops[i - 1].colour, stops[i].colour, (v - stops[i - 1].at) / (stops[i].at - stops[i - 1].at));
    return stops.back().colour;
}

} // namespace wb::micrograph
