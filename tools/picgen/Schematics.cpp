#include "Schematics.h"

#include "micrograph/Det.h"
#include "micrograph/Grains.h"
#include "micrograph/Noise.h"
#include "micrograph/Structures.h"

#include <algorithm>
#include <functional>
#include <limits>

namespace picgen {

namespace {

// Schematics are drawn on a grid of 3 × 3 samples per pixel and averaged down, which gives
// their edges and thin lines a clean anti-aliased look.
constexpr int SS = 3;

// clang-format off
const Col kMelt       = rgb8(226,  34,  26);
const Col kAlpha      = rgb8(252, 252, 248); // white crystals (α, ferrite)
const Col kAlphaCore  = rgb8(214, 220, 234); // the first-solidified core of a cored crystal
const Col kBeta       = rgb8( 46,  50,  66); // dark crystals (β)
const Col kOutline    = rgb8( 40,  32,  32);
const Col kGreyLine   = rgb8(150, 150, 150);
const Col kBlack      = rgb8( 16,  16,  16);
const Col kAustenite  = rgb8(150,  78,  44); // brown austenite of the iron–carbon lessons
const Col kAusLine    = rgb8( 86,  38,  18);
const Col kRedAus     = rgb8(204,  48,  38); // red austenite of the heat-treatment lessons
const Col kRedAusLine = rgb8(118,  20,  16);
const Col kCementite  = rgb8(128, 128, 128);
const Col kLedeMatrix = rgb8(176, 176, 176); // eutectic cementite of ledeburite
const Col kPearlGrey  = rgb8( 96,  96,  96); // the darker lamellae of grey-and-white pearlite
const Col kNeedle     = rgb8( 34,  30,  32);
const Col kGround     = rgb8(244, 242, 236);
// clang-format on

// The samples of a frame of W × H pixels.
struct Grid {
    int W, H, w, h;
    Grid(int width, int height)
        : W(width)
        , H(height)
        , w(width * SS)
        , h(height * SS)
    {
    }
    std::size_t size() const { return static_cast<std::size_t>(w) * h; }
    double x(std::size_t i) const { return (static_cast<double>(i % w) + 0.5) / SS; }
    double y(std::size_t i) const { return (static_cast<double>(i / w) + 0.5) / SS; }
};

// A frame drawn sample by sample.
Rgba drawFrame(const Grid& g, const std::function<Col(std::size_t, double, double)>& shade)
{
    Rgba hi(g.w, g.h);
    for (std::size_t i = 0; i < g.size(); ++i)
        hi.c[i] = shade(i, g.x(i), g.y(i));
    return downsample(hi, SS);
}

// The melt glows slightly unevenly.
Col melt(const Noise& n, double x, double y)
{
    return kMelt * static_cast<float>(1.0 + 0.035 * n.fbm(x / 9.0, y / 9.0, 2));
}

// ---------------------------------------------------------------------------------------------
// Crystals growing in a melt.

struct CrystalStyle {
    int arms = 4;
    double aniso = 0.5; // how much faster the arms grow
    int sharpness = 3;
    double timeSpread = 0.4; // nucleation times spread over this many spacings
    double speedSpread = 0.15;
    bool dendrite = false;
    double branchSpacing = 5;
    double lateral = 0.16;
    double branchBoost = 2.5;
    double body = 0.3;
};

std::vector<Nucleus> scatterNuclei(Rng& rng, int W, int H, double spacing, const CrystalStyle& st)
{
    const double m = 0.25 * spacing;
    const auto sites = scatterSites(rng, -m, -m, W + m, H + m, spacing, 0.2);
    std::vector<Nucleus> nuclei;
    for (const Site& s : sites) {
        Nucleus n;
        n.x = s.x;
        n.y = s.y;
        n.t0 = st.timeSpread * spacing * rng.uniform();
        n.speed = 1.0 + st.speedSpread * rng.range(-1.0, 1.0);
        n.arms = st.arms;
        n.aniso = st.aniso * rng.range(0.7, 1.2);
        n.sharpness = st.sharpness;
        n.phase = rng.range(0.0, 2.0 * kPi);
        n.dendrite = st.dendrite;
        n.branchSpacing = st.branchSpacing * rng.range(0.85, 1.15);
        n.lateral = st.lateral;
        n.branchBoost = st.branchBoost;
        n.body = st.body;
        nuclei.push_back(n);
    }
    return nuclei;
}

struct Crystals {
    Grid grid;
    GrowthMap g;
    Noise noise;
    float tAll; // everything solid
    std::vector<float> boundaryDist; // pixels from the nearest grain boundary once all is solid

    Crystals(int W, int H, Rng& rng, double spacing, const CrystalStyle& st)
        : grid(W, H)
        , noise(rng.next())
    {
        const auto nuclei = scatterNuclei(rng, W, H, spacing, st);
        g = growCrystals(W, H, SS, nuclei, noise, 0.06);
        tAll = g.timeForShare(1.0);
        // The two samples on either side of a change of crystal are 0 from the boundary.
        std::vector<std::uint8_t> onBoundary(grid.size(), 0);
        for (int y = 0; y < grid.h; ++y)
            for (int x = 0; x < grid.w; ++x) {
                const std::size_t i = static_cast<std::size_t>(y) * grid.w + x;
                if (x + 1 < grid.w && g.label[i] != g.label[i + 1])
                    onBoundary[i] = onBoundary[i + 1] = 1;
                if (y + 1 < grid.h && g.label[i] != g.label[i + grid.w])
                    onBoundary[i] = onBoundary[i + grid.w] = 1;
            }
        boundaryDist = distanceTransform(onBoundary, grid.w, grid.h);
        for (auto& d : boundaryDist)
            d /= SS;
    }
    float time(double share) const { return g.timeForShare(share); }
    bool solid(std::size_t i, float t) const { return g.t1[i] <= t; }
    // How far behind the front (pixels) a solid sample lies, for smooth (non-dendritic) crystals.
    double behind(std::size_t i, float t) const { return (t - g.t1[i]) / g.slope1[i]; }
    // Whether a solid sample has, within r samples, melt (front) or another solid crystal
    // (boundary).
    bool atFront(std::size_t i, float t, int r) const
    {
        return any(i, r, [&](std::size_t j) { return g.t1[j] > t; });
    }
    bool meets(std::size_t i, float t, int r) const
    {
        return any(i, r, [&](std::size_t j) { return g.t1[j] <= t && g.label[j] != g.label[i]; });
    }
    // On a grain boundary of the solid structure drawn `width` pixels wide.
    bool onBoundary(std::size_t i, double width) const
    {
        return boundaryDist[i] <= std::max(0.0, 0.5 * width - 1.0 / SS) + 1e-6;
    }
    // 0 at a crystal's core, 1 at its outside, for coring and rims.
    double growth(std::size_t i, float tEnd) const { return clamp01(g.t1[i] / std::max(1e-6f, tEnd)); }

private:
    template <typename F> bool any(std::size_t i, int r, F f) const
    {
        const int x = static_cast<int>(i % grid.w), y = static_cast<int>(i / grid.w);
        for (int dy = -r; dy <= r; ++dy)
            for (int dx = -r; dx <= r; ++dx) {
                const int nx = x + dx, ny = y + dy;
                if ((dx || dy) && nx >= 0 && ny >= 0 && nx < grid.w && ny < grid.h
                    && f(static_cast<std::size_t>(ny) * grid.w + nx))
                    return true;
            }
        return false;
    }
};

// Pixels inside the solid at time t from the nearest non-solid sample.
std::vector<float> depthInside(const Crystals& c, float t)
{
    std::vector<std::uint8_t> liquid(c.grid.size());
    for (std::size_t i = 0; i < c.grid.size(); ++i)
        liquid[i] = !c.solid(i, t);
    auto d = distanceTransform(liquid, c.grid.w, c.grid.h);
    for (auto& v : d)
        v /= SS;
    return d;
}

struct GrowthLook {
    Col crystal = kAlpha;
    Col core = kAlpha;
    Col outline = kOutline;
    Col boundary = kOutline;
    double outlineWidth = 0.7;
    double boundaryWidth = 0.7;
};

int samplesFor(double width)
{
    return std::max(1, static_cast<int>(width * SS * 0.5 + 0.5));
}

// Crystals at time t: solid where they have arrived, outlined at their front, with boundaries
// where two have met; anything else is melt unless `rest` says otherwise.
Col crystalShade(const Crystals& c, std::size_t i, double x, double y, float t, float tCore, const GrowthLook& look,
    const std::function<Col(std::size_t, double, double)>& rest = nullptr)
{
    if (!c.solid(i, t))
        return rest ? rest(i, x, y) : melt(c.noise, x, y);
    if (t >= c.tAll) {
        if (c.onBoundary(i, look.boundaryWidth))
            return look.boundary;
    } else {
        if (c.meets(i, t, samplesFor(look.boundaryWidth)))
            return look.boundary;
        if (c.atFront(i, t, samplesFor(look.outlineWidth)))
            return look.outline;
    }
    return mix(look.core, look.crystal, smoothstep(0.0, 1.0, c.growth(i, tCore)));
}

// A lamellar two-phase texture in colonies of their own orientation.
struct Lamellar {
    CellMap colonies;
    std::vector<double> nx, ny, phase;
    Noise bend;
    double spacing;
    double darkShare;

