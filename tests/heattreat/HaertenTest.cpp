// The hardening lesson on the virtual clock: its form, the static picture, the austenitising
// run and the ZTU water quench at their key ticks, resetting and closing mid-run.
#include "heattreat/ProcessRun.h"
#include "heattreat/UnitHaerten.h"
#include "tests/heattreat/ProcessLessonTest.h"

#include <vector>

using namespace wb;
using processtest::Pixel;

namespace {

constexpr TColor kGold = RGB(0xFF, 0xD7, 0x00);
constexpr TColor kPurple = RGB(0x80, 0x00, 0x80);
constexpr TColor kBlue = RGB(0x00, 0x80, 0xFF); // the definition panel
constexpr int kZtaInterval = 50;

class Haerten : public processtest::ProcessLesson<TFormHaerten> {
protected:
    void ztaTicks(int n) { ticks(n, kZtaInterval); }
    void quenchTicks(int n) { ticks(n, 1); }
    // Starts the austenitising run (run 0) or the ZTU quench (run 1) and lets it go `ticks` ticks.
    void startMidRun(int run, int ticks)
    {
        if (run == 0) {
            f.Austenitisierung.Click();
            ztaTicks(ticks);
        } else {
            f.ZTUWasserabkuehlung.Click();
            quenchTicks(ticks);
        }
    }
};

} // namespace

