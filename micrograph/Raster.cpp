#include "Raster.h"

#include "Det.h"

#include <algorithm>
#include <limits>

namespace wb::micrograph {

namespace {

std::vector<float> gaussKernel(double sigma)
{
    const int radius = std::max(1, static_cast<int>(std::ceil(sigma * 3.0)));
    std::vector<float> k(2 * radius + 1);
    double sum = 0.0;
    for (int i = -radius; i <= radius; ++i) {
        const double v = dexp(-(i * i) / (2.0 * sigma * sigma));
        k[i + radius] = static_cast<float>(v);
        sum += v;
    }
    for (auto& v : k)
        v = static_cast<float>(v / sum);
    return k;
}

// One separable pass over `count` lines of `len` values spaced `step` apart.
template <typename T>
void blurLines(std::vector<T>& data, int lines, int len, int lineStride, int step, const std::vector<float>& k)
{
    const int r = static_cast<int>(k.size() / 2);
    std::vector<T> line(len);
    for (int l = 0; l < lines; ++l) {
        const size_t base = static_cast<size_t>(l) * lineStride;
        for (int i = 0; i < len; ++i)
            line[i] = data[base + static_cast<size_t>(i) * step];
        for (int i = 0; i < len; ++i) {
            T acc {};
            for (int j = -r; j <= r; ++j) {
                const int s = std::clamp(i + j, 0, len - 1);
                acc = acc + line[s] * k[j + r];
            }
            data[base + static_cast<size_t>(i) * step] = acc;
        }
    }
}

} // namespace

void gaussianBlur(Gray& g, double sigma)
{
    if (sigma <= 0.0)
        return;
    const auto k = gaussKernel(sigma);
    blurLines(g.v, g.h, g.w, g.w, 1, k);
    blurLines(g.v, g.w, g.h, 1, g.w, k);
}

void gaussianBlur(Rgba& img, double sigma)
{
    if (sigma <= 0.0)
        return;
    const auto k = gaussKernel(sigma);
    blurLines(img.c, img.h, img.w, img.w, 1, k);
    blurLines(img.c, img.w, img.h, 1, img.w, k);
}

Gray downsample(const Gray& g, int factor)
{
    Gray out(g.w / factor, g.h / factor);
    const float norm = 1.0f / (factor * factor);
    for (int y = 0; y < out.h; ++y)
        for (int x = 0; x < out.w; ++x) {
            float s = 0;
            for (int j = 0; j < factor; ++j)
                for (int i = 0; i < factor; ++i)
                    s += g.at(x * factor + i, y * factor + j);
            out.at(x, y) = s * norm;
        }
    return out;
}

Rgba downsample(const Rgba& img, int factor)
{
    Rgba out(img.w / factor, img.h / factor);
    const float norm = 1.0f / (factor * factor);
    for (int y = 0; y < out.h; ++y)
        for (int x = 0; x < out.w; ++x) {
            Col s;
            int opaque = 0;
            for (int j = 0; j < factor; ++j)
                for (int i = 0; i < factor; ++i) {
                    const size_t idx = static_cast<size_t>(y * factor + j) * img.w + (x * factor + i);
                    s = s + img.c[idx];
                    opaque += img.a[idx] != 0;
                }
            out.at(x, y) = s * norm;
            // A pixel is transparent when most of its samples are.
            out.a[static_cast<size_t>(y) * out.w + x] = 2 * opaque > factor * factor ? 255 : 0;
        }
    return out;
}

std::vector<float> distanceTransform(const std::vector<std::uint8_t>& inside, int w, int h)
{
    // Squared distances stay far below 1e12 for any picture; that stands for "none yet".
    const double inf = 1e12;
    std::vector<double> d(static_cast<size_t>(w) * h);
    for (size_t i = 0; i < d.size(); ++i)
        d[i] = inside[i] ? 0.0 : inf;

    // Squared distance along one line by the lower envelope of parabolas.
    const int n = std::max(w, h);
    std::vector<double> f(n), out(n), z(n + 1);
    std::vector<int> v(n);
    auto pass = [&](int len) {
        int k = 0;
        v[0] = 0;
        z[0] = -inf;
        z[1] = inf;
        for (int q = 1; q < len; ++q) {
            auto meet = [&](int p) {
                return ((f[q] + static_cast<double>(q) * q) - (f[p] + static_cast<double>(p) * p)) / (2.0 * (q - p));
            };
            double s = meet(v[k]);
            while (s <= z[k]) // z[0] is −∞, so this stops at the first parabola
                s = meet(v[--k]);
            ++k;
            v[k] = q;
            z[k] = s;
            z[k + 1] = inf;
        }
        k = 0;
        for (int q = 0; q < len; ++q) {
            while (z[k + 1] < q)
                ++k;
            const double dq = q - v[k];
            out[q] = dq * dq + f[v[k]];
        }
    };
    for (int x = 0; x < w; ++x) {
        for (int y = 0; y < h; ++y)
            f[y] = d[static_cast<size_t>(y) * w + x];
        pass(h);
        for (int y = 0; y < h; ++y)
            d[static_cast<size_t>(y) * w + x] = out[y];
    }
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            f[x] = d[static_cast<size_t>(y) * w + x];
        pass(w);
        for (int x = 0; x < w; ++x)
            d[static_cast<size_t>(y) * w + x] = out[x];
    }
    std::vector<float> dist(d.size());
    for (size_t i = 0; i < d.size(); ++i)
        dist[i] = static_cast<float>(std::sqrt(d[i]));
    return dist;
}

float quantile(std::vector<float> values, double q)
{
    if (values.empty())
        return 0.0f;
    const auto k = static_cast<size_t>(clamp01(q) * static_cast<double>(values.size() - 1));
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(k), values.end());
    return values[k];
}

} // namespace wb::micrograph
