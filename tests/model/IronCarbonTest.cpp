// The iron–carbon model: its points as the lessons name them, its lines joined at their points,
// the phases of every field with the lever rule balancing, and the constituents of slow cooling at
// alloys whose shares follow from the characteristic points alone.
#include "model/IronCarbon.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

using namespace wb::model::ekd;

namespace {

std::string name(Phase p)
{
    switch (p) {
    case Phase::Schmelze:
        return "Schmelze";
    case Phase::DeltaFerrit:
        return "δ-Ferrit";
    case Phase::Austenit:
        return "Austenit";
    case Phase::Ferrit:
        return "Ferrit";
    case Phase::Zementit:
        return "Zementit";
    case Phase::Graphit:
        break;
    }
    return "Graphit";
}

std::string names(const std::vector<PhaseShare>& phases)
{
    std::string out;
    for (const PhaseShare& p : phases)
        out += (out.empty() ? "" : " + ") + name(p.phase);
    return out;
}

std::map<Constituent, double> shares(const std::vector<ConstituentShare>& list)
{
    std::map<Constituent, double> out;
    for (const ConstituentShare& c : list) {
        EXPECT_EQ(out.count(c.constituent), 0u) << "a constituent named twice";
        out[c.constituent] = c.share;
    }
    return out;
}

constexpr double kP = 0.02, kS = 0.8, kE = 2.06, kC = 4.3, kFe3C = 6.67;

} // namespace

TEST(IronCarbonModel, PointsAreTheOnesTheLessonsName)
{
    struct Case {
        Point point;
        double carbon;
        double celsius;
        const char* why;
    };
    const Case cases[] = {
        { Point::A, 0, 1536, "\"=1536°C\": iron melts" },
        { Point::H, 0.10, 1493, "\"=1493°C\": the peritectic horizontal H–J–B" },
        { Point::J, 0.16, 1493, "the peritectic point" },
        { Point::B, 0.53, 1493, "the melt of the peritectic" },
        { Point::N, 0, 1392, "\"=1392°C\"" },
        { Point::G, 0, 911, "\"911°C\"" },
        { Point::M, 0, 769, "\"769°C\": the magnetic change" },
        { Point::P, 0.02, 723, "the ferrite box: \"maximale Kohlenstofflöslichkeit = 0,02%\"" },
        { Point::S, 0.8, 723, "the pearlite box: \"Bei einem C-Gehalt von 0.8 % entsteht Perlit ... bei 723°C\"" },
        { Point::K, 6.67, 723, "cementite, the field's right edge" },
        { Point::Q, 0, 500, "every lesson draws Q on the iron axis at 500 °C" },
        { Point::E, 2.06, 1147, "the austenite box: \"maximale Kohlenstofflöslichkeit = 2,06%\"; \"1147°C\"" },
        { Point::C, 4.3, 1147, "the eutectic, ledeburite" },
        { Point::F, 6.67, 1147, "cementite on the eutectic horizontal" },
        { Point::D, 6.67, 1320, "\"1320°C\"" },
        { Point::Ps, 0.02, 738, "\"738°C\": the stable eutectoid" },
        { Point::Ss, 0.7, 738, "S´, drawn at 0.7 % C" },
        { Point::Es, 2.0, 1153, "\"1153°C\": E´ drawn at 2.0 % C" },
        { Point::Cs, 4.2, 1153, "C´ drawn at 4.2 % C" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_DOUBLE_EQ(at(c.point).carbon, c.carbon);
        EXPECT_DOUBLE_EQ(at(c.point).celsius, c.celsius);
    }
}

TEST(IronCarbonModel, LinesRunBetweenTheirPoints)
{
    struct Case {
        Line line;
        Point from;
        Point to;
    };
    // The order is the drawing's: G–S is drawn from S, P´–S´–K´ from K´.
    const Case cases[] = {
        { Line::AB, Point::A, Point::B },
        { Line::AH, Point::A, Point::H },
        { Line::HN, Point::H, Point::N },
        { Line::JN, Point::J, Point::N },
        { Line::HJB, Point::H, Point::B },
        { Line::JE, Point::J, Point::E },
        { Line::BC, Point::B, Point::C },
        { Line::CD, Point::C, Point::D },
        { Line::ECF, Point::E, Point::F },
        { Line::SG, Point::S, Point::G },
        { Line::SE, Point::S, Point::E },
        { Line::PG, Point::P, Point::G },
        { Line::QP, Point::Q, Point::P },
        { Line::PSK, Point::P, Point::K },
        { Line::MO, Point::M, Point::O },
        { Line::PsSsKs, Point::Ks, Point::Ps },
        { Line::EsCsFs, Point::Es, Point::Fs },
        { Line::SsEs, Point::Ss, Point::Es },
        { Line::CsDs, Point::Cs, Point::Ds },
        { Line::QPs, Point::Q, Point::Ps },
        { Line::PsG, Point::Ps, Point::G },
        { Line::SsG, Point::Ss, Point::G },
        { Line::BCs, Point::B, Point::Cs },
        { Line::JEs, Point::J, Point::Es },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.line));
        const auto v = vertices(c.line);
        ASSERT_GE(v.size(), 2u);
        EXPECT_EQ(v.front().point, c.from);
        EXPECT_EQ(v.back().point, c.to);
    }
    // Every vertex that names a point stands on it.
    for (int l = 0; l < kLineCount; ++l) {
        for (const Vertex& v : vertices(Line(l))) {
            if (!v.point)
                continue;
            EXPECT_EQ(v.at.carbon, at(*v.point).carbon) << "line " << l;
            EXPECT_EQ(v.at.celsius, at(*v.point).celsius) << "line " << l;
        }
    }
}

