// The austenitising lessons' runs without a form: the heating curves, boundary lines and typed
// curves of both continuous diagrams and the isotherms of the isothermal one, each against the
// lesson's table of resulting runs (ticks, telling points, dots and labels, on PaintBoxLog).
#include "tests/support/Harness.h"
#include "timetemp/UnitZTAconC045.h"
#include "timetemp/UnitZTAconC07.h"
#include "timetemp/UnitZTAisoC045.h"

#include <gtest/gtest.h>
#include <vector>

using namespace wb;
using namespace wb::zta;

namespace {

// The continuous diagrams' overlay is 358 × 198, the isothermal one's 358 × 160.
constexpr int kLogWidth = 358;
constexpr int kLogHeight = 198;
// The continuous diagrams' layout on PaintBoxHaupt's 750 × 500 pixels.
const ztaztu::DiagramLayout kLayout = ztaztu::computeLayout(ztacon::layoutRule(), 750, 500);

struct Played {
    int ticks = 0;
    std::vector<TPoint> lines; // LineTo targets
    std::vector<Box> dots;
    std::vector<TColor> fills;
    std::vector<TPoint> labels;
};

template <class Tick> Played play(const Tick& tick, std::span<const Label> labels, int x, float y = 0)
{
    Played p;
    while (p.ticks < 1000) {
        ++p.ticks;
        const CurveTick t = tick(x, y);
        if (t.draws)
            p.lines.push_back(t.to);
        for (int i = 0; i < t.dotCount; ++i) {
            p.dots.push_back(t.dots[i].box);
            p.fills.push_back(t.dots[i].fill);
        }
        if (t.ended) {
            for (const Label& label : labels)
                p.labels.push_back(labelAt(label, x, y));
            break;
        }
    }
    return p;
}

Played playCurve(const HeatingCurve& curve)
{
    return play([&](int& x, float& y) { return heatingTick(curve, x, y, kLogHeight); }, std::span(&curve.label, 1), 0,
        kLogHeight);
}

Played playLine(const BoundaryLine& line)
{
    return play([&](int& x, float& y) { return boundaryTick(line, x, y, kLayout); }, line.labels, line.startX);
}

// Whether `part` occurs in `whole` in this order, not necessarily side by side.
::testing::AssertionResult inOrder(const std::vector<TPoint>& whole, const std::vector<TPoint>& part)
{
    size_t i = 0;
    for (const TPoint& p : whole)
        if (i < part.size() && p == part[i])
            ++i;
    if (i == part.size())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the curve misses (" << part[i].X << ", " << part[i].Y << ")";
}

struct CurveRow {
    const char* name;
    const HeatingCurve& curve;
    int ticks;
    std::vector<TPoint> points; // the last one is where the curve ends
    std::vector<Box> dots;
    std::vector<TColor> fills;
    TPoint label;
};

const std::vector<CurveRow>& curveRows()
{
    const auto& c045 = ztacon045::lesson().curves;
    const auto& c07 = ztacon07::lesson().curves;
    // clang-format off
    static const std::vector<CurveRow> rows = {
        { "0.45 % C, 2.5 °C/min", c045[0], 256,
            { { 0, 197 }, { 137, 197 }, { 138, 196 }, { 200, 190 }, { 220, 180 }, { 241, 156 }, { 255, 122 } },
            { { 215, 179, 221, 185 }, { 237, 156, 243, 162 } }, { clBlue, clWhite }, { 206, 102 } },
        { "0.45 % C, 35 °C/min", c045[1], 66,
            { { 0, 198 }, { 72, 198 }, { 75, 197 }, { 150, 185 }, { 180, 150 }, { 195, 107 } },
            { { 157, 175, 163, 181 }, { 174, 154, 180, 160 } }, { clBlue, clWhite }, { 148, 87 } },
        { "0.45 % C, 900 °C/min", c045[2], 43,
            { { 0, 197 }, { 54, 192 }, { 90, 170 }, { 111, 130 }, { 126, 70 } },
            { { 88, 167, 94, 173 }, { 102, 144, 108, 150 } }, { clBlue, clWhite }, { 109, 70 } },
        { "0.70 % C, 2.5 °C/min", c07[0], 260, { { 0, 197 }, { 259, 108 } },
            { { 216, 179, 222, 185 }, { 226, 170, 232, 176 }, { 249, 129, 255, 135 } },
            { clBlue, clWhite, clWhite }, { 260, 88 } },
        // The faster curves' dots by the band of KurveY each passes once.
        { "0.70 % C, 35 °C/min", c07[1], 67, { { 0, 198 }, { 198, 95 } },
            { { 159, 174, 165, 180 }, { 167, 164, 173, 170 }, { 186, 125, 192, 131 } },
            { clBlue, clWhite, clWhite }, { 171, 75 } },
        { "0.70 % C, 900 °C/min", c07[2], 44, { { 0, 197 }, { 129, 52 } },
            { { 91, 163, 97, 169 }, { 98, 151, 104, 157 }, { 112, 116, 118, 122 } },
            { clBlue, clWhite, clWhite }, { 112, 37 } },
    };
    // clang-format on
    return rows;
}

struct LineRow {
    const char* name;
    const BoundaryLine& line;
    int ticks;
    TPoint start;
    std::vector<TPoint> points; // the last one is where the line ends
    std::vector<TPoint> labels;
};

const std::vector<LineRow>& lineRows()
{
    const auto& l045 = ztacon045::lesson().lines;
    const auto& l07 = ztacon07::lesson().lines;
    // The A(c1b) labels start one pixel right of the lesson's x − 40, inside the overlay.
    // clang-format off
    static const std::vector<LineRow> rows = {
        { "0.45 % C, A(c1b)", l045[0], 66, { 237, 184 }, { { 150, 178 }, { 90, 169 }, { 42, 160 } },
            { { 0, 150 }, { 39, 170 } } },
        { "0.45 % C, A(c3)/A(c1e)", l045[1], 70, { 250, 159 }, { { 151, 154 }, { 43, 133 } },
            { { 0, 113 }, { 40, 140 }, { 70, 146 } } },
        { "0.45 % C, homogeneous austenite", l045[2], 67, { 250, 147 }, { { 151, 122 }, { 100, 81 }, { 52, 24 } },
            { { 50, 24 }, { 139, 29 }, { 4, 59 } } },
        { "0.70 % C, A(c1b)", l07[0], 66, { 237, 183 }, { { 42, 153 } }, { { 0, 143 }, { 34, 173 } } },
        { "0.70 % C, A(c3)", l07[1], 70, { 250, 174 }, { { 43, 138 } }, { { 0, 118 }, { 40, 141 }, { 64, 147 } } },
        { "0.70 % C, A(c1e)", l07[2], 70, { 250, 132 }, { { 43, 104 } }, { { 10, 84 }, { 40, 113 } } },
        { "0.70 % C, homogeneous austenite", l07[3], 74, { 270, 117 }, { { 51, 4 } },
            { { 49, 4 }, { 88, 19 }, { 18, 39 } } },
    };
    // clang-format on
    return rows;
}

} // namespace

