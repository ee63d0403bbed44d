// The thermal-analysis run of both lessons without a form: curve segments and their kinks,
// the stage lengths, the connecting lines, the diagram painters, the static and final pictures
// and a repaint in the middle of a run.
#include "phase/UnitAbZUTYP1.h"
#include "phase/UnitAbZUTYP2.h"
#include "tests/support/Harness.h"

#include <gtest/gtest.h>
#include <vector>

using namespace wb;
using namespace wb::thermal;

namespace {

const Lesson& typ1()
{
    return abzutyp1::lesson();
}
const Lesson& typ2()
{
    return abzutyp2::lesson();
}

// Every point one curve draws, tick by tick, until it is complete.
std::vector<CurveTick> allTicks(const CoolingCurve& curve)
{
    CurveState s = startState(curve);
    std::vector<CurveTick> ticks;
    do {
        ticks.push_back(stepCurve(curve, s));
    } while (!ticks.back().finished && ticks.size() < 1000);
    return ticks;
}

std::vector<TPoint> allPoints(const CoolingCurve& curve)
{
    std::vector<TPoint> points;
    for (const CurveTick& t : allTicks(curve))
        for (int i = 0; i < t.count; ++i)
            points.push_back(t.points[size_t(i)]);
    return points;
}

// The run as the lesson's timers play it, one millisecond at a time: the curves one after the
// other, then the connecting lines, then the three painters in creation order (red, melt,
// solid). A stage enabled in the last tick of the one before ticks first one millisecond later.
class Playback {
public:
    Playback(TCanvas& canvas, const Lesson& lesson)
        : m_c(canvas)
        , m_lesson(lesson)
        , m_s(startState(lesson))
    {
    }

    void tick()
    {
        ++m_ms;
        switch (m_stage) {
        case Stage::Curves:
            if (tickCurve(m_c, m_lesson, m_s, m_curve)) {
                stageEnds.push_back(m_ms);
                if (++m_curve == kKurven)
                    m_stage = Stage::Connections;
            }
            break;
        case Stage::Connections:
            if (tickConnections(m_c, m_lesson, m_s)) {
                stageEnds.push_back(m_ms);
                m_stage = Stage::Diagram;
            }
            break;
        case Stage::Diagram:
            if (m_liquidus && tickLiquidus(m_c, m_lesson, m_s)) {
                m_liquidus = false;
                painterEnds.push_back(m_ms);
            }
            if (m_melt && tickMelt(m_c, m_lesson, m_s)) {
                m_melt = false;
                painterEnds.push_back(m_ms);
            }
            if (tickSolid(m_c, m_lesson, m_s)) {
                painterEnds.push_back(m_ms);
                stageEnds.push_back(m_ms);
                paintFinal(m_c, m_lesson);
                m_stage = Stage::Done;
            }
            break;
        case Stage::Done:
            break;
        }
    }
    void runTo(int ms)
    {
        while (m_ms < ms)
            tick();
    }
    void runToEnd()
    {
        while (m_stage != Stage::Done && m_ms < 5000)
            tick();
    }
    bool done() const { return m_stage == Stage::Done; }

    std::vector<int> stageEnds;
    std::vector<int> painterEnds;

private:
    enum class Stage { Curves, Connections, Diagram, Done };
    TCanvas& m_c;
    const Lesson& m_lesson;
    RunState m_s;
    Stage m_stage = Stage::Curves;
    int m_curve = 0;
    int m_ms = 0;
    bool m_liquidus = true;
    bool m_melt = true;
};

// A canvas the size of PaintBoxHaupt, in the form colour the paint box hands its brush.
struct Diagram765 {
    wbtest::PixelCanvas box { 765, 410, kLessonColor };
    Diagram765() { box.canvas.Brush.SetColor(kLessonColor); }
    TCanvas& c() { return box.canvas; }
};

} // namespace

