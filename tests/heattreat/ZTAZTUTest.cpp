// The temperature-guidance lesson on the virtual clock: its form, the steel corner of the
// iron–carbon diagram, the band and the ten curves as pure functions, the run at its key ticks,
// repainting and closing mid-run.
#include "framework/FormAccess.h"
#include "framework/Timers.h"
#include "heattreat/UnitZTAZTU.h"
#include "tests/support/Program.h"

#include <QImage>
#include <vector>

using namespace wb;
using namespace wb::temperaturfuehrung;

namespace {

constexpr TColor kGreen = RGB(0x00, 0xEB, 0x00);
constexpr TColor kDunkel = RGB(0x01, 0x00, 0x00);
constexpr int kTick = 50;
constexpr int kBandTicks = 103;
constexpr int kCurveTicks = 63;

class ZTAZTU : public wbtest::LessonTest<TFormZTAZTU> {
protected:
    void ticks(int n) { Scheduler::instance().advance(qint64(n) * kTick); }
    TColor haupt(int x, int y) { return at(f.PaintBoxHaupt, x, y); }
    int count(const QRect& r, TColor color)
    {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += haupt(x, y) == color;
        return n;
    }
    // The pixels of the box's rectangle that are black now.
    std::vector<QPoint> blackIn(const QRect& r)
    {
        std::vector<QPoint> black;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (haupt(x, y) == clBlack)
                    black.push_back({ x, y });
        return black;
    }
};

} // namespace

// Caption, size, colour and status bar are checked for every form by the shell tests.
TEST_F(ZTAZTU, ComponentsMenuAndTimersAsDescribed)
{
    EXPECT_EQ(f.PaintBoxHaupt.BoundsRect(), QRect(10, 5, 760, 492));
    EXPECT_EQ(f.MemoErlaeuterung.BoundsRect(), QRect(50, 424, 690, 90));
    EXPECT_EQ(f.MemoErlaeuterung.Color(), RGB(0xFF, 0xBF, 0xBF));
    EXPECT_EQ(f.MemoErlaeuterung.Font.Height(), 18);
    EXPECT_TRUE(f.MemoErlaeuterung.ReadOnly());
    EXPECT_TRUE(f.MemoErlaeuterung.Visible()) << "no text toggle here: the memo always shows";
    ASSERT_EQ(f.MemoErlaeuterung.Lines.Count(), 5);
    EXPECT_EQ(f.MemoErlaeuterung.Lines[2],
        QStringLiteral(" beschrieben werden, nur bei sehr langsamen Temperaturänderungen gültig sind. Das EKS dient "
                       "nur dazu, die"))
        << "no blank at the end";
    EXPECT_EQ(f.MemoErlaeuterung.Lines[4], QStringLiteral(" idischen Stählen ca. 50 K oberhalb A[c1], zu zeigen."));
    for (TTimer* t : { &f.TimerAc, &f.Timer02, &f.Timer04, &f.Timer06, &f.Timer08, &f.Timer10, &f.Timer12, &f.Timer14,
             &f.Timer16, &f.Timer18, &f.Timer20 }) {
        EXPECT_EQ(t->Interval(), 50) << t->Name().toStdString();
        EXPECT_FALSE(t->Enabled()) << t->Name().toStdString();
    }
    EXPECT_TRUE(wbtest::menuIs(f,
        { { "Ende", "&Ende" }, { "START", "&Start" }, { "Neu", "&Löschen/Neu" },
            { "ESCAPE", "ESCAPE", "Esc", false } }));
}

TEST(ZTAZTUGeometry, LayoutAndScaleFollowTheBoxSize)
{
    EXPECT_EQ(layoutFor(760, 492), (Layout { 230, 18, 680, 381, 60, 40 })) << "363 div 6, 450 div 11";
    EXPECT_EQ(layoutFor(700, 400), (Layout { 230, 18, 620, 289, 45, 35 })) << "271 div 6, 390 div 11";
    // The diagram's points land on the lines of the picture: S at 0.8 % C and 723 °C, E at
    // 2.06 % C and 1147 °C, G at 911 °C.
    const ekd::Scale s = scaleOf(layoutFor(760, 492));
    EXPECT_EQ(ekd::carbonX(s, 0.8), 390);
    EXPECT_EQ(ekd::temperatureY(s, 723), 164) << "381 − 216.9";
    EXPECT_EQ(ekd::carbonX(s, 2.06), 642);
    EXPECT_EQ(ekd::temperatureY(s, 1147), 37) << "381 − 344.1";
    EXPECT_EQ(ekd::temperatureY(s, 911), 108) << "381 − 273.3";
}

