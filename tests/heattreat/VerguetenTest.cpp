// The quench-and-temper lesson on the virtual clock: its form and static picture and the run of
// 457 ticks at its stage changes. F2, "Löschen / Neu" and Esc are tested with the normalising
// lesson's (PausableLessonTest.cpp).
#include "heattreat/UnitVergueten.h"
#include "tests/heattreat/ProcessLessonTest.h"

#include <vector>

using namespace wb;
using processtest::Pixel;

namespace {

constexpr TColor kGold = RGB(0xFF, 0xD7, 0x00);
constexpr TColor kFrame = RGB(0x01, 0x00, 0x00);
constexpr TColor kBlue = RGB(0x00, 0x80, 0xFF);
constexpr int kRunTicks = 457;

using Vergueten = processtest::ProcessLesson<TFormVergueten>;

} // namespace

// Caption, size, colour and status bar are checked for every form by the shell tests.
TEST_F(Vergueten, ComponentsMenuAndTimerAsDescribed)
{
    EXPECT_EQ(f.PaintBoxHaupt.BoundsRect(), QRect(5, 5, 770, 500));
    EXPECT_EQ(f.PaintBoxDef.BoundsRect(), QRect(10, 350, 320, 170));
    EXPECT_EQ(f.MemoErlaeuterung.BoundsRect(), QRect(332, 350, 433, 170));
    EXPECT_EQ(f.PaintBoxDef.Color(), kBlue);
    EXPECT_EQ(f.MemoErlaeuterung.Color(), RGB(0xFF, 0xBF, 0xBF));
    EXPECT_EQ(f.MemoErlaeuterung.Font.Height(), 18);
    EXPECT_TRUE(f.MemoErlaeuterung.ReadOnly());
    EXPECT_EQ(f.MemoErlaeuterung.ScrollBars(), ssNone) << "its ten lines fit the memo";
    ASSERT_EQ(f.MemoErlaeuterung.Lines.Count(), 10);
    EXPECT_EQ(
        f.MemoErlaeuterung.Lines[0], QStringLiteral("  Eine Verbesserung der Zähigkeit kommt z. B. bei einem Ferrit-"));
    EXPECT_EQ(f.MemoErlaeuterung.Lines[4],
        QStringLiteral("  elten Zustand. Die durch das Härten entstandenen Verspannungen "));
    EXPECT_EQ(f.MemoErlaeuterung.Lines[9], QStringLiteral(" "));
    EXPECT_EQ(f.TimerProzess.Interval(), 50);
    EXPECT_FALSE(f.TimerProzess.Enabled());
    EXPECT_EQ(f.ImageListGef.Count(), 20);
    EXPECT_EQ(f.moduleState().geometry, (processdiagram::Frame { 190, 20, 750, 300, 9, 62, 46 }));
    EXPECT_TRUE(wbtest::menuIs(f,
        { { "Ende", "&Ende" }, { "Austenitisierung", "&Austenitisierung und schnelle Abkühlung" },
            { "NEU", "&Löschen / Neu" }, { "ESCAPE", "ESCAPE", "Esc", false },
            { "Prozessanhalten", "Prozessanhalten", "F2", false },
            { "Vergtungsschaubild1", "Vergütungsschaubild C45" } }));
}

TEST_F(Vergueten, StaticPicture)
{
    // clang-format off
    const Pixel haupt[] = {
        { 20, 50, RGB(255, 153, 0), "the colour bands of the hardening lesson: row 50 shows band 51" },
        { 100, 200, RGB(154, 0, 0), "left of the diagram, row 200 shows band 201: R = 355 − 201" },
        { 189, 150, kFrame, "frame (190, 20)–(750, 300), left edge: columns 189 and 190" },
        { 191, 150, kGold, "inside" },
        { 749, 150, kFrame, "right edge path x = 749" },
        { 256, 254, kFrame, "grid y = 254 from x = 190: dots 190 … 192, 196 … 198, …, 256 … 258" },
        { 253, 254, kGold, "a gap" },
        { 252, 27, kFrame, "grid x = 252 = 190 + 62 from y = 20: dots 20 … 22, 26 … 28" },
        { 252, 24, kGold, "a gap" },
        { 686, 27, kFrame, "the ninth vertical, 190 + 8 · 62" },
        { 720, 27, kGold, "no tenth vertical" },
        { 590, 315, clWhite, "the arrow (587, 315)–(647, 315), solid" },
        { 593, 315, clWhite, "solid: no gap where a dotted line would have one" },
        { 643, 313, clWhite, "its upper head line (647, 315)–(637, 310)" },
        { 60, 200, RGB(154, 0, 0), "nothing drawn left of the diagram but the bands" },
    };
    const Pixel def[] = {
        { 0, 100, clWhite, "the panel's left edge" },
        { 100, 0, clWhite, "its top edge" },
        { 3, 3, kBlue, "filled blue" },
        { 319, 169, kBlue, "right and bottom edges lie outside the panel" },
    };
    // clang-format on
    for (const Pixel& p : haupt)
        EXPECT_TRUE(shows(f.PaintBoxHaupt, p));
    for (const Pixel& p : def)
        EXPECT_TRUE(shows(f.PaintBoxDef, p));

    // The labels of the hardening lesson's process diagram, moved 150 pixels right: "1200" in
    // black at (160, 18), " 800" in white at (160, 110), "Zeit " in white at (677, 310).
    struct Label {
        int x, y;
        const char* text;
        TColor ink;
    };
    const Label labels[] = { { 160, 18, "1200", clBlack }, { 185, 5, "Temperatur/°C", clBlack },
        { 160, 110, " 800", clWhite }, { 677, 310, "Zeit ", clWhite } };
    const TCanvas& c = f.PaintBoxHaupt.Canvas();
    for (const Label& l : labels) {
        const QString text = QString::fromUtf8(l.text);
        int inked = 0;
        for (int y = l.y; y < l.y + c.TextHeight(text); ++y)
            for (int x = l.x; x < l.x + c.TextWidth(text); ++x)
                inked += at(f.PaintBoxHaupt, x, y) == l.ink;
        EXPECT_GT(inked, 0) << l.text;
    }
}