TEST(ThermalAnalysis, CurveStagesEndAtTheirTicks)
{
    struct Case {
        const char* name;
        const Lesson& lesson;
        std::vector<int> ticks; // of each curve, A ... B
        std::vector<int> lastX; // the x of each curve's last point
    };
    // Type 1: A steps its melt segment 9 times (11 -> 20), holds 30 (20 -> 50) and cools 61
    // (50 -> 111); the two kink ticks draw two points each, so 9 + 30 + 61 - 2 = 98 ticks. The
    // alloys: (85 - 71) + (125 - 85) + (170 - 125) - 2 = 97, and so on. A ends one past 110
    // (its test is x > 110), the others exactly at their end x.
    // Type 2: A (20 - 9) + 30 + 61 - 2 = 100; L1 20 + 56 + 4 + 20 - 3 = 97; the eutectic L3
    // 45 + 35 + 20 - 2 = 98; B 22 + 28 + 50 - 2 = 98.
    const Case cases[] = {
        { "type 1", typ1(), { 98, 97, 97, 97, 97, 97 }, { 111, 170, 230, 290, 350, 410 } },
        { "type 2", typ2(), { 100, 97, 97, 98, 97, 98 }, { 111, 170, 230, 290, 350, 410 } },
    };
    for (const Case& c : cases) {
        for (int k = 0; k < kKurven; ++k) {
            SCOPED_TRACE(std::string(c.name) + ", curve " + std::to_string(k));
            const CoolingCurve& curve = c.lesson.curves[size_t(k)];
            const std::vector<CurveTick> ticks = allTicks(curve);
            EXPECT_EQ(int(ticks.size()), c.ticks[size_t(k)]);
            const std::vector<TPoint> points = allPoints(curve);
            ASSERT_FALSE(points.empty());
            EXPECT_EQ(points.back().X, c.lastX[size_t(k)]);
            // One pixel to the right per point: no x is left out or drawn twice.
            for (size_t i = 1; i < points.size(); ++i)
                ASSERT_EQ(points[i].X, points[i - 1].X + 1) << "point " << i;
            // Only a kink tick draws two points, one per kink.
            int doubles = 0;
            for (const CurveTick& t : ticks)
                doubles += t.count == 2 ? 1 : 0;
            EXPECT_EQ(doubles, curve.segmentCount - 1);
        }
    }
}