TEST(ZTAZTUGeometry, BandAndCurvesAtTheirTellingPoints)
{
    EXPECT_EQ(Round(*bandY(244)), 102) << "the band's first point: 0.36 · 244 + 14 = 101.84";
    EXPECT_EQ(Round(*bandY(388)), 154) << "its last rising point, near S";
    EXPECT_EQ(*bandY(392), 155.0f);
    EXPECT_FALSE(bandY(652)) << "past the end";
    EXPECT_FALSE(kurveF(140)) << "between holding and cooling";

    struct Case {
        int k, u;
        TPoint at;
        const char* why;
    };
    const Case cases[] = {
        { 0, 16, { 146, 315 }, "first point: (5.6 − 19)² + 185 − 50" },
        { 0, 52, { 182, 136 }, "the heating's end" },
        { 0, 56, { 186, 133 }, "the holding's start: 207 − 23.52 − 50" },
        { 0, 136, { 266, 100 }, "the holding's end" },
        { 0, 144, { 274, 103 }, "the cooling's start: 565 − 0.0012 · 586² − 50" },
        { 0, 264, { 394, 254 }, "the last point" },
        { 1, 264, { 434, 269 }, "35 higher" },
        { 2, 264, { 474, 284 }, "" },
        { 3, 16, { 266, 358 }, "" },
        { 3, 264, { 514, 297 }, "" },
        { 9, 16, { 506, 360 }, "" },
        { 9, 264, { 754, 299 }, "" },
    };
    for (const Case& c : cases) {
        const std::optional<TPoint> p = kurvenPunkt(c.k, c.u);
        ASSERT_TRUE(p) << c.k << ", " << c.u;
        EXPECT_EQ(*p, c.at) << "curve " << c.k << " at u = " << c.u << ": " << c.why;
    }
    EXPECT_FALSE(kurvenPunkt(4, 140));
}

TEST_F(ZTAZTU, StaticPictureAtItsKeyPixels)
{
    struct Probe {
        int x, y; // on PaintBoxHaupt
        TColor color;
        const char* why;
    };
    const Probe probes[] = {
        { 2, 100, kLessonColor, "the rows start at x = 4" },
        { 300, 100, RGB(255, 155, 0), "row 100 of the yellow part: G = 255 − 100" },
        { 300, 250, RGB(255, 5, 0), "" },
        { 300, 300, RGB(222, 0, 0), "the red part: row 301 belongs to line i = 23 (y = 301), R = 245 − 23" },
        { 300, 490, RGB(127, 0, 0), "the box's last row: line i = 118 (y = 491) covers it, R = 127" },
        { 300, 380, RGB(8, 0, 0), "the frame's bottom edge in the last row's colour, #080000" },
        { 390, 300, clBlue, "the 0.8 % C line" },
        { 300, 164, kDunkel, "the 723 °C line" },
        { 642, 37, kDunkel, "E" },
        { 302, 321, RGB(8, 0, 0), "the 200 °C row, 72 pixels from its start: 72 mod 6 = 0, in a dot of 3" },
        { 300, 321, RGB(212, 0, 0), "70 mod 6 = 4, in a gap: the background (line i = 33)" },
        { 10, 300, clWhite, "the time plane's left edge, width 4" },
        { 100, 200, RGB(255, 55, 0), "the plane's inside is background" },
        { 240, 100, RGB(255, 155, 0), "no band yet" },
    };
    for (const Probe& p : probes)
        EXPECT_EQ(haupt(p.x, p.y), p.color) << "(" << p.x << ", " << p.y << ") " << p.why;
}

TEST_F(ZTAZTU, LockedFromTheFirstTickUntilTheLastCurveEnds)
{
    f.START.Click();
    EXPECT_TRUE(f.Enabled()) << "the click itself does not lock";
    EXPECT_TRUE(f.TimerAc.Enabled());
    ticks(1);
    EXPECT_FALSE(f.Enabled());
    EXPECT_EQ(haupt(248, 103), clBlue) << "the band's first step to (244, 102)";
    ticks(kBandTicks - 1);
    EXPECT_FALSE(f.TimerAc.Enabled());
    EXPECT_TRUE(f.Timer02.Enabled());
    EXPECT_EQ(f.PaintBoxHaupt.Canvas().PenPos(), (TPoint { 142, 350 }));
    ticks(10 * kCurveTicks - 1);
    EXPECT_FALSE(f.Enabled()) << "one tick before the end";
    EXPECT_TRUE(f.Timer20.Enabled());
    ticks(1);
    EXPECT_TRUE(f.Enabled());
    for (int k = 0; k < kKurven; ++k)
        EXPECT_EQ(haupt(394 + 40 * k, kurvenPunkt(k, 264)->Y), kGreen) << "curve " << k << "'s last point";
}

