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

} // namespace wb::model::ekd