TEST(IronCarbonModel, BoundariesRunOneWayInTemperatureAndComposition)
{
    // A boundary meets every temperature of its range once, so carbonAt has one answer: its
    // vertices fall (or rise) in both coordinates without turning back.
    const Line boundaries[] = { Line::AB, Line::AH, Line::HN, Line::JN, Line::JE, Line::BC, Line::CD, Line::SG,
        Line::SE, Line::PG, Line::QP, Line::SsEs, Line::CsDs, Line::QPs, Line::PsG, Line::SsG, Line::BCs, Line::JEs };
    for (Line l : boundaries) {
        SCOPED_TRACE(int(l));
        const auto v = vertices(l);
        const double dT = v.back().at.celsius - v.front().at.celsius;
        const double dC = v.back().at.carbon - v.front().at.carbon;
        for (size_t i = 0; i + 1 < v.size(); ++i) {
            EXPECT_GT((v[i + 1].at.celsius - v[i].at.celsius) * dT, 0) << "vertex " << i;
            EXPECT_GT((v[i + 1].at.carbon - v[i].at.carbon) * dC, 0) << "vertex " << i;
        }
    }
}

TEST(IronCarbonModel, LinesReadAtTheLessonsTemperatures)
{
    // The cooling lessons name where their alloys meet the lines; the model's lines give the same
    // temperatures to within the few degrees a hand-drawn diagram holds.
    struct Case {
        Line line;
        double carbon;
        double celsius;
        double within;
        const char* why;
    };
    const Case cases[] = {
        { Line::BC, 3.0, 1300, 0, "3.0 %: \"Nach dem Unterschreiten der Liquiduslinie bei  1300°C (1)\"" },
        { Line::BC, 0.6, 1490, 3, "0.6 %: \"Der Erstarrungsprozess beginnt bei 1490°C (1)\"" },
        { Line::JE, 0.6, 1410, 3, "0.6 %: \"bis schließlich bei 1410°C (2) der Erstarrungsprozeß abgeschlossen\"" },
        { Line::SG, 0.6, 760, 8, "0.6 %: \"Bei 760°C (3) beginnt ... die Bildung von Ferrit\"" },
        { Line::SE, 1.2, 900, 8, "1.2 %: \"Bei 900°C (3) wird die Löslichkeitsgrenze ... unterschritten\"" },
        { Line::SG, 0.45, 780, 3, "C 45: \"A(3) = 780°C\"" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const std::optional<double> t = celsiusAt(c.line, c.carbon);
        ASSERT_TRUE(t);
        EXPECT_NEAR(*t, c.celsius, c.within);
        // And back: the composition of the line at that temperature.
        ASSERT_TRUE(carbonAt(c.line, *t));
        EXPECT_NEAR(*carbonAt(c.line, *t), c.carbon, 1e-9);
    }
    EXPECT_FALSE(carbonAt(Line::PSK, 723)) << "a horizontal has no single composition";
    EXPECT_FALSE(carbonAt(Line::SE, 700)) << "below S";
    EXPECT_FALSE(celsiusAt(Line::SUnten, 0.8)) << "a vertical has no single temperature";
}

TEST(IronCarbonModel, EveryFieldHasItsPhases)
{
    struct Case {
        System system;
        double carbon;
        double celsius;
        const char* phases;
    };
    const Case cases[] = {
        { System::Metastable, 0.02, 1520, "δ-Ferrit" },
        { System::Metastable, 0.15, 1520, "δ-Ferrit + Schmelze" },
        { System::Metastable, 3.0, 1550, "Schmelze" },
        { System::Metastable, 0.05, 1450, "δ-Ferrit" },
        { System::Metastable, 0.13, 1480, "δ-Ferrit + Austenit" },
        { System::Metastable, 0.3, 1480, "Austenit + Schmelze" },
        { System::Metastable, 1.0, 1300, "Austenit" },
        { System::Metastable, 3.0, 1250, "Austenit + Schmelze" },
        { System::Metastable, 4.3, 1200, "Schmelze" },
        { System::Metastable, 6.0, 1200, "Schmelze + Zementit" },
        { System::Metastable, 6.0, 1400, "Schmelze" },
        { System::Metastable, 0.45, 760, "Ferrit + Austenit" },
        { System::Metastable, 0.005, 800, "Ferrit" },
        { System::Metastable, 0.45, 900, "Austenit" },
        { System::Metastable, 1.2, 800, "Austenit + Zementit" },
        { System::Metastable, 3.0, 1000, "Austenit + Zementit" },
        { System::Metastable, 0.45, 700, "Ferrit + Zementit" },
        { System::Metastable, 0.01, 700, "Ferrit" },
        { System::Metastable, 0.01, 550, "Ferrit + Zementit" },
        // A temperature on a horizontal: the reaction has run.
        { System::Metastable, 0.45, 723, "Ferrit + Zementit" },
        { System::Metastable, 3.0, 1147, "Austenit + Zementit" },
        { System::Metastable, 0.3, 1493, "Austenit + Schmelze" },
        { System::Stable, 3.0, 1250, "Austenit + Schmelze" },
        { System::Stable, 4.5, 1200, "Schmelze + Graphit" },
        { System::Stable, 5.5, 1580, "Schmelze + Graphit" },
        { System::Stable, 3.0, 1150, "Austenit + Graphit" },
        { System::Stable, 0.45, 760, "Ferrit + Austenit" },
        { System::Stable, 0.45, 730, "Ferrit + Graphit" },
        { System::Stable, 0.45, 700, "Ferrit + Graphit" },
        { System::Stable, 0.02, 1520, "δ-Ferrit" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.carbon) + " % C, " + std::to_string(c.celsius) + " °C");
        EXPECT_EQ(names(phases(c.system, { c.carbon, c.celsius })), c.phases);
    }
}

