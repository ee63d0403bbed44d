#include "Scene.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace wb::micrograph {

namespace {

// The parts of a scene, each with a random stream of its own.
enum Part : std::uint64_t {
    kCrystalsPart = 1,
    kFerritePart,
    kMartensitePart,
    kBainitePart,
    kSolidStatePart,
    kNeedlesPart,
    kFlakesPart,
    kIslandsPart,
    kFerriteBoundariesPart,
    kLightingPart,
    kSensorPart,
};

} // namespace

Synthesis::Scene::Scene(int width, int height, double ratio, std::uint64_t seed)
    : m_w(width)
    , m_h(height)
    , m_ratio(ratio)
    , m_seed(seed)
    , m_W(static_cast<int>(width * ratio + 0.5))
    , m_H(static_cast<int>(height * ratio + 0.5))
{
}

const Synthesis::Scene::Crystals& Synthesis::Scene::crystals()
{
    if (m_crystals)
        return *m_crystals;
    Rng rng = stream(kCrystalsPart);
    Crystals c { {}, Noise(rng.next()), {}, {}, {} };
    // Four-armed crystals that start at slightly different times: small stars in the melt at
    // first, rounded grains with gently curved boundaries when they have met.
    const double m = 0.3 * kGrain;
    for (const Site& s : scatterSites(rng, -m, -m, m_w + m, m_h + m, kGrain, 0.2)) {
        Nucleus n;
        n.x = s.x;
        n.y = s.y;
        n.t0 = 0.45 * kGrain * rng.uniform();
        n.speed = 1.0 + 0.15 * rng.range(-1.0, 1.0);
        n.arms = 4;
        n.aniso = 0.55 * rng.range(0.7, 1.2);
        n.sharpness = 3;
        n.phase = rng.range(0.0, 2.0 * kPi);
        c.nuclei.push_back(n);
    }
    c.map = growCrystals(m_w, m_h, m_ratio, c.nuclei, c.noise, 0.06);
    // Going towards the boundary with the crystal that would arrive second, the first one's time
    // rises and the second one's falls, each at its own rate.
    c.edge.resize(size());
    for (std::size_t i = 0; i < size(); ++i) {
        const float gap = c.map.t2[i] - c.map.t1[i];
        c.edge[i] = c.map.t2[i] >= std::numeric_limits<float>::max() ? 1e6f : gap / (c.map.slope1[i] + c.map.slope2[i]);
    }
    std::vector<std::uint8_t> onBoundary(size(), 0);
    for (int y = 0; y < m_H; ++y)
        for (int x = 0; x < m_W; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * m_W + x;
            if (x + 1 < m_W && c.map.label[i] != c.map.label[i + 1])
                onBoundary[i] = onBoundary[i + 1] = 1;
            if (y + 1 < m_H && c.map.label[i] != c.map.label[i + m_W])
                onBoundary[i] = onBoundary[i + m_W] = 1;
        }
    const auto apart = distanceTransform(onBoundary, m_W, m_H);
    c.depth.resize(size());
    for (std::size_t i = 0; i < size(); ++i)
        c.depth[i] = std::min(c.edge[i], static_cast<float>((apart[i] + 0.5) / m_ratio));
    // Only the first arrival and its crystal are needed from here on.
    c.map.t2 = {};
    c.map.slope1 = {};
    c.map.slope2 = {};
    m_crystals = std::move(c);
    return *m_crystals;
}

const std::vector<int>& Synthesis::Scene::crystalLabelsAtRatio1()
{
    if (m_labels1.empty()) {
        const Crystals& c = crystals();
        m_labels1 = m_ratio == 1.0 ? c.map.label : growCrystals(m_w, m_h, 1.0, c.nuclei, c.noise, 0.06).label;
    }
    return m_labels1;
}

const CellMap& Synthesis::Scene::ferriteGrains()
{
    if (!m_ferrite) {
        Rng rng = stream(kFerritePart);
        const double m = 2.0 * kFerriteGrain;
        const auto sites = scatterSites(rng, -m, -m, m_w + m, m_h + m, kFerriteGrain, 0.3);
        const Noise warp(rng.next());
        m_ferrite = cellMap(m_w, m_h, m_ratio, sites, { &warp, 0.12 * kFerriteGrain, 1.3 * kFerriteGrain });
    }
    return *m_ferrite;
}

const std::vector<Plate>& Synthesis::Scene::martensitePlates()
{
    if (!m_martensite) {
        Rng rng = stream(kMartensitePart);
        MartensiteParams p;
        p.prior = kGrain;
        p.maxLength = 0.6 * kGrain;
        p.minLength = 2.5;
        p.widthRatio = 0.045;
        p.minHalfWidth = 0.45;
        p.maxHalfWidth = 1.6;
        p.coverage = 0.96;
        p.variants = 4;
        const auto grains = static_cast<int>(crystals().nuclei.size());
        m_martensite = growPlates(m_w, m_h, crystalLabelsAtRatio1(), grains, rng, p);
    }
    return *m_martensite;
}

