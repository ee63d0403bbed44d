// The binary phase diagrams of types 1 to 6 as data in physical units: the composition w in % B
// (0 … 100, pure A on the left) and the temperature t in °C. Each type states the temperatures it
// spans; its boundary curves, characteristic points and fields follow, and the lever rule takes
// the ends of a tie line from the same curves that bound the fields.
//
// The diagrams are schematic, as the lessons draw them: every boundary is a parabola branch, and
// each type has a plausible temperature scale of its own. Where the drawing is not exact (the
// liquidus and solidus of type 1 miss each other by 3 to 4 °C at the pure components, type 3's
// solidus lines cross the liquidus within 0.1 % of pure A and 0.4 % of pure B) the curves keep
// the drawing; the fields then have a sliver of their own or none there.
#pragma once

#include <optional>
#include <span>

namespace wb::model {

// A boundary t(w) = a·(w − b)² + c. It bounds fields between the compositions w0 < w1, where it
// runs one way: its vertex b lies outside, so that every temperature has at most one composition
// on it.
struct Curve {
    double a;
    double b;
    double c;
    double w0;
    double w1;

    constexpr double temperatureAt(double w) const
    {
        const double d = w - b;
        return a * (d * d) + c;
    }
    // The composition on [w0, w1] at temperature t; beyond the curve's temperatures, the end
    // nearer to t.
    double compositionAt(double t) const;
};

// --- The six types, each with the temperatures it spans and its curves -----------------------

// Type 1, complete solubility in the liquid and the solid state: 800 … 1500 °C. A melts at
// 1453 °C, B at 1075 °C.
namespace typ1 {
inline constexpr double tBottom = 800;
inline constexpr double tTop = 1500;
inline constexpr Curve liquidus { -0.02116, -39.3478260870, 1486, 0, 100 };
inline constexpr Curve solidus { 0.02116, 139.1304347826, 1040, 0, 100 };
} // namespace typ1

// Type 2, eutectic without solid solubility: 0 … 350 °C. A melts at 311 °C, B at 265 °C; the
// eutectic lies at 60 % B and 148 °C.
namespace typ2 {
inline constexpr double tBottom = 0;
inline constexpr double tTop = 350;
inline constexpr double eutecticT = 148;
inline constexpr double eutecticW = 60;
inline constexpr Curve liquidusA { -0.027508, -19.5652173913, 322, 0, 60 };
inline constexpr Curve liquidusB { -0.023276, 142.8260869565, 308, 60, 100 };
} // namespace typ2

// Type 3, eutectic with limited solubility: 0 … 350 °C. A melts at 311 °C, B at 264 °C; at the
// eutectic temperature of 148 °C alpha dissolves up to 20 % B, the melt has 60 % B and beta
// dissolves down to 90 % B.
namespace typ3 {
inline constexpr double tBottom = 0;
inline constexpr double tTop = 350;
inline constexpr double eutecticT = 148;
inline constexpr Curve liquidusA { -0.027508, -19.5652173913, 322, 0, 60 };
inline constexpr Curve solidusA { 0.19044, 31.5217391304, 123, 0, 20 };
inline constexpr Curve solvusA { -2.3276, 23.9130434783, 186, 14.9, 20 };
inline constexpr Curve liquidusB { -0.023276, 142.8260869565, 307, 60, 100 };
inline constexpr Curve solidusB { 0.473984, 82.6086956522, 122, 90, 100 };
inline constexpr Curve solvusB { -1.058, 78.2608695652, 295, 90, 95 };
} // namespace typ3

// Type 4, peritectic: 500 … 1200 °C. A melts at 1144 °C, B at 702 °C; at the peritectic
// temperature of 880 °C alpha with 20 % B and melt with 75 % B react to beta with 60 % B.
namespace typ4 {
inline constexpr double tBottom = 500;
inline constexpr double tTop = 1200;
inline constexpr double peritecticT = 880;
inline constexpr Curve liquidus { -0.0457056, -1.0869565217, 1144, 0, 75 };
inline constexpr Curve liquidusB { -0.033856, -17.8260869565, 1172, 75, 100 };
inline constexpr Curve solidusA { 0.304704, 31.5217391304, 840, 0, 20 };
inline constexpr Curve solvusA { -2.79312, 21.7391304348, 890, 9.9, 20 };
inline constexpr Curve solidusB { 0.04232, 133.2608695652, 654, 60, 100 };
inline constexpr Curve solvusB { -3.00472, 50.2173913043, 1182, 60, 65.3 };
} // namespace typ4

// Type 5, no solid solubility and a compound AmBn with 60 % B that melts at 564 °C: 0 … 700 °C.
// A melts at 386 °C, B at 528 °C; the eutectic of A and the compound lies at 25 % B and 240 °C,
// that of the compound and B at 80 % B and 410 °C.
namespace typ5 {
inline constexpr double tBottom = 0;
inline constexpr double tTop = 700;
inline constexpr double compoundW = 60;
inline constexpr double compoundMelting = 564;
inline constexpr Curve liquidusA { 0.055016, 65.2173913043, 152, 0, 25 };
inline constexpr Curve compoundLeft { -0.25392, 60.8695652174, 564, 25, 60 };
inline constexpr Curve compoundRight { -0.33856, 58.6956521739, 564, 60, 80 };
inline constexpr Curve liquidusB { -0.12696, 113.0434782609, 550, 80, 100 };
} // namespace typ5

// Type 6, complete solubility with a eutectoid: 300 … 1000 °C. The solid solution melts between
// 970 °C (A) and 668 °C (B); below the line A–B–C it gives off A crystals (A transforms at
// 665 °C) or B crystals (B transforms at 555 °C) down to the eutectoid at 60 % B and 440 °C.
namespace typ6 {
inline constexpr double tBottom = 300;
inline constexpr double tTop = 1000;
inline constexpr double eutectoidT = 440;
inline constexpr Curve liquidus { -0.016928, -39.1304347826, 996, 0, 100 };
inline constexpr Curve solidus { 0.016928, 139.1304347826, 640, 0, 100 };
inline constexpr Curve transformationA { 0.029624, 93.4782608696, 406, 0, 60 };
inline constexpr Curve transformationB { 0.029624, 32.6086956522, 420, 60, 100 };
} // namespace typ6

// --- Fields, characteristic points and the lever rule ----------------------------------------

enum class Phase {
    Melt,
    Alpha, // the solid solution rich in A
    Beta, // the solid solution rich in B
    A, // crystals of pure A
    B, // crystals of pure B
    Compound, // the intermediate phase AmBn of type 5
    SolidSolution, // the one solid solution of type 6
};

// The phase's name in English, for messages and tests ("melt", "alpha", "AmBn", …).
const char* phaseName(Phase p);

// The phases of a field: one, or two side by side, the one with less B on the left.
struct Phases {
    Phase left;
    Phase right;
    constexpr bool two() const { return left != right; }
};

// Where a field ends at a temperature: on a curve, or at a fixed composition (a pure component,
// the compound). The liquidus bounds the melt: where the drawing lets a solidus cross it, the
// liquidus keeps its place and the solidus gives way.
struct Edge {
    const Curve* curve;
    double w;
    bool liquidus;
    double at(double t) const { return curve ? curve->compositionAt(t) : w; }
};
constexpr Edge on(const Curve& c)
{
    return { &c, 0, false };
}
constexpr Edge onLiquidus(const Curve& c)
{
    return { &c, 0, true };
}
constexpr Edge fixedAt(double w)
{
    return { nullptr, w, false };
}

// The fields side by side across the temperatures from tLow up to the next band: field i lies
// between edges i and i + 1, the first edge at 0 % B, the last at 100 % B.
struct Band {
    double tLow;
    std::span<const Edge> edges;
    std::span<const Phases> fields;
};

enum class Reaction {
    Eutectic, // melt → left + right
    Peritectic, // left + melt → middle
    Eutectoid, // solid solution → left + right
};

// A phase and its composition.
struct PhaseAt {
    Phase phase;
    double w;
};

// A horizontal line on which three phases are in equilibrium, in the order of their composition.
// On cooling a eutectic or eutectoid turns the middle phase into the outer two, a peritectic turns
// the outer two (alpha and the melt) into the middle one.
struct Invariant {
    Reaction reaction;
    double t;
    PhaseAt left;
    PhaseAt middle;
    PhaseAt right;
};

struct PhaseDiagram {
    int type; // 1 … 6
    double tBottom; // the temperatures the diagram spans
    double tTop;
    double meltingA; // the liquidus at the pure components
    double meltingB;
    std::span<const Curve* const> curves; // every boundary
    std::span<const Invariant> invariants;
    std::span<const Band> bands; // hottest first; the last reaches down to any temperature
};

// The diagram of a type, 1 … 6.
const PhaseDiagram& phaseDiagram(int type);

// The field at (w, t) and where it ends at t: for two phases the compositions of both, the
// tie line's ends.
struct FieldAt {
    Phases phases;
    double wLeft;
    double wRight;
};
FieldAt fieldAt(const PhaseDiagram& d, double w, double t);

// The lever rule in a two-phase field: the tie line through (w, t) and the shares (0 … 1) of
// its two phases, each share proportional to the segment on the other side of w. Nothing in a
// field of one phase.
struct TieLine {
    PhaseAt left;
    PhaseAt right;
    double shareLeft;
    double shareRight;
};
std::optional<TieLine> tieLine(const PhaseDiagram& d, double w, double t);

// The invariant whose line passes through (w, t), within `tolerance` °C; null if none does.
const Invariant* invariantAt(const PhaseDiagram& d, double w, double t, double tolerance = 0);

} // namespace wb::model
