// The lesson steels as a model without a screen: the tables' structures add up and follow the
// rate, the structure between the lessons' rates, the martensite start stated once, the ZTA lines
// in their order, and the end-quench curves of C45 with the curves they run on into.
#include "model/LessonSteels.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <string>

using namespace wb::model;

namespace {

struct Steel {
    const char* name;
    const LessonSteel& steel;
};

const Steel kSteels[] = { { "C45", c45() }, { "C70", c70() } };

} // namespace

TEST(LessonSteels, EveryStructureAddsUpToTheWhole)
{
    for (const Steel& s : kSteels) {
        SCOPED_TRACE(s.name);
        for (const Cooling& c : s.steel.coolings)
            EXPECT_EQ(c.shares.total(), 100) << c.rate << " °C/s";
        EXPECT_EQ(s.steel.equilibrium.shares.total(), 100);
        for (const IsothermalHold& h : s.steel.holds)
            EXPECT_EQ(h.shares.total(), 100) << h.celsius << " °C";
    }
}

TEST(LessonSteels, FasterCoolingGivesLessFerriteMoreMartensiteAndAHarderSteel)
{
    for (const Steel& s : kSteels) {
        SCOPED_TRACE(s.name);
        const auto& c = s.steel.coolings;
        ASSERT_EQ(c.size(), 5u);
        for (size_t i = 1; i < c.size(); ++i) {
            SCOPED_TRACE(c[i].rate);
            EXPECT_GT(c[i].rate, c[i - 1].rate) << "slowest first";
            EXPECT_LE(c[i].shares.ferrite, c[i - 1].shares.ferrite);
            EXPECT_GE(c[i].shares.martensite, c[i - 1].shares.martensite);
            EXPECT_GT(c[i].hardnessHV, c[i - 1].hardnessHV);
        }
        // The lessons draw each line steeper than the rate they name it by.
        for (const Cooling& k : c)
            EXPECT_GT(k.drawnRate, k.rate);
        // Equilibrium: ferrite and pearlite by the lever rule, the pearlite share (C − 0.02) / 0.78.
        EXPECT_EQ(s.steel.equilibrium.shares.pearlite, std::lround((s.steel.carbon - 0.02) / 0.78 * 100));
    }
}

