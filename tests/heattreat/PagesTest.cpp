// The definition page and the end-quench hardness curves: where they sit, the card and the
// chart at exact pixels, the chart's geometry, the page colour (taken by the one, not by the
// other), Esc and "&Ende".
#include "heattreat/UnitVerHart.h"
#include "heattreat/UnitWarme.h"
#include "tests/support/PageChecks.h"
#include "tests/support/Program.h"

#include <span>
#include <utility>
#include <vector>

using namespace wb;
using wbtest::PageForm;

namespace {

constexpr TColor kLesson = RGB(0xD3, 0x05, 0x62);
constexpr TColor kChart = RGB(0xCD, 0x52, 0x81);
constexpr TColor kPink = RGB(0xFF, 0xBF, 0xBF);
constexpr TColor kGold = RGB(0xFF, 0xD7, 0x00);

// The background's 3-pixel stripe i lies on rows 3i - 1 ... 3i + 1 in red 255 - i; a row two
// stripes share takes the later one.
constexpr TColor stripe(int i)
{
    return RGB(255 - i, 0, 0);
}

// clang-format off
const PageForm kPages[] = {
    { "FormWarme", "Definition", kLesson, true, { 10, 10 }, { 21, 41, kPink, "the card" },
      wbtest::cardPixels(QRect(20, 40, 750, 450), 260) },
    // The chart covers the client area above the status bar; the form colour shows nowhere.
    { "FormVerHart", "Haertekurven1", kChart, false, { -1, -1 }, { 100, 100, kGold, "the panel" }, {
        { 10, 30, stripe(10), "left of the title: stripe 10 on rows 29 ... 31" },
        { 780, 30, stripe(10), "right of it" },
        { 300, 530, stripe(177), "below the axis title: stripe 177 on rows 530 ... 532" },
        { 100, 100, kGold, "inside the panel" },
        { 35, 4, clBlack, "the title's frame" },
        { 769, 63, clBlack, "its bottom right corner" },
        { 40, 50, kGold, "the title, left of its second line" },
        { 38, 350, RGB(0xFF, 0, 0), "the leading blank of \" 650°C \" at (37, 345) on its curve's colour" },
        { 38, 315, RGB(0xCD, 0, 0), "\" 600°C \" at (37, 310)" },
        { 38, 280, RGB(0xA0, 0, 0), "\" 500°C \" at (37, 275)" },
        { 38, 180, RGB(0x78, 0, 0), "\" 400°C \" at (37, 175)" },
        { 29, 160, RGB(0x5A, 0, 0), "\" 300°C \" at (28, 155)" },
        { 3, 120, RGB(0x32, 0, 0), "\" 200°C \" at (2, 115)" },
        { 11, 97, RGB(0x14, 0, 0), "\" 20°C \" at (10, 92)" },
        { 160, 343, RGB(0xFF, 0, 0), "the 650 °C curve's point at 15 mm" },
        { 700, 362, RGB(0x5A, 0, 0), "the common tail, drawn last by the 300 °C curve" },
    } },
};
// clang-format on

class HeatPages : public ::testing::TestWithParam<PageForm> { };

std::string nameOf(const ::testing::TestParamInfo<PageForm>& info)
{
    return wbtest::pageName(info.param);
}

} // namespace

TEST_P(HeatPages, SitCentredOnBothScreens)
{
    wbtest::expectCentredOn(GetParam(), 1024, 768);
    wbtest::expectCentredOn(GetParam(), 800, 600);
}

TEST_P(HeatPages, ShowTheirPixels)
{
    wbtest::expectPixels(GetParam());
}

TEST_P(HeatPages, TakeTheMenusPageColourOrKeepTheirOwn)
{
    wbtest::expectPageColour(GetParam());
}

