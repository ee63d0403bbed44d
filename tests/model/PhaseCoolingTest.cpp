// Slow cooling through the binary phase diagrams, without any drawing: the constituents at points
// whose answer follows from the diagrams' characteristic compositions, constituents and phases
// that hold together everywhere, the edges where the drawing is not exact, and the cooling curve
// with its kinks and its arrest at the line's temperature.
#include "model/PhaseCooling.h"

#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

using namespace wb::model;

namespace {

using K = ConstituentKind;
using P = Phase;

std::string kindName(K k)
{
    static const char* const names[]
        = { "melt", "crystals", "primary", "eutectic", "peritectic", "from melt", "homogeneous", "precipitate" };
    return names[int(k)];
}

std::string describe(const std::vector<Constituent>& cs)
{
    std::string s;
    for (const Constituent& c : cs)
        s += kindName(c.kind) + " " + phaseName(c.phase) + " " + std::to_string(c.share) + "; ";
    return s;
}

struct Expected {
    K kind;
    P phase;
    double share;
};

struct ConstituentCase {
    const char* why;
    int type;
    double w;
    double t;
    double progress;
    std::vector<Expected> constituents;
    double tolerance = 1e-9;
};

double justBelow(double t)
{
    return t - 1e-6;
}

} // namespace

// Every expected share is worked out from the diagram's characteristic compositions: type 2's
// eutectic at 60 % B between pure A and B, type 3's at 60 % between alpha with 20 % and beta with
// 90 %, type 4's peritectic at 880 °C where alpha with 20 % and melt with 75 % make beta with 60 %.
TEST(PhaseCooling, ConstituentsFollowFromTheCharacteristicCompositions)
{
    const double tE = typ2::eutecticT;
    const double tP = typ4::peritecticT;
    // clang-format off
    const ConstituentCase cases[] = {
        { "type 2, 30 % B just below the eutectic: (60 - 30) / 60 primary A, the rest eutectic",
          2, 30, justBelow(tE), 0, { { K::Primary, P::A, 0.5 }, { K::Eutectic, P::A, 0.5 } } },
        { "type 2, 80 % B: (80 - 60) / (100 - 60) primary B",
          2, 80, 20, 0, { { K::Primary, P::B, 0.5 }, { K::Eutectic, P::A, 0.5 } } },
        { "type 2 at the eutectic composition: all eutectic",
          2, 60, 100, 0, { { K::Eutectic, P::A, 1 } } },
        { "type 2 on the line, the reaction half run: half of the 50 % melt is eutectic",
          2, 30, tE, 0.5, { { K::Primary, P::A, 0.5 }, { K::Eutectic, P::A, 0.25 }, { K::Melt, P::Melt, 0.25 } } },
        { "type 2 arriving on the line: primary A and the melt of eutectic composition",
          2, 30, tE, 0, { { K::Primary, P::A, 0.5 }, { K::Melt, P::Melt, 0.5 } } },
        { "type 3, 40 % B when the eutectic has formed: (60 - 40) / (60 - 20) primary alpha",
          3, 40, tE, 1, { { K::Primary, P::Alpha, 0.5 }, { K::Eutectic, P::Alpha, 0.5 } } },
        { "type 3, 80 % B: (80 - 60) / (90 - 60) primary beta",
          3, 80, tE, 1, { { K::Primary, P::Beta, 2.0 / 3 }, { K::Eutectic, P::Alpha, 1.0 / 3 } } },
        { "type 3, 40 % B below the line: the drawn solvus meets it at 19.87 % B, so a little beta "
          "(some 0.1 % of the alloy) precipitates from the primary alpha at once",
          3, 40, justBelow(tE), 0, { { K::Primary, P::Alpha, 0.5 }, { K::Precipitate, P::Beta, 0.001 },
          { K::Eutectic, P::Alpha, 0.5 } }, 2e-3 },
        { "type 4, 40 % B arriving on the peritectic line: (75 - 40) / (75 - 20) alpha, the lesson's 64 %",
          4, 40, tP, 0, { { K::Primary, P::Alpha, 35.0 / 55 }, { K::Melt, P::Melt, 20.0 / 55 } } },
        { "just above the line the drawn liquidus ends at 74.91 % B instead of 75 %",
          4, 40, tP + 1e-6, 0, { { K::Primary, P::Alpha, 35.0 / 55 }, { K::Melt, P::Melt, 20.0 / 55 } }, 1e-3 },
        { "type 4, 40 % B after the reaction: (60 - 40) / (60 - 20) alpha left, the lesson's 50 %",
          4, 40, tP, 1, { { K::Primary, P::Alpha, 0.5 }, { K::Peritectic, P::Beta, 0.5 } } },
        { "type 4 at beta's composition: the reaction uses up alpha and melt alike",
          4, 60, tP, 1, { { K::Peritectic, P::Beta, 1 } } },
        { "type 4, 70 % B after the reaction: (75 - 70) / (75 - 60) beta, the rest melt",
          4, 70, tP, 1, { { K::Peritectic, P::Beta, 1.0 / 3 }, { K::Melt, P::Melt, 2.0 / 3 } } },
        { "type 4, 70 % B below its solidus: one beta solid solution",
          4, 70, 600, 0, { { K::Homogeneous, P::Beta, 1 } } },
        { "type 4, 90 % B never meets the line: beta grows in the melt alone",
          4, 90, 500, 0, { { K::Homogeneous, P::Beta, 1 } } },
        { "type 1 below its solidus: one alpha solid solution",
          1, 40, 1000, 0, { { K::Homogeneous, P::Alpha, 1 } } },
        { "type 3, 10 % B never reaches the solvus: alpha alone",
          3, 10, 0, 0, { { K::Homogeneous, P::Alpha, 1 } } },
        { "pure A just below its melting point",
          2, 0, justBelow(phaseDiagram(2).meltingA), 0, { { K::Homogeneous, P::A, 1 } } },
        { "pure B just above its melting point",
          4, 100, phaseDiagram(4).meltingB + 1e-6, 0, { { K::Melt, P::Melt, 1 } } },
    };
    // clang-format on
    for (const ConstituentCase& c : cases) {
        SCOPED_TRACE(c.why);
        const std::vector<Constituent> got = constituentsAt(phaseDiagram(c.type), c.w, c.t, c.progress);
        ASSERT_EQ(got.size(), c.constituents.size()) << describe(got);
        for (size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].kind, c.constituents[i].kind) << describe(got);
            EXPECT_EQ(got[i].phase, c.constituents[i].phase) << describe(got);
            EXPECT_NEAR(got[i].share, c.constituents[i].share, c.tolerance) << describe(got);
        }
    }
}