TEST_F(ZTAZTU, PartNamesAreWrittenOnceWhenTheFirstCurveEnds)
{
    // "Aufheizung", "Halten" and "Abkühlung" in black, left of and above the curves.
    const QRect labels[] = { { 60, 310, 80, 20 }, { 170, 100, 50, 20 }, { 280, 80, 80, 20 } };
    f.START.Click();
    ticks(kBandTicks + kCurveTicks - 1);
    for (const QRect& r : labels)
        EXPECT_TRUE(blackIn(r).empty()) << r.x() << ", " << r.y();
    ticks(1);
    for (const QRect& r : labels)
        EXPECT_FALSE(blackIn(r).empty()) << r.x() << ", " << r.y();
    // A repaint during the second curve erases them; no later curve writes them again.
    ticks(5);
    f.Refresh();
    Application.flushPendingPaints();
    ticks(9 * kCurveTicks - 5);
    ASSERT_TRUE(f.Enabled()) << "the run has ended";
    for (const QRect& r : labels)
        EXPECT_TRUE(blackIn(r).empty()) << r.x() << ", " << r.y();
}

TEST_F(ZTAZTU, RepaintMidRunErasesWhatWasDrawnAndTheStageGoesOn)
{
    f.START.Click();
    ticks(kBandTicks + 2 * kCurveTicks + 10);
    EXPECT_EQ(haupt(500, 155), clBlue);
    EXPECT_EQ(haupt(394, 254), kGreen);
    f.Refresh();
    Application.flushPendingPaints();
    EXPECT_EQ(haupt(500, 155), openedAt(f.PaintBoxHaupt, 500, 155)) << "the band is gone";
    EXPECT_EQ(haupt(394, 254), openedAt(f.PaintBoxHaupt, 394, 254)) << "and the first curve";
    EXPECT_TRUE(f.Timer06.Enabled());
    ticks(8 * kCurveTicks - 10);
    EXPECT_TRUE(f.Enabled());
    EXPECT_EQ(haupt(754, 299), kGreen) << "the last curve's end";
}

TEST_F(ZTAZTU, ClosingMidRunStopsEverythingWithoutARepaint)
{
    f.START.Click();
    ticks(kBandTicks + kCurveTicks + 5);
    f.Close();
    EXPECT_TRUE(f.Enabled());
    for (TTimer* t : { &f.TimerAc, &f.Timer02, &f.Timer04 })
        EXPECT_FALSE(t->Enabled()) << t->Name().toStdString();
    EXPECT_EQ(haupt(500, 155), clBlue) << "closing leaves the picture as it was";
    f.Show();
    Application.flushPendingPaints();
    EXPECT_EQ(haupt(500, 155), openedAt(f.PaintBoxHaupt, 500, 155)) << "showing the form repaints it";
}

TEST_F(ZTAZTU, LoeschenNeuClearsAFinishedRunAndStartBeginsAgain)
{
    f.START.Click();
    ticks(kBandTicks + 10 * kCurveTicks);
    ASSERT_EQ(haupt(754, 299), kGreen);
    f.Neu.Click();
    EXPECT_EQ(haupt(754, 299), openedAt(f.PaintBoxHaupt, 754, 299));
    EXPECT_EQ(haupt(500, 155), openedAt(f.PaintBoxHaupt, 500, 155));
    EXPECT_TRUE(f.Enabled());
    // Start names the A(c3) and A(c1) lines in blue, 24 pixels high, before the band begins.
    const QRect ac3(340, 100, 16, 24);
    EXPECT_EQ(count(ac3, clBlue), 0);
    f.START.Click();
    EXPECT_GT(count(ac3, clBlue), 20) << "the A of \"A      - Linie\"";
    ticks(1);
    EXPECT_EQ(haupt(248, 103), clBlue) << "the band starts again at (240, 100)";
}
