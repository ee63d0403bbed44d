// Pure iron, driven directly on a fresh form: the static picture and layout, the curve engine
// with its joins and rounding, the label and lattice rows, the item rules, Esc, "&Neu" and a
// repaint in the middle of a run.
#include "framework/FormAccess.h"
#include "framework/Timers.h"
#include "ironcarbon/UnitReineisen.h"
#include "tests/support/Program.h"

#include <QRect>
#include <QScrollBar>
#include <QTextEdit>
#include <algorithm>
#include <cstdlib>
#include <ostream>
#include <set>

namespace wb {
void PrintTo(const TPoint& p, std::ostream* os)
{
    *os << "(" << p.X << ", " << p.Y << ")";
}
} // namespace wb

using namespace wb;

namespace {

using Lauf = TFormReineisen::Lauf;

constexpr TColor kBand70 = RGB(255, 255, 0); // every band row from 21 to 70 is pure yellow

class Reineisen : public wbtest::LessonTest<TFormReineisen> {
protected:
    // Shows the form again after a test closed it.
    void open()
    {
        f.Show();
        Application.flushPendingPaints();
    }
    // Starts a run; ticks(n) then runs its ticks 0 ... n - 1.
    void start(Lauf lauf) { (lauf == TFormReineisen::Abkuehlen ? f.Abkuehlung : f.Aufheizung).Click(); }
    void ticks(int n) { Scheduler::instance().advance(100 * n); }
    void runToEnd() { Scheduler::instance().runUntilIdle(20000); }

    TColor diagram(int x, int y) { return at(f.PaintBoxHaupt, x, y); }
    TColor box(int x, int y) { return at(f.PaintBoxUmwandlung, x, y); }
    TPoint pen() { return f.PaintBoxHaupt.Canvas().PenPos(); }

    // The colours found in a rectangle of the diagram or the box.
    std::set<TColor> diagramColours(const QRect& r) { return colours(r.translated(20, 10)); }
    std::set<TColor> boxColours(const QRect& r) { return colours(r.translated(520, 10)); }
    std::set<TColor> colours(const QRect& r)
    {
        std::set<TColor> found;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                found.insert(fromPixel(FormAccess::surface(f).pixel(x, y)));
        return found;
    }
    // The colours on the box's pixels nearest to the straight line from a to b, between the
    // fractions t0 and t1 of the way.
    std::set<TColor> boxColoursAlong(TPoint a, TPoint b, double t0, double t1)
    {
        std::set<TColor> found;
        const int steps = 4 * std::max(std::abs(b.X - a.X), std::abs(b.Y - a.Y));
        for (int i = int(t0 * steps); i <= int(t1 * steps); ++i) {
            const double t = double(i) / steps;
            found.insert(box(Round(a.X + t * (b.X - a.X)), Round(a.Y + t * (b.Y - a.Y))));
        }
        return found;
    }
};

constexpr Lauf kAb = TFormReineisen::Abkuehlen;
constexpr Lauf kAuf = TFormReineisen::Aufheizen;

} // namespace