// The eutectic's own phases at its line: the melt of 60 % B splits by the lever rule into
// (100 - 60) / 100 A and 60 / 100 B in type 2, (90 - 60) / (90 - 20) alpha in type 3; below the
// line they follow the solvus lines, and with them what precipitates from primary alpha.
TEST(PhaseCooling, TheEutecticsOwnPhasesAndThePrecipitatesFollowTheSolvus)
{
    const std::vector<Constituent> typ2 = constituentsAt(phaseDiagram(2), 30, 20);
    ASSERT_EQ(typ2.size(), 2u);
    EXPECT_EQ(typ2[1].left.phase, P::A);
    EXPECT_EQ(typ2[1].right.phase, P::B);
    EXPECT_NEAR(typ2[1].left.share, 0.4, 1e-12);
    EXPECT_NEAR(typ2[1].right.share, 0.6, 1e-12);

    const std::vector<Constituent> onLine = constituentsAt(phaseDiagram(3), 40, typ3::eutecticT, 1);
    ASSERT_EQ(onLine.size(), 2u);
    EXPECT_NEAR(onLine[1].left.share, 30.0 / 70, 1e-12);

    // At 0 °C alpha holds a = solvusA(0) and beta b = solvusB(0) % B: primary alpha of 20 % B has
    // given off (20 - a) / (b - a) of itself as beta, the eutectic holds (b - 60) / (b - a) alpha.
    const double a = typ3::solvusA.compositionAt(0);
    const double b = typ3::solvusB.compositionAt(0);
    const std::vector<Constituent> cold = constituentsAt(phaseDiagram(3), 40, 0);
    ASSERT_EQ(cold.size(), 3u) << describe(cold);
    EXPECT_EQ(cold[0].kind, K::Primary);
    EXPECT_EQ(cold[1].kind, K::Precipitate);
    EXPECT_EQ(cold[1].phase, P::Beta);
    EXPECT_EQ(cold[1].host, 0);
    const double x = (20 - a) / (b - a);
    EXPECT_NEAR(cold[0].share, 0.5 * (1 - x), 1e-9);
    EXPECT_NEAR(cold[1].share, 0.5 * x, 1e-9);
    EXPECT_NEAR(cold[2].left.share, (b - 60) / (b - a), 1e-9);
}

