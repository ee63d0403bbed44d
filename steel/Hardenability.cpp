// ASTM A255-10 (2014), "Standard Test Methods for Determining Hardenability of Steel", section 10 ff.:
// the multiplying factors, the initial hardness and the dividing factors, as the standard writes them.
#include "Hardenability.h"

#include <algorithm>
#include <cmath>

namespace wb::steel {

namespace {

// ASTM A255-10: the carbon factor for grain size 7 in inches.
double carbonFactor(double c)
{
    if (c <= 0.39)
        return 0.54 * c;
    if (c <= 0.55)
        return 0.171 + 0.001 * c + 0.265 * c * c;
    if (c <= 0.65)
        return 0.115 + 0.268 * c - 0.038 * c * c;
    if (c <= 0.75)
        return 0.143 + 0.2 * c;
    return 0.062 + 0.409 * c - 0.135 * c * c;
}

// ASTM A255-10: manganese (two lines, meeting near 1.2 %), nickel (linear up to 1.5 %, then a cubic).
double manganeseFactor(double mn)
{
    return mn <= 1.2 ? 1 + 3.3333 * mn : 5.1 * mn - 1.12;
}
double nickelFactor(double ni)
{
    return ni <= 1.5 ? 1 + 0.363 * ni : 0.3211 + 1.4501 * ni - 0.6119 * ni * ni + 0.1253 * ni * ni * ni;
}

// ASTM A255-10: the dividing factors as polynomials in DI (mm), coefficients of DI⁰ … DI⁵, one row
// per tabulated distance from 3 mm on (at 1.5 mm the factor is 1).
// clang-format off
    constexpr double kDividing[14][6] = {
        { 0.170547, 0.173925, -0.0109281, 3.13863e-4, -4.32086e-6, 2.31674e-8 },      //  3 mm
        { 3.03987, -0.0855161, 0.00138048, -9.98717e-6, 2.64963e-8, 5.46044e-12 },     //  5
        { 4.32366, -0.134451, 0.00228151, -1.96250e-5, 8.35338e-8, -1.38456e-10 },     //  7
        { 4.46324, -0.0992003, 0.00119387, -7.40686e-6, 2.26087e-8, -2.46815e-11 },    //  9
        { 4.40915, -0.0792024, 6.74319e-4, -1.97223e-6, -3.21758e-9, 2.08025e-11 },    // 11
        { 4.60261, -0.0820023, 7.18416e-4, -2.52800e-6, 2.30089e-10, 1.25368e-11 },    // 13
        { 5.01595, -0.0957696, 9.56240e-4, -4.62213e-6, 8.92787e-9, -8.74859e-13 },    // 15
        { 5.51133, -0.104310, 1.15299e-3, -7.51801e-6, 2.75126e-8, -4.3110e-11 },      // 20
        { 6.15369, -0.127486, 1.57885e-3, -1.12233e-5, 4.21359e-8, -6.42460e-11 },     // 25
        { 7.16001, -0.171328, 2.42820e-3, -1.91259e-5, 7.67320e-8, -1.21571e-10 },     // 30
        { 8.46964, -0.229424, 3.54915e-3, -2.97166e-5, 1.24831e-7, -2.0543e-10 },      // 35
        { 9.13657, -0.252296, 3.94419e-3, -3.33383e-5, 1.41462e-7, -2.35541e-10 },     // 40
        { 8.84696, -0.223317, 3.25787e-3, -2.62930e-5, 1.08190e-7, -1.76244e-10 },     // 45
        { 8.10202, -0.171039, 2.12643e-3, -1.52754e-5, 5.78179e-8, -8.79890e-11 },     // 50
    };
// clang-format on
static_assert(std::size(kDividing) + 1 == kJominyDistances.size());

double polynomial(const double (&c)[6], double x)
{
    return c[0] + x * (c[1] + x * (c[2] + x * (c[3] + x * (c[4] + x * c[5]))));
}

// The table falls with DI until the factor reaches 1 (full hardness); each polynomial is a fit to that
// falling part and turns up again beyond it. Past its first minimum (searched from 1 in) we hold it.
struct Minima {
    double at[14];
    Minima()
    {
        for (size_t k = 0; k < std::size(kDividing); ++k) {
            double di = kInch;
            while (di < 250 && polynomial(kDividing[k], di + 0.1) < polynomial(kDividing[k], di))
                di += 0.1;
            at[k] = di;
        }
    }
};

double rowFactor(size_t row, double di)
{
    static const Minima minima;
    return std::max(1.0, polynomial(kDividing[row], std::min(di, minima.at[row])));
}

constexpr double kDiTableMin = 1 * kInch, kDiTableMax = 7 * kInch;

} // namespace

double idealCriticalDiameterInches(const Composition& c)
{
    return carbonFactor(c.C) * manganeseFactor(c.Mn) * (1 + 0.7 * c.Si) * nickelFactor(c.Ni) * (1 + 2.16 * c.Cr)
        * (1 + 3.0 * c.Mo) * (1 + 0.365 * c.Cu) * (1 + 1.73 * c.V);
}

// M. A. Grossmann, Trans. AIME 150 (1942) 227, as ASTM A255-10 tabulates it: DI = product of factors.
Flagged<double> idealCriticalDiameter(const Steel& steel)
{
    return { idealCriticalDiameterInches(steel.composition()) * kInch,
        firstOutside(steel.composition(), validityRange(Model::Grossmann)) };
}

// ASTM A255-10: IH = 33.087 + 50.723 C + 33.662 C² − 2.7048 C³ − 107.02 C⁴ + 43.523 C⁵ (HRC).
double initialHardnessHrc(double c)
{
    return 33.087 + c * (50.723 + c * (33.662 + c * (-2.7048 + c * (-107.02 + c * 43.523))));
}

double dividingFactor(double distanceMm, double di)
{
    // Factors never fall with distance: a larger distance cools slower.
    double factor = 1;
    for (size_t i = 1; i < kJominyDistances.size() && kJominyDistances[i] <= distanceMm + 1e-9; ++i)
        factor = std::max(factor, rowFactor(i - 1, di));
    return factor;
}

Flagged<std::vector<JominyPoint>> jominyCurve(const Steel& steel)
{
    const Flagged<double> di = idealCriticalDiameter(steel);
    const double ih = initialHardnessHrc(steel.composition().C);
    Flagged<std::vector<JominyPoint>> curve;
    curve.value.reserve(kJominyDistances.size());
    for (double distance : kJominyDistances)
        curve.value.push_back({ distance, ih / dividingFactor(distance, di.value) });
    curve.outside = di.outside;
    if (!curve.outside && (di.value < kDiTableMin || di.value > kDiTableMax))
        curve.outside = OutOfRange { Element::IdealDiameter, di.value, kDiTableMin, kDiTableMax };
    return curve;
}

double jominyHrcAt(const std::vector<JominyPoint>& curve, double distanceMm)
{
    if (curve.empty())
        return NAN;
    if (distanceMm <= curve.front().distance)
        return curve.front().hrc;
    for (size_t i = 1; i < curve.size(); ++i)
        if (distanceMm <= curve[i].distance) {
            const JominyPoint a = curve[i - 1], b = curve[i];
            return a.hrc + (b.hrc - a.hrc) * (distanceMm - a.distance) / (b.distance - a.distance);
        }
    return curve.back().hrc;
}

} // namespace wb::steel
