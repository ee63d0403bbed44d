// Austenite decomposition by Li et al. (1998): isothermal start and finish times of ferrite,
// pearlite and bainite, martensite below Ms, and continuous cooling by additivity.
#pragma once

#include "Composition.h"

#include <cmath>
#include <span>
#include <vector>

namespace wb::steel {

enum class Phase { Ferrite, Pearlite, Bainite, Martensite };

// What Li's model needs of a steel, computed once per composition.
struct LiKinetics {
    double fc = 0, pc = 0, bc = 0; // composition factors of ferrite, pearlite, bainite
    double ae3 = 0, ae1 = 0; // Grange's, °C: where ferrite and pearlite can form
    double bs = 0; // Li's bainite start, °C
    double ms = 0; // Steven–Haynes, °C
    double grainSize = 7;
    double ferriteMax = 0; // the equilibrium share of proeutectoid ferrite (lever rule at the eutectoid)
    std::optional<OutOfRange> outside; // Li's range
};
LiKinetics liKinetics(const Steel& steel);

// S(X) = ∫₀ˣ dx / (x^(0.4(1−x)) (1−x)^(0.4x)): the fraction's share of Li's time law, τ(X, T) = S(X) / k(T).
double sIntegral(double fraction);
// X with S(X) = s (0 below, 1 past S(0.999)).
double sInverse(double s);

// k(T) in 1/s (0 where the phase does not form at T).
double rateConstant(const LiKinetics& kinetics, Phase phase, double temperature);
// τ(X, T) in s: the isothermal time to the fraction X of the reaction (infinite where it does not run).
double transformationTime(const LiKinetics& kinetics, Phase phase, double fraction, double temperature);

inline constexpr double kStartFraction = 0.01;
inline constexpr double kFinishFraction = 0.99;

struct IsothermalTimes {
    double start = INFINITY; // s to 1 %
    double finish = INFINITY; // s to 99 %
};

struct TttRow {
    double temperature = 0;
    IsothermalTimes ferrite, pearlite, bainite;
    bool belowMs = false; // martensite forms on quenching to this temperature
};
TttRow tttAt(const LiKinetics& kinetics, double temperature);
// n rows evenly from high to low (n ≥ 2).
Flagged<std::vector<TttRow>> tttDiagram(const Steel& steel, double high, double low, int n);

struct TimeTemperature {
    double time; // s
    double temperature; // °C
};

struct PhaseStart {
    double temperature = NAN; // °C where 1 % of the reaction has formed (NaN: it does not form)
    double time = NAN; // s
};

struct CctResult {
    double ferrite = 0, pearlite = 0, bainite = 0, martensite = 0, austenite = 0; // shares, summing to 1
    PhaseStart ferriteStart, pearliteStart, bainiteStart, martensiteStart;
    double coolingRate700 = NAN; // °C/s where the curve passes 700 °C (NaN if it does not)
};

// The curve is piecewise linear through its points (time rising); the share of each phase follows by
// additivity (Scheil): each reaction's progress is S⁻¹(∫ k(T(t)) dt). Ferrite forms below Ae3 up to its
// equilibrium share and stops when pearlite starts; pearlite forms below Ae1; both stop when bainite
// starts below Bs, which takes what austenite is left; martensite below Ms by Koistinen–Marburger.
CctResult continuousCooling(const LiKinetics& kinetics, std::span<const TimeTemperature> curve);
Flagged<CctResult> continuousCooling(const Steel& steel, std::span<const TimeTemperature> curve);

// Koistinen–Marburger: the share of the austenite left at Ms that is martensite at T.
double martensiteShare(double ms, double temperature);

} // namespace wb::steel
