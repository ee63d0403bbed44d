// What a run-time micrograph keeps for one seed, size and device ratio: the layout (crystals
// growing from their nuclei, ferrite grains, colonies, plates, needles, flakes), the fields that
// order the pixels for the constituents to take their shares, and each constituent's texture.
// Everything is made when first asked for, each part from its own random stream, so that what a
// part looks like does not depend on which parts were asked for before it.
#pragma once

#include "Grains.h"
#include "Noise.h"
#include "Structures.h"
#include "Synthesis.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace wb::micrograph {

// A value per device pixel by which the constituents take their pixels, lowest first.
struct Field {
    std::vector<float> value;
    // Logical pixels per unit of value near each pixel, so that (value − level) × invSlope is
    // the distance to the level's contour, where two constituents meet.
    std::vector<float> invSlope;
    std::vector<int> order; // the pixels by ascending value
};

enum class FieldKind : std::uint8_t {
    Crystal, // when a crystal growing in the melt reaches the pixel
    SolidState, // how far the pixel lies from a former austenite grain boundary
    Needles, // how close to a cementite needle's axis
    Flakes, // how close to a graphite flake
    Islands, // small blobs (retained austenite between the martensite needles)
    FerriteBoundaries, // how close to a ferrite grain boundary
};
inline constexpr int kFieldCount = 6;

class Synthesis::Scene {
public:
    Scene(int width, int height, double ratio, std::uint64_t seed);

    bool is(int width, int height, double ratio, std::uint64_t seed) const
    {
        return width == m_w && height == m_h && ratio == m_ratio && seed == m_seed;
    }
    int deviceWidth() const { return m_W; }
    int deviceHeight() const { return m_H; }
    std::size_t size() const { return static_cast<std::size_t>(m_W) * m_H; }
    double ratio() const { return m_ratio; }

    const Field& field(FieldKind kind);
    // Grey reflectance (0 black … 1 white) of the constituent at every device pixel; for the
    // melt and graphite a factor on their own colour. Kept in steps of kTextureStep (a texture
    // at ratio 2 is then half the size), in 0 … 2.
    static constexpr float kTextureStep = 1.0f / 32768.0f;
    const std::vector<std::uint16_t>& texture(Constituent c);
    // The photograph's lighting (a factor) and sensor grain (added), per device pixel.
    const std::vector<float>& lighting();
    const std::vector<float>& sensorGrain();

private:
    // Mean spacing of the crystals that grow in the melt, which are also the former austenite
    // grains of the solid state, in logical pixels: about twenty in a picture of 200 × 200.
    static constexpr double kGrain = 44;
    // Mean spacing of the ferrite grains.
    static constexpr double kFerriteGrain = 16;

    struct Crystals {
        std::vector<Nucleus> nuclei;
        Noise noise;
        GrowthMap map; // at device resolution
        // Logical pixels to the nearest boundary between two crystals: estimated from the
        // arrival times (smooth, exact near the boundary) and, deeper in a grain, by a distance
        // transform (the times' estimate runs ahead along a crystal's arms).
        std::vector<float> edge;
        std::vector<float> depth;
    };

    // The logical position of a device pixel's centre.
    double lx(std::size_t i) const { return (static_cast<double>(i % m_W) + 0.5) / m_ratio; }
    double ly(std::size_t i) const { return (static_cast<double>(i / m_W) + 0.5) / m_ratio; }
    // A random stream of its own for each part of the scene.
    Rng stream(std::uint64_t part) const { return Rng(mix64(m_seed ^ mix64(part * 0x9E3779B97F4A7C15ull))); }
    // Half the anti-aliasing ramp of an edge, in logical pixels: one device pixel.
    double aa() const { return 0.75 / m_ratio; }

    const Crystals& crystals();
    const std::vector<int>& crystalLabelsAtRatio1();
    const CellMap& ferriteGrains();
    const std::vector<Plate>& martensitePlates();
    const std::vector<Plate>& bainitePlates();

    std::unique_ptr<Field> makeField(FieldKind kind);
    std::vector<float> makeTexture(Constituent c);
    void finishField(Field& f) const;

    // Textures.
    std::vector<float> grainTexture(double tone, double spread, double boundaryDepth, std::uint64_t salt);
    std::vector<float> coredTexture(double tone, double spread, double coring, std::uint64_t salt);
    std::vector<float> austeniteTexture();
    std::vector<float> ferriteTexture();
    std::vector<float> pearliteTexture();
    std::vector<float> eutecticTexture(double dark, double light, std::uint64_t salt);
    std::vector<float> ledeburiteTexture(double island);
    std::vector<float> plateTexture(
        const std::vector<Plate>& plates, const MartensiteLook& look, bool carbides, std::uint64_t salt);
    std::vector<float> plainTexture(double tone, double mottle, double scale, std::uint64_t salt);
    std::vector<float> meltGlow();

    int m_w, m_h;
    double m_ratio;
    std::uint64_t m_seed;
    int m_W, m_H;

    std::optional<Crystals> m_crystals;
    std::vector<int> m_labels1;
    std::optional<CellMap> m_ferrite;
    std::optional<std::vector<Plate>> m_martensite;
    std::optional<std::vector<Plate>> m_bainite;
    std::array<std::unique_ptr<Field>, kFieldCount> m_fields;
    std::array<std::vector<std::uint16_t>, kConstituentCount> m_textures;
    std::vector<float> m_lighting;
    std::vector<float> m_grain;
};

} // namespace wb::micrograph