    Lamellar(int W, int H, Rng& rng, double colonySize, double lamellaSpacing, double dark)
        : bend(rng.next())
        , spacing(lamellaSpacing)
        , darkShare(dark)
    {
        const auto sites
            = scatterSites(rng, -colonySize, -colonySize, W + colonySize, H + colonySize, colonySize, 0.25);
        colonies = cellMap(W, H, SS, sites);
        for (std::size_t k = 0; k < sites.size(); ++k) {
            const double a = rng.range(0.0, kPi);
            nx.push_back(dcos(a));
            ny.push_back(dsin(a));
            phase.push_back(rng.uniform());
        }
    }
    // Whether the sample lies on a dark lamella.
    bool dark(std::size_t i, double x, double y, int colony = -1) const
    {
        const int c = colony >= 0 ? colony : colonies.label[i];
        const double u = (x * nx[c] + y * ny[c]) / spacing + phase[c] + 0.4 * bend.fbm(x / 20.0, y / 20.0, 1);
        return u - std::floor(u) < darkShare;
    }
};

// Frame times for a list of solid shares.
std::vector<float> timesFor(const Crystals& c, const std::vector<double>& shares)
{
    std::vector<float> t;
    for (const double s : shares)
        t.push_back(c.time(s));
    return t;
}

// A solid share that rises from `first` to `last` over n frames, quickly at first as a lever
// rule does when the liquidus is steep.
std::vector<double> risingShares(int n, double first, double last, double power = 0.85)
{
    std::vector<double> s;
    for (int k = 0; k < n; ++k)
        s.push_back(first + (last - first) * dpow(static_cast<double>(k) / std::max(1, n - 1), power));
    return s;
}

// Distance from the grain boundaries of the solid structure, roughened by up to `roughness`
// pixels so that what grows along them does so unevenly.
struct BoundaryField {
    std::vector<float> d;
    float thresholdFor(double share) const { return quantile(d, share); }
};

BoundaryField boundaryField(const Crystals& c, Rng& rng, double roughness)
{
    const Noise n(rng.next());
    BoundaryField f;
    f.d.resize(c.grid.size());
    for (std::size_t i = 0; i < c.grid.size(); ++i) {
        f.d[i] = static_cast<float>(c.boundaryDist[i] + roughness * n.fbm(c.grid.x(i) / 5.0, c.grid.y(i) / 5.0, 2));
    }
    return f;
}

// ---------------------------------------------------------------------------------------------
// Type 1: complete solubility.

void makeType1(StripSet& out)
{
    Rng rng(seedOf("FormZuTyp1.ImageListMkBildung"));
    CrystalStyle st;
    st.arms = 6;
    st.aniso = 0.4;
    st.sharpness = 2;
    const Crystals c(100, 100, rng, 26, st);
    // The solid share of each frame is the lever rule's share at that frame's tie line.
    // clang-format off
    const std::vector<double> shares { 0.0, 0.012, 0.07, 0.14, 0.22, 0.29, 0.36, 0.42, 0.47, 0.52,
                                       0.58, 0.64, 0.70, 0.75, 0.80, 0.85, 0.90, 0.95 };
    // clang-format on
    const auto times = timesFor(c, shares);
    const float tEnd = c.time(1.0);
    GrowthLook cored;
    cored.core = kAlphaCore;
    Frames frames;
    for (const float t : times)
        frames.push_back(drawFrame(
            c.grid, [&](std::size_t i, double x, double y) { return crystalShade(c, i, x, y, t, tEnd, cored); }));
    // Frame 18: homogeneous solid solution, the coring evened out.
    GrowthLook even;
    even.boundary = rgb8(96, 96, 96);
    frames.push_back(drawFrame(
        c.grid, [&](std::size_t i, double x, double y) { return crystalShade(c, i, x, y, tEnd, tEnd, even); }));
    out["FormZuTyp1.ImageListMkBildung"] = std::move(frames);
}

// ---------------------------------------------------------------------------------------------
// Type 2: eutectic without solid solubility; Type 3: eutectic with limited solubility.

// Primary crystals growing to `shares`, then the rest of the melt solidifying as eutectic.
Frames primaryAndEutectic(Rng& rng, const std::vector<double>& shares, double primaryShare, const GrowthLook& look,
    const CrystalStyle& st, double spacing, const Lamellar& eut, Col eutDark, Col eutLight)
{
    const Crystals c(80, 80, rng, spacing, st);
    const auto times = timesFor(c, shares);
    const float tPrimary = c.time(primaryShare);
    Frames frames;
    for (const float t : times)
        frames.push_back(drawFrame(
            c.grid, [&](std::size_t i, double x, double y) { return crystalShade(c, i, x, y, t, tPrimary, look); }));
    frames.push_back(drawFrame(c.grid, [&](std::size_t i, double x, double y) {
        return crystalShade(c, i, x, y, tPrimary, tPrimary, look,
            [&](std::size_t j, double u, double v) { return eut.dark(j, u, v) ? eutDark : eutLight; });
    }));
    return frames;
}

Frames meltAndEutectic(Rng& rng, const Lamellar& eut, Col dark, Col light)
{
    const Grid g(80, 80);
    const Noise n(rng.next());
    Frames frames;
    frames.push_back(drawFrame(g, [&](std::size_t, double x, double y) { return melt(n, x, y); }));
    frames.push_back(drawFrame(g, [&](std::size_t i, double x, double y) {
        if (eut.colonies.edge[i] < 0.25)
            return mix(dark, light, 0.5); // colony boundary
        return eut.dark(i, x, y) ? dark : light;
    }));
    return frames;
}

void makeType2(StripSet& out)
{
    Rng rng(seedOf("FormZuTyp2"));
    const Lamellar eut(80, 80, rng, 22, 2.4, 0.45);
    CrystalStyle st;
    st.arms = 4;
    st.dendrite = true;
    st.branchSpacing = 7;
    // α crystals (white): shares of the lever rule down to the eutectic, 33 % at it.
    // clang-format off
    const std::vector<double> under { 0.0, 0.006, 0.02, 0.04, 0.07, 0.09, 0.11, 0.14, 0.15, 0.18, 0.20,
                                      0.21, 0.23, 0.24, 0.26, 0.27, 0.28, 0.29, 0.30, 0.31 };
    const std::vector<double> over { 0.0, 0.006, 0.06, 0.10, 0.14, 0.19, 0.23, 0.26, 0.30, 0.33, 0.36,
                                     0.38, 0.40, 0.42, 0.44, 0.45, 0.47, 0.48 };
    // clang-format on
    GrowthLook white;
    out["FormZuTyp2.ImageListUnter"] = primaryAndEutectic(rng, under, 0.33, white, st, 26, eut, kBeta, kAlpha);
    out["FormZuTyp2.ImageListEu"] = meltAndEutectic(rng, eut, kBeta, kAlpha);
    // β crystals (dark), 50 % at the eutectic.
    GrowthLook dark;
    dark.crystal = kBeta;
    dark.core = kBeta;
    dark.outline = kBlack;
    dark.boundary = kBlack;
    out["FormZuTyp2.ImageListUeber"] = primaryAndEutectic(rng, over, 0.50, dark, st, 24, eut, kBeta, kAlpha);
}

void makeType3(StripSet& out)
{
    Rng rng(seedOf("FormZuTyp3"));
    const Lamellar eut(80, 80, rng, 20, 2.2, 0.45);
    CrystalStyle st;
    st.arms = 6;
    st.aniso = 0.45;
    st.sharpness = 3;
    GrowthLook white;
    white.core = kAlphaCore;

    // L1: α mixed crystals through the whole solidification, ending as α grains.
    {
        const Crystals c(80, 80, rng, 24, st);
        const auto shares = risingShares(15, 0.01, 0.97);
        std::vector<double> all { 0.0 };
        all.insert(all.end(), shares.begin(), shares.end());
        all.pop_back();
        const float tEnd = c.time(1.0);
        Frames frames;
        for (const float t : timesFor(c, all))
            frames.push_back(drawFrame(
                c.grid, [&](std::size_t i, double x, double y) { return crystalShade(c, i, x, y, t, tEnd, white); }));
        GrowthLook grains;
        frames.push_back(drawFrame(
            c.grid, [&](std::size_t i, double x, double y) { return crystalShade(c, i, x, y, tEnd, tEnd, grains); }));
        out["FormZuTyp3.ImageListL1"] = std::move(frames);
    }
    // L2: α crystals to about half, the rest eutectic; on further cooling β comes out of the α
    // as fine particles.
    {
        std::vector<double> shares { 0.0 };
        const auto rise = risingShares(19, 0.008, 0.47);
        shares.insert(shares.end(), rise.begin(), rise.end());
        GrowthLook look = white;
        Frames frames = primaryAndEutectic(rng, shares, 0.5, look, st, 24, eut, kBeta, kAlpha);
        const Rgba eutectic = frames.back();
        // Particle sites inside the crystals, revealed a few more per frame.
        std::vector<std::pair<double, double>> sites;
        for (int k = 0; k < 220; ++k)
            sites.emplace_back(rng.range(0, 80), rng.range(0, 80));
        for (int f = 1; f <= 9; ++f) {
            Rgba frame = eutectic;
            const int count = static_cast<int>(sites.size()) * f / 9;
            for (int k = 0; k < count; ++k) {
                const int x = static_cast<int>(sites[k].first);
                const int y = static_cast<int>(sites[k].second);
                Col& px = frame.at(x, y);
                // Only inside the white crystals, not in the eutectic or on lines.
                if (px.r > 0.95f && px.g > 0.95f && x > 0 && y > 0 && x < 79 && y < 79 && frame.at(x + 1, y).r > 0.9f
                    && frame.at(x, y + 1).r > 0.9f)
                    px = mix(kAlpha, kBeta, 0.55);
            }
            frames.push_back(frame);
        }
        out["FormZuTyp3.ImageListL2"] = std::move(frames);
    }
    out["FormZuTyp3.ImageListL3"] = meltAndEutectic(rng, eut, kBeta, kAlpha);
    // L4: β crystals (dark) to the solidus, then α coming out along the grain boundaries.
    {
        const Crystals c(80, 80, rng, 22, st);
        std::vector<double> shares { 0.0 };
        const auto rise = risingShares(12, 0.01, 0.95, 1.0);
        shares.insert(shares.end(), rise.begin(), rise.end());
        GrowthLook dark;
        dark.crystal = kBeta;
        dark.core = rgb8(70, 76, 98);
        dark.outline = kBlack;
        dark.boundary = kBlack;
        const float tEnd = c.time(1.0);
        Frames frames;
        for (const float t : timesFor(c, shares))
            frames.push_back(drawFrame(
                c.grid, [&](std::size_t i, double x, double y) { return crystalShade(c, i, x, y, t, tEnd, dark); }));
        GrowthLook grains = dark;
        grains.core = kBeta;
        grains.boundary = kGreyLine;
        frames.push_back(drawFrame(
            c.grid, [&](std::size_t i, double x, double y) { return crystalShade(c, i, x, y, tEnd, tEnd, grains); }));
        // α coming out along the boundaries as the solubility falls.
        const BoundaryField seg = boundaryField(c, rng, 0.4);
        for (int f = 1; f <= 8; ++f) {
            const double thr = 0.25 + 0.12 * f;
            frames.push_back(drawFrame(c.grid, [&](std::size_t i, double x, double y) {
                return seg.d[i] < thr ? kAlpha : crystalShade(c, i, x, y, tEnd, tEnd, grains);
            }));
        }
        out["FormZuTyp3.ImageListL4"] = std::move(frames);
    }
}

// ---------------------------------------------------------------------------------------------
// Type 4: peritectic.

void makeType4(StripSet& out)
{
    Rng rng(seedOf("FormZuTyp4"));
    CrystalStyle st;
    st.arms = 6;
    st.aniso = 0.45;
    st.sharpness = 3;
    GrowthLook white;
    white.core = kAlphaCore;

    // L1: α crystals grow; at the peritectic the remaining melt turns into β around them; α
    // then comes out of the β as fine lamellae, a black-and-white structure between the crystals.
    {
        const Crystals c(80, 80, rng, 24, st);
        const Lamellar lam(80, 80, rng, 12, 1.9, 0.5);
        std::vector<double> shares { 0.0 };
        const auto rise = risingShares(12, 0.01, 0.66);
        shares.insert(shares.end(), rise.begin(), rise.end());
        const float tAlpha = c.time(0.62);
        Frames frames;
        for (const float t : timesFor(c, shares))
            frames.push_back(drawFrame(
                c.grid, [&](std::size_t i, double x, double y) { return crystalShade(c, i, x, y, t, tAlpha, white); }));
        const float tPeri = shares.back() > 0 ? c.time(shares.back()) : 0.0f;
        for (int f = 0; f <= 7; ++f) {
            const double share = 0.07 * f; // white share of the β regions
            frames.push_back(drawFrame(c.grid, [&](std::size_t i, double x, double y) {
                return crystalShade(c, i, x, y, tPeri, tAlpha, white, [&](std::size_t j, double u, double v) {
                    if (f == 0)
                        return kBeta;
                    const int col = lam.colonies.label[j];
                    const double w = (u * lam.nx[col] + v * lam.ny[col]) / lam.spacing + lam.phase[col];
                    return w - std::floor(w) < share ? kAlpha : kBeta;
                });
            }));
        }
        out["FormZuTyp4.ImageListL1"] = std::move(frames);
    }
    // L2: small α crystals; at the peritectic everything becomes β grains; α then comes out
    // along the β grain boundaries.
    {
        st.aniso = 0.3;
        const Crystals c(80, 80, rng, 20, st);
        std::vector<double> shares { 0.0 };
        const auto rise = risingShares(7, 0.01, 0.24);
        shares.insert(shares.end(), rise.begin(), rise.end());
        const float tAlpha = c.time(0.24);
        const float tEnd = c.time(1.0);
        Frames frames;
        for (const float t : timesFor(c, shares))
            frames.push_back(drawFrame(
                c.grid, [&](std::size_t i, double x, double y) { return crystalShade(c, i, x, y, t, tAlpha, white); }));
        GrowthLook beta;
        beta.crystal = kBeta;
        beta.core = kBeta;
        beta.boundary = kGreyLine;
        frames.push_back(drawFrame(
            c.grid, [&](std::size_t i, double x, double y) { return crystalShade(c, i, x, y, tEnd, tEnd, beta); }));
        const BoundaryField seg = boundaryField(c, rng, 0.4);
        for (int f = 1; f <= 7; ++f) {
            const double thr = 0.25 + 0.14 * f;
            frames.push_back(drawFrame(c.grid, [&](std::size_t i, double x, double y) {
                return seg.d[i] < thr ? kAlpha : crystalShade(c, i, x, y, tEnd, tEnd, beta);
            }));
        }
        out["FormZuTyp4.ImageListL2"] = std::move(frames);
    }
    // L3: a few α crystals, enveloped by β at the peritectic; β grows on and takes them up.
    {
        st.aniso = 0.5;
        const Crystals c(80, 80, rng, 26, st);
        const std::vector<double> shares { 0.0, 0.01, 0.03, 0.05, 0.09, 0.2, 0.35, 0.5, 0.65, 0.8, 0.92 };
        const float tEnd = c.time(1.0);
        const float tAlpha = c.time(0.05);
        // The α cores left inside the β, shrinking as the peritectic reaction takes them up.
        const std::vector<double> cores { 0.0, 0.01, 0.03, 0.05, 0.035, 0.02, 0.008, 0.0, 0.0, 0.0, 0.0 };
        GrowthLook beta;
        beta.crystal = kBeta;
        beta.core = kBeta;
        beta.outline = kBlack;
        beta.boundary = kBlack;
        Frames frames;
        for (std::size_t f = 0; f < shares.size(); ++f) {
            const float t = c.time(shares[f]);
            const float tc = cores[f] > 0 ? c.time(cores[f]) : -1.0f;
            frames.push_back(drawFrame(c.grid, [&](std::size_t i, double x, double y) {
                if (f <= 3)
                    return crystalShade(c, i, x, y, t, tAlpha, white);
                if (c.solid(i, tc) && c.behind(i, tc) > 0.6)
                    return kAlpha;
                return crystalShade(c, i, x, y, t, tEnd, beta);
            }));
        }
        GrowthLook grains = beta;
        grains.boundary = kGreyLine;
        frames.push_back(drawFrame(
            c.grid, [&](std::size_t i, double x, double y) { return crystalShade(c, i, x, y, tEnd, tEnd, grains); }));
        out["FormZuTyp4.ImageListL3"] = std::move(frames);
    }
    // α → β: globular α grains (transparent in frames 0 … 8, so that whatever lies below shows
    // through them) in the melt; β forms as rims around them, first into the melt, then eating
    // into the α until only β grains are left.
    {
        CrystalStyle round;
        round.aniso = 0.0;
        round.timeSpread = 0.3;
        const Crystals c(80, 80, rng, 25, round);
        const float tEnd = c.time(1.0);
        Frames frames;
        for (int f = 0; f <= 8; ++f) {
            const float tRim = c.time(0.42 + 0.063 * f); // β rims growing into the melt
            const float tHole = c.time(0.40 - 0.012 * f); // α taken up slowly from outside
            Rgba hi(c.grid.w, c.grid.h);
            for (std::size_t i = 0; i < c.grid.size(); ++i) {
                const double x = c.grid.x(i), y = c.grid.y(i);
                if (c.solid(i, tHole) && c.behind(i, tHole) > 0.0) {
                    hi.c[i] = rgb8(20, 20, 24);
                    hi.a[i] = 0;
                } else if (c.solid(i, tRim)) {
                    hi.c[i] = c.behind(i, tRim) < 0.7 || c.meets(i, tRim, 1) ? kBlack : kBeta;
                } else {
                    hi.c[i] = melt(c.noise, x, y);
                }
            }
            frames.push_back(downsample(hi, SS));
        }
        GrowthLook rimmed;
        rimmed.crystal = kBeta;
        rimmed.core = kBeta;
        rimmed.boundary = kGreyLine;
        for (int f = 0; f <= 6; ++f) {
            const float tWhite = c.time(0.29 - 0.045 * f);
            frames.push_back(drawFrame(c.grid, [&](std::size_t i, double x, double y) {
                if (c.solid(i, tWhite)) {
                    if (c.behind(i, tWhite) < 1.1)
                        return kBlack; // the reaction rim
                    return kAlpha;
                }
                return crystalShade(c, i, x, y, tEnd, tEnd, rimmed);
            }));
        }
        frames.push_back(drawFrame(
            c.grid, [&](std::size_t i, double x, double y) { return crystalShade(c, i, x, y, tEnd, tEnd, rimmed); }));
        out["FormZuTyp4.ImageListAinB"] = std::move(frames);
    }
}

// ---------------------------------------------------------------------------------------------
// Iron–carbon: austenite dendrites in the melt, then what forms along their boundaries.

// Rounded four-armed crystals: their boundaries stay clean enough to carry what forms on them.
CrystalStyle austeniteRosettes()
{
    CrystalStyle st;
    st.arms = 4;
    st.aniso = 0.5;
    st.sharpness = 2;
    st.timeSpread = 0.5;
    return st;
}

CrystalStyle austeniteDendrites()
{
    CrystalStyle st;
    st.arms = 4;
    st.dendrite = true;
    st.branchSpacing = 7;
    st.lateral = 0.2;
    st.body = 0.35;
    st.timeSpread = 0.5;
    return st;
}

GrowthLook austeniteLook()
{
    GrowthLook look;
    look.crystal = kAustenite;
    look.core = rgb8(134, 66, 36);
    look.outline = kAusLine;
    look.boundary = kAusLine;
    look.outlineWidth = 0.55;
    return look;
}

// Solidification to austenite grains: frame 0 melt, then `growing` frames up to `last`, then
// the grains with black boundaries. Returns the frames; `c` keeps the geometry for what follows.
Frames austeniteSolidification(const Crystals& c, int growing, double first, double last)
{
    const float tEnd = c.time(1.0);
    const GrowthLook look = austeniteLook();
    std::vector<double> shares { 0.0 };
    const auto rise = risingShares(growing, first, last, 0.9);
    shares.insert(shares.end(), rise.begin(), rise.end());
    Frames frames;
    for (const float t : timesFor(c, shares))
        frames.push_back(drawFrame(
            c.grid, [&](std::size_t i, double x, double y) { return crystalShade(c, i, x, y, t, tEnd, look); }));
    GrowthLook grains = look;
    grains.core = kAustenite;
    grains.boundary = kBlack;
    grains.boundaryWidth = 0.9;
    frames.push_back(drawFrame(
        c.grid, [&](std::size_t i, double x, double y) { return crystalShade(c, i, x, y, tEnd, tEnd, grains); }));
    return frames;
}

void makeEkd06(StripSet& out)
{
    Rng rng(seedOf("FormEKD06"));
    const Crystals c(100, 100, rng, 30, austeniteRosettes());
    // Brown austenite until only thin seams of melt remain.
    Frames sch = austeniteSolidification(c, 17, 0.02, 0.93);
    const float tEnd = c.time(1.0);
    const Lamellar pearl(100, 100, rng, 22, 3.0, 0.42);
    // Ferrite along the austenite grain boundaries up to the lever rule's share at 723 °C,
    // (0.8 − 0.6) / (0.8 − 0.02) ≈ 26 %.
    const BoundaryField field = boundaryField(c, rng, 1.6);
    Frames fer { sch.back() };
    GrowthLook grains = austeniteLook();
    grains.core = kAustenite;
    grains.boundary = kBlack;
    grains.boundaryWidth = 0.9;
    for (int f = 1; f <= 7; ++f) {
        const float thr = field.thresholdFor(0.26 * std::min(f, 6) / 6.0);
        fer.push_back(drawFrame(c.grid, [&](std::size_t i, double x, double y) {
            const float d = field.d[i];
            if (d < thr)
                return kAlpha;
            if (f == 7)
                return pearl.dark(i, x, y, c.g.label[i] % static_cast<int>(pearl.nx.size())) ? kBlack : kAlpha;
            return crystalShade(c, i, x, y, tEnd, tEnd, grains);
        }));
    }
    out["FormEKD06.ImageListSchA"] = std::move(sch);
    out["FormEKD06.ImageListAFerPer"] = std::move(fer);
}

void makeEkd12(StripSet& out)
{
    Rng rng(seedOf("FormEKD12"));
    const Crystals c(100, 100, rng, 30, austeniteRosettes());
    Frames sch = austeniteSolidification(c, 18, 0.02, 0.94);
    const float tEnd = c.time(1.0);
    const Lamellar pearl(100, 100, rng, 22, 2.8, 0.4);
    const BoundaryField field = boundaryField(c, rng, 0.6);
    GrowthLook grains = austeniteLook();
    grains.core = kAustenite;
    grains.boundary = kBlack;
    grains.boundaryWidth = 0.9;
    // Secondary cementite thickening along the austenite grain boundaries.
    Frames cem { sch.back() };
    for (int f = 1; f <= 9; ++f) {
        const double half = 0.45 + 0.15 * std::min(f, 8);
        cem.push_back(drawFrame(c.grid, [&](std::size_t i, double x, double y) {
            const float d = field.d[i];
            if (d < half)
                return kCementite;
            if (d < half + 0.4)
                return kBlack;
            if (f == 9)
                return pearl.dark(i, x, y, c.g.label[i] % static_cast<int>(pearl.nx.size())) ? kPearlGrey : kAlpha;
            return crystalShade(c, i, x, y, tEnd, tEnd, grains);
        }));
    }
    out["FormEKD12.ImageListSchA"] = std::move(sch);
    out["FormEKD12.ImageListAZemPer"] = std::move(cem);
}

// Ledeburite: eutectic cementite with fine rounded islands of austenite (later pearlite),
// arranged in rows within each colony.
struct Ledeburite {
    CellMap colonies;
    std::vector<double> cs, sn;
    double spacing = 2.7;
    std::uint64_t seed;

