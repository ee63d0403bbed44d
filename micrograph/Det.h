// Reproducible numbers for the micrograph synthesis: a seeded random generator, integer hashes and
// the few transcendental functions the pictures need, computed with +, −, ×, ÷ only, so that the
// same build writes the same bytes whatever the C library's sin or exp would round to.
#pragma once

#include <cmath>
#include <cstdint>
#include <string_view>

namespace wb::micrograph {

inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kLn2 = 0.69314718055994530942;

// The splitmix64 finaliser: a well-mixed 64-bit hash of a 64-bit value.
inline std::uint64_t mix64(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// FNV-1a of a name: every picture draws from its own stream, whatever order they are made in.
inline std::uint64_t seedOf(std::string_view name, std::uint64_t salt = 0)
{
    std::uint64_t h = 0xCBF29CE484222325ull ^ salt;
    for (const char c : name) {
        h ^= static_cast<unsigned char>(c);
        h *= 0x100000001B3ull;
    }
    return mix64(h);
}

// One key for the boundary between two cells, whichever side asks.
inline std::uint64_t pairKey(int a, int b)
{
    const auto lo = static_cast<std::uint64_t>(a < b ? a : b);
    const auto hi = static_cast<std::uint64_t>(a < b ? b : a);
    return (hi << 32) | lo;
}

// Hash of two lattice coordinates and a seed to [0, 1).
inline double hash01(std::int64_t x, std::int64_t y, std::uint64_t seed)
{
    const std::uint64_t h = mix64(seed
        ^ mix64(static_cast<std::uint64_t>(x) * 0x9E3779B97F4A7C15ull
            ^ static_cast<std::uint64_t>(y) * 0xC2B2AE3D27D4EB4Full));
    return static_cast<double>(h >> 11) * 0x1.0p-53;
}

inline double hash01(std::uint64_t a, std::uint64_t seed)
{
    return static_cast<double>(mix64(seed ^ mix64(a + 0x632BE59BD9B4E019ull)) >> 11) * 0x1.0p-53;
}

// splitmix64 as a generator.
class Rng {
public:
    explicit Rng(std::uint64_t seed)
        : m_state(seed)
    {
    }
    std::uint64_t next()
    {
        m_state += 0x9E3779B97F4A7C15ull;
        return mix64(m_state);
    }
    // Uniform in [0, 1).
    double uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    // Uniform integer in [0, n).
    int below(int n) { return static_cast<int>(uniform() * n); }
    bool chance(double p) { return uniform() < p; }
    // Roughly normal with mean 0 and deviation 1 (sum of four uniforms, bounded at ±3.5).
    double normal()
    {
        const double s = uniform() + uniform() + uniform() + uniform();
        return (s - 2.0) * 1.7320508075688772;
    }
    // A child stream for a sub-task, so that adding draws to one task leaves the others alone.
    Rng fork(std::uint64_t salt) { return Rng(mix64(next() ^ mix64(salt))); }

private:
    std::uint64_t m_state;
};

// sin by argument reduction and a Taylor series (error below 1e-15 on the reduced range).
inline double dsin(double x)
{
    const double k = std::floor(x / (2.0 * kPi) + 0.5);
    x -= k * (2.0 * kPi);
    if (x > kPi / 2)
        x = kPi - x;
    else if (x < -kPi / 2)
        x = -kPi - x;
    const double x2 = x * x;
    double term = x;
    double sum = x;
    for (int n = 1; n <= 9; ++n) {
        term *= -x2 / ((2.0 * n) * (2.0 * n + 1.0));
        sum += term;
    }
    return sum;
}

inline double dcos(double x)
{
    return dsin(x + kPi / 2);
}

inline double dexp(double x)
{
    if (x < -700)
        return 0.0;
    const double k = std::floor(x / kLn2 + 0.5);
    const double r = x - k * kLn2;
    double term = 1.0;
    double sum = 1.0;
    for (int n = 1; n <= 14; ++n) {
        term *= r / n;
        sum += term;
    }
    return std::ldexp(sum, static_cast<int>(k));
}

inline double dlog(double x)
{
    int e = 0;
    double m = std::frexp(x, &e);
    if (m < 0.70710678118654752440) {
        m *= 2.0;
        --e;
    }
    const double z = (m - 1.0) / (m + 1.0);
    const double z2 = z * z;
    double power = z;
    double sum = z;
    for (int n = 1; n <= 14; ++n) {
        power *= z2;
        sum += power / (2.0 * n + 1.0);
    }
    return 2.0 * sum + e * kLn2;
}

inline double dpow(double x, double y)
{
    return x <= 0.0 ? 0.0 : dexp(y * dlog(x));
}

inline double clamp01(double v)
{
    return v < 0.0 ? 0.0 : (v > 1.0 ? 1.0 : v);
}

inline double lerp(double a, double b, double t)
{
    return a + (b - a) * t;
}

inline double smoothstep(double e0, double e1, double x)
{
    const double t = clamp01((x - e0) / (e1 - e0));
    return t * t * (3.0 - 2.0 * t);
}

// Coverage of a line of half width hw at distance d, anti-aliased over aa pixels.
inline double lineCoverage(double d, double hw, double aa)
{
    return clamp01((hw - d) / aa + 0.5);
}

} // namespace wb::micrograph
