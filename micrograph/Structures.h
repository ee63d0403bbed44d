// Microstructures as grey reflectance maps (0 black … 1 white), the way a light microscope sees
// an etched section: ferrite grains with their boundaries, pearlite colonies of lamellae,
// martensite plates, and the finish of a photograph (uneven lighting, optics, specks).
#pragma once

#include "Det.h"
#include "Grains.h"
#include "Raster.h"

#include <vector>

namespace wb::micrograph {

// Ferrite and pearlite after slow cooling: ferrite forms first along the boundaries of the
// former austenite grains, pearlite fills what is left, so a low share makes islands in the
// middle of the former grains and a high share leaves a thin ferrite network.
struct FerritePearliteParams {
    double grain = 30; // mean ferrite grain spacing, px
    double prior = 80; // mean former austenite grain spacing, px
    double grainSpread = 0.3; // log-normal spread of the grain sizes
    double pearlite = 0.5; // area share of pearlite
    double lamellaMin = 2.5; // lamella spacing range, px
    double lamellaMax = 6;
    double boundaryWidth = 1.0; // mean width of an etched grain boundary, px
    double boundaryDepth = 0.55; // how much a boundary darkens the grain
    double ferrite = 0.82; // reflectance of ferrite
    double ferriteSpread = 0.05; // grain-to-grain variation of the etch
    double pearliteDark = 0.10; // cementite lamellae (with their etched flanks)
    double pearliteLight = 0.50; // ferrite between the lamellae
    double cementiteShare = 0.4; // apparent width of a dark lamella per spacing
    double colonySpread = 0.06; // colony-to-colony variation of the pearlite tone
    double scale = 1; // samples per pixel
};

// The ferrite–pearlite structure.
Gray ferritePearlite(int w, int h, Rng& rng, const FerritePearliteParams& p);

// Martensite: lens-shaped plates in a few orientations per former austenite grain; each plate
// grows across its grain until it meets the grain boundary or an earlier plate, so the first
// plates span the grain and later ones fill the gaps between them.
struct Plate {
    double x = 0; // centre
    double y = 0;
    double ux = 1; // unit direction
    double uy = 0;
    double half = 1; // half length
    double halfWidth = 0.5;
    int grain = 0;
    int variant = 0;
};

struct MartensiteParams {
    double prior = 70; // former austenite grain spacing, px
    double maxLength = 60;
    double minLength = 4;
    double widthRatio = 0.05; // half width per length
    double minHalfWidth = 0.5;
    double maxHalfWidth = 2.5;
    double coverage = 0.9; // stop when this share is covered
    int variants = 4; // plate orientations per grain
};

struct MartensiteLayout {
    CellMap grains; // former austenite grains at 1 sample per pixel
    std::vector<Plate> plates;
};

MartensiteLayout growMartensite(int w, int h, Rng& rng, const MartensiteParams& p);

// The plates alone, in grains given per pixel (grainOf: w × h grain numbers below grainCount).
std::vector<Plate> growPlates(
    int w, int h, const std::vector<int>& grainOf, int grainCount, Rng& rng, const MartensiteParams& p);

// Coverage of plate `pl` at point (x, y), 0 … 1, anti-aliased over `aa` pixels; `rim` gets how
// close the point is to the plate's outline (1 on it).
double plateCoverage(const Plate& pl, double x, double y, double aa, double* rim = nullptr);

// Grey map of etched martensite: plates in tones by variant, dark plate outlines, a mid-grey
// remainder between them.
struct MartensiteLook {
    double ground = 0.52;
    double tones[4] = { 0.24, 0.58, 0.38, 0.66 };
    double toneSpread = 0.06;
    double grainSpread = 0.06;
    double rimDepth = 0.25;
    double priorBoundary = 0.15; // darkening along the former austenite grain boundaries
};
Gray renderMartensite(int w, int h, const MartensiteLayout& layout, const MartensiteLook& look, std::uint64_t seed);

// The photograph: uneven illumination and vignetting, optical softness, sensor grain, a few
// non-metallic inclusions and faint polishing scratches.
struct Finish {
    double vignette = 0.10;
    double unevenness = 0.04;
    double blur = 0.7;
    double grain = 0.012;
    int specks = 8;
    int scratches = 2;
    double scratchDepth = 0.05;
};
void finishMicrograph(Gray& g, Rng& rng, const Finish& f);

// A tone curve through control points (grey value → colour), for the etched colours of a
// micrograph.
struct Palette {
    struct Stop {
        double at;
        Col colour;
    };
    std::vector<Stop> stops;
    Col operator()(double v) const;
};

} // namespace wb::micrograph