    Ledeburite(int W, int H, Rng& rng)
        : seed(rng.next())
    {
        const auto sites = scatterSites(rng, -15, -15, W + 15, H + 15, 15, 0.3);
        colonies = cellMap(W, H, SS, sites);
        for (std::size_t k = 0; k < sites.size(); ++k) {
            const double a = rng.range(0.0, kPi);
            cs.push_back(dcos(a));
            sn.push_back(dsin(a));
        }
    }
    // Distance to the nearest island relative to its radius (below 1: inside), the islands
    // shrunk by `shrink` (0 … 1).
    double island(std::size_t i, double x, double y, double shrink) const
    {
        const int c = colonies.label[i];
        const double a = (x * cs[c] + y * sn[c]) / spacing;
        const double b = (y * cs[c] - x * sn[c]) / (0.8 * spacing);
        const double fa = std::floor(a), fb = std::floor(b);
        double best = 1e9;
        for (int j = -1; j <= 1; ++j)
            for (int k = -1; k <= 1; ++k) {
                const auto ia = static_cast<std::int64_t>(fa) + j;
                const auto ib = static_cast<std::int64_t>(fb) + k;
                const std::uint64_t cell = seed ^ (static_cast<std::uint64_t>(c) << 40);
                const double ca = ia + 0.5 + 0.6 * (hash01(ia, ib, cell) - 0.5);
                const double cb = ib + 0.5 + 0.6 * (hash01(ia, ib, cell ^ 1) - 0.5);
                const double r = (0.26 + 0.12 * hash01(ia, ib, cell ^ 2)) * (1.0 - shrink);
                // Islands drawn out a little along the colony's rows.
                const double da = (a - ca) / 1.2;
                const double db = b - cb;
                best = std::min(best, std::sqrt(da * da + db * db) / std::max(1e-6, r));
            }
        return best;
    }
};

void makeEkd30(StripSet& out)
{
    Rng rng(seedOf("FormEKD30"));
    CrystalStyle st = austeniteDendrites();
    st.branchSpacing = 6;
    st.lateral = 0.14;
    st.body = 0.25;
    const Crystals c(100, 100, rng, 34, st);
    const Ledeburite lede(100, 100, rng);
    const Lamellar pearl(100, 100, rng, 20, 2.8, 0.4);
    // Primary austenite up to (4.3 − 3.0) / (4.3 − 2.06) ≈ 58 % at the eutectic.
    const float tPrimary = c.time(0.58);
    const GrowthLook look = austeniteLook();
    std::vector<double> shares { 0.012 };
    const auto rise = risingShares(14, 0.03, 0.56, 0.9);
    shares.insert(shares.end(), rise.begin(), rise.end());
    Frames sch;
    for (const float t : timesFor(c, shares))
        sch.push_back(drawFrame(
            c.grid, [&](std::size_t i, double x, double y) { return crystalShade(c, i, x, y, t, tPrimary, look); }));
    auto ledeburite = [&](std::size_t i, double x, double y, double shrink, bool pearlite) {
        if (lede.island(i, x, y, shrink) < 1.0)
            return pearlite ? rgb8(70, 70, 70) : kAustenite;
        return kLedeMatrix;
    };
    sch.push_back(drawFrame(c.grid, [&](std::size_t i, double x, double y) {
        return crystalShade(c, i, x, y, tPrimary, tPrimary, look,
            [&](std::size_t j, double u, double v) { return ledeburite(j, u, v, 0.0, false); });
    }));

    // Secondary cementite grows as rims on the inside of the austenite crystals and the
    // islands lose some austenite to it; at 723 °C the austenite turns into pearlite.
    Frames per { sch.back() };
    const auto depth = depthInside(c, tPrimary);
    for (int f = 1; f <= 9; ++f) {
        // About a fifth of the primary austenite's volume, (2.06 − 0.8) / (6.67 − 0.8).
        const double rim = 0.8 + 0.15 * std::min(f, 8);
        const double shrink = 0.025 * std::min(f, 8);
        per.push_back(drawFrame(c.grid, [&](std::size_t i, double x, double y) {
            if (!c.solid(i, tPrimary))
                return ledeburite(i, x, y, shrink, f == 9);
            const double behind = depth[i];
            if (behind < 0.5)
                return f == 9 ? rgb8(60, 60, 60) : kAusLine;
            if (behind < 0.5 + rim)
                return kCementite;
            if (f == 9)
                return pearl.dark(i, x, y) ? kPearlGrey : kAlpha;
            return mix(look.core, look.crystal, smoothstep(0.0, 1.0, c.growth(i, tPrimary)));
        }));
    }
    out["FormEKD30.ImageListSchAuLede"] = std::move(sch);
    out["FormEKD30.ImageListLedePer"] = std::move(per);
}

// The three schematic micrographs of the metastable diagram: austenite with annealing twins,
// polygonal ferrite, lamellar pearlite; black on white.
void makeMetastable(StripSet& out)
{
    Rng rng(seedOf("FORMEKDMETASTABIL.ImageList1"));
    const Grid g(140, 140);
    Frames frames;
    {
        const auto sites = scatterSites(rng, -30, -30, 170, 170, 38, 0.3);
        const Noise wn(rng.next());
        const CellMap m = cellMap(140, 140, SS, sites, { &wn, 2.0, 40.0 });
        struct Twin {
            double nx, ny, d0, width;
            bool present, second;
            double d1;
        };
        std::vector<Twin> twins;
        for (const Site& s : sites) {
            Twin t {};
            const double a = rng.range(0.0, kPi);
            t.nx = dcos(a);
            t.ny = dsin(a);
            t.present = rng.chance(0.7);
            t.d0 = s.x * t.nx + s.y * t.ny + rng.range(-0.35, 0.35) * s.radius;
            t.width = rng.range(3.0, 7.0);
            t.second = rng.chance(0.3);
            t.d1 = t.d0 + rng.range(0.5, 0.9) * s.radius * (rng.chance(0.5) ? 1 : -1);
            twins.push_back(t);
        }
        frames.push_back(drawFrame(g, [&](std::size_t i, double x, double y) {
            if (m.edge[i] < 0.6)
                return kBlack;
            const Twin& t = twins[m.label[i]];
            if (t.present) {
                const double s = x * t.nx + y * t.ny;
                for (const double d : { t.d0, t.d0 + t.width })
                    if (std::abs(s - d) < 0.5)
                        return kBlack;
                if (t.second)
                    for (const double d : { t.d1, t.d1 + 0.6 * t.width })
                        if (std::abs(s - d) < 0.5)
                            return kBlack;
            }
            return kAlpha;
        }));
    }
    {
        const auto sites = scatterSites(rng, -30, -30, 170, 170, 32, 0.35);
        const Noise wn(rng.next());
        const CellMap m = cellMap(140, 140, SS, sites, { &wn, 1.2, 30.0 });
        frames.push_back(
            drawFrame(g, [&](std::size_t i, double, double) { return m.edge[i] < 0.6 ? kBlack : kAlpha; }));
    }
    {
        const Lamellar lam(140, 140, rng, 40, 4.2, 0.42);
        frames.push_back(drawFrame(g, [&](std::size_t i, double x, double y) {
            if (lam.colonies.edge[i] < 0.5)
                return kBlack;
            return lam.dark(i, x, y) ? kBlack : kAlpha;
        }));
    }
    out["FORMEKDMETASTABIL.ImageList1"] = std::move(frames);
}

// ---------------------------------------------------------------------------------------------
// Heat treatment: ferrite and pearlite turning into austenite on heating, and what the
// austenite turns into on cooling.

struct FerritePearlite {
    Grid grid;
    CellMap cells;
    std::vector<char> pearlite; // per cell
    std::vector<double> nx, ny, phase;
    double spacing = 3.0;