// Over the whole of every diagram the constituents take the alloy whole, none of them empty,
// and what they are made of is exactly the phases the lever rule gives there (on the lines and
// during the reaction too): the micrograph and the phase read-out never disagree.
TEST(PhaseCooling, ConstituentsAreMadeOfExactlyThePhasesThereAre)
{
    for (int type = 1; type <= 4; ++type) {
        const PhaseDiagram& d = phaseDiagram(type);
        const double step = (d.tTop - d.tBottom) / 140;
        std::vector<double> temperatures;
        for (double t = d.tBottom; t <= d.tTop; t += step)
            temperatures.push_back(t);
        for (const Invariant& inv : d.invariants)
            temperatures.push_back(inv.t);
        for (double w = 0; w <= 100; w += 0.5) {
            for (double t : temperatures) {
                for (double progress : { 0.0, 0.3, 1.0 }) {
                    SCOPED_TRACE("type " + std::to_string(type) + " at " + std::to_string(w) + " % B, "
                        + std::to_string(t) + " °C, progress " + std::to_string(progress));
                    const std::vector<Constituent> cs = constituentsAt(d, w, t, progress);
                    std::map<P, double> made;
                    double total = 0;
                    for (const Constituent& c : cs) {
                        EXPECT_GT(c.share, 0);
                        total += c.share;
                        if (c.kind == K::Eutectic) {
                            made[c.left.phase] += c.share * c.left.share;
                            made[c.right.phase] += c.share * c.right.share;
                        } else {
                            made[c.phase] += c.share;
                        }
                    }
                    EXPECT_NEAR(total, 1, 1e-12);
                    const PhaseState st = phasesAt(d, w, t, progress);
                    std::map<P, double> present;
                    double balance = 0;
                    for (const PhaseShare& ps : st.phases) {
                        present[ps.phase] += ps.share;
                        balance += ps.share * ps.w;
                    }
                    EXPECT_NEAR(balance, w, 1e-9) << "share × composition is the alloy";
                    for (const auto& [phase, share] : present)
                        EXPECT_NEAR(made[phase], share, 1e-9) << phaseName(phase);
                }
            }
        }
    }
}

// On the line the alloy crosses, the three phases take the line's compositions; the reaction
// moves the shares from the state on arrival to the state after it.
TEST(PhaseCooling, OnTheLineTheThreePhasesReact)
{
    // Type 4, 40 % B: alpha (75 - 40) / 55 and melt 20 / 55 arrive; alpha (60 - 40) / 40 and
    // beta (40 - 20) / 40 leave.
    const PhaseDiagram& d = phaseDiagram(4);
    const PhaseState arrival = phasesAt(d, 40, typ4::peritecticT, 0);
    ASSERT_NE(arrival.invariant, nullptr);
    EXPECT_EQ(arrival.invariant->reaction, Reaction::Peritectic);
    ASSERT_EQ(arrival.phases.size(), 3u);
    const double before[3] = { 35.0 / 55, 0, 20.0 / 55 };
    const double after[3] = { 0.5, 0.5, 0 };
    const double ws[3] = { 20, 60, 75 };
    for (double progress : { 0.0, 0.25, 1.0 }) {
        const PhaseState st = phasesAt(d, 40, typ4::peritecticT, progress);
        for (size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(st.phases[i].w, ws[i]);
            EXPECT_NEAR(st.phases[i].share, before[i] + progress * (after[i] - before[i]), 1e-12);
        }
    }
    // Alloys outside the line's reach are not on it: type 4 at 10 % B is alpha there.
    EXPECT_EQ(phasesAt(d, 10, typ4::peritecticT).invariant, nullptr);
    EXPECT_EQ(phasesAt(d, 10, typ4::peritecticT).phases.size(), 1u);
}

