// The steel corner of the time–temperature diagrams: one table in % C and °C on each EKD panel.
#include "diagrams/SteelCorner.h"

#include "model/IronCarbon.h"

namespace wb::ekd {

namespace {

namespace mek = model::ekd;

// A vertex of the corner. P–S–K and E–C–F run on to the panel's right edge, the eutectoid
// composition down to its bottom line, whatever those are in % C and °C on a panel.
enum class Edge { None, Right, Bottom };
struct CornerVertex {
    double carbon;
    double celsius;
    Edge edge = Edge::None;
};

// The corner's G, P and the ends of S–E on its horizontals.
constexpr mek::State kG = { 0, 910 };
constexpr mek::State kP = { 0.04, 722 };
constexpr mek::State kS = { mek::at(mek::Point::S).carbon, 722 };
constexpr mek::State kE = { mek::at(mek::Point::E).carbon, 1146 };
constexpr mek::State kModelS = mek::at(mek::Point::S);
constexpr mek::State kModelQ = mek::at(mek::Point::Q);

// clang-format off
// The corner's points are the model's compositions, S 0.8 and E 2.06 % C, with Q at 500 °C and
// G–S ending on S at 723 °C; its horizontals stand a degree below the model's (722 and 1146 °C), G
// at 910 °C and P at 0.04 % C, a pixel from where the model's values would put them on these small
// panels. G–S and S–E are the corner's own: G–S within 3 °C of the model's, S–E 15 to 25 °C below
// it (at 1.2 % C 870 °C against 894 °C), for the corner was drawn from its own table.
constexpr CornerVertex kEutektoid[] = { { kS.carbon, kS.celsius }, { kS.carbon, 0, Edge::Bottom } };
constexpr CornerVertex kPSK[] = { { kP.carbon, kP.celsius }, { 0, kS.celsius, Edge::Right } };
constexpr CornerVertex kECF[] = { { kE.carbon, kE.celsius }, { 0, kE.celsius, Edge::Right } };
// From E up the solidus to where it leaves the panel at 1200 °C.
constexpr CornerVertex kEAufwaerts[] = { { kE.carbon, kE.celsius }, { 1.8, 1200 } };
constexpr CornerVertex kGS[] = {
    { kG.carbon, kG.celsius }, { 0.2, 840 }, { 0.4, 790 }, { 0.6, 756 }, { 0.7, 740 },
    { kModelS.carbon, kModelS.celsius },
};
constexpr CornerVertex kSE[] = {
    { kS.carbon, kS.celsius }, { 1.0, 800 }, { 1.2, 870 }, { 1.4, 942 }, { 1.6, 1006 }, { 1.8, 1068 },
    { kE.carbon, kE.celsius },
};
constexpr CornerVertex kGPQ[] = {
    { kG.carbon, kG.celsius }, { kP.carbon, kP.celsius },
    { kModelQ.carbon, kModelQ.celsius },
};
// clang-format on

struct Line {
    std::span<const CornerVertex> vertices;
    int width;
};
// The eutectoid composition with a thin pen, the lines with one of width 2.
const Line kLines[] = {
    { kEutektoid, 1 },
    { kPSK, 2 },
    { kECF, 2 },
    { kEAufwaerts, 2 },
    { kGS, 2 },
    { kSE, 2 },
    { kGPQ, 2 },
};
static_assert(std::size(kLines) == kCornerLineCount);

} // namespace

Scale steelCornerScale(const ztaztu::DiagramLayout& l, double bottomCelsius)
{
    return { double(l.EkdLinks), double(l.EkdSpalte) / 0.2, double(l.EkdUnten), bottomCelsius,
        double(l.EkdZeile) / 200 };
}

SteelCorner::SteelCorner(const ztaztu::DiagramLayout& l, double bottomCelsius, std::span<const CornerCelsius> moved)
{
    const Scale s = steelCornerScale(l, bottomCelsius);
    for (size_t i = 0; i < std::size(kLines); ++i) {
        const std::span<const CornerVertex> vertices = kLines[i].vertices;
        std::vector<TPoint>& points = m_points[i];
        for (size_t v = 0; v < vertices.size(); ++v) {
            CornerVertex at = vertices[v];
            for (const CornerCelsius& m : moved)
                if (m.line == CornerLine(i) && m.vertex == int(v))
                    at.celsius = m.celsius;
            const int x = at.edge == Edge::Right ? l.EkdRechts : carbonX(s, at.carbon);
            const int y = at.edge == Edge::Bottom ? l.EkdUnten : temperatureY(s, at.celsius);
            points.push_back({ x, y });
        }
        m_curves.push_back({ kLines[i].width, Polyline { points } });
    }
}

void drawSteelCorner(
    TCanvas& c, const ztaztu::DiagramLayout& l, double bottomCelsius, std::span<const CornerCelsius> moved)
{
    const SteelCorner corner(l, bottomCelsius, moved);
    ztaztu::drawCurves(c, corner.curves());
}

} // namespace wb::ekd
