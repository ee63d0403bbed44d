// The tempering parameter and the interim master curve.
#include "Tempering.h"

#include "Hardness.h"
#include "Temperatures.h"

#include <algorithm>
#include <cmath>

namespace wb::steel {

// J. H. Hollomon, L. D. Jaffe, Trans. AIME 162 (1945) 223: P = T (C + log t), T in K, t in h.
double hollomonJaffeParameter(double temperatureC, double hours, double constant)
{
    return (temperatureC + 273.15) * (constant + std::log10(hours));
}

// J. H. Hollomon, L. D. Jaffe, Trans. AIME 162 (1945) 223: the constant falls with carbon,
// C = 21.3 − 5.8 (% C), for time in hours.
double hollomonJaffeConstant(double carbon)
{
    return 21.3 - 5.8 * carbon;
}

double equivalentTemperature(double temperatureC, double referenceHours, double hours, double constant)
{
    const double p = hollomonJaffeParameter(temperatureC, referenceHours, constant);
    return p / (constant + std::log10(hours)) - 273.15;
}

Flagged<double> temperedHardness(const Steel& steel, double asQuenchedHv, double temperatureC, double hours)
{
    const Composition& c = steel.composition();
    const double constant = hollomonJaffeConstant(c.C);
    const double start = hollomonJaffeParameter(150, 1, constant);
    const double end = hollomonJaffeParameter(ae1Grange(steel).value, 1, constant);
    // The soft end: ferrite–pearlite as after slow cooling (0.1 °C/s at 700 °C).
    const double soft = maynierHardness(steel, 0.1).value.ferritePearlite;
    const double p = hollomonJaffeParameter(temperatureC, hours, constant);
    const double share = std::clamp((end - p) / (end - start), 0.0, 1.0);
    return { soft + (asQuenchedHv - soft) * share, firstOutside(c, validityRange(Model::HollomonJaffe)) };
}

} // namespace wb::steel
