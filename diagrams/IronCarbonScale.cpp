// The iron–carbon scale: carbon content and temperature to pixels, and the model on a drawing.
#include "diagrams/IronCarbonScale.h"

#include "framework/Types.h"

#include <algorithm>
#include <cmath>

namespace wb::ekd {

namespace mek = model::ekd;

int roundPixel(double v)
{
    return Round(std::nearbyint(v * 1e6) / 1e6);
}

int carbonX(const Scale& s, double percentC)
{
    return roundPixel(s.left + s.perPercent * percentC);
}

int temperatureY(const Scale& s, double celsius)
{
    return roundPixel(s.baseY - s.perDegree * (celsius - s.baseCelsius));
}

// --- The model on a drawing ------------------------------------------------------------------

int carbonX(const Projection& p, double percentC)
{
    return carbonX(p.scale, percentC);
}

int temperatureY(const Projection& p, double celsius)
{
    if (p.rows.empty() || celsius < p.rows.front().celsius || celsius > p.rows.back().celsius)
        return temperatureY(p.scale, celsius);
    for (size_t i = 0; i + 1 < p.rows.size(); ++i) {
        const Row a = p.rows[i], b = p.rows[i + 1];
        if (celsius <= b.celsius)
            return roundPixel(a.y + (b.y - a.y) * (celsius - a.celsius) / (b.celsius - a.celsius));
    }
    return p.rows.back().y;
}

double carbonOf(const Projection& p, double x)
{
    return (x - p.scale.left) / p.scale.perPercent;
}

double celsiusOf(const Projection& p, double y)
{
    // The rows run upwards as the temperatures rise.
    if (p.rows.empty() || y > p.rows.front().y || y < p.rows.back().y)
        return p.scale.baseCelsius + (p.scale.baseY - y) / p.scale.perDegree;
    for (size_t i = 0; i + 1 < p.rows.size(); ++i) {
        const Row a = p.rows[i], b = p.rows[i + 1];
        if (y >= b.y)
            return a.celsius + (b.celsius - a.celsius) * (a.y - y) / (a.y - b.y);
    }
    return p.rows.back().celsius;
}

TPoint pixelOf(const Projection& p, mek::State s)
{
    return { carbonX(p, s.carbon), temperatureY(p, std::clamp(s.celsius, p.lowest, p.highest)) };
}

TPoint pixelOf(const Projection& p, mek::Point point)
{
    for (const Placed& placed : p.placed)
        if (placed.point == point)
            return placed.at;
    return pixelOf(p, mek::at(point));
}

std::vector<TPoint> pixelsOf(const Projection& p, mek::Line line)
{
    const std::span<const mek::Vertex> vertices = mek::vertices(line);
    std::vector<TPoint> out;
    out.reserve(vertices.size());
    for (size_t i = 0; i < vertices.size(); ++i) {
        const auto moved = std::find_if(p.vertexAt.begin(), p.vertexAt.end(),
            [&](const VertexAt& v) { return v.line == line && v.vertex == int(i); });
        if (moved != p.vertexAt.end())
            out.push_back(moved->at);
        else if (vertices[i].point)
            out.push_back(pixelOf(p, *vertices[i].point));
        else
            out.push_back(pixelOf(p, vertices[i].at));
    }
    return out;
}

std::optional<TPoint> crossing(const Projection& p, mek::Line line, double celsius)
{
    const int y = temperatureY(p, celsius);
    const std::vector<TPoint> drawn = pixelsOf(p, line);
    for (size_t i = 0; i + 1 < drawn.size(); ++i) {
        const TPoint a = drawn[i], b = drawn[i + 1];
        if (a.Y == b.Y || y < std::min(a.Y, b.Y) || y > std::max(a.Y, b.Y))
            continue;
        return TPoint { roundPixel(a.X + double(b.X - a.X) * (y - a.Y) / (b.Y - a.Y)), y };
    }
    return std::nullopt;
}

TPoint tieEnd(const Projection& p, const mek::PhaseShare& end, std::optional<mek::Line> boundary, double celsius)
{
    if (boundary) {
        if (const std::optional<TPoint> on = crossing(p, *boundary, celsius))
            return *on;
    }
    return pixelOf(p, mek::State { end.carbon, celsius });
}

namespace {

// clang-format off
// The complete diagram's named temperatures on their rows: 723 °C on 395 and 1536 °C on 42, where
// the straight axis would put them on 397 and 48; 600 °C is the bottom of the cooling lessons' field.
constexpr Row kRows[] = {
    { 500, 493 }, { 600, 450 }, { 723, 395 }, { 738, 390 }, { 769, 377 }, { 911, 316 }, { 1147, 215 },
    { 1153, 210 }, { 1320, 140 }, { 1392, 111 }, { 1493, 66 }, { 1536, 42 }, { 1600, 20 },
};

// The points by the iron axis stand apart, so that their letters and the lines between them can be
// told apart: P right of the axis (0.06 % C on the scale) with P´ between them, the magnetic line
// from there, and the peritectic points J and B spread over the horizontal at 1493 °C.
constexpr Placed kPlaced[] = {
    { mek::Point::P, { 56, 395 } },
    { mek::Point::Ps, { 54, 390 } },
    { mek::Point::M, { 54, 377 } },
    { mek::Point::J, { 72, 66 } },
    { mek::Point::B, { 100, 66 } },
};

// The liquidus from A runs on two pixels past B, where it meets the horizontal; the stable
// eutectoid line is drawn from K´ to P's x, not P´'s.
constexpr VertexAt kVertexAt[] = {
    { mek::Line::AB, 5, { 102, 66 } },
    { mek::Line::PsSsKs, 1, { 56, 390 } },
};
// clang-format on

constexpr Projection kDiagramProjection { kDiagramScale, kRows, kPlaced, kVertexAt, 500, 1600 };

} // namespace

const Projection& diagramProjection()
{
    return kDiagramProjection;
}

} // namespace wb::ekd
