// Cooling curves from the lever rule: an alloy halts on the horizontals of its system for as long as
// the share that reacts there takes to give off its heat, the curve bends where a two-phase field
// begins, and a run's phases and constituents pass over from the field above a horizontal to the
// field below it as the reaction runs.
#include "model/IronCarbon.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

using namespace wb::model::ekd;

namespace {

constexpr double kP = 0.02, kS = 0.8, kE = 2.06, kC = 4.3, kFe3C = 6.67;

std::vector<double> arrestTemperatures(const CoolingCurve& c)
{
    std::vector<double> out;
    for (const Arrest& a : c.arrests)
        out.push_back(a.celsius);
    return out;
}

double arrestAt(const CoolingCurve& c, double celsius)
{
    for (const Arrest& a : c.arrests)
        if (a.celsius == celsius)
            return a.end - a.start;
    return 0;
}

// The slope of the curve (°C per second) just above and just below a temperature.
std::pair<double, double> slopesAround(const CoolingCurve& c, double celsius)
{
    const double t = secondsAt(c, celsius);
    const double h = 1e-3;
    const double above = (momentAt(c, t).celsius - momentAt(c, t - h).celsius) / h;
    const double below = (momentAt(c, t + h).celsius - momentAt(c, t).celsius) / h;
    return { above, below };
}

} // namespace

TEST(IronCarbonCooling, ArrestsSitOnTheHorizontalsOfTheAlloysSystem)
{
    struct Case {
        System system;
        double carbon;
        std::vector<double> arrests;
        const char* why;
    };
    const Case cases[] = {
        { System::Metastable, 0, { 1536, 1392, 911 }, "pure iron: melting point, δ to γ at N, γ to α at G" },
        { System::Metastable, 0.01, {}, "left of H and of P: no horizontal on the way down" },
        { System::Metastable, 0.3, { 1493, 723 }, "between H and B: the peritectic, then the eutectoid" },
        { System::Metastable, 0.45, { 1493, 723 }, "C 45" },
        { System::Metastable, 0.6, { 723 }, "right of B the peritectic is passed by" },
        { System::Metastable, 1.2, { 723 }, "hypereutectoid steel" },
        { System::Metastable, 3.0, { 1147, 723 }, "cast iron: the eutectic, then the eutectoid" },
        { System::Metastable, 5.0, { 1147, 723 }, "hypereutectic cast iron" },
        { System::Stable, 3.0, { 1153, 738 }, "the stable system's own horizontals" },
        { System::Stable, 0.45, { 1493, 738 }, "the δ corner is the same in both systems" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const CoolingCurve curve = coolingCurve(c.system, c.carbon);
        EXPECT_EQ(arrestTemperatures(curve), c.arrests);
        // The curve itself runs along each arrest: it stays at the temperature from start to end.
        for (const Arrest& a : curve.arrests) {
            EXPECT_GT(a.end, a.start);
            EXPECT_DOUBLE_EQ(momentAt(curve, a.start).celsius, a.celsius);
            EXPECT_DOUBLE_EQ(momentAt(curve, (a.start + a.end) / 2).celsius, a.celsius);
            EXPECT_DOUBLE_EQ(secondsAt(curve, a.celsius), a.start);
        }
        EXPECT_EQ(curve.points.front().celsius, 1600);
        EXPECT_EQ(curve.points.front().seconds, 0);
        EXPECT_EQ(curve.points.back().celsius, kRaumtemperatur);
    }
}

TEST(IronCarbonCooling, ArrestsGrowWithTheShareThatReactsThere)
{
    // The eutectoid halts for the austenite just above 723 °C to give off its heat: by the lever
    // rule (c − P) / (S − P) left of S and (K − c) / (K − S) right of it, all of it at S.
    const double eutectoidAtS = arrestAt(coolingCurve(System::Metastable, kS), 723);
    EXPECT_NEAR(eutectoidAtS * kWaermeabfuhr, kUmwandlungswaerme, 1e-6) << "all of S's austenite forms pearlite";
    // The eutectic halts for ledeburite to form from the melt just above 1147 °C: (c − E) / (C − E)
    // left of C and (F − c) / (F − C) right of it.
    const double eutecticAtC = arrestAt(coolingCurve(System::Metastable, kC), 1147);
    for (int i = 5; i <= 660; i += 5) {
        const double c = i / 100.0;
        SCOPED_TRACE(std::to_string(c) + " % C");
        const CoolingCurve curve = coolingCurve(System::Metastable, c);
        const double austenit = c <= kS ? (c - kP) / (kS - kP) : (kFe3C - c) / (kFe3C - kS);
        EXPECT_NEAR(arrestAt(curve, 723) / eutectoidAtS, austenit, 1e-6);
        const double ledeburit = c <= kE ? 0 : c <= kC ? (c - kE) / (kC - kE) : (kFe3C - c) / (kFe3C - kC);
        EXPECT_NEAR(arrestAt(curve, 1147) / eutecticAtC, ledeburit, 1e-6);
    }
    // The peritectic halts only between H and B.
    for (int i = 1; i <= 60; ++i) {
        const double c = i / 100.0;
        EXPECT_EQ(arrestAt(coolingCurve(System::Metastable, c), 1493) > 0, c > 0.10 && c < 0.53) << c;
    }
}

TEST(IronCarbonCooling, TheCurveBendsWhereATwoPhaseFieldBegins)
{
    // Above the liquidus the melt only cools: heat drawn off over heat capacity. Where crystals
    // begin to form (liquidus), or ferrite or cementite leaves the austenite (A3, Acm), their
    // latent heat slows the fall: the curve bends there and runs flatter below.
    struct Case {
        System system;
        double carbon;
        Line line;
        const char* why;
    };
    const Case cases[] = {
        { System::Metastable, 0.6, Line::BC, "0.6 %: the liquidus B–C" },
        { System::Metastable, 0.45, Line::SG, "0.45 %: A3, G–S" },
        { System::Metastable, 1.2, Line::SE, "1.2 %: Acm, S–E" },
        { System::Metastable, 3.0, Line::BC, "3.0 %: the liquidus" },
        { System::Metastable, 5.0, Line::CD, "5.0 %: the liquidus of cementite" },
        { System::Stable, 3.0, Line::BCs, "stable 3.0 %: the liquidus B–C´" },
        { System::Stable, 1.2, Line::SsEs, "stable 1.2 %: graphite leaves the austenite along S´–E´" },
    };
    const double freeFall = -kWaermeabfuhr / kWaermekapazitaet;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const CoolingCurve curve = coolingCurve(c.system, c.carbon);
        const double t = *celsiusAt(c.line, c.carbon);
        const bool vertex = std::any_of(curve.points.begin(), curve.points.end(),
            [&](const CurvePoint& p) { return std::abs(p.celsius - t) < 1e-9; });
        EXPECT_TRUE(vertex) << "a vertex of the curve at " << t << " °C";
        const auto [above, below] = slopesAround(curve, t);
        EXPECT_NEAR(above, freeFall, 1e-6) << "one phase above the line";
        EXPECT_GT(below, above + 1e-3) << "flatter below it";
    }
}

