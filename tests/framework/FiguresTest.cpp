// The figures lessons keep in their tables: each draws what the canvas operation it stands for
// draws, with the settings in force.
#include "framework/Figures.h"

#include "tests/support/Harness.h"

using namespace wb;

TEST(Figures, SegmentAndPolylineLeaveTheirEndPointAndThePenThere)
{
    wbtest::PixelCanvas p(8, 5);
    draw(p.canvas, Segment { { 0, 0 }, { 5, 0 } });
    const TPoint zigzag[] = { { 0, 2 }, { 3, 2 }, { 3, 4 }, { 7, 4 } };
    draw(p.canvas, Polyline { zigzag });
    EXPECT_TRUE(wbtest::matchesRows(p.image,
        {
            "#####...",
            "........",
            "####....",
            "...#....",
            "...####.",
        }));
    EXPECT_EQ(p.canvas.PenPos(), Point(7, 4));
}

TEST(Figures, BoxIsARectangleWithPenAndBrush)
{
    wbtest::PixelCanvas p(6, 5);
    p.canvas.Brush.SetColor(clRed);
    const Box boxes[] = { { 0, 0, 4, 4 }, { 4, 4, 6, 5 } };
    drawAll(p.canvas, boxes);
    EXPECT_TRUE(wbtest::matchesRows(p.image,
        {
            "####..",
            "#rr#..",
            "#rr#..",
            "####..",
            "....##",
        },
        { { 'r', clRed } }));
}

TEST(Figures, TextsWriteWhereTextOutWritesAndAnEmptySlotNothing)
{
    wbtest::PixelCanvas byFigure(60, 20);
    wbtest::PixelCanvas byCanvas(60, 20);
    byFigure.canvas.Brush.SetStyle(bsClear);
    byCanvas.canvas.Brush.SetStyle(bsClear);
    draw(byFigure.canvas, ColoredText { 2, 3, "Fe3C", clBlue });
    draw(byFigure.canvas, TextAt { 30, 3, nullptr });
    byCanvas.canvas.Font.SetColor(clBlue);
    byCanvas.canvas.TextOut(2, 3, QStringLiteral("Fe3C"));
    EXPECT_EQ(byFigure.image, byCanvas.image);
    EXPECT_EQ(byFigure.canvas.Font.Color(), clBlue) << "the colour stays set for what follows";
    EXPECT_EQ(byFigure.canvas.PenPos(), byCanvas.canvas.PenPos()) << "the empty slot moved nothing";
    EXPECT_NE(byFigure.image, wbtest::PixelCanvas(60, 20).image) << "the text has ink";
}
