// The lesson on the isothermal ZTA and continuous ZTU diagram at 0.45 % C, on the virtual clock:
// its form, the static picture, the cooling stages as pure functions and the run at its key ticks.
#include "framework/FormAccess.h"
#include "framework/Timers.h"
#include "heattreat/UnitZTAZTU045.h"
#include "tests/support/Program.h"

#include <string>

using namespace wb;

namespace {

constexpr TColor kGold = RGB(0xFF, 0xD7, 0x00);
constexpr TColor kDunkel = RGB(0x01, 0x00, 0x00);
constexpr TColor kZtaStift = RGB(0x0A, 0x00, 0x00);
constexpr TColor kPurple = RGB(0x80, 0x00, 0x80);
constexpr int kTick = 50;

class ZTAZTU045 : public wbtest::LessonTest<TFormZTAZTU045> {
protected:
    void ticks(int n) { Scheduler::instance().advance(qint64(n) * kTick); }
};

} // namespace

// Caption, size, colour and status bar are checked for every form by the shell tests.
TEST_F(ZTAZTU045, ComponentsMenuAndTimersAsDescribed)
{
    EXPECT_EQ(f.PaintBoxHaupt.BoundsRect(), QRect(5, 5, 750, 500));
    EXPECT_EQ(f.PaintBoxLog.BoundsRect(), QRect(417, 161, 348, 274));
    EXPECT_EQ(f.MemoErlaeuterung.BoundsRect(), QRect(160, 230, 250, 200));
    EXPECT_EQ(f.MemoErlaeuterung.Color(), RGB(0xFF, 0xBF, 0xBF));
    EXPECT_EQ(f.MemoErlaeuterung.Font.Height(), 18);
    EXPECT_TRUE(f.MemoErlaeuterung.ReadOnly());
    EXPECT_FALSE(f.MemoErlaeuterung.Visible()) << "hidden until F1";
    ASSERT_EQ(f.MemoErlaeuterung.Lines.Count(), 11);
    EXPECT_EQ(f.MemoErlaeuterung.Lines[0], QStringLiteral(" Die Darstellung zeigt im Zusammen-"));
    EXPECT_EQ(f.MemoErlaeuterung.Lines[5], QStringLiteral(" (kontinuierliches  ZTU-Schaubild) ")) << "two blanks";
    EXPECT_EQ(f.MemoErlaeuterung.Lines[8], QStringLiteral(" eine Prozessführung,wie sie bei tech-"));
    EXPECT_EQ(f.MemoErlaeuterung.Lines[10], QStringLiteral(" zessen durchgeführt wird. "));
    for (TTimer* t : { &f.TimerZTA, &f.Timer004, &f.Timer06, &f.Timer20, &f.Timer60, &f.Timer600 }) {
        EXPECT_EQ(t->Interval(), 50) << t->Name().toStdString();
        EXPECT_FALSE(t->Enabled()) << t->Name().toStdString();
    }
    EXPECT_TRUE(wbtest::menuIs(f,
        { { "Ende", "&Ende" }, { "Text", "&Text ja/nein", "F1" },
            { "Austenitisierung", "&Austenitisierung und kontinuieliche Abkühlung" }, { "NEU", "&Löschen / Neu" },
            { "ESCAPE", "ESCAPE", "Esc", false } }));
}