// Caption, size, colour and status bar are checked for every form by the shell tests.
TEST_F(Haerten, ComponentsMenuAndTimersAsDescribed)
{
    EXPECT_EQ(f.PaintBoxHaupt.BoundsRect(), QRect(5, 5, 770, 500));
    EXPECT_EQ(f.PaintBoxDef.BoundsRect(), QRect(10, 350, 320, 170));
    EXPECT_EQ(f.PaintBoxLog.BoundsRect(), QRect(445, 115, 320, 202));
    EXPECT_EQ(f.MemoErlaeuterung.BoundsRect(), QRect(332, 350, 428, 170));
    EXPECT_EQ(f.PaintBoxDef.Color(), kBlue);
    EXPECT_EQ(f.PaintBoxHaupt.Font.Height(), -11) << "the form's font";

    EXPECT_EQ(f.MemoErlaeuterung.Color(), RGB(0xFF, 0xBF, 0xBF));
    EXPECT_EQ(f.MemoErlaeuterung.Font.Name(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(f.MemoErlaeuterung.Font.Height(), 18);
    EXPECT_TRUE(f.MemoErlaeuterung.ReadOnly());
    EXPECT_EQ(f.MemoErlaeuterung.ScrollBars(), ssBoth);
    EXPECT_TRUE(f.MemoErlaeuterung.Visible()) << "no text toggle here: the memo always shows";
    ASSERT_EQ(f.MemoErlaeuterung.Lines.Count(), 15);
    EXPECT_EQ(f.MemoErlaeuterung.Lines[0],
        QStringLiteral("  Die Umwandlungshärtung ist nur bei Werkstoffen möglich, die eine "));
    EXPECT_EQ(f.MemoErlaeuterung.Lines[13], QStringLiteral("  \"abgeschreckt\" wird. "))
        << "inner quotes belong to the text";
    EXPECT_EQ(f.MemoErlaeuterung.Lines[14], QStringLiteral(" "));

    EXPECT_EQ(f.TimerZTA.Interval(), 50);
    EXPECT_EQ(f.Timer600.Interval(), 1);
    EXPECT_FALSE(f.TimerZTA.Enabled());
    EXPECT_FALSE(f.Timer600.Enabled());
    EXPECT_EQ(f.ImageListGef.Count(), 13) << "ferrite–pearlite, ten growth stages, austenite, martensite";
    EXPECT_EQ(f.ImageListGef.Width(), 100);
    EXPECT_EQ(f.ImageListGef.Height(), 100);

    EXPECT_TRUE(wbtest::menuIs(f,
        { { "Ende", "&Ende" }, { "Austenitisierung", "&Austenitisierung und schnelle Abkühlung" },
            { "ZTUWasserabkuehlung", "Abkühlung im &ZTU-Schaubild" }, { "NEU", "&Löschen / Neu" },
            { "ESCAPE", "ESCAPE", "Esc", false } }));
}

TEST_F(Haerten, PaintComputesTheGeometryAndPlacesTheCurveSurface)
{
    const auto& g = f.moduleState().geometry;
    EXPECT_EQ(g.prozess, (processdiagram::Frame { 40, 20, 420, 300, 9, 42, 46 }));
    EXPECT_EQ(g.ztu, (processdiagram::Frame { 440, 20, 760, 300, 6, 53, 46 }));
    // Moved away, the curve surface takes its place again at the next paint.
    f.PaintBoxLog.SetBounds(10, 20, 30, 40);
    f.Refresh();
    Application.flushPendingPaints();
    EXPECT_EQ(f.PaintBoxLog.BoundsRect(), QRect(445, 115, 320, 202));
    EXPECT_TRUE(showsOpenedPicture()) << "the curve surface draws nothing of its own";
}

TEST_F(Haerten, GeometryIsRecomputedFromThePaintBoxAtEveryPaint)
{
    // A narrower diagram box moves the diagrams' right edges and the curve surface with it.
    f.PaintBoxHaupt.SetWidth(700);
    f.Refresh();
    Application.flushPendingPaints();
    EXPECT_EQ(f.moduleState().geometry.prozess.right, 350);
    EXPECT_EQ(f.moduleState().geometry.prozess.dx, 34) << "310 div 9";
    EXPECT_EQ(f.moduleState().geometry.ztu.right, 690);
    EXPECT_EQ(f.moduleState().geometry.ztu.dx, 41) << "250 div 6";
    EXPECT_EQ(f.PaintBoxLog.BoundsRect(), QRect(445, 115, 250, 202));
}

TEST_F(Haerten, StaticPicture)
{
    // clang-format off
    const Pixel haupt[] = {
        // A width-2 band line covers its own row and the one above; the later, lower band wins.
        { 20, 50, RGB(255, 153, 0), "row 50 shows band 51: G = 255 − 2 · 51" },
        { 765, 0, RGB(255, 253, 0), "the top row shows band 1" },
        { 765, 99, RGB(255, 0, 0), "row 99 shows band 100 drawn a second time, glowing: R = 355 − 100" },
        { 430, 150, RGB(204, 0, 0), "between the diagrams, row 150 shows band 151: R = 355 − 151" },
        { 765, 353, RGB(1, 0, 0), "the last glowing row: 355 − 354" },
        { 765, 354, clBlack, "black below" },
        { 3, 50, RGB(255, 153, 0), "the bands' round ends reach one pixel left of x = 4" },
        // Frames: pen #010000 of width 2 centred on the edge path, gold inside.
        { 439, 150, RGB(1, 0, 0), "ZTU frame, left edge x = 440: columns 439 and 440" },
        { 441, 150, kGold, "ZTU frame inside" },
        { 700, 60, kGold, "ZTU frame inside" },
        { 419, 150, RGB(1, 0, 0), "process frame, right edge path x = 419" },
        { 300, 200, kGold, "process frame inside" },
        // Grids: dots of 3 on, 3 off from each line's start, gaps untouched.
        { 46, 254, RGB(1, 0, 0), "process grid y = 254 from x = 40: dots at 40 … 42, 46 … 48" },
        { 44, 254, kGold, "process grid: a gap" },
        { 82, 27, RGB(1, 0, 0), "process grid x = 82 from y = 20: dots at 20 … 22, 26 … 28" },
        { 82, 24, kGold, "process grid: a gap" },
        { 446, 254, RGB(1, 0, 0), "ZTU grid y = 254 from x = 440" },
        { 705, 290, RGB(1, 0, 0), "ZTU grid x = 705 from y = 20: 290 − 20 = 270, 270 mod 6 = 0 is a dot" },
        { 705, 293, kGold, "273 mod 6 = 3 is a gap" },
        // The martensite start line (440, 222)–(518, 222), width 2: rows 221 and 222.
        { 480, 221, RGB(1, 0, 0), "martensite start" },
        { 480, 222, RGB(1, 0, 0), "martensite start" },
        { 480, 223, kGold, "below the martensite start" },
        // The white arrow under the process diagram keeps the grid's dots; gaps show the band.
        { 268, 315, clWhite, "arrow (267, 315)–(327, 315): dots at 267 … 269" },
        { 271, 315, RGB(39, 0, 0), "arrow gap: band 316, R = 355 − 316" },
        // The title's leading blanks: white on #800080.
        { 457, 24, kPurple, "title cell" },
        { 457, 38, kPurple, "second title line" },
    };
    const Pixel def[] = {
        { 0, 100, clWhite, "the rectangle's left edge" },
        { 100, 0, clWhite, "its top edge" },
        { 3, 3, kBlue, "filled with the panel's colour" },
        { 319, 169, kBlue, "the right and bottom edges lie outside the panel" },
        { 5, 35, kBlue, "between the heading (y 10) and the quotation (y 50)" },
    };
    // clang-format on
    for (const Pixel& p : haupt)
        EXPECT_TRUE(shows(f.PaintBoxHaupt, p));
    for (const Pixel& p : def)
        EXPECT_TRUE(shows(f.PaintBoxDef, p));

    // The panel is cut at its bounds: right of it and below it the diagram and the form show.
    EXPECT_EQ(fromPixel(picture().pixel(330, 400)), clBlack) << "PaintBoxHaupt's black bottom";
    EXPECT_EQ(fromPixel(picture().pixel(100, 525)), f.Color()) << "below both paint boxes";
    EXPECT_EQ(fromPixel(picture().pixel(2, 2)), f.Color()) << "around the diagram";
    EXPECT_EQ(fromPixel(picture().pixel(780, 200)), f.Color()) << "around the diagram";
}

TEST_F(Haerten, StaticLabelsInTheirColoursWithoutBackground)
{
    const TCanvas& c = f.PaintBoxHaupt.Canvas();
    struct Label {
        int x, y;
        const char* text;
        TColor ink;
    };
    // clang-format off
    const Label labels[] = {
        { 10, 18, "1200", clBlack },
        { 10, 110, " 800", clWhite },
        { 616, 93, "Austenit", RGB(2, 0, 0) },
        { 461, 240, "Martensit", RGB(2, 0, 0) },
        { 692, 325, "Zeit/sec", clWhite },
    };
    // clang-format on
    for (const Label& l : labels) {
        const QString text = QString::fromUtf8(l.text);
        int inked = 0, other = 0;
        for (int y = l.y; y < l.y + c.TextHeight(text); ++y)
            for (int x = l.x; x < l.x + c.TextWidth(text); ++x) {
                const TColor got = at(f.PaintBoxHaupt, x, y);
                if (got == l.ink)
                    ++inked;
                else if (got == kPurple || got == clWhite || got == clBlack)
                    ++other; // an opaque text cell would fill these
            }
        EXPECT_GT(inked, 0) << l.text;
        if (l.ink == RGB(2, 0, 0)) {
            EXPECT_EQ(other, 0) << l.text << ": transparent on the gold";
        }
    }
}

TEST_F(Haerten, AustenitisingRunAtItsKeyTicks)
{
    // x grows by one per tick; the heating line ends and holding begins in tick 55, where
    // y = 430 − 3.36 · 95 = 110.8 falls to 111 or below; the quench runs in ticks 168 … 173.
    // clang-format off
    const std::vector<processtest::Moment> moments = {
        { 1, 41, 292.24f, 1, 0, 90, 180, {
            { 40, 300, clRed, "the first line starts at (40, 300)" },
            { 90, 284, clBlack, "\"Ferrit+Perlit\" white on black: the cell's top row" } } },
        { 49, 89, 130.96f, 1, 0, 290, 30, {} },
        { 54, 94, 114.16f, 1, -1, 0, 0, {
            { 94, 118, clRed, "the line reaches (94, Round(430 − 3.36 · 93)) = (94, 118)" } } },
        { 55, 96, 111.0f, 1, -1, 0, 0, {
            { 95, 114, clRed, "last heating step to (95, Round(114.16))" },
            { 96, 111, clRed, "first holding step (95, 111)–(96, 111)" },
            { 44, 47, clRed, "\" Austenitisiertemperatur \": leading blank on the red brush" },
            { 44, 79, clRed, "\" T = const. > A[c3] im Gleichgewicht \"" } } },
        { 56, 97, 111.0f, 2, 1, 290, 30, {} },
        { 140, 181, 111.0f, 11, 10, 290, 30, {} },
        { 148, 189, 111.0f, 12, 11, 290, 30, {
            { 290, 135, clBlack, "\"Homogener Austenit\" white on black" } } },
        { 168, 210, 141.0f, 12, -1, 0, 0, {
            { 209, 111, clRed, "holding ended at x = 209" },
            { 210, 141, clRed, "first quench step: y := Round(111 + 30)" } } },
        { 172, 214, 261.0f, 12, -1, 0, 0, {} },
        { 173, 215, 291.0f, 13, 12, 290, 170, {
            { 215, 291, clRed, "the curve's end point" },
            { 215, 293, kGold, "two pixels below it: beyond the 3-pixel pen" },
            { 150, 111, clRed, "the holding line" },
            { 290, 274, clBlack, "\" Martensit \" at (290, Round(291 − 17))" } } },
    };
    // clang-format on
    f.Austenitisierung.Click();
    EXPECT_FALSE(f.Enabled()) << "locked from the click";
    EXPECT_FALSE(f.Austenitisierung.Enabled());
    EXPECT_TRUE(f.ZTUWasserabkuehlung.Enabled());
    EXPECT_EQ(f.moduleState().ProzessX, 40);
    EXPECT_EQ(f.moduleState().ProzessY, 300.0f);
    expectMoments(moments, f.TimerZTA, 173); // the run ends in tick 173
    EXPECT_FALSE(f.Austenitisierung.Enabled()) << "stays disabled until Löschen / Neu or closing";
    EXPECT_TRUE(f.ZTUWasserabkuehlung.Enabled());
    ztaTicks(10);
    EXPECT_EQ(f.moduleState().ProzessX, 215) << "nothing more happens";
}

TEST_F(Haerten, HeatingValuesAreHeldInSinglePrecision)
{
    // 430 − 3.36 · x in double, stored as float: what ProzessY holds and Round reads.
    EXPECT_EQ(processrun::heizY(41), float(430 - 3.36 * 41));
    EXPECT_EQ(Round(processrun::heizY(93)), 118) << "117.52";
    EXPECT_EQ(Round(processrun::heizY(94)), 114) << "114.16";
    EXPECT_LE(processrun::heizY(95), 111.0f) << "110.8: the first x at the holding temperature";
    EXPECT_GT(processrun::heizY(94), 111.0f);
    // The ZTU quench: exact halves round to the even neighbour.
    EXPECT_EQ(haerten::parabelY(30), 22.5f) << "0.025 · 900";
    EXPECT_EQ(Round(haerten::parabelY(30)), 22);
    EXPECT_EQ(haerten::geradeY(78), 135.5f) << "(78 − 93) · 2.3 + 170";
    EXPECT_EQ(Round(haerten::geradeY(78)), 136);
    EXPECT_EQ(Round(haerten::parabelY(66)), 109) << "108.9: the parabola's last point";
    EXPECT_EQ(Round(haerten::geradeY(69)), 115) << "114.8: the line's first point";
    EXPECT_EQ(Round(haerten::geradeY(99)), 184) << "183.8: the last point, past 202 − 20";
}

TEST_F(Haerten, ZtuQuenchAtItsKeyTicks)
{
    struct Moment {
        int tick;
        int x;
        float y;
        bool running;
        std::vector<Pixel> pixels; // in PaintBoxLog
    };
    // x steps by 3 from 0; tick 23 ends the parabola at (66, 109) and draws the line's first
    // step to (69, 115) with the mark; tick 33 reaches y = 183.8 > 202 − 20 and ends the run.
    // clang-format off
    const Moment moments[] = {
        { 1, 3, 0.0f, true, { { 0, 0, clRed, "a zero-length first line shows a dot of the pen's width" } } },
        { 11, 33, 22.5f, true, { { 30, 22, clRed, "Round(22.5) = 22, the even neighbour" } } },
        { 23, 72, 114.8f, true, {
            { 65, 112, clBlue, "the mark (65, 110, 71, 116): its left edge at mid-height" },
            { 67, 112, clBlack, "filled black" },
            { 70, 112, clBlue, "its right edge" } } },
        { 26, 81, 135.5f, true, { { 78, 136, clRed, "Round(135.5) = 136, the even neighbour" } } },
        { 32, 99, 176.9f, true, {} },
        { 33, 102, 183.8f, false, {
            { 99, 184, clRed, "the curve's end point" },
            { 99, 187, kGold, "three pixels below it" },
            { 102, 164, kPurple, "\" Martensit / evtl. mit Restaustenit \" at (102, Round(183.8 − 20))" },
            { 67, 112, clBlack, "the mark stays" } } },
    };
    // clang-format on
    f.ZTUWasserabkuehlung.Click();
    EXPECT_FALSE(f.Enabled()) << "locked from the click";
    EXPECT_TRUE(f.ZTUWasserabkuehlung.Enabled()) << "the item is disabled only at the end";
    int done = 0;
    for (const Moment& m : moments) {
        quenchTicks(m.tick - done);
        done = m.tick;
        SCOPED_TRACE(testing::Message() << "tick " << m.tick);
        EXPECT_EQ(f.moduleState().ProzessX, m.x);
        EXPECT_FLOAT_EQ(f.moduleState().ProzessY, m.y);
        EXPECT_EQ(f.Timer600.Enabled(), m.running);
        EXPECT_EQ(f.Enabled(), !m.running);
        for (const Pixel& p : m.pixels)
            EXPECT_TRUE(shows(f.PaintBoxLog, p));
    }
    EXPECT_FALSE(f.ZTUWasserabkuehlung.Enabled());
    EXPECT_TRUE(f.Austenitisierung.Enabled());
    EXPECT_EQ(f.moduleState().BildNr, 13) << "frame 12 shown, the next would be 13";
    EXPECT_TRUE(showsFrame(12, 600, 170)) << "the martensite beside the ZTU curve, on PaintBoxHaupt";
    EXPECT_EQ(f.PaintBoxLog.Canvas().Font.Height(), 8);
}

TEST_F(Haerten, BothRunsInEitherOrderEndInTheSamePicture)
{
    auto austenitising = [&] {
        f.Austenitisierung.Click();
        ztaTicks(173);
        EXPECT_TRUE(f.Enabled());
        EXPECT_EQ(f.moduleState().ProzessX, 215);
    };
    auto quench = [&] {
        f.ZTUWasserabkuehlung.Click();
        quenchTicks(33);
        EXPECT_TRUE(f.Enabled());
        EXPECT_EQ(f.moduleState().ProzessX, 102);
    };
    austenitising();
    quench();
    const QImage first = picture().copy();
    EXPECT_FALSE(f.Austenitisierung.Enabled());
    EXPECT_FALSE(f.ZTUWasserabkuehlung.Enabled());

    f.NEU.Click();
    EXPECT_TRUE(showsOpenedPicture());
    quench();
    austenitising();
    EXPECT_TRUE(picture() == first) << "the runs draw on separate canvases and start from their own values";
    EXPECT_EQ(f.moduleState().BildNr, 13) << "the austenitising run restarts the frames at 0";
}

TEST_F(Haerten, RepaintDuringTheRunErasesItsTraceAndTheRunGoesOn)
{
    f.Austenitisierung.Click();
    ztaTicks(100); // holding has reached x = 141
    f.Refresh();
    EXPECT_TRUE(showsOpenedPicture());
    ztaTicks(73);
    EXPECT_TRUE(f.Enabled());
    EXPECT_TRUE(shows(f.PaintBoxHaupt, { 215, 291, clRed, "the quench still ends at (215, 291)" }));
    EXPECT_TRUE(shows(f.PaintBoxHaupt, { 120, 111, kGold, "the holding line before the repaint is gone" }));
    EXPECT_TRUE(shows(f.PaintBoxHaupt, { 200, 111, clRed, "the holding line after it" }));
}

TEST_F(Haerten, LoeschenNeuAfterTheRunsErasesAndEnablesBothItems)
{
    f.Austenitisierung.Click();
    ztaTicks(173);
    f.ZTUWasserabkuehlung.Click();
    quenchTicks(33);
    f.NEU.Click();
    EXPECT_TRUE(showsOpenedPicture());
    EXPECT_TRUE(f.Austenitisierung.Enabled());
    EXPECT_TRUE(f.ZTUWasserabkuehlung.Enabled());
    // A new run starts from the beginning.
    f.Austenitisierung.Click();
    ztaTicks(1);
    EXPECT_EQ(f.moduleState().ProzessX, 41);
    EXPECT_TRUE(showsFrame(0, 90, 180));
}

TEST_F(Haerten, LoeschenNeuMidRunLeavesACleanUnlockedForm)
{
    // Out of the user's reach while the form is locked; a script can still run the item.
    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run == 0 ? "austenitising" : "ZTU quench");
        startMidRun(run, run == 0 ? 60 : 20);
        f.NEU.Click();
        EXPECT_TRUE(showsOpenedPicture());
        EXPECT_TRUE(f.Enabled());
        EXPECT_TRUE(f.Austenitisierung.Enabled());
        EXPECT_TRUE(f.ZTUWasserabkuehlung.Enabled());
        EXPECT_FALSE(f.TimerZTA.Enabled());
        EXPECT_FALSE(f.Timer600.Enabled());
        ztaTicks(200);
        EXPECT_TRUE(showsOpenedPicture()) << "nothing draws on";
    }
}

