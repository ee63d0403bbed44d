// The iron–carbon scale against the points the lessons draw: the complete diagram's and the
// annealing lesson's steel corner, with the halves that round to even.
#include "diagrams/IronCarbonScale.h"

#include "tests/support/Harness.h"

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
