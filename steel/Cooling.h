// Cooling curves for the transformation models: a constant rate, the quenched round bar (surface,
// half radius, core) and the end-quench bar's cooling rate at 700 °C over the distance from its end.
#pragma once

#include "Kinetics.h"

#include <vector>

namespace wb::steel {

// From T0 down to tEnd at a constant rate (°C/s > 0).
std::vector<TimeTemperature> constantRateCurve(double t0, double rate, double tEnd = 20);

enum class Quenchant { Water, Oil, Air };

// Grossmann's quench severity H in 1/inch for the quenchant without agitation: typical values, as
// textbooks quote his table (still water 1.0, still oil 0.3, still air 0.02); the table itself was not
// within our reach, so they stand as typical values, not as checked ones.
double quenchSeverity(Quenchant quenchant);
// h = 2 k H in W/(m² K).
double heatTransferCoefficient(Quenchant quenchant);

// The steel's heat conduction as the cooling functions take it: typical values of a low-alloy steel
// between 500 and 800 °C, held constant (rounded handbook figures, not taken from one source we read).
inline constexpr double kConductivity = 26; // W/(m K)
inline constexpr double kDiffusivity = 5.1e-6; // m²/s (26 / (7800 kg/m³ · 650 J/(kg K)))

// The infinite cylinder with a surface heat transfer coefficient (Biot number hR/k): ζ_n with
// ζ J1(ζ) / J0(ζ) = Bi, n = 1, 2, …
double cylinderEigenvalue(double biot, int n);
// The series' coefficient C_n = 2 J1(ζ) / (ζ (J0²(ζ) + J1²(ζ))).
double cylinderCoefficient(double zeta);
// (T − T_fluid) / (T0 − T_fluid) at r/R for the Fourier number αt/R².
double cylinderTemperatureRatio(double biot, double fourier, double relativeRadius);

// The terms of the series kept: enough for the surface from Fo = 1e-3 on.
inline constexpr int kBarTerms = 80;

// A round bar (diameter in mm) quenched into a fluid: the series' eigenvalues once, then the cooling
// curve of any place, from t0 into the fluid at tFluid.
class BarCooling {
public:
    BarCooling(double diameterMm, Quenchant quenchant);
    // relativeRadius: 0 the core, 0.5 half radius, 1 the surface.
    std::vector<TimeTemperature> curve(double relativeRadius, double t0 = 850, double tFluid = 20) const;

private:
    double m_radius; // m
    double m_zeta[kBarTerms];
    double m_coefficient[kBarTerms];
};

// One place's curve alone: quenched from t0 into a fluid at tFluid, at a
// relative radius (0 the core, 0.5 half radius, 1 the surface).
std::vector<TimeTemperature> barCoolingCurve(
    double diameterMm, Quenchant quenchant, double relativeRadius, double t0 = 850, double tFluid = 20);

// The end-quench bar as a semi-infinite rod cooled through its end: the cooling rate (°C/s) at 700 °C at a
// distance (mm) from the quenched end, from austenitising at t0 with the water jet at tWater. A stand-in
// from heat conduction, not the measured curve that the hardenability standards print (that table was not
// within our reach); the calculator's end-quench curve does not use it, it takes A255's dividing factors.
double jominyCoolingRate700(double distanceMm, double t0 = 850, double tWater = 20);
// The jet's heat transfer coefficient taken for it, W/(m² K).
double jominyJetCoefficient();

} // namespace wb::steel