TEST(LessonSteels, BetweenTheLessonsRatesTheStructureIsInterpolatedInLogRate)
{
    struct Case {
        const char* why;
        const LessonSteel& steel;
        double rate;
        Shares shares;
        int hv;
    };
    const Case cases[] = {
        { "C45 at a lesson's rate: its table", c45(), 60, { 5, 50, 20, 25 }, 390 },
        { "C45 slower than the slowest: the slowest's", c45(), 0.001, { 42, 58, 0, 0 }, 190 },
        { "C45 faster than the fastest: the fastest's", c45(), 5000, { 0, 0, 0, 100 }, 780 },
        // 15 · 4^0.42 = 26.85 lies 0.42 of the way from 15 to 60 in log rate: ferrite 20 − 15 · 0.42
        // = 13.7, pearlite 80 − 30 · 0.42 = 67.4, bainite 8.4, martensite 10.5. Rounded down they
        // make 98 %; the two points go to the largest remainders, ferrite's and martensite's.
        // HV 280 + 110 · 0.42 = 326.2.
        { "C45 at 26.85 °C/s", c45(), 15 * std::pow(4.0, 0.42), { 14, 67, 8, 11 }, 326 },
        // 0.6 · 25^(1/4) = 1.342 is a quarter of the way from 0.6 to 15: ferrite 36 − 4 = 32,
        // pearlite 64 + 4 = 68; HV 200 + 20 = 220.
        { "C45 at 1.342 °C/s", c45(), 0.6 * std::pow(25.0, 0.25), { 32, 68, 0, 0 }, 220 },
        // √(40 · 60) = 48.99: pearlite 90, bainite 10; HV 405.
        { "C70 at 49 °C/s", c70(), std::sqrt(40.0 * 60.0), { 0, 90, 10, 0 }, 405 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const CoolingResult r = afterCooling(c.steel, c.rate);
        EXPECT_EQ(r.shares, c.shares) << r.shares.ferrite << " " << r.shares.pearlite << " " << r.shares.bainite << " "
                                      << r.shares.martensite;
        EXPECT_EQ(r.hardnessHV, c.hv);
        EXPECT_EQ(r.shares.total(), 100);
    }
}

TEST(LessonSteels, AtEveryLessonRateTheStructureIsTheTables)
{
    for (const Steel& s : kSteels)
        for (const Cooling& c : s.steel.coolings) {
            const CoolingResult r = afterCooling(s.steel, c.rate);
            EXPECT_EQ(r.shares, c.shares) << s.name << " at " << c.rate;
            EXPECT_EQ(r.hardnessHV, c.hardnessHV) << s.name << " at " << c.rate;
        }
}

TEST(LessonSteels, TheMartensiteStartIsWhereEachDiagramsMsLineBegins)
{
    for (const Steel& s : kSteels) {
        SCOPED_TRACE(s.name);
        ASSERT_EQ(s.steel.continuous.front().kind, TransformationKind::MartensiteStart);
        ASSERT_EQ(s.steel.isothermal.front().kind, TransformationKind::MartensiteStart);
        // Both lines start at 0.1 s and run level at Ms up to their knee.
        const auto& con = s.steel.continuous.front().points;
        const auto& iso = s.steel.isothermal.front().points;
        EXPECT_EQ(con[0].lgSeconds, -1);
        EXPECT_EQ(con[0].celsius, s.steel.msContinuous);
        EXPECT_EQ(con[1].celsius, s.steel.msContinuous);
        EXPECT_EQ(iso[0].celsius, s.steel.msIsothermal);
        EXPECT_EQ(iso[1].celsius, s.steel.msIsothermal);
        EXPECT_LT(s.steel.a1, s.steel.a3);
        EXPECT_LT(s.steel.msContinuous, s.steel.a1);
    }
    EXPECT_GT(c45().msContinuous, c70().msContinuous) << "more carbon, lower Ms";
}

TEST(LessonSteels, EveryLinePointLiesOnTheDiagramsAxes)
{
    for (const Steel& s : kSteels)
        for (const auto lines : { s.steel.continuous, s.steel.isothermal })
            for (const TransformationLine& line : lines)
                for (const TimeTemperature& p : line.points) {
                    EXPECT_GE(p.lgSeconds, -1) << s.name;
                    EXPECT_LE(p.lgSeconds, 5) << s.name;
                    EXPECT_GE(p.celsius, 0) << s.name;
                    EXPECT_LE(p.celsius, 1200) << s.name;
                }
}

TEST(LessonSteels, TheZtaLinesLieInTheOrderTheAusteniteFormsIn)
{
    // On continuous heating A(c1b) lies below A(c3) (and A(c1e)) and the homogeneity line above
    // them all, at every time the lessons draw them, 0.1 s to 10^4 s.
    struct Case {
        const char* name;
        std::span<const AustenitisingLine> lines;
    };
    const Case cases[] = {
        { "C45", c45().continuousHeating },
        { "C70", c70().continuousHeating },
        { "C45 isothermal", c45IsothermalAustenitising().lines },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(c.lines.front().kind, AusteniteKind::Ac1b);
        ASSERT_EQ(c.lines.back().kind, AusteniteKind::Homogeneous);
        for (double lg = -0.5; lg <= 4; lg += 0.25)
            for (size_t i = 1; i < c.lines.size(); ++i)
                EXPECT_LT(c.lines[i - 1].parabola.celsiusAt(lg), c.lines[i].parabola.celsiusAt(lg))
                    << "line " << i << " at lg t = " << lg;
    }
    // The parabola's vertex is its lowest point: 715.79 °C at lg t = 3.8519 for C45's A(c1b),
    // 3.8368 · 1² = 3.8368 °C higher a decade away.
    const LogTimeParabola& ac1b = c45().continuousHeating.front().parabola;
    EXPECT_DOUBLE_EQ(ac1b.celsiusAt(3.8519), 715.79);
    EXPECT_DOUBLE_EQ(ac1b.celsiusAt(2.8519), 715.79 + 3.8368);
    EXPECT_EQ(c45IsothermalAustenitising().heatingRate, 130);
}

TEST(LessonSteels, EndQuenchCurvesRunOnAlongTheCurvesTheyMeet)
{
    const EndQuenchChart& chart = c45EndQuench();
    ASSERT_EQ(chart.curves.size(), 7u);
    EXPECT_EQ(chart.austenitising, 880);
    struct Case {
        const char* why;
        int curve;
        double mm;
        double hrc;
    };
    const Case cases[] = {
        { "650 °C at one of its points", 0, 15, 21.5 },
        { "between two points: halfway from 22.3 to 23.0", 0, 2.5, 22.65 },
        { "500 °C beyond its last point, on the bridge to the tail: 29.5 + (28.0 − 29.5) · 5 / 10", 2, 16, 28.75 },
        { "300 °C in the common tail", 4, 31, 26.1 },
        { "200 °C meets the 300 °C curve at 5 mm and runs on along it", 5, 6, 40.9 },
        { "not tempered: on along the 200 °C curve, then the 300 °C one", 6, 5, 48.5 },
        { "not tempered, far from the end: the common tail", 6, 81, 18.3 },
    };
    for (const Case& c : cases)
        EXPECT_NEAR(endQuenchHRC(chart, c.curve, c.mm), c.hrc, 1e-9) << c.why;
    EXPECT_TRUE(std::isnan(endQuenchHRC(chart, 0, 81))) << "650 °C ends at 80 mm";
    // Harder the less it was tempered, and softer away from the quenched end.
    for (size_t i = 1; i < chart.curves.size(); ++i)
        EXPECT_GT(endQuenchHRC(chart, int(i), 2), endQuenchHRC(chart, int(i - 1), 2)) << i;
    EXPECT_GT(endQuenchHRC(chart, 6, 3), endQuenchHRC(chart, 6, 20));
}

// --- Any cooling on the lessons' diagrams ------------------------------------------------------

TEST(LessonSteelsThroughDiagram, AtTheLessonsRatesTheStructureAndHardnessAreTheTables)
{
    for (const Steel& s : kSteels) {
        SCOPED_TRACE(s.name);
        for (const Cooling& c : s.steel.coolings) {
            SCOPED_TRACE(c.rate);
            const CoolingResult r = throughDiagram(s.steel, c.rate);
            EXPECT_EQ(r.shares, c.shares);
            EXPECT_EQ(r.hardnessHV, c.hardnessHV);
            // The line is drawn as the lesson draws that rate's.
            EXPECT_NEAR(drawnRate(s.steel, c.rate), c.drawnRate, 1e-9 * c.drawnRate);
        }
        EXPECT_EQ(throughDiagram(s.steel, s.steel.equilibrium.rate).shares, s.steel.equilibrium.shares);
    }
}

// A slider from 0.01 to 1000 °C/s in steps of 1/80 decade, as the window's scroll bar moves.
TEST(LessonSteelsThroughDiagram, TheStructureAddsUpAndChangesSmoothlyAndOneWayWithTheRate)
{
    for (const Steel& s : kSteels) {
        SCOPED_TRACE(s.name);
        CoolingResult before = throughDiagram(s.steel, 0.01);
        for (int i = 1; i <= 400; ++i) {
            const double rate = std::pow(10.0, -2 + i / 80.0);
            SCOPED_TRACE(rate);
            const CoolingResult r = throughDiagram(s.steel, rate);
            EXPECT_EQ(r.shares.total(), 100);
            EXPECT_GE(std::min({ r.shares.ferrite, r.shares.pearlite, r.shares.bainite, r.shares.martensite }), 0);
            EXPECT_LE(r.shares.ferrite, before.shares.ferrite) << "faster: less ferrite";
            EXPECT_GE(r.shares.martensite, before.shares.martensite) << "faster: more martensite";
            EXPECT_GE(r.hardnessHV, before.hardnessHV) << "faster: harder";
            // Smooth: one step of the slider moves no share by more than a few points (the most
            // is where C45's line leaves the ferrite–pearlite nose, near 65 °C/s).
            EXPECT_LE(std::abs(r.shares.pearlite - before.shares.pearlite), 6);
            EXPECT_LE(std::abs(r.shares.martensite - before.shares.martensite), 6);
            EXPECT_LE(std::abs(r.hardnessHV - before.hardnessHV), 30);
            before = r;
        }
    }
}

TEST(LessonSteelsThroughDiagram, AShareRunsOutWhereTheCoolingLineLeavesItsField)
{
    // C45 keeps ferrite and pearlite at 60 °C/s and is all martensite at 600 °C/s: the straight
    // lines drawn at those rates bracket both the end of the pearlite start and of every start.
    const LessonSteel& s = c45();
    const CriticalRates& critical = criticalRates(s);
    const TransformationKind pearlite[] = { TransformationKind::PearliteStart };
    const TransformationKind anyStart[] = { TransformationKind::TransformationStart, TransformationKind::PearliteStart,
        TransformationKind::BainiteStart, TransformationKind::MartensiteStart };
    struct Case {
        const char* why;
        double rate;
        std::span<const TransformationKind> kinds;
    };
    const Case cases[]
        = { { "pearlite start", critical.pearliteGone, pearlite }, { "any start", critical.martensiteOnly, anyStart } };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        ASSERT_GT(c.rate, 60);
        ASSERT_LT(c.rate, 600);
        const double above = s.msContinuous + 1;
        EXPECT_TRUE(crossesContinuous(s, drawnRate(s, c.rate * 0.99), c.kinds, above));
        EXPECT_FALSE(crossesContinuous(s, drawnRate(s, c.rate * 1.01), c.kinds, above));
    }
    EXPECT_LT(critical.pearliteGone, critical.martensiteOnly);
    // Past the pearlite start's nose there is no ferrite or pearlite left; past every start only
    // martensite.
    const CoolingResult noPearlite = throughDiagram(s, critical.pearliteGone * 1.01);
    EXPECT_EQ(noPearlite.shares.ferrite + noPearlite.shares.pearlite, 0);
    EXPECT_GT(noPearlite.shares.bainite, 0);
    EXPECT_EQ(throughDiagram(s, critical.martensiteOnly * 1.01).shares, (Shares { .martensite = 100 }));
    // Just short of it some ferrite and pearlite are still there.
    const CoolingResult some = throughDiagram(s, critical.pearliteGone * 0.9);
    EXPECT_GT(some.shares.ferrite + some.shares.pearlite, 0);
}

