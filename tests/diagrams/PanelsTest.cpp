// The panels, bands and grids the time–temperature and heat-treatment diagrams are drawn on,
// on small canvases.
#include "diagrams/Panels.h"

#include "tests/support/Harness.h"

using namespace wb;
using namespace wb::diagrams;

namespace {

TColor rowShade(int y)
{
    return RGB(10 * y, 0, 0);
}

TColor laterShade(int y)
{
    return RGB(0, 10 * y, 0);
}

} // namespace

TEST(DiagramPanels, BandsFillEachRowFromXFourWithTheBandBelowIt)
{
    // A width-2 pen centred on row y covers rows y − 1 and y, with a round end reaching one pixel
    // left of x = 4. Drawn top to bottom, row y shows the colour of row y + 1; the shared row 3 is
    // drawn by the first band and then by the second, which wins.
    wbtest::PixelCanvas p(10, 8);
    const Bands bands[] = { { 0, 3, rowShade }, { 3, 7, laterShade } };
    drawBands(p.canvas, 10, bands);
    EXPECT_EQ(p.at(6, 0), rowShade(1));
    EXPECT_EQ(p.at(6, 1), rowShade(2));
    EXPECT_EQ(p.at(6, 2), laterShade(3)) << "row 3 of the second band covers row 2";
    EXPECT_EQ(p.at(6, 3), laterShade(4));
    EXPECT_EQ(p.at(6, 6), laterShade(7));
    EXPECT_EQ(p.at(6, 7), laterShade(7)) << "the last line covers its own row too";
    EXPECT_EQ(p.at(3, 4), laterShade(5)) << "the round end reaches x = 3";
    EXPECT_EQ(p.at(2, 4), clWhite) << "left of the bands the canvas keeps its colour";
    EXPECT_EQ(p.canvas.Pen.Style(), psSolid);
    EXPECT_EQ(p.canvas.Pen.Width(), 2);
}

TEST(DiagramPanels, PanelIsOutlinedDarkAndFilledGoldKeepingThePenStyle)
{
    wbtest::PixelCanvas p(12, 10);
    p.canvas.Pen.SetStyle(psSolid);
    drawPanel(p.canvas, { 3, 2, 10, 9 });
    // The width-2 outline is centred on the path x = 3 … 9, y = 2 … 8: it covers one pixel on
    // either side of it, the gold fill what lies inside.
    EXPECT_TRUE(wbtest::matchesRows(p.image,
        {
            "............",
            "..########..",
            "..########..",
            "..##gggg##..",
            "..##gggg##..",
            "..##gggg##..",
            "..##gggg##..",
            "..########..",
            "..########..",
            "............",
        },
        { { '#', kDunkel }, { 'g', kPanelGold } }));
    EXPECT_EQ(p.canvas.Pen.Color(), kDunkel) << "a grid drawn next takes the frame's pen colour";
}

TEST(DiagramPanels, GridRoundsItsStepsAndStartsAtTheFirstColumn)
{
    // A 14 × 12 frame with rows of 12 / 5 = 2.4 pixels: horizontals at Round(12 − 2.4 k) = 10,
    // 7, 5, 2 (k = 1 … 4; 9.6 → 10, 7.2 → 7, 4.8 → 5, 2.4 → 2); columns of 4.5 pixels for
    // k = 1, 2: x = Round(4.5) = 4 (the half to the even neighbour) and 9. Dots run 3 on, 3 off
    // from each line's start; the gaps keep what lies under them.
    wbtest::PixelCanvas p(14, 12);
    p.canvas.Pen.SetColor(clBlack);
    p.canvas.Brush.SetColor(clRed);
    drawGrid(p.canvas, { { 0, 0, 14, 12 }, 5, 2.4, 1, 3, 4.5 });
    EXPECT_TRUE(wbtest::matchesRows(p.image,
        {
            "....#....#....",
            "....#....#....",
            "###.#.####..##",
            "..............",
            "..............",
            "###...###...##",
            "....#....#....",
            "###.#.####..##",
            "....#....#....",
            "..............",
            "###...###...##",
            "..............",
        }));
    EXPECT_EQ(p.canvas.Brush.Style(), bsClear);
    EXPECT_EQ(p.canvas.Pen.Style(), psDot);
}
