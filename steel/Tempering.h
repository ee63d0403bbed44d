// Tempering by the Hollomon–Jaffe parameter: equal parameter, equal tempering effect.
#pragma once

#include "Composition.h"

namespace wb::steel {

// P = T (C + log10 t), T in K, t in hours (the constant belongs to hours).
double hollomonJaffeParameter(double temperatureC, double hours, double constant);
// The constant for a carbon content (mass %).
double hollomonJaffeConstant(double carbon);
// The temperature (°C) that gives in `hours` what `temperatureC` gives in `referenceHours`.
double equivalentTemperature(double temperatureC, double referenceHours, double hours, double constant);

// HV after tempering the as-quenched martensite for `hours` at `temperatureC`: an interim master curve,
// linear in P from the as-quenched hardness at 150 °C for 1 h to the ferrite–pearlite hardness at
// Ae1 for 1 h. It is our own interpolation, not a published curve.
Flagged<double> temperedHardness(const Steel& steel, double asQuenchedHv, double temperatureC, double hours);

} // namespace wb::steel