// Where the drawing is not exact at the edges the model answers sensibly: a pure component is one
// phase on either side of its melting point, even where type 1's solidus and liquidus miss each
// other by a few degrees; where type 3's solidus crosses its liquidus the alloy solidifies at once.
TEST(PhaseCooling, PureComponentsAndTheDrawingsEdges)
{
    struct Case {
        const char* why;
        int type;
        double w;
        double t;
        std::vector<P> phases;
    };
    // clang-format off
    const Case cases[] = {
        { "type 1, pure A between its drawn solidus (1449.6 °C) and melting point", 1, 0, 1451, { P::Alpha } },
        { "type 1, pure B between its drawn solidus (1072.4 °C) and melting point", 1, 100, 1074, { P::Alpha } },
        { "type 1, pure B just above its melting point", 1, 100, 1076, { P::Melt } },
        { "type 1, 99.9 % B there is in the two-phase field", 1, 99.9, 1074, { P::Alpha, P::Melt } },
        { "type 2, pure B below its melting point", 2, 100, 200, { P::B } },
        { "type 4, pure B between its drawn solidus (700.8 °C) and melting point", 4, 100, 701.5, { P::Beta } },
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const PhaseState st = phasesAt(phaseDiagram(c.type), c.w, c.t);
        ASSERT_EQ(st.phases.size(), c.phases.size());
        for (size_t i = 0; i < c.phases.size(); ++i)
            EXPECT_EQ(st.phases[i].phase, c.phases[i]);
    }

    for (int type = 1; type <= 4; ++type) {
        const PhaseDiagram& d = phaseDiagram(type);
        for (double w : { 0.0, 100.0 }) {
            SCOPED_TRACE("type " + std::to_string(type) + ", " + std::to_string(w) + " % B");
            const Solidification s = solidification(d, w);
            EXPECT_TRUE(s.arrest);
            EXPECT_EQ(s.arrestT, w == 0 ? d.meltingA : d.meltingB);
            EXPECT_EQ(s.liquidusT, s.arrestT);
            EXPECT_EQ(s.solidusT, s.arrestT);
        }
    }
    // Type 3 within 0.07 % of A and 0.04 % of B: the liquidus is where it all solidifies.
    for (double w : { 0.05, 99.98 }) {
        const Solidification s = solidification(phaseDiagram(3), w);
        EXPECT_TRUE(s.arrest) << w;
        EXPECT_EQ(s.invariant, nullptr);
        EXPECT_EQ(s.arrestT, s.liquidusT);
        EXPECT_EQ(s.solidAbove, 0);
        EXPECT_EQ(s.solidBelow, 1);
    }
    // Further in, the usual two-phase field with its kinks.
    EXPECT_FALSE(solidification(phaseDiagram(3), 5).arrest);
}

// --- The cooling curve --------------------------------------------------------------------

namespace {

// Newton's law alone: from t0 at time0 with no heat released.
double newton(const CoolingLaw& law, double t0, double time0, double time)
{
    return law.environment + (t0 - law.environment) * std::exp(-(time - time0) / law.tau);
}

// dT/dt of the curve over the small interval after `time`.
double slopeAfter(const CoolingCurve& c, double time)
{
    const double h = 0.01;
    return (c.temperatureAt(time + h) - c.temperatureAt(time)) / h;
}

double slopeBefore(const CoolingCurve& c, double time)
{
    const double h = 0.01;
    return (c.temperatureAt(time) - c.temperatureAt(time - h)) / h;
}

} // namespace

