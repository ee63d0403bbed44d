// Maynier's constituent hardness and the mix. No worked example of Maynier's formulas was found in the
// stored material: hand calculation, and the bainite slip.
#include "steel/Hardness.h"

#include "Steels.h"

#include <cmath>

using namespace wb::steel;
using wbtest::kC45;
using wbtest::steelOf;

TEST(SteelHardness, C45At10KelvinPerSecondByHand)
{
    // Vr = 10 °C/s = 36000 °C/h, log10 Vr = 4.556303.
    // HV_M = 127 + 949·0.46 + 27·0.20 + 11·0.65 + 21·4.556303 = 127 + 436.54 + 5.4 + 7.15 + 95.6824 = 671.772
    // HV_B = −323 + 185·0.46 + 330·0.20 + 153·0.65 + (89 + 53·0.46 − 55·0.20 − 22·0.65)·4.556303
    //      = −323 + 85.1 + 66 + 99.45 + 88.08·4.556303 = 328.869
    // HV_FP = 42 + 223·0.46 + 53·0.20 + 30·0.65 + (10 − 19·0.20)·4.556303 = 174.68 + 6.2·4.556303 = 202.929
    const Flagged<ConstituentHardness> h = maynierHardness(steelOf(kC45), 10);
    EXPECT_NEAR(h.value.martensite, 671.772, 0.001);
    EXPECT_NEAR(h.value.bainite, 328.869, 0.001);
    EXPECT_NEAR(h.value.ferritePearlite, 202.929, 0.001);
    EXPECT_TRUE(h.inRange());
}

TEST(SteelHardness, BainiteTakesItsCarbonCoefficient)
{
    // At Vr = 1 °C/h (log 0) only the constant terms remain: 0.1 % more carbon adds 18.5 HV of bainite
    // (185 C), not 15.8 (the 158 C seen in public code).
    const double perHour = 1.0 / 3600;
    const double low = maynierHardness(steelOf({ .C = 0.30 }), perHour).value.bainite;
    const double high = maynierHardness(steelOf({ .C = 0.40 }), perHour).value.bainite;
    EXPECT_NEAR(high - low, 18.5, 1e-9);
}

TEST(SteelHardness, TheMixWeighsEachConstituentByItsShare)
{
    const ConstituentHardness h { 700, 350, 200 };
    CctResult shares;
    shares.martensite = 0.5, shares.bainite = 0.2, shares.ferrite = 0.1, shares.pearlite = 0.15,
    shares.austenite = 0.05;
    // 0.5·700 + 0.2·350 + (0.1 + 0.15 + 0.05)·200 = 350 + 70 + 60 = 480
    EXPECT_DOUBLE_EQ(mixedHardness(h, shares), 480);
    // Outside Maynier's range (carbon above 0.5 %) the hardness comes flagged with carbon.
    const Flagged<double> flagged = hardnessAfterCooling(steelOf({ .C = 0.9, .Mn = 0.3 }), shares);
    ASSERT_FALSE(flagged.inRange());
    EXPECT_EQ(flagged.outside->element, Element::C);
}
