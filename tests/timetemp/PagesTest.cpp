// The two general pages of the time-dependent chapter: where they sit, their cards, the blue
// and red lines and the blue term over its black line, the page colour, Esc and "&Ende".
#include "tests/support/PageChecks.h"
#include "tests/support/Program.h"
#include "timetemp/UnitALLZTAZTU.h"
#include "timetemp/UnitZeitab.h"

using namespace wb;
using wbtest::PageForm;

namespace {

constexpr TColor kLesson = RGB(0xD3, 0x05, 0x62);
constexpr TColor kPink = RGB(0xFF, 0xBF, 0xBF);

// Both cards are 750 x 460 at (20, 35).
// clang-format off
const PageForm kPages[] = {
    { "FormZeitAb", "AllZeit", kLesson, true, { 10, 10 }, { 21, 36, kPink, "the card" },
      wbtest::cardPixels(QRect(20, 35, 750, 460), 375) },
    { "FormALLZTAZTU", "ZTAZTU", kLesson, true, { 10, 10 }, { 21, 36, kPink, "the card" },
      wbtest::cardPixels(QRect(20, 35, 750, 460), 410) },
};
// clang-format on

class TimePages : public ::testing::TestWithParam<PageForm> { };

std::string nameOf(const ::testing::TestParamInfo<PageForm>& info)
{
    return wbtest::pageName(info.param);
}

} // namespace

TEST_P(TimePages, SitCentredOnBothScreens)
{
    wbtest::expectCentredOn(GetParam(), 1024, 768);
    wbtest::expectCentredOn(GetParam(), 800, 600);
}

TEST_P(TimePages, ShowTheirCards)
{
    wbtest::expectPixels(GetParam());
}

TEST_P(TimePages, TakeTheMenusPageColour)
{
    wbtest::expectPageColour(GetParam());
}

TEST_P(TimePages, GoBackToTheMenuOnEscAndEnde)
{
    wbtest::expectEscAndEndeReturnToTheMenu(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Time, TimePages, ::testing::ValuesIn(kPages), nameOf);

TEST(TimePages, ARepaintPutsAMovedPageBack)
{
    wbtest::expectSnapsBack<TFormZeitAb>();
    wbtest::expectSnapsBack<TFormALLZTAZTU>();
}

using ZeitAbCard = wbtest::LessonTest<TFormZeitAb>;

TEST_F(ZeitAbCard, TheBlueTermCoversTheSameWordsOfItsLine)
{
    wbtest::expectEmphasis(f.ImageText, 20, 190,
        QStringLiteral("Es wird also eine andere Darstellungsweise gewählt, welche die "),
        QStringLiteral("Zeitabhängigkeit der Umwandlungen"));
}

TEST_F(ZeitAbCard, DiagramFamiliesInBlueTheirFormsInRed)
{
    const QImage& s = wb::FormAccess::surface(f);
    const int left = f.ImageText.Left(), top = f.ImageText.Top();
    for (const int y : { 250, 325 }) {
        const wbtest::Ink ink = wbtest::inkIn(s, QRect(left + 20, top + y, 600, 18));
        EXPECT_GT(ink.blue, 100) << "y = " << y;
        EXPECT_EQ(ink.black + ink.red, 0) << "y = " << y;
    }
    for (const int y : { 275, 300, 350, 375 }) {
        const wbtest::Ink ink = wbtest::inkIn(s, QRect(left + 20, top + y, 600, 18));
        EXPECT_GT(ink.red, 100) << "y = " << y;
        EXPECT_EQ(ink.black + ink.blue, 0) << "y = " << y;
    }
}
