// Li's time law, its fraction integral and the additivity integration. No computed diagram of Li's
// with printed numbers was found in the stored material: the checks are hand calculations, identities
// of the integral, and the behaviour the diagrams rely on.
#include "steel/Kinetics.h"

#include "Steels.h"
#include "steel/Cooling.h"
#include "steel/NamedSteels.h"

using namespace wb::steel;
using wbtest::kC45;
using wbtest::steelOf;

TEST(SteelKinetics, TheFractionIntegralByItsSeriesAndItsSymmetry)
{
    // Near 0 the integrand is x^−0.4 (1 + 0.4 x ln x + 0.4 x² + …), so by hand
    // S(0.01) = 0.01^0.6/0.6 + 0.4·0.01^1.6/1.6·(ln 0.01 − 1/1.6) + (third-order terms)
    //         = 0.105160 − 0.000825 + 0.000006 = 0.104341.
    EXPECT_NEAR(sIntegral(0.01), 0.104341, 2e-6);
    // The integrand is symmetric about 1/2 (swap x and 1 − x), so S(1 − X) = 2 S(1/2) − S(X).
    for (double x : { 0.01, 0.1, 0.3 })
        EXPECT_NEAR(sIntegral(1 - x), 2 * sIntegral(0.5) - sIntegral(x), 2e-5) << x;
    // The inverse returns the fraction.
    for (double x : { 0.001, 0.01, 0.25, 0.5, 0.9, 0.99 })
        EXPECT_NEAR(sInverse(sIntegral(x)), x, 1e-6 + 1e-4 * x) << x;
    EXPECT_EQ(sInverse(0), 0);
    EXPECT_EQ(sInverse(10), 1);
}

TEST(SteelKinetics, CompositionFactorsByHand)
{
    // 42CrMo4 from the menu: 0.415 C, 0.20 Si, 0.75 Mn, 1.05 Cr, 0.225 Mo.
    const LiKinetics k = liKinetics(steelOf(findNamedSteel("42CrMo4")->composition));
    // FC = exp(1 + 6.31·0.415 + 1.78·0.75 + 0.31·0.20 + 2.70·1.05 + 4.06·0.225)
    //    = exp(1 + 2.61865 + 1.335 + 0.062 + 2.835 + 0.9135) = exp(8.76415)
    EXPECT_NEAR(std::log(k.fc), 8.76415, 1e-9);
    // PC = exp(−4.25 + 4.12·0.415 + 4.36·0.75 + 0.44·0.20 + 3.33·1.05 + 5.19·√0.225)
    //    = exp(−4.25 + 1.7098 + 3.27 + 0.088 + 3.4965 + 2.461833) = exp(6.776133)
    EXPECT_NEAR(std::log(k.pc), 6.776133, 1e-6);
    // BC = exp(−10.23 + 10.18·0.415 + 0.85·0.75 + 0.90·1.05 + 0.36·0.225)
    //    = exp(−10.23 + 4.2247 + 0.6375 + 0.945 + 0.081) = exp(−4.3418)
    EXPECT_NEAR(std::log(k.bc), -4.3418, 1e-9);
    // Li's Bs: 637 − 58·0.415 − 35·0.75 − 34·1.05 − 41·0.225 = 637 − 24.07 − 26.25 − 35.7 − 9.225 = 541.755
    EXPECT_NEAR(k.bs, 541.755, 1e-9);
}

TEST(SteelKinetics, FerriteStartOfC45At650ByHand)
{
    // τ = FC·S(0.01) / (2^(0.41·7) ΔT³ exp(−27500/(1.987 T))) at 650 °C = 923.15 K:
    // FC = exp(1 + 6.31·0.46 + 1.78·0.65 + 0.31·0.20) = exp(5.1216) = 167.603
    // ΔT = Ae3 − 650 = 771.761 − 650 = 121.761, ΔT³ = 1.805202e6
    // 2^2.87 = 7.310652, exp(−13839.96/923.15) = 3.083276e−7
    // k = 7.310652·1.805202e6·3.083276e−7/167.603 = 0.0242779 /s, τ = 0.104341/0.0242779 = 4.2978 s
    const LiKinetics k = liKinetics(steelOf(kC45));
    EXPECT_NEAR(rateConstant(k, Phase::Ferrite, 650), 0.0242779, 1e-7);
    EXPECT_NEAR(transformationTime(k, Phase::Ferrite, kStartFraction, 650), 4.2978, 1e-3);
}

