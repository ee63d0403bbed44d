// Slow cooling of an alloy through the binary phase diagrams of types 1 to 4: the phases at any
// point with their shares, the constituents (Gefüge) slow cooling has made there, and the alloy's
// cooling curve, all computed from the diagram's curves, invariant lines and lever rule.
//
// Where the drawing is not exact at the edges, the answers are made to hold together: a pure
// component is melt above its melting point (the liquidus there), solid below it and holds at it
// while it solidifies, whatever the solidus drawn beside it says; where a solidus crosses the
// liquidus (type 3 near the pure components) the alloy solidifies at once at its liquidus; on an
// invariant line the three phases take the compositions of the line's points.
#pragma once

#include "model/PhaseTypes.h"

#include <vector>

namespace wb::model {

// A phase present at a point: its composition and its share of the alloy (0 … 1).
struct PhaseShare {
    Phase phase;
    double w;
    double share;
};

// How an alloy of composition w solidifies on slow cooling.
struct Solidification {
    double w;
    double liquidusT; // the first crystals form
    double solidusT; // the last melt is gone
    // The eutectic or peritectic line the alloy's solidification meets, or null.
    const Invariant* invariant;
    // Where the temperature holds while a share of the alloy solidifies at one temperature: a pure
    // component's melting point, the invariant line, or the liquidus where the solidus meets it.
    bool arrest;
    double arrestT;
    double solidAbove; // the solid share when the arrest begins
    double solidBelow; // and when it ends
};
Solidification solidification(const PhaseDiagram& d, double w);

// The share of melt at (w, t), 0 … 1, by the lever rule; on an arrest's temperature the share
// just above it.
double meltShare(const PhaseDiagram& d, double w, double t);

// The phases at (w, t) after slow cooling, ordered by composition, each with its share. On the
// invariant line the alloy crosses, and at a pure component's melting point, the temperature
// holds while the reaction runs: `progress` (0 … 1) says how far it has run, 0 being the state on
// arrival. In a two-phase field both phases are listed, even at a share of 0 on its edge.
struct PhaseState {
    std::vector<PhaseShare> phases;
    const Invariant* invariant = nullptr; // on this line, its three phases
    bool melting = false; // a pure component at its melting point
};
PhaseState phasesAt(const PhaseDiagram& d, double w, double t, double progress = 0);

// What a student sees in the micrograph of a slowly cooled alloy.
enum class ConstituentKind {
    Melt,
    Crystals, // crystals of the one solid phase growing in the melt (the alloy meets no invariant)
    Primary, // primary crystals: grown in the melt before the alloy reaches its invariant line
    Eutectic, // the eutectic, with its own two phases
    Peritectic, // the peritectic phase formed by the reaction, a rim round the primary crystals
    FromMelt, // the peritectic phase grown from the melt left below the line
    Homogeneous, // one solid solution (or pure component) throughout
    Precipitate, // crystals precipitated from a solid solution as its solubility falls
};

struct Constituent {
    ConstituentKind kind;
    Phase phase; // its crystals' phase; the melt's is Melt, a eutectic's its left phase
    double share; // of the alloy, 0 … 1
    // A eutectic's own two phases and their shares of the eutectic at this temperature.
    PhaseShare left {};
    PhaseShare right {};
    // A precipitate: the constituent it precipitated in (an index into the list), else -1.
    int host = -1;
};

// The constituents at (w, t) after slow cooling from the melt, each with its share (the shares
// add up to 1; none of them is 0). `progress` as for phasesAt. Primary crystals keep the share
// they had when the alloy reached its invariant line; the eutectic and the peritectic phase the
// share the reaction gave them; an alloy that is once a single solid solution throughout is one
// homogeneous constituent from then on, with what precipitates from it.
std::vector<Constituent> constituentsAt(const PhaseDiagram& d, double w, double t, double progress = 0);

// --- The cooling curve --------------------------------------------------------------------

// How a sample of any alloy of a diagram cools: by Newton's law towards an environment a quarter
// of the diagram's span below its bottom, with the time constant tau, the latent heat released in
// proportion to the solid formed. The latent heat is given as the temperature drop it would take
// to remove it, three tenths of the diagram's span, so every type's curves have the same look.
struct CoolingLaw {
    double tau; // s
    double environment; // °C
    double latent; // °C
};
CoolingLaw coolingLaw(const PhaseDiagram& d);

struct CurvePoint {
    double time; // s
    double t; // °C
};

// The cooling curve of an alloy from the top of the diagram at time 0 down to its bottom: the
// points of a polyline with a corner at each kink (liquidus, solidus) and a level piece for the
// arrest, sampled densely enough to be drawn as straight pieces between them.
struct CoolingCurve {
    Solidification path;
    std::vector<CurvePoint> points;
    double arrestStart = 0; // s: the arrest, if the alloy has one
    double arrestEnd = 0;

    double endTime() const { return points.back().time; }
    // The temperature at `time` (the top before 0, the bottom after the end).
    double temperatureAt(double time) const;
    // How far the arrest's reaction has run at `time`: 0 before it, 1 after it, in between in
    // proportion to the time (the heat flows out at a steady rate while the temperature holds).
    double progressAt(double time) const;
    // The time at which the curve reaches t on cooling (the start of the arrest at its
    // temperature).
    double timeAt(double t) const;
};
CoolingCurve coolingCurve(const PhaseDiagram& d, double w);

// The time the slowest alloy of the diagram needs to cool to its bottom, at most: the time axis
// every alloy's curve of that type shares.
double coolingTimeScale(const PhaseDiagram& d);

} // namespace wb::model