TEST(ZtaRuns, EachHeatingCurveGivesTheLessonsTicksPointsDotsAndLabel)
{
    for (const CurveRow& row : curveRows()) {
        SCOPED_TRACE(row.name);
        const Played p = playCurve(row.curve);
        EXPECT_EQ(p.ticks, row.ticks);
        EXPECT_TRUE(inOrder(p.lines, row.points));
        ASSERT_FALSE(p.lines.empty());
        EXPECT_EQ(p.lines.back(), row.points.back()) << "the curve's last line ends at its last telling point";
        EXPECT_EQ(p.dots, row.dots);
        EXPECT_EQ(p.fills, row.fills);
        ASSERT_EQ(p.labels.size(), 1u);
        EXPECT_EQ(p.labels[0], row.label);
    }
}

TEST(ZtaRuns, EachBoundaryLineStartsWhereTheLessonSaysAndEndsWithItsLabels)
{
    for (const LineRow& row : lineRows()) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(boundaryStart(row.line, kLayout), row.start);
        const Played p = playLine(row.line);
        EXPECT_EQ(p.ticks, row.ticks);
        ASSERT_FALSE(p.lines.empty());
        EXPECT_EQ(p.lines.front(), row.start) << "the first tick draws at the start column";
        EXPECT_TRUE(inOrder(p.lines, row.points));
        EXPECT_EQ(p.lines.back(), row.points.back());
        EXPECT_EQ(p.labels, row.labels);
    }
}

