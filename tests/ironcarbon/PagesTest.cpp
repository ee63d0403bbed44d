// The general page of the iron-carbon chapter: where it sits, its card, its blue opening lines,
// the page colour, Esc and "&Ende".
#include "ironcarbon/UnitAllEKD.h"
#include "tests/support/PageChecks.h"
#include "tests/support/Program.h"

using namespace wb;
using wbtest::PageForm;

namespace {

constexpr TColor kLesson = RGB(0xD3, 0x05, 0x62);
constexpr TColor kPink = RGB(0xFF, 0xBF, 0xBF);

const PageForm kPage = { "FormAllEKD", "AllgemeinesEKD", kLesson, true, { 10, 10 }, { 21, 41, kPink, "the card" },
    wbtest::cardPixels(QRect(20, 40, 750, 450), 380) };

} // namespace

TEST(AllEKDPage, SitsCentredOnBothScreens)
{
    wbtest::expectCentredOn(kPage, 1024, 768);
    wbtest::expectCentredOn(kPage, 800, 600);
}

TEST(AllEKDPage, ShowsItsCard)
{
    wbtest::expectPixels(kPage);
}

TEST(AllEKDPage, TakesTheMenusPageColour)
{
    wbtest::expectPageColour(kPage);
}

TEST(AllEKDPage, GoesBackToTheMenuOnEscAndEnde)
{
    wbtest::expectEscAndEndeReturnToTheMenu(kPage);
}

TEST(AllEKDPage, ARepaintPutsAMovedPageBack)
{
    wbtest::expectSnapsBack<TFormAllEKD>();
}

using AllEKDCard = wbtest::LessonTest<TFormAllEKD>;

TEST_F(AllEKDCard, TheTwoOpeningLinesAreBlueTheRestBlack)
{
    // Each line's text cell from x = 20 of the card, 18 pixels high.
    struct Line {
        int y;
        bool blue;
    };
    const QImage& s = wb::FormAccess::surface(f);
    for (const Line& l :
        { Line { 30, true }, Line { 50, true }, Line { 80, false }, Line { 220, false }, Line { 380, false } }) {
        const wbtest::Ink ink = wbtest::inkIn(s, QRect(f.ImageText.Left() + 20, f.ImageText.Top() + l.y, 300, 18));
        EXPECT_GT(l.blue ? ink.blue : ink.black, 100) << "line at y = " << l.y;
        EXPECT_EQ(l.blue ? ink.black : ink.blue, 0) << "line at y = " << l.y;
    }
    // Between the paragraphs the page is empty.
    const wbtest::Ink gap = wbtest::inkIn(s, QRect(f.ImageText.Left() + 1, f.ImageText.Top() + 180, 748, 40));
    EXPECT_EQ(gap.black + gap.blue, 0);
}