const std::vector<Plate>& Synthesis::Scene::bainitePlates()
{
    if (!m_bainite) {
        // Bainite: short, thin needles in sheaves of two orientations per grain.
        Rng rng = stream(kBainitePart);
        MartensiteParams p;
        p.prior = kGrain;
        p.maxLength = 14;
        p.minLength = 3;
        p.widthRatio = 0.07;
        p.minHalfWidth = 0.45;
        p.maxHalfWidth = 1.0;
        p.coverage = 0.85;
        p.variants = 2;
        const auto grains = static_cast<int>(crystals().nuclei.size());
        m_bainite = growPlates(m_w, m_h, crystalLabelsAtRatio1(), grains, rng, p);
    }
    return *m_bainite;
}

const Field& Synthesis::Scene::field(FieldKind kind)
{
    auto& f = m_fields[static_cast<int>(kind)];
    if (!f)
        f = makeField(kind);
    return *f;
}

std::unique_ptr<Field> Synthesis::Scene::makeField(FieldKind kind)
{
    auto f = std::make_unique<Field>();
    f->value.resize(size());
    auto& v = f->value;
    switch (kind) {
    case FieldKind::Crystal:
        // The arrival times are needed for this field only, which is made once.
        crystals();
        v = std::move(m_crystals->map.t1);
        break;
    case FieldKind::SolidState: {
        // Depth below the former grain boundaries, a little deeper in some grains than in
        // others and unevenly along each boundary, so that a film along the boundaries varies
        // in thickness and the interfaces bend.
        const Crystals& c = crystals();
        Rng rng = stream(kSolidStatePart);
        const Noise n(rng.next());
        const std::uint64_t salt = rng.next();
        for (std::size_t i = 0; i < size(); ++i) {
            const double grain = hash01(static_cast<std::uint64_t>(c.map.label[i]), salt);
            v[i] = static_cast<float>(
                c.depth[i] * (1.0 + 0.35 * (grain - 0.5)) + 1.8 * n.fbm(lx(i) / 13.0, ly(i) / 13.0, 2));
        }
        break;
    }
    case FieldKind::Needles: {
        // Long straight needles across the picture, each with a width of its own: a small share
        // is thin needles, a larger one thick plates.
        struct Needle {
            double x, y, ux, uy, half, width;
        };
        Rng rng = stream(kNeedlesPart);
        const double m = 40;
        const int count = std::max(4, static_cast<int>((m_w + 2 * m) * (m_h + 2 * m) / (42.0 * 42.0)));
        std::vector<Needle> needles;
        for (int k = 0; k < count; ++k) {
            const double a = rng.range(0.0, kPi);
            needles.push_back({ rng.range(-m, m_w + m), rng.range(-m, m_h + m), dcos(a), dsin(a), rng.range(25.0, 80.0),
                rng.range(0.5, 1.4) });
        }
        for (std::size_t i = 0; i < size(); ++i) {
            const double x = lx(i), y = ly(i);
            double best = 1e9;
            for (const Needle& n : needles) {
                const double dx = x - n.x, dy = y - n.y;
                const double along = std::clamp(dx * n.ux + dy * n.uy, -n.half, n.half);
                const double ex = dx - along * n.ux, ey = dy - along * n.uy;
                best = std::min(best, std::sqrt(ex * ex + ey * ey) / n.width);
            }
            v[i] = static_cast<float>(best);
        }
        break;
    }
    case FieldKind::Flakes: {
        // Graphite flakes: short arcs in every direction, each bent along a circle of its own.
        struct Flake {
            double cx, cy, radius, ax, ay, bx, by, width;
        };
        Rng rng = stream(kFlakesPart);
        const double m = 24;
        const int count = std::max(6, static_cast<int>((m_w + 2 * m) * (m_h + 2 * m) / (24.0 * 24.0)));
        std::vector<Flake> flakes;
        for (int k = 0; k < count; ++k) {
            const double mx = rng.range(-m, m_w + m), my = rng.range(-m, m_h + m);
            const double dir = rng.range(0.0, 2.0 * kPi);
            const double radius = rng.range(18.0, 60.0);
            const double halfAngle = 0.5 * rng.range(10.0, 36.0) / radius;
            // The centre lies off the flake's middle, across it; the ends lie halfAngle either
            // side of the direction back to the middle.
            const double nx = dcos(dir), ny = dsin(dir);
            const double cs = dcos(halfAngle), sn = dsin(halfAngle);
            flakes.push_back({ mx - radius * nx, my - radius * ny, radius, nx * cs + ny * sn, ny * cs - nx * sn,
                nx * cs - ny * sn, ny * cs + nx * sn, rng.range(0.5, 1.3) });
        }
        for (std::size_t i = 0; i < size(); ++i) {
            const double x = lx(i), y = ly(i);
            double best = 1e9;
            for (const Flake& f : flakes) {
                const double vx = x - f.cx, vy = y - f.cy;
                double d;
                if (f.ax * vy - f.ay * vx >= 0.0 && vx * f.by - vy * f.bx >= 0.0) {
                    d = std::abs(std::sqrt(vx * vx + vy * vy) - f.radius);
                } else {
                    const double ax = vx - f.radius * f.ax, ay = vy - f.radius * f.ay;
                    const double bx = vx - f.radius * f.bx, by = vy - f.radius * f.by;
                    d = std::sqrt(std::min(ax * ax + ay * ay, bx * bx + by * by));
                }
                best = std::min(best, d / f.width);
            }
            v[i] = static_cast<float>(best);
        }
        break;
    }
    case FieldKind::Islands: {
        Rng rng = stream(kIslandsPart);
        const Noise n(rng.next());
        for (std::size_t i = 0; i < size(); ++i)
            v[i] = static_cast<float>(n.fbm(lx(i) / 3.2, ly(i) / 3.2, 2));
        break;
    }
    case FieldKind::FerriteBoundaries: {
        // Some stretches of boundary take the cementite before others, so that a small share
        // makes films on a few boundaries rather than a trace too thin to see on all of them.
        const CellMap& g = ferriteGrains();
        Rng rng = stream(kFerriteBoundariesPart);
        const Noise n(rng.next());
        const Noise patches(rng.next());
        for (std::size_t i = 0; i < size(); ++i)
            v[i] = static_cast<float>(g.edge[i] + 3.0 * patches.value(lx(i) / 10.0, ly(i) / 10.0)
                + 0.25 * n.fbm(lx(i) / 4.0, ly(i) / 4.0, 2));
        break;
    }
    }
    finishField(*f);
    return f;
}