TEST(SteelKinetics, IsothermalCurvesKeepToTheirFields)
{
    const LiKinetics k = liKinetics(steelOf(kC45));
    // Ferrite below Ae3, pearlite below Ae1, bainite below Bs, each down to Ms.
    EXPECT_TRUE(std::isinf(tttAt(k, k.ae3 + 1).ferrite.start));
    EXPECT_TRUE(std::isfinite(tttAt(k, k.ae3 - 1).ferrite.start));
    EXPECT_TRUE(std::isinf(tttAt(k, k.ae1 + 1).pearlite.start));
    EXPECT_TRUE(std::isinf(tttAt(k, k.bs + 1).bainite.start));
    EXPECT_TRUE(std::isfinite(tttAt(k, k.bs - 1).bainite.start));
    EXPECT_TRUE(std::isinf(tttAt(k, k.ms - 1).pearlite.start));
    EXPECT_TRUE(std::isinf(tttAt(k, k.ms - 1).bainite.start));
    EXPECT_TRUE(tttAt(k, k.ms - 1).belowMs);
    EXPECT_FALSE(tttAt(k, k.ms + 1).belowMs);
    // Finish over start is S(0.99)/S(0.01) at every temperature.
    const TttRow row = tttAt(k, 600);
    EXPECT_NEAR(row.pearlite.finish / row.pearlite.start, sIntegral(0.99) / sIntegral(0.01), 1e-9);
    // The pearlite curve has its nose where ΔT³ exp(−Q/RT) is largest, 3/(Ae1 − T) = (Q/R)/T²: with
    // Ae1 = 991.344 K, T² + 4613.32 T − 4613.32·991.344 = 0 gives T = (−4613.32 + 6290.97)/2 = 838.83 K,
    // 565.7 °C.
    const double nose = tttAt(k, 565.7).pearlite.start;
    EXPECT_GT(tttAt(k, 600).pearlite.start, nose);
    EXPECT_GT(tttAt(k, 530).pearlite.start, nose);
    EXPECT_LT(nose, std::min(tttAt(k, 564.7).pearlite.start, tttAt(k, 566.7).pearlite.start));
    // A table of 300 rows, flagged only where Li's range is left.
    const auto diagram = tttDiagram(steelOf(kC45), 900, 100, 300);
    EXPECT_EQ(diagram.value.size(), 300u);
    EXPECT_DOUBLE_EQ(diagram.value.back().temperature, 100);
    EXPECT_TRUE(diagram.inRange());
    EXPECT_FALSE(tttDiagram(steelOf(findNamedSteel("100Cr6")->composition), 900, 100, 2).inRange());
}

TEST(SteelKinetics, AHoldAgreesWithTheIsothermalDiagram)
{
    // Quenched at once to 600 °C and held: additivity must give the isothermal start and finish.
    const LiKinetics k = liKinetics(steelOf(kC45));
    const TttRow row = tttAt(k, 600);
    const double quench = 1e-3; // s from 850 °C to 600 °C
    const std::vector<TimeTemperature> hold { { 0, 850 }, { quench, 600 }, { 50, 600 } };
    const CctResult r = continuousCooling(k, hold);
    // Pearlite starts first at 600 °C in C45 (it is faster than ferrite there) and stops the ferrite.
    ASSERT_LT(row.pearlite.start, row.ferrite.start);
    EXPECT_NEAR(r.pearliteStart.time - quench, row.pearlite.start, 0.03 * row.pearlite.start);
    EXPECT_GT(r.pearlite, 0.98);
    // Cut the hold short of the finish time: less pearlite, the rest martensite on cooling further.
    const double halfway = quench + 0.5 * (row.pearlite.start + row.pearlite.finish) / 2;
    const std::vector<TimeTemperature> shortHold { { 0, 850 }, { quench, 600 }, { halfway, 600 }, { halfway + 1, 20 } };
    const CctResult cut = continuousCooling(k, shortHold);
    EXPECT_LT(cut.pearlite, 0.98);
    EXPECT_GT(cut.martensite, 0.01);
}