TEST(ZtaRuns, TheBoundaryLinesAreTheSteelsZtaLinesAsTheLessonsDrewThem)
{
    // The lessons drew each line as H − k · (X − vertex)² − inset on the overlay 198 pixels high:
    // the steel's parabola gives the same pixels at every column the line takes, and its y within
    // a thousandth of a pixel.
    struct Drawn {
        const char* name;
        const BoundaryLine& line;
        double k;
        int vertex;
        double inset;
    };
    const auto& l045 = ztacon045::lesson().lines;
    const auto& l07 = ztacon07::lesson().lines;
    const Drawn drawn[] = {
        { "0.45 % C, A(c1b)", l045[0], 0.0005, 262, 14 },
        { "0.45 % C, A(c3)/A(c1e)", l045[1], 0.0007, 235, 39 },
        { "0.45 % C, homogeneous austenite", l045[2], 0.0037, 235, 50 },
        { "0.70 % C, A(c1b)", l07[0], 0.0006, 270, 14 },
        { "0.70 % C, A(c3)", l07[1], 0.0007, 270, 24 },
        { "0.70 % C, A(c1e)", l07[2], 0.0005, 280, 66 },
        { "0.70 % C, homogeneous austenite", l07[3], 0.002, 290, 80 },
    };
    for (const Drawn& d : drawn) {
        SCOPED_TRACE(d.name);
        for (int x = d.line.startX; x >= d.line.endAt; x -= 3) {
            const double recorded = kLogHeight - d.k * (x - d.vertex) * (x - d.vertex) - d.inset;
            const double y = boundaryY(d.line, x, kLayout);
            EXPECT_EQ(Round(float(y)), Round(float(recorded))) << "x = " << x;
            EXPECT_NEAR(y, recorded, 1e-3) << "x = " << x;
        }
    }
}

TEST(ZtaRuns, TheIsothermalDiagramsLinesAreTheSteelsAsTheLessonDrewThem)
{
    // The lesson drew each line through these pixels (head, then tail) and as the parabola
    // c − k · (x − x1)² per column, in single precision and rounded.
    struct Drawn {
        const char* name;
        std::vector<TPoint> head;
        double c, k;
        int x1;
        std::vector<TPoint> tail;
    };
    // clang-format off
    const Drawn drawn[] = {
        { "A(c1b)", { { 400, 167 }, { 411, 168 }, { 422, 171 }, { 432, 172 } }, 202, 0.00042, 690, {} },
        { "A(c1e)", { { 400, 153 }, { 411, 154 }, { 432, 158 } }, 188, 0.00045, 690, {} },
        { "A(c3)", { { 400, 126 }, { 422, 127 }, { 432, 129 }, { 443, 132 }, { 454, 135 } }, 181, 0.00045, 775,
            { { 687, 178 }, { 719, 178 } } },
        { "homogeneous austenite", {}, 175, 0.0018, 715, { { 687, 173 }, { 719, 175 } } },
    };
    // clang-format on
    const ztaztu::DiagramLayout l = ztaztu::computeLayout(ztaiso045::layoutRule(), 750, 500);
    const auto lines = model::c45IsothermalAustenitising().lines;
    const auto how = ztaiso045::boundaryLines();
    ASSERT_EQ(lines.size(), std::size(drawn));
    for (size_t i = 0; i < lines.size(); ++i) {
        const Drawn& d = drawn[i];
        SCOPED_TRACE(d.name);
        EXPECT_EQ(ztaztu::project(l, lines[i].head, kBottomCelsius), d.head);
        EXPECT_EQ(ztaztu::project(l, lines[i].tail, kBottomCelsius), d.tail);
        for (int x = how[i].firstX; x <= how[i].lastX; ++x)
            EXPECT_EQ(staticLineY(lines[i], l, x), RoundSingle(d.c - d.k * (x - d.x1) * (x - d.x1))) << "x = " << x;
    }
}