TEST_P(HeatPages, GoBackToTheMenuOnEscAndEnde)
{
    wbtest::expectEscAndEndeReturnToTheMenu(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Heat, HeatPages, ::testing::ValuesIn(kPages), nameOf);

TEST(HeatPages, ARepaintPutsTheMovedDefinitionBackButNotTheChart)
{
    wbtest::expectSnapsBack<TFormWarme>();

    wbtest::resetApplication();
    TFormVerHart f;
    wb::FormAccess::create(f);
    f.Show();
    Application.flushPendingPaints();
    f.SetLeft(10);
    f.Refresh();
    EXPECT_EQ(f.Left(), 10) << "placed once, at start-up";
    f.Hide();
}

using WarmeCard = wbtest::LessonTest<TFormWarme>;

TEST_F(WarmeCard, TheDefinitionStandsInTextCellsTwentyFourPixelsHigh)
{
    // Lines at y = 60, 100, 140, 180 and the source at 260: ink in each cell, none between.
    const QImage& s = wb::FormAccess::surface(f);
    const int left = f.ImageText.Left(), top = f.ImageText.Top();
    for (const int y : { 60, 100, 140, 180 })
        EXPECT_GT(wbtest::inkIn(s, QRect(left + 20, top + y, 700, 24)).black, 300) << "line at y = " << y;
    EXPECT_GT(wbtest::inkIn(s, QRect(left + 420, top + 260, 320, 24)).black, 100) << "the source";
    for (const int y : { 84, 124, 164, 204 })
        EXPECT_EQ(wbtest::inkIn(s, QRect(left + 1, top + y, 748, 16)).black, 0) << "between the lines from y = " << y;
    EXPECT_EQ(wbtest::inkIn(s, QRect(left + 1, top + 204, 418, 100)).black, 0) << "left of the source";
}

TEST(VerHartGeometry, TheChartFollowsThePaintBoxSize)
{
    struct Case {
        int width, height;
        int right, bottom, row, column;
    };
    const Case cases[] = {
        { 792, 535, 742, 485, 66, 88 }, // the reference layout: 400 / 6 = 66, 707 / 8 = 88 truncated
        { 692, 435, 642, 385, 50, 75 }, // a smaller window: 300 / 6, 607 / 8 = 75.875 truncated
    };
    for (const Case& c : cases) {
        const verhart::Chart g = verhart::chartFor(c.width, c.height);
        EXPECT_EQ(g.left, 35);
        EXPECT_EQ(g.top, 85);
        EXPECT_EQ(g.right, c.right);
        EXPECT_EQ(g.bottom, c.bottom);
        EXPECT_EQ(g.row, c.row);
        EXPECT_EQ(g.column, c.column);
    }
}

TEST(VerHartGeometry, CurvePointsLandWhereTheReferenceLayoutPutsThem)
{
    // x = Round(28 + 88 d / 10), y = 485 - h; the reference layout's points of the 650 °C curve
    // and the end of the common tail.
    struct Case {
        double d;
        int h;
        TPoint at;
    };
    const Case cases[] = {
        { 2, 147, { 46, 338 } }, // 28 + 17.6 = 45.6
        { 3, 152, { 54, 333 } }, // 28 + 26.4 = 54.4
        { 4, 152, { 63, 333 } }, // 63.2
        { 5, 151, { 72, 334 } }, { 15, 142, { 160, 343 } }, { 80, 101, { 732, 384 } },
        { 81, 121, { 741, 364 } }, // 740.8: the tail's end
        { 3.5, 348, { 59, 137 } }, // 58.8: half millimetres
    };
    const verhart::Chart g = verhart::chartFor(792, 535);
    for (const Case& c : cases)
        EXPECT_EQ(verhart::curvePoint(g, c.d, c.h), c.at) << "d = " << c.d << ", h = " << c.h;
}

TEST(VerHartGeometry, TheCurvesAreTheSteelsEndQuenchCurvesAtTheirHeights)
{
    // The heights in pixels above the bottom the chart was drawn with, by distance in mm: the
    // steel's hardness at 6.6 pixels per HRC gives each of them again, the tail after the curves
    // that run on in it.
    struct Drawn {
        double temper;
        std::vector<std::pair<double, int>> points;
        bool tail;
    };
    // clang-format off
    const std::vector<std::pair<double, int>> tail = {
        { 21, 185 }, { 26, 180 }, { 31, 172 }, { 33, 168 }, { 35, 164 }, { 38, 158 }, { 41, 151 },
        { 51, 137 }, { 61, 130 }, { 71, 125 }, { 81, 121 },
    };
    const Drawn drawn[] = {
        { 650, { { 2, 147 }, { 3, 152 }, { 4, 152 }, { 5, 151 }, { 15, 142 }, { 25, 129 }, { 35, 119 }, { 45, 112 },
                 { 55, 108 }, { 65, 104 }, { 80, 101 } }, false },
        { 600, { { 2, 177 }, { 3, 182 }, { 4, 182 }, { 5, 181 }, { 15, 172 }, { 25, 157 }, { 35, 144 }, { 45, 130 },
                 { 55, 122 }, { 65, 115 }, { 80, 110 } }, false },
        { 500, { { 2, 220 }, { 2.5, 230 }, { 3, 235 }, { 3.5, 237 }, { 4, 235 }, { 4.5, 230 }, { 5, 222 }, { 5.5, 217 },
                 { 6, 212 }, { 7, 206 }, { 8, 202 }, { 9, 199 }, { 10, 197 }, { 11, 195 } }, true },
        { 400, { { 2, 280 }, { 2.5, 290 }, { 3, 292 }, { 3.5, 291 }, { 4, 287 }, { 4.5, 281 }, { 5, 270 }, { 5.5, 260 },
                 { 6, 250 }, { 7, 230 }, { 8, 220 }, { 9, 212 }, { 10, 207 }, { 11, 204 } }, true },
        { 300, { { 2, 335 }, { 2.5, 345 }, { 3, 347 }, { 3.5, 348 }, { 4, 345 }, { 4.5, 336 }, { 5, 320 }, { 5.5, 300 },
                 { 6, 270 }, { 7, 240 }, { 8, 225 }, { 9, 212 }, { 10, 207 }, { 11, 204 } }, true },
        { 200, { { 2, 360 }, { 2.5, 365 }, { 3, 367 }, { 3.5, 365 }, { 4, 360 }, { 4.5, 340 }, { 5, 320 } }, false },
        { 20, { { 2, 390 }, { 2.5, 390 }, { 3, 388 }, { 3.5, 383 }, { 4, 370 }, { 4.5, 340 } }, false },
    };
    // clang-format on
    const model::EndQuenchChart& chart = model::c45EndQuench();
    ASSERT_EQ(chart.curves.size(), std::size(drawn));
    auto heights = [](std::span<const model::DistanceHardness> points) {
        std::vector<std::pair<double, int>> h;
        for (const model::DistanceHardness& p : points)
            h.push_back({ p.mm, verhart::curveHeight(p.hrc) });
        return h;
    };
    for (size_t i = 0; i < chart.curves.size(); ++i) {
        const model::EndQuenchCurve& curve = chart.curves[i];
        SCOPED_TRACE(curve.temperingCelsius);
        EXPECT_EQ(curve.temperingCelsius, drawn[i].temper);
        EXPECT_EQ(heights(curve.points), drawn[i].points);
        EXPECT_EQ(curve.then == model::EndQuenchCurve::Then::CommonTail, drawn[i].tail);
    }
    EXPECT_EQ(heights(chart.commonTail), tail);
}

using VerHartChart = wbtest::LessonTest<TFormVerHart>;

TEST_F(VerHartChart, ARepaintDrawsTheSameChartAndLeavesTheTitleAlone)
{
    // A mark in the title's own picture stays: the chart's paint does not draw the title again.
    f.ImageTitel.Canvas().Brush.SetColor(clBlue);
    f.ImageTitel.Canvas().Rectangle(2, 2, 6, 6);
    f.Refresh();
    EXPECT_EQ(at(f.ImageTitel, 3, 3), clBlue);
    QImage now = wb::FormAccess::surface(f).copy();
    for (int y = 0; y < now.height(); ++y)
        for (int x = 0; x < now.width(); ++x)
            if (!f.ImageTitel.BoundsRect().contains(x, y) && now.pixel(x, y) != opened.pixel(x, y))
                FAIL() << "(" << x << ", " << y << ") changed";
}

TEST_F(VerHartChart, TheGridIsDottedAcrossThePanel)
{
    // The dotted pen puts 3 pixels on and 3 off from each line's start: the rows from x = 35, the
    // columns from y = 85. Along the row 419 (one row of 66 above the bottom) and the column 299
    // (three columns of 88 right of the left edge), away from every curve, a pixel is dark where a
    // row's or a column's dot lies and gold between them.
    const int rows[] = { 419, 353, 287, 221, 155 };
    const int columns[] = { 35, 123, 211, 299, 387, 475, 563, 651 };
    auto dotted = [&](int x, int y) {
        for (const int row : rows)
            if (y == row && (x - 35) % 6 < 3)
                return true;
        for (const int column : columns)
            if (x == column && (y - 85) % 6 < 3)
                return true;
        return false;
    };
    struct Run {
        QPoint from;
        QPoint step;
        int count;
    };
    for (const Run& r : { Run { { 400, 419 }, { 1, 0 }, 200 }, Run { { 299, 100 }, { 0, 1 }, 200 } }) {
        for (int i = 0; i < r.count; ++i) {
            const QPoint p = r.from + i * r.step;
            const TColor want = dotted(p.x(), p.y()) ? RGB(1, 0, 0) : kGold;
            EXPECT_EQ(colorToHex(at(f.PaintBoxHaupt, p.x(), p.y())), colorToHex(want))
                << "(" << p.x() << ", " << p.y() << ")";
        }
    }
}

TEST_F(VerHartChart, AResizedWindowGetsAChartOfItsSize)
{
    f.SetWidth(700);
    f.Refresh();
    // Paint box 692 wide: the panel's right edge moves to 692 - 50 = 642.
    EXPECT_EQ(at(f.PaintBoxHaupt, 600, 100), kGold);
    EXPECT_EQ(at(f.PaintBoxHaupt, 660, 100), stripe(33))
        << "beyond the panel the background, stripe 33 on rows 98 ... 100";
}
