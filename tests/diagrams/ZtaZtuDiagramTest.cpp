// The scheme the ZTA/ZTU lessons share: layout values, rounding of diagram points, the decade
// axis against the runs' own time scale, the overlay's place and the mechanics of a cooling run.
#include "diagrams/ZtaZtuDiagram.h"

#include "tests/support/Harness.h"

#include <cmath>

using namespace wb;
using namespace wb::ztaztu;

namespace {

// The layout rules of the forms that share the scheme, on PaintBoxHaupt's 750 × 500 pixels.
constexpr LayoutRule kZtuCon045 { 412, 10, 70, 6, 50, 380 };
constexpr LayoutRule kZtaCon045 { 400, 22, 100, 5, 50, 390 };
constexpr LayoutRule kZtaIso045 { 400, 22, 100, 5, 40, 400 };
constexpr LayoutRule kZtuIso045 { 400, 22, 70, 6, 50, 390 };

} // namespace

TEST(ZtaZtuLayout, ValuesFollowFromThePaintBoxSizeByIntegerDivision)
{
    struct Case {
        const char* form;
        LayoutRule rule;
        DiagramLayout expected;
    };
    // { ZtuLinks, ZtuRechts, ZtuOben, ZtuUnten, ZtuZeile, ZtuDekade,
    //   EkdLinks, EkdRechts, EkdOben, EkdUnten, EkdZeile, EkdSpalte }
    const Case cases[] = {
        // 410 / 6 = 68 rows, 328 / 6 = 54 per decade, 320 / 11 = 29 per 0.2 % C.
        { "continuous ZTU", kZtuCon045, { 412, 740, 20, 430, 68, 54, 50, 370, 20, 430, 68, 29 } },
        // From 200 °C: 380 / 5 = 76; 310 / 11 = 28.
        { "continuous ZTA", kZtaCon045, { 400, 728, 20, 400, 76, 54, 50, 360, 20, 400, 76, 28 } },
        { "isothermal ZTA", kZtaIso045, { 400, 728, 20, 400, 76, 54, 40, 350, 20, 400, 76, 28 } },
        { "isothermal ZTU", kZtuIso045, { 400, 728, 20, 430, 68, 54, 50, 360, 20, 430, 68, 28 } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form);
        const DiagramLayout l = computeLayout(c.rule, 750, 500);
        const DiagramLayout& e = c.expected;
        EXPECT_EQ(l.ZtuLinks, e.ZtuLinks);
        EXPECT_EQ(l.ZtuRechts, e.ZtuRechts);
        EXPECT_EQ(l.ZtuOben, e.ZtuOben);
        EXPECT_EQ(l.ZtuUnten, e.ZtuUnten);
        EXPECT_EQ(l.ZtuZeile, e.ZtuZeile);
        EXPECT_EQ(l.ZtuDekade, e.ZtuDekade);
        EXPECT_EQ(l.EkdLinks, e.EkdLinks);
        EXPECT_EQ(l.EkdRechts, e.EkdRechts);
        EXPECT_EQ(l.EkdOben, e.EkdOben);
        EXPECT_EQ(l.EkdUnten, e.EkdUnten);
        EXPECT_EQ(l.EkdZeile, e.EkdZeile);
        EXPECT_EQ(l.EkdSpalte, e.EkdSpalte);
    }
}

TEST(ZtaZtuAxes, DecadePositionsOfTheTimeAxis)
{
    const DiagramLayout l = computeLayout(kZtuCon045, 750, 500);
    // 0.1 s is the panel's left edge and each tenfold time one decade of 54 pixels further.
    const double seconds[] = { 0.1, 1, 10, 100, 1e3, 1e4, 1e5 };
    for (int k = 0; k < 7; ++k) {
        EXPECT_DOUBLE_EQ(decadePosition(seconds[k]), k) << seconds[k] << " s";
        EXPECT_EQ(timeX(l, decadePosition(seconds[k])), 412 + 54 * k) << seconds[k] << " s";
    }
    // 10^5 s falls 4 pixels short of the right frame at 740: 328 / 6 left a rest of 4.
    EXPECT_EQ(timeX(l, 6), 736);
    // 0.3 s lies 0.477 decades in: 412 + 25.8.
    EXPECT_EQ(timeX(l, decadePosition(0.3)), 438);
}