TEST(ZtaRuns, TheAutomaticSequencesTakeTheirTicks)
{
    // Three curves, then the lines: 568 ticks at 0.45 % C, 651 with the fourth line at 0.70 % C.
    for (const auto* lesson : { &ztacon045::lesson(), &ztacon07::lesson() }) {
        int ticks = 0;
        for (const HeatingCurve& c : lesson->curves)
            ticks += playCurve(c).ticks;
        for (const BoundaryLine& l : lesson->lines)
            ticks += playLine(l).ticks;
        EXPECT_EQ(ticks, lesson->lines.size() == 3 ? 568 : 651);
    }
    // After the last curve the pen goes to A(c1b)'s start: at 0.45 % C by a formula of its own,
    // H − 0.0006 · (237 − 262)² − 14 = 183.6, which rounds where the line's own y does.
    EXPECT_EQ(ztacon045::lesson().linesStart, boundaryStart(ztacon045::lesson().lines[0], kLayout));
    // After a typed curve: H − 0.0006 · (237 − 270)² − 14 = 183.3, one pixel above the line's own
    // start, so its first tick draws a one-pixel step.
    EXPECT_EQ(ztacon045::lesson().typedLinesStart, (TPoint { 237, 183 }));
}

namespace {

struct TypedRow {
    const char* name;
    const TypedCurve& curve;
    double rate;
    int ticks;
    TPoint end;
    TPoint label;
    TPoint typed;
};

} // namespace

TEST(ZtaRuns, ATypedRateEndsAboveItsLimitWithItsLabelWhereTheLessonPutsIt)
{
    const TypedCurve& t045 = ztacon045::lesson().typed;
    const TypedCurve& t07 = ztacon07::lesson().typed;
    // At 0.45 % C every accepted rate ends by KurveY < 77, the label right of the end; at
    // 0.70 % C by KurveY < 53, the label below and left of it.
    // clang-format off
    const TypedRow rows[] = {
        { "0.45 % C, 2", t045, 2, 91, { 270, 65 }, { 253, 63 }, { 281, 63 } },
        { "0.45 % C, 100", t045, 100, 60, { 177, 72 }, { 160, 70 }, { 188, 70 } },
        { "0.45 % C, 999", t045, 999, 42, { 123, 72 }, { 106, 70 }, { 134, 70 } },
        { "0.70 % C, 2", t07, 2, 92, { 273, 47 }, { 196, 82 }, { 224, 82 } },
        { "0.70 % C, 100", t07, 100, 62, { 183, 35 }, { 106, 70 }, { 134, 70 } },
        { "0.70 % C, 999", t07, 999, 44, { 129, 35 }, { 52, 70 }, { 80, 70 } },
    };
    // clang-format on
    for (const TypedRow& row : rows) {
        SCOPED_TRACE(row.name);
        const Label typedText { row.curve.typedText.X, row.curve.typedText.Y, nullptr, Look::WhiteOnGreen };
        const Label labels[] = { row.curve.label, typedText };
        const Played p
            = play([&](int& x, float& y) { return typedTick(row.curve, row.rate, x, y, kLogWidth, kLogHeight); },
                labels, 0, kLogHeight);
        EXPECT_EQ(p.ticks, row.ticks);
        ASSERT_FALSE(p.lines.empty());
        EXPECT_EQ(p.lines.back(), row.end);
        EXPECT_EQ(p.labels, (std::vector<TPoint> { row.label, row.typed }));
    }
}

namespace {

struct IsoRow {
    ztaiso045::Temperature t;
    const char* name;
    int ticks;
    std::vector<TPoint> points; // heating up, then the end of the holding line
    std::vector<Box> dots;
    std::vector<TColor> fills;
    TPoint label;
};

} // namespace