TEST(IronCarbonModel, LeverRuleAtTheCharacteristicPoints)
{
    // 0.45 % C just below 723 °C: ferrite of P's 0.02 % and cementite of 6.67 %:
    // cementite (0.45 − 0.02) / (6.67 − 0.02) = 6.47 %.
    auto p = phases(System::Metastable, { 0.45, 723 });
    ASSERT_EQ(p.size(), 2u);
    EXPECT_DOUBLE_EQ(p[0].carbon, kP);
    EXPECT_DOUBLE_EQ(p[1].carbon, kFe3C);
    EXPECT_NEAR(p[1].share, (0.45 - kP) / (kFe3C - kP), 1e-12);

    // 3.0 % C just below 1147 °C: austenite of E and cementite: (3.0 − 2.06) / (6.67 − 2.06).
    p = phases(System::Metastable, { 3.0, 1147 });
    ASSERT_EQ(p.size(), 2u);
    EXPECT_DOUBLE_EQ(p[0].carbon, kE);
    EXPECT_NEAR(p[1].share, (3.0 - kE) / (kFe3C - kE), 1e-12);

    // At room temperature ferrite holds nothing: 1.2 % C is 1.2 / 6.67 = 18 % cementite.
    p = phases(System::Metastable, { 1.2, 20 });
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(p[0].carbon, 0);
    EXPECT_NEAR(p[1].share, 1.2 / kFe3C, 1e-12);

    // The stable system's second phase is graphite, pure carbon: 3.0 % C just below 738 °C is
    // (3.0 − 0.02) / (100 − 0.02) = 2.98 % graphite.
    p = phases(System::Stable, { 3.0, 738 });
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(p[1].phase, Phase::Graphit);
    EXPECT_NEAR(p[1].share, (3.0 - 0.02) / (100 - 0.02), 1e-12);

    // Austenite of S's 0.8 % C just above 723 °C is one phase, all of it.
    p = phases(System::Metastable, { 0.8, 724 });
    ASSERT_EQ(p.size(), 1u);
    EXPECT_EQ(p[0].phase, Phase::Austenit);
    EXPECT_EQ(p[0].share, 1);
}