TEST_F(ZTAZTU045, PaintComputesTheGeometryAndPlacesTheOverlay)
{
    const auto& m = f.moduleState();
    EXPECT_EQ(m.geometry.ZtuLinks, 412);
    EXPECT_EQ(m.geometry.ZtuRechts, 740) << "W − 10";
    EXPECT_EQ(m.geometry.ZtuUnten, 430) << "H − 70";
    EXPECT_EQ(m.geometry.ZtuDekade, 54) << "328 div 6";
    EXPECT_EQ(m.geometry.ZtuZeile, 68) << "410 div 6";
    EXPECT_EQ(m.geometry.EkdLinks, 93) << "the ZTA diagram";
    EXPECT_EQ(m.geometry.EkdRechts, 413) << "W − 337";
    EXPECT_EQ(m.ZtaDekade, 53) << "320 div 6";
    // A narrower box moves the right edges, the decades and the overlay with it.
    f.PaintBoxHaupt.SetWidth(700);
    f.Refresh();
    Application.flushPendingPaints();
    EXPECT_EQ(f.moduleState().geometry.ZtuRechts, 690);
    EXPECT_EQ(f.moduleState().geometry.ZtuDekade, 46) << "278 div 6";
    EXPECT_EQ(f.moduleState().ZtaDekade, 45) << "270 div 6";
    EXPECT_EQ(f.PaintBoxLog.BoundsRect(), QRect(417, 161, 298, 274));
}

TEST_F(ZTAZTU045, StaticPictureAtItsKeyPixels)
{
    struct Probe {
        int x, y; // on PaintBoxHaupt
        TColor color;
        const char* why;
    };
    const Probe probes[] = {
        { -4, 95, kLessonColor, "left of the paint box: the form" },
        { 2, 95, kLessonColor, "the bands start at x = 4" },
        { 300, 300, kGold, "inside the ZTA diagram" },
        { 600, 120, kGold, "inside the ZTU diagram" },
        { 92, 300, kDunkel, "the ZTA frame's left edge, 2 pixels wide" },
        { 93, 300, kDunkel, "" },
        { 90, 300, RGB(209, 0, 0), "the band left of it: row 301 covers row 300, red 510 − 301" },
        { 412, 300, kDunkel, "ZTA and ZTU frames meet at x = 412" },
        { 413, 300, kGold, "the ZTU diagram's gold just right of it" },
        { 146, 300, kZtaStift, "the line at 1 s" },
        { 146, 25, kZtaStift, "… from the top edge" },
        { 199, 362, kDunkel, "a grid dot where the ZTA decade 199 meets the 200 °C row" },
        { 250, 100, clBlue, "the ZTA title box" },
        { 700, 100, kPurple, "the ZTU title box" },
        { 410, 184, kZtaStift, "A(c1b)'s parabola at k = 680: 184 − 0.00042 · 10²" },
        { 410, 178, kZtaStift, "A(c1e)'s at k = 680: Round(178 − 0.0005 · 24²) = 178" },
        { 410, 181, kGold, "between the two" },
        { 450, 314, kDunkel, "the martensite start" },
        { 104, 111, clBlack, "the leading blank of \" A(c3) \", white on black" },
        { 600, 320, kGold, "no curve yet on the overlay" },
    };
    for (const Probe& p : probes)
        EXPECT_EQ(at(f.PaintBoxHaupt, p.x, p.y), p.color) << "(" << p.x << ", " << p.y << ") " << p.why;
}

TEST(ZTAZTU045Stages, EachStageRunsItsTicksAndEndsWhereItsLabelStands)
{
    // The overlay is 274 pixels high; each stage starts at X = 0.
    struct Case {
        int ticks;
        TPoint end; // (X, Round(Y)) after the last tick
        TPoint label;
    };
    const Case cases[] = {
        { 165, { 286, 231 }, { 246, 231 } }, // 0.0152 · 10^(285/55) = 231.03 > 274 − 50
        { 139, { 225, 225 }, { 205, 205 } }, // (224 − 91) · 3.3 − 214 = 224.9
        { 60, { 158, 232 }, { 163, 239 } }, // 4 · 156 − 392 = 232
        { 51, { 131, 247 }, { 101, 257 } }, // (129 − 88) · 3.35 + 110 = 247.35 > 244
        { 26, { 81, 241 }, { 11, 241 } }, // (78 − 93) · 2.4 + 277 = 241 > 234
    };
    for (int i = 0; i < ztaztu045::kStageCount; ++i) {
        SCOPED_TRACE(i);
        const ztaztu045::CoolingStage& stage = ztaztu045::stage(i);
        int x = 0;
        float y = 0;
        int n = 0;
        ztaztu045::StageTick t;
        do {
            t = ztaztu045::coolingTick(stage, x, y, 274);
            ++n;
        } while (!t.ended && n < 1000);
        EXPECT_EQ(n, cases[i].ticks);
        EXPECT_EQ((TPoint { x, Round(y) }), cases[i].end);
        EXPECT_EQ(t.label, cases[i].label);
    }
}