TEST(IronCarbonCooling, ARunPassesOverFromTheFieldAboveAHorizontalToTheFieldBelow)
{
    // 0.45 % C half way through its eutectoid arrest: half of the austenite of S's composition
    // (55 % of the alloy) has become pearlite; the pro-eutectoid ferrite stays as it was.
    const CoolingCurve curve = coolingCurve(System::Metastable, 0.45);
    ASSERT_EQ(curve.arrests.size(), 2u);
    const Arrest a = curve.arrests[1];
    const CoolingMoment half = momentAt(curve, (a.start + a.end) / 2);
    EXPECT_EQ(half.celsius, 723);
    EXPECT_NEAR(half.reacted, 0.5, 1e-12);
    const double austenit = (0.45 - kP) / (kS - kP);
    std::map<Constituent, double> k;
    for (const ConstituentShare& s : constituentsAt(System::Metastable, 0.45, half))
        k[s.constituent] = s.share;
    ASSERT_EQ(k.size(), 3u);
    EXPECT_NEAR(k[Constituent::VoreutektoiderFerrit], 1 - austenit, 1e-9);
    EXPECT_NEAR(k[Constituent::Austenit], austenit / 2, 1e-9);
    EXPECT_NEAR(k[Constituent::Perlit], austenit / 2, 1e-9);

    // The phases of the mixture: ferrite of P, austenite of S, cementite, balancing the alloy.
    const std::vector<PhaseShare> p = phasesAt(System::Metastable, 0.45, half);
    ASSERT_EQ(p.size(), 3u);
    EXPECT_EQ(p[0].phase, Phase::Ferrit);
    EXPECT_EQ(p[1].phase, Phase::Austenit);
    EXPECT_EQ(p[2].phase, Phase::Zementit);
    double sum = 0, balance = 0;
    for (const PhaseShare& ph : p) {
        sum += ph.share;
        balance += ph.share * ph.carbon;
    }
    EXPECT_NEAR(sum, 1, 1e-9);
    EXPECT_NEAR(balance, 0.45, 1e-9);

    // Off the arrests a moment is the point of the curve.
    const CoolingMoment later = momentAt(curve, a.end + 1);
    EXPECT_EQ(later.reacted, 1);
    EXPECT_NEAR(secondsAt(curve, later.celsius), a.end + 1, 1e-9);
}

TEST(IronCarbonCooling, ATieLineOnAnArrestSpansTheHorizontal)
{
    struct Case {
        System system;
        double carbon;
        double celsius;
        double lean;
        double rich;
        const char* why;
    };
    const Case cases[] = {
        { System::Metastable, 0.45, 723, kP, kFe3C, "P–S–K: ferrite of P to cementite" },
        { System::Metastable, 3.0, 1147, kE, kFe3C, "E–C–F: austenite of E to cementite" },
        { System::Metastable, 0.3, 1493, 0.10, 0.53, "H–J–B: δ-ferrite of H to the melt of B" },
        { System::Stable, 3.0, 1153, 2.0, 100, "E´–C´–F´ ends in pure graphite" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const CoolingCurve curve = coolingCurve(c.system, c.carbon);
        const auto a = std::find_if(
            curve.arrests.begin(), curve.arrests.end(), [&](const Arrest& x) { return x.celsius == c.celsius; });
        ASSERT_NE(a, curve.arrests.end());
        const std::optional<TieLine> tie = tieLineAt(c.system, c.carbon, momentAt(curve, (a->start + a->end) / 2));
        ASSERT_TRUE(tie);
        EXPECT_NEAR(tie->lean.carbon, c.lean, 1e-6);
        EXPECT_NEAR(tie->rich.carbon, c.rich, 1e-6);
    }
}