    FerritePearlite(Rng& rng, int W, int H, double grain, double share)
        : grid(W, H)
    {
        const double m = 1.5 * grain;
        const auto sites = scatterSites(rng, -m, -m, W + m, H + m, grain, 0.3);
        const Noise wn(rng.next());
        cells = cellMap(W, H, SS, sites, { &wn, 1.5, grain });
        const auto area = cellAreas(cells, static_cast<int>(sites.size()));
        // Pearlite cells chosen by a smooth random score until their area reaches the share,
        // so that pearlite clusters a little, as it does between ferrite grains.
        const Noise score(rng.next());
        std::vector<std::pair<double, int>> order;
        for (std::size_t k = 0; k < sites.size(); ++k)
            if (area[k] > 0)
                order.emplace_back(
                    0.6 * score.value(sites[k].x / 40.0, sites[k].y / 40.0) + rng.uniform(), static_cast<int>(k));
        std::sort(order.begin(), order.end(),
            [](auto& a, auto& b) { return a.first > b.first || (a.first == b.first && a.second < b.second); });
        pearlite.assign(sites.size(), 0);
        double sum = 0;
        const double total = static_cast<double>(W) * H;
        for (const auto& [s, k] : order) {
            if (sum >= share * total)
                break;
            pearlite[k] = 1;
            sum += area[k];
        }
        for (std::size_t k = 0; k < sites.size(); ++k) {
            const double a = rng.range(0.0, kPi);
            nx.push_back(dcos(a));
            ny.push_back(dsin(a));
            phase.push_back(rng.uniform());
        }
    }
    bool isPearlite(std::size_t i) const { return pearlite[cells.label[i]] != 0; }
    bool lamellaDark(std::size_t i, double x, double y) const
    {
        const int c = cells.label[i];
        const double u = (x * nx[c] + y * ny[c]) / spacing + phase[c];
        return u - std::floor(u) < 0.42;
    }
    Col shade(std::size_t i, double x, double y) const
    {
        if (cells.edge[i] < 0.45)
            return kBlack;
        if (isPearlite(i))
            return lamellaDark(i, x, y) ? kBlack : kAlpha;
        return kAlpha;
    }
};

// A grid front with grain labels, for phases that grow and meet.
struct Front {
    const Grid* grid;
    FrontMap map;
    float timeFor(double share) const
    {
        if (share >= 1.0)
            return *std::max_element(map.t.begin(), map.t.end()) + 1.0f;
        return quantile(map.t, share);
    }
    bool reached(std::size_t i, float t) const { return map.t[i] <= t; }
    // On a boundary with another grain of the same phase (both reached), or at the front.
    bool boundary(std::size_t i, float t) const
    {
        const int x = static_cast<int>(i % grid->w), y = static_cast<int>(i / grid->w);
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const int nx = x + dx, ny = y + dy;
                if (nx < 0 || ny < 0 || nx >= grid->w || ny >= grid->h)
                    continue;
                const std::size_t j = static_cast<std::size_t>(ny) * grid->w + nx;
                if (!reached(j, t) || map.label[j] != map.label[i])
                    return true;
            }
        return false;
    }
};

// Austenite forming on heating: it starts in the pearlite, at the ferrite–cementite
// interfaces, and runs through it quickly, then grows slowly into the ferrite.
Front austenitise(Rng& rng, const FerritePearlite& fp, int ferriteNuclei)
{
    const Grid& g = fp.grid;
    const Noise n(rng.next());
    std::vector<float> slowness(g.size());
    std::vector<std::vector<std::size_t>> byCell(fp.pearlite.size());
    for (std::size_t i = 0; i < g.size(); ++i) {
        const double rough = 1.0 + 0.35 * n.fbm(g.x(i) / 8.0, g.y(i) / 8.0, 2);
        slowness[i] = static_cast<float>((fp.isPearlite(i) ? 0.25 : 1.0) * rough);
        byCell[fp.cells.label[i]].push_back(i);
    }
    std::vector<Source> sources;
    int label = 0;
    for (std::size_t c = 0; c < byCell.size(); ++c) {
        if (!fp.pearlite[c] || byCell[c].empty())
            continue;
        for (int k = 0; k < 2; ++k) {
            const std::size_t i
                = byCell[c][static_cast<std::size_t>(rng.uniform() * static_cast<double>(byCell[c].size()))];
            sources.push_back({ static_cast<int>(i % g.w), static_cast<int>(i / g.w),
                static_cast<float>(rng.range(0.0, 6.0)), label++ });
        }
    }
    for (int k = 0; k < ferriteNuclei; ++k) {
        // Later nuclei on ferrite grain boundaries.
        for (int tries = 0; tries < 50; ++tries) {
            const std::size_t i = static_cast<std::size_t>(rng.uniform() * static_cast<double>(g.size()));
            if (!fp.isPearlite(i) && fp.cells.edge[i] < 0.5) {
                sources.push_back({ static_cast<int>(i % g.w), static_cast<int>(i / g.w),
                    static_cast<float>(rng.range(10.0, 30.0)), label++ });
                break;
            }
        }
    }
    Front f { &g, spreadFront(g.w, g.h, sources, slowness) };
    return f;
}

// Carbide left over in fresh austenite where the pearlite was: small dark particles in rows.
struct Carbides {
    std::vector<std::pair<double, double>> dots;
    std::vector<double> radius;
    Carbides(Rng& rng, const FerritePearlite& fp)
    {
        for (double y = 1.0; y < fp.grid.H; y += 3.2)
            for (double x = 1.0; x < fp.grid.W; x += 3.2) {
                const double px = x + rng.range(-1.2, 1.2), py = y + rng.range(-1.2, 1.2);
                const auto i = static_cast<std::size_t>(static_cast<int>(py * SS)) * fp.grid.w
                    + static_cast<std::size_t>(px * SS);
                if (i < fp.grid.size() && fp.isPearlite(i) && rng.chance(0.55)) {
                    dots.emplace_back(px, py);
                    radius.push_back(rng.range(0.55, 0.95));
                }
            }
    }
    bool at(double x, double y) const
    {
        for (std::size_t k = 0; k < dots.size(); ++k) {
            const double dx = x - dots[k].first, dy = y - dots[k].second;
            if (dx * dx + dy * dy < radius[k] * radius[k])
                return true;
        }
        return false;
    }
};

Col austeniteShade(const Front& a, std::size_t i, float t)
{
    if (a.boundary(i, t))
        return kRedAusLine;
    // A slightly different red per grain.
    return kRedAus * static_cast<float>(0.94 + 0.1 * hash01(static_cast<std::uint64_t>(a.map.label[i]), 99));
}

// Frames of austenite growing into ferrite and pearlite at the given austenite shares.
Frames heatingFrames(const FerritePearlite& fp, const Front& a, const std::vector<double>& shares,
    const Carbides* carbides, const std::vector<bool>& withCarbide)
{
    Frames frames;
    for (std::size_t k = 0; k < shares.size(); ++k) {
        const float t = a.timeFor(shares[k]);
        const bool dots = carbides && withCarbide[k];
        frames.push_back(drawFrame(fp.grid, [&](std::size_t i, double x, double y) {
            if (shares[k] <= 0.0 || !a.reached(i, t))
                return fp.shade(i, x, y);
            if (dots && fp.isPearlite(i) && carbides->at(x, y))
                return rgb8(40, 36, 36);
            return austeniteShade(a, i, t);
        }));
    }
    return frames;
}

// Martensite needles in the austenite grains, and their tempering.
struct Needles {
    std::vector<Plate> plates;
    std::vector<float> cover; // per sample: 1 on a needle
    std::vector<float> along; // position along the needle, for breaking it up
    std::vector<int> plateOf;
};

Needles growNeedles(Rng& rng, const FerritePearlite& fp, const Front& a)
{
    const Grid& g = fp.grid;
    std::vector<int> grainOf(static_cast<std::size_t>(g.W) * g.H);
    int count = 0;
    for (int y = 0; y < g.H; ++y)
        for (int x = 0; x < g.W; ++x) {
            const int l = a.map.label[static_cast<std::size_t>(y * SS + 1) * g.w + x * SS + 1];
            grainOf[static_cast<std::size_t>(y) * g.W + x] = l;
            count = std::max(count, l + 1);
        }
    MartensiteParams p;
    p.maxLength = 24;
    p.minLength = 4;
    p.widthRatio = 0.04;
    p.minHalfWidth = 0.45;
    p.maxHalfWidth = 0.95;
    p.coverage = 0.45;
    p.variants = 3;
    Needles n;
    n.plates = growPlates(g.W, g.H, grainOf, count, rng, p);
    n.cover.assign(g.size(), 0.0f);
    n.along.assign(g.size(), 0.0f);
    n.plateOf.assign(g.size(), -1);
    for (std::size_t k = 0; k < n.plates.size(); ++k) {
        const Plate& pl = n.plates[k];
        const double reach = pl.half + pl.halfWidth + 1.0;
        const int x0 = std::max(0, static_cast<int>((pl.x - reach) * SS)),
                  x1 = std::min(g.w - 1, static_cast<int>((pl.x + reach) * SS));
        const int y0 = std::max(0, static_cast<int>((pl.y - reach) * SS)),
                  y1 = std::min(g.h - 1, static_cast<int>((pl.y + reach) * SS));
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) {
                const std::size_t i = static_cast<std::size_t>(y) * g.w + x;
                const double px = (x + 0.5) / SS, py = (y + 0.5) / SS;
                if (plateCoverage(pl, px, py, 1.0 / SS) > 0.5) {
                    n.cover[i] = 1.0f;
                    n.along[i] = static_cast<float>((px - pl.x) * pl.ux + (py - pl.y) * pl.uy);
                    n.plateOf[i] = static_cast<int>(k);
                }
            }
    }
    return n;
}

