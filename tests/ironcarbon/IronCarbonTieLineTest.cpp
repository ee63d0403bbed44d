// The model's tie lines on the chapter's diagram: drawn as the lessons draw it, the ends of every
// tie line of a sweep over both systems lie on the boundary pixels, and where no point of a line
// is drawn off the scale the model's composition itself lands there.
#include "ironcarbon/CoolingRun.h"
#include "ironcarbon/IronCarbonDiagram.h"
#include "ironcarbon/UnitEKD06.h"
#include "ironcarbon/UnitEKD12.h"
#include "ironcarbon/UnitEKD30.h"
#include "tests/support/Harness.h"

#include <algorithm>
#include <cmath>

using namespace wb;
using namespace wb::ekd;
using wbtest::PixelCanvas;

namespace {

constexpr int kBoxW = 792;
constexpr int kBoxH = 536;

// The lines none of whose points the drawing puts off its scale.
bool onScale(mek::Line l)
{
    using enum mek::Line;
    return l == SG || l == SE || l == CD || l == AH || l == HN || l == SsEs || l == CsDs || l == SsG;
}

// A line two pixels wide covers the pixels on either side of its exact course: an end lies on it
// when its pixel or one of the eight around it has the line's colour.
bool onLine(const PixelCanvas& pc, TPoint at, TColor line)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (pc.at(at.X + dx, at.Y + dy) == line)
                return true;
    return false;
}

// Whether the model's segment through a temperature spans one of the drawing's named rows: there
// the drawing bends a straight line of the model where the rows lie closer or further apart.
bool acrossRows(mek::Line l, double celsius)
{
    const auto v = mek::vertices(l);
    for (size_t i = 0; i + 1 < v.size(); ++i) {
        const auto [low, high] = std::minmax(v[i].at.celsius, v[i + 1].at.celsius);
        if (celsius < low || celsius > high)
            continue;
        for (const Row& r : diagramProjection().rows)
            if (r.celsius > low && r.celsius < high)
                return true;
    }
    return false;
}