TEST(ThermalAnalysis, KinkTicksDrawTheLastPointOfOneSegmentAndTheFirstOfTheNext)
{
    struct Case {
        const char* what;
        const CoolingCurve& curve;
        int tick; // from 1
        TPoint first;
        TPoint second;
    };
    const Case cases[] = {
        // Type 1 A: [-0.0064 * 340^2 + 840] = [100.16]; then the arrest at 100.
        { "type 1 A, melt to arrest", typ1().curves[0], 9, { 20, 100 }, { 21, 100 } },
        // End of the arrest; [-0.007 * 319^2 + 813] = [100.67].
        { "type 1 A, arrest to solid", typ1().curves[0], 38, { 50, 100 }, { 51, 101 } },
        // L3 jumps: [-0.0173 * 84^2 + 283] = [160.93], [0.0047 * 151^2 + 52] = [159.16].
        { "type 1 L3 jumps up", typ1().curves[3], 29, { 220, 161 }, { 221, 159 } },
        // L4: [-0.022 * 65^2 + 295] = [202.05], [0.0049 * 86^2 + 165] = [201.24].
        { "type 1 L4 jumps up", typ1().curves[4], 39, { 290, 202 }, { 291, 201 } },
        // Type 2 L1: melt height at 89 drawn at 90, [-0.0104 * 235^2 + 730] = [155.66]; then
        // [0.006 * 138^2 + 46] = [160.26].
        { "type 2 L1, melt to crystallisation", typ2().curves[1], 20, { 90, 156 }, { 91, 160 } },
        // [0.006 * 193^2 + 46] = [269.49], then the eutectic arrest at 270.
        { "type 2 L1, crystallisation to arrest", typ2().curves[1], 75, { 146, 269 }, { 147, 270 } },
        // [-0.013 * 149^2 + 562] = [273.39].
        { "type 2 L1, arrest to solid", typ2().curves[1], 78, { 150, 270 }, { 151, 273 } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<CurveTick> ticks = allTicks(c.curve);
        ASSERT_GE(int(ticks.size()), c.tick);
        const CurveTick& t = ticks[size_t(c.tick - 1)];
        ASSERT_EQ(t.count, 2);
        EXPECT_EQ(t.points[0], c.first);
        EXPECT_EQ(t.points[1], c.second);
    }
}

TEST(ThermalAnalysis, CurvesStartWhereTheirPenStands)
{
    // Type 2 A's pen starts at [-0.009 * 351^2 + 1170] = [61.19] but the curve has 1160: its
    // first point is [57.5] = 58 (half to even), a jump of three pixels, kept as it is. The
    // alloys take their melt height at the x before the step: L1's first point is level with
    // its start, [-0.0104 * 254^2 + 730] = [59.03].
    EXPECT_EQ(typ2().curves[0].start, (TPoint { 9, 61 }));
    EXPECT_EQ(allPoints(typ2().curves[0]).front(), (TPoint { 10, 58 }));
    EXPECT_EQ(allPoints(typ2().curves[1]).front(), (TPoint { 71, 59 }));
    // Type 1 takes the height at the new x: A's first point [-0.0064 * 348^2 + 840] = [64.93].
    EXPECT_EQ(allPoints(typ1().curves[0]).front(), (TPoint { 12, 65 }));
    // Each next curve starts at its own melt height at its first x.
    for (int k = 1; k < kKurven; ++k) {
        const CoolingCurve& c = typ2().curves[size_t(k)];
        EXPECT_EQ(c.start.Y, c.segments[0].f.at(c.segments[0].startX)) << "curve " << k;
    }
}

TEST(ThermalAnalysis, PureMetalsAndEutecticAlloyArrestAtOneTemperature)
{
    struct Case {
        const char* what;
        const CoolingCurve& curve;
        int fromX, toX, y;
    };
    const Case cases[] = {
        { "type 1 A", typ1().curves[0], 21, 50, 100 },
        { "type 1 B", typ1().curves[5], 361, 390, 250 },
        { "type 2 A", typ2().curves[0], 21, 50, 120 },
        { "type 2 B", typ2().curves[5], 333, 360, 150 },
        { "type 2 L1 eutectic", typ2().curves[1], 147, 150, 270 },
        { "type 2 L3 eutectic alloy", typ2().curves[3], 236, 270, 270 },
        { "type 2 L4 eutectic", typ2().curves[4], 326, 335, 270 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const TPoint p : allPoints(c.curve)) {
            if (p.X >= c.fromX && p.X <= c.toX) {
                EXPECT_EQ(p.Y, c.y) << "x = " << p.X;
            }
        }
    }
}

TEST(ThermalAnalysis, ConnectingLinesAreCompleteWhenTheLeadingOneIs)
{
    struct Case {
        const char* name;
        const Lesson& lesson;
        int ticks;
    };
    // Type 1's first line runs 20 -> 450, type 2's eutectic line 145 -> 690.
    for (const Case& c : { Case { "type 1", typ1(), 430 }, Case { "type 2", typ2(), 545 } }) {
        SCOPED_TRACE(c.name);
        std::vector<int> x;
        for (const Connection& l : c.lesson.connections)
            x.push_back(l.from.X);
        int ticks = 0;
        bool done = false;
        while (!done && ticks < 1000) {
            ++ticks;
            for (size_t i = 0; i < x.size(); ++i) {
                stepConnection(c.lesson.connections[i], x[i]);
                if (int(i) == c.lesson.leadingConnection && x[i] == c.lesson.connections[i].to.X)
                    done = true;
            }
        }
        EXPECT_EQ(ticks, c.ticks);
        for (size_t i = 0; i < x.size(); ++i)
            EXPECT_EQ(x[i], c.lesson.connections[i].to.X) << "line " << i;
    }
}

TEST(ThermalAnalysis, EutecticLineCirclesTheFourArrestsAtOnceAndEachAlloyItReaches)
{
    const Connection& line = typ2().connections[3];
    int x = line.from.X;
    const ConnectionTick first = stepConnection(line, x);
    ASSERT_EQ(first.startCount, 4);
    EXPECT_EQ(first.startCircles[0], (TPoint { 145, 270 }));
    EXPECT_EQ(first.startCircles[1], (TPoint { 200, 270 }));
    EXPECT_EQ(first.startCircles[2], (TPoint { 235, 270 }));
    EXPECT_EQ(first.startCircles[3], (TPoint { 325, 270 }));
    EXPECT_TRUE(first.grows);
    EXPECT_EQ(first.fromX, 145);
    std::vector<int> circles;
    for (int t = 2; t <= 545; ++t)
        if (stepConnection(line, x).reachCircle)
            circles.push_back(x);
    EXPECT_EQ(circles, (std::vector<int> { 510, 570, 630, 690 }));
    // An ordinary line circles its end again on every tick after it got there.
    const Connection& a = typ2().connections[0];
    int ax = a.to.X;
    EXPECT_TRUE(stepConnection(a, ax).reachCircle);
    EXPECT_FALSE(stepConnection(a, ax).grows);
}

TEST(ThermalAnalysis, DiagramPaintersTakeTheirColumnsInStep)
{
    struct Case {
        const char* name;
        const Lesson& lesson;
        int ticks;
    };
    // Type 1: x 450 ... 750 before the step, 301 columns. Type 2: u 350 ... 648, 299.
    for (const Case& c : { Case { "type 1", typ1(), 301 }, Case { "type 2", typ2(), 299 } }) {
        SCOPED_TRACE(c.name);
        const Diagram& d = c.lesson.diagram;
        for (const Trace* t : { &d.liquidus, &d.lower, &d.melt, &d.solid }) {
            TraceState s = startState(*t);
            int ticks = 0;
            while (!traceDone(*t, s) && ticks < 1000) {
                stepTrace(*t, s);
                ++ticks;
            }
            EXPECT_EQ(ticks, c.ticks);
        }
    }
}

TEST(ThermalAnalysis, LiquidusBranchesHandOverInOneTick)
{
    const Diagram& d = typ2().diagram;
    TraceState liq = startState(d.liquidus);
    TraceState melt = startState(d.melt);
    TraceTick l, m;
    for (int t = 1; t <= 181; ++t) {
        l = stepTrace(d.liquidus, liq);
        m = stepTrace(d.melt, melt);
    }
    // Tick 181: branch A's last step (u 530 -> 531, height at 530: [0.001 * 508^2 + 12] =
    // [270.06]) and branch B's first (v 530 -> 531, [0.002 * 309^2 + 79] = [269.96]), both at
    // x = 631. The melt columns stop four and one pixel above.
    ASSERT_EQ(l.count, 2);
    EXPECT_EQ(l.points[0], (TPoint { 631, 270 }));
    EXPECT_EQ(l.points[1], (TPoint { 631, 270 }));
    ASSERT_EQ(m.count, 2);
    EXPECT_EQ(m.points[0], (TPoint { 631, 266 }));
    EXPECT_EQ(m.points[1], (TPoint { 631, 269 }));
    l = stepTrace(d.liquidus, liq);
    ASSERT_EQ(l.count, 1);
    EXPECT_EQ(l.points[0].X, 632);
}

TEST(ThermalAnalysis, StaticPictureBandsAndPanels)
{
    struct Case {
        const char* name;
        const Lesson& lesson;
        TColor panelEdge; // column 420 and the right panel's outline
    };
    // Type 1 outlines the right panel in the colour of the last band row the loop reaches,
    // y = 420 below the box: red 905 - 840 = 65. Type 2 whitens the panel first.
    for (const Case& c : { Case { "type 1", typ1(), RGB(65, 0, 0) }, Case { "type 2", typ2(), clWhite } }) {
        SCOPED_TRACE(c.name);
        Diagram765 d;
        paintStatic(d.c(), c.lesson.staticPicture);
        EXPECT_EQ(d.box.at(420, 200), c.panelEdge);
        EXPECT_EQ(d.box.at(764, 200), c.panelEdge);
        EXPECT_EQ(d.box.at(600, 0), c.panelEdge);
        EXPECT_EQ(d.box.at(600, 200), clWhite);
        EXPECT_EQ(d.box.at(419, 200), RGB(255, 125, 0)); // green 325 - 200
        EXPECT_EQ(d.box.at(300, 30), clYellow);
        EXPECT_EQ(d.box.at(300, 70), clYellow); // 70 is in both bands: (255, 255, 0) either way
        EXPECT_EQ(d.box.at(300, 325), clRed); // 325 too: (255, 0, 0)
        EXPECT_EQ(d.box.at(300, 380), RGB(145, 0, 0)); // 905 - 760
        EXPECT_EQ(d.box.at(300, 409), RGB(87, 0, 0)); // the box's last row, 905 - 818
        EXPECT_EQ(d.box.at(200, 350), clBlack); // time axis
        EXPECT_EQ(d.box.at(5, 200), clBlack); // temperature axis
        EXPECT_EQ(d.box.at(600, 350), clBlack); // concentration axis
        EXPECT_EQ(d.box.at(570, 200), clBlack); // the L2 composition line
        EXPECT_EQ(d.box.at(570, 39), clWhite); // which ends below y = 40
        EXPECT_EQ(d.c().Font.Height(), 14) << "the final picture's texts take this height";
    }
}

TEST(ThermalAnalysis, TimeAxisLabelOnItsOwnColours)
{
    // "Zeit" at (380, 355): type 1 yellow on #B10000, type 2 white on #C80000. The cell's
    // top-left pixel is background; somewhere in it is the letter colour.
    struct Case {
        const Lesson& lesson;
        TColor cell;
        TColor letters;
    };
    for (const Case& c : { Case { typ1(), RGB(0xB1, 0, 0), clYellow }, Case { typ2(), RGB(0xC8, 0, 0), clWhite } }) {
        Diagram765 d;
        paintStatic(d.c(), c.lesson.staticPicture);
        EXPECT_EQ(d.box.at(380, 355), c.cell);
        bool letters = false;
        for (int y = 355; y < 371; ++y)
            for (int x = 380; x < 410; ++x)
                letters = letters || d.box.at(x, y) == c.letters;
        EXPECT_TRUE(letters);
    }
}

TEST(ThermalAnalysis, RunStagesEndAtTheirMilliseconds)
{
    struct Case {
        const char* name;
        const Lesson& lesson;
        std::vector<int> ends; // six curves, connecting lines, diagram
    };
    // Each stage's first tick is one millisecond after the last tick of the one before: type 1
    // 98, then 97 per curve, 430 connecting ticks to 1013, 301 diagram ticks to 1314. Type 2
    // 100, 97, 97, 98, 97, 98, then 545 to 1132 and 299 to 1431.
    const Case cases[] = {
        { "type 1", typ1(), { 98, 195, 292, 389, 486, 583, 1013, 1314 } },
        { "type 2", typ2(), { 100, 197, 294, 392, 489, 587, 1132, 1431 } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Diagram765 d;
        paintStatic(d.c(), c.lesson.staticPicture);
        Playback run(d.c(), c.lesson);
        run.runToEnd();
        EXPECT_TRUE(run.done());
        EXPECT_EQ(run.stageEnds, c.ends);
        // The three painters take their last steps in the same millisecond.
        EXPECT_EQ(run.painterEnds, std::vector<int>(3, c.ends.back()));
    }
}

TEST(ThermalAnalysis, FinishedDiagramsFields)
{
    struct Probe {
        int x, y;
        TColor color;
        const char* why;
    };
    struct Case {
        const char* name;
        const Lesson& lesson;
        std::vector<Probe> probes;
    };
    const TColor gelb = RGB(0xFF, 0xE1, 0x00);
    const TColor braun = RGB(0x64, 0x00, 0x00);
    const Case cases[] = {
        { "type 1", typ1(),
            {
                { 480, 80, gelb, "melt: the column at 480 hangs from 60 to [liq(479)] - 3 = 101" },
                { 655, 210, clRed, "two-phase field: liquidus [178] to solidus [228] at 655" },
                { 480, 300, braun, "solid: from 349 up to [sol(479)] - 2 = 124" },
                { 449, 200, clRed, "the 5-pixel frame at x = 449" },
                { 200, 300, RGB(255, 25, 0), "band row 300 of the left panel, untouched" },
                { 100, 123, clBlack, "curve L1 at x = 100: [0.0036 * 135^2 + 57] = [122.61]" },
                { 203, 100, clPurple,
                    "A's connecting line where the silver dots (3 on, 3 off from x = 20) leave a gap" },
                { 200, 100, clSilver, "and where they fall" },
                { 18, 100, clBlue, "the filling of A's start circle, left of the silver line through its centre" },
            } },
        { "type 2", typ2(),
            {
                { 480, 80, gelb, "melt: u = 380, from 60 to [liqA(379)] - 4 = 136" },
                { 520, 195, clRed, "two-phase field: liquidus [170] to the eutectic line at 268" },
                { 480, 300, braun, "solid: from 349 up to 268" },
                { 449, 200, clRed, "the frame" },
                { 200, 300, RGB(255, 25, 0), "band row 300" },
                { 180, 233, clBlack, "curve L2 at x = 180: [0.017 * 40^2 + 206] = [233.2]" },
                { 198, 270, clBlue, "the circle on L2's eutectic arrest at x = 200" },
            } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Diagram765 d;
        paintStatic(d.c(), c.lesson.staticPicture);
        Playback run(d.c(), c.lesson);
        run.runToEnd();
        for (const Probe& p : c.probes)
            EXPECT_EQ(colorToHex(d.box.at(p.x, p.y)).toStdString(), colorToHex(p.color).toStdString())
                << p.why << " at " << p.x << ", " << p.y;
    }
}

TEST(ThermalAnalysis, ARepaintMidRunLeavesNoStrayLineAndTheSameFinalPicture)
{
    // A repaint moves the canvas pen to the end of the last label. The run goes on from its
    // own last point, so every pixel of the finished picture is either what a run without the
    // repaint leaves, or (where only the erased part had drawn) the static picture.
    struct Case {
        const char* name;
        const Lesson& lesson;
        int repaintAt; // ms after the start
    };
    const Case cases[] = {
        { "type 1, in curve L2", typ1(), 250 },
        { "type 1, in the connecting lines", typ1(), 800 },
        { "type 1, in the diagram", typ1(), 1100 },
        { "type 2, in curve L3", typ2(), 350 },
        { "type 2, in the diagram", typ2(), 1300 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Diagram765 still;
        paintStatic(still.c(), c.lesson.staticPicture);
        Diagram765 plain;
        paintStatic(plain.c(), c.lesson.staticPicture);
        Playback plainRun(plain.c(), c.lesson);
        plainRun.runTo(c.repaintAt);
        const QImage beforeRepaint = plain.box.image.copy();
        const TPoint runPen = plain.c().PenPos();
        plainRun.runToEnd();

        Diagram765 repainted;
        paintStatic(repainted.c(), c.lesson.staticPicture);
        Playback run(repainted.c(), c.lesson);
        run.runTo(c.repaintAt);
        repainted.c().Brush.SetColor(kLessonColor);
        paintStatic(repainted.c(), c.lesson.staticPicture);
        ASSERT_NE(repainted.c().PenPos(), runPen) << "the repaint moved the canvas pen";
        run.runToEnd();
        EXPECT_EQ(run.stageEnds, plainRun.stageEnds);

        int erased = 0;
        for (int y = 0; y < 410; ++y) {
            for (int x = 0; x < 765; ++x) {
                const TColor now = repainted.box.at(x, y);
                const TColor full = plain.box.at(x, y);
                if (now == full)
                    continue;
                ASSERT_EQ(colorToHex(now), colorToHex(still.box.at(x, y))) << "stray pixel at " << x << ", " << y;
                ASSERT_EQ(colorToHex(fromPixel(beforeRepaint.pixel(x, y))), colorToHex(full))
                    << "at " << x << ", " << y << " only what was drawn before the repaint is missing";
                ++erased;
            }
        }
        EXPECT_GT(erased, 0) << "the repaint erased the part drawn before it";
    }
}
