// The isothermal ZTU diagrams without a form: the isotherm engine's phases, both lessons' runs
// against their tables of resulting runs, the runs as drawn on an overlay, and the static pictures
// of the frame the isothermal diagrams share with the continuous diagram at 0.70 % C.
#include "tests/support/Harness.h"
#include "timetemp/UnitZTUconC07.h"
#include "timetemp/UnitZTUisoC045.h"
#include "timetemp/UnitZTUisoC07.h"

#include <vector>

using namespace wb;
using namespace wb::ztaztu;
using namespace wb::ztuiso;

namespace {

constexpr TColor kGold = RGB(0xFF, 0xD7, 0x00);

PenStep lineTo(int x, int y)
{
    return { true, { x, y } };
}
PenStep moveTo(int x, int y)
{
    return { false, { x, y } };
}

// A run played tick by tick without a form.
struct Played {
    int ticks = 0;
    std::vector<PenStep> steps;
    std::vector<Box> markers;
    std::vector<TColor> fills;
    TPoint end {};
    std::vector<TPoint> labels;
};

Played play(const IsothermRun& run)
{
    Played p;
    int x = 0;
    float y = 0;
    while (p.ticks < 1000) {
        ++p.ticks;
        const IsothermTick t = isothermTick(run, x, y);
        p.steps.insert(p.steps.end(), t.steps, t.steps + t.stepCount);
        if (t.marker) {
            p.markers.push_back(t.markerBox);
            p.fills.push_back(t.marker->fill);
        }
        if (t.ended) {
            p.end = { x, Round(y) };
            for (const RunLabel& label : run.labels)
                p.labels.push_back(labelAt(label, x, y));
            break;
        }
    }
    return p;
}

// The pen steps a run's table row describes: the quench line in steps of (1, 25) from (0, 0),
// the knee's extra line (form B), the arrowhead from its tip, then one dot a tick.
struct RunRow {
    const char* name;
    int ticks;
    int quenchTo; // the quench line's last x
    bool kneeLine; // form B: the quench line reaches the knee first
    TPoint kneePoint;
    TPoint tip;
    TPoint strokes[2];
    int dotY;
    int dotFrom;
    int dotTo;
    std::vector<Box> markers;
    std::vector<TColor> fills;
    std::vector<TPoint> labels;
};

std::vector<PenStep> stepsOf(const RunRow& r)
{
    std::vector<PenStep> s;
    for (int x = 0; x <= r.quenchTo; ++x)
        s.push_back(lineTo(x, 25 * x));
    if (r.kneeLine)
        s.push_back(lineTo(r.kneePoint.X, r.kneePoint.Y));
    for (const TPoint& end : r.strokes) {
        s.push_back(moveTo(r.tip.X, r.tip.Y));
        s.push_back(lineTo(end.X, end.Y));
    }
    for (int x = r.dotFrom; x <= r.dotTo; ++x) {
        s.push_back(moveTo(x, r.dotY));
        s.push_back(lineTo(x, r.dotY));
    }
    return s;
}

void expectRuns(const IsoLesson& lesson, const std::vector<RunRow>& rows)
{
    ASSERT_EQ(lesson.runs.size(), rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        const RunRow& r = rows[i];
        SCOPED_TRACE(r.name);
        const Played p = play(lesson.runs[i]);
        EXPECT_EQ(p.ticks, r.ticks);
        EXPECT_EQ(p.steps, stepsOf(r));
        EXPECT_EQ(p.markers, r.markers);
        EXPECT_EQ(p.fills, r.fills);
        EXPECT_EQ(p.end, (TPoint { r.dotTo, r.dotY })) << "the end arrow's tip is the last dot";
        EXPECT_EQ(p.labels, r.labels);
    }
}

} // namespace

// --- The engine ------------------------------------------------------------------------------