TEST(IronCarbonModel, TieLinesBalanceAcrossEveryTwoPhaseField)
{
    // A sweep over both systems: in every two-phase field the ends bracket the alloy, the shares add
    // to one and share × composition adds up to the alloy's carbon content; each end lies on a
    // line of the diagram or is a pure phase.
    int twoPhase = 0;
    for (System s : { System::Metastable, System::Stable }) {
        for (int i = 0; i <= 667; i += 3) {
            const double c = i / 100.0;
            for (int t = 20; t <= 1600; t += 7) {
                const std::vector<PhaseShare> p = phases(s, { c, double(t) });
                ASSERT_FALSE(p.empty());
                double sum = 0, balance = 0;
                for (const PhaseShare& ph : p) {
                    sum += ph.share;
                    balance += ph.share * ph.carbon;
                }
                EXPECT_NEAR(sum, 1, 1e-12) << c << " % C, " << t << " °C";
                EXPECT_NEAR(balance, c, 1e-9) << c << " % C, " << t << " °C";
                const std::optional<TieLine> tie = tieLine(s, { c, double(t) });
                if (!tie)
                    continue;
                ++twoPhase;
                EXPECT_LE(tie->lean.carbon, c + 1e-12);
                EXPECT_GE(tie->rich.carbon, c - 1e-12);
                EXPECT_LT(tie->lean.carbon, tie->rich.carbon);
            }
        }
    }
    EXPECT_GT(twoPhase, 0);
}

TEST(IronCarbonModel, TieLineEndsLieOnTheFieldsBoundaries)
{
    struct Case {
        System system;
        double carbon;
        double celsius;
        std::optional<Line> lean; // nothing: the end is a pure phase or the iron axis
        std::optional<Line> rich;
    };
    const Case cases[] = {
        { System::Metastable, 0.3, 1510, Line::AH, Line::AB },
        { System::Metastable, 0.08, 1450, Line::HN, Line::JN },
        { System::Metastable, 1.5, 1350, Line::JE, Line::BC },
        { System::Metastable, 5.5, 1200, Line::CD, std::nullopt },
        { System::Metastable, 0.4, 780, Line::PG, Line::SG },
        { System::Metastable, 1.5, 900, Line::SE, std::nullopt },
        { System::Metastable, 0.3, 600, Line::QP, std::nullopt },
        { System::Stable, 1.5, 1350, Line::JEs, Line::BCs },
        { System::Stable, 5.0, 1400, Line::CsDs, std::nullopt },
        { System::Stable, 0.4, 780, Line::PsG, Line::SsG },
        { System::Stable, 1.5, 900, Line::SsEs, std::nullopt },
        { System::Stable, 0.3, 600, Line::QPs, std::nullopt },
        { System::Metastable, 0.3, 400, std::nullopt, std::nullopt },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.carbon) + " % C, " + std::to_string(c.celsius) + " °C");
        const std::optional<TieLine> tie = tieLine(c.system, { c.carbon, c.celsius });
        ASSERT_TRUE(tie);
        EXPECT_EQ(tie->leanLine, c.lean);
        EXPECT_EQ(tie->richLine, c.rich);
        if (c.lean) {
            EXPECT_DOUBLE_EQ(tie->lean.carbon, *carbonAt(*c.lean, c.celsius));
        } else {
            EXPECT_EQ(tie->lean.carbon, 0) << "ferrite below Q holds no carbon";
        }
        if (c.rich) {
            EXPECT_DOUBLE_EQ(tie->rich.carbon, *carbonAt(*c.rich, c.celsius));
        } else {
            EXPECT_EQ(tie->rich.carbon, c.system == System::Metastable ? kFe3C : 100);
        }
    }
    EXPECT_FALSE(tieLine(System::Metastable, { 0.45, 900 })) << "austenite alone";
}