TEST(LessonSteelsHold, HeldLongEnoughTheStructureIsTheIsothermalLessonsTable)
{
    for (const Steel& s : kSteels) {
        SCOPED_TRACE(s.name);
        for (const IsothermalHold& h : s.steel.holds) {
            SCOPED_TRACE(h.celsius);
            EXPECT_EQ(afterHold(s.steel, h.celsius, 1e5).shares, h.shares);
        }
    }
}

TEST(LessonSteelsHold, BetweenTheNoseAndMsBainiteFormsBetweenTheStartAndTheFinishTime)
{
    struct Case {
        const char* name;
        const LessonSteel& steel;
        double celsius;
    };
    // Below the pearlite field, above each diagram's Ms.
    const Case cases[] = { { "C45", c45(), 400 }, { "C45", c45(), 450 }, { "C70", c70(), 330 }, { "C70", c70(), 400 } };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " " + std::to_string(c.celsius));
        ASSERT_GT(c.celsius, c.steel.msIsothermal);
        ASSERT_LT(c.celsius, bainiteBelow(c.steel));
        const HoldResult probe = afterHold(c.steel, c.celsius, 1);
        const double start = probe.startSeconds, finish = probe.finishSeconds;
        ASSERT_LT(start, finish);
        const HoldResult before = afterHold(c.steel, c.celsius, start * 0.9);
        const HoldResult during = afterHold(c.steel, c.celsius, std::sqrt(start * finish));
        const HoldResult after = afterHold(c.steel, c.celsius, finish * 1.1);
        EXPECT_EQ(before.shares, (Shares { .martensite = 100 })) << "nothing transformed: all martensite on cooling";
        EXPECT_GT(during.shares.bainite, 0);
        EXPECT_LT(during.shares.bainite, 100);
        EXPECT_EQ(after.shares, (Shares { .bainite = 100 }));
        EXPECT_EQ(during.shares.total(), 100);
        EXPECT_EQ(during.shares.ferrite + during.shares.pearlite, 0) << "below the pearlite field";
    }
}