TEST(ZtaRuns, EachIsothermRisesToItsTemperatureHoldsAndEndsWithItsDotsAndLabel)
{
    using ztaiso045::Temperature;
    // The isothermal layout: rows of 76 pixels from the panel's top at 20 to the bottom at 400.
    ztaztu::DiagramLayout l = ztaztu::computeLayout(ztaiso045::layoutRule(), 750, 500);
    // clang-format off
    const IsoRow rows[] = {
        { Temperature::T800, "800 °C", 97, { { 0, 152 }, { 288, 152 } },
            { { 18, 149, 24, 155 }, { 93, 149, 99, 155 }, { 228, 149, 234, 155 } }, { clBlue, clWhite, clBlue },
            { 296, 142 } },
        // The white dot lies half outside the overlay.
        { Temperature::T850, "850 °C", 90, { { 0, 133 }, { 267, 133 } },
            { { -3, 130, 3, 136 }, { 123, 130, 129, 136 } }, { clWhite, clBlue }, { 280, 123 } },
        { Temperature::T900, "900 °C", 87, { { 0, 114 }, { 258, 114 } }, { { 42, 111, 48, 117 } }, { clBlue },
            { 271, 106 } },
    };
    // clang-format on
    for (const IsoRow& row : rows) {
        SCOPED_TRACE(row.name);
        const Isotherm& iso = ztaiso045::isotherm(row.t);
        const Played p
            = play([&](int& x, float& y) { return isothermTick(iso, l, x, y); }, std::span(&iso.label, 1), 0, 160);
        EXPECT_EQ(p.ticks, row.ticks);
        ASSERT_FALSE(p.lines.empty());
        EXPECT_EQ(p.lines.front(), row.points.front()) << "the first tick draws the heating line up to the isotherm";
        EXPECT_EQ(p.lines.back(), row.points.back());
        for (const TPoint& pt : p.lines)
            EXPECT_EQ(pt.Y, row.points.front().Y) << "held at one temperature";
        EXPECT_EQ(p.dots, row.dots);
        EXPECT_EQ(p.fills, row.fills);
        ASSERT_EQ(p.labels.size(), 1u);
        EXPECT_EQ(p.labels[0], row.label);
    }
}

namespace {

// The scales and the steel corner as a form with this layout rule draws them, without the ZTA
// panel's own temperature scale.
void drawSteelCorner(wbtest::PixelCanvas& p, const ztaztu::LayoutRule& rule)
{
    drawScalesAndSteelCorner(p.canvas, ztaztu::computeLayout(rule, p.image.width(), p.image.height()), {});
}

} // namespace

TEST(ZtaSteelCorner, MovesWithTheEkdPanelWhileTheTimeAxisStays)
{
    wbtest::PixelCanvas con(750, 500), iso(750, 500);
    drawSteelCorner(con, ztacon::layoutRule());
    drawSteelCorner(iso, ztaiso045::layoutRule());
    // The eutectoid line at 0.8 % C runs down from 722 °C (y 202) at x = 162 in the continuous
    // diagrams, whose EKD panel starts at x = 50; the isothermal one's starts at x = 40.
    EXPECT_EQ(con.at(162, 300), ztaztu::kDunkel);
    EXPECT_EQ(iso.at(152, 300), ztaztu::kDunkel);
    EXPECT_EQ(iso.at(162, 300), clWhite);
    // Everything left of the ZTA panel is the same picture 10 pixels further left; the time axis
    // under the ZTA panel is where it was.
    int wrong = 0;
    for (int y = 0; y < 500; ++y) {
        for (int x = 0; x < 750; ++x) {
            const TColor want = x < 380 ? con.at(x + 10, y) : con.at(x, y);
            if (iso.at(x, y) != want && wrong++ == 0)
                ADD_FAILURE() << "first wrong pixel at (" << x << ", " << y << ")";
        }
    }
    EXPECT_EQ(wrong, 0);
}
