// The boundary lines of an austenitising diagram: a polyline head, a parabola per pixel column and
// straight pieces at long times, on a small canvas.
#include "diagrams/ZtaZtuDiagram.h"
#include "tests/support/Harness.h"

using namespace wb;
using namespace wb::ztaztu;

TEST(ZtaParabolaLine, EachColumnTakesTheParabolaInSinglePrecisionRoundedHalfToEven)
{
    // c − k · (x − vertex)² with c = 8, k = 0.5, vertex = 6: 3.5, 6, 7.5, 8, 7.5, 6, 3.5, the
    // halves going to the even neighbour.
    const ParabolaLine line { clBlack, 1, {}, { 3, 0 }, 8, 0.5, 6, 3, 9 };
    const int expected[] = { 4, 6, 8, 8, 8, 6, 4 };
    for (int x = 3; x <= 9; ++x)
        EXPECT_EQ(parabolaY(line, x), expected[x - 3]) << "x = " << x;
}

TEST(ZtaParabolaLine, HeadParabolaAndTailAreDrawnWithTheLinesOwnPen)
{
    // A width-2 pen covers the row of each point and the one above it; the head ends at (3, 2),
    // the parabola starts afresh at (4, 5) and ends at (9, 5); the tail is a piece of its own.
    wbtest::PixelCanvas p(16, 10);
    constexpr TPoint head[] = { { 0, 2 }, { 3, 2 } };
    constexpr Segment tail[] = { { { 13, 8 }, { 15, 8 } } };
    const ParabolaLine line { clRed, 2, head, { 4, 5 }, 8, 0.25, 7, 4, 9, 0, tail };
    p.canvas.Pen.SetStyle(psDot);
    draw(p.canvas, line);
    // Columns 4 … 9: 8 − 0.25 · (x − 7)² = 5.75, 7, 7.75, 8, 7.75, 7 → 6, 7, 8, 8, 8, 7.
    EXPECT_EQ(p.at(1, 2), clRed) << "the head";
    EXPECT_EQ(p.at(1, 4), clWhite) << "no line from the head's end to the parabola's start";
    EXPECT_EQ(p.at(4, 5), clRed) << "the MoveTo point, reached by the first column's line";
    EXPECT_EQ(p.at(7, 8), clRed) << "the vertex column";
    EXPECT_EQ(p.at(7, 9), clWhite);
    EXPECT_EQ(p.at(9, 7), clRed) << "the last column";
    EXPECT_EQ(p.at(14, 8), clRed) << "the tail";
    EXPECT_EQ(p.at(11, 7), clWhite) << "nothing joins the tail to the parabola";
    EXPECT_EQ(p.canvas.Pen.Style(), psSolid) << "drawn solid whatever the style before";
    EXPECT_EQ(p.canvas.Pen.Width(), 2);
}

TEST(ZtaParabolaLine, AShiftMovesTheColumnsButNotTheParabola)
{
    // LineTo(x + shift, y(x)): a parabola computed over x = 10 … 14 and drawn 10 columns left.
    wbtest::PixelCanvas p(8, 6);
    const ParabolaLine line { clBlack, 1, {}, { 0, 1 }, 5, 1, 12, 10, 14, -10 };
    draw(p.canvas, line);
    EXPECT_EQ(parabolaY(line, 12), 5);
    // Columns 0 … 4 at 1, 4, 5, 4, 1, each LineTo leaving out its end point as thin lines do: the
    // next column's line starts there, and the last point, (4, 1), stays white.
    EXPECT_TRUE(wbtest::matchesRows(p.image,
        {
            "........",
            "#.......",
            "#...#...",
            ".#.#....",
            ".#.#....",
            "..#.....",
        }));
}