// How far a pixel lies from a drawn polyline.
double distance(TPoint q, const std::vector<TPoint>& line)
{
    double best = 1e9;
    for (size_t i = 0; i + 1 < line.size(); ++i) {
        const double ax = line[i].X, ay = line[i].Y, bx = line[i + 1].X, by = line[i + 1].Y;
        const double dx = bx - ax, dy = by - ay;
        const double u = std::clamp(((q.X - ax) * dx + (q.Y - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
        best = std::min(best, std::hypot(q.X - (ax + u * dx), q.Y - (ay + u * dy)));
    }
    return best;
}

struct Sweep {
    int ends = 0;
    int offLine = 0;
    double maxDeviation = 0;
    double maxBentDeviation = 0;
};

// Every tie line of the sweep with its ends on the picture: each end's pixel in the line colour,
// and on a line drawn on its scale the model's own composition within a pixel of it.
Sweep sweep(mek::System system, const PixelCanvas& pc, TColor line)
{
    Sweep s;
    const Projection& p = diagramProjection();
    for (int t = 505; t <= 1595; t += 5) {
        for (int i = 1; i < 667; i += 4) {
            const std::optional<mek::TieLine> tie = mek::tieLine(system, { i / 100.0, double(t) });
            if (!tie)
                continue;
            const std::pair<mek::PhaseShare, std::optional<mek::Line>> ends[]
                = { { tie->lean, tie->leanLine }, { tie->rich, tie->richLine } };
            for (const auto& [end, boundary] : ends) {
                if (!boundary)
                    continue;
                const TPoint at = tieEnd(p, end, boundary, t);
                ++s.ends;
                if (!onLine(pc, at, line)) {
                    ++s.offLine;
                    ADD_FAILURE() << "line " << int(*boundary) << " at " << t << " °C: (" << at.X << ", " << at.Y
                                  << ") is not on the drawn line";
                }
                if (onScale(*boundary)) {
                    const TPoint model = pixelOf(p, mek::State { end.carbon, double(t) });
                    EXPECT_EQ(model.Y, at.Y);
                    const double deviation = distance(model, pixelsOf(p, *boundary));
                    if (acrossRows(*boundary, t))
                        s.maxBentDeviation = std::max(s.maxBentDeviation, deviation);
                    else
                        s.maxDeviation = std::max(s.maxDeviation, deviation);
                }
            }
        }
    }
    return s;
}

} // namespace

TEST(IronCarbonTieLines, EndsLieOnTheMetastableBoundaries)
{
    // The plate: blue lines, black labels, no click frames, so a blue pixel is a line.
    PixelCanvas pc(kBoxW, kBoxH, clBlack);
    drawPlate(pc.canvas, kBoxW, kBoxH, {});
    const Sweep s = sweep(mek::System::Metastable, pc, kBlau);
    EXPECT_GT(s.ends, 1000);
    EXPECT_EQ(s.offLine, 0);
    // The model's point rounded to a pixel, against the drawn line between rounded vertices: within a pixel.
    EXPECT_LE(s.maxDeviation, 1.0) << "the model's compositions against the drawn lines";
    // C–D from C crosses the rows of 1147 and 1153 °C, five rows for six degrees.
    EXPECT_LE(s.maxBentDeviation, 1.5);
}

TEST(IronCarbonTieLines, EndsLieOnTheStableBoundaries)
{
    // The stable view: red lines, dark red labels.
    PixelCanvas pc(kBoxW, kBoxH, clBlack);
    drawView(pc.canvas, kBoxW, kBoxH, View::Stable);
    const Sweep s = sweep(mek::System::Stable, pc, kRot);
    EXPECT_GT(s.ends, 1000);
    EXPECT_EQ(s.offLine, 0);
    EXPECT_LE(s.maxDeviation, 1.0) << "the model's compositions against the drawn lines";
    // S´–E´ ends across the row of 1147 °C, C´–D´ crosses those of 1320 … 1536 °C.
    EXPECT_LE(s.maxBentDeviation, 1.5);
}

TEST(IronCarbonTieLines, AnEndOffTheBoundaryIsSeen)
{
    // The check itself: four columns beside the drawn S–E lies the field, not the line.
    PixelCanvas pc(kBoxW, kBoxH, clBlack);
    drawPlate(pc.canvas, kBoxW, kBoxH, {});
    const TPoint on = *crossing(diagramProjection(), mek::Line::SE, 1000);
    EXPECT_TRUE(onLine(pc, on, kBlau));
    EXPECT_FALSE(onLine(pc, { on.X + 4, on.Y }, kBlau));
    EXPECT_FALSE(onLine(pc, { on.X - 4, on.Y }, kBlau));
}

TEST(IronCarbonTieLines, TheCoolingLessonsTraceTheModelsLines)
{
    // The three cooling lessons trace their tie lines by hand, row by row: each row's ends lie
    // within four pixels of the boundaries the model draws at that row, the cementite end on the
    // field's right edge.
    auto drawnX = [](mek::Line l, int y) -> std::optional<int> {
        const std::vector<TPoint> d = pixelsOf(cooling::projection(), l);
        for (size_t i = 0; i + 1 < d.size(); ++i) {
            const TPoint a = d[i], b = d[i + 1];
            if (a.Y != b.Y && y >= std::min(a.Y, b.Y) && y <= std::max(a.Y, b.Y))
                return int(std::lround(a.X + double(b.X - a.X) * (y - a.Y) / (b.Y - a.Y)));
        }
        return std::nullopt;
    };
    using enum mek::Line;
    struct Stage {
        const cooling::Lektion& lektion;
        int stufe;
        mek::Line links;
        std::optional<mek::Line> rechts; // nothing: cementite
    };
    const Stage stages[] = {
        { ekd06::lektion(), 0, JE, BC },
        { ekd06::lektion(), 1, PG, SG },
        { ekd12::lektion(), 0, JE, BC },
        { ekd12::lektion(), 1, SE, std::nullopt },
        { ekd30::lektion(), 0, JE, BC },
        { ekd30::lektion(), 1, SE, std::nullopt },
    };
    const int cementiteX = carbonX(cooling::projection(), mek::kZementitC);
    int rows = 0;
    for (const Stage& st : stages) {
        for (const cooling::Punkte& row : st.lektion.lauf.stufen[st.stufe].zeilen) {
            SCOPED_TRACE(testing::Message() << "stage " << st.stufe << " row " << row.y);
            ++rows;
            const std::optional<int> links = drawnX(st.links, row.y);
            ASSERT_TRUE(links);
            EXPECT_LE(std::abs(row.links - *links), 4);
            if (!st.rechts) {
                EXPECT_EQ(row.rechts, cementiteX);
                continue;
            }
            const std::optional<int> rechts = drawnX(*st.rechts, row.y);
            ASSERT_TRUE(rechts);
            EXPECT_LE(std::abs(row.rechts - *rechts), 4);
        }
    }
    EXPECT_EQ(rows, 18 + 6 + 36 + 36 + 17 + 45);
}