TEST(IsothermEngine, TheTickOfTheLastQuenchPointAlsoDrawsTheKneeAndTheFirstDot)
{
    // Form A, n = 3: the tick at X = 2 draws the quench line to (2, 50), then at X = 3 the knee
    // drops 10 to Y = 60 and steps right to 4, and X = 4 > 3 puts the first dot at X = 5.
    const IsothermRun run { 3, 10, Knee::A, 70, {}, 100, {} };
    int x = 2;
    float y = 0;
    const IsothermTick t = isothermTick(run, x, y);
    const std::vector<PenStep> steps(t.steps, t.steps + t.stepCount);
    EXPECT_EQ(steps,
        (std::vector<PenStep> {
            lineTo(2, 50), moveTo(4, 60), lineTo(1, 50), moveTo(4, 60), lineTo(4, 50), moveTo(5, 70), lineTo(5, 70) }));
    EXPECT_EQ(x, 5);
    EXPECT_FLOAT_EQ(y, 70);
    EXPECT_FALSE(t.ended);
}

TEST(IsothermEngine, FormBDrawsDownToTheKneeAndHasStrokesOfThirteenPixels)
{
    // n = 3, drop 10: the quench line ends at (2, 50), the knee line goes on to (3, 60), and the
    // arrowhead from (4, 60) has strokes 13 pixels long whatever the drop.
    const IsothermRun run { 3, 10, Knee::B, 70, {}, 100, {} };
    int x = 2;
    float y = 0;
    const IsothermTick t = isothermTick(run, x, y);
    const std::vector<PenStep> steps(t.steps, t.steps + t.stepCount);
    EXPECT_EQ(steps,
        (std::vector<PenStep> { lineTo(2, 50), lineTo(3, 60), moveTo(4, 60), lineTo(1, 47), moveTo(4, 60),
            lineTo(4, 47), moveTo(5, 70), lineTo(5, 70) }));
    EXPECT_EQ(t.stepCount, IsothermTick::kMaxSteps);
}

TEST(IsothermEngine, MarkerAndEndAreTakenAtTheXTheDotLeft)
{
    const RunMarker markers[] = { { 12, -3, -3, 3, 3, clBlack }, { 13, -6, -3, 0, 3, clWhite } };
    const IsothermRun run { 1, 5, Knee::A, 40, markers, 13, {} };
    int x = 11;
    float y = 0;
    IsothermTick t = isothermTick(run, x, y);
    ASSERT_NE(t.marker, nullptr);
    EXPECT_EQ(t.marker->atX, 12);
    EXPECT_EQ(t.markerBox, (Box { 9, 37, 15, 43 })) << "around the dot at (12, 40)";
    EXPECT_FALSE(t.ended);
    t = isothermTick(run, x, y);
    EXPECT_EQ(t.markerBox, (Box { 7, 37, 13, 43 }));
    EXPECT_TRUE(t.ended) << "X = 13 is the end";
}

// --- The lessons' runs -----------------------------------------------------------------------

TEST(IsothermRuns, AtPointFourFiveCarbonEachRunGivesTheTablesSteps)
{
    const TColor b = clBlack, w = clWhite;
    // clang-format off
    const std::vector<RunRow> rows = {
        { "20 °C", 198, 10, false, {}, { 12, 269 }, { { 9, 250 }, { 12, 250 } }, 270, 13, 200,
            {}, {}, { { 100, 235 }, { 200, 250 } } },
        { "330 °C", 218, 6, false, {}, { 8, 163 }, { { 5, 150 }, { 8, 150 } }, 164, 9, 220,
            { { 89, 161, 95, 167 }, { 165, 161, 171, 167 } }, { b, w }, { { 230, 149 }, { 230, 179 }, { 230, 164 } } },
        { "530 °C", 218, 3, true, { 4, 96 }, { 5, 96 }, { { 2, 83 }, { 5, 83 } }, 98, 6, 220,
            { { 53, 95, 59, 101 }, { 66, 95, 72, 101 }, { 96, 95, 102, 101 } }, { b, clBlue, w },
            { { 230, 108 }, { 230, 93 } } },
        { "670 °C", 238, 1, true, { 2, 49 }, { 3, 49 }, { { 0, 36 }, { 3, 36 } }, 50, 4, 240,
            { { 86, 47, 92, 53 }, { 125, 47, 131, 53 }, { 217, 47, 223, 53 } }, { b, b, w },
            { { 250, 50 }, { 250, 35 } } },
    };
    // clang-format on
    expectRuns(ztuiso045::lesson(), rows);
}

