// The phase-diagram field without a form: the model's curves projected and rounded to pixels,
// branches drawn from their own start, and the colour bands where two of them meet.
#include "phase/PhaseField.h"

#include "tests/support/Harness.h"

using namespace wb;
using wbtest::matchesRows;
using wbtest::PixelCanvas;

TEST(PhaseField, ProjectionRoundsInSinglePrecisionHalvesToEven)
{
    // A diagram of 0 … 350 °C: one degree per row, y = 370 - t. A flat curve at t puts the row
    // at 370 - t exactly.
    const phasefield::Projection grad { 0, 350 };
    const phasefield::Projection typ5 { model::typ5::tBottom, model::typ5::tTop };
    const phasefield::Projection typ6 { model::typ6::tBottom, model::typ6::tTop };
    auto flat = [](double t) { return model::Curve { 0, -1, t, 0, 100 }; };
    struct Case {
        const phasefield::Projection* p;
        model::Curve curve;
        int x;
        int y;
    };
    const Case cases[] = {
        { &grad, flat(349.5), 20, 20 }, // 20.5 exactly: to the even 20
        { &grad, flat(348.5), 20, 22 }, // 21.5: to the even 22
        { &grad, flat(348.50000001), 20, 22 }, // 21.49999999 is 21.5 in single precision: 22, a double gives 21
        { &grad, flat(348.6), 20, 21 },
        // The drawn curves of types 5 and 6 at the points their branches start from, with the
        // values the lessons' own formulas give there.
        { &typ5, model::typ5::liquidusA, 20, 177 }, // 294 - 0.0013 * 300^2 = 177
        { &typ5, model::typ5::liquidusB, 388, 164 }, // 0.003 * 152^2 + 95 = 164.312
        { &typ6, model::typ6::transformationB, 296, 299 }, // 310 - 0.0007 * 126^2 = 298.89, one above the start at 300
        { &typ6, model::typ6::liquidus, 480, 186 }, // 0.0004 * 640^2 + 22 = 185.84
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.p->curveY(c.curve, c.x), c.y) << c.curve.a << " (w - " << c.curve.b << ")^2 + " << c.curve.c;
}

TEST(PhaseField, ProjectionMapsTheFieldToTheDiagramsTemperaturesAndBack)
{
    // Type 4 spans 500 … 1200 °C over the 350 rows: 2 °C per row.
    const phasefield::Projection p { model::typ4::tBottom, model::typ4::tTop };
    EXPECT_DOUBLE_EQ(p.y(1200), 20);
    EXPECT_DOUBLE_EQ(p.y(500), 370);
    EXPECT_EQ(p.pixelY(model::typ4::peritecticT), 180) << "the peritectic line: 20 + (1200 - 880) / 2";
    EXPECT_EQ(p.pixelX(0), 20);
    EXPECT_EQ(p.pixelX(60), 296) << "20 + 4.6 * 60";
    EXPECT_EQ(p.pixelX(100), 480);
    for (double w : { 0.0, 13.7, 60.0, 100.0 })
        EXPECT_NEAR(p.composition(p.x(w)), w, 1e-12);
    for (double t : { 500.0, 733.3, 1200.0 })
        EXPECT_NEAR(p.temperature(p.y(t)), t, 1e-9);
}

TEST(PhaseField, BranchStartsAtItsOwnPointAndRunsThroughTheCurve)
{
    // On a diagram of 0 … 350 °C (y = 370 - t) the curve t = 369 - 10.58 (w + 17 / 4.6)^2 is the
    // parabola y = 0.5 (x - 3)^2 + 1 in pixels (x = 20 + 4.6 w). From its start (0, 5), which is
    // not on it, to (1, 3), then x = 2 ... 5 gives 1.5 -> 2, 1, 1.5 -> 2, 3. LineTo leaves the
    // last end point (5, 3) untouched.
    const phasefield::Projection grad { 0, 350 };
    const model::Curve curve { -10.58, -17 / 4.6, 369, 0, 100 };
    PixelCanvas pc(7, 6);
    phasefield::drawBranch(pc.canvas, grad, { { 0, 5 }, &curve, 1, 5 });
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
