// The normalising lesson on the virtual clock: its form and static picture, the austenitising
// and air-cooling run and the ZTU air cooling at their key ticks, F2 during the ZTU run. F2 on the
// process run, "Löschen / Neu" and Esc are tested with the quench-and-temper lesson's
// (PausableLessonTest.cpp).
#include "heattreat/UnitNormal.h"
#include "tests/heattreat/ProcessLessonTest.h"

#include <vector>

using namespace wb;
using processtest::Pixel;

namespace {

constexpr TColor kGold = RGB(0xFF, 0xD7, 0x00);
constexpr TColor kPurple = RGB(0x80, 0x00, 0x80);
constexpr TColor kBlue = RGB(0x00, 0x80, 0xFF); // the definition panel
constexpr int kProzessTicks = 248;
constexpr int kZtuTicks = 73;

class Normal : public processtest::ProcessLesson<TFormNormal> {
protected:
    bool pressF2() { return f.pressKey(VK_F2); }
};

} // namespace

// Caption, size, colour and status bar are checked for every form by the shell tests.
TEST_F(Normal, ComponentsMenuAndTimersAsDescribed)
{
    EXPECT_EQ(f.PaintBoxHaupt.BoundsRect(), QRect(5, 5, 770, 500));
    EXPECT_EQ(f.PaintBoxDef.BoundsRect(), QRect(10, 350, 422, 170));
    EXPECT_EQ(f.PaintBoxLog.BoundsRect(), QRect(445, 115, 320, 202));
    EXPECT_EQ(f.MemoErlaeuterung.BoundsRect(), QRect(435, 350, 337, 170));
    EXPECT_EQ(f.PaintBoxDef.Color(), kBlue);
    EXPECT_EQ(f.MemoErlaeuterung.Color(), RGB(0xFF, 0xBF, 0xBF));
    EXPECT_EQ(f.MemoErlaeuterung.Font.Height(), 18);
    EXPECT_TRUE(f.MemoErlaeuterung.ReadOnly());
    EXPECT_EQ(f.MemoErlaeuterung.ScrollBars(), ssBoth);
    ASSERT_EQ(f.MemoErlaeuterung.Lines.Count(), 16);
    EXPECT_EQ(f.MemoErlaeuterung.Lines[0], QStringLiteral("  Die Grafik zeigt schematisch die Prozessführung"));
    EXPECT_EQ(f.MemoErlaeuterung.Lines[11], QStringLiteral("  Gefüges führt.    "));
    EXPECT_EQ(f.MemoErlaeuterung.Lines[15], QStringLiteral(" "));
    EXPECT_EQ(f.TimerZTA.Interval(), 50);
    EXPECT_EQ(f.Timer15.Interval(), 50);
    EXPECT_FALSE(f.TimerZTA.Enabled());
    EXPECT_FALSE(f.Timer15.Enabled());
    EXPECT_EQ(f.ImageListGef.Count(), 20);
    EXPECT_EQ(f.moduleState().geometry.prozess, (processdiagram::Frame { 40, 20, 420, 300, 9, 42, 46 }));
    EXPECT_EQ(f.moduleState().geometry.ztu, (processdiagram::Frame { 440, 20, 760, 300, 6, 53, 46 }));
    EXPECT_TRUE(wbtest::menuIs(f,
        { { "Ende", "&Ende" }, { "Austenitisierung", "&Austenitisierung und  Abkühlung" },
            { "ZTULuftab", "Abkühlung im &ZTU-Schaubild" }, { "NEU", "&Löschen / Neu" },
            { "ESCAPE", "ESCAPE", "Esc", false }, { "Prozessanhalten", "Prozess anhalten", "F2", false } }));
}