// Martensite tempered to `stage` (0 as quenched … 1 fully tempered): the needles fade and
// break up while carbides come out of them as dots that grow coarser and fewer.
Rgba temperedFrame(const FerritePearlite& fp, const Front& a, const Needles& n, double stage, std::uint64_t seed)
{
    const float tAll = a.timeFor(1.0);
    // Carbide sites strung along the needles, each with a rank that decides when it shows.
    struct Dot {
        double x, y, rank;
    };
    std::vector<Dot> dots;
    for (std::size_t k = 0; k < n.plates.size(); ++k) {
        const Plate& pl = n.plates[k];
        for (double s = -pl.half; s <= pl.half; s += 1.7) {
            const double j = hash01(k * 1000 + static_cast<std::uint64_t>(s * 10 + 5000), seed) - 0.5;
            dots.push_back({ pl.x + pl.ux * s - pl.uy * j * pl.halfWidth, pl.y + pl.uy * s + pl.ux * j * pl.halfWidth,
                hash01(k * 1000 + static_cast<std::uint64_t>(s * 10 + 5000), seed ^ 3) });
        }
    }
    // More dots as the carbon comes out, then fewer but larger as they coarsen.
    const double shown = std::min(1.0, 3.0 * stage) * (1.0 - 0.8 * stage);
    const double radius = 0.35 + 0.6 * stage;
    std::vector<unsigned char> dotMask(fp.grid.size(), 0);
    for (const Dot& d : dots) {
        if (d.rank >= shown)
            continue;
        const int x0 = std::max(0, static_cast<int>((d.x - radius - 1) * SS)),
                  x1 = std::min(fp.grid.w - 1, static_cast<int>((d.x + radius + 1) * SS));
        const int y0 = std::max(0, static_cast<int>((d.y - radius - 1) * SS)),
                  y1 = std::min(fp.grid.h - 1, static_cast<int>((d.y + radius + 1) * SS));
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) {
                const double dx = (x + 0.5) / SS - d.x, dy = (y + 0.5) / SS - d.y;
                if (dx * dx + dy * dy <= radius * radius)
                    dotMask[static_cast<std::size_t>(y) * fp.grid.w + x] = 1;
            }
    }
    const Col ground = mix(kGround, kAlpha, stage);
    const Col needle = mix(kNeedle, ground, 0.65 * stage);
    const Col dot = mix(rgb8(40, 40, 44), rgb8(80, 80, 84), stage);
    const Col priorLine = rgb8(190, 186, 182);
    return drawFrame(fp.grid, [&](std::size_t i, double, double) {
        if (dotMask[i])
            return dot;
        if (n.cover[i] > 0) {
            // Pieces of the needle dissolve as tempering goes on.
            const double piece = hash01(
                static_cast<std::uint64_t>(n.plateOf[i]) * 4096 + static_cast<std::uint64_t>(n.along[i] / 1.6 + 2048),
                seed ^ 7);
            if (piece >= 1.1 * stage)
                return needle;
        }
        if (a.boundary(i, tAll))
            return priorLine;
        return ground;
    });
}

