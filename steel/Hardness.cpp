// The constituent hardness formulas, each with its source.
#include "Hardness.h"

#include <cmath>

namespace wb::steel {

// P. Maynier, B. Jungmann, J. Dollet, in Hardenability Concepts with Applications to Steel, AIME (1978)
// 518: HV of martensite, bainite and ferrite–pearlite, Vr the cooling rate at 700 °C in °C/h. Bainite
// takes 185 C (not 158 C).
Flagged<ConstituentHardness> maynierHardness(const Steel& steel, double coolingRate700)
{
    const Composition& c = steel.composition();
    const double logVr = std::log10(coolingRate700 * 3600);
    ConstituentHardness h;
    h.martensite = 127 + 949 * c.C + 27 * c.Si + 11 * c.Mn + 8 * c.Ni + 16 * c.Cr + 21 * logVr;
    h.bainite = -323 + 185 * c.C + 330 * c.Si + 153 * c.Mn + 65 * c.Ni + 144 * c.Cr + 191 * c.Mo
        + (89 + 53 * c.C - 55 * c.Si - 22 * c.Mn - 10 * c.Ni - 20 * c.Cr - 33 * c.Mo) * logVr;
    h.ferritePearlite = 42 + 223 * c.C + 53 * c.Si + 30 * c.Mn + 12.6 * c.Ni + 7 * c.Cr + 19 * c.Mo
        + (10 - 19 * c.Si + 4 * c.Ni + 8 * c.Cr + 130 * c.V) * logVr;
    return { h, firstOutside(c, validityRange(Model::Maynier)) };
}

double mixedHardness(const ConstituentHardness& h, const CctResult& s)
{
    return s.martensite * h.martensite + s.bainite * h.bainite
        + (s.ferrite + s.pearlite + s.austenite) * h.ferritePearlite;
}

Flagged<double> hardnessAfterCooling(const Steel& steel, const CctResult& shares)
{
    const Flagged<ConstituentHardness> h = maynierHardness(steel, shares.coolingRate700);
    return { mixedHardness(h.value, shares), h.outside };
}

} // namespace wb::steel