TEST(IsothermRuns, AtPointSevenCarbonTheSameQuenchesMeetOtherMarkersAndTheHottestEndsSooner)
{
    const TColor b = clBlack, w = clWhite;
    // clang-format off
    const std::vector<RunRow> rows = {
        { "20 °C", 198, 10, false, {}, { 12, 269 }, { { 9, 250 }, { 12, 250 } }, 270, 13, 200,
            {}, {}, { { 100, 235 }, { 200, 250 } } },
        { "330 °C", 218, 6, false, {}, { 8, 163 }, { { 5, 150 }, { 8, 150 } }, 164, 9, 220,
            { { 124, 161, 130, 167 }, { 173, 161, 179, 167 } }, { b, w }, { { 230, 149 }, { 230, 164 } } },
        { "530 °C", 218, 3, true, { 4, 96 }, { 5, 96 }, { { 2, 83 }, { 5, 83 } }, 98, 6, 220,
            { { 39, 95, 45, 101 }, { 69, 95, 75, 101 } }, { b, w }, { { 230, 93 } } },
        // 20 ticks shorter than at 0.45 % C: the isotherm ends at x 220, not 240.
        { "670 °C", 218, 1, true, { 2, 49 }, { 3, 49 }, { { 0, 36 }, { 3, 36 } }, 50, 4, 220,
            { { 62, 47, 68, 53 }, { 69, 47, 75, 53 }, { 118, 47, 124, 53 } }, { b, b, w },
            { { 230, 35 }, { 230, 50 } } },
    };
    // clang-format on
    expectRuns(ztuiso07::lesson(), rows);
}

// --- The runs as drawn -----------------------------------------------------------------------

namespace {

// Plays a run onto an overlay-sized canvas as the form does: MoveTo(0, 0) at the start, then the
// ticks with their drawing.
void drawRun(wbtest::PixelCanvas& log, const IsothermRun& run)
{
    log.canvas.MoveTo(0, 0);
    int x = 0;
    float y = 0;
    for (int ticks = 0; ticks < 1000; ++ticks) {
        const IsothermTick t = isothermTick(run, x, y);
        drawIsothermTick(log.canvas, run, t, x, y);
        if (t.ended)
            return;
    }
    ADD_FAILURE() << "the run did not end";
}

const IsothermRun& runOf(const IsoLesson& lesson, Isotherm i)
{
    return lesson.runs[size_t(i)];
}

} // namespace

TEST(IsothermDrawing, TheQuenchStartsWithADotAtTheOriginAndEndsInTheArrowheadOntoTheIsotherm)
{
    wbtest::PixelCanvas log(348, 277);
    drawRun(log, runOf(ztuiso045::lesson(), Isotherm::T20));
    // A 2-pixel pen puts a point (X, Y) on the pixels X − 1 … X, Y − 1 … Y: the first LineTo(0, 0)
    // from the start point leaves the origin red.
    EXPECT_EQ(log.at(0, 0), clRed);
    // The quench line from (9, 225) to (10, 250) passes x 9 and 10 around y 240.
    EXPECT_EQ(log.at(9, 237), clRed);
    // The arrowhead: tip (12, 269), strokes up to (9, 250) and (12, 250); the isotherm's dots from
    // x 13 on at y 270 fill rows 269 and 270.
    EXPECT_EQ(log.at(12, 260), clRed) << "the vertical stroke";
    EXPECT_EQ(log.at(10, 262), clRed) << "the slanted one: 3 pixels left over 19 rows, 1.1 left of the tip 7 rows up";
    EXPECT_EQ(log.at(10, 251), clWhite) << "between the strokes where they part near their upper ends";
    EXPECT_EQ(log.at(9, 266), clWhite) << "left of the slanted stroke near the tip";
    EXPECT_EQ(log.at(50, 270), clRed);
    EXPECT_EQ(log.at(50, 269), clRed);
    EXPECT_EQ(log.at(50, 268), clWhite);
    EXPECT_EQ(log.at(50, 271), clWhite);
}

