// The full recomputation behind the calculator window.
#include "Calculator.h"

#include "Cooling.h"
#include "Tempering.h"

namespace wb::steel {

CalculatorReport recompute(const Steel& steel, const CalculatorSettings& settings)
{
    CalculatorReport report;
    report.temperatures = transformationTemperatures(steel);
    report.hardeningTemperature = report.temperatures.ac3.value + settings.hardeningAboveAc3;
    report.kinetics = liKinetics(steel);

    report.ttt.reserve(settings.tttRows);
    for (int i = 0; i < settings.tttRows; ++i) {
        const double t = settings.tttHigh + (settings.tttLow - settings.tttHigh) * i / (settings.tttRows - 1);
        report.ttt.push_back(tttAt(report.kinetics, t));
    }

    report.cooling.reserve(settings.coolingRates.size());
    for (double rate : settings.coolingRates) {
        const auto curve = constantRateCurve(report.hardeningTemperature, rate);
        const CctResult shares = continuousCooling(report.kinetics, curve);
        report.cooling.push_back({ rate, shares, hardnessAfterCooling(steel, shares).value });
    }

    report.idealDiameter = idealCriticalDiameter(steel);
    report.jominy = jominyCurve(steel);
    report.martensiteHardness = maynierHardness(steel, 100).value.martensite;

    for (double t = settings.temperingFrom; t <= settings.temperingTo + 1e-9; t += settings.temperingStep)
        report.tempering.push_back({ t, temperedHardness(steel, report.martensiteHardness, t, 1).value,
            temperedHardness(steel, report.martensiteHardness, t, 10).value });

    for (Model model : kModels)
        report.notes.push_back({ model, allOutside(steel.composition(), validityRange(model)) });
    return report;
}

} // namespace wb::steel