void Synthesis::Scene::finishField(Field& f) const
{
    // The slope from the steeper of the two neighbours on each axis, so that a fold (a grain
    // boundary, where the depth turns) does not read as flat.
    const auto& v = f.value;
    f.invSlope.resize(size());
    for (int y = 0; y < m_H; ++y)
        for (int x = 0; x < m_W; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * m_W + x;
            auto steeper = [&](std::size_t prev, bool hasPrev, std::size_t next, bool hasNext) {
                const float a = hasPrev ? std::abs(v[i] - v[prev]) : 0.0f;
                const float b = hasNext ? std::abs(v[next] - v[i]) : 0.0f;
                return std::max(a, b);
            };
            const double gx = steeper(i - 1, x > 0, i + 1, x + 1 < m_W) * m_ratio;
            const double gy = steeper(i - m_W, y > 0, i + m_W, y + 1 < m_H) * m_ratio;
            f.invSlope[i] = static_cast<float>(1.0 / std::max(0.05, std::sqrt(gx * gx + gy * gy)));
        }
    f.order.resize(size());
    std::iota(f.order.begin(), f.order.end(), 0);
    std::sort(f.order.begin(), f.order.end(), [&](int a, int b) { return v[a] < v[b] || (v[a] == v[b] && a < b); });
}

const std::vector<std::uint16_t>& Synthesis::Scene::texture(Constituent c)
{
    auto& t = m_textures[static_cast<int>(c)];
    if (t.empty()) {
        const std::vector<float> grey = makeTexture(c);
        t.resize(grey.size());
        for (std::size_t i = 0; i < grey.size(); ++i)
            t[i] = static_cast<std::uint16_t>(std::clamp(grey[i] / kTextureStep + 0.5f, 0.0f, 65535.0f));
    }
    return t;
}

const std::vector<float>& Synthesis::Scene::lighting()
{
    if (m_lighting.empty()) {
        // Brighter in the middle of the field of view, and slightly uneven.
        Rng rng = stream(kLightingPart);
        const Noise light(rng.next());
        const double cx = m_w * rng.range(0.4, 0.6);
        const double cy = m_h * rng.range(0.4, 0.6);
        const double r2 = 0.25 * (static_cast<double>(m_w) * m_w + static_cast<double>(m_h) * m_h);
        const double wave = 0.5 * std::max(m_w, m_h);
        m_lighting.resize(size());
        for (std::size_t i = 0; i < size(); ++i) {
            const double dx = lx(i) - cx, dy = ly(i) - cy;
            m_lighting[i] = static_cast<float>(
                1.0 - 0.08 * (dx * dx + dy * dy) / r2 + 0.035 * light.fbm(lx(i) / wave, ly(i) / wave, 2));
        }
    }
    return m_lighting;
}

const std::vector<float>& Synthesis::Scene::sensorGrain()
{
    if (m_grain.empty()) {
        const std::uint64_t seed = stream(kSensorPart).next();
        m_grain.resize(size());
        for (std::size_t i = 0; i < size(); ++i)
            m_grain[i] = static_cast<float>(0.010 * (2.0 * hash01(i % m_W, i / m_W, seed) - 1.0));
    }
    return m_grain;
}

} // namespace wb::micrograph