TEST(ZTAZTU045Stages, EachStageCoolsAtC45sDrawnRate)
{
    // The factors the stages were drawn with: pixels at 1 s of 0.34 pixels per °C, the drawn rates
    // of the continuous ZTU lesson at 0.45 % C.
    const double drawn[] = { 0.0152, 0.38, 9.12, 38, 258.4 };
    for (int i = 0; i < ztaztu045::kStageCount; ++i)
        EXPECT_NEAR(ztaztu045::stage(i).a, drawn[i], drawn[i] * 1e-14) << i;
}

TEST(ZTAZTU045Stages, SectionsFollowOneAnotherWithinATick)
{
    // The 15 °C/s stage at X = 99: the cooling line 2 pixels low, X + 3 = 102, which is already
    // past 100, so the level section at y = 58 draws in the same tick and leaves X at 104, the
    // first mark.
    int x = 99;
    float y = 0;
    const ztaztu045::StageTick t = ztaztu045::coolingTick(ztaztu045::stage(2), x, y, 274);
    ASSERT_EQ(t.lineCount, 2);
    // 9.12 · 10^(44 / 55) = 9.12 · 6.3096 = 57.54, drawn 2 pixels lower: 59.54 → 60.
    EXPECT_EQ(t.lines[0], (TPoint { 99, 60 }));
    EXPECT_EQ(t.lines[1], (TPoint { 102, 58 }));
    EXPECT_EQ(x, 104);
    ASSERT_NE(t.mark, nullptr);
    EXPECT_EQ(t.mark->box, (Box { 97, 55, 103, 61 }));
    // The 0.6 °C/s stage takes Y at X and draws it one pixel further right.
    x = 170;
    const ztaztu045::StageTick u = ztaztu045::coolingTick(ztaztu045::stage(1), x, y, 274);
    ASSERT_EQ(u.lineCount, 1);
    // (170 − 91) · 3.3 − 214 = 260.7 − 214 = 46.7 → 47.
    EXPECT_EQ(u.lines[0], (TPoint { 171, 47 }));
    EXPECT_EQ(x, 171);
    // The heating line at x = 144: 925 − 5.33 · 144 = 925 − 767.52 = 157.48, held as a float.
    EXPECT_FLOAT_EQ(ztaztu045::heizY(144), 157.48f);
}

TEST_F(ZTAZTU045, AustenitisingAtItsKeyTicks)
{
    // x starts at 93 and grows by one a tick; the tick that reaches 144 also draws the first
    // holding step, so from tick 52 on x = 145 + (n − 52) at the tick's start.
    struct Moment {
        int tick;
        int x, y; // on PaintBoxHaupt
        TColor color;
        const char* why;
    };
    const Moment moments[] = {
        { 1, 94, 429, clRed, "the heating line's first pixel from (93, 430)" },
        { 4, 2, 236, kLessonColor, "no heating text yet" },
        { 5, 2, 236, clBlue, "x = 98: \"   Aufheiz-   \" white on blue at (2, 235)" },
        { 49, 261, 191, kGold, "no holding text yet" },
        { 50, 261, 191, clBlue, "x = 143: \"   isothermes Halten   \" at (260, 190)" },
        { 82, 168, 158, clRed, "the holding line" },
        { 83, 168, 158, clBlack, "x = 176: the mark (166, 155, 172, 161) over it, black" },
        { 83, 166, 158, clBlue, "its outline" },
        { 286, 372, 158, clRed, "the holding line" },
        { 287, 372, 158, clWhite, "x = 380: the last mark (370, 155, 376, 161) is white" },
        { 318, 413, 158, kDunkel, "the line has not yet reached the ZTU diagram (a grid dot there)" },
        { 319, 413, 158, clRed, "the last tick draws to x = 412" },
    };
    f.Austenitisierung.Click();
    EXPECT_FALSE(f.Enabled());
    EXPECT_FALSE(f.Austenitisierung.Enabled());
    int done = 0;
    for (const Moment& m : moments) {
        ticks(m.tick - done);
        done = m.tick;
        EXPECT_EQ(at(f.PaintBoxHaupt, m.x, m.y), m.color) << "tick " << m.tick << ": " << m.why;
    }
    EXPECT_FALSE(f.TimerZTA.Enabled());
    EXPECT_TRUE(f.Timer004.Enabled());
    EXPECT_EQ(f.moduleState().ProzessX, 0);
    EXPECT_EQ(f.PaintBoxLog.Canvas().PenPos(), (TPoint { 0, 0 }));
}

