// Li's time law with its composition factors, and the additivity integration of a cooling curve.
#include "Kinetics.h"

#include "Temperatures.h"

#include <algorithm>
#include <array>
#include <cassert>

namespace wb::steel {

namespace {

// Less austenite than this left at a reaction's start counts as none (its start is not shown).
constexpr double kNothingLeft = 1e-3;

// Q / R with Q = 27 500 cal/mol and R = 1.987 cal/(mol K) (Li et al. 1998), in K.
constexpr double kActivationOverR = 27500.0 / 1.987;
constexpr double kKelvin = 273.15;

// S(X) tabulated on u = X^0.6, where the integrand ~ X^−0.4 becomes smooth:
// dX = (5/3) u^(2/3) du and X^−0.4 = u^(−2/3).
constexpr int kTableSize = 4001;
constexpr double kXMax = 0.999;

double integrandInU(double u)
{
    if (u <= 0)
        return 5.0 / 3.0; // the limit of (5/3) u^(2/3) X^(−0.4(1−X)) (1−X)^(−0.4X) as u → 0
    const double x = std::pow(u, 5.0 / 3.0);
    return 5.0 / 3.0 * std::pow(u, 2.0 / 3.0) * std::pow(x, -0.4 * (1 - x)) * std::pow(1 - x, -0.4 * x);
}

struct STable {
    double uMax;
    std::array<double, kTableSize> s;
    STable()
        : uMax(std::pow(kXMax, 0.6))
    {
        // Cumulative Simpson rule on each interval with its midpoint.
        const double h = uMax / (kTableSize - 1);
        s[0] = 0;
        double previous = integrandInU(0);
        for (int i = 1; i < kTableSize; ++i) {
            const double u = i * h;
            const double here = integrandInU(u);
            s[i] = s[i - 1] + h / 6 * (previous + 4 * integrandInU(u - h / 2) + here);
            previous = here;
        }
    }
};

const STable& sTable()
{
    static const STable table;
    return table;
}

} // namespace

double sIntegral(double fraction)
{
    const STable& table = sTable();
    if (fraction <= 0)
        return 0;
    const double u = std::pow(std::min(fraction, kXMax), 0.6);
    const double position = u / table.uMax * (kTableSize - 1);
    const int i = std::min(static_cast<int>(position), kTableSize - 2);
    const double f = position - i;
    return table.s[i] + f * (table.s[i + 1] - table.s[i]);
}

double sInverse(double s)
{
    const STable& table = sTable();
    if (s <= 0)
        return 0;
    if (s >= table.s.back())
        return 1;
    const auto upper = std::upper_bound(table.s.begin(), table.s.end(), s);
    const int i = static_cast<int>(upper - table.s.begin()) - 1;
    const double f = (s - table.s[i]) / (table.s[i + 1] - table.s[i]);
    const double u = (i + f) * table.uMax / (kTableSize - 1);
    return std::pow(u, 5.0 / 3.0);
}

// M. V. Li, D. V. Niebuhr, L. L. Meekisho, D. G. Atteridge, Metall. Mater. Trans. B 29 (1998) 661: the
// composition factors FC, PC, BC and Li's Bs; Ae3, Ae1 by Grange (1961), Ms by Steven–Haynes (1956).
LiKinetics liKinetics(const Steel& steel)
{
    const Composition& c = steel.composition();
    LiKinetics k;
    k.fc = std::exp(1.00 + 6.31 * c.C + 1.78 * c.Mn + 0.31 * c.Si + 1.12 * c.Ni + 2.70 * c.Cr + 4.06 * c.Mo);
    k.pc
        = std::exp(-4.25 + 4.12 * c.C + 4.36 * c.Mn + 0.44 * c.Si + 1.71 * c.Ni + 3.33 * c.Cr + 5.19 * std::sqrt(c.Mo));
    k.bc = std::exp(-10.23 + 10.18 * c.C + 0.85 * c.Mn + 0.55 * c.Ni + 0.90 * c.Cr + 0.36 * c.Mo);
    k.ae3 = ae3Grange(steel).value;
    k.ae1 = ae1Grange(steel).value;
    k.bs = 637 - 58 * c.C - 35 * c.Mn - 15 * c.Ni - 34 * c.Cr - 41 * c.Mo;
    k.ms = msStevenHaynes(steel).value;
    k.grainSize = c.grainSize;
    // Lever rule between ferrite (0.02 % C) and the eutectoid point where Grange's Ae3 meets Ae1.
    const double eutectoid = eutectoidCarbonGrange(steel);
    k.ferriteMax = eutectoid > c.C ? (eutectoid - c.C) / (eutectoid - 0.02) : 0;
    k.ferriteMax = std::clamp(k.ferriteMax, 0.0, 1.0);
    k.outside = firstOutside(c, validityRange(Model::Li));
    return k;
}

// Li et al. (1998): τ = F / (2^(nG) ΔT^m exp(−Q/RT)) · S(X) with n = 0.41, 0.32, 0.29 and m = 3, 3, 2 for
// ferrite, pearlite, bainite; ΔT below Ae3, Ae1, Bs.
double rateConstant(const LiKinetics& k, Phase phase, double temperature)
{
    double factor = 0, n = 0, undercooling = 0;
    int m = 3;
    switch (phase) {
    case Phase::Ferrite:
        if (temperature <= k.ms)
            return 0;
        factor = k.fc, n = 0.41, undercooling = k.ae3 - temperature;
        break;
    case Phase::Pearlite:
        if (temperature <= k.ms)
            return 0;
        factor = k.pc, n = 0.32, undercooling = k.ae1 - temperature;
        break;
    case Phase::Bainite:
        if (temperature <= k.ms)
            return 0;
        factor = k.bc, n = 0.29, m = 2, undercooling = k.bs - temperature;
        break;
    case Phase::Martensite:
        return 0; // athermal: no rate
    }
    if (undercooling <= 0)
        return 0;
    const double power = m == 3 ? undercooling * undercooling * undercooling : undercooling * undercooling;
    return std::exp2(n * k.grainSize) * power * std::exp(-kActivationOverR / (temperature + kKelvin)) / factor;
}

double transformationTime(const LiKinetics& kinetics, Phase phase, double fraction, double temperature)
{
    const double rate = rateConstant(kinetics, phase, temperature);
    return rate > 0 ? sIntegral(fraction) / rate : INFINITY;
}

TttRow tttAt(const LiKinetics& kinetics, double temperature)
{
    static const double sStart = sIntegral(kStartFraction);
    static const double sFinish = sIntegral(kFinishFraction);
    TttRow row;
    row.temperature = temperature;
    const auto times = [&](Phase phase) {
        const double rate = rateConstant(kinetics, phase, temperature);
        return rate > 0 ? IsothermalTimes { sStart / rate, sFinish / rate } : IsothermalTimes {};
    };
    row.ferrite = times(Phase::Ferrite);
    row.pearlite = times(Phase::Pearlite);
    row.bainite = times(Phase::Bainite);
    row.belowMs = temperature <= kinetics.ms;
    return row;
}

Flagged<std::vector<TttRow>> tttDiagram(const Steel& steel, double high, double low, int n)
{
    assert(n >= 2);
    const LiKinetics kinetics = liKinetics(steel);
    Flagged<std::vector<TttRow>> result;
    result.value.reserve(n);
    for (int i = 0; i < n; ++i)
        result.value.push_back(tttAt(kinetics, high + (low - high) * i / (n - 1)));
    result.outside = kinetics.outside;
    return result;
}

// D. P. Koistinen, R. E. Marburger, Acta Metall. 7 (1959) 59: 1 − exp(−0.011 (Ms − T)).
double martensiteShare(double ms, double temperature)
{
    return temperature < ms ? 1 - std::exp(-0.011 * (ms - temperature)) : 0;
}

CctResult continuousCooling(const LiKinetics& k, std::span<const TimeTemperature> curve)
{
    CctResult result;
    if (curve.empty())
        return result;
    static const double sStart = sIntegral(kStartFraction);

    // Each reaction's integral ∫k dt and the austenite it started on.
    double integralF = 0, integralP = 0, integralB = 0;
    double availableP = 0, availableB = 0, availableM = -1;
    bool ferriteStopped = k.ferriteMax <= 0, pearliteStopped = false;
    bool pearliteStarted = false, bainiteStarted = false;
    double lowest = curve.front().temperature;

    // Where within a step of `time` the integral reaches the start, as a share of the step (or −1).
    const auto crossing = [](double integral, double rate, double time) {
        if (integral >= sStart || rate <= 0 || time <= 0 || integral + rate * time < sStart)
            return -1.0;
        return (sStart - integral) / (rate * time);
    };

    for (size_t i = 1; i < curve.size(); ++i) {
        const TimeTemperature a = curve[i - 1], b = curve[i];
        const double dt = b.time - a.time;
        if (dt <= 0)
            continue;
        if (std::isnan(result.coolingRate700) && a.temperature >= 700 && b.temperature < 700)
            result.coolingRate700 = (a.temperature - b.temperature) / dt;
        // Steps of at most 1 K; a hold is one step, its rates being constant. A start inside a step is
        // placed where the integral reaches it.
        const double span = std::abs(b.temperature - a.temperature);
        const int steps = std::max(1, static_cast<int>(std::ceil(span)));
        const double h = dt / steps;
        for (int s = 0; s < steps; ++s) {
            const double t0 = a.time + s * h;
            const double from = a.temperature + (b.temperature - a.temperature) * s / steps;
            const double to = a.temperature + (b.temperature - a.temperature) * (s + 1.0) / steps;
            const double mid = (from + to) / 2;
            const auto at = [&](double share) { return PhaseStart { from + (to - from) * share, t0 + share * h }; };

            // Bainite nucleates below Bs; when it starts, ferrite and pearlite stop.
            double running = bainiteStarted ? 0 : h; // the time ferrite and pearlite still run in this step
            const double rateB = rateConstant(k, Phase::Bainite, mid);
            const double shareB = crossing(integralB, rateB, h);
            integralB += rateB * h;
            if (shareB >= 0)
                running = shareB * h;

            // Pearlite nucleates below Ae1; when it starts, ferrite stops.
            double ferriteTime = ferriteStopped ? 0 : running;
            double shareP = -1;
            if (!pearliteStopped) {
                const double rateP = rateConstant(k, Phase::Pearlite, mid);
                shareP = crossing(integralP, rateP, running);
                integralP += rateP * running;
                if (shareP >= 0)
                    ferriteTime = ferriteStopped ? 0 : shareP * running;
            }
            if (!ferriteStopped) {
                const double rateF = rateConstant(k, Phase::Ferrite, mid);
                const double shareF = crossing(integralF, rateF, ferriteTime);
                if (shareF >= 0)
                    result.ferriteStart = at(shareF * ferriteTime / h);
                integralF += rateF * ferriteTime;
                result.ferrite = k.ferriteMax * sInverse(integralF);
            }
            if (shareP >= 0) {
                pearliteStarted = ferriteStopped = true; // the austenite left transforms to pearlite
                availableP = 1 - result.ferrite;
                result.pearliteStart = at(shareP * running / h);
            }
            if (pearliteStarted && !pearliteStopped)
                result.pearlite = availableP * sInverse(integralP);
            if (shareB >= 0) {
                bainiteStarted = ferriteStopped = pearliteStopped = true;
                availableB = 1 - result.ferrite - result.pearlite;
                if (availableB > kNothingLeft) // no start is shown where no austenite is left to transform
                    result.bainiteStart = at(shareB);
            }
            if (bainiteStarted)
                result.bainite = availableB * sInverse(integralB);

            // Martensite on what is left when Ms is passed; bainite's rate is nought below Ms.
            lowest = std::min(lowest, to);
            if (lowest < k.ms) {
                if (availableM < 0) {
                    availableM = 1 - result.ferrite - result.pearlite - result.bainite;
                    ferriteStopped = pearliteStopped = true;
                    if (availableM > kNothingLeft)
                        result.martensiteStart = { k.ms, t0 + h * (from - k.ms) / std::max(from - to, 1e-12) };
                }
                result.martensite = availableM * martensiteShare(k.ms, lowest);
            }
        }
    }
    result.austenite = std::max(0.0, 1 - result.ferrite - result.pearlite - result.bainite - result.martensite);
    return result;
}

Flagged<CctResult> continuousCooling(const Steel& steel, std::span<const TimeTemperature> curve)
{
    const LiKinetics kinetics = liKinetics(steel);
    return { continuousCooling(kinetics, curve), kinetics.outside };
}

} // namespace wb::steel