// Ferrite forming again on cooling, first along the austenite grain boundaries.
Front ferriteFromBoundaries(Rng& rng, const Grid& g, const Front& a)
{
    const float tAll = a.timeFor(1.0);
    const Noise n(rng.next());
    std::vector<float> slowness(g.size());
    std::vector<Source> sources;
    int label = 0;
    for (std::size_t i = 0; i < g.size(); ++i) {
        const bool onBoundary = a.boundary(i, tAll);
        slowness[i] = static_cast<float>((onBoundary ? 0.4 : 1.0) * (1.0 + 0.4 * n.fbm(g.x(i) / 7.0, g.y(i) / 7.0, 2)));
        if (onBoundary && rng.chance(0.012))
            sources.push_back({ static_cast<int>(i % g.w), static_cast<int>(i / g.w),
                static_cast<float>(rng.range(0.0, 8.0)), label++ });
    }
    return Front { &g, spreadFront(g.w, g.h, sources, slowness) };
}

void makeHeatTreatment(StripSet& out)
{
    Rng rng(seedOf("heat treatment"));
    const FerritePearlite fp(rng, 100, 100, 24, 0.55);
    const Front a = austenitise(rng, fp, 14);
    // 0 ferrite–pearlite; 1 … 10 austenite spreading, first through the pearlite; 11 all austenite.
    const std::vector<double> shares { 0.0, 0.08, 0.17, 0.27, 0.37, 0.47, 0.56, 0.66, 0.76, 0.86, 0.94, 1.0 };
    const Frames heating = heatingFrames(fp, a, shares, nullptr, std::vector<bool>(shares.size(), false));

    const Needles needles = growNeedles(rng, fp, a);
    const std::uint64_t temperSeed = rng.next();
    Frames hardening = heating;
    hardening.push_back(temperedFrame(fp, a, needles, 0.0, temperSeed));
    Frames tempering = hardening;
    for (int s = 1; s <= 7; ++s)
        tempering.push_back(temperedFrame(fp, a, needles, s / 7.0, temperSeed));

    // Normalising: ferrite along the austenite boundaries, then pearlite in the rest; finer
    // than the start because the austenite grains were.
    const Front fer = ferriteFromBoundaries(rng, fp.grid, a);
    const float tAll = a.timeFor(1.0);
    const Lamellar pearl(100, 100, rng, 14, 2.5, 0.42);
    Frames normalising = heating;
    for (int f = 12; f <= 19; ++f) {
        const double share = f == 19 ? 0.45 : 0.05 + 0.058 * (f - 12);
        const float t = fer.timeFor(share);
        normalising.push_back(drawFrame(fp.grid, [&](std::size_t i, double x, double y) {
            if (fer.reached(i, t))
                return fer.boundary(i, t) ? kBlack : kAlpha;
            if (f == 19)
                return pearl.dark(i, x, y, a.map.label[i] % static_cast<int>(pearl.nx.size())) ? kBlack : kAlpha;
            return austeniteShade(a, i, tAll);
        }));
    }
    out["FormNormal.ImageListGef"] = std::move(normalising);
    out["FormHaerten.ImageListGef"] = std::move(hardening);
    out["FormVergueten.ImageListGef"] = std::move(tempering);
}