TEST(ZtaZtuAxes, RoundPixelTakesDecimalHalvesToTheEvenNeighbour)
{
    struct Case {
        double v;
        int expected;
    };
    const Case cases[] = {
        { 151.5, 152 }, // an exact half goes to the even neighbour
        { 150.5, 150 },
        { -0.5, 0 },
        { 50 + 29 * 1.9 / 0.2, 326 }, // 325.49999999999994 in binary: the half of 1.9 % C
        { 151.4999, 151 }, // a real difference below the half stays below it
        { 151.5001, 152 },
        { 152.5000004, 152 }, // within a millionth of a pixel it is still the half
        { 314.4, 314 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(roundPixel(c.v), c.expected) << c.v;
    // Plain rounding of the binary value would have missed it.
    EXPECT_EQ(Round(50 + 29 * 1.9 / 0.2), 325);
    const DiagramLayout l = computeLayout(kZtuCon045, 750, 500);
    EXPECT_EQ(carbonX(l, 1.9), 326);
}

TEST(ZtaZtuAxes, DiagramPointsOfTheContinuousZtuPictureMapToTheirPixels)
{
    const DiagramLayout l = computeLayout(kZtuCon045, 750, 500);
    struct TimePoint {
        double d, celsius;
        int x, y;
    };
    // Every point of the ZTU curves as (decade position, °C) and as pixel of PaintBoxHaupt.
    // clang-format off
    const TimePoint timePoints[] = {
        // Ms line
        { 0, 340, 412, 314 }, { 1.47, 340, 491, 314 }, { 2.47, 276, 545, 336 },
        // curve 1, end of transformation
        { 2.65, 140, 555, 382 }, { 2, 600, 520, 226 }, { 2.02, 610, 521, 223 }, { 2.1, 620, 525, 219 },
        { 2.2, 630, 531, 216 }, { 3, 646, 574, 210 }, { 4, 664, 628, 204 }, { 5, 678, 682, 199 },
        // curve 2, pearlite start
        { 1.29, 520, 482, 253 }, { 1.37, 564, 486, 238 }, { 1.4, 578, 488, 233 }, { 1.5, 600, 493, 226 },
        { 1.7, 620, 504, 219 }, { 1.85, 636, 512, 214 }, { 2, 644, 520, 211 }, { 2.02, 648, 521, 210 },
        { 2.1, 650, 525, 209 }, { 2.2, 652, 531, 208 }, { 3, 670, 574, 202 }, { 4, 686, 628, 197 },
        { 5, 700, 682, 192 },
        // curve 3, upper start curve
        { 5, 744, 682, 177 }, { 4, 728, 628, 182 }, { 3, 716, 574, 187 }, { 2, 696, 520, 193 },
        { 1.8, 688, 509, 196 }, { 1.6, 680, 498, 199 }, { 1.4, 666, 488, 204 }, { 1.22, 640, 478, 212 },
        { 1.17, 628, 475, 216 }, { 1.16, 596, 475, 227 }, { 1.36, 470, 485, 270 },
        // curve 4, bainite boundary
        { 1.32, 400, 483, 294 }, { 1.28, 420, 481, 287 }, { 1.32, 460, 483, 274 },
    };
    // clang-format on
    for (const TimePoint& p : timePoints) {
        EXPECT_EQ(timeX(l, p.d), p.x) << "d " << p.d << ", " << p.celsius << " °C";
        EXPECT_EQ(temperatureY(l, p.celsius), p.y) << "d " << p.d << ", " << p.celsius << " °C";
    }
    struct CarbonPoint {
        double c, celsius;
        int x, y;
    };
    // clang-format off
    const CarbonPoint carbonPoints[] = {
        { 2.06, 1146, 349, 40 }, { 1.8, 1200, 311, 22 }, // E and the line above it
        { 0, 910, 50, 121 }, { 0.2, 840, 79, 144 }, { 0.4, 790, 108, 161 }, { 0.6, 756, 137, 173 }, // GS
        { 0.7, 740, 152, 178 }, // 151.5 rounds to the even 152
        { 0.8, 724, 166, 184 },
        { 0.8, 722, 166, 185 }, { 1.0, 800, 195, 158 }, { 1.2, 870, 224, 134 }, { 1.4, 942, 253, 110 }, // SE
        { 1.6, 1006, 282, 88 }, { 1.8, 1068, 311, 67 },
        { 0.04, 722, 56, 185 }, { 0, 500, 50, 260 }, // GPQ
        { 0.45, 780, 115, 165 }, // the steel's line and its A(3)
    };
    // clang-format on
    for (const CarbonPoint& p : carbonPoints) {
        EXPECT_EQ(carbonX(l, p.c), p.x) << p.c << " % C, " << p.celsius << " °C";
        EXPECT_EQ(temperatureY(l, p.celsius), p.y) << p.c << " % C, " << p.celsius << " °C";
    }
    // The ZTA forms count from 200 °C at their bottom line: 400 − 76 · (910 − 200) / 200.
    const DiagramLayout zta = computeLayout(kZtaCon045, 750, 500);
    EXPECT_EQ(temperatureY(zta, 910, 200), 130);
    EXPECT_EQ(carbonX(zta, 0.7), 148);
}

TEST(ZtaZtuAxes, RunsDrawFiftyFivePixelsPerDecadeAgainstTheFiftyFourPixelGrid)
{
    const DiagramLayout l = computeLayout(kZtuCon045, 750, 500);
    // KurveX = 55 is 1 s; 0 is 0.1 s; each 55 pixels a decade.
    EXPECT_DOUBLE_EQ(logTime(55), 1.0);
    EXPECT_DOUBLE_EQ(logTime(0), 0.1);
    EXPECT_NEAR(logTime(330), 1e5, 1e-6);
    // The overlay starts at the 0.1 s line, so a grid line lies at ZtuDekade · d on it: the
    // run reaches 1 s one pixel right of the 1 s line, 10^4 s five pixels right of its line.
    auto gridOnOverlay = [&](double seconds) { return timeX(l, decadePosition(seconds)) - l.ZtuLinks; };
    EXPECT_EQ(gridOnOverlay(1), 54);
    EXPECT_EQ(gridOnOverlay(1e4), 270);
    EXPECT_NEAR(std::log10(logTime(275)), 4.0, 1e-12);
    // The ZTA runs use the grid's own 54 pixels per decade with their own start.
    EXPECT_NEAR(logTime(108, 54, 54), 10.0, 1e-12);
}

TEST(ZtaZtuOverlay, BoundsFollowFromTheLayoutAndTheRowsCutOff)
{
    const QRect haupt(5, 5, 750, 500);
    struct Case {
        const char* form;
        LayoutRule layout;
        OverlayRule overlay;
        QRect expected;
    };
    const Case cases[] = {
        // Top 2 · 68 + 5 + 20 = 161, height 410 − 136 = 274, width 328 + 20, left 5 + 412.
        { "continuous ZTU", kZtuCon045, { 2, 0, 20 }, QRect(417, 161, 348, 274) },
        // Round(68 · 1.95) = Round(132.6) = 133: top 158, height 277.
        { "isothermal ZTU", kZtuIso045, { 1.95, 0, 20 }, QRect(405, 158, 348, 277) },
        // The ZTA forms cut the bottom: Round(76 · 2.4) = 182, height 380 − 182 = 198.
        { "continuous ZTA", kZtaCon045, { 0, 2.4, 30 }, QRect(405, 25, 358, 198) },
        // Round(76 · 2.9) = Round(220.4) = 220, height 160.
        { "isothermal ZTA", kZtaIso045, { 0, 2.9, 30 }, QRect(405, 25, 358, 160) },
    };
    for (const Case& c : cases)
        EXPECT_EQ(overlayBounds(computeLayout(c.layout, 750, 500), haupt, c.overlay), c.expected) << c.form;
}

namespace {

std::vector<TPoint> linesOf(const RunTick& t)
{
    return std::vector<TPoint>(t.lines, t.lines + t.lineCount);
}

} // namespace

TEST(ZtaZtuCoolingRun, PiecesRunInOrderEachSeeingWhatTheOneBeforeLeft)
{
    // K = 10 puts KurveY at 1 at KurveX = 0 (10 · 10^-1). The first piece holds up to 10 and
    // moves X past it, so the second piece holds in the same tick; the third needs X > 30.
    const RunPiece pieces[] = {
        { kOpen, 10, 5 },
        { 10, 30, 2, true, true, 10, 2, 100 }, // X + 2 first, then Y := (X − 10) · 2 + 100
        { 30, kNoEnd, 1 },
    };
    const CoolingRun run { 10, pieces, {}, 0, {} };
    int x = 8;
    float y = 0;
    const RunTick t = coolingTick(run, x, y, 1000);
    // Piece 1 draws at X = 8 with Y = 10 · 10^(−47/55) rounded, then X = 13; piece 2 steps
    // to 15 and sets Y = 110.
    const int y1 = Round(float(10 * std::pow(10.0, -47.0 / 55)));
    EXPECT_EQ(linesOf(t), (std::vector<TPoint> { { 8, y1 }, { 15, 110 } }));
    EXPECT_EQ(x, 15);
    EXPECT_FLOAT_EQ(y, 110);
    EXPECT_FALSE(t.ended);
}

TEST(ZtaZtuCoolingRun, MarkerIsTakenAtTheXThePiecesLeftAndEndIsStrictlyAboveTheLimit)
{
    const RunPiece pieces[] = { { kOpen, kNoEnd, 3, false, true, 0, 1, 0 } }; // Y := X, then X + 3
    const RunMarker markers[] = {
        { 9, -3, -2, 3, 4, clBlack }, // hit in the first tick: X is 9 after the piece, Y the 6 it set
        { 12, -1, -1, 1, 1, clWhite },
    };
    const RunLabel labels[] = { { -40, 7, "ende" } };
    const CoolingRun run { 1, pieces, markers, 100 - 9, labels };
    int x = 6;
    float y = 0;
    RunTick t = coolingTick(run, x, y, 100);
    ASSERT_NE(t.marker, nullptr);
    EXPECT_EQ(t.marker->atX, 9);
    // X is 9 after the piece, Y the 6 it set.
    EXPECT_EQ(t.markerBox, (Box { 6, 4, 12, 10 }));
    EXPECT_FALSE(t.ended) << "Y = 6 is not above 100 − 91 = 9";
    t = coolingTick(run, x, y, 100);
    EXPECT_EQ(t.markerBox, (Box { 11, 8, 13, 10 }));
    EXPECT_FALSE(t.ended) << "Y = 9 equals the limit";
    t = coolingTick(run, x, y, 100);
    EXPECT_EQ(t.marker, nullptr);
    EXPECT_TRUE(t.ended) << "Y = 12 is above it";
    EXPECT_EQ(labelAt(labels[0], x, y), (TPoint { 15 - 40, 12 + 7 }));
}

TEST(ZtaZtuCoolingRun, ATickWhoseXLiesInNoPieceDrawsNothingButStillTestsTheEnd)
{
    const RunPiece pieces[] = { { kOpen, 5, 1 } };
    const CoolingRun run { 1000, pieces, {}, 0, {} };
    int x = 55; // Y from step 1: 1000 · 10^0
    float y = 0;
    const RunTick t = coolingTick(run, x, y, 999);
    EXPECT_EQ(t.lineCount, 0);
    EXPECT_EQ(x, 55);
    EXPECT_FLOAT_EQ(y, 1000);
    EXPECT_TRUE(t.ended);
}

TEST(ZtaZtuCoolingRun, EquilibriumDrawsTwoPixelsATickAndEndsTwentyShortOfTheEdge)
{
    const RunMarker markers[] = { { 6, -1, -1, 1, 1, clBlack } };
    const EquilibriumRun run { .K = 0.001, .pen = clPurple, .markers = markers };
    int x = 0;
    float y = 0;
    EquilibriumTick t = equilibriumTick(run, x, y, 28, 100);
    EXPECT_TRUE(t.first);
    EXPECT_TRUE(t.draws);
    EXPECT_EQ(t.to, (TPoint { 0, 0 }));
    EXPECT_EQ(x, 2);
    t = equilibriumTick(run, x, y, 28, 100);
    EXPECT_FALSE(t.first);
    t = equilibriumTick(run, x, y, 28, 100);
    ASSERT_NE(t.marker, nullptr) << "X = 6 after the tick";
    EXPECT_FALSE(t.ended);
    t = equilibriumTick(run, x, y, 28, 100);
    EXPECT_TRUE(t.ended) << "X = 8 reached 28 − 20";
}
