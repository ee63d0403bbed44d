// Smooth value noise on a hashed lattice and its fractal sum: the slow unevenness of etching and
// lighting, and the wobble that keeps boundaries and lamellae from looking ruled.
#pragma once

#include "Det.h"

#include <cstdint>

namespace wb::micrograph {

class Noise {
public:
    explicit Noise(std::uint64_t seed = 1)
        : m_seed32(static_cast<std::uint32_t>(mix64(seed)))
    {
    }

    // In [0, 1], smooth, one feature per unit.
    double value(double x, double y) const
    {
        const double fx = std::floor(x);
        const double fy = std::floor(y);
        const auto ix = static_cast<std::int64_t>(fx);
        const auto iy = static_cast<std::int64_t>(fy);
        const double tx = fade(x - fx);
        const double ty = fade(y - fy);
        const double a = lattice(ix, iy);
        const double b = lattice(ix + 1, iy);
        const double c = lattice(ix, iy + 1);
        const double d = lattice(ix + 1, iy + 1);
        return lerp(lerp(a, b, tx), lerp(c, d, tx), ty);
    }

    // In [−1, 1].
    double signedValue(double x, double y) const { return 2.0 * value(x, y) - 1.0; }

    // Fractal sum of `octaves` layers, each twice as fine and half as strong; in about [−1, 1].
    double fbm(double x, double y, int octaves) const
    {
        double sum = 0.0;
        double amp = 1.0;
        double norm = 0.0;
        for (int i = 0; i < octaves; ++i) {
            // Each octave is shifted so that lattice points do not line up.
            sum += amp * signedValue(x + 17.31 * i, y - 9.77 * i);
            norm += amp;
            amp *= 0.5;
            x *= 2.03;
            y *= 2.03;
        }
        return sum / norm;
    }

private:
    // A cheap 32-bit hash of a lattice point: noise is evaluated millions of times per picture.
    double lattice(std::int64_t x, std::int64_t y) const
    {
        std::uint32_t h = m_seed32 ^ (static_cast<std::uint32_t>(x) * 0x27D4EB2Du);
        h ^= static_cast<std::uint32_t>(y) * 0x165667B1u;
        h = (h ^ (h >> 15)) * 0x2C1B3C6Du;
        h = (h ^ (h >> 12)) * 0x297A2D39u;
        h ^= h >> 15;
        return h * (1.0 / 4294967296.0);
    }
    static double fade(double t) { return t * t * t * (t * (t * 6.0 - 15.0) + 10.0); }
    std::uint32_t m_seed32;
};

} // namespace wb::micrograph