TEST_F(Normal, StaticPictureIsTheHardeningLessonsWithBlackLinesAndItsOwnPanel)
{
    // clang-format off
    const Pixel haupt[] = {
        { 20, 50, RGB(255, 153, 0), "row 50 shows band 51" },
        { 441, 150, kGold, "ZTU frame inside" },
        { 480, 221, clBlack, "the martensite start (440, 222)–(518, 222) in black here" },
        { 480, 223, kGold, "below it" },
        { 457, 24, kPurple, "the ZTU title's leading blanks" },
    };
    const Pixel def[] = {
        { 0, 100, clWhite, "the panel's left edge" },
        { 3, 3, kBlue, "filled blue" },
        { 421, 169, kBlue, "a wider panel than the hardening lesson's: 422 pixels" },
    };
    // clang-format on
    for (const Pixel& p : haupt)
        EXPECT_TRUE(shows(f.PaintBoxHaupt, p));
    for (const Pixel& p : def)
        EXPECT_TRUE(shows(f.PaintBoxDef, p));
    // "Ferrit" at (650, 130), in #020000 on the gold.
    const TCanvas& c = f.PaintBoxHaupt.Canvas();
    int inked = 0;
    for (int y = 130; y < 130 + c.TextHeight(QStringLiteral("Ferrit")); ++y)
        for (int x = 650; x < 650 + c.TextWidth(QStringLiteral("Ferrit")); ++x)
            inked += at(f.PaintBoxHaupt, x, y) == RGB(2, 0, 0);
    EXPECT_GT(inked, 0);
}

TEST_F(Normal, ProcessRunAtItsKeyTicks)
{
    // Heating and holding as in the hardening lesson: the hold begins in tick 55 and reaches
    // x = 209 in tick 168, whose cooling step goes on to (210, 113); from there 2 pixels down a
    // tick to (290, 273) in tick 248. The frames 12 … 19 follow at x = 218 … 225.
    // clang-format off
    const std::vector<processtest::Moment> moments = {
        { 1, 41, 292.24f, 1, 0, 90, 180, {
            { 40, 300, clRed, "the first line starts at (40, 300)" },
            { 90, 284, clBlack, "\"Ferrit+Perlit\" white on black" } } },
        { 55, 96, 111.0f, 1, -1, 0, 0, {
            { 96, 111, clRed, "the first holding step" },
            { 44, 47, clRed, "\" Austenitisiertemperatur \" on the red brush" } } },
        { 148, 189, 111.0f, 12, 11, 290, 30, {
            { 290, 135, clBlack, "\"Homogener Austenit\" white on black" } } },
        { 168, 210, 113.0f, 12, -1, 0, 0, {
            { 209, 111, clRed, "the hold ends at x = 209" },
            { 210, 113, clRed, "the first cooling step" } } },
        { 176, 218, 129.0f, 13, 12, 290, 170, {} },
        { 183, 225, 143.0f, 20, 19, 290, 170, {} },
        { 247, 289, 271.0f, 20, -1, 0, 0, {} },
        { 248, 290, 273.0f, 20, -1, 0, 0, {
            { 289, 271, clRed, "the cooling line's end" },
            { 250, 193, clRed, "the cooling line: (209, 111) + 41 · (1, 2)" },
            { 290, 273, clBlack, "\" Ferrit/Perlit \" at (290, Round(y)), white on black" } } },
    };
    // clang-format on
    f.Austenitisierung.Click();
    EXPECT_FALSE(f.Enabled());
    EXPECT_FALSE(f.Austenitisierung.Enabled());
    expectMoments(moments, f.TimerZTA, kProzessTicks, [this](bool running) {
        EXPECT_EQ(f.Prozessanhalten.Enabled(), running) << "F2 is disabled when the run ends";
    });
    EXPECT_FALSE(f.Austenitisierung.Enabled()) << "until Löschen / Neu or closing";
    EXPECT_TRUE(f.ZTULuftab.Enabled());
}

TEST_F(Normal, AirCoolingValuesAreHeldInSinglePrecision)
{
    EXPECT_EQ(normal::luftY(55), 0.76f) << "10^0";
    EXPECT_EQ(Round(double(normal::luftY(0)) + 2), 2) << "the curve starts 2 pixels below the surface's top";
    EXPECT_EQ(Round(double(normal::luftY(144)) + 2), 34) << "0.76 · 10^(89 / 55) ≈ 31.6";
    EXPECT_EQ(normal::fallY(157), 36.0f) << "the fall starts level with the plateau";
    EXPECT_EQ(normal::fallY(197), 156.0f);
}

