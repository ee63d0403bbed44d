// The iron–carbon scale: carbon content and temperature to the pixels of a diagram, the same
// linear mapping wherever the iron–carbon diagram or a corner of it is drawn, and the projection
// that puts the model's points and lines on the pixels of the chapter's diagram.
#pragma once

#include "framework/Canvas.h"
#include "model/IronCarbon.h"

#include <limits>
#include <optional>
#include <span>
#include <vector>

namespace wb::ekd {

// A linear diagram scale: carbon content to the right from `left`, temperature upwards from
// `baseY`. The lessons give their scales in decimal steps (0.43 pixels per °C, 39 pixels per
// 0.2 % C), which binary arithmetic cannot hold exactly; see roundPixel.
struct Scale {
    double left; // x of 0 % C
    double perPercent; // pixels per 1 % C
    double baseY; // y of baseCelsius
    double baseCelsius;
    double perDegree; // pixels per °C
};

// The whole diagram: 0 % C at x = 50 and 6.67 % C at x = 717, 500 °C at y = 493 and 1600 °C at
// y = 20. Its axis texts stand on this scale; its named temperatures and a few crowded points
// stand a little off it (diagramProjection).
inline constexpr Scale kDiagramScale { 50, 100, 493, 500, 0.43 };

// Rounds a coordinate computed from decimal scale values to a pixel, an exact half to the even
// neighbour. The value is first taken to a millionth of a pixel, so that 4.025 % C, which lies on
// 50 + 402.5 = 452.5, rounds as the half it is (to 452) and not as the 452.50000000000006 binary
// arithmetic makes of it.
int roundPixel(double v);
int carbonX(const Scale& s, double percentC);
int temperatureY(const Scale& s, double celsius);

// --- The model on a drawing ------------------------------------------------------------------

// A temperature the drawing puts on a row of its own, and the row.
struct Row {
    double celsius;
    int y;
};
// A characteristic point the drawing puts off its scale, and where.
struct Placed {
    model::ekd::Point point;
    TPoint at;
};
// A vertex of one line the drawing puts elsewhere than the point it stands for.
struct VertexAt {
    model::ekd::Line line;
    int vertex;
    TPoint at;
};

// How a drawing puts the model on its pixels. Carbon content goes through the scale. Temperature
// goes through the rows, from one to the next in a straight line, and through the scale outside
// them: a hand-drawn diagram names its temperatures on rows that lie a pixel or two off a straight
// axis, and a point the model puts on a named temperature lands on its row. A vertex below the
// field's lowest temperature (or above its highest) is drawn on the field's edge.
struct Projection {
    Scale scale;
    std::span<const Row> rows {}; // rising temperatures
    std::span<const Placed> placed {};
    std::span<const VertexAt> vertexAt {};
    double lowest = -std::numeric_limits<double>::infinity();
    double highest = std::numeric_limits<double>::infinity();
};

int carbonX(const Projection& p, double percentC);
int temperatureY(const Projection& p, double celsius);
// Back from a pixel to the model (a pointer over the drawing): the carbon content of a column and
// the temperature of a row, through the rows where they reach.
double carbonOf(const Projection& p, double x);
double celsiusOf(const Projection& p, double y);
TPoint pixelOf(const Projection& p, model::ekd::State s);
TPoint pixelOf(const Projection& p, model::ekd::Point point);
// A line's vertices on the drawing, in the model's order.
std::vector<TPoint> pixelsOf(const Projection& p, model::ekd::Line line);
// Where the drawn line crosses the row of a temperature, its x rounded; nothing where it does not
// (a horizontal, or outside its range).
std::optional<TPoint> crossing(const Projection& p, model::ekd::Line line, double celsius);
// The end of a tie line on the drawing: on the drawn boundary it lies on, or (a pure phase)
// where the drawing puts its composition.
TPoint tieEnd(
    const Projection& p, const model::ekd::PhaseShare& end, std::optional<model::ekd::Line> boundary, double celsius);

// The chapter's diagram (complete, metastable and stable views, the plate of the austenite–ferrite–
// pearlite and micrograph lessons): kDiagramScale, its named temperatures on their rows and the
// points by the iron axis spread so that their letters and lines can be told apart.
const Projection& diagramProjection();

} // namespace wb::ekd