TEST(IsothermDrawing, TheEndArrowPointsRightAndTheLabelsAreWhiteOnRed)
{
    wbtest::PixelCanvas log(348, 277);
    drawRun(log, runOf(ztuiso045::lesson(), Isotherm::T20));
    // End arrow at (200, 270) with strokes back to (190, 267) and (190, 273): below the isotherm
    // at x 192 only the lower stroke is red.
    EXPECT_EQ(log.at(192, 272), clRed);
    EXPECT_EQ(log.at(192, 274), clWhite);
    EXPECT_EQ(log.at(201, 275), clWhite) << "nothing right of the tip";
    // " Abschrecken auf Raumtemperatur " at (100, 235) and " Martensit " at (200, 250) start
    // with a blank: their cells' first pixels are the red brush, the pixel before them is not.
    EXPECT_EQ(log.at(100, 235), clRed);
    EXPECT_EQ(log.at(99, 235), clWhite);
    EXPECT_EQ(log.at(200, 250), clRed);
    EXPECT_EQ(log.at(200, 249), clWhite);
}

TEST(IsothermDrawing, MarkersKeepTheirFillBelowTheDotsThatCrossThem)
{
    wbtest::PixelCanvas log(348, 277);
    drawRun(log, runOf(ztuiso045::lesson(), Isotherm::T530));
    // The boxes (53, 95, 59, 101), (66, 95, 72, 101) and (96, 95, 102, 101) are filled black,
    // blue and white. The first lies around its dot at x 56: the next dots (covering x − 1 … x,
    // rows 97 and 98) cross it again, so its fill shows above and below the isotherm.
    EXPECT_EQ(log.at(56, 99), clBlack);
    EXPECT_EQ(log.at(56, 98), clRed);
    // The other two end at their dot: no later dot reaches them.
    EXPECT_EQ(log.at(69, 98), clBlue);
    EXPECT_EQ(log.at(99, 98), clWhite);
    EXPECT_EQ(log.at(99, 95), clBlue) << "the white fill's blue outline";
    EXPECT_EQ(log.at(103, 98), clRed) << "the isotherm goes on right of the last marker";
}

// --- The static pictures ---------------------------------------------------------------------

namespace {

struct Probe {
    QPoint at;
    TColor expected;
    const char* why;
};

void expectProbes(const wbtest::PixelCanvas& c, const std::vector<Probe>& probes)
{
    for (const Probe& p : probes)
        EXPECT_EQ(colorToHex(c.at(p.at.x(), p.at.y())), colorToHex(p.expected))
            << p.why << " at (" << p.at.x() << ", " << p.at.y() << ")";
}

// PaintBoxHaupt's 750 × 500 pixels with one of the pictures on it.
struct Picture {
    wbtest::PixelCanvas c { 750, 500 };
    DiagramLayout l = computeLayout(layoutRule(), 750, 500);
};

} // namespace

