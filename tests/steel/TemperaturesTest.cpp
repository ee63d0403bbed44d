// The transformation temperatures. No worked example of these regressions was found in the stored
// copies of the papers, so each formula is checked against a hand calculation (the arithmetic beside
// it) and against the slips found in public code.
#include "steel/Temperatures.h"

#include "Steels.h"

using namespace wb::steel;
using wbtest::kC45;
using wbtest::steelOf;

TEST(SteelTemperatures, C45ByHand)
{
    // Independent hand calculation for 0.46 C, 0.20 Si, 0.65 Mn (no printed example found).
    const TransformationTemperatures t = transformationTemperatures(steelOf(kC45));
    struct Case {
        const char* what;
        double ours, byHand;
    };
    const Case cases[] = {
        // Andrews Ac1: 723 − 10.7·0.65 + 29.1·0.20 = 723 − 6.955 + 5.82 = 721.865
        { "Ac1 Andrews", t.ac1.value, 721.865 },
        // Andrews Ac3: 910 − 203·√0.46 + 44.7·0.20 − 30·0.65 = 910 − 137.6813 + 8.94 − 19.5 = 761.7587
        { "Ac3 Andrews", t.ac3.value, 761.7587 },
        // Grange Ae1: (1333 − 25·0.65 + 40·0.20 − 32)·5/9 = 1292.75·5/9 = 718.194
        { "Ae1 Grange", t.ae1.value, 718.194 },
        // Grange Ae3: (1570 − 323·0.46 − 25·0.65 + 80·0.20 − 32)·5/9 = 1389.17·5/9 = 771.761
        { "Ae3 Grange", t.ae3.value, 771.761 },
        // Steven–Haynes Ms: 561 − 474·0.46 − 33·0.65 = 561 − 218.04 − 21.45 = 321.51
        { "Ms Steven–Haynes", t.ms.value, 321.51 },
        // Steven–Haynes Bs: 830 − 270·0.46 − 90·0.65 = 830 − 124.2 − 58.5 = 647.3
        { "Bs Steven–Haynes", t.bs.value, 647.3 },
        // Andrews Ae1: 712 − 17.8·0.65 + 20.1·0.20 = 712 − 11.57 + 4.02 = 704.45
        { "Ae1 Andrews", t.ae1Andrews.value, 704.45 },
        // Andrews Ae3: 871 − 254.4·√0.46 + 51.7·0.20 = 871 − 172.5425 + 10.34 = 708.7975
        { "Ae3 Andrews", t.ae3Andrews.value, 708.7975 },
        // Andrews Ms: 539 − 423·0.46 − 30.4·0.65 = 539 − 194.58 − 19.76 = 324.66
        { "Ms Andrews", t.msAndrews.value, 324.66 },
    };
    for (const Case& c : cases)
        EXPECT_NEAR(c.ours, c.byHand, 0.001) << c.what; // the hand sums are rounded to 0.001 K
    EXPECT_TRUE(t.ac3.inRange());
    EXPECT_TRUE(t.ms.inRange());
}

TEST(SteelTemperatures, TheSlipsOfPublicCodeDoNotOccur)
{
    const Composition base { .C = 0.25, .Si = 0.2, .Mn = 0.7 };
    Composition chromium = base;
    chromium.Cr = 1.0;
    // Grange's Ae1 has + 42 Cr (°F): one per cent chromium raises Ae1 by 42·5/9 = 23.33 K, not lowers it.
    EXPECT_NEAR(ae1Grange(steelOf(chromium)).value - ae1Grange(steelOf(base)).value, 23.333, 0.001);
    // Andrews' Ms lowers with chromium, − 12.1 Cr (not + 7.5 Cr).
    EXPECT_NEAR(msAndrews(steelOf(chromium)).value - msAndrews(steelOf(base)).value, -12.1, 1e-9);
    // Andrews' Ac3 goes with the root of carbon: at 0.25 % C the carbon term is 203·0.5 = 101.5 K
    // (203·C would give 50.75 K).
    Composition noCarbon = base;
    noCarbon.C = 0;
    EXPECT_NEAR(ac3Andrews(steelOf(noCarbon)).value - ac3Andrews(steelOf(base)).value, 101.5, 1e-9);
}

TEST(SteelTemperatures, EachAeLineEndsAtTheEutectoid)
{
    // Grange: the plain carbon steel's eutectoid at (1570 − 1333)/323 = 0.7337 % C (Mn, Si at 0).
    EXPECT_NEAR(eutectoidCarbonGrange(steelOf({ .C = 0.3 })), 0.7337, 0.0001);
    EXPECT_TRUE(ae3Grange(steelOf({ .C = 0.45 })).inRange());
    const Flagged<double> hyper = ae3Grange(steelOf({ .C = 0.75 }));
    ASSERT_FALSE(hyper.inRange());
    EXPECT_EQ(hyper.outside->element, Element::C);
    EXPECT_NEAR(hyper.outside->max, 0.7337, 0.0001);
    // Andrews' Ae3 falls below his Ae1 above 0.39 % C in a plain carbon steel: flagged, with the carbon where they
    // meet, ((871 − 712)/254.4)² = 0.3906 % C.
    const Flagged<double> andrews = ae3Andrews(steelOf({ .C = 0.5 }));
    ASSERT_FALSE(andrews.inRange());
    EXPECT_EQ(andrews.outside->element, Element::C);
    EXPECT_NEAR(andrews.outside->max, 0.3906, 0.0001);
    EXPECT_TRUE(ae3Andrews(steelOf({ .C = 0.3 })).inRange());
}

TEST(SteelTemperatures, OutsideTheirRangesTheNumbersComeFlagged)
{
    // 100Cr6-like: Andrews' range ends at 0.6 % C, Steven–Haynes' at 0.55 %.
    const TransformationTemperatures t
        = transformationTemperatures(steelOf({ .C = 1.0, .Si = 0.25, .Mn = 0.35, .Cr = 1.5 }));
    ASSERT_FALSE(t.ac3.inRange());
    EXPECT_EQ(t.ac3.outside->element, Element::C);
    ASSERT_FALSE(t.ms.inRange());
    EXPECT_EQ(t.ms.outside->element, Element::C);
    EXPECT_DOUBLE_EQ(t.ms.outside->max, 0.55);
    // The number is still there for the window to show beside its flag: 561 − 474 − 11.55 − 25.5.
    EXPECT_NEAR(t.ms.value, 49.95, 1e-9);
}