TEST_F(Vergueten, RunAtItsStageChanges)
{
    // The heating line is drawn from (190, 295) anew each tick, 5 pixels higher; tick 38 reaches
    // (228, 110) and starts the hold in the same tick; tick 100 ends the hold at x = 291 and
    // takes the first quench step; tick 102 reaches room temperature (294, 296) and goes on
    // along it; tick 114 starts reheating, tick 188 the tempering hold at y = 146, tick 392 the
    // cooling; tick 457 reaches (666, 278) and ends the run.
    // clang-format off
    const std::vector<processtest::Moment> moments = {
        { 1, 191, 295.0f, 1, 0, 40, 220, {
            { 190, 295, clRed, "the first heating line starts at (190, 295)" },
            { 60, 325, clBlack, "\"Ferrit+Perlit\" white on black" } } },
        { 35, 225, 125.0f, 1, 0, 40, 10, {
            { 220, 42, clRed, "\" Austenitisiertemperatur \" on the red brush" },
            { 220, 78, clRed, "\" T > A[c3] im Gleichgewicht \"" } } },
        { 38, 229, 110.0f, 1, -1, 0, 0, {
            { 209, 202, clRed, "the heating line (190, 295)–(228, 110) halfway" },
            { 229, 110, clRed, "the hold's first step (228, 110)–(229, 110)" } } },
        { 89, 280, 110.0f, 12, 11, 40, 10, {
            { 40, 115, clBlack, "\"Homogener Austenit\" white on black" } } },
        { 100, 292, 172.0f, 12, -1, 0, 0, {
            { 290, 110, clRed, "the hold ends at x = 291" },
            { 291, 140, clRed, "the quench (291, 110)–(292, 172)" } } },
        { 101, 293, 234.0f, 13, 12, 380, 220, {
            { 380, 325, clBlack, "\" Martensit \" white on black" } } },
        { 102, 296, 296.0f, 13, -1, 0, 0, {
            { 293, 280, clRed, "the quench's third step to (294, 296)" },
            { 295, 296, clRed, "on at room temperature" } } },
        { 114, 321, 294.0f, 13, -1, 0, 0, {
            { 310, 296, clRed, "room temperature up to x = 320" } } },
        { 188, 396, 146.0f, 13, -1, 0, 0, {
            { 358, 220, clRed, "the reheating line, 2 pixels up a tick from (320, 296)" },
            { 396, 146, clRed, "the tempering hold's first step" } } },
        { 191, 399, 146.0f, 14, 13, 580, 10, {} },
        { 192, 400, 146.0f, 14, -1, 0, 0, {
            { 420, 42, clRed, "\" Anlasstemperatur \" on the red brush" } } },
        { 342, 550, 146.0f, 19, 18, 580, 10, {} },
        { 372, 580, 146.0f, 20, 19, 580, 10, {
            { 580, 115, clBlack, "\" Gefüge nach dem Anlassen \" white on black" } } },
        { 392, 601, 148.0f, 20, -1, 0, 0, {
            { 500, 146, clRed, "the tempering hold" } } },
        { 456, 665, 276.0f, 20, -1, 0, 0, {} },
        { 457, 666, 278.0f, 20, -1, 0, 0, {
            { 665, 277, clRed, "the curve's end (666, 278)" },
            { 666, 281, kGold, "three pixels below it" } } },
    };
    // clang-format on
    f.Austenitisierung.Click();
    EXPECT_FALSE(f.Enabled()) << "locked from the click";
    EXPECT_FALSE(f.Austenitisierung.Enabled());
    expectMoments(moments, f.TimerProzess, kRunTicks);
    // The tempering pictures all in place at the end.
    EXPECT_TRUE(showsFrame(12, 380, 220));
    EXPECT_TRUE(showsFrame(19, 580, 10));
    EXPECT_FALSE(f.Austenitisierung.Enabled()) << "until Löschen / Neu or closing";
    ticks(10);
    EXPECT_EQ(f.moduleState().ProzessX, 666) << "nothing more happens";
}
