// The cooling curves: the cylinder's eigenvalues against the textbook table, and the order of
// cooling the window relies on (core slower than surface, larger bar slower, water faster than oil).
#include "steel/Cooling.h"

#include "Steels.h"

#include <cmath>

using namespace wb::steel;

TEST(SteelCooling, CylinderEigenvaluesAsTabulated)
{
    // F. P. Incropera, D. P. DeWitt, Fundamentals of Heat and Mass Transfer, Table 5.1 (infinite cylinder):
    // printed ζ1 and C1 to four decimals; ours agree to that rounding (5e-5).
    struct Case {
        double biot, zeta1, c1;
    };
    const Case cases[] = { { 0.1, 0.4417, 1.0246 }, { 1.0, 1.2558, 1.2071 }, { 10.0, 2.1795, 1.5677 } };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.biot);
        const double zeta = cylinderEigenvalue(c.biot, 1);
        EXPECT_NEAR(zeta, c.zeta1, 5e-5);
        EXPECT_NEAR(cylinderCoefficient(zeta), c.c1, 5e-5);
    }
    // Higher roots solve the same equation ζ J1(ζ) = Bi J0(ζ), one between consecutive zeros.
    for (int n = 2; n <= 5; ++n) {
        const double zeta = cylinderEigenvalue(1.0, n);
        EXPECT_NEAR(zeta * std::cyl_bessel_j(1.0, zeta), std::cyl_bessel_j(0.0, zeta), 1e-9) << n;
        EXPECT_GT(zeta, cylinderEigenvalue(1.0, n - 1) + 2);
    }
    // At Fo = 0 the series gives the initial temperature inside, and it falls with time.
    EXPECT_NEAR(cylinderTemperatureRatio(1.0, 1e-3, 0), 1.0, 1e-6);
    EXPECT_LT(cylinderTemperatureRatio(1.0, 0.5, 0), cylinderTemperatureRatio(1.0, 0.2, 0));
}

namespace {

// The time a curve needs from its start down to `temperature`.
double timeTo(const std::vector<TimeTemperature>& curve, double temperature)
{
    for (size_t i = 1; i < curve.size(); ++i)
        if (curve[i].temperature <= temperature) {
            const TimeTemperature a = curve[i - 1], b = curve[i];
            return a.time + (b.time - a.time) * (a.temperature - temperature) / (a.temperature - b.temperature);
        }
    return INFINITY;
}

} // namespace

TEST(SteelCooling, CoreSlowerThanSurfaceLargerBarSlower)
{
    for (Quenchant q : { Quenchant::Water, Quenchant::Oil, Quenchant::Air }) {
        SCOPED_TRACE(static_cast<int>(q));
        const auto core = barCoolingCurve(40, q, 0), half = barCoolingCurve(40, q, 0.5),
                   surface = barCoolingCurve(40, q, 1);
        EXPECT_LT(timeTo(surface, 500), timeTo(half, 500));
        EXPECT_LT(timeTo(half, 500), timeTo(core, 500));
        EXPECT_LT(timeTo(barCoolingCurve(20, q, 0), 500), timeTo(core, 500));
        // Each curve starts at 850 °C, falls steadily and ends within a kelvin of the fluid.
        EXPECT_EQ(core.front().temperature, 850);
        for (size_t i = 1; i < core.size(); ++i)
            ASSERT_LT(core[i].temperature, core[i - 1].temperature);
        EXPECT_LT(core.back().temperature, 21.0);
    }
    EXPECT_LT(
        timeTo(barCoolingCurve(40, Quenchant::Water, 0), 500), timeTo(barCoolingCurve(40, Quenchant::Oil, 0), 500));
    EXPECT_LT(timeTo(barCoolingCurve(40, Quenchant::Oil, 0), 500), timeTo(barCoolingCurve(40, Quenchant::Air, 0), 500));
}

TEST(SteelCooling, QuenchantsByGrossmannsSeverity)
{
    // h = 2 k H: still water H = 1/in = 39.37/m, k = 26 W/(m K): h = 2·26·39.37 = 2047.2 W/(m² K).
    EXPECT_NEAR(heatTransferCoefficient(Quenchant::Water), 2047.24, 0.01);
    EXPECT_NEAR(heatTransferCoefficient(Quenchant::Oil) / heatTransferCoefficient(Quenchant::Water), 0.3, 1e-12);
    // A thin bar in still air cools almost evenly (Bi = hR/k ≪ 1): the lumped Newton cooling
    // exp(−2h t/(ρ c R)) with ρc = k/α. At the time when the core is at 435 °C (ratio 0.5),
    // t = ln 2 · ρc R /(2h) = 0.6931·(26/5.1e−6)·0.005/(2·40.945) = 215.8 s.
    const auto core = barCoolingCurve(10, Quenchant::Air, 0);
    EXPECT_NEAR(timeTo(core, 435), 215.8, 215.8 * 0.01);
}

TEST(SteelCooling, EndQuenchRateFallsWithDistance)
{
    double previous = INFINITY;
    for (double distance : { 1.5, 3.0, 5.0, 9.0, 15.0, 25.0, 50.0 }) {
        const double rate = jominyCoolingRate700(distance);
        EXPECT_LT(rate, previous) << distance;
        EXPECT_GT(rate, 0) << distance;
        previous = rate;
    }
    // Far from the end the semi-infinite solid's rate goes with 1/x² (the face's resistance matters less
    // and less): doubling the distance divides the rate by a number that grows towards 4.
    const double near = jominyCoolingRate700(12.5) / jominyCoolingRate700(25);
    const double far = jominyCoolingRate700(50) / jominyCoolingRate700(100);
    EXPECT_LT(near, far);
    EXPECT_LT(far, 4.0);
    EXPECT_GT(far, 3.5);
}
