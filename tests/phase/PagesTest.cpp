// The general pages and the static diagrams of the phase-diagram chapter: where they sit, what
// their cards and diagrams show at exact pixels, their memo, the page colour, Esc and "&Ende".
#include "phase/UnitAllZu.h"
#include "phase/UnitEntZu.h"
#include "phase/UnitZuTyp5.h"
#include "phase/UnitZuTyp6.h"
#include "tests/support/PageChecks.h"
#include "tests/support/Program.h"

#include <QScrollBar>
#include <QTextEdit>

using namespace wb;
using wbtest::PageForm;

namespace {

constexpr TColor kLesson = RGB(0xD3, 0x05, 0x62);
constexpr TColor kPink = RGB(0xFF, 0xBF, 0xBF);
constexpr TColor kUmfeld = RGB(0xA6, 0xA6, 0xFF);
constexpr TColor kLinie = RGB(0x01, 0x00, 0x00);

// The colour band of row y of a phase diagram: yellow down to 70, then green 325 − y running
// out, then red 905 − 2·y.
constexpr TColor band(int y)
{
    return y <= 70 ? clYellow : y <= 325 ? RGB(255, 325 - y, 0) : RGB(905 - 2 * y, 0, 0);
}

// The diagrams lie at (270, 30); (x, y) in the diagram's own coordinates.
wbtest::PagePixel inDiagram(int x, int y, TColor color, const char* what)
{
    return { 270 + x, 30 + y, color, what };
}

// clang-format off
const PageForm kPages[] = {
    { "FormAllZu", "AllgemeinesZU", kLesson, true, { 10, 10 }, { 21, 41, kPink, "the card" }, wbtest::cardPixels(QRect(20, 40, 750, 450), 400) },
    { "FormEntZu", "AllgemeineszumAufstellen1", kLesson, true, { 10, 10 }, { 21, 41, kPink, "the card" }, wbtest::cardPixels(QRect(20, 40, 750, 450), 370) },
    { "FormZuTyp5", "Typ5", kLesson, true, { 780, 300 }, { 270 + 5, 30 + 300, kUmfeld, "around the field" }, {
        inDiagram(5, 300, kUmfeld, "around the field"),
        inDiagram(0, 300, clWhite, "the ground's white outline"),
        inDiagram(480, 200, clWhite, "the field's white outline right of the bands"),
        inDiagram(200, 50, band(50), "yellow band"),
        inDiagram(200, 200, band(200), "green 125"),
        inDiagram(200, 350, band(350), "red 205"),
        inDiagram(200, 249, kLinie, "eutectic 1, 2 pixels wide: rows 249 and 250"),
        inDiagram(200, 250, kLinie, "eutectic 1"),
        inDiagram(200, 251, band(251), "below it the band"),
        inDiagram(420, 165, kLinie, "eutectic 2"),
        inDiagram(296, 200, kLinie, "the compound's line at 60 % B, columns 295 and 296"),
        inDiagram(297, 200, band(200), "right of it the band"),
        inDiagram(60, 206, kLinie, "liquidus A side: [294 - 0.0013 * 260^2] = [206.12]"),
        inDiagram(250, 103, kLinie, "rising to the compound: [0.006 * 50^2 + 88] = 103"),
        inDiagram(340, 108, kLinie, "falling from it: [0.008 * 50^2 + 88] = 108"),
        inDiagram(450, 119, kLinie, "up to B: [0.003 * 90^2 + 95] = [119.3]"),
        inDiagram(60, 190, band(190), "above the liquidus the band"),
    } },
    { "FormZuTyp6", "Typ6", kLesson, true, { 780, 300 }, { 270 + 5, 30 + 300, kUmfeld, "around the field" }, {
        inDiagram(5, 300, kUmfeld, "around the field"),
        inDiagram(480, 200, clBlack, "the field's black outline right of the bands"),
        inDiagram(400, 40, band(40), "yellow band above the lens"),
        inDiagram(150, 299, kLinie, "the eutectoid line, rows 299 and 300"),
        inDiagram(150, 301, band(301), "below it the band"),
        inDiagram(295, 350, kLinie, "the eutectoid composition, columns 294 and 295"),
        inDiagram(297, 350, band(350), "right of it the band"),
        inDiagram(150, 254, kLinie, "A-B: [317 - 0.0007 * 300^2] = 254"),
        inDiagram(400, 273, kLinie, "B-C: [310 - 0.0007 * 230^2] = [272.97]"),
        inDiagram(300, 148, kLinie, "solidus: [200 - 0.0004 * 360^2] = [148.16]"),
        inDiagram(300, 107, kLinie, "liquidus: [0.0004 * 460^2 + 22] = [106.64]"),
        inDiagram(300, 128, band(128), "inside the lens the band"),
    } },
};
// clang-format on

class PhasePages : public ::testing::TestWithParam<PageForm> { };

std::string nameOf(const ::testing::TestParamInfo<PageForm>& info)
{
    return wbtest::pageName(info.param);
}

} // namespace

