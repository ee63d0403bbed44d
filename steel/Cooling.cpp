// Heat conduction for the cooling curves, each solution with its source.
#include "Cooling.h"

#include <algorithm>
#include <cmath>

namespace wb::steel {

namespace {

constexpr double kPerInch = 1 / 0.0254; // 1/in in 1/m

// exp(x²) erfc(x), for large x by its asymptotic series.
double erfcx(double x)
{
    if (x < 5)
        return std::exp(x * x) * std::erfc(x);
    const double inv2 = 1 / (2 * x * x);
    return 1 / (x * std::sqrt(M_PI)) * (1 - inv2 + 3 * inv2 * inv2 - 15 * inv2 * inv2 * inv2);
}

} // namespace

std::vector<TimeTemperature> constantRateCurve(double t0, double rate, double tEnd)
{
    return { { 0, t0 }, { (t0 - tEnd) / rate, tEnd } };
}

// Typical H for still water, oil and air per inch, as quoted from the table of M. A. Grossmann, M. Asimow,
// S. F. Urban, in Hardenability of Alloy Steels, ASM (1939); not checked against the table itself.
double quenchSeverity(Quenchant quenchant)
{
    switch (quenchant) {
    case Quenchant::Water:
        return 1.0;
    case Quenchant::Oil:
        return 0.3;
    case Quenchant::Air:
        return 0.02;
    }
    return 0;
}

// Grossmann's H = h / (2k).
double heatTransferCoefficient(Quenchant quenchant)
{
    return 2 * kConductivity * quenchSeverity(quenchant) * kPerInch;
}

// F. P. Incropera, D. P. DeWitt, Fundamentals of Heat and Mass Transfer, Wiley (2002) eq. 5.50. The n-th
// root lies alone in ((n−1)π, nπ). Where J0 and J1 take their large-argument forms the equation reads
// tan(ζ − π/4) = Bi/ζ, so ζ ≈ (n − 3/4)π + atan(Bi/ζ) starts Newton's steps with
// d/dζ (ζ J1 − Bi J0) = ζ J0 + Bi J1; a step leaving the bracket falls back to halving.
double cylinderEigenvalue(double biot, int n)
{
    double lo = n == 1 ? 1e-9 : (n - 1) * M_PI, hi = n * M_PI;
    const auto f = [biot](double z) { return z * std::cyl_bessel_j(1.0, z) - biot * std::cyl_bessel_j(0.0, z); };
    const bool rising = f(lo) < 0;
    double z = (n - 0.75) * M_PI;
    for (int i = 0; i < 3; ++i)
        z = (n - 0.75) * M_PI + std::atan(biot / std::max(z, 1e-9));
    z = std::clamp(z, lo + 1e-12, hi - 1e-12);
    for (int i = 0; i < 40; ++i) {
        const double j0 = std::cyl_bessel_j(0.0, z), j1 = std::cyl_bessel_j(1.0, z);
        const double value = z * j1 - biot * j0;
        if ((value < 0) == rising)
            lo = z;
        else
            hi = z;
        double next = z - value / (z * j0 + biot * j1);
        if (!(next > lo && next < hi))
            next = (lo + hi) / 2;
        if (std::abs(next - z) < 1e-13 * z)
            return next;
        z = next;
    }
    return z;
}

// Incropera–DeWitt eq. 5.50: C_n = 2 J1(ζ) / (ζ (J0²(ζ) + J1²(ζ))).
double cylinderCoefficient(double zeta)
{
    const double j0 = std::cyl_bessel_j(0.0, zeta), j1 = std::cyl_bessel_j(1.0, zeta);
    return 2 * j1 / (zeta * (j0 * j0 + j1 * j1));
}

// Incropera–DeWitt eq. 5.49: θ* = Σ C_n exp(−ζ_n² Fo) J0(ζ_n r*).
double cylinderTemperatureRatio(double biot, double fourier, double relativeRadius)
{
    double sum = 0;
    for (int n = 1; n <= kBarTerms; ++n) {
        const double zeta = cylinderEigenvalue(biot, n);
        const double decay = std::exp(-zeta * zeta * fourier);
        if (decay < 1e-16)
            break;
        sum += cylinderCoefficient(zeta) * decay * std::cyl_bessel_j(0.0, zeta * relativeRadius);
    }
    return std::clamp(sum, 0.0, 1.0);
}

BarCooling::BarCooling(double diameterMm, Quenchant quenchant)
    : m_radius(diameterMm / 2000)
{
    const double biot = heatTransferCoefficient(quenchant) * m_radius / kConductivity;
    for (int n = 0; n < kBarTerms; ++n) {
        m_zeta[n] = cylinderEigenvalue(biot, n + 1);
        m_coefficient[n] = cylinderCoefficient(m_zeta[n]);
    }
}

std::vector<TimeTemperature> BarCooling::curve(double relativeRadius, double t0, double tFluid) const
{
    double shape[kBarTerms];
    for (int n = 0; n < kBarTerms; ++n)
        shape[n] = m_coefficient[n] * std::cyl_bessel_j(0.0, m_zeta[n] * relativeRadius);
    std::vector<TimeTemperature> curve { { 0, t0 } };
    // Times on a logarithmic grid from Fo = 1e-3 (where the terms still converge at the surface) until
    // the place is within 1 K of the fluid.
    const double timeScale = m_radius * m_radius / kDiffusivity;
    for (double fourier = 1e-3; fourier < 1e3; fourier *= 1.06) {
        double sum = 0;
        for (int n = 0; n < kBarTerms; ++n) {
            const double decay = std::exp(-m_zeta[n] * m_zeta[n] * fourier);
            if (decay < 1e-16)
                break;
            sum += shape[n] * decay;
        }
        const double temperature = tFluid + (t0 - tFluid) * std::clamp(sum, 0.0, 1.0);
        if (temperature < curve.back().temperature)
            curve.push_back({ fourier * timeScale, temperature });
        if (temperature < tFluid + 1)
            break;
    }
    return curve;
}

std::vector<TimeTemperature> barCoolingCurve(
    double diameterMm, Quenchant quenchant, double relativeRadius, double t0, double tFluid)
{
    return BarCooling(diameterMm, quenchant).curve(relativeRadius, t0, tFluid);
}

// The water jet of the end-quench test taken as "violently agitated water", H = 4 per inch, the typical
// value quoted for it from Grossmann's table: a stand-in, since no coefficient of the jet itself was found.
double jominyJetCoefficient()
{
    return 2 * kConductivity * 4.0 * kPerInch;
}

// H. S. Carslaw, J. C. Jaeger, Conduction of Heat in Solids, Oxford (1959) §2.7: the semi-infinite solid
// whose face loses heat with h, (T − T0)/(Tw − T0) = erfc(ξ) − exp(hx/k + h²αt/k²) erfc(ξ + h√(αt)/k),
// ξ = x / (2√(αt)). The bar's side losses to air are left out, which is fair near the quenched end.
double jominyCoolingRate700(double distanceMm, double t0, double tWater)
{
    const double x = distanceMm / 1000;
    const double h = jominyJetCoefficient();
    const auto temperature = [&](double t) {
        const double root = std::sqrt(kDiffusivity * t);
        const double xi = x / (2 * root);
        const double beta = h * root / kConductivity;
        // exp(hx/k + β²) erfc(ξ + β) = exp(−ξ²) erfcx(ξ + β).
        const double ratio = std::erfc(xi) - std::exp(-xi * xi) * erfcx(xi + beta);
        return t0 + (tWater - t0) * ratio;
    };
    // The time when the place passes 700 °C, by halving on a logarithmic time scale.
    double lo = 1e-6, hi = 1e6;
    for (int i = 0; i < 200; ++i) {
        const double m = std::sqrt(lo * hi);
        if (temperature(m) > 700)
            lo = m;
        else
            hi = m;
    }
    const double t = std::sqrt(lo * hi), dt = t * 1e-4;
    return (temperature(t - dt) - temperature(t + dt)) / (2 * dt);
}

} // namespace wb::steel
