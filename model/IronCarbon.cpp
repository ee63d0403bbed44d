// The iron–carbon system: points, lines, phases by the lever rule and the constituents of slow
// cooling.
#include "model/IronCarbon.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cmath>
#include <functional>

namespace wb::model::ekd {

namespace {

constexpr Vertex v(Point p)
{
    return { at(p), p };
}

constexpr Vertex v(double carbon, double celsius)
{
    return { { carbon, celsius }, std::nullopt };
}

// A point's composition at the diagram's lowest temperature.
constexpr Vertex below(Point p)
{
    return v(at(p).carbon, kTiefsteTemperatur);
}

template <size_t N> using Vertices = std::array<Vertex, N>;

// The first `N - 1` vertices of a line, then `end`: the stable lines that follow a metastable one
// until they turn towards their own point.
template <size_t N, size_t M> constexpr Vertices<N> prefixThen(const Vertices<M>& line, Vertex end)
{
    static_assert(N >= 2 && N - 1 <= M);
    Vertices<N> out {};
    for (size_t i = 0; i + 1 < N; ++i)
        out[i] = line[i];
    out[N - 1] = end;
    return out;
}

// `start`, then the vertices of a line from index `from` on.
template <size_t N, size_t M> constexpr Vertices<N> startThen(Vertex start, const Vertices<M>& line, size_t from)
{
    static_assert(N >= 2);
    Vertices<N> out {};
    out[0] = start;
    for (size_t i = 1; i < N; ++i)
        out[i] = line[from + i - 1];
    return out;
}

using enum Point;

// clang-format off
// The curved lines between their points, as the diagram draws them: compositions in steps of the
// drawing's grid, temperatures to a degree.
constexpr Vertices<6> kAB { { v(A), v(0.1, 1531), v(0.2, 1526), v(0.3, 1518), v(0.37, 1511), v(B) } };
constexpr Vertices<11> kJE { { v(J), v(0.4, 1453), v(0.58, 1415), v(0.76, 1375), v(0.94, 1333), v(1.12, 1296),
                                v(1.3, 1263), v(1.48, 1230), v(1.66, 1200), v(1.86, 1172), v(E) } };
constexpr Vertices<19> kBC { { v(B), v(0.8, 1475), v(1.0, 1464), v(1.2, 1451), v(1.4, 1437), v(1.6, 1424),
                                v(1.8, 1413), v(2.0, 1399), v(2.2, 1385), v(2.4, 1367), v(2.6, 1348), v(2.8, 1325),
                                v(3.0, 1300), v(3.2, 1277), v(3.4, 1254), v(3.6, 1227), v(3.8, 1203), v(4.0, 1177),
                                v(C) } };
constexpr Vertices<13> kCD { { v(C), v(4.5, 1165), v(4.7, 1187), v(4.9, 1210), v(5.1, 1230), v(5.3, 1249),
                                v(5.5, 1263), v(5.7, 1275), v(5.9, 1287), v(6.1, 1296), v(6.3, 1306), v(6.5, 1313),
                                v(D) } };
constexpr Vertices<9> kSG { { v(S), v(0.7, 739), v(0.6, 753), v(0.5, 772), v(0.4, 792), v(0.3, 816), v(0.2, 840),
                               v(0.1, 874), v(G) } };
constexpr Vertices<7> kSE { { v(S), v(1.01, 821), v(1.22, 902), v(1.43, 972), v(1.64, 1038), v(1.85, 1098), v(E) } };

constexpr Vertices<7> kSsEs { { v(Ss), v(0.85, 809), v(1.03, 879), v(1.22, 949), v(1.44, 1019), v(1.7, 1089),
                                 v(Es) } };
constexpr Vertices<11> kCsDs { { v(Cs), v(4.32, 1200), v(4.44, 1254), v(4.56, 1304), v(4.68, 1350), v(4.8, 1399),
                                  v(4.92, 1440), v(5.04, 1482), v(5.16, 1517), v(5.28, 1553), v(Ds) } };
// The stable A3 line follows G–S from 0.6 % C on; the stable liquidus follows B–C up to 3.8 % C, the
// stable solidus J–E up to 1.86 % C, each then turning to its own point.
constexpr Vertices<8> kSsG = startThen<8>(v(Ss), kSG, 2);
constexpr Vertices<18> kBCs = prefixThen<18>(kBC, v(Cs));
constexpr Vertices<11> kJEs = prefixThen<11>(kJE, v(Es));

// The straight lines.
constexpr Vertices<2> kAH { { v(A), v(H) } };
constexpr Vertices<2> kHN { { v(H), v(N) } };
constexpr Vertices<2> kJN { { v(J), v(N) } };
constexpr Vertices<2> kHJB { { v(H), v(B) } };
constexpr Vertices<2> kECF { { v(E), v(F) } };
constexpr Vertices<2> kPG { { v(P), v(G) } };
constexpr Vertices<2> kQP { { v(Q), v(P) } };
constexpr Vertices<2> kPSK { { v(P), v(K) } };
constexpr Vertices<2> kMO { { v(M), v(O) } };
constexpr Vertices<2> kSUnten { { v(S), below(S) } };
constexpr Vertices<2> kEUnten { { v(E), below(E) } };
constexpr Vertices<2> kCUnten { { v(C), below(C) } };
constexpr Vertices<2> kPsSsKs { { v(Ks), v(Ps) } };
constexpr Vertices<2> kEsCsFs { { v(Es), v(Fs) } };
constexpr Vertices<2> kQPs { { v(Q), v(Ps) } };
constexpr Vertices<2> kPsG { { v(Ps), v(G) } };
// clang-format on

// The lever rule between two compositions.
double richShare(double carbon, double lean, double rich)
{
    return (carbon - lean) / (rich - lean);
}

// A boundary's composition at a temperature its field lies at. The fields are chosen so that the
// boundary reaches it; a temperature a rounding beyond its end reads the end.
double on(Line l, double celsius)
{
    const std::span<const Vertex> line = vertices(l);
    const auto [low, high] = std::minmax(line.front().at.celsius, line.back().at.celsius);
    assert(celsius >= low - 1e-9 && celsius <= high + 1e-9 && "the boundary must reach this temperature");
    return *carbonAt(l, std::clamp(celsius, low, high));
}

// The phases at a point and, in a two-phase field, the boundaries its tie line ends on.
struct Field {
    std::vector<PhaseShare> phases;
    std::optional<Line> leanLine;
    std::optional<Line> richLine;
};

Field one(Phase p, double carbon)
{
    return { { { p, carbon, 1.0 } }, std::nullopt, std::nullopt };
}

// A phase at the end of a tie line: its composition and the boundary it lies on, if any.
struct End {
    Phase phase;
    double carbon;
    std::optional<Line> line;
};

Field two(End lean, End rich, double carbon)
{
    const double r = std::clamp(richShare(carbon, lean.carbon, rich.carbon), 0.0, 1.0);
    return { { { lean.phase, lean.carbon, 1.0 - r }, { rich.phase, rich.carbon, r } }, lean.line, rich.line };
}

End boundary(Phase p, Line l, double celsius)
{
    return { p, on(l, celsius), l };
}

End pure(Phase p, double carbon)
{
    return { p, carbon, std::nullopt };
}

// Ferrite below the eutectoid line: its composition on Q–P, or, below Q, on the iron axis.
End ferritUnten(System s, double celsius)
{
    if (celsius < kTiefsteTemperatur)
        return pure(Phase::Ferrit, 0);
    return boundary(Phase::Ferrit, s == System::Metastable ? Line::QP : Line::QPs, celsius);
}

// The fields both systems share above the peritectic horizontal and down to N: δ-ferrite, melt and
// austenite around the iron axis. Nothing when the point lies right of them.
std::optional<Field> deltaCorner(State p)
{
    const double c = p.carbon, t = p.celsius;
    if (t > kPeritektikale) {
        if (t >= kSchmelzpunkt)
            return c == 0 && t == kSchmelzpunkt ? one(Phase::DeltaFerrit, 0) : one(Phase::Schmelze, c);
        const End delta = boundary(Phase::DeltaFerrit, Line::AH, t);
        const End melt = boundary(Phase::Schmelze, Line::AB, t);
        if (c <= delta.carbon)
            return one(Phase::DeltaFerrit, c);
        if (c < melt.carbon)
            return two(delta, melt, c);
        return std::nullopt;
    }
    if (t > kDeltaGamma) {
        const End delta = boundary(Phase::DeltaFerrit, Line::HN, t);
        const End gamma = boundary(Phase::Austenit, Line::JN, t);
        if (c <= delta.carbon)
            return one(Phase::DeltaFerrit, c);
        if (c < gamma.carbon)
            return two(delta, gamma, c);
    }
    return std::nullopt;
}

// The lines that differ between the systems.
struct SystemLines {
    double eutektikale;
    double eutektoid;
    Line solidus; // J–E
    Line liquidus; // B–C
    Line a3; // G–S
    Line ferrit; // P–G
    Line acm; // S–E
    Phase rich; // cementite or graphite
    double richC;
};
constexpr SystemLines kMetastabil { kEutektikale, kEutektoid, Line::JE, Line::BC, Line::SG, Line::PG, Line::SE,
    Phase::Zementit, kZementitC };
constexpr SystemLines kStabil { kStabilEutektikale, kStabilEutektoid, Line::JEs, Line::BCs, Line::SsG, Line::PsG,
    Line::SsEs, Phase::Graphit, kGraphitC };

Field field(System s, State p)
{
    const SystemLines& l = s == System::Metastable ? kMetastabil : kStabil;
    const double c = p.carbon, t = p.celsius;
    const End rich = pure(l.rich, l.richC);
    // Primary cementite (up to D) or graphite separates from the melt right of C–D or C´–D´.
    if (s == System::Metastable && t > kEutektikale && t <= kZementitLiquidus && c > on(Line::CD, t))
        return two(boundary(Phase::Schmelze, Line::CD, t), rich, c);
    if (s == System::Stable && t > kStabilEutektikale && c > on(Line::CsDs, t))
        return two(boundary(Phase::Schmelze, Line::CsDs, t), rich, c);
    if (auto corner = deltaCorner(p))
        return *corner;
    if (t > kPeritektikale)
        return one(Phase::Schmelze, c);
    if (t > l.eutektikale) {
        const End solidus = boundary(Phase::Austenit, l.solidus, t);
        const End liquidus = boundary(Phase::Schmelze, l.liquidus, t);
        if (c <= solidus.carbon)
            return one(Phase::Austenit, c);
        if (c < liquidus.carbon)
            return two(solidus, liquidus, c);
        return one(Phase::Schmelze, c);
    }
    if (t > l.eutektoid) {
        if (t <= kGammaAlpha && c <= on(l.a3, t)) {
            const End ferrit = boundary(Phase::Ferrit, l.ferrit, t);
            if (c <= ferrit.carbon)
                return one(Phase::Ferrit, c);
            return two(ferrit, boundary(Phase::Austenit, l.a3, t), c);
        }
        const End austenit = boundary(Phase::Austenit, l.acm, t);
        if (c <= austenit.carbon)
            return one(Phase::Austenit, c);
        return two(austenit, rich, c);
    }
    const End ferrit = ferritUnten(s, t);
    if (c <= ferrit.carbon)
        return one(Phase::Ferrit, c);
    return two(ferrit, rich, c);
}

void checkRange(State p)
{
    assert(p.carbon >= 0 && p.carbon <= kZementitC && "carbon content outside the diagram");
    assert(p.celsius >= 0 && p.celsius <= 1600 && "temperature outside the diagram");
    (void)p;
}

// Shares that are left out: a phase or constituent of which nothing is there.
template <class T> std::vector<T> present(std::vector<T> items)
{
    std::erase_if(items, [](const T& item) { return item.share <= 0; });
    return items;
}

} // namespace

std::span<const Vertex> vertices(Line l)
{
    switch (l) {
    case Line::AB:
        return kAB;
    case Line::AH:
        return kAH;
    case Line::HN:
        return kHN;
    case Line::JN:
        return kJN;
    case Line::HJB:
        return kHJB;
    case Line::JE:
        return kJE;
    case Line::BC:
        return kBC;
    case Line::CD:
        return kCD;
    case Line::ECF:
        return kECF;
    case Line::SG:
        return kSG;
    case Line::SE:
        return kSE;
    case Line::PG:
        return kPG;
    case Line::QP:
        return kQP;
    case Line::PSK:
        return kPSK;
    case Line::MO:
        return kMO;
    case Line::SUnten:
        return kSUnten;
    case Line::EUnten:
        return kEUnten;
    case Line::CUnten:
        return kCUnten;
    case Line::PsSsKs:
        return kPsSsKs;
    case Line::EsCsFs:
        return kEsCsFs;
    case Line::SsEs:
        return kSsEs;
    case Line::CsDs:
        return kCsDs;
    case Line::QPs:
        return kQPs;
    case Line::PsG:
        return kPsG;
    case Line::SsG:
        return kSsG;
    case Line::BCs:
        return kBCs;
    case Line::JEs:
        break;
    }
    return kJEs;
}

std::optional<double> carbonAt(Line l, double celsius)
{
    const std::span<const Vertex> line = vertices(l);
    for (size_t i = 0; i + 1 < line.size(); ++i) {
        const State a = line[i].at, b = line[i + 1].at;
        if (a.celsius == b.celsius)
            continue;
        if (celsius < std::min(a.celsius, b.celsius) || celsius > std::max(a.celsius, b.celsius))
            continue;
        return a.carbon + (b.carbon - a.carbon) * (celsius - a.celsius) / (b.celsius - a.celsius);
    }
    return std::nullopt;
}

std::optional<double> celsiusAt(Line l, double carbon)
{
    const std::span<const Vertex> line = vertices(l);
    for (size_t i = 0; i + 1 < line.size(); ++i) {
        const State a = line[i].at, b = line[i + 1].at;
        if (a.carbon == b.carbon)
            continue;
        if (carbon < std::min(a.carbon, b.carbon) || carbon > std::max(a.carbon, b.carbon))
            continue;
        return a.celsius + (b.celsius - a.celsius) * (carbon - a.carbon) / (b.carbon - a.carbon);
    }
    return std::nullopt;
}

std::vector<PhaseShare> phases(System s, State p)
{
    checkRange(p);
    return present(field(s, p).phases);
}

std::optional<TieLine> tieLine(System s, State p)
{
    checkRange(p);
    const Field f = field(s, p);
    if (f.phases.size() != 2)
        return std::nullopt;
    return TieLine { f.phases[0], f.phases[1], f.leanLine, f.richLine };
}

std::vector<ConstituentShare> constituents(State p)
{
    checkRange(p);
    const double c = p.carbon, t = p.celsius;
    const State e = at(Point::E), cPoint = at(Point::C), s = at(Point::S), pPoint = at(Point::P);
    // The share of the primary austenite or cementite beside the ledeburite that forms at 1147 °C.
    const double primaerAustenit = richShare(c, cPoint.carbon, e.carbon);
    const double primaerZementit = richShare(c, cPoint.carbon, kZementitC);

    if (t > kEutektikale) {
        // Melt and what crystallises from it, as the phases are.
        std::vector<ConstituentShare> out;
        for (const PhaseShare& ph : field(System::Metastable, p).phases) {
            switch (ph.phase) {
            case Phase::Schmelze:
                out.push_back({ Constituent::Schmelze, ph.share });
                break;
            case Phase::DeltaFerrit:
                out.push_back({ Constituent::DeltaFerrit, ph.share });
                break;
            case Phase::Austenit:
                out.push_back({ Constituent::Austenit, ph.share });
                break;
            case Phase::Zementit:
                out.push_back({ Constituent::Primaerzementit, ph.share });
                break;
            case Phase::Ferrit:
            case Phase::Graphit:
                assert(false && "no ferrite or graphite above the eutectic");
                break;
            }
        }
        return present(out);
    }

    if (c >= cPoint.carbon) {
        const Constituent ledeburit = t > kEutektoid ? Constituent::Ledeburit : Constituent::UmgewandelterLedeburit;
        return present<ConstituentShare>(
            { { Constituent::Primaerzementit, primaerZementit }, { ledeburit, 1 - primaerZementit } });
    }

    if (t > kEutektoid) {
        if (c > e.carbon) {
            // The primary austenite gives off secondary cementite as its carbon content follows E–S.
            const double austenit = on(Line::SE, t);
            const double sekundaer = primaerAustenit * richShare(e.carbon, austenit, kZementitC);
            return present<ConstituentShare>({ { Constituent::Austenit, primaerAustenit - sekundaer },
                { Constituent::Sekundaerzementit, sekundaer }, { Constituent::Ledeburit, 1 - primaerAustenit } });
        }
        std::vector<ConstituentShare> out;
        for (const PhaseShare& ph : field(System::Metastable, p).phases) {
            switch (ph.phase) {
            case Phase::Ferrit:
                out.push_back({ ph.share < 1 ? Constituent::VoreutektoiderFerrit : Constituent::Ferrit, ph.share });
                break;
            case Phase::Austenit:
                out.push_back({ Constituent::Austenit, ph.share });
                break;
            case Phase::Zementit:
                out.push_back({ Constituent::Sekundaerzementit, ph.share });
                break;
            case Phase::Schmelze:
            case Phase::DeltaFerrit:
            case Phase::Graphit:
                assert(false && "no melt, δ-ferrite or graphite between the eutectic and the eutectoid");
                break;
            }
        }
        return present(out);
    }

    // Below the eutectoid line: ferrite that held P's carbon at 723 °C gives off tertiary cementite
    // as its solubility falls along P–Q.
    const double loeslich = ferritUnten(System::Metastable, t).carbon;
    const double tertiaerAus = richShare(pPoint.carbon, loeslich, kZementitC);
    if (c <= pPoint.carbon) {
        const double tertiaer = std::max(0.0, richShare(c, loeslich, kZementitC));
        return present<ConstituentShare>(
            { { Constituent::Ferrit, 1 - tertiaer }, { Constituent::Tertiaerzementit, tertiaer } });
    }
    if (c < s.carbon) {
        const double ferrit = 1 - richShare(c, pPoint.carbon, s.carbon);
        const double tertiaer = ferrit * tertiaerAus;
        return present<ConstituentShare>({ { Constituent::VoreutektoiderFerrit, ferrit - tertiaer },
            { Constituent::Perlit, 1 - ferrit }, { Constituent::Tertiaerzementit, tertiaer } });
    }
    if (c <= e.carbon) {
        const double sekundaer = richShare(c, s.carbon, kZementitC);
        return present<ConstituentShare>(
            { { Constituent::Perlit, 1 - sekundaer }, { Constituent::Sekundaerzementit, sekundaer } });
    }
    // The primary austenite has given off all the secondary cementite it can down to S, and the
    // rest of it is pearlite.
    const double sekundaer = primaerAustenit * richShare(e.carbon, s.carbon, kZementitC);
    return present<ConstituentShare>({ { Constituent::Perlit, primaerAustenit - sekundaer },
        { Constituent::Sekundaerzementit, sekundaer }, { Constituent::UmgewandelterLedeburit, 1 - primaerAustenit } });
}

std::vector<ConstituentShare> constituents(System s, State p)
{
    if (s == System::Metastable)
        return constituents(p);
    checkRange(p);
    const double c = p.carbon, t = p.celsius;
    const double es = at(Point::Es).carbon, cs = at(Point::Cs).carbon;
    // The share of the primary austenite or graphite beside the graphite eutectic of 1153 °C.
    const double primaerAustenit = richShare(c, cs, es);
    const double primaerGraphit = richShare(c, cs, kGraphitC);
    auto named = [](const std::vector<PhaseShare>& phases, Constituent graphit) {
        std::vector<ConstituentShare> out;
        for (const PhaseShare& ph : phases) {
            switch (ph.phase) {
            case Phase::Schmelze:
                out.push_back({ Constituent::Schmelze, ph.share });
                break;
            case Phase::DeltaFerrit:
                out.push_back({ Constituent::DeltaFerrit, ph.share });
                break;
            case Phase::Austenit:
                out.push_back({ Constituent::Austenit, ph.share });
                break;
            case Phase::Ferrit:
                out.push_back({ ph.share < 1 ? Constituent::VoreutektoiderFerrit : Constituent::Ferrit, ph.share });
                break;
            case Phase::Graphit:
                out.push_back({ graphit, ph.share });
                break;
            case Phase::Zementit:
                assert(false && "no cementite in the stable system");
                break;
            }
        }
        return present(out);
    };

    if (t > kStabilEutektikale)
        return named(field(System::Stable, p).phases, Constituent::Primaergraphit);
    if (t <= kStabilEutektoid) {
        std::vector<ConstituentShare> out = named(field(System::Stable, p).phases, Constituent::Graphit);
        // Below the eutectoid the ferrite is no longer pro-eutectoid: it is all the ferrite.
        for (ConstituentShare& k : out)
            if (k.constituent == Constituent::VoreutektoiderFerrit)
                k.constituent = Constituent::Ferrit;
        return out;
    }
    if (c >= cs)
        return present<ConstituentShare>({ { Constituent::Primaergraphit, primaerGraphit },
            { Constituent::Graphiteutektikum, 1 - primaerGraphit } });
    if (c > es) {
        // The primary austenite gives off secondary graphite as its carbon content follows E´–S´.
        const double austenit = on(Line::SsEs, t);
        const double sekundaer = primaerAustenit * richShare(es, austenit, kGraphitC);
        return present<ConstituentShare>({ { Constituent::Austenit, primaerAustenit - sekundaer },
            { Constituent::Sekundaergraphit, sekundaer }, { Constituent::Graphiteutektikum, 1 - primaerAustenit } });
    }
    return named(field(System::Stable, p).phases, Constituent::Sekundaergraphit);
}

std::vector<PhaseShare> pearlitePhases(double celsius)
{
    assert(celsius <= kEutektoid && "pearlite forms at the eutectoid line");
    const End ferrit = ferritUnten(System::Metastable, celsius);
    const double zementit = richShare(at(Point::S).carbon, ferrit.carbon, kZementitC);
    return { { Phase::Ferrit, ferrit.carbon, 1 - zementit }, { Phase::Zementit, kZementitC, zementit } };
}

// --- Cooling ---------------------------------------------------------------------------------

namespace {

double latentHeat(Phase p)
{
    switch (p) {
    case Phase::Schmelze:
        return kSchmelzwaerme + kDeltaGammaWaerme + kUmwandlungswaerme;
    case Phase::DeltaFerrit:
        return kDeltaGammaWaerme + kUmwandlungswaerme;
    case Phase::Austenit:
        return kUmwandlungswaerme;
    case Phase::Ferrit:
    case Phase::Zementit:
    case Phase::Graphit:
        break;
    }
    return 0;
}

// A little above a temperature: the field above a horizontal, before its reaction.
constexpr double kAbove = 1e-7;
constexpr double kTop = 1600;

// The temperatures at which an alloy's phases may change at one temperature: the system's
// horizontals, and for iron itself its melting and transformation points.
std::vector<double> haltTemperatures(System s)
{
    if (s == System::Metastable)
        return { kSchmelzpunkt, kPeritektikale, kDeltaGamma, kEutektikale, kGammaAlpha, kEutektoid };
    return { kSchmelzpunkt, kPeritektikale, kDeltaGamma, kStabilEutektikale, kGammaAlpha, kStabilEutektoid };
}

// The phases of a mixture of two states of one alloy: `a` weighted 1 − w, `b` weighted w, each
// phase once (at the same temperature a phase has the same composition in both), leanest first.
std::vector<PhaseShare> mixed(const std::vector<PhaseShare>& a, const std::vector<PhaseShare>& b, double w)
{
    std::vector<PhaseShare> out;
    auto add = [&](const PhaseShare& p, double weight) {
        for (PhaseShare& o : out) {
            if (o.phase == p.phase) {
                o.share += p.share * weight;
                return;
            }
        }
        out.push_back({ p.phase, p.carbon, p.share * weight });
    };
    for (const PhaseShare& p : a)
        add(p, 1 - w);
    for (const PhaseShare& p : b)
        add(p, w);
    std::stable_sort(
        out.begin(), out.end(), [](const PhaseShare& x, const PhaseShare& y) { return x.carbon < y.carbon; });
    return present(out);
}

} // namespace

double enthalpy(System s, State p)
{
    double h = kWaermekapazitaet * p.celsius;
    for (const PhaseShare& ph : phases(s, p))
        h += ph.share * latentHeat(ph.phase);
    return h;
}

CoolingCurve coolingCurve(System s, double carbon)
{
    assert(carbon >= 0 && carbon <= kZementitC && "carbon content outside the diagram");
    // The temperatures the curve is computed at: every degree, where the alloy meets a line of its
    // system (so that a kink lies where it is), and just above and at each horizontal.
    std::vector<double> temps;
    for (int t = int(kTop); t >= int(kRaumtemperatur); --t)
        temps.push_back(t);
    for (int l = 0; l < kLineCount; ++l)
        if (const std::optional<double> t = celsiusAt(Line(l), carbon))
            temps.push_back(*t);
    const std::vector<double> halts = haltTemperatures(s);
    for (double t : halts)
        temps.push_back(t + kAbove);
    std::sort(temps.begin(), temps.end(), std::greater<>());
    temps.erase(std::unique(temps.begin(), temps.end()), temps.end());
    std::erase_if(temps, [](double t) { return t > kTop || t < kRaumtemperatur; });

    CoolingCurve curve { s, carbon, {}, {} };
    const double h0 = enthalpy(s, { carbon, kTop });
    std::vector<CurvePoint> raw;
    raw.reserve(temps.size());
    for (double t : temps)
        raw.push_back({ (h0 - enthalpy(s, { carbon, t })) / kWaermeabfuhr, t });
    // A step across a horizontal's fraction of a degree is its arrest: put both its ends on the
    // horizontal.
    for (size_t i = 1; i < raw.size(); ++i) {
        for (double halt : halts) {
            if (raw[i - 1].celsius == halt + kAbove && raw[i].celsius == halt) {
                raw[i - 1].celsius = halt;
                // Without a reaction the step holds only the heat of its fraction of a degree.
                if (raw[i].seconds - raw[i - 1].seconds > 1e-6)
                    curve.arrests.push_back({ halt, raw[i - 1].seconds, raw[i].seconds });
            }
        }
    }
    // Only the vertices where the curve bends.
    for (const CurvePoint& p : raw) {
        if (curve.points.size() >= 2) {
            const CurvePoint a = curve.points[curve.points.size() - 2], b = curve.points.back();
            const double cross
                = (b.seconds - a.seconds) * (p.celsius - a.celsius) - (b.celsius - a.celsius) * (p.seconds - a.seconds);
            if (std::abs(cross) < 1e-9) {
                curve.points.back() = p;
                continue;
            }
        }
        if (!curve.points.empty() && p.seconds == curve.points.back().seconds
            && p.celsius == curve.points.back().celsius)
            continue;
        curve.points.push_back(p);
    }
    return curve;
}

CoolingMoment momentAt(const CoolingCurve& curve, double seconds)
{
    for (const Arrest& a : curve.arrests)
        if (seconds >= a.start && seconds < a.end)
            return { a.celsius, (seconds - a.start) / (a.end - a.start) };
    const std::vector<CurvePoint>& p = curve.points;
    if (seconds <= p.front().seconds)
        return { p.front().celsius };
    for (size_t i = 0; i + 1 < p.size(); ++i) {
        if (seconds <= p[i + 1].seconds && p[i + 1].seconds > p[i].seconds) {
            const double u = (seconds - p[i].seconds) / (p[i + 1].seconds - p[i].seconds);
            return { p[i].celsius + u * (p[i + 1].celsius - p[i].celsius) };
        }
    }
    return { p.back().celsius };
}

double secondsAt(const CoolingCurve& curve, double celsius)
{
    const std::vector<CurvePoint>& p = curve.points;
    if (celsius >= p.front().celsius)
        return p.front().seconds;
    for (size_t i = 0; i + 1 < p.size(); ++i) {
        if (celsius >= p[i + 1].celsius) {
            if (p[i].celsius == p[i + 1].celsius)
                return p[i].seconds;
            const double u = (p[i].celsius - celsius) / (p[i].celsius - p[i + 1].celsius);
            return p[i].seconds + u * (p[i + 1].seconds - p[i].seconds);
        }
    }
    return p.back().seconds;
}

std::vector<PhaseShare> phasesAt(System s, double carbon, CoolingMoment m)
{
    if (m.reacted >= 1)
        return phases(s, { carbon, m.celsius });
    return mixed(phases(s, { carbon, m.celsius + kAbove }), phases(s, { carbon, m.celsius }), m.reacted);
}

std::vector<ConstituentShare> constituentsAt(System s, double carbon, CoolingMoment m)
{
    if (m.reacted >= 1)
        return constituents(s, { carbon, m.celsius });
    const std::vector<ConstituentShare> above = constituents(s, { carbon, m.celsius + kAbove });
    const std::vector<ConstituentShare> below = constituents(s, { carbon, m.celsius });
    std::vector<ConstituentShare> out;
    auto add = [&](const ConstituentShare& k, double weight) {
        for (ConstituentShare& o : out) {
            if (o.constituent == k.constituent) {
                o.share += k.share * weight;
                return;
            }
        }
        out.push_back({ k.constituent, k.share * weight });
    };
    for (const ConstituentShare& k : above)
        add(k, 1 - m.reacted);
    for (const ConstituentShare& k : below)
        add(k, m.reacted);
    return present(out);
}

std::optional<TieLine> tieLineAt(System s, double carbon, CoolingMoment m)
{
    if (m.reacted >= 1)
        return tieLine(s, { carbon, m.celsius });
    std::optional<TieLine> above = tieLine(s, { carbon, m.celsius + kAbove });
    const std::optional<TieLine> below = tieLine(s, { carbon, m.celsius });
    if (!above)
        return below;
    if (!below)
        return above;
    // The ends at the horizontal's temperature, the shares those of the mixture.
    TieLine out = below->lean.carbon <= above->lean.carbon ? *below : *above;
    const TieLine& richer = below->rich.carbon >= above->rich.carbon ? *below : *above;
    out.rich = richer.rich;
    out.richLine = richer.richLine;
    for (const PhaseShare& p : phasesAt(s, carbon, m)) {
        if (p.phase == out.lean.phase)
            out.lean.share = p.share;
        if (p.phase == out.rich.phase)
            out.rich.share = p.share;
    }
    return out;
}

} // namespace wb::model::ekd
