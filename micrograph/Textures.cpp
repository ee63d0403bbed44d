// The constituents' textures at device resolution: grey reflectance maps of an etched section,
// drawn in logical coordinates so that a picture at ratio 2 shows the same structure, only finer.
#include "Scene.h"

#include <algorithm>

namespace wb::micrograph {

namespace {

// The textures' own random streams, apart from the scene's layout.
enum Salt : std::uint64_t {
    kMeltSalt = 100,
    kPrimaryASalt,
    kPrimaryBSalt,
    kAlphaSalt,
    kBetaSalt,
    kSolidSolutionSalt,
    kEutecticABSalt,
    kEutecticAlphaBetaSalt,
    kPeritecticSalt,
    kAusteniteSalt,
    kDeltaSalt,
    kFerriteSalt,
    kPearliteSalt,
    kCementiteSalt,
    kTertiarySalt,
    kNeedleSalt,
    kLedeburiteSalt,
    kGraphiteSalt,
    kBainiteSalt,
    kMartensiteSalt,
    kRetainedSalt,
};

} // namespace

std::vector<float> Synthesis::Scene::makeTexture(Constituent c)
{
    switch (c) {
    case Constituent::Melt:
        return meltGlow();
    case Constituent::PrimaryA:
        return grainTexture(0.88, 0.03, 0.45, kPrimaryASalt);
    case Constituent::PrimaryB:
        return grainTexture(0.30, 0.04, 0.55, kPrimaryBSalt);
    case Constituent::PrimaryAlpha:
        return coredTexture(0.84, 0.03, 0.08, kAlphaSalt);
    case Constituent::PrimaryBeta:
        return coredTexture(0.44, 0.04, 0.08, kBetaSalt);
    case Constituent::SolidSolution:
        return grainTexture(0.82, 0.05, 0.5, kSolidSolutionSalt);
    case Constituent::EutecticAB:
        return eutecticTexture(0.18, 0.88, kEutecticABSalt);
    case Constituent::EutecticAlphaBeta:
        return eutecticTexture(0.36, 0.84, kEutecticAlphaBetaSalt);
    case Constituent::PeritecticBeta:
        return grainTexture(0.50, 0.04, 0.5, kPeritecticSalt);
    case Constituent::Austenite:
        return austeniteTexture();
    case Constituent::DeltaFerrite:
        return grainTexture(0.74, 0.05, 0.5, kDeltaSalt);
    case Constituent::Ferrite:
        return ferriteTexture();
    case Constituent::Pearlite:
        return pearliteTexture();
    case Constituent::SecondaryCementite:
        return plainTexture(0.95, 0.015, 6.0, kCementiteSalt);
    case Constituent::TertiaryCementite:
        return plainTexture(0.95, 0.015, 6.0, kTertiarySalt);
    case Constituent::PrimaryCementite:
        return plainTexture(0.93, 0.02, 10.0, kNeedleSalt);
    case Constituent::Ledeburite:
        return ledeburiteTexture(0.62);
    case Constituent::TransformedLedeburite:
        return ledeburiteTexture(0.14);
    case Constituent::Graphite:
        return plainTexture(1.0, 0.12, 2.0, kGraphiteSalt);
    case Constituent::Bainite: {
        MartensiteLook look;
        look.ground = 0.44;
        look.tones[0] = 0.16;
        look.tones[1] = 0.26;
        look.tones[2] = 0.20;
        look.tones[3] = 0.30;
        look.toneSpread = 0.04;
        look.grainSpread = 0.04;
        look.rimDepth = 0.2;
        look.priorBoundary = 0.12;
        return plateTexture(bainitePlates(), look, true, kBainiteSalt);
    }
    case Constituent::Martensite:
        return plateTexture(martensitePlates(), MartensiteLook(), false, kMartensiteSalt);
    case Constituent::RetainedAustenite:
        return plainTexture(0.90, 0.015, 5.0, kRetainedSalt);
    }
    return std::vector<float>(size(), 0.5f);
}

std::vector<float> Synthesis::Scene::meltGlow()
{
    // The melt glows slightly unevenly.
    const Noise n(stream(kMeltSalt).next());
    std::vector<float> t(size());
    for (std::size_t i = 0; i < size(); ++i)
        t[i] = static_cast<float>(1.0 + 0.035 * n.fbm(lx(i) / 9.0, ly(i) / 9.0, 2));
    return t;
}

std::vector<float> Synthesis::Scene::plainTexture(double tone, double mottle, double scale, std::uint64_t salt)
{
    const Noise n(stream(salt).next());
    std::vector<float> t(size());
    for (std::size_t i = 0; i < size(); ++i)
        t[i] = static_cast<float>(tone + mottle * n.fbm(lx(i) / scale, ly(i) / scale, 2));
    return t;
}

// The crystals as grains, each etched to its own grey, with their boundaries.
std::vector<float> Synthesis::Scene::grainTexture(double tone, double spread, double boundaryDepth, std::uint64_t salt)
{
    const Crystals& c = crystals();
    Rng rng = stream(salt);
    const Noise n(rng.next());
    const std::uint64_t h = rng.next();
    std::vector<float> t(size());
    for (std::size_t i = 0; i < size(); ++i) {
        const auto grain = static_cast<std::uint64_t>(c.map.label[i]);
        const double v = tone + spread * (2.0 * hash01(grain, h) - 1.0) + 0.012 * n.fbm(lx(i) / 6.0, ly(i) / 6.0, 2);
        t[i] = static_cast<float>(v * (1.0 - boundaryDepth * lineCoverage(c.edge[i], 0.55, aa())));
    }
    return t;
}

// Crystals of a solid solution as they grew from the melt: the first-solidified core etches
// lighter than the outside.
std::vector<float> Synthesis::Scene::coredTexture(double tone, double spread, double coring, std::uint64_t salt)
{
    const Crystals& c = crystals();
    std::vector<float> t = grainTexture(tone, spread, 0.5, salt);
    for (std::size_t i = 0; i < size(); ++i) {
        const Nucleus& nu = c.nuclei[static_cast<std::size_t>(c.map.label[i])];
        const double dx = lx(i) - nu.x, dy = ly(i) - nu.y;
        const double out = smoothstep(0.0, 0.5 * kGrain, std::sqrt(dx * dx + dy * dy));
        t[i] = static_cast<float>(t[i] + coring * (0.5 - out));
    }
    return t;
}

// Austenite grains with annealing twins: straight parallel pairs of lines across a grain, the
// band between them etched to a slightly different grey. Darker than ferrite, so that the two
// are told apart where both are present.
std::vector<float> Synthesis::Scene::austeniteTexture()
{
    const Crystals& c = crystals();
    std::vector<float> t = grainTexture(0.62, 0.03, 0.5, kAusteniteSalt);
    const std::uint64_t h = stream(kAusteniteSalt).fork(1).next();
    for (std::size_t i = 0; i < size(); ++i) {
        const auto grain = static_cast<std::uint64_t>(c.map.label[i]);
        const Nucleus& nu = c.nuclei[grain];
        double v = t[i];
        for (std::uint64_t twin = 0; twin < 2; ++twin) {
            const std::uint64_t key = grain * 2 + twin;
            if (hash01(key, h ^ 1) > (twin == 0 ? 0.7 : 0.35))
                continue;
            const double angle = kPi * hash01(key, h ^ 2);
            const double offset = (hash01(key, h ^ 3) - 0.5) * 0.6 * kGrain;
            const double width = 2.0 + 6.0 * hash01(key, h ^ 4);
            const double u = (lx(i) - nu.x) * dcos(angle) + (ly(i) - nu.y) * dsin(angle) - offset;
            if (u > 0.0 && u < width)
                v += 0.05 * (hash01(key, h ^ 5) - 0.3);
            const double line
                = std::max(lineCoverage(std::abs(u), 0.35, aa()), lineCoverage(std::abs(u - width), 0.35, aa()));
            v *= 1.0 - 0.4 * line;
        }
        t[i] = static_cast<float>(v);
    }
    return t;
}

// Pro-eutectoid ferrite: light polygonal grains, each etched to its own grey, their boundaries
// attacked to different depths.
std::vector<float> Synthesis::Scene::ferriteTexture()
{
    const CellMap& g = ferriteGrains();
    Rng rng = stream(kFerriteSalt);
    const Noise etch(rng.next());
    const std::uint64_t h = rng.next();
    std::vector<float> t(size());
    for (std::size_t i = 0; i < size(); ++i) {
        const int c = g.label[i];
        const double x = lx(i), y = ly(i);
        double v = 0.85 + 0.04 * (2.0 * hash01(static_cast<std::uint64_t>(c), h ^ 5) - 1.0)
            + 0.02 * etch.fbm(x / kFerriteGrain + 3.1 * c, y / kFerriteGrain, 2) + 0.01 * etch.fbm(x / 5.0, y / 5.0, 2);
        const std::uint64_t key = pairKey(c, g.other[i]);
        const double hw = 0.45 * (0.6 + 0.8 * hash01(key, h ^ 6));
        const double depth = 0.55 * (hash01(key, h ^ 7) < 0.12 ? 0.25 : 0.55 + 0.45 * hash01(key, h ^ 8));
        v *= 1.0 - depth * lineCoverage(g.edge[i], hw, aa());
        t[i] = static_cast<float>(v);
    }
    return t;
}

// Pearlite: colonies of cementite lamellae in ferrite, each colony with its own direction and
// spacing, the lamellae bending, shifting and breaking here and there; colonies cut at a glancing
// angle show less contrast, and lamellae finer than the optics resolve merge into an even dark tone.
std::vector<float> Synthesis::Scene::pearliteTexture()
{
    Rng rng = stream(kPearliteSalt);
    const double colony = 12;
    const double m = 2 * colony;
    const auto sites = scatterSites(rng, -m, -m, m_w + m, m_h + m, colony, 0.3);
    const Noise warp(rng.next());
    const Noise bendNoise(rng.next());
    const Noise faultNoise(rng.next());
    const Noise breakNoise(rng.next());
    const Noise etchNoise(rng.next());
    const std::uint64_t h = rng.next();
    const CellMap colonies = cellMap(m_w, m_h, m_ratio, sites, { &warp, 0.25 * colony, 1.1 * colony });
    struct Lamellae {
        double nx, ny, spacing, phase, tone, contrast;
    };
    std::vector<Lamellae> lam;
    const double logMin = dlog(1.7), logMax = dlog(4.0);
    for (std::size_t k = 0; k < sites.size(); ++k) {
        const double angle = kPi * hash01(k, h ^ 1);
        lam.push_back({ dcos(angle), dsin(angle), dexp(lerp(logMin, logMax, hash01(k, h ^ 2))), hash01(k, h ^ 3),
            0.06 * (2.0 * hash01(k, h ^ 4) - 1.0), 0.3 + 0.7 * hash01(k, h ^ 9) });
    }
    const double dark = 0.05, light = 0.45, share = 0.45, scale = 16;
    std::vector<float> t(size());
    for (std::size_t i = 0; i < size(); ++i) {
        const double px = lx(i), py = ly(i);
        const Lamellae& l = lam[static_cast<std::size_t>(colonies.label[i])];
        const double bend = 0.3 * scale / l.spacing * bendNoise.fbm(px / (1.3 * scale), py / (1.3 * scale), 1);
        const double fault = faultNoise.value(px / (0.6 * scale), py / (0.6 * scale)) > 0.62 ? 0.5 : 0.0;
        const double u = (px * l.nx + py * l.ny) / l.spacing + l.phase + bend + fault;
        const double frac = u - std::floor(u);
        const double dist = std::abs(frac - 0.5) * l.spacing;
        const double along = px * l.ny - py * l.nx;
        const double thickness
            = share * clamp01(0.7 + 0.9 * breakNoise.fbm(along / (2.5 * l.spacing) + 7.0 * std::floor(u), u * 0.37, 2));
        const double cov = lineCoverage(dist, 0.5 * thickness * l.spacing, aa());
        const double lamella = lerp(light, dark, cov);
        const double mean = lerp(light, dark, share);
        const double resolved = l.contrast * smoothstep(1.4, 3.6, l.spacing);
        double v = mean + resolved * (lamella - mean) + l.tone + 0.04 * etchNoise.fbm(px / 3.0, py / 3.0, 2);
        v *= 1.0 - 0.25 * lineCoverage(colonies.edge[i], 0.4, aa());
        t[i] = static_cast<float>(v);
    }
    return t;
}

// A lamellar eutectic: colonies of alternating dark and light lamellae, gently bent.
std::vector<float> Synthesis::Scene::eutecticTexture(double dark, double light, std::uint64_t salt)
{
    Rng rng = stream(salt);
    const double colony = 20;
    const double m = 2 * colony;
    const auto sites = scatterSites(rng, -m, -m, m_w + m, m_h + m, colony, 0.25);
    const Noise warp(rng.next());
    const Noise bend(rng.next());
    const Noise etch(rng.next());
    const CellMap colonies = cellMap(m_w, m_h, m_ratio, sites, { &warp, 0.15 * colony, colony });
    struct Lamellae {
        double nx, ny, spacing, phase;
    };
    std::vector<Lamellae> lam;
    for (std::size_t k = 0; k < sites.size(); ++k) {
        const double a = rng.range(0.0, kPi);
        lam.push_back({ dcos(a), dsin(a), rng.range(2.3, 3.3), rng.uniform() });
    }
    const double share = 0.45;
    std::vector<float> t(size());
    for (std::size_t i = 0; i < size(); ++i) {
        const double x = lx(i), y = ly(i);
        const Lamellae& l = lam[static_cast<std::size_t>(colonies.label[i])];
        const double u = (x * l.nx + y * l.ny) / l.spacing + l.phase + 0.5 * bend.fbm(x / 20.0, y / 20.0, 1);
        const double dist = std::abs(u - std::floor(u) - 0.5) * l.spacing;
        const double cov = lineCoverage(dist, 0.5 * share * l.spacing, aa());
        double v = lerp(light, dark, cov) + 0.02 * etch.fbm(x / 4.0, y / 4.0, 2);
        v *= 1.0 - 0.3 * lineCoverage(colonies.edge[i], 0.45, aa());
        t[i] = static_cast<float>(v);
    }
    return t;
}

// Ledeburite: white cementite with rounded islands (austenite, or pearlite once it has
// transformed), lined up in rows that follow a slowly turning direction.
std::vector<float> Synthesis::Scene::ledeburiteTexture(double island)
{
    Rng rng = stream(kLedeburiteSalt);
    const Noise dir(rng.next());
    const Noise etch(rng.next());
    const std::uint64_t h = rng.next();
    const double cell = 5.5;
    // One island per cell of a grid, placed and shaped once.
    struct Island {
        double x, y, radius, stretch, ux, uy;
    };
    const auto cols = static_cast<std::int64_t>(std::ceil(m_w / cell)) + 2;
    const auto rows = static_cast<std::int64_t>(std::ceil(m_h / cell)) + 2;
    std::vector<Island> islands;
    for (std::int64_t j = -1; j < rows - 1; ++j)
        for (std::int64_t k = -1; k < cols - 1; ++k) {
            const double ix = (k + 0.15 + 0.7 * hash01(k, j, h ^ 1)) * cell;
            const double iy = (j + 0.15 + 0.7 * hash01(k, j, h ^ 2)) * cell;
            const double a = 2.0 * kPi * dir.value(ix / 30.0, iy / 30.0);
            islands.push_back({ ix, iy, 1.2 + 0.9 * hash01(k, j, h ^ 3), 1.0 + hash01(k, j, h ^ 4), dcos(a), dsin(a) });
        }
    std::vector<float> t(size());
    for (std::size_t i = 0; i < size(); ++i) {
        const double x = lx(i), y = ly(i);
        const auto cx = static_cast<std::int64_t>(std::floor(x / cell));
        const auto cy = static_cast<std::int64_t>(std::floor(y / cell));
        double cover = 0.0;
        for (std::int64_t j = cy - 1; j <= cy + 1; ++j)
            for (std::int64_t k = cx - 1; k <= cx + 1; ++k) {
                const Island& is = islands[static_cast<std::size_t>((j + 1) * cols + (k + 1))];
                const double dx = x - is.x, dy = y - is.y;
                const double along = (dx * is.ux + dy * is.uy) / is.stretch;
                const double across = dy * is.ux - dx * is.uy;
                const double d = std::sqrt(along * along + across * across);
                cover = std::max(cover, clamp01((is.radius - d) / aa() + 0.5));
            }
        const double mottle = 0.02 * etch.fbm(x / 4.0, y / 4.0, 2);
        t[i] = static_cast<float>(lerp(0.90, island, cover) + mottle);
    }
    return t;
}

// Plates (martensite needles, bainite sheaves) in the former austenite grains, each grain's
// variants in their own tones, outlined; bainite with fine carbides between its needles.
std::vector<float> Synthesis::Scene::plateTexture(
    const std::vector<Plate>& plates, const MartensiteLook& look, bool carbides, std::uint64_t salt)
{
    const Crystals& c = crystals();
    Rng rng = stream(salt);
    const Noise ground(rng.next());
    const std::uint64_t h = rng.next();
    std::vector<float> t(size());
    for (std::size_t i = 0; i < size(); ++i)
        t[i] = static_cast<float>(look.ground + 0.05 * ground.fbm(lx(i) / 3.0, ly(i) / 3.0, 2));
    const double edge = 0.7 / m_ratio;
    for (std::size_t k = 0; k < plates.size(); ++k) {
        const Plate& pl = plates[k];
        const auto grain = static_cast<std::uint64_t>(pl.grain);
        const int shift = static_cast<int>(4.0 * hash01(grain, h ^ 0x71));
        const double variantTone = look.tones[(pl.variant + shift) % 4]
            + look.grainSpread * (2.0 * hash01(grain, h ^ 0x72) - 1.0) + look.toneSpread * (2.0 * hash01(k, h) - 1.0);
        const double tone = look.ground + (variantTone - look.ground) * smoothstep(1.0, 7.0, pl.half);
        const double reach = pl.half + pl.halfWidth + 1.0;
        const int x0 = std::max(0, static_cast<int>((pl.x - reach) * m_ratio));
        const int x1 = std::min(m_W - 1, static_cast<int>((pl.x + reach) * m_ratio));
        const int y0 = std::max(0, static_cast<int>((pl.y - reach) * m_ratio));
        const int y1 = std::min(m_H - 1, static_cast<int>((pl.y + reach) * m_ratio));
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) {
                const std::size_t i = static_cast<std::size_t>(y) * m_W + x;
                double rim = 0;
                const double cov = plateCoverage(pl, lx(i), ly(i), edge, &rim);
                if (cov <= 0.0)
                    continue;
                t[i] = static_cast<float>(lerp(t[i], tone * (1.0 - look.rimDepth * rim), cov));
            }
    }
    const double dot = 1.6;
    for (std::size_t i = 0; i < size(); ++i) {
        double v = t[i] * (1.0 - look.priorBoundary * lineCoverage(c.edge[i], 0.7, 0.6));
        if (carbides) {
            const double x = lx(i), y = ly(i);
            const auto cx = static_cast<std::int64_t>(std::floor(x / dot));
            const auto cy = static_cast<std::int64_t>(std::floor(y / dot));
            if (hash01(cx, cy, h ^ 0x99) > 0.8) {
                const double ix = (cx + 0.3 + 0.4 * hash01(cx, cy, h ^ 0x9A)) * dot;
                const double iy = (cy + 0.3 + 0.4 * hash01(cx, cy, h ^ 0x9B)) * dot;
                const double d = std::sqrt((x - ix) * (x - ix) + (y - iy) * (y - iy));
                v *= 1.0 - 0.45 * clamp01((0.4 - d) / aa() + 0.5);
            }
        }
        t[i] = static_cast<float>(v);
    }
    return t;
}

} // namespace wb::micrograph