TEST(SteelKinetics, BainiteAfterAHoldBetweenNoseAndMs)
{
    // 42CrMo4 held at 400 °C: bainite after the finish time, less of it before (the cooling window's case).
    const LiKinetics k = liKinetics(steelOf(findNamedSteel("42CrMo4")->composition));
    ASSERT_GT(400, k.ms);
    ASSERT_LT(400, k.bs);
    const TttRow row = tttAt(k, 400);
    const auto holdFor = [&](double seconds) {
        const std::vector<TimeTemperature> curve { { 0, 850 }, { 0.01, 400 }, { 0.01 + seconds, 400 },
            { 0.01 + seconds + 10, 20 } };
        return continuousCooling(k, curve);
    };
    const CctResult after = holdFor(1.2 * row.bainite.finish);
    const CctResult before = holdFor(0.3 * row.bainite.start);
    EXPECT_GT(after.bainite, 0.98);
    EXPECT_LT(before.bainite, 0.01);
    EXPECT_GT(before.martensite, 0.9);
}

TEST(SteelKinetics, FasterCoolingMoreMartensiteLessFerrite)
{
    const Steel steel = steelOf(kC45);
    const LiKinetics k = liKinetics(steel);
    double previousMartensite = -1, previousSoft = 2;
    for (double rate : { 0.05, 0.2, 1.0, 5.0, 20.0, 50.0, 100.0, 300.0 }) {
        SCOPED_TRACE(rate);
        const CctResult r = continuousCooling(k, constantRateCurve(850, rate));
        EXPECT_NEAR(r.ferrite + r.pearlite + r.bainite + r.martensite + r.austenite, 1.0, 1e-9);
        EXPECT_GE(r.martensite, previousMartensite - 1e-9);
        EXPECT_LE(r.ferrite + r.pearlite, previousSoft + 1e-9);
        previousMartensite = r.martensite, previousSoft = r.ferrite + r.pearlite;
        EXPECT_NEAR(r.coolingRate700, rate, 1e-9 * rate);
    }
    // Slowly cooled, the ferrite reaches its lever-rule share. Grange's eutectoid for 0.65 Mn, 0.20 Si:
    // (1570 + 80·0.2 − 1333 − 40·0.2)/323 = 245/323 = 0.7585 % C (Mn cancels), so the share is
    // (0.7585 − 0.46)/(0.7585 − 0.02) = 0.4042.
    const CctResult slow = continuousCooling(k, constantRateCurve(850, 0.01));
    EXPECT_NEAR(slow.ferrite, k.ferriteMax, 0.01);
    // All of it ferrite and pearlite: bainite's nucleation clock runs out below Bs, but with no austenite
    // left no bainite start is shown.
    EXPECT_NEAR(slow.ferrite + slow.pearlite, 1.0, 1e-6);
    EXPECT_TRUE(std::isnan(slow.bainiteStart.temperature));
    EXPECT_NEAR(k.ferriteMax, 0.4042, 1e-4);
    // Quenched hard: martensite by Koistinen–Marburger to 20 °C, 1 − exp(−0.011·(321.51 − 20)) = 0.9638.
    const CctResult fast = continuousCooling(k, constantRateCurve(850, 5000));
    EXPECT_NEAR(fast.martensite, 0.9638, 0.002);
    EXPECT_NEAR(fast.martensiteStart.temperature, k.ms, 1e-9);
    EXPECT_TRUE(std::isnan(fast.ferriteStart.temperature));
}

TEST(SteelKinetics, StartTemperaturesFallWithTheRate)
{
    // The continuous diagram's start line: slower cooling, higher start, for ferrite in C45.
    const LiKinetics k = liKinetics(steelOf(kC45));
    const CctResult slow = continuousCooling(k, constantRateCurve(850, 0.1));
    const CctResult faster = continuousCooling(k, constantRateCurve(850, 1));
    ASSERT_FALSE(std::isnan(slow.ferriteStart.temperature));
    ASSERT_FALSE(std::isnan(faster.ferriteStart.temperature));
    EXPECT_GT(slow.ferriteStart.temperature, faster.ferriteStart.temperature);
    EXPECT_LT(slow.ferriteStart.temperature, k.ae3);
    // The time to the start is where the curve is at that temperature: (850 − T)/rate.
    EXPECT_NEAR(slow.ferriteStart.time, (850 - slow.ferriteStart.temperature) / 0.1, 10.0 + 1e-9);
}
