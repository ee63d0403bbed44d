// The phase-diagram field without a form: parabola branches rounded to pixels and drawn from
// their own start, and the colour bands where two of them meet.
#include "phase/PhaseField.h"

#include "tests/support/Harness.h"

using namespace wb;
using wbtest::matchesRows;
using wbtest::PixelCanvas;

TEST(PhaseField, ParabolaRoundsInSinglePrecisionHalvesToEven)
{
    struct Case {
        phasefield::Parabola f;
        int x;
        int y;
    };
    const Case cases[] = {
        { { 0.5, 0, 0 }, 1, 0 }, // 0.5 exactly: to the even 0
        { { 0.5, 0, 0 }, 3, 4 }, // 4.5: to the even 4
        { { 0.5, 0, 1 }, 1, 2 }, // 1.5: to the even 2
        { { -0.0013, 320, 294 }, 20, 177 }, // 294 - 117 = 177: type 5 starts its first branch there
        { { 0.003, 540, 95 }, 388, 164 }, // 69.312 + 95 = 164.312
        { { -0.0007, 170, 310 }, 296, 299 }, // 310 - 11.1132 = 298.89: one above the branch's start at 300
        { { 0.0004, -160, 22 }, 480, 186 }, // 0.0004 * 640^2 + 22 = 185.84
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.f.at(c.x), c.y) << c.f.a << " (x - " << c.f.b << ")^2 + " << c.f.c << " at " << c.x;
}

TEST(PhaseField, BranchStartsAtItsOwnPointAndRunsThroughTheParabola)
{
    // From its start (0, 5), which is not on the parabola, to (1, 3), then along
    // y = [0.5 (x - 3)^2 + 1]: x = 2 ... 5 gives 1.5 -> 2, 1, 1.5 -> 2, 3. LineTo leaves the
    // last end point (5, 3) untouched.
    PixelCanvas pc(7, 6);
    phasefield::drawBranch(pc.canvas, { { 0, 5 }, { 0.5, 3, 1 }, 1, 5 });
    EXPECT_TRUE(matchesRows(pc.image,
        {
            ".......",
            "...#...", // the vertex (3, 1)
            "..#.#..",
            ".#.....", // (5, 3) is the last end point: untouched
            ".#.....", // the step from the start to (1, 3)
            "#......",
        }));
}

TEST(PhaseField, BandsMeetWithoutAStepAtRowsSeventyAndThreeHundredTwentyFive)
{
    EXPECT_EQ(phasefield::bandColor(20), clYellow);
    EXPECT_EQ(phasefield::bandColor(70), RGB(255, 325 - 70, 0))
        << "the yellow band's last row is also the next one's first";
    EXPECT_EQ(phasefield::bandColor(71), RGB(255, 254, 0));
    EXPECT_EQ(phasefield::bandColor(325), RGB(905 - 2 * 325, 0, 0)) << "pure red in both bands";
    EXPECT_EQ(phasefield::bandColor(370), RGB(165, 0, 0));
}
