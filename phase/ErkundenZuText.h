// What the explorer of the binary phase diagrams writes: numbers as the program shows and reads
// them, the phases and the constituents at a point as lines of its read-out, and its messages.
#pragma once

#include "model/PhaseCooling.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <span>
#include <vector>

namespace wb::erkundenzu {

// A number as the program shows it: rounded to `decimals` places, a comma before them, no
// trailing zeros and no comma for a whole number ("40", "39,1", "-3").
QString zahl(double v, int decimals = 0);

// The number a typed text is, or nothing: blanks around it, a sign and one decimal comma or point
// are allowed, nothing else (no thousands separators, no exponent).
std::optional<double> liesZahl(const QString& text);

// Shares (0 … 1, adding up to 1) as whole percentages that add up to 100: each rounded down, the
// missing points to the largest remainders.
std::vector<int> ganzeProzente(std::span<const double> shares);

// A share as the read-out shows it: "40 %", and "< 1 %" for a share that is there but rounds to 0.
QString prozent(int gerundet, double share);

// The phase's name as the lessons name it: "Schmelze", "Alpha-Mischkristall", "Beta-Mischkristall",
// "A", "B".
QString phasenName(model::Phase p);

// The read-out of the phases at temperature t: one line per phase, "Schmelze 40 % (B = 62 %)"; on
// an invariant line or at a pure component's melting point first the reaction that runs there.
QStringList phasenZeilen(const model::PhaseState& st, double t);

// The read-out of the constituents: one line each with its share, a eutectic with a second line
// of its own two phases.
QStringList gefuegeZeilen(const std::vector<model::Constituent>& cs);

// The messages for a typed value that is no number or lies outside the diagram: each names the
// range. A typed temperature's range is the diagram's.
QString konzentrationFalsch(const QString& getippt);
QString temperaturFalsch(const QString& getippt, const model::PhaseDiagram& d);

} // namespace wb::erkundenzu