TEST(IronCarbonModel, ConstituentsAfterSlowCooling)
{
    // Each share from the characteristic points alone (P 0.02, S 0.8, E 2.06, C 4.3, Fe3C 6.67),
    // the arithmetic beside it. At 20 °C ferrite has given off all its carbon, at 723 °C none.
    const double pearlitFromE = 1 - (kE - kS) / (kFe3C - kS); // austenite of E: 78.5 % pearlite
    struct Case {
        double carbon;
        double celsius;
        std::map<Constituent, double> shares;
        const char* why;
    };
    const Case cases[] = {
        { 0.45, 723,
            { { Constituent::VoreutektoiderFerrit, (kS - 0.45) / (kS - kP) },
                { Constituent::Perlit, (0.45 - kP) / (kS - kP) } },
            "0.45 %: 45 % pro-eutectoid ferrite, 55 % pearlite" },
        { 0.6, 723,
            { { Constituent::VoreutektoiderFerrit, (kS - 0.6) / (kS - kP) },
                { Constituent::Perlit, (0.6 - kP) / (kS - kP) } },
            "0.6 % lesson: \"75 % Perlit und 25 % Ferrit\"" },
        { 0.45, 20,
            { { Constituent::VoreutektoiderFerrit, (kS - 0.45) / (kS - kP) * (1 - kP / kFe3C) },
                { Constituent::Perlit, (0.45 - kP) / (kS - kP) },
                { Constituent::Tertiaerzementit, (kS - 0.45) / (kS - kP) * kP / kFe3C } },
            "the pro-eutectoid ferrite gives off its 0.02 % as tertiary cementite" },
        { 0.01, 20, { { Constituent::Ferrit, 1 - 0.01 / kFe3C }, { Constituent::Tertiaerzementit, 0.01 / kFe3C } },
            "ferrite alone, with tertiary cementite" },
        { 0.8, 20, { { Constituent::Perlit, 1 } }, "the eutectoid: pearlite" },
        { 1.2, 20,
            { { Constituent::Perlit, (kFe3C - 1.2) / (kFe3C - kS) },
                { Constituent::Sekundaerzementit, (1.2 - kS) / (kFe3C - kS) } },
            "1.2 % lesson: \"93 % Perlit und 7 % Zementit\"" },
        { 3.0, 1147,
            { { Constituent::Austenit, (kC - 3.0) / (kC - kE) }, { Constituent::Ledeburit, (3.0 - kE) / (kC - kE) } },
            "3.0 % just below 1147 °C: 42 % ledeburite" },
        { 3.0, 20,
            { { Constituent::Perlit, (kC - 3.0) / (kC - kE) * pearlitFromE },
                { Constituent::Sekundaerzementit, (kC - 3.0) / (kC - kE) * (1 - pearlitFromE) },
                { Constituent::UmgewandelterLedeburit, (3.0 - kE) / (kC - kE) } },
            "3.0 % cast iron: pearlite and secondary cementite from the primary austenite in transformed "
            "ledeburite" },
        { 4.3, 1000, { { Constituent::Ledeburit, 1 } }, "the eutectic" },
        { 5.0, 20,
            { { Constituent::Primaerzementit, (5.0 - kC) / (kFe3C - kC) },
                { Constituent::UmgewandelterLedeburit, (kFe3C - 5.0) / (kFe3C - kC) } },
            "hypereutectic: primary cementite in transformed ledeburite" },
        { 5.0, 1100,
            { { Constituent::Primaerzementit, (5.0 - kC) / (kFe3C - kC) },
                { Constituent::Ledeburit, (kFe3C - 5.0) / (kFe3C - kC) } },
            "above 723 °C the ledeburite is not yet transformed" },
        { 0.45, 900, { { Constituent::Austenit, 1 } }, "austenite" },
        { 3.0, 1500, { { Constituent::Schmelze, 1 } }, "melt" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const std::map<Constituent, double> got = shares(constituents({ c.carbon, c.celsius }));
        ASSERT_EQ(got.size(), c.shares.size());
        for (const auto& [constituent, share] : c.shares) {
            ASSERT_EQ(got.count(constituent), 1u) << int(constituent);
            EXPECT_NEAR(got.at(constituent), share, 1e-12) << int(constituent);
        }
    }
}

TEST(IronCarbonModel, ConstituentsOfACoolingAlloyCarryOverItsReactions)
{
    // What was austenite just above a horizontal is what the reaction makes of it just below:
    // austenite into pearlite at 723 °C, melt into ledeburite at 1147 °C; the constituents formed
    // before keep their shares. And every point's shares add up to one.
    auto share = [](double c, double t, Constituent k) {
        const auto s = shares(constituents({ c, t }));
        return s.count(k) ? s.at(k) : 0.0;
    };
    for (double c : { 0.1, 0.45, 0.6, 1.2, 1.8 }) {
        SCOPED_TRACE(c);
        EXPECT_NEAR(share(c, 723.001, Constituent::Austenit), share(c, 723, Constituent::Perlit), 1e-4);
    }
    for (double c : { 2.5, 3.0, 4.0 }) {
        SCOPED_TRACE(c);
        EXPECT_NEAR(share(c, 1147.001, Constituent::Schmelze), share(c, 1147, Constituent::Ledeburit), 1e-4);
        EXPECT_NEAR(
            share(c, 723.001, Constituent::Ledeburit), share(c, 723, Constituent::UmgewandelterLedeburit), 1e-12);
    }
    for (double c : { 4.5, 6.0 })
        EXPECT_NEAR(
            share(c, 1147.001, Constituent::Primaerzementit), share(c, 1147, Constituent::Primaerzementit), 1e-4);
    for (int i = 0; i <= 667; i += 7) {
        for (int t = 0; t <= 1600; t += 11) {
            double sum = 0;
            for (const ConstituentShare& k : constituents({ i / 100.0, double(t) })) {
                EXPECT_GT(k.share, 0);
                sum += k.share;
            }
            EXPECT_NEAR(sum, 1, 1e-12) << i / 100.0 << " % C, " << t << " °C";
        }
    }
}

TEST(IronCarbonModel, StableConstituentsAfterSlowCooling)
{
    // The stable system's points: E´ 2.0, C´ 4.2 % C at 1153 °C, graphite pure carbon. Each share
    // from them alone, or from the stable solubility line S´–E´ at the temperature.
    constexpr double kEs = 2.0, kCs = 4.2, kGr = 100;
    const double es1000 = *carbonAt(Line::SsEs, 1000); // the austenite's carbon content at 1000 °C
    struct Case {
        double carbon;
        double celsius;
        std::map<Constituent, double> shares;
        const char* why;
    };
    const Case cases[] = {
        { 3.0, 1000,
            { { Constituent::Austenit, (kCs - 3.0) / (kCs - kEs) * (1 - (kEs - es1000) / (kGr - es1000)) },
                { Constituent::Sekundaergraphit, (kCs - 3.0) / (kCs - kEs) * (kEs - es1000) / (kGr - es1000) },
                { Constituent::Graphiteutektikum, (3.0 - kEs) / (kCs - kEs) } },
            "3.0 %: primary austenite giving off secondary graphite beside the graphite eutectic" },
        { 5.0, 1100,
            { { Constituent::Primaergraphit, (5.0 - kCs) / (kGr - kCs) },
                { Constituent::Graphiteutektikum, (kGr - 5.0) / (kGr - kCs) } },
            "hypereutectic: primary graphite in the graphite eutectic" },
        { 3.0, 20, { { Constituent::Ferrit, 1 - 3.0 / kGr }, { Constituent::Graphit, 3.0 / kGr } },
            "below 738 °C ferrite and graphite, ferrite holding nothing at room temperature" },
        { 4.2, 1153, { { Constituent::Graphiteutektikum, 1 } }, "the stable eutectic" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const std::map<Constituent, double> got = shares(constituents(System::Stable, { c.carbon, c.celsius }));
        ASSERT_EQ(got.size(), c.shares.size());
        for (const auto& [constituent, share] : c.shares) {
            ASSERT_EQ(got.count(constituent), 1u) << int(constituent);
            EXPECT_NEAR(got.at(constituent), share, 1e-12) << int(constituent);
        }
    }
    // Where the phases are the constituents, they carry their names.
    const std::map<Constituent, double> ferritAustenit = shares(constituents(System::Stable, { 0.45, 760 }));
    EXPECT_EQ(ferritAustenit.size(), 2u);
    EXPECT_EQ(ferritAustenit.count(Constituent::VoreutektoiderFerrit), 1u);
    EXPECT_EQ(ferritAustenit.count(Constituent::Austenit), 1u);
    const std::map<Constituent, double> austenitGraphit = shares(constituents(System::Stable, { 1.2, 800 }));
    EXPECT_EQ(austenitGraphit.size(), 2u);
    EXPECT_EQ(austenitGraphit.count(Constituent::Sekundaergraphit), 1u);
    // The metastable constituents are the same through either call.
    EXPECT_EQ(shares(constituents(System::Metastable, { 1.2, 20 })), shares(constituents({ 1.2, 20 })));
}

TEST(IronCarbonModel, StableConstituentsCarryOverTheEutecticAndAddUp)
{
    auto share = [](double c, double t, Constituent k) {
        const auto s = shares(constituents(System::Stable, { c, t }));
        return s.count(k) ? s.at(k) : 0.0;
    };
    for (double c : { 2.5, 3.0, 4.0 }) {
        SCOPED_TRACE(c);
        EXPECT_NEAR(share(c, 1153.001, Constituent::Schmelze), share(c, 1153, Constituent::Graphiteutektikum), 1e-4);
    }
    for (int i = 0; i <= 667; i += 7) {
        for (int t = 0; t <= 1600; t += 11) {
            double sum = 0;
            for (const ConstituentShare& k : constituents(System::Stable, { i / 100.0, double(t) })) {
                EXPECT_GT(k.share, 0);
                sum += k.share;
            }
            EXPECT_NEAR(sum, 1, 1e-12) << i / 100.0 << " % C, " << t << " °C";
        }
    }
}

TEST(IronCarbonModel, PearliteIsFerriteAndCementiteInTheProportionsOfS)
{
    struct Case {
        double celsius;
        double ferritC;
        const char* why;
    };
    const Case cases[] = {
        { 723, kP, "at the eutectoid line its ferrite holds P's 0.02 %: 88.3 % ferrite, 11.7 % cementite" },
        { 20, 0, "at room temperature its ferrite holds nothing: (6.67 − 0.8) / 6.67 = 88.0 % ferrite" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const std::vector<PhaseShare> p = pearlitePhases(c.celsius);
        ASSERT_EQ(names(p), "Ferrit + Zementit");
        EXPECT_DOUBLE_EQ(p[0].carbon, c.ferritC);
        EXPECT_DOUBLE_EQ(p[1].carbon, kFe3C);
        EXPECT_NEAR(p[0].share, (kFe3C - kS) / (kFe3C - c.ferritC), 1e-12);
        EXPECT_NEAR(p[0].share * p[0].carbon + p[1].share * p[1].carbon, kS, 1e-12);
    }
}
