// The iron–carbon scale: carbon content and temperature to pixels.
#include "diagrams/IronCarbonScale.h"

#include "framework/Types.h"

#include <cmath>

namespace wb::ekd {

int roundPixel(double v)
{
    return Round(std::nearbyint(v * 1e6) / 1e6);
}

int carbonX(const Scale& s, double percentC)
{
    return roundPixel(s.left + s.perPercent * percentC);
}

int temperatureY(const Scale& s, double celsius)
{
    return roundPixel(s.baseY - s.perDegree * (celsius - s.baseCelsius));
}

} // namespace wb::ekd