TEST_F(Reineisen, EveryPaintLaysOutRecentresAndRewritesTheMemo)
{
    f.SetBounds(3, 4, 700, 500);
    f.PaintBoxUmwandlung.SetBounds(0, 0, 10, 10);
    f.MemoErlaeuterung.SetBounds(0, 0, 10, 10);
    f.MemoErlaeuterung.Lines.Clear();
    f.MemoErlaeuterung.Lines.Add(QStringLiteral("fremd"));
    f.Refresh();
    // 800 x 605 centred on 1024 x 768: (224 / 2, 163 / 2) with the half truncated.
    EXPECT_EQ(QRect(f.Left(), f.Top(), f.Width(), f.Height()), QRect(112, 81, 800, 605));
    EXPECT_EQ(f.PaintBoxHaupt.BoundsRect(), QRect(20, 10, 500, 400));
    EXPECT_EQ(f.PaintBoxHilfslinien.BoundsRect(), QRect(20, 10, 500, 400)) << "the same pixels as the diagram";
    EXPECT_EQ(f.PaintBoxUmwandlung.BoundsRect(), QRect(520, 10, 250, 520));
    EXPECT_EQ(f.MemoErlaeuterung.BoundsRect(), QRect(20, 410, 500, 120));
    const QStringList lines {
        QStringLiteral(" Die Umwandlung des kubisch-raumzentrierten (krz) in das kubisch-flächenzentrierte"),
        QStringLiteral(" (kfz) Eisengitter und umgekehrt ist ein diffusionsloser Vorgang."),
        QStringLiteral(" Es handelt sich um ein Umklappen der Gitterstruktur."),
        QStringLiteral(" Die Atome legen bei der Umwandlung nur sehr kleine Wege zurück."),
        QStringLiteral(" Stellt man zwei kfz-Zellen aufeinander, so wird ersichtlich, dass die Atome der"),
        QStringLiteral(" Flächenmitten eine kleinere krz-Zelle bilden. "),
    };
    EXPECT_EQ(f.MemoErlaeuterung.Lines.list(), lines);
    EXPECT_EQ(f.MemoErlaeuterung.Font.Name(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(f.MemoErlaeuterung.Font.Height(), 18);
    EXPECT_EQ(f.MemoErlaeuterung.Color(), RGB(0xFF, 0xBF, 0xBF));
    EXPECT_TRUE(f.MemoErlaeuterung.ReadOnly());
    EXPECT_TRUE(f.MemoErlaeuterung.Visible());
}

TEST_F(Reineisen, MemoShowsEveryLineAndKeepsItsScrollBar)
{
    // The six lines at height 18 (drawn in the 16-pixel size) wrap in 500 pixels and fit the
    // memo's 120, so nothing needs scrolling; the vertical scroll bar stays, as the lesson has it.
    auto* edit = qobject_cast<QTextEdit*>(f.MemoErlaeuterung.widget());
    ASSERT_NE(edit, nullptr);
    edit->document()->setTextWidth(edit->viewport()->width());
    EXPECT_LE(edit->document()->size().height(), edit->viewport()->height());
    EXPECT_EQ(edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(edit->verticalScrollBar()->maximum(), 0);
}

// The status bar and the form's font are checked for every form by the shell tests.
TEST_F(Reineisen, MenuAndTimers)
{
    EXPECT_TRUE(wbtest::menuIs(f,
        { { "Ende", "&Ende" }, { "Abkuehlung", "&Abkühlung" }, { "Aufheizung", "A&ufheizung" }, { "Neu", "&Neu" },
            // the one Esc item shown in a lesson's menu bar
            { "ESCAPE", "ESC = Abbruch", "Esc" } }));
    for (const TTimer* t : { &f.TimerAbkuehl, &f.TimerAufheiz }) {
        EXPECT_EQ(t->Interval(), 100);
        EXPECT_FALSE(t->Enabled());
    }
}

TEST_F(Reineisen, StaticDiagramAndLatticeBox)
{
    struct Case {
        int x, y;
        TColor colour;
        const char* why;
    };
    const Case diagramCases[] = {
        { 0, 200, clBlack, "the frame's 2-pixel outline covers x = -1 and 0 of the box's left edge" },
        { 5, 200, RGB(0xA6, 0xA6, 0xFF), "the frame" },
        { 19, 200, clBlack, "the white field's outline at x = 19 and 20; the bands overwrite 20" },
        { 100, 19, clBlack, "the field's top outline, rows 19 and 20" },
        { 100, 21, RGB(255, 255, 0), "first band row" },
        { 100, 69, RGB(255, 255, 0), "last pure yellow row" },
        { 100, 71, RGB(255, 254, 0), "green 325 - 71" },
        { 100, 200, RGB(255, 125, 0), "green 325 - 200: orange" },
        { 100, 324, RGB(255, 1, 0), "green 325 - 324" },
        { 100, 325, RGB(255, 0, 0), "red 905 - 650" },
        { 449, 369, RGB(167, 0, 0), "red 905 - 738, the last column of the bands" },
        { 100, 370, RGB(165, 0, 0), "red 905 - 740 = #A5, just below the field" },
        { 450, 200, RGB(0xA6, 0xA6, 0xFF), "right of the bands" },
    };
    for (const Case& c : diagramCases)
        EXPECT_EQ(diagram(c.x, c.y), c.colour) << c.why;
    const Case boxCases[] = {
        { 0, 0, clRed, "red border" },
        { 249, 519, clRed, "red border, bottom right" },
        { 125, 260, clYellow, "yellow inside" },
    };
    for (const Case& c : boxCases)
        EXPECT_EQ(box(c.x, c.y), c.colour) << c.why;
    // The captions are written with a clear brush: glyphs on the frame colour, no cell background.
    EXPECT_EQ(diagramColours(QRect(10, 3, 60, 10)), (std::set<TColor> { RGB(0xA6, 0xA6, 0xFF), clBlack }));
    EXPECT_EQ(diagramColours(QRect(210, 380, 90, 10)), (std::set<TColor> { RGB(0xA6, 0xA6, 0xFF), clBlack }));
}

TEST_F(Reineisen, FirstCoolingTickDrawsTheMeltLineAndNamesTheMelt)
{
    start(kAb);
    ticks(1);
    // The 3-pixel line (32, 20)-(33, 31) with round ends; the field's outline (k) above row 21,
    // the frame (p) above it.
    const std::vector<std::string> rows {
        "pppppppp", // y = 18
        "kkgggkkk",
        "kkgggkkk",
        "yygggyyy", // y = 21
        "yygggyyy",
        "yygggyyy",
        "yygggyyy",
        "yygggyyy",
        "yyygggyy", // y = 26: the path has passed x = 32.5
        "yyygggyy",
        "yyygggyy",
        "yyygggyy",
        "yyygggyy",
        "yyygggyy",
        "yyygggyy", // y = 32: the round end below (33, 31)
        "yyyyyyyy",
    };
    EXPECT_TRUE(wbtest::matchesRows(FormAccess::surface(f), rows,
        { { 'p', RGB(0xA6, 0xA6, 0xFF) }, { 'k', clBlack }, { 'g', RGB(0x35, 0x82, 0x00) }, { 'y', kBand70 } },
        QPoint(20 + 29, 10 + 18)));
    EXPECT_TRUE(diagramColours(QRect(205, 30, 40, 10)).count(clBlack)) << "\"Schmelze\"";
    EXPECT_TRUE(f.TimerAbkuehl.Enabled());
}

TEST_F(Reineisen, CurveStepsHandOverWithinTheTickAndStepAtTheJoins)
{
    // Where the pen stands after a tick: the point drawn last. On a join the segment reaching its
    // end and the next one's first step share a tick, so the next segment's first point is seen.
    struct Case {
        Lauf lauf;
        int tick;
        TPoint point;
    };
    // clang-format off
    const Case cases[] = {
        { kAb, 0, { 33, 31 } },
        { kAb, 4, { 37, 57 } }, // 1100 - 0.01 * 323^2 = 56.71
        { kAb, 5, { 39, 65 } }, // (38, 63) then the plateau's first point
        { kAb, 31, { 66, 65 } },
        { kAb, 37, { 72, 101 } }, // 1383 - 0.007 * 428^2 = 100.71
        { kAb, 38, { 74, 113 } }, // (73, 107), then the step down to the 1392 °C plateau
        { kAb, 51, { 86, 113 } }, // the plateau ends at 87; segment 5 starts one pixel back
        { kAb, 52, { 87, 119 } }, // 1313 - 0.007 * 413^2 = 119.02
        { kAb, 80, { 116, 275 } },
        { kAb, 89, { 126, 274 } },
        { kAb, 98, { 136, 320 } },
        { kAb, 107, { 146, 323 } },
        { kAuf, 0, { 321, 340 } },
        { kAuf, 4, { 326, 320 } }, // (325, 319), then the 769 °C plateau
        { kAuf, 13, { 336, 320 } },
        { kAuf, 22, { 346, 273 } }, // (345, 279), then the step up to 911 °C
        { kAuf, 31, { 356, 273 } },
        { kAuf, 58, { 384, 113 } }, // (383, 112), then the 1392 °C plateau one pixel lower
        { kAuf, 71, { 398, 109 } },
        { kAuf, 78, { 406, 65 } },
        { kAuf, 105, { 434, 64 } },
        { kAuf, 109, { 438, 20 } }, // the last tick; the heating run leaves the pen there
    };
    // clang-format on
    Lauf running = kAb;
    int done = -1;
    for (const Case& c : cases) {
        if (done < 0 || c.lauf != running) {
            runToEnd();
            f.Neu.Click();
            start(c.lauf);
            running = c.lauf;
            done = 0;
        }
        ticks(c.tick + 1 - done);
        done = c.tick + 1;
        EXPECT_EQ(pen(), c.point) << (c.lauf == kAb ? "cooling" : "heating") << " tick " << c.tick;
    }
}

TEST_F(Reineisen, HalfwayPointsRoundToTheEvenNeighbour)
{
    // y computed in double, stored in single precision, rounded half to even:
    // 1200 - 0.007 * 350^2 = 342.5 -> 342; 505 - 0.025 * 90^2 = 302.5 -> 302;
    // 547 - 0.02 * 155^2 = 66.5 -> 66. (At x = 360 and 380 of the heating curve, 251.5 and 131.5
    // round up to the even 252 and 132 as ordinary rounding would.) The point (405, 66) is followed
    // in its tick by the melting plateau's first point, so only its pixels show it (driver test).
    struct Case {
        Lauf lauf;
        int tick;
        TPoint point;
    };
    // clang-format off
    const Case cases[] = {
        { kAb, 111, { 150, 342 } },
        { kAuf, 17, { 340, 302 } },
        { kAuf, 35, { 360, 252 } },
        { kAuf, 55, { 380, 132 } },
    };
    // clang-format on
    for (const Case& c : cases) {
        runToEnd();
        f.Neu.Click();
        start(c.lauf);
        ticks(c.tick + 1);
        EXPECT_EQ(pen(), c.point) << "tick " << c.tick;
    }
}

TEST_F(Reineisen, RunsEndWithTheirOwnPenRules)
{
    // The cooling run's end moves the diagram's pen to the heating start (320, 347); the heating
    // run's end leaves it on its last point.
    start(kAb);
    ticks(113);
    EXPECT_FALSE(f.TimerAbkuehl.Enabled());
    EXPECT_EQ(pen(), (TPoint { 320, 347 }));
    EXPECT_EQ(diagram(151, 347), clBlue) << "the last point is drawn in the last tick";
    const QImage after = FormAccess::surface(f).copy();
    ticks(20);
    EXPECT_EQ(FormAccess::surface(f), after) << "nothing moves after the end";

    start(kAuf);
    ticks(110);
    EXPECT_FALSE(f.TimerAufheiz.Enabled());
    EXPECT_EQ(pen(), (TPoint { 438, 20 }));
}

TEST_F(Reineisen, LabelRowsAppearAtTheirTicks)
{
    struct Probe {
        int x, y; // in the diagram
        TColor colour;
        const char* why;
    };
    struct Case {
        Lauf lauf;
        int tick;
        std::vector<Probe> probes; // each shows its colour from this tick on, not before
    };
    const TColor orange = RGB(0xFF, 0xCD, 0x00), gamma = RGB(0xDE, 0x00, 0x00), red = RGB(0xFE, 0x00, 0x00);
    const Case cases[] = {
        { kAb, 5, { { 190, 65, clBlack, "the 1536 °C line" } } },
        { kAb, 31, { { 210, 77, clBlue, "\"DELTA-Fe\" on blue" } } },
        { kAb, 38, { { 190, 113, clBlack, "the 1392 °C line" }, { 26, 98, orange, "\"Ar(4)\" on orange" } } },
        { kAb, 51, { { 215, 180, gamma, "\"GAMMA-Fe\"" } } },
        { kAb, 80, { { 190, 275, clBlack, "the 906 °C line" }, { 26, 260, red, "\"Ar(3)\"" } } },
        { kAb, 89, { { 210, 280, clBlue, "\"ALPHA-Fe\"" } } },
        { kAb, 98,
            { { 190, 320, clBlack, "the 769 °C line" }, { 26, 305, red, "\"Ar(2)\"" },
                { 60, 312, red, "\"Curiepunkt\"" } } },
        { kAb, 107, { { 195, 330, clBlue, "\"Eisen magnetisch\"" } } },
        { kAuf, 4,
            { { 270, 320, clBlack, "the 769 °C line on the right" },
                { 195, 330, clBlue, "\"Eisen magnetisch\", first on blue" },
                { 416, 305, red, "\"Ac(2)\", then on red" } } },
        { kAuf, 22,
            { { 270, 273, clBlack, "the 911 °C line, two pixels above 906 °C" }, { 416, 258, red, "\"Ac(3)\"" } } },
        { kAuf, 31, { { 215, 180, gamma, "\"GAMMA-Fe\"" } } },
        { kAuf, 58, { { 270, 113, clBlack, "the 1392 °C line" }, { 416, 98, orange, "\"Ac(4)\"" } } },
        { kAuf, 71, { { 210, 77, clBlue, "\"DELTA-Fe\"" } } },
        { kAuf, 78, { { 270, 65, clBlack, "the 1536 °C line" } } },
    };
    Lauf running = kAb;
    int done = -1;
    for (const Case& c : cases) {
        if (done < 0 || c.lauf != running) {
            runToEnd();
            f.Neu.Click();
            start(c.lauf);
            running = c.lauf;
            done = 0;
        }
        ticks(c.tick - done);
        std::vector<TColor> before;
        for (const Probe& p : c.probes)
            before.push_back(diagram(p.x, p.y));
        ticks(1);
        done = c.tick + 1;
        for (size_t i = 0; i < c.probes.size(); ++i) {
            const Probe& p = c.probes[i];
            EXPECT_NE(before[i], p.colour) << p.why << ": not before tick " << c.tick;
            EXPECT_EQ(diagram(p.x, p.y), p.colour) << p.why << " at tick " << c.tick;
        }
    }
}

TEST_F(Reineisen, MeltIsNamedOnTheFirstCoolingTickAndOneTickBeforeTheMeltingPlateauEnds)
{
    const QRect schmelze(205, 30, 40, 10);
    start(kAuf);
    ticks(104);
    EXPECT_FALSE(diagramColours(schmelze).count(clBlack));
    ticks(1); // tick 104: PunktAuf[8].X = 432, the plateau ends at 433
    EXPECT_TRUE(diagramColours(schmelze).count(clBlack));
}

TEST_F(Reineisen, LabelRowsAreDrawnOnEveryTickTheirConditionHolds)
{
    // The 1536 °C line is drawn on ticks 5 to 30, after the curve of each tick: it stays on top of
    // the green plateau that runs along it. At tick 31 the row no longer holds and the plateau's
    // last piece stays green where the blue curve of the next segment does not cover it.
    start(kAb);
    ticks(31);
    EXPECT_EQ(diagram(50, 65), clBlack);
    EXPECT_EQ(diagram(50, 64), RGB(0x35, 0x82, 0x00));
    EXPECT_EQ(diagram(50, 66), RGB(0x35, 0x82, 0x00));
    ticks(1);
    EXPECT_EQ(diagram(63, 65), RGB(0x35, 0x82, 0x00)) << "the plateau's last piece, not under the blue curve";
    EXPECT_EQ(diagram(50, 65), clBlack);
}

TEST_F(Reineisen, LatticeFiguresAtEachStageOfTheCoolingRun)
{
    const TColor blue = clBlue, yellow = clYellow, red = clRed, white = clWhite;
    start(kAb);
    ticks(6); // tick 5: the complete δ cell C(12, 20)
    for (const TPoint p : { TPoint { 108, 32 }, TPoint { 162, 42 }, TPoint { 178, 20 }, TPoint { 232, 32 },
             TPoint { 108, 108 }, TPoint { 162, 118 }, TPoint { 178, 98 }, TPoint { 232, 108 }, TPoint { 170, 70 } })
        EXPECT_EQ(box(p.X, p.Y), blue) << "atom at (" << p.X << ", " << p.Y << ")";
    EXPECT_EQ(boxColoursAlong({ 108, 32 }, { 108, 108 }, 0.2, 0.8), std::set<TColor> { blue }) << "solid edge";
    // A body diagonal, bottom left to top right, dotted with the yellow brush in the gaps.
    EXPECT_EQ(boxColoursAlong({ 108, 108 }, { 232, 32 }, 0.15, 0.35), (std::set<TColor> { blue, yellow }));
    EXPECT_TRUE(boxColours(QRect(20, 30, 40, 10)).count(clBlack)) << "\"krz-Gitter\" in black after a paint";

    ticks(39); // tick 44: frame C(6, 200) in the middle area, no diagonals
    EXPECT_EQ(box(114, 206), blue) << "top left corner (120 - 6, 200 + 6)";
    EXPECT_EQ(boxColoursAlong({ 114, 294 }, { 226, 206 }, 0.15, 0.35), std::set<TColor> { yellow });
    EXPECT_EQ(box(170, 70), blue) << "the δ cell above stays";

    ticks(6); // tick 50: the fcc double figure with the blue inner cell C(0, 200)
    for (const TPoint p : { TPoint { 100, 160 }, TPoint { 240, 140 }, TPoint { 200, 360 }, TPoint { 140, 340 },
             TPoint { 170, 150 }, TPoint { 170, 350 }, TPoint { 100, 260 } })
        EXPECT_EQ(box(p.X, p.Y), red) << "cube atom at (" << p.X << ", " << p.Y << ")";
    // The inner cell's corners are the side-face centres of both cubes; its centre the shared face's.
    for (const TPoint p : { TPoint { 120, 200 }, TPoint { 150, 210 }, TPoint { 190, 190 }, TPoint { 220, 200 },
             TPoint { 120, 300 }, TPoint { 150, 310 }, TPoint { 190, 290 }, TPoint { 220, 300 }, TPoint { 170, 250 } })
        EXPECT_EQ(box(p.X, p.Y), blue) << "inner atom at (" << p.X << ", " << p.Y << ")";
    EXPECT_EQ(box(105, 190), yellow) << "the upper front face is a yellow square";
    EXPECT_EQ(box(100, 200), red) << "with a red outline";
    // Hidden edges are dotted with the white brush in the gaps: the back left edges of both cubes.
    EXPECT_EQ(boxColoursAlong({ 140, 140 }, { 140, 240 }, 0.1, 0.4), (std::set<TColor> { red, white }));
    EXPECT_EQ(boxColoursAlong({ 140, 240 }, { 140, 340 }, 0.72, 0.9), (std::set<TColor> { red, white }));
    // The visible right edge of the upper cube and a diagonal of its front face are solid.
    EXPECT_EQ(boxColoursAlong({ 240, 140 }, { 240, 240 }, 0.1, 0.4), std::set<TColor> { red });
    EXPECT_EQ(boxColoursAlong({ 100, 160 }, { 200, 260 }, 0.05, 0.2), std::set<TColor> { red });
    EXPECT_TRUE(boxColours(QRect(20, 150, 40, 10)).count(red)) << "\"kfz-Gitter\" in red";

    ticks(34); // tick 84: frame C(4, 400) in the bottom area (k = 0, 1, 2, 3, 4 for ticks 80 ... 84)
    EXPECT_EQ(box(116, 404), blue);
    ticks(4); // tick 88: the complete α cell C(12, 400)
    EXPECT_EQ(box(170, 450), blue);
    EXPECT_EQ(boxColoursAlong({ 108, 488 }, { 232, 412 }, 0.15, 0.35), (std::set<TColor> { blue, yellow }));
    EXPECT_TRUE(boxColours(QRect(20, 430, 40, 10)).count(blue)) << "\"krz-Gitter\" in blue";
    EXPECT_FALSE(boxColours(QRect(20, 430, 40, 10)).count(clBlack));
    EXPECT_EQ(box(100, 200), red) << "the fcc figure stays";
}

TEST_F(Reineisen, HeatingStartsByClearingTheWholeBoxAndWritesInTheFontColourInForce)
{
    start(kAb);
    runToEnd();
    start(kAuf);
    ticks(1);
    EXPECT_EQ(box(170, 70), clYellow) << "the cooling run's δ cell is cleared";
    EXPECT_EQ(box(100, 200), clYellow) << "and its fcc figure";
    EXPECT_EQ(box(170, 450), clBlue) << "the α cell at the bottom";
    // The cooling run left the box's font blue; the heating run writes "krz-Gitter" with it.
    EXPECT_TRUE(boxColours(QRect(20, 430, 40, 10)).count(clBlue));
    // The first line of the heating curve: (320, 347)-(321, 340) in blue.
    EXPECT_EQ(diagram(320, 347), clBlue);
    EXPECT_EQ(diagram(321, 340), clBlue);

    runToEnd();
    f.Neu.Click(); // repaints: the font is black again
    start(kAuf);
    ticks(1);
    EXPECT_TRUE(boxColours(QRect(20, 430, 40, 10)).count(clBlack));
    EXPECT_FALSE(boxColours(QRect(20, 430, 40, 10)).count(clBlue));
}

TEST_F(Reineisen, LatticeFiguresOfTheHeatingRun)
{
    start(kAuf);
    ticks(23); // tick 22: frame C(9, 200), the α cell narrowing in the middle area
    EXPECT_EQ(box(111, 209), clBlue);
    ticks(8); // tick 30: the fcc figure; the top area is cleared down to y = 330
    EXPECT_EQ(box(100, 200), clRed);
    EXPECT_EQ(box(170, 250), clBlue);
    ticks(29); // tick 59: frame C(1, 20) at the top
    EXPECT_EQ(box(119, 21), clBlue);
    ticks(10); // tick 69: the complete δ cell C(11, 20)
    EXPECT_EQ(boxColoursAlong({ 109, 109 }, { 231, 31 }, 0.15, 0.35), (std::set<TColor> { clBlue, clYellow }));
    EXPECT_TRUE(boxColours(QRect(20, 30, 40, 10)).count(clBlue)) << "\"krz-Gitter\" in blue";
    EXPECT_EQ(box(100, 200), clRed) << "the fcc figure stays below";
    EXPECT_EQ(box(170, 450), clBlue) << "and the α cell at the bottom";
    // The clears at the top overwrote the box's red border there; the sides keep it.
    EXPECT_EQ(box(100, 0), clYellow);
    EXPECT_EQ(box(0, 100), clRed);
}

TEST_F(Reineisen, LockDisablesTheFormAndEveryItemButEscWhichStillWorks)
{
    start(kAb);
    ticks(3);
    EXPECT_FALSE(f.Enabled());
    EXPECT_FALSE(f.acceptsMouse());
    for (const TMenuItem* item : { &f.Ende, &f.Abkuehlung, &f.Aufheizung, &f.Neu })
        EXPECT_FALSE(item->Enabled()) << item->Name().toStdString();
    EXPECT_TRUE(f.ESCAPE.Enabled());
    EXPECT_FALSE(f.closeBox()) << "the close box is refused";
    EXPECT_TRUE(f.pressKey(VK_ESCAPE));
    EXPECT_FALSE(f.Visible());
    EXPECT_FALSE(f.TimerAbkuehl.Enabled());
    EXPECT_TRUE(f.Enabled());
    for (const TMenuItem* item : { &f.Ende, &f.Abkuehlung, &f.Aufheizung, &f.Neu })
        EXPECT_TRUE(item->Enabled()) << item->Name().toStdString();

    // Reopened: the static picture; a new cooling run starts from the start values again.
    open();
    EXPECT_EQ(diagram(33, 31), kBand70);
    start(kAb);
    ticks(1);
    EXPECT_EQ(pen(), (TPoint { 33, 31 }));
    EXPECT_EQ(diagram(33, 31), RGB(0x35, 0x82, 0x00));
}

TEST_F(Reineisen, EndeAfterARunLeavesEveryItemEnabled)
{
    start(kAb);
    runToEnd();
    EXPECT_FALSE(f.Abkuehlung.Enabled());
    f.Ende.Click();
    EXPECT_FALSE(f.Visible());
    for (const TMenuItem* item : { &f.Ende, &f.Abkuehlung, &f.Aufheizung, &f.Neu })
        EXPECT_TRUE(item->Enabled()) << item->Name().toStdString();
}

TEST_F(Reineisen, NeuErasesBothRunsAndOffersBothAgain)
{
    start(kAb);
    runToEnd();
    start(kAuf);
    runToEnd();
    EXPECT_EQ(diagram(33, 31), RGB(0x35, 0x82, 0x00));
    EXPECT_EQ(box(170, 450), clBlue);
    f.Neu.Click();
    EXPECT_TRUE(f.Abkuehlung.Enabled());
    EXPECT_TRUE(f.Aufheizung.Enabled());
    EXPECT_EQ(diagram(33, 31), kBand70) << "curve erased";
    EXPECT_EQ(diagram(190, 65), kBand70) << "temperature line erased";
    EXPECT_EQ(boxColours(QRect(5, 2, 240, 515)), std::set<TColor> { clYellow }) << "empty lattice box";
    // Neither run counts as completed: the cooling run's end offers the heating again.
    start(kAb);
    runToEnd();
    EXPECT_TRUE(f.Aufheizung.Enabled());
}

TEST_F(Reineisen, RepaintMidRunLeavesTheStaticPictureAndTheRunGoesOnFromItsPoints)
{
    start(kAb);
    ticks(41); // ticks 0 ... 40: the 1392 °C plateau has reached X = 76
    f.SetBounds(3, 4, 800, 605);
    f.Refresh();
    EXPECT_EQ(f.Left(), 112) << "re-centred";
    const QImage staticPicture = FormAccess::surface(f).copy();
    EXPECT_EQ(diagram(33, 31), kBand70);
    EXPECT_EQ(boxColours(QRect(5, 2, 240, 515)), std::set<TColor> { clYellow });

    ticks(1); // tick 41: (76, 113)-(77, 113), the 1392 °C line and labels, frame C(9, 200)
    EXPECT_EQ(pen(), (TPoint { 77, 113 }));
    // Every pixel the tick changed on the diagram lies on the new piece of curve, the line at
    // y = 113 or the labels "Ar(4)" and "1392°C" at its left end: the curve goes on from its last
    // point and not from where the static picture's caption left the pen.
    const QRect piece(75, 112, 4, 3), line(20, 113, 180, 1), labels(23, 98, 50, 35);
    int changed = 0;
    for (int y = 0; y < 400; ++y) {
        for (int x = 0; x < 500; ++x) {
            if (staticPicture.pixel(20 + x, 10 + y) == FormAccess::surface(f).pixel(20 + x, 10 + y))
                continue;
            ++changed;
            EXPECT_TRUE(piece.contains(x, y) || line.contains(x, y) || labels.contains(x, y))
                << "(" << x << ", " << y << ")";
        }
    }
    EXPECT_GT(changed, 180);
    EXPECT_EQ(box(170, 250), clBlue) << "the middle frame is drawn again";
    runToEnd();
    EXPECT_EQ(diagram(151, 347), clBlue) << "and the run reaches its end";
}
