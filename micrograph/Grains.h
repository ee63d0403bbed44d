// Grain geometry: well-spaced random sites, their (power-weighted, wobbled) cell network with the
// distance of every sample to the nearest boundary, crystals growing from nuclei in a melt, and
// fronts spreading through a structure at locally different speeds.
#pragma once

#include "Det.h"
#include "Noise.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace wb::micrograph {

struct Site {
    double x = 0;
    double y = 0;
    double radius = 0; // a larger radius gives a larger cell
};

// About (x1 − x0)(y1 − y0) / spacing² sites, spread by best-candidate sampling so that no two
// crowd each other; radii vary log-normally by `spread` (0: all the same).
std::vector<Site> scatterSites(Rng& rng, double x0, double y0, double x1, double y1, double spacing, double spread);

// A smooth displacement of the sampling point, so that boundaries bend slightly.
struct Warp {
    const Noise* noise = nullptr;
    double amplitude = 0; // pixels
    double wavelength = 1; // pixels
};

// The cells of a set of sites sampled on a grid of `scale` samples per pixel. For every sample:
// the site it belongs to, the site across its nearest boundary and the distance to that boundary
// in pixels.
struct CellMap {
    int w = 0;
    int h = 0;
    double scale = 1;
    std::vector<int> label;
    std::vector<int> other;
    std::vector<float> edge;

    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * w + x; }
    int labelAt(int x, int y) const { return label[index(x, y)]; }
    float edgeAt(int x, int y) const { return edge[index(x, y)]; }
};

// Samples of a picture of width × height pixels: sample (i, j) stands for the point
// ((i + 0.5) / scale, (j + 0.5) / scale).
// Samples where `only` (if given, one flag per sample) is 0 are left at label 0, edge 0.
CellMap cellMap(int width, int height, double scale, const std::vector<Site>& sites, const Warp& warp = {},
    const std::vector<unsigned char>* only = nullptr);

// Pixel area of every cell inside the picture.
std::vector<double> cellAreas(const CellMap& map, int siteCount);

// A crystal growing in a melt from (x, y), starting at time t0; its arms (4 or 6) grow faster
// than the faces between them by up to `aniso`.
struct Nucleus {
    double x = 0;
    double y = 0;
    double t0 = 0;
    double speed = 1; // pixels per unit time along an arm
    int arms = 4;
    double aniso = 0; // 0: round
    double sharpness = 2; // higher: narrower arms
    double phase = 0; // direction of the first arm, radians
    // Dendrites: needle-like arms that thicken behind their tips and put out side branches
    // every `branchSpacing` pixels, round a slower-growing body.
    bool dendrite = false;
    double lateral = 0.35; // sideways growth speed of an arm, relative to its tip
    double branchSpacing = 6;
    double branchBoost = 1.5; // how much faster a side branch grows sideways
    double body = 0.5; // growth speed of the round body, relative to the tips
};

// When the solid reaches each sample, which crystal gets there first, when the second one
// would, and how fast the time rises per pixel for each of them (to draw lines of a set width).
struct GrowthMap {
    int w = 0;
    int h = 0;
    double scale = 1;
    std::vector<float> t1;
    std::vector<float> t2;
    std::vector<int> label;
    std::vector<float> slope1;
    std::vector<float> slope2;

    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * w + x; }
    // The time by which the share `f` of the samples is solid.
    float timeForShare(double f) const;
};

// Johnson–Mehl growth: every sample goes to the crystal that reaches it first. `roughness`
// makes the fronts slightly uneven.
GrowthMap growCrystals(
    int width, int height, double scale, const std::vector<Nucleus>& nuclei, const Noise& noise, double roughness);

// A front spreading from sources over the samples of a grid; slowness is the time to cross one
// sample. Returns the arrival time and the source that arrived first.
struct Source {
    int x = 0;
    int y = 0;
    float t0 = 0;
    int label = 0;
};

struct FrontMap {
    int w = 0;
    int h = 0;
    std::vector<float> t;
    std::vector<int> label;
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * w + x; }
};

FrontMap spreadFront(int w, int h, const std::vector<Source>& sources, const std::vector<float>& slowness);

} // namespace wb::micrograph
