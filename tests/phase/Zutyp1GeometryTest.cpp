// The type 1 diagram's geometry without a form: solidus and liquidus from their formulas and
// the lever rule with its truncating division.
#include "phase/UnitZutyp1.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <span>
#include <string>

using namespace wb;

TEST(ZuTyp1Geometry, SolidusAndLiquidusFollowTheirFormulasRoundedToPixels)
{
    struct Case {
        int x;
        int solidus;
        int liquidus;
    };
    // solidus [250 - (x - 660)^2 * 0.0005], liquidus [(x + 161)^2 * 0.0005 + 27]
    const Case cases[] = {
        { 20, 45, 43 }, // 250 - 204.8 = 45.2; 16.3805 + 27 = 43.38: the left ends meet near (20, 44)
        { 100, 93, 61 }, // 250 - 156.8 = 93.2 (point 1*, under the first tie line at 92); 34.0605 + 27 = 61.06
        { 160, 125, 79 }, // 250 - 125 = 125; 51.5205 + 27 = 78.52 rounds up
        { 198, 143, 91 }, // 250 - 106.722 = 143.28 (point 2 at T = 143); 64.4405 + 27 = 91.44 (point 1)
        { 250, 166, 111 }, // 250 - 84.05 = 165.95; 84.4605 + 27 = 111.46
        { 317, 191, 141 }, // 250 - 58.8245 = 191.18; 114.242 + 27 = 141.24: where the last trace ends
        { 480, 234, 232 }, // 250 - 16.2 = 233.8; 205.4405 + 27 = 232.44: the right ends meet near (480, 233)
    };
    for (const Case& c : cases) {
        EXPECT_EQ(zutyp1::solidusY(c.x), c.solidus) << "x = " << c.x;
        EXPECT_EQ(zutyp1::liquidusY(c.x), c.liquidus) << "x = " << c.x;
    }
}

TEST(ZuTyp1Geometry, TheLiquidusLiesAboveTheSolidusAcrossTheField)
{
    // The lens: the liquidus is the upper curve (smaller y) everywhere between the two ends.
    for (int x = 21; x < 480; ++x)
        EXPECT_LT(zutyp1::liquidusY(x), zutyp1::solidusY(x)) << "x = " << x;
}

TEST(ZuTyp1Geometry, LeverRuleTruncatesAtEveryTieLineStep)
{
    struct Row {
        int T;
        int links;
        int rechts;
        int mk; // the percentage of crystals EditMK shows
    };
    // The tie-line steps through the two-phase field with the shares the lesson shows for
    // them; the alloy line is at x = 198. Rounding instead of truncating would give 30 at
    // T = 104 (3200 / 108 = 29.6), 37 at 107 (36.6) and 96 at 140 (95.8).
    const Row rows[] = {
        { 92, 100, 198, 0 }, // point 1: the tie line ends on the alloy line, no crystals yet
        { 95, 106, 205, 7 },
        { 98, 112, 212, 14 },
        { 101, 117, 221, 22 },
        { 104, 122, 230, 29 },
        { 107, 127, 239, 36 },
        { 110, 133, 247, 42 },
        { 113, 138, 253, 47 },
        { 116, 143, 259, 52 },
        { 119, 150, 266, 58 },
        { 122, 157, 273, 64 },
        { 125, 163, 280, 70 },
        { 128, 169, 287, 75 },
        { 131, 175, 294, 80 },
        { 134, 181, 300, 85 },
        { 137, 187, 306, 90 },
        { 140, 193, 313, 95 },
    };
    for (const Row& r : rows)
        EXPECT_EQ(zutyp1::anteilMK(r.links, r.rechts, 198), r.mk) << "T = " << r.T;
}

TEST(ZuTyp1Geometry, TieLineStepsRunDownTheTwoPhaseFieldBetweenTheCurves)
{
    // The lesson's tie-line table checked against what the diagram says of it, not against a
    // copy: 16 steps at T = 95 ... 140 every 3, each tie line ending on the solidus (crystal
    // side) and on the liquidus (melt side) to within the 2 pixels the table's whole numbers
    // allow, both ends moving right as the alloy cools, the auxiliary lines' solid-side x at
    // most a pixel off KonodeLinks, and the alloy line at x = 198 always between the ends.
    const std::span<const zutyp1::TieLineStep> steps = zutyp1::tieLineSteps();
    ASSERT_EQ(steps.size(), 16u);
    for (size_t i = 0; i < steps.size(); ++i) {
        const zutyp1::TieLineStep& s = steps[i];
        SCOPED_TRACE("T = " + std::to_string(s.T));
        EXPECT_EQ(s.T, 95 + 3 * int(i));
        EXPECT_LE(std::abs(zutyp1::solidusY(s.KonodeLinks) - s.T), 2);
        EXPECT_LE(std::abs(zutyp1::liquidusY(s.KonodeRechts) - s.T), 2);
        EXPECT_LE(std::abs(s.xh - s.KonodeLinks), 1);
        EXPECT_LE(std::abs(s.xw - s.KonodeLinks), 1);
        EXPECT_LT(s.KonodeLinks, 198);
        EXPECT_GT(s.KonodeRechts, 198);
        if (i > 0) {
            EXPECT_GT(s.KonodeLinks, steps[i - 1].KonodeLinks);
            EXPECT_GT(s.KonodeRechts, steps[i - 1].KonodeRechts);
        }
    }
}
