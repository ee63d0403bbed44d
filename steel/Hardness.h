// Hardness from the cooling rate at 700 °C by Maynier et al. (1978): per constituent, mixed by shares.
#pragma once

#include "Composition.h"
#include "Kinetics.h"

namespace wb::steel {

struct ConstituentHardness {
    double martensite = 0, bainite = 0, ferritePearlite = 0; // HV
};

// coolingRate700 in °C/s (the formulas take °C/h; converted inside).
Flagged<ConstituentHardness> maynierHardness(const Steel& steel, double coolingRate700);

// The mix by shares: martensite, bainite, and ferrite, pearlite and retained austenite together at the
// ferrite–pearlite value (the soft remainder).
double mixedHardness(const ConstituentHardness& hardness, const CctResult& shares);

// Both at once for a cooled steel (the rate taken from the result; NaN if the curve missed 700 °C).
Flagged<double> hardnessAfterCooling(const Steel& steel, const CctResult& shares);

} // namespace wb::steel
