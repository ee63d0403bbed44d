// What the diagram-type lessons share, without a form: the colour bands, the lever rule, the
// stepping of the cooling mark, the run's phases and the NOT-XOR trace that erases exactly what
// it drew.
#include "phase/TypeDiagram.h"

#include "tests/support/Harness.h"
#include "tests/support/Program.h"

#include <gtest/gtest.h>
#include <vector>

using namespace wb;
using namespace wb::typediagram;

TEST(TypeDiagram, BandsRunFromYellowThroughOrangeToDarkRed)
{
    struct Case {
        int y;
        TColor color;
    };
    const Case cases[] = {
        { 20, clYellow }, // the top of the field
        { 70, clYellow }, // the first band's last row; the second band would give (255, 255, 0) too
        { 71, RGB(255, 254, 0) }, // green 325 - 71
        { 200, RGB(255, 125, 0) },
        { 325, RGB(255, 0, 0) }, // the second band's last row; the third gives 905 - 650 = 255 too
        { 326, RGB(253, 0, 0) }, // red 905 - 652
        { 370, RGB(165, 0, 0) }, // the bottom: 905 - 740
    };
    for (const Case& c : cases)
        EXPECT_EQ(bandColor(c.y), c.color) << "y = " << c.y;
}

TEST(TypeDiagram, BandsFillTheFieldRowByRowWithoutTheRightEnd)
{
    wbtest::PixelCanvas p(482, 372);
    drawBands(p.canvas);
    EXPECT_EQ(p.at(19, 100), clWhite); // left of the field
    EXPECT_EQ(p.at(20, 100), bandColor(100));
    EXPECT_EQ(p.at(479, 370), bandColor(370));
    EXPECT_EQ(p.at(480, 200), clWhite); // LineTo leaves its end point
    EXPECT_EQ(p.at(200, 19), clWhite); // above the field
    EXPECT_EQ(p.canvas.Pen.Width(), 1);
    EXPECT_EQ(p.canvas.Pen.Color(), bandColor(370));
}

TEST(TypeDiagram, LeverRuleTruncatesTowardZeroOnEitherSide)
{
    struct Case {
        int fest;
        int schmelze;
        int legierung;
        int anteil;
    };
    const Case cases[] = {
        { 122, 230, 198, 29 }, // 3200 / 108 = 29.6: truncated, rounding would give 30
        { 20, 213, 204, 4 }, // crystals at the left: 900 / 193 = 4.66
        { 20, 204, 204, 0 }, // the tie line ends on the alloy line: no crystals yet
        { 480, 382, 388, 6 }, // crystals at the right: -600 / -98 = 6.12
        { 480, 377, 388, 10 }, // -1100 / -103 = 10.68, truncated toward zero
        { 480, 296, 388, 50 }, // -9200 / -184 exactly
    };
    for (const Case& c : cases)
        EXPECT_EQ(kristallAnteil(c.fest, c.schmelze, c.legierung), c.anteil)
            << c.fest << " " << c.schmelze << " " << c.legierung;
}

TEST(TypeDiagram, MarkStepsFineThenCoarseAndBothInTheTickThatCrosses)
{
    const MarkSteps typ1 = { .feinBis = 160, .feinSchritt = 3, .grobAb = 160, .grobSchritt = 6 };
    const MarkSteps typ2 = { .feinBis = 225, .feinSchritt = 4, .grobAb = 226, .grobSchritt = 16 };
    const MarkSteps typ3 = { .feinBis = 380, .feinSchritt = 4 };
    struct Case {
        const MarkSteps* steps;
        int from;
        std::vector<int> marks;
    };
    const Case cases[] = {
        { &typ1, 20, { 23 } }, { &typ1, 155, { 158 } }, { &typ1, 158, { 161, 167 } }, // 161 is passed within the tick
        { &typ1, 365, { 371 } }, { &typ2, 218, { 222 } }, { &typ2, 222, { 226, 242 } }, // 226 is passed within the tick
        { &typ2, 354, { 370 } }, { &typ3, 19, { 23 } }, { &typ3, 376, { 380 } },
        { &typ3, 380, {} }, // at its limit the mark stands still
    };
    for (const Case& c : cases) {
        const MarkStep s = stepMark(c.from, *c.steps);
        EXPECT_EQ(std::vector<int>(s.marks, s.marks + s.count), c.marks) << "from " << c.from;
    }
}

TEST(TypeDiagram, RunPhaseFollowsTimerAndMark)
{
    EXPECT_EQ(runPhase(20, false, 20, 367), RunPhase::Idle);
    EXPECT_EQ(runPhase(20, true, 20, 367), RunPhase::Running);
    EXPECT_EQ(runPhase(104, false, 20, 367), RunPhase::Paused);
    EXPECT_EQ(runPhase(371, false, 20, 367), RunPhase::Finished);
}

TEST(TypeDiagram, XorTraceErasesExactlyWhatItDrewOnce)
{
    // A 3-pixel NOT-XOR pen on a white 8 x 6 canvas; the erase must restore every pixel, also
    // when the pen has changed in between, and a second erase must not draw anything.
    wbtest::PixelCanvas p(8, 6);
    TCanvas& c = p.canvas;
    c.Pen.SetMode(pmNotXor);
    c.Pen.SetColor(clBlue);
    c.Pen.SetWidth(1);
    XorTrace trace;
    trace.draw(c, { { 1, 2 }, { 7, 2 } });
    c.Pen.SetColor(clRed);
    trace.draw(c, { { 3, 0 }, { 3, 6 } });
    // Blue NOT-XOR white leaves blue; red then flips the crossing once more.
    EXPECT_EQ(p.at(1, 2), clBlue);
    EXPECT_EQ(p.at(3, 4), clRed);
    EXPECT_EQ(p.at(3, 2), wbtest::notXor(clBlue, clRed));
    ASSERT_EQ(trace.lines().size(), 2u);

    c.Pen.SetColor(clLime);
    c.Pen.SetWidth(3);
    trace.erase();
    EXPECT_TRUE(wbtest::matchesRows(
        p.image, { "........", "........", "........", "........", "........", "........" }, { { '.', clWhite } }));
    EXPECT_EQ(c.Pen.Color(), clLime); // the canvas keeps the pen it had
    EXPECT_EQ(c.Pen.Width(), 3);
    EXPECT_TRUE(trace.empty());

    trace.erase(); // nothing is kept: nothing is drawn
    EXPECT_EQ(p.at(3, 2), clWhite);
}

TEST(TypeDiagram, AForgottenTraceDrawsNothingAtTheNextErase)
{
    wbtest::PixelCanvas p(8, 4);
    p.canvas.Pen.SetMode(pmNotXor);
    XorTrace trace;
    trace.draw(p.canvas, { { 0, 1 }, { 8, 1 } });
    p.image.fill(0xFFFFFFFFu); // a repaint by a reset
    trace.forget();
    trace.erase();
    EXPECT_EQ(p.at(4, 1), clWhite);
}