TEST_F(Normal, ZtuAirCoolingAtItsKeyTicks)
{
    struct Moment {
        int tick;
        int x;
        float y;
        std::vector<Pixel> pixels; // in PaintBoxLog
    };
    // x steps by 3 up to 144 (tick 49, which also draws the plateau's first step to (147, 36)
    // and the first mark); by 2 along the plateau and the fall; tick 73 draws to (197, 156),
    // below 202 − 50, and ends the run.
    // clang-format off
    const Moment moments[] = {
        { 1, 3, 0.076f, { { 0, 1, clRed, "from (0, 0) to (0, 2)" } } },
        { 49, 149, 36.0f, {
            { 137, 27, clBlue, "the mark (137, 24, 143, 30): its left edge at mid-height" },
            { 140, 27, clBlack, "filled black" },
            { 146, 36, clRed, "the plateau's first step (144, 34)–(147, 36)" } } },
        { 53, 159, 36.0f, { { 148, 36, clBlack, "the mark (145, 33, 151, 39), filled black" } } },
        { 56, 165, 54.0f, {
            { 158, 41, clWhite, "the mark (155, 38, 161, 44), filled white" },
            { 155, 41, clBlue, "its left edge" } } },
        { 72, 197, 150.0f, {} },
        { 73, 199, 156.0f, {
            { 196, 153, clRed, "the last step (195, 150)–(197, 156)" },
            { 149, 163, kPurple, "\" ferritsch/perlitisches Gefüge \" at (199 − 50, Round(156 + 7))" } } },
    };
    // clang-format on
    f.ZTULuftab.Click();
    EXPECT_FALSE(f.Enabled());
    EXPECT_TRUE(f.ZTULuftab.Enabled()) << "disabled only at the end";
    int done = 0;
    for (const Moment& m : moments) {
        ticks(m.tick - done);
        done = m.tick;
        SCOPED_TRACE(testing::Message() << "tick " << m.tick);
        EXPECT_EQ(f.moduleState().ProzessX, m.x);
        EXPECT_FLOAT_EQ(f.moduleState().ProzessY, m.y);
        const bool running = m.tick < kZtuTicks;
        EXPECT_EQ(f.Timer15.Enabled(), running);
        EXPECT_EQ(f.Enabled(), !running);
        for (const Pixel& p : m.pixels)
            EXPECT_TRUE(shows(f.PaintBoxLog, p));
    }
    EXPECT_FALSE(f.ZTULuftab.Enabled());
    EXPECT_TRUE(f.Austenitisierung.Enabled());
    EXPECT_EQ(f.moduleState().BildNr, 20) << "frame 19 shown";
    EXPECT_TRUE(showsFrame(19, 650, 160)) << "the fine ferrite–pearlite beside the ZTU curve";
    EXPECT_EQ(f.PaintBoxLog.Canvas().Font.Height(), 8);
}

TEST_F(Normal, F2DuringTheZtuRunLeavesItAlone)
{
    f.ZTULuftab.Click();
    ticks(20);
    pressF2();
    EXPECT_FALSE(f.TimerZTA.Enabled()) << "no second timer on the same position";
    EXPECT_TRUE(f.Timer15.Enabled());
    pressF2();
    ticks(kZtuTicks - 20);
    EXPECT_FALSE(f.Timer15.Enabled());
    EXPECT_EQ(f.moduleState().ProzessX, 199) << "the ZTU curve ends where it would have";
    EXPECT_TRUE(shows(f.PaintBoxLog, { 196, 153, clRed, "its last step" }));
    EXPECT_TRUE(shows(f.PaintBoxHaupt, { 100, 111, kGold, "nothing drawn in the process diagram" }));
}