TEST_P(PhasePages, SitCentredOnBothScreens)
{
    wbtest::expectCentredOn(GetParam(), 1024, 768);
    wbtest::expectCentredOn(GetParam(), 800, 600);
}

TEST_P(PhasePages, ShowTheirPixels)
{
    wbtest::expectPixels(GetParam());
}

TEST_P(PhasePages, TakeTheMenusPageColour)
{
    wbtest::expectPageColour(GetParam());
}

TEST_P(PhasePages, GoBackToTheMenuOnEscAndEnde)
{
    wbtest::expectEscAndEndeReturnToTheMenu(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Phase, PhasePages, ::testing::ValuesIn(kPages), nameOf);

TEST(PhasePages, ARepaintPutsAMovedPageBack)
{
    wbtest::expectSnapsBack<TFormAllZu>();
    wbtest::expectSnapsBack<TFormEntZu>();
    wbtest::expectSnapsBack<TFormZuTyp5>();
    wbtest::expectSnapsBack<TFormZuTyp6>();
}

using AllZuPage = wbtest::LessonTest<TFormAllZu>;

TEST_F(AllZuPage, TheBlueTermCoversTheSameWordOfTheFirstLine)
{
    wbtest::expectEmphasis(
        f.ImageText, 30, 20, QStringLiteral("Zustandsschaubilder sind "), QStringLiteral("Gleichgewichtsdiagramme"));
}

using EntZuPage = wbtest::LessonTest<TFormEntZu>;

TEST_F(EntZuPage, TheBlueTermCoversTheSameWordsOfTheFirstLine)
{
    wbtest::expectEmphasis(f.ImageText, 30, 20, QStringLiteral("Die "), QStringLiteral("thermische Analyse "));
}

using ZuTyp5Page = wbtest::LessonTest<TFormZuTyp5>;

TEST_F(ZuTyp5Page, TheMemoIsRefilledAtEveryRepaintAndScrollsBackToItsStart)
{
    const QStringList& lines = f.MemoErlaeuterung.Lines.list();
    ASSERT_EQ(lines.size(), 23);
    EXPECT_EQ(lines[4].toStdString(), std::string(56, '-')) << "the rule has no leading blank";
    EXPECT_EQ(lines[11].toStdString(), " Weiterhin besteht für diesen Fall ") << "with its trailing blank";
    EXPECT_EQ(f.MemoErlaeuterung.BoundsRect(), QRect(7, 28, 263, 452));
    EXPECT_EQ(f.MemoErlaeuterung.Font.Height(), 18);
    EXPECT_EQ(f.MemoErlaeuterung.Font.Name(), f.Font.Name());
    EXPECT_EQ(f.MemoErlaeuterung.Color(), RGB(0xFF, 0xBF, 0xBF));
    EXPECT_TRUE(f.MemoErlaeuterung.ReadOnly());

    // The user selects the text and scrolls to the end of the longest line; the next repaint
    // refills the memo and both are gone.
    auto* edit = qobject_cast<QTextEdit*>(f.MemoErlaeuterung.widget());
    ASSERT_NE(edit, nullptr);
    edit->selectAll();
    QScrollBar* bar = edit->horizontalScrollBar();
    bar->setValue(bar->maximum());
    ASSERT_TRUE(edit->textCursor().hasSelection());
    f.Refresh();
    EXPECT_FALSE(edit->textCursor().hasSelection());
    EXPECT_EQ(edit->textCursor().position(), 0);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(f.MemoErlaeuterung.Lines.Count(), 23) << "cleared before it is refilled";
}

TEST_F(ZuTyp5Page, DottedLinesAlternateWithTheBandBelowThem)
{
    // The eutectic compositions drop dotted to the axis: along the column both the line's colour
    // and the band show, and nothing else.
    struct Column {
        int x, from, to;
    };
    // Below the labels "Eutektikum 1" at (110, 252) and "Eutektikum 2" at (360, 167) that the
    // columns cross.
    for (const Column& col : { Column { 135, 266, 369 }, Column { 388, 181, 369 }, Column { 295, 21, 87 } }) {
        int dark = 0, bandShown = 0;
        for (int y = col.from; y < col.to; ++y) {
            const TColor p = at(f.PaintBoxHaupt, col.x, y);
            if (p == kLinie)
                ++dark;
            else if (p == band(y))
                ++bandShown;
            else
                ADD_FAILURE() << "(" << col.x << ", " << y << ") is " << colorToHex(p).toStdString();
        }
        EXPECT_GT(dark, (col.to - col.from) / 4) << "x = " << col.x;
        EXPECT_GT(bandShown, (col.to - col.from) / 4) << "x = " << col.x;
    }
}

using ZuTyp6Page = wbtest::LessonTest<TFormZuTyp6>;

TEST_F(ZuTyp6Page, TheMemoHoldsItsTwentyFiveLinesInTheFormsFontAtHeightEighteen)
{
    const QStringList& lines = f.MemoErlaeuterung.Lines.list();
    ASSERT_EQ(lines.size(), 25);
    EXPECT_EQ(lines[4].toStdString(), std::string(56, '-'));
    EXPECT_EQ(lines[24].toStdString(), " = Eisen-Eisenkarbid.");
    EXPECT_EQ(f.MemoErlaeuterung.BoundsRect(), QRect(7, 28, 263, 452));
    EXPECT_EQ(f.MemoErlaeuterung.Font.Height(), 18);
}

TEST_F(ZuTyp5Page, TheSubscriptsOfTheCompoundStandClearOfItsLetters)
{
    // Across a formula's rows, the columns with black ink fall into one run per glyph: "+", "A",
    // "m", "B", "n" (the axis formula has no "+"). A subscript that ran into the next letter
    // would merge two runs. Rows stop above the compound's line below the B and above the axis
    // numbers.
    struct Formula {
        int left, right, top, bottom;
        int glyphs;
    };
    for (const Formula& g : { Formula { 258, 330, 118, 132, 5 }, Formula { 163, 235, 318, 340, 5 },
             Formula { 303, 375, 278, 298, 5 }, Formula { 275, 335, 370, 389, 4 } }) {
        int runs = 0;
        bool inRun = false;
        for (int x = g.left; x <= g.right; ++x) {
            bool ink = false;
            for (int y = g.top; y <= g.bottom; ++y)
                ink |= at(f.PaintBoxHaupt, x, y) == clBlack;
            runs += ink && !inRun;
            inRun = ink;
        }
        EXPECT_EQ(runs, g.glyphs) << "the formula at (" << g.left << ", " << g.top << ")";
    }
}