TEST(PhaseCooling, TheArrestLiesAtTheLinesTemperature)
{
    struct Case {
        int type;
        double w;
        double t;
    };
    const Case cases[] = {
        { 2, 10, 148 },
        { 2, 60, 148 },
        { 2, 90, 148 },
        { 3, 30, 148 },
        { 3, 60, 148 },
        { 3, 70, 148 },
        { 4, 30, 880 },
        { 4, 40, 880 },
        { 4, 60, 880 },
        { 4, 70, 880 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("type " + std::to_string(c.type) + ", " + std::to_string(c.w) + " % B");
        const CoolingCurve curve = coolingCurve(phaseDiagram(c.type), c.w);
        ASSERT_TRUE(curve.path.arrest);
        EXPECT_EQ(curve.path.arrestT, c.t);
        ASSERT_GT(curve.arrestEnd, curve.arrestStart);
        // The temperature holds through the arrest and falls on either side of it.
        for (double f : { 0.0, 0.3, 0.7, 1.0 })
            EXPECT_EQ(curve.temperatureAt(curve.arrestStart + f * (curve.arrestEnd - curve.arrestStart)), c.t);
        EXPECT_GT(curve.temperatureAt(curve.arrestStart - 0.5), c.t);
        EXPECT_LT(curve.temperatureAt(curve.arrestEnd + 0.5), c.t);
        EXPECT_DOUBLE_EQ(curve.timeAt(c.t), curve.arrestStart);
    }
    // Type 1 has no line: no arrest between its pure components.
    for (double w : { 10.0, 40.0, 90.0 })
        EXPECT_FALSE(coolingCurve(phaseDiagram(1), w).path.arrest) << w;
}

// The heat given off on the eutectic line is that of the eutectic share: at a steady heat loss
// the arrest lasts tau · latent · share / (148 °C − environment). In type 2 the eutectic share of
// w % B (below 60) is w / 60; the melt arrives with the composition where the drawn liquidus meets
// the line, 59.97 % B, which makes the share 0.05 % larger.
TEST(PhaseCooling, TheArrestGrowsWithTheEutecticShare)
{
    const PhaseDiagram& d = phaseDiagram(2);
    const CoolingLaw law = coolingLaw(d);
    double previous = 0;
    for (double w : { 5.0, 15.0, 30.0, 45.0, 60.0 }) {
        SCOPED_TRACE(std::to_string(w) + " % B");
        const CoolingCurve c = coolingCurve(d, w);
        const double length = c.arrestEnd - c.arrestStart;
        EXPECT_GT(length, previous);
        const double expected = law.tau * law.latent * (w / 60) / (148 - law.environment);
        EXPECT_NEAR(length / expected, 1, 1e-3);
        previous = length;
    }
    // Type 4: the peritectic line releases the heat of the solid it forms, the more the further
    // the alloy lies from alpha: (1 − (75 − w) / 55) for w up to 60 (the drawn liquidus meets the
    // line at 74.91 % B, the beta solvus at 60.24 %: a few tenths of a percent more).
    const PhaseDiagram& d4 = phaseDiagram(4);
    const CoolingLaw law4 = coolingLaw(d4);
    for (double w : { 30.0, 45.0, 60.0 }) {
        const CoolingCurve c = coolingCurve(d4, w);
        const double expected = law4.tau * law4.latent * (1 - (75 - w) / 55) / (880 - law4.environment);
        EXPECT_NEAR((c.arrestEnd - c.arrestStart) / expected, 1, 3e-3) << w;
    }
}

// A pure component cools by Newton's law down to its melting point, holds there while all of it
// solidifies, and then cools by Newton's law again: no kink anywhere but the arrest.
TEST(PhaseCooling, APureComponentHasOneArrestAtItsMeltingPointAndNoKink)
{
    for (int type = 1; type <= 4; ++type) {
        const PhaseDiagram& d = phaseDiagram(type);
        const CoolingLaw law = coolingLaw(d);
        for (double w : { 0.0, 100.0 }) {
            SCOPED_TRACE("type " + std::to_string(type) + ", " + std::to_string(w) + " % B");
            const CoolingCurve c = coolingCurve(d, w);
            const double melting = w == 0 ? d.meltingA : d.meltingB;
            ASSERT_TRUE(c.path.arrest);
            EXPECT_EQ(c.path.arrestT, melting);
            EXPECT_NEAR(c.arrestEnd - c.arrestStart, law.tau * law.latent / (melting - law.environment), 1e-9);
            // Before the arrest and after it, the curve is Newton's to within the straight pieces
            // it is drawn with (a few hundredths of a degree).
            for (double f : { 0.1, 0.5, 0.95 }) {
                const double before = f * c.arrestStart;
                EXPECT_NEAR(c.temperatureAt(before), newton(law, d.tTop, 0, before), 0.05);
                const double after = c.arrestEnd + f * (c.endTime() - c.arrestEnd);
                EXPECT_NEAR(c.temperatureAt(after), newton(law, melting, c.arrestEnd, after), 0.05);
            }
            EXPECT_NEAR(c.endTime() - (c.arrestEnd - c.arrestStart),
                law.tau * std::log((d.tTop - law.environment) / (d.tBottom - law.environment)), 1e-6);
            EXPECT_LE(c.endTime(), coolingTimeScale(d));
        }
    }
}

// An alloy that solidifies over a range: the curve bends at the liquidus (the latent heat slows
// it) and again at the solidus (Newton's law alone below it).
TEST(PhaseCooling, TheCurveBendsAtTheLiquidusAndTheSolidus)
{
    struct Case {
        int type;
        double w;
    };
    const Case cases[] = { { 1, 40 }, { 1, 80 }, { 3, 10 }, { 4, 70 }, { 4, 90 } };
    for (const Case& k : cases) {
        SCOPED_TRACE("type " + std::to_string(k.type) + ", " + std::to_string(k.w) + " % B");
        const PhaseDiagram& d = phaseDiagram(k.type);
        const CoolingLaw law = coolingLaw(d);
        const CoolingCurve c = coolingCurve(d, k.w);
        const double atLiquidus = c.timeAt(c.path.liquidusT);
        const double newtonAtLiquidus = -(c.path.liquidusT - law.environment) / law.tau;
        EXPECT_NEAR(slopeBefore(c, atLiquidus), newtonAtLiquidus, 0.01);
        EXPECT_GT(slopeAfter(c, atLiquidus), 0.8 * newtonAtLiquidus) << "slower below the liquidus";
        const double atSolidus = c.timeAt(c.path.solidusT);
        const double newtonAtSolidus = -(c.path.solidusT - law.environment) / law.tau;
        EXPECT_GT(slopeBefore(c, atSolidus), 0.8 * newtonAtSolidus) << "slower above the solidus";
        EXPECT_NEAR(slopeAfter(c, atSolidus), newtonAtSolidus, 0.01);
        EXPECT_LE(c.endTime(), coolingTimeScale(d));
    }
}

// The reaction on the arrest runs in proportion to the time; before it nothing has reacted,
// after it everything.
TEST(PhaseCooling, TheReactionRunsWithTheTimeOfTheArrest)
{
    const CoolingCurve c = coolingCurve(phaseDiagram(2), 30);
    const double mid = (c.arrestStart + c.arrestEnd) / 2;
    EXPECT_EQ(c.progressAt(c.arrestStart - 1), 0);
    EXPECT_EQ(c.progressAt(c.arrestStart), 0);
    EXPECT_NEAR(c.progressAt(mid), 0.5, 1e-12);
    EXPECT_EQ(c.progressAt(c.arrestEnd), 1);
    EXPECT_EQ(c.progressAt(c.endTime()), 1);
    EXPECT_EQ(c.temperatureAt(-5), phaseDiagram(2).tTop);
    EXPECT_EQ(c.temperatureAt(c.endTime() + 5), phaseDiagram(2).tBottom);
}
