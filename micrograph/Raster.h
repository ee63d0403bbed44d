// Float pictures for the synthesis: grey and colour buffers, blurring, distance transforms and
// the reduction of supersampled schematics to pixels.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace wb::micrograph {

struct Gray {
    int w = 0;
    int h = 0;
    std::vector<float> v;

    Gray() = default;
    Gray(int width, int height, float fill = 0.0f)
        : w(width)
        , h(height)
        , v(static_cast<std::size_t>(width) * height, fill)
    {
    }
    float& at(int x, int y) { return v[static_cast<std::size_t>(y) * w + x]; }
    float at(int x, int y) const { return v[static_cast<std::size_t>(y) * w + x]; }
    // Clamped to the edges.
    float get(int x, int y) const
    {
        x = x < 0 ? 0 : (x >= w ? w - 1 : x);
        y = y < 0 ? 0 : (y >= h ? h - 1 : y);
        return at(x, y);
    }
};

struct Col {
    float r = 0;
    float g = 0;
    float b = 0;
};

inline Col operator+(Col a, Col b)
{
    return { a.r + b.r, a.g + b.g, a.b + b.b };
}
inline Col operator*(Col a, float s)
{
    return { a.r * s, a.g * s, a.b * s };
}
inline Col mix(Col a, Col b, double t)
{
    const auto s = static_cast<float>(t);
    return { a.r + (b.r - a.r) * s, a.g + (b.g - a.g) * s, a.b + (b.b - a.b) * s };
}
// A colour from 8-bit components.
constexpr Col rgb8(int r, int g, int b)
{
    return { r / 255.0f, g / 255.0f, b / 255.0f };
}

struct Rgba {
    int w = 0;
    int h = 0;
    std::vector<Col> c;
    std::vector<std::uint8_t> a; // 0 transparent, 255 opaque

    Rgba() = default;
    Rgba(int width, int height)
        : w(width)
        , h(height)
        , c(static_cast<std::size_t>(width) * height)
        , a(static_cast<std::size_t>(width) * height, 255)
    {
    }
    Col& at(int x, int y) { return c[static_cast<std::size_t>(y) * w + x]; }
    const Col& at(int x, int y) const { return c[static_cast<std::size_t>(y) * w + x]; }
};

// Gaussian blur with deviation sigma (pixels), edges clamped.
void gaussianBlur(Gray& g, double sigma);
void gaussianBlur(Rgba& img, double sigma);

// Mean of factor × factor blocks.
Gray downsample(const Gray& g, int factor);
Rgba downsample(const Rgba& img, int factor);

// Euclidean distance of every cell to the nearest cell where `inside` is set (0 there); cells
// are unit squares. Exact (separable lower envelope of parabolas).
std::vector<float> distanceTransform(const std::vector<std::uint8_t>& inside, int w, int h);

// The value below which the share `q` (0 … 1) of the values lies.
float quantile(std::vector<float> values, double q);

} // namespace wb::micrograph