TEST(LessonSteelsHold, BelowMsTheQuenchFormsMartensiteFirst)
{
    // C45's isotherm at 330 °C lies below its Ms (350 °C): the lesson shows 30 % martensite
    // whatever the hold; nothing transforms at room temperature.
    EXPECT_EQ(afterHold(c45(), 330, 0.5).shares.martensite, 100);
    EXPECT_EQ(afterHold(c45(), 330, 1e5).shares.martensite, 30);
    EXPECT_EQ(afterHold(c45(), 20, 1e5).shares, (Shares { .martensite = 100 }));
    EXPECT_TRUE(std::isnan(afterHold(c45(), 20, 1).startSeconds));
}

TEST(HardnessScales, RockwellCAsTheEndQuenchChartPairsItsScales)
{
    struct Case {
        double hv;
        double hrc;
        const char* why;
    };
    const Case cases[] = {
        { 300, 30, "the 300 HV mark lies on the 30 HRC line" },
        { 700, 60.2, "the 700 HV mark lies 6.02 rows of 10 HRC above the bottom" },
        { 450, 45, "halfway between the 400 HV mark (42) and the 500 HV mark (48)" },
        { 800, 65.4, "above 700 HV the slope from 600 to 700 HV (5.2 HRC per 100 HV) runs on" },
    };
    for (const Case& c : cases)
        EXPECT_NEAR(rockwellC(c.hv), c.hrc, 1e-9) << c.why;
    EXPECT_TRUE(std::isnan(rockwellC(190))) << "below 20 HRC the Rockwell C scale does not apply";
}
