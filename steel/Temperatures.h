// Transformation temperatures from the composition (°C): Ac1, Ac3, Ae1, Ae3, Ms, Bs.
#pragma once

#include "Composition.h"

namespace wb::steel {

Flagged<double> ac1Andrews(const Steel& steel);
Flagged<double> ac3Andrews(const Steel& steel);
Flagged<double> ae1Andrews(const Steel& steel);
// Also flagged where it falls to Ae1 or below: the formula has left the hypoeutectoid field
// (above 0.39 % C in a plain carbon steel).
Flagged<double> ae3Andrews(const Steel& steel);
Flagged<double> ae1Grange(const Steel& steel);
// Also flagged at or above the eutectoid carbon content, where Grange's line ends.
Flagged<double> ae3Grange(const Steel& steel);
Flagged<double> msStevenHaynes(const Steel& steel);
Flagged<double> bsStevenHaynes(const Steel& steel);
Flagged<double> msAndrews(const Steel& steel);

// The eutectoid carbon content (mass %) where Grange's Ae3 meets his Ae1.
double eutectoidCarbonGrange(const Steel& steel);

// All of them at once, as the calculator shows them. Ae1 and Ae3 are Grange's; Andrews' are the
// second opinion.
struct TransformationTemperatures {
    Flagged<double> ac1, ac3, ae1, ae3, ms, bs;
    Flagged<double> ae1Andrews, ae3Andrews, msAndrews;
};
TransformationTemperatures transformationTemperatures(const Steel& steel);

inline double fahrenheitToCelsius(double fahrenheit)
{
    return (fahrenheit - 32) * 5 / 9;
}

} // namespace wb::steel
