// Micrographs synthesised while the program runs: a picture of any size and device ratio from a
// list of constituents with their area shares, the same pixels for the same inputs, changing
// little when a share changes a little.
#pragma once

#include <QImage>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace wb::micrograph {

// What a student sees in the micrograph. Each has a look of its own, in the tones of an etched
// section (ferrite light, pearlite dark and lamellar, cementite white), the melt glowing red as
// in the lessons.
enum class Constituent : std::uint8_t {
    // Binary phase diagrams.
    Melt,
    PrimaryA, // primary crystals of pure A (light)
    PrimaryB, // primary crystals of pure B (dark)
    PrimaryAlpha, // primary α solid solution crystals (light, cored)
    PrimaryBeta, // primary β solid solution crystals (darker, cored)
    SolidSolution, // grains of a single solid solution
    EutecticAB, // lamellar eutectic of A and B
    EutecticAlphaBeta, // lamellar eutectic of α and β
    PeritecticBeta, // β formed by the peritectic reaction, a rim round the α
    // Iron–carbon.
    Austenite, // grains with annealing twins
    DeltaFerrite,
    Ferrite, // pro-eutectoid ferrite grains
    Pearlite, // colonies of lamellae
    SecondaryCementite, // a network along the former austenite grain boundaries
    TertiaryCementite, // films along the ferrite grain boundaries
    PrimaryCementite, // long needles
    Ledeburite, // cementite with austenite islands (above 723 °C)
    TransformedLedeburite, // cementite with pearlite islands (below 723 °C)
    Graphite, // flakes
    // Continuous cooling.
    Bainite,
    Martensite, // needles
    RetainedAustenite, // light islands between the martensite needles
};
inline constexpr int kConstituentCount = 22;

// The constituent's name in code (for messages and tests), e.g. "SecondaryCementite".
std::string_view constituentName(Constituent c);

struct Part {
    Constituent constituent;
    double share; // area share; the parts' shares are taken relative to their sum
};

struct Request {
    int width = 0; // logical pixels
    int height = 0;
    // Device pixels per logical pixel each way: the picture is drawn at this resolution (not
    // scaled up) and holds round(width × ratio) × round(height × ratio) pixels.
    double ratio = 1.0;
    // The picture's layout (grains, colonies, needles): keep it while the shares change, so that
    // the picture changes with them and does not jump to an unrelated one.
    std::uint64_t seed = 1;
    // Each constituent at most once; a share of 0 leaves it out.
    std::vector<Part> parts;
};

struct Micrograph {
    QImage image; // RGB32, its devicePixelRatio the request's ratio
    // The constituent of every device pixel, row by row.
    std::vector<Constituent> owner;

    Constituent at(int deviceX, int deviceY) const
    {
        return owner[static_cast<std::size_t>(deviceY) * image.width() + deviceX];
    }
    // The share of the picture's area the constituent covers.
    double areaShare(Constituent c) const;
};

// Keeps, for the last two seeds and sizes, what does not depend on the shares (the grain map,
// the fields that order the pixels, each constituent's texture, made when first asked for), so
// that a call after the first only assigns the pixels and composes the picture.
//
// How a picture is laid out: every pixel has a place in a few fixed orders (how early a crystal
// growing in the melt reaches it; how far it lies from a former austenite grain boundary; how
// close it lies to a needle or a graphite flake). The constituents take their shares of the
// pixels in a fixed sequence, each the first free pixels of its order: primary crystals the
// pixels reached first, a peritectic rim the next, the eutectic or ledeburite the rest, the melt
// what is left; in the solid state cementite and ferrite the pixels nearest the former grain
// boundaries, pearlite, bainite and martensite the pixels further in. So each constituent covers
// exactly its share, and a share changed by a little moves only the pixels at the edges of the
// regions.
class Synthesis {
public:
    Synthesis();
    ~Synthesis();
    Synthesis(const Synthesis&) = delete;
    Synthesis& operator=(const Synthesis&) = delete;

    // A null image and no owners for an empty size or no positive share.
    Micrograph render(const Request& request);
    // Gives up what is kept (a window that closes need not hold it).
    void clear();

    class Scene; // what is kept for one seed and size (Scene.h)

private:
    std::vector<std::unique_ptr<Scene>> m_scenes; // most recently used first
    std::vector<QRgb> m_palette; // grey reflectance → colour of the etched section
};

} // namespace wb::micrograph
