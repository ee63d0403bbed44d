// The iron–carbon scale against the points the lessons draw: the complete diagram's and the
// annealing lesson's steel corner, with the halves that round to even.
#include "diagrams/IronCarbonScale.h"

#include "tests/support/Harness.h"

using namespace wb;
using namespace wb::ekd;

namespace {

// The annealing lesson's steel corner: 39 pixels per 0.2 % C from x = 230, 60 pixels per 200 °C
// up from y = 500 at 0 °C.
constexpr Scale kGluehScale { 230, 39 / 0.2, 500, 0, 60 / 200.0 };

} // namespace

TEST(IronCarbonScale, CarbonContentsLandOnTheirPoints)
{
    struct Case {
        double percent;
        int x;
        const char* why;
    };
    const Case cases[] = {
        { 0, 50, "the iron axis" },
        { 6.67, 717, "cementite, the field's right edge (F, K, L, D)" },
        { 0.8, 130, "S, the eutectoid" },
        { 2.06, 256, "E, the largest solubility in austenite" },
        { 4.3, 480, "C, the eutectic" },
        { 2.0, 250, "E´ of the stable system" },
        { 4.2, 470, "C´ of the stable system" },
        { 0.6, 110, "the alloy line of the 0.6 % lesson" },
        { 0.005, 50, "50.5 is a half: to the even 50" },
        { 0.015, 52, "51.5 is a half: to the even 52" },
        { 4.025, 452, "452.5, which binary arithmetic makes 452.50000000000006: to the even 452" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(carbonX(kDiagramScale, c.percent), c.x);
    }
}

TEST(IronCarbonScale, TemperaturesLandOnTheirLines)
{
    struct Case {
        double celsius;
        int y;
        const char* why;
    };
    const Case cases[] = {
        { 500, 493, "the field's bottom (Q, L)" },
        { 1600, 20, "the field's top, where D´ leaves it: 493 − 0.43 · 1100 = 20" },
        { 911, 316, "G: 493 − 176.73" },
        { 1147, 215, "the eutectic horizontal E–C–F: 493 − 278.21" },
        { 1320, 140, "D: 493 − 352.6" },
        { 550, 472, "471.5 is a half: to the even 472" },
        { 650, 428, "428.5 is a half: to the even 428" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(temperatureY(kDiagramScale, c.celsius), c.y);
    }
}

TEST(IronCarbonScale, TheAnnealingDiagramsCornerUsesTheSameMapping)
{
    // Its eutectoid line stands at x = 386, its last column at 659; its lines meet the axis at
    // y = 227 (911 °C), run at 283 (723 °C) and at 156 (1147 °C).
    EXPECT_EQ(carbonX(kGluehScale, 0), 230);
    EXPECT_EQ(carbonX(kGluehScale, 0.8), 386);
    EXPECT_EQ(carbonX(kGluehScale, 2.2), 659);
    EXPECT_EQ(temperatureY(kGluehScale, 0), 500);
    EXPECT_EQ(temperatureY(kGluehScale, 723), 283); // 500 − 216.9
    EXPECT_EQ(temperatureY(kGluehScale, 911), 227); // 500 − 273.3
    EXPECT_EQ(temperatureY(kGluehScale, 1147), 156); // 500 − 344.1
    EXPECT_EQ(temperatureY(kGluehScale, 1600), 20);
}

// --- The model on a drawing ------------------------------------------------------------------

namespace {

namespace mek = wb::model::ekd;

// A small drawing: 10 pixels per % C from x = 0, 1 pixel per °C down from y = 100 at 0 °C, with
// 50 °C drawn on row 40 instead of 50.
constexpr Row kRows[] = { { 0, 100 }, { 50, 40 }, { 100, 0 } };
constexpr Placed kPlaced[] = { { mek::Point::S, { 7, 7 } } };
constexpr VertexAt kVertexAt[] = { { mek::Line::SE, 0, { 1, 2 } } };
constexpr Projection kSmall { { 0, 10, 100, 0, 1 }, kRows, kPlaced, kVertexAt, 0, 100 };

} // namespace

TEST(IronCarbonProjection, TemperaturesGoThroughTheRowsThenTheScale)
{
    struct Case {
        double celsius;
        int y;
        const char* why;
    };
    const Case cases[] = {
        { 0, 100, "the first row" },
        { 25, 70, "halfway to the named row: 100 − 60 · 25 / 50" },
        { 50, 40, "the named row, ten pixels above the scale's 50" },
        { 75, 20, "halfway between 40 and 0" },
        { 100, 0, "the last row" },
        { 120, -20, "above the rows: the scale" },
        { -10, 110, "below the rows: the scale" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(temperatureY(kSmall, c.celsius), c.y);
    }
    EXPECT_EQ(carbonX(kSmall, 2.5), 25);
}

TEST(IronCarbonProjection, APixelGoesBackToItsTemperatureAndCarbonContent)
{
    // Every row of the complete diagram's field is the row of the temperature it reads back as,
    // and the named rows read back as their temperatures.
    const Projection& p = diagramProjection();
    for (int y = 20; y <= 493; ++y)
        EXPECT_EQ(temperatureY(p, celsiusOf(p, y)), y) << y;
    for (const Row& r : p.rows)
        EXPECT_DOUBLE_EQ(celsiusOf(p, r.y), r.celsius);
    EXPECT_DOUBLE_EQ(celsiusOf(kSmall, 40), 50);
    EXPECT_DOUBLE_EQ(celsiusOf(kSmall, 70), 25);
    EXPECT_DOUBLE_EQ(celsiusOf(kSmall, -20), 120) << "above the rows: the scale";
    for (int x = 50; x <= 717; ++x)
        EXPECT_EQ(carbonX(p, carbonOf(p, x)), x) << x;
    EXPECT_DOUBLE_EQ(carbonOf(p, 130), 0.8);
}

TEST(IronCarbonProjection, PlacedPointsMovedVerticesAndTheFieldsEdges)
{
    // S is placed; E–S's other points go through the scale, its first vertex is moved.
    EXPECT_EQ(pixelOf(kSmall, mek::Point::S), Point(7, 7));
    EXPECT_EQ(pixelsOf(kSmall, mek::Line::SE).front(), Point(1, 2));
    EXPECT_EQ(pixelsOf(kSmall, mek::Line::SG).front(), Point(7, 7)) << "S placed where no vertex is moved";
    // Above the field's 100 °C a point is drawn on its top edge, keeping its composition.
    EXPECT_EQ(pixelOf(kSmall, mek::State { 2.06, 1147 }), Point(21, 0));
    // The complete diagram: Q at 500 °C on its bottom; the cooling lessons' field ends at 600 °C,
    // and the same Q lands on that edge.
    Projection cooling = diagramProjection();
    cooling.lowest = 600;
    EXPECT_EQ(pixelsOf(diagramProjection(), mek::Line::QP).front(), Point(50, 493));
    EXPECT_EQ(pixelsOf(cooling, mek::Line::QP).front(), Point(50, 450));
}

TEST(IronCarbonProjection, CrossingsAndTieLineEnds)
{
    const Projection& p = diagramProjection();
    // G–S between (90, 367) and (100, 376): the row of 781 °C is y = 372, x = 90 + 10 · 5 / 9.
    const std::optional<TPoint> gs = crossing(p, mek::Line::SG, 781);
    ASSERT_TRUE(gs);
    EXPECT_EQ(gs->Y, temperatureY(p, 781));
    EXPECT_EQ(*gs, Point(96, 372));
    EXPECT_FALSE(crossing(p, mek::Line::PSK, 723)) << "a horizontal crosses no row";
    EXPECT_FALSE(crossing(p, mek::Line::SE, 700)) << "below S";
    // A tie line at 0.45 % C and 781 °C: ferrite on P–G (drawn towards P at x = 56), austenite on
    // G–S; the ends on the drawn lines, in the row of the temperature.
    const std::optional<mek::TieLine> tie = mek::tieLine(mek::System::Metastable, { 0.45, 781 });
    ASSERT_TRUE(tie);
    EXPECT_EQ(tieEnd(p, tie->rich, tie->richLine, 781), *gs);
    EXPECT_EQ(tieEnd(p, tie->lean, tie->leanLine, 781), *crossing(p, mek::Line::PG, 781));
    EXPECT_EQ(crossing(p, mek::Line::PG, 781)->X, 54) << "50 + 6 · (372 − 316) / 79, P drawn at 56";
    // Cementite, a pure phase, stands on the right edge.
    const std::optional<mek::TieLine> hyper = mek::tieLine(mek::System::Metastable, { 1.2, 800 });
    ASSERT_TRUE(hyper);
    EXPECT_EQ(tieEnd(p, hyper->rich, hyper->richLine, 800), Point(717, temperatureY(p, 800)));
}