TEST_F(ZTAZTU045, RepaintDuringCoolingErasesTheCurvesAndTheStagesGoOn)
{
    f.Austenitisierung.Click();
    ticks(319 + 165 + 20); // 20 ticks into the 0.6 °C/s stage
    const TPoint curve004 = { 417 - 5 + 246 + 1, 161 - 5 + 231 + 1 }; // its label on PaintBoxHaupt
    EXPECT_EQ(at(f.PaintBoxHaupt, curve004.X, curve004.Y), kPurple);
    f.Refresh();
    Application.flushPendingPaints();
    EXPECT_EQ(at(f.PaintBoxHaupt, curve004.X, curve004.Y), kGold);
    EXPECT_EQ(at(f.PaintBoxHaupt, 300, 158), kGold) << "the holding line is gone too";
    EXPECT_FALSE(f.Enabled()) << "the run goes on, locked";
    ticks(139 - 20 + 60 + 51 + 26);
    EXPECT_TRUE(f.Enabled());
    EXPECT_FALSE(f.Austenitisierung.Enabled()) << "until Löschen / Neu or closing";
    EXPECT_EQ(at(f.PaintBoxLog, 11 + 1, 241 + 1), kPurple) << "the last stage's label";
    EXPECT_EQ(at(f.PaintBoxHaupt, curve004.X, curve004.Y), kGold);
}

TEST_F(ZTAZTU045, TextToggleReachesTheLockedFormAndClosingHidesIt)
{
    f.Austenitisierung.Click();
    ticks(10);
    ASSERT_FALSE(f.Enabled());
    f.Text.Click();
    EXPECT_TRUE(f.MemoErlaeuterung.Visible());
    f.Close();
    EXPECT_FALSE(f.MemoErlaeuterung.Visible());
    EXPECT_TRUE(f.Enabled());
    EXPECT_TRUE(f.Austenitisierung.Enabled());
    EXPECT_FALSE(f.TimerZTA.Enabled());
}

TEST_F(ZTAZTU045, RepaintWhileHoldingDrawsNoStrayLine)
{
    // The picture's texts move the pen of PaintBoxHaupt; the holding line goes on from its own
    // end all the same, not from the end of the last text (" A(c3) " at (103, 110)).
    f.Austenitisierung.Click();
    ticks(150); // x = 145 + (151 − 52) = 244 at the next tick's start
    f.Refresh();
    Application.flushPendingPaints();
    ticks(1);
    EXPECT_EQ(at(f.PaintBoxHaupt, 244, 158), clRed) << "the holding step from (243, 158) to (244, 158)";
    for (const QPoint p : { QPoint(196, 134), QPoint(220, 146), QPoint(230, 151) })
        EXPECT_EQ(at(f.PaintBoxHaupt, p.x(), p.y()), openedAt(f.PaintBoxHaupt, p.x(), p.y()))
            << "(" << p.x() << ", " << p.y() << ") on the way from the text to the line";
}
