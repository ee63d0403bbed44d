// The iron–carbon system: points, lines, phases by the lever rule and the constituents of slow
// cooling.
#include "model/IronCarbon.h"

#include <algorithm>
#include <array>
#include <cassert>

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

} // namespace wb::model::ekd
