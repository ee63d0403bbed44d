// The steel corner of the iron–carbon diagram as the time–temperature diagrams draw it in their
// EKD panel beside the time panel: the eutectoid composition, P–S–K, the start of E–C–F and of the
// solidus above E, G–S, S–E and G–P–Q, one table in % C and °C put on each panel by its own scale.
#pragma once

#include "diagrams/IronCarbonScale.h"
#include "diagrams/ZtaZtuDiagram.h"

#include <array>
#include <span>
#include <vector>

namespace wb::ekd {

// The corner's lines, in the order they are drawn.
enum class CornerLine { Eutektoid, PSK, ECF, EAufwaerts, GS, SE, GPQ };
inline constexpr int kCornerLineCount = int(CornerLine::GPQ) + 1;

// A vertex of the corner that one diagram draws at another temperature.
struct CornerCelsius {
    CornerLine line;
    int vertex;
    double celsius;
};

// The EKD panel's scale: columns of 0.2 % C from its left edge and rows of 200 °C up from its
// bottom line at `bottomCelsius` (0 °C on the ZTU panels, 200 °C on the ZTA panels), the steps its
// axis labels stand on.
Scale steelCornerScale(const ztaztu::DiagramLayout& l, double bottomCelsius);

// The corner's lines on one diagram: polylines with their pen widths, P–S–K and E–C–F ending on
// the panel's right edge and the eutectoid composition on its bottom line.
class SteelCorner {
public:
    SteelCorner(const ztaztu::DiagramLayout& l, double bottomCelsius, std::span<const CornerCelsius> moved = {});
    SteelCorner(const SteelCorner&) = delete;
    SteelCorner& operator=(const SteelCorner&) = delete;

    std::span<const ztaztu::Curve> curves() const { return m_curves; }
    const std::vector<TPoint>& points(CornerLine line) const { return m_points[size_t(line)]; }

private:
    std::array<std::vector<TPoint>, kCornerLineCount> m_points;
    std::vector<ztaztu::Curve> m_curves;
};

// The corner drawn with the dark pen.
void drawSteelCorner(
    TCanvas& c, const ztaztu::DiagramLayout& l, double bottomCelsius, std::span<const CornerCelsius> moved = {});

} // namespace wb::ekd
