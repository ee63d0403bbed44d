// The continuous ZTU diagram at 0.70 % C without a form: its cooling runs and its equilibrium run
// against the lesson's table of resulting runs, on the overlay of 348 × 274 pixels.
#include "tests/support/Harness.h"
#include "tests/timetemp/ZtuConRuns.h"
#include "timetemp/UnitZTUconC07.h"

#include <vector>

using namespace wb;
using namespace wb::ztaztu;
using ztucon07::Rate;
using ztutest::inOrder;
using ztutest::playCooling;
using ztutest::Played;

TEST(ZTUcon07Runs, EachCoolingRunGivesTheLessonsTicksPointsMarkersAndLabels)
{
    struct Row {
        Rate rate;
        const char* name;
        int ticks;
        std::vector<TPoint> points; // telling points of the curve, the last one where it ends
        std::vector<Box> markers;
        std::vector<TPoint> labels;
    };
    // clang-format off
    const Row rows[] = {
        // The slowest curve is that of 0.45 % C; only its dots and label differ.
        { Rate::V004, "0.04", 165,
            { { 0, 0 }, { 138, 0 }, { 140, 1 }, { 236, 30 }, { 238, 32 }, { 240, 32 }, { 241, 37 }, { 250, 53 },
                { 285, 231 } },
            { { 233, 26, 239, 32 }, { 235, 30, 241, 36 }, { 238, 35, 244, 41 } }, { { 246, 231 } } },
        { Rate::V5, "5", 115,
            { { 0, 0 }, { 118, 42 }, { 120, 46 }, { 123, 47 }, { 134, 47 }, { 135, 47 }, { 136, 52 }, { 178, 228 } },
            { { 114, 38, 120, 44 }, { 118, 42, 124, 48 }, { 133, 47, 139, 53 } }, { { 178, 208 } } },
        { Rate::V40, "40", 54, { { 0, 3 }, { 72, 54 }, { 75, 61 }, { 78, 63 }, { 84, 63 }, { 86, 61 }, { 136, 228 } },
            { { 71, 55, 77, 61 }, { 89, 73, 95, 79 } }, { { 143, 235 } } },
        { Rate::V60, "60", 53, { { 0, 4 }, { 69, 68 }, { 72, 77 }, { 75, 81 }, { 83, 81 }, { 85, 85 }, { 133, 246 } },
            { { 65, 64, 71, 70 }, { 88, 104, 94, 110 }, { 112, 184, 118, 190 } }, { { 105, 258 } } },
        { Rate::V600, "600", 27,
            { { 0, 23 }, { 36, 103 }, { 39, 113 }, { 57, 175 }, { 60, 193 }, { 84, 236 } },
            { { 59, 194, 65, 200 } }, { { 17, 236 } } },
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Played p = playCooling(ztucon07::coolingRun(row.rate));
        EXPECT_EQ(p.ticks, row.ticks);
        EXPECT_TRUE(inOrder(p.lines, row.points));
        ASSERT_FALSE(p.lines.empty());
        EXPECT_EQ(p.lines.back(), row.points.back()) << "the last line ends at the last telling point";
        EXPECT_EQ(p.markers, row.markers);
        // The last dot of every run but the fastest is white: the end of the transformation.
        for (size_t i = 0; i < p.fills.size(); ++i) {
            const bool white = i + 1 == p.fills.size() && row.rate != Rate::V600;
            EXPECT_EQ(p.fills[i], white ? clWhite : clBlack) << "dot " << i;
        }
        EXPECT_EQ(p.labels, row.labels);
    }
}

TEST(ZTUcon07Runs, FiveDegreesPassTwoPiecesInOneTickTwice)
{
    // At X = 120 the cooling line draws (120, 46) and moves to 122; the flat piece steps to 123
    // first and draws (123, 47). At X = 133 the flat piece draws (134, 47), the sloped one steps
    // to 135 and draws (135 − 93) · 4.2 − 129 = 47.4.
    const CoolingRun& run = ztucon07::coolingRun(Rate::V5);
    struct Case {
        int x;
        TPoint first, second;
        int xAfter;
    };
    const Case cases[] = {
        { 120, { 120, 46 }, { 123, 47 }, 123 }, // 3.04 · 10^(65/55) = 46.0
        { 133, { 134, 47 }, { 135, 47 }, 135 },
    };
    for (const Case& c : cases) {
        int x = c.x;
        float y = 0;
        const RunTick t = coolingTick(run, x, y, 274);
        ASSERT_EQ(t.lineCount, 2) << "X = " << c.x;
        EXPECT_EQ(t.lines[0], c.first);
        EXPECT_EQ(t.lines[1], c.second);
        EXPECT_EQ(x, c.xAfter);
    }
}

TEST(ZTUcon07Runs, EquilibriumEndsAtItsWhiteDotAfterABlackOneTwoTicksBefore)
{
    const EquilibriumRun& run = ztucon07::equilibriumRun();
    int x = 0;
    float y = 0;
    std::vector<TPoint> lines;
    std::vector<Box> markers;
    std::vector<TColor> fills;
    int ticks = 0;
    for (bool ended = false; !ended && ticks < 1000;) {
        const EquilibriumTick t = equilibriumTick(run, x, y, 348, 274);
        ++ticks;
        if (t.draws)
            lines.push_back(t.to);
        if (t.marker) {
            markers.push_back(t.markerBox);
            fills.push_back(t.marker->fill);
        }
        ended = t.ended;
    }
    EXPECT_EQ(ticks, 164);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), (TPoint { 326, 31 }));
    // At X = 326 and 328 with Y of the tick before: 0.000361 · 10^(269/55) = 28.1 and
    // 0.000361 · 10^(271/55) = 30.5.
    EXPECT_EQ(markers, (std::vector<Box> { { 316, 20, 322, 26 }, { 322, 26, 328, 32 } }));
    EXPECT_EQ(fills, (std::vector<TColor> { clBlack, clWhite }));
}
