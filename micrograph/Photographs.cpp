#include "Photographs.h"

#include "Noise.h"

#include <algorithm>

namespace wb::micrograph {

const Palette kNital { {
    { 0.00, rgb8(30, 18, 12) },
    { 0.30, rgb8(92, 58, 38) },
    { 0.60, rgb8(172, 132, 94) },
    { 0.85, rgb8(224, 205, 170) },
    { 1.00, rgb8(248, 240, 222) },
} };

// Softer than the etch of the lessons' photographs, so that it does not fight with the menu in
// front of it.
const Palette kBackdrop { {
    { 0.00, rgb8(62, 40, 30) },
    { 0.35, rgb8(122, 86, 60) },
    { 0.65, rgb8(190, 156, 118) },
    { 1.00, rgb8(240, 228, 204) },
} };

Rgba colourise(const Gray& g, const Palette& palette)
{
    Rgba out(g.w, g.h);
    for (size_t i = 0; i < g.v.size(); ++i)
        out.c[i] = palette(g.v[i]);
    return out;
}

Gray ironMicrograph(int w, int h, Rng& rng)
{
    FerritePearliteParams p;
    p.grain = 58;
    p.prior = 150;
    p.grainSpread = 0.35;
    p.pearlite = 0.0;
    p.boundaryWidth = 1.5;
    p.boundaryDepth = 0.6;
    p.ferrite = 0.78;
    p.ferriteSpread = 0.08;
    p.scale = 1;
    Gray g = ferritePearlite(w, h, rng, p);
    Finish f;
    f.specks = 6;
    f.blur = 0.6;
    finishMicrograph(g, rng, f);
    return g;
}

Gray steelMicrograph(int w, int h, double carbon, Rng& rng)
{
    FerritePearliteParams p;
    p.grain = 15;
    p.prior = 38;
    p.grainSpread = 0.3;
    // At 0.8 % C a few films of ferrite remain along former grain boundaries.
    p.pearlite = std::min(0.97, carbon / 0.8);
    p.lamellaMin = 1.1;
    p.lamellaMax = 3.2;
    p.boundaryWidth = 0.9;
    p.boundaryDepth = 0.55;
    p.ferrite = 0.80;
    p.ferriteSpread = 0.035;
    p.pearliteDark = 0.05;
    p.pearliteLight = 0.34;
    p.cementiteShare = 0.5;
    p.colonySpread = 0.05;
    p.scale = 1;
    Gray g = ferritePearlite(w, h, rng, p);
    Finish f;
    f.blur = 0.55;
    f.specks = 5;
    finishMicrograph(g, rng, f);
    return g;
}

Gray normalisedC45(int w, int h, double grain, Rng& rng, double scale)
{
    FerritePearliteParams p;
    p.grain = grain;
    p.prior = 2.5 * grain;
    p.grainSpread = 0.3;
    p.pearlite = 0.55; // (0.45 − 0.02) / (0.8 − 0.02)
    p.lamellaMin = grain / 25.0;
    p.lamellaMax = grain / 7.0;
    p.boundaryWidth = std::clamp(grain / 30.0, 0.8, 1.6);
    p.boundaryDepth = 0.55;
    p.ferrite = 0.86;
    p.ferriteSpread = 0.04;
    p.pearliteDark = 0.05;
    p.pearliteLight = 0.42;
    p.cementiteShare = 0.45;
    p.colonySpread = 0.07;
    p.scale = scale;
    return ferritePearlite(w, h, rng, p);
}

Gray hardenedC45(int w, int h, double prior, Rng& rng, MartensiteLayout* keep)
{
    MartensiteParams mp;
    mp.prior = prior;
    mp.maxLength = 0.55 * prior;
    mp.minLength = 2.5;
    mp.widthRatio = 0.04;
    mp.minHalfWidth = 0.45;
    mp.maxHalfWidth = 1.6;
    mp.coverage = 0.96;
    mp.variants = 4;
    const MartensiteLayout layout = growMartensite(w, h, rng, mp);
    MartensiteLook look;
    const Gray g = renderMartensite(w, h, layout, look, rng.next());
    if (keep)
        *keep = layout;
    return g;
}

// Tempered martensite: the plates lose their contrast and the carbon comes out as a fine
// dispersion of carbides along the former plate boundaries and inside the plates.
Gray temperedC45(int w, int h, double prior, Rng& rng)
{
    MartensiteLayout layout;
    Gray base = hardenedC45(w, h, prior, rng, &layout);
    gaussianBlur(base, 1.1);
    Gray carbides(w, h, 0.0f);
    auto stamp = [&](double x, double y, double r, double depth) {
        for (int j = static_cast<int>(y - r - 1); j <= static_cast<int>(y + r + 1); ++j)
            for (int i = static_cast<int>(x - r - 1); i <= static_cast<int>(x + r + 1); ++i) {
                if (i < 0 || j < 0 || i >= w || j >= h)
                    continue;
                const double dx = i + 0.5 - x;
                const double dy = j + 0.5 - y;
                const double cov = clamp01(r - std::sqrt(dx * dx + dy * dy) + 0.5);
                float& c = carbides.at(i, j);
                c = std::max(c, static_cast<float>(depth * cov));
            }
    };
    for (const Plate& pl : layout.plates) {
        // Carbides strung along both flanks of the plate.
        for (double a = -pl.half; a <= pl.half; a += rng.range(2.0, 3.5)) {
            const double t = a / pl.half;
            const double hw = pl.halfWidth * (1.0 - t * t * t * t);
            const double side = rng.chance(0.5) ? 1.0 : -1.0;
            const double x = pl.x + pl.ux * a - pl.uy * hw * side;
            const double y = pl.y + pl.uy * a + pl.ux * hw * side;
            stamp(x, y, rng.range(0.4, 0.9), rng.range(0.35, 0.6));
        }
    }
    const int scattered = w * h / 40;
    for (int k = 0; k < scattered; ++k)
        stamp(rng.range(0, w), rng.range(0, h), rng.range(0.3, 0.7), rng.range(0.25, 0.5));
    const Noise mottle(rng.next());
    Gray out(w, h);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            const double v = 0.42 + 0.55 * (base.at(i, j) - 0.5) + 0.05 * mottle.fbm(i / 5.0, j / 5.0, 3);
            out.at(i, j) = static_cast<float>(v * (1.0 - carbides.at(i, j)));
        }
    return out;
}

Rgba finishInColour(Gray g, Rng& rng, const Finish& f, const Palette& palette)
{
    finishMicrograph(g, rng, f);
    return colourise(g, palette);
}

} // namespace wb::micrograph
