// The regressions for the transformation temperatures, each with its source.
#include "Temperatures.h"

#include <algorithm>
#include <cmath>

namespace wb::steel {

namespace {

Flagged<double> flagged(double value, const Steel& steel, Model model)
{
    return { value, firstOutside(steel.composition(), validityRange(model)) };
}

// Grange's Ae3 and Ae1 in °F.
double ae3GrangeF(const Composition& c)
{
    return 1570 - 323 * c.C - 25 * c.Mn + 80 * c.Si - 32 * c.Ni - 3 * c.Cr;
}
double ae1GrangeF(const Composition& c)
{
    return 1333 - 25 * c.Mn + 40 * c.Si - 26 * c.Ni + 42 * c.Cr;
}

} // namespace

// K. W. Andrews, J. Iron Steel Inst. 203 (1965) 721: Ac1 (As and W, which we do not carry, left out).
Flagged<double> ac1Andrews(const Steel& steel)
{
    const Composition& c = steel.composition();
    return flagged(723 - 10.7 * c.Mn - 16.9 * c.Ni + 29.1 * c.Si + 16.9 * c.Cr, steel, Model::AndrewsAc);
}

// K. W. Andrews, J. Iron Steel Inst. 203 (1965) 721: Ac3 with the root of carbon, and the terms for Mn, Cr
// and Cu that Andrews gives beside it (W, P, Al, As, Ti left out).
Flagged<double> ac3Andrews(const Steel& steel)
{
    const Composition& c = steel.composition();
    const double ac3 = 910 - 203 * std::sqrt(c.C) - 15.2 * c.Ni + 44.7 * c.Si + 104 * c.V + 31.5 * c.Mo - 30 * c.Mn
        - 11 * c.Cr - 20 * c.Cu;
    return flagged(ac3, steel, Model::AndrewsAc);
}

// K. W. Andrews, J. Iron Steel Inst. 203 (1965) 721: Ae1.
Flagged<double> ae1Andrews(const Steel& steel)
{
    const Composition& c = steel.composition();
    return flagged(712 - 17.8 * c.Mn + 20.1 * c.Si - 19.1 * c.Ni + 11.9 * c.Cr + 9.8 * c.Mo, steel, Model::AndrewsAe);
}

// K. W. Andrews, J. Iron Steel Inst. 203 (1965) 721: Ae3.
Flagged<double> ae3Andrews(const Steel& steel)
{
    const Composition& c = steel.composition();
    Flagged<double> ae3 = flagged(871 - 254.4 * std::sqrt(c.C) + 51.7 * c.Si - 14.2 * c.Ni, steel, Model::AndrewsAe);
    const double ae1 = ae1Andrews(steel).value;
    if (!ae3.outside && ae3.value <= ae1) {
        // The carbon content where the root law meets Ae1: (871 + 51.7 Si − 14.2 Ni − Ae1) / 254.4, squared.
        const double root = (871 + 51.7 * c.Si - 14.2 * c.Ni - ae1) / 254.4;
        ae3.outside = OutOfRange { Element::C, c.C, 0, root > 0 ? root * root : 0 };
    }
    return ae3;
}

// R. A. Grange, Metal Progress 79 (1961) 73: Ae1 in °F, + 42 Cr (chromium raises A1).
Flagged<double> ae1Grange(const Steel& steel)
{
    return flagged(fahrenheitToCelsius(ae1GrangeF(steel.composition())), steel, Model::Grange);
}

// R. A. Grange, Metal Progress 79 (1961) 73: Ae3 in °F.
Flagged<double> ae3Grange(const Steel& steel)
{
    const Composition& c = steel.composition();
    Flagged<double> ae3 = flagged(fahrenheitToCelsius(ae3GrangeF(c)), steel, Model::Grange);
    const double eutectoid = eutectoidCarbonGrange(steel);
    if (!ae3.outside && c.C >= eutectoid)
        ae3.outside = OutOfRange { Element::C, c.C, 0, eutectoid };
    return ae3;
}

double eutectoidCarbonGrange(const Steel& steel)
{
    Composition c = steel.composition();
    c.C = 0;
    return std::max(0.0, (ae3GrangeF(c) - ae1GrangeF(c)) / 323);
}

// W. Steven, A. G. Haynes, J. Iron Steel Inst. 183 (1956) 349: Ms.
Flagged<double> msStevenHaynes(const Steel& steel)
{
    const Composition& c = steel.composition();
    return flagged(561 - 474 * c.C - 33 * c.Mn - 17 * c.Ni - 17 * c.Cr - 21 * c.Mo, steel, Model::StevenHaynes);
}

// W. Steven, A. G. Haynes, J. Iron Steel Inst. 183 (1956) 349: Bs.
Flagged<double> bsStevenHaynes(const Steel& steel)
{
    const Composition& c = steel.composition();
    return flagged(830 - 270 * c.C - 90 * c.Mn - 37 * c.Ni - 70 * c.Cr - 83 * c.Mo, steel, Model::StevenHaynes);
}

// K. W. Andrews, J. Iron Steel Inst. 203 (1965) 721: the linear Ms (− 7.5 Mo; chromium lowers Ms).
Flagged<double> msAndrews(const Steel& steel)
{
    const Composition& c = steel.composition();
    return flagged(539 - 423 * c.C - 30.4 * c.Mn - 17.7 * c.Ni - 12.1 * c.Cr - 7.5 * c.Mo, steel, Model::AndrewsMs);
}

TransformationTemperatures transformationTemperatures(const Steel& steel)
{
    return { ac1Andrews(steel), ac3Andrews(steel), ae1Grange(steel), ae3Grange(steel), msStevenHaynes(steel),
        bsStevenHaynes(steel), ae1Andrews(steel), ae3Andrews(steel), msAndrews(steel) };
}

} // namespace wb::steel
