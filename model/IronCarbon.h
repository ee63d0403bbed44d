// The iron–carbon system in % C and °C, metastable (iron–cementite) and stable (iron–graphite):
// its characteristic points, the lines between them, the phases and their shares at any point by
// the lever rule, and the constituents an alloy shows after slow cooling.
#pragma once

#include <iterator>
#include <optional>
#include <span>
#include <vector>

namespace wb::model::ekd {

// A point of the diagram: carbon content in % by mass and temperature in °C.
struct State {
    double carbon;
    double celsius;
};

enum class System { Metastable, Stable };

// --- Characteristic points -------------------------------------------------------------------

// The temperatures the diagram names.
inline constexpr double kSchmelzpunkt = 1536; // A, iron melts
inline constexpr double kPeritektikale = 1493; // H–J–B
inline constexpr double kDeltaGamma = 1392; // N, δ-iron to γ-iron
inline constexpr double kGammaAlpha = 911; // G, γ-iron to α-iron
inline constexpr double kCuriepunkt = 769; // M–O, the magnetic change
inline constexpr double kEutektoid = 723; // P–S–K
inline constexpr double kEutektikale = 1147; // E–C–F
inline constexpr double kZementitLiquidus = 1320; // D
inline constexpr double kStabilEutektoid = 738; // P´–S´–K´
inline constexpr double kStabilEutektikale = 1153; // E´–C´–F´

// The compositions of the phases at the ends of every tie line that reaches them.
inline constexpr double kZementitC = 6.67; // Fe3C
inline constexpr double kGraphitC = 100;

// The lowest temperature the diagram's lines reach: Q, where the solubility of carbon in ferrite
// has fallen to nothing on the iron axis. Below it ferrite holds no carbon.
inline constexpr double kTiefsteTemperatur = 500;

// The points by their letters; a trailing s is the stroke of the stable system (Ps is P´).
enum class Point { A, B, H, J, N, G, M, O, P, S, K, Q, L, E, C, F, D, Ps, Ss, Ks, Es, Cs, Fs, Ds };
inline constexpr int kPointCount = int(Point::Ds) + 1;

namespace detail {
// clang-format off
// In the order of the enumeration. The compositions of the stable system's points are the rounded
// ones the diagram draws (S´ 0.7, E´ 2.0, C´ 4.2 % C); D´ is where the stable liquidus leaves the
// diagram at its top.
inline constexpr State kPoints[] = {
    { 0,     kSchmelzpunkt },      // A
    { 0.53,  kPeritektikale },     // B
    { 0.10,  kPeritektikale },     // H
    { 0.16,  kPeritektikale },     // J
    { 0,     kDeltaGamma },        // N
    { 0,     kGammaAlpha },        // G
    { 0,     kCuriepunkt },        // M
    { 0.5,   kCuriepunkt },        // O, where the magnetic change meets G–S
    { 0.02,  kEutektoid },         // P
    { 0.8,   kEutektoid },         // S
    { kZementitC, kEutektoid },    // K
    { 0,     kTiefsteTemperatur }, // Q
    { kZementitC, kTiefsteTemperatur }, // L
    { 2.06,  kEutektikale },       // E
    { 4.3,   kEutektikale },       // C
    { kZementitC, kEutektikale },  // F
    { kZementitC, kZementitLiquidus }, // D
    { 0.02,  kStabilEutektoid },   // P´
    { 0.7,   kStabilEutektoid },   // S´
    { kZementitC, kStabilEutektoid }, // K´
    { 2.0,   kStabilEutektikale }, // E´
    { 4.2,   kStabilEutektikale }, // C´
    { kZementitC, kStabilEutektikale }, // F´
    { 5.4,   1600 },               // D´
};
// clang-format on
static_assert(std::size(kPoints) == kPointCount);
} // namespace detail

constexpr State at(Point p)
{
    return detail::kPoints[int(p)];
}

// --- Lines -----------------------------------------------------------------------------------

// The lines of both systems, each from its first point to its last in the order the diagram draws
// them. The stable system shares the lines of the δ corner (AB, AH, HN, JN, HJB) and MO.
enum class Line {
    // Metastable.
    AB, // liquidus of δ-ferrite
    AH, // solidus of δ-ferrite
    HN, // δ / δ + γ
    JN, // δ + γ / γ
    HJB, // the peritectic horizontal
    JE, // solidus of austenite
    BC, // liquidus of austenite
    CD, // liquidus of cementite
    ECF, // the eutectic horizontal
    SG, // A3, G–S: austenite / austenite + ferrite
    SE, // Acm: austenite / austenite + cementite
    PG, // ferrite / ferrite + austenite
    QP, // solubility of carbon in ferrite
    PSK, // the eutectoid horizontal
    MO, // the magnetic change
    SUnten, // the eutectoid composition below S
    EUnten, // the largest solubility in austenite below E
    CUnten, // the eutectic composition below C
    // Stable.
    PsSsKs,
    EsCsFs,
    SsEs, // austenite / austenite + graphite
    CsDs, // liquidus of graphite
    QPs,
    PsG,
    SsG,
    BCs, // liquidus of austenite
    JEs, // solidus of austenite
};
inline constexpr int kLineCount = int(Line::JEs) + 1;

// A vertex of a line: a characteristic point or a point between them.
struct Vertex {
    State at;
    std::optional<Point> point;
};

std::span<const Vertex> vertices(Line l);

// The carbon content of a line at a temperature, where the line reaches it (lines that run across
// temperatures: liquidus, solidus, solubility lines); nothing for a horizontal or outside it.
std::optional<double> carbonAt(Line l, double celsius);
// The temperature of a line at a carbon content, where the line reaches it (a line that runs across
// compositions); nothing for a vertical or outside it.
std::optional<double> celsiusAt(Line l, double carbon);

// --- Phases ----------------------------------------------------------------------------------

enum class Phase { Schmelze, DeltaFerrit, Austenit, Ferrit, Zementit, Graphit };

// A phase present at a point: its carbon content and its share of the alloy (0 … 1).
struct PhaseShare {
    Phase phase;
    double carbon;
    double share;
};

// The phases at a point with their compositions and shares by the lever rule: one phase in a
// one-phase field, two in a two-phase field, the leaner first. A temperature on a horizontal
// belongs to the field below it: the reaction there has run. Carbon outside 0 … 6.67 % or a
// temperature outside 0 … 1600 °C is a programmer error.
std::vector<PhaseShare> phases(System s, State p);

// The tie line through a point of a two-phase field: the leaner phase's end first, each with the
// boundary line it lies on (nothing for a pure phase: cementite, graphite, ferrite below Q).
struct TieLine {
    PhaseShare lean;
    PhaseShare rich;
    std::optional<Line> leanLine;
    std::optional<Line> richLine;
};
std::optional<TieLine> tieLine(System s, State p);

// --- Constituents ----------------------------------------------------------------------------

// What the micrograph shows: the phases as they formed while the alloy cooled.
enum class Constituent {
    Schmelze,
    DeltaFerrit,
    Austenit, // in one-phase austenite, the primary austenite beside ledeburite, or beside ferrite
    Ferrit, // ferrite that is all there is (up to P)
    VoreutektoiderFerrit,
    Perlit,
    Sekundaerzementit,
    Tertiaerzementit,
    Ledeburit,
    UmgewandelterLedeburit, // ledeburite whose austenite has turned into pearlite
    Primaerzementit,
    // Stable.
    Primaergraphit, // graphite crystallised from the melt right of C´
    Sekundaergraphit, // graphite the austenite gives off along S´–E´
    Graphiteutektikum, // austenite and graphite crystallised together at 1153 °C
    Graphit, // below 738 °C: all the graphite, in a matrix of ferrite
};

struct ConstituentShare {
    Constituent constituent;
    double share;
};

// The constituents of a metastable alloy slowly cooled from the melt to `p.celsius`, with their
// shares (0 … 1, summing to 1), in the order they formed. Secondary cementite that leaves the
// austenite of ledeburite stays part of the ledeburite, as in the micrograph; tertiary cementite
// is counted where ferrite gives it off, however little.
std::vector<ConstituentShare> constituents(State p);

// The constituents in either system. In the stable system the melt and the austenite give off
// graphite where the metastable system forms cementite: primary graphite right of C´, the graphite
// eutectic at 1153 °C, secondary graphite along S´–E´. At 738 °C the austenite falls into ferrite
// and graphite, and the graphite it gives off grows on the graphite already there: below the
// stable eutectoid the alloy is ferrite and graphite, with the shares of the phases.
std::vector<ConstituentShare> constituents(System s, State p);

// The phases of pearlite itself at or below the eutectoid line: ferrite of the composition the
// temperature allows and cementite, in S's proportions (0.8 % C) by the lever rule.
std::vector<PhaseShare> pearlitePhases(double celsius);

// --- Cooling ---------------------------------------------------------------------------------

// An alloy cooled slowly from 1600 °C to room temperature with its heat drawn off at a steady
// rate: its temperature falls by the heat drawn off over the heat capacity, except where a phase
// forms and gives off its latent heat. Each phase carries a latent heat by which it holds more
// than ferrite, cementite and graphite at the same temperature: austenite the heat its
// decomposition gives off, δ-ferrite that and the heat of δ to γ, the melt both and the heat of
// fusion. The heat an alloy holds is the sum over its phases, share by the lever rule times
// latent heat, so a two-phase field flattens the curve (a kink where it begins) and a horizontal,
// where the shares change at one temperature, halts it for as long as its latent heat takes to
// draw off: the more of the phase forms there, the longer.
inline constexpr double kRaumtemperatur = 20;
inline constexpr double kWaermekapazitaet = 0.7; // J/(g K), iron between 500 and 1600 °C
inline constexpr double kSchmelzwaerme = 247; // J/g, iron's heat of fusion, 13.8 kJ/mol
inline constexpr double kUmwandlungswaerme = 82; // J/g, austenite to pearlite (19.6 cal/g, Hagel, Pound, Mehl 1956)
inline constexpr double kDeltaGammaWaerme = 15; // J/g, δ-iron to γ-iron, 0.84 kJ/mol
// The heat drawn off per second: a run from 1600 °C to room temperature takes some 40 s.
inline constexpr double kWaermeabfuhr = 36; // J/(g s)

// The heat an alloy holds at a point, in J/g above ferrite with cementite or graphite at 0 °C.
double enthalpy(System s, State p);

// A point of a cooling curve.
struct CurvePoint {
    double seconds;
    double celsius;
};
// A halt on a horizontal (for pure iron also at its transformation points): the temperature and
// when the halt begins and ends.
struct Arrest {
    double celsius;
    double start;
    double end;
};
struct CoolingCurve {
    System system;
    double carbon;
    // From 1600 °C at 0 s down to room temperature, a vertex wherever the curve bends; an arrest
    // is a horizontal piece of two vertices.
    std::vector<CurvePoint> points;
    std::vector<Arrest> arrests;
    double duration() const { return points.back().seconds; }
};
CoolingCurve coolingCurve(System s, double carbon);

// Where a cooling alloy is at a moment: its temperature and how far the reaction of an arrest has
// run (0 … 1; 1 off the arrests).
struct CoolingMoment {
    double celsius;
    double reacted = 1;
};
CoolingMoment momentAt(const CoolingCurve& curve, double seconds);
// When the alloy first reaches a temperature (on an arrest, when the arrest begins).
double secondsAt(const CoolingCurve& curve, double celsius);

// The phases and constituents at a moment of a cooling run. On an arrest those of the field above
// the horizontal give way to those below it in proportion to the reaction; elsewhere they are
// those of the point.
std::vector<PhaseShare> phasesAt(System s, double carbon, CoolingMoment m);
std::vector<ConstituentShare> constituentsAt(System s, double carbon, CoolingMoment m);
// The tie line at a moment: on an arrest the horizontal from the leanest phase to the richest of
// both fields, otherwise the point's own tie line.
std::optional<TieLine> tieLineAt(System s, double carbon, CoolingMoment m);

} // namespace wb::model::ekd