TEST(IsoPictures, TheFrameIsTheSameForAllThreeDiagrams)
{
    Picture iso045, iso07, con07;
    drawPicture(iso045.c.canvas, iso045.l, 750, 500, ztuiso045::lesson());
    drawPicture(iso07.c.canvas, iso07.l, 750, 500, ztuiso07::lesson());
    ztucon07::drawPicture(con07.c.canvas, con07.l, 750, 500);
    // clang-format off
    const std::vector<Probe> probes = {
        { { 1, 100 }, clWhite, "the strip left of the background stays untouched" },
        { { 600, 60 }, kGold, "inside the ZTU panel" },
        { { 345, 250 }, kGold, "inside the EKD panel" },
        { { 600, 428 }, kDunkel, "the ZTU frame's bottom edge (width 2: rows 428 and 429)" },
        { { 600, 429 }, kDunkel, "" },
        { { 700, 499 }, RGB(0x0A, 0x00, 0x00), "the background's last row: red 510 − 500" },
        { { 600, 158 }, kDunkel, "the dotted 800 °C line: 200 pixels from 400, 200 mod 6 = 2, in a dot" },
        { { 603, 158 }, kGold, "203 mod 6 = 5: a gap, the clear brush leaves the panel's gold" },
        { { 162, 300 }, kDunkel, "the eutectoid line at 0.8 % C: 50 + 28 · 4" },
        { { 140, 185 }, kDunkel, "PSK at 722 °C, width 2 over rows 184 and 185" },
    };
    // clang-format on
    for (const Picture* p : { &iso045, &iso07, &con07 })
        expectProbes(p->c, probes);
}

TEST(IsoPictures, EachSteelHasItsOwnCurvesAndCarbonMarkings)
{
    Picture iso045, iso07, con07;
    drawPicture(iso045.c.canvas, iso045.l, 750, 500, ztuiso045::lesson());
    drawPicture(iso07.c.canvas, iso07.l, 750, 500, ztuiso07::lesson());
    ztucon07::drawPicture(con07.c.canvas, con07.l, 750, 500);
    {
        SCOPED_TRACE("isothermal, 0.45 % C");
        // clang-format off
        expectProbes(iso045.c, {
            { { 450, 311 }, kDunkel, "the Ms line at 350 °C: 430 − 68 · 1.75 = 311" },
            { { 480, 352 }, kGold, "no Ms line at 230 °C in this steel" },
            { { 320, 258 }, clPurple, "inside the steel box (184, 212)–(324, 267)" },
            { { 113, 170 }, clBlack, "a dash of the 0.45 % C line: 50 + 28 · 2.25 = 113" },
            { { 113, 186 }, clPurple, "its first gap, 21 pixels down from 165" },
            { { 113, 200 }, clBlack, "its second dash" },
            { { 133, 165 }, clBlack, "a gap of the A(3) line at 780 °C, black" },
        });
        // clang-format on
    }
    {
        SCOPED_TRACE("isothermal, 0.70 % C");
        // clang-format off
        expectProbes(iso07.c, {
            { { 480, 352 }, kDunkel, "the Ms line at 230 °C: 430 − 68 · 1.15 = 351.8" },
            { { 600, 352 }, kGold, "right of (586, 352) the line turns down below Ms" },
            { { 601, 357 }, kDunkel, "the curve drawn after the labels, (586, 352) to (616, 362)" },
            { { 148, 190 }, clBlack, "a dash of the 0.70 % C line: 50 + 28 · 3.5 = 148" },
            { { 148, 197 }, clPurple, "its first gap, 18 … 23 pixels down from 178" },
            { { 192, 178 }, clPurple, "the A(3) line to (360, 177) has purple gaps: 44 pixels in" },
            { { 180, 178 }, clBlack, "and black dashes: 32 pixels in" },
            { { 192, 185 }, clBlack, "A(1) at 722 °C, black on black over PSK's lower row" },
            { { 192, 184 }, kDunkel, "PSK's upper row stays" },
        });
        // clang-format on
    }
    {
        SCOPED_TRACE("continuous, 0.70 % C");
        // clang-format off
        expectProbes(con07.c, {
            { { 480, 352 }, kDunkel, "the Ms line at 230 °C, here only to 494" },
            { { 540, 352 }, kGold, "right of it the panel" },
            { { 148, 190 }, clBlack, "a dash of the 0.70 % C line" },
            { { 148, 197 }, clPurple, "its first gap" },
            { { 192, 178 }, clBlack, "the A(3) line at 740 °C: its gaps are black" },
            { { 192, 184 }, clBlack, "A(1) at 724 °C over PSK's upper row" },
            { { 192, 185 }, kDunkel, "PSK's lower row stays" },
        });
        // clang-format on
    }
}
