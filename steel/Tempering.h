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
// Ae1 for 1 h. It is our own interpolation, not a published curve, and `modelCaveat` says so in the
// window. The published model meant to replace it (R. A. Grange, C. R. Hribal, L. F. Porter, Metall.
// Trans. A 8 (1977) 1775: the hardness of tempered martensite for 1 h from a carbon base and additive
// alloy increments per tempering temperature) is not taken over while its tables are out of our reach:
// the stored copy we could read shows its abstract only, and no number of it may be guessed.
Flagged<double> temperedHardness(const Steel& steel, double asQuenchedHv, double temperatureC, double hours);

} // namespace wb::steel