TEST_F(Haerten, EscMidRunClosesAndTheNextOpeningStartsIdle)
{
    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run == 0 ? "austenitising" : "ZTU quench");
        startMidRun(run, run == 0 ? 100 : 25);
        EXPECT_TRUE(f.pressKey(VK_ESCAPE)) << "Esc works while the form is locked";
        EXPECT_FALSE(f.Visible());
        EXPECT_TRUE(f.Enabled());
        EXPECT_TRUE(f.Austenitisierung.Enabled());
        EXPECT_TRUE(f.ZTUWasserabkuehlung.Enabled());
        EXPECT_FALSE(f.TimerZTA.Enabled());
        EXPECT_FALSE(f.Timer600.Enabled());
        ztaTicks(200);
        f.Show();
        Application.flushPendingPaints();
        EXPECT_TRUE(showsOpenedPicture());
    }
    f.ZTUWasserabkuehlung.Click();
    quenchTicks(1);
    EXPECT_EQ(f.moduleState().ProzessX, 3) << "a new run starts from its own initial values";
}

TEST_F(Haerten, CloseBoxIsRefusedDuringTheRunAndEndsNothing)
{
    f.Austenitisierung.Click();
    EXPECT_FALSE(f.closeBox()) << "the run lock keeps the mouse off the close box";
    EXPECT_TRUE(f.Visible());
    ztaTicks(173);
    EXPECT_TRUE(f.closeBox());
    EXPECT_FALSE(f.Visible());
    EXPECT_TRUE(f.Austenitisierung.Enabled()) << "closing enables the item again";
}