// The austenitising diagrams: 0.45 % C continuous and isothermal, 0.70 % C continuous.
void makeAustenitising(StripSet& out)
{
    {
        Rng rng(seedOf("FormZTAcon045.ImageListGef"));
        const FerritePearlite fp(rng, 100, 100, 20, 0.55);
        const Front a = austenitise(rng, fp, 12);
        const Carbides carb(rng, fp);
        // Frame 1: the pearlite has become austenite with carbide left in it, the ferrite not yet.
        const double pearliteDone = 0.58;
        out["FormZTAcon045.ImageListGef"]
            = heatingFrames(fp, a, { 0.0, pearliteDone, 1.0 }, &carb, { false, true, false });
    }
    {
        Rng rng(seedOf("FormZTAiso045.ImageListGef"));
        const FerritePearlite fp(rng, 100, 100, 20, 0.55);
        const Front a = austenitise(rng, fp, 12);
        const Carbides carb(rng, fp);
        out["FormZTAiso045.ImageListGef"]
            = heatingFrames(fp, a, { 0.0, 0.58, 0.8, 1.0 }, &carb, { false, true, false, false });
    }
    {
        Rng rng(seedOf("FormZTAcon07.ImageListGef"));
        const FerritePearlite fp(rng, 100, 100, 20, 0.9);
        const Front a = austenitise(rng, fp, 4);
        const Carbides carb(rng, fp);
        // Frame 0: ferrite and pearlite; 1: the pearlite has become austenite with carbide left in
        // it, a little ferrite not yet; 2: austenite with the last carbide; 3: austenite.
        const double pearliteDone = 0.96;
        out["FormZTAcon07.ImageListGef"]
            = heatingFrames(fp, a, { 0.0, pearliteDone, 1.0, 1.0 }, &carb, { false, true, true, false });
    }
}

} // namespace

const std::vector<StripFamily>& stripFamilies()
{
    static const std::vector<StripFamily> families {
        { "type 1", makeType1 },
        { "type 2", makeType2 },
        { "type 3", makeType3 },
        { "type 4", makeType4 },
        { "0.6 % C", makeEkd06 },
        { "1.2 % C", makeEkd12 },
        { "3.0 % C", makeEkd30 },
        { "metastable", makeMetastable },
        { "heat treatment", makeHeatTreatment },
        { "austenitising", makeAustenitising },
    };
    return families;
}

} // namespace picgen
