// The Hollomon–Jaffe parameter in hours, its equivalences, and the interim master curve's shape.
#include "steel/Tempering.h"

#include "Steels.h"

#include <cmath>
#include <string>

using namespace wb::steel;
using wbtest::kC45;
using wbtest::steelOf;

TEST(SteelTempering, TheParameterByHandInHours)
{
    // C45: constant 21.3 − 5.8·0.46 = 18.632; 600 °C for 2 h: 873.15·(18.632 + log10 2) = 873.15·18.93303
    // = 16531.375.
    const double constant = hollomonJaffeConstant(0.46);
    EXPECT_NEAR(constant, 18.632, 1e-12);
    EXPECT_NEAR(hollomonJaffeParameter(600, 2, constant), 16531.375, 0.001);
    // Time goes in hours: 60 minutes are one hour, not 60 (the minutes slip would add log10 60 = 1.778).
    EXPECT_NEAR(hollomonJaffeParameter(600, 60.0 / 60, constant), 873.15 * constant, 1e-9);
}

TEST(SteelTempering, EqualParameterEqualHardness)
{
    const Steel steel = steelOf(kC45);
    const double constant = hollomonJaffeConstant(0.46);
    // Ten hours at a lower temperature do what one hour at 550 °C does.
    const double lower = equivalentTemperature(550, 1, 10, constant);
    EXPECT_LT(lower, 550);
    EXPECT_NEAR(hollomonJaffeParameter(lower, 10, constant), hollomonJaffeParameter(550, 1, constant), 1e-9);
    EXPECT_NEAR(temperedHardness(steel, 690, lower, 10).value, temperedHardness(steel, 690, 550, 1).value, 1e-9);
    // Harder before, softer after: the hardness falls with temperature and with time.
    double previous = INFINITY;
    for (double t = 200; t <= 650; t += 50) {
        const double hv = temperedHardness(steel, 690, t, 1).value;
        EXPECT_LT(hv, previous) << t;
        EXPECT_LT(temperedHardness(steel, 690, t, 10).value, hv) << t;
        previous = hv;
    }
    // Below 150 °C for an hour the martensite keeps its hardness.
    EXPECT_DOUBLE_EQ(temperedHardness(steel, 690, 100, 1).value, 690);
}

TEST(SteelTempering, TheInterimCurveIsSaidToBeOurOwn)
{
    // The tempering curve is no published model: its caveat says so, and it is the only model with one.
    for (Model model : kModels) {
        SCOPED_TRACE(modelName(model));
        const char* caveat = modelCaveat(model);
        if (model == Model::HollomonJaffe) {
            ASSERT_NE(caveat, nullptr);
            EXPECT_NE(std::string(caveat).find("eigene Näherung"), std::string::npos);
            EXPECT_NE(std::string(caveat).find("kein veröffentlichtes Modell"), std::string::npos);
        } else {
            EXPECT_EQ(caveat, nullptr);
        }
    }
}
