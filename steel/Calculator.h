// Everything the steel calculator shows for one composition, computed in one call: the window
// recomputes on every change and only draws what this returns.
#pragma once

#include "Composition.h"
#include "Hardenability.h"
#include "Hardness.h"
#include "Kinetics.h"
#include "Temperatures.h"

#include <array>
#include <vector>

namespace wb::steel {

struct CalculatorSettings {
    int tttRows = 300; // isothermal rows from tttHigh down to tttLow
    double tttHigh = 900, tttLow = 100; // °C
    // The continuous diagram's family of constant cooling rates (°C/s), from the hardening temperature.
    std::vector<double> coolingRates { 0.05, 0.1, 0.2, 0.5, 1, 2, 5, 10, 20, 50, 100, 300 };
    double hardeningAboveAc3 = 50; // K above Ac3
    double temperingFrom = 100, temperingTo = 700, temperingStep = 10; // °C, for 1 h and 10 h
};

struct CoolingOutcome {
    double rate; // °C/s
    CctResult shares;
    double hardness; // HV, Maynier's mix
};

struct TemperingPoint {
    double temperature; // °C
    double hardness1h, hardness10h; // HV
};

struct ModelNote {
    Model model;
    std::vector<OutOfRange> outside; // empty: the composition lies in the model's range
};

struct CalculatorReport {
    TransformationTemperatures temperatures;
    double hardeningTemperature = 0; // °C
    LiKinetics kinetics;
    std::vector<TttRow> ttt;
    std::vector<CoolingOutcome> cooling;
    Flagged<double> idealDiameter; // mm
    Flagged<std::vector<JominyPoint>> jominy;
    double martensiteHardness = 0; // HV of full martensite at 100 °C/s
    std::vector<TemperingPoint> tempering;
    std::vector<ModelNote> notes; // one per model
};

CalculatorReport recompute(const Steel& steel, const CalculatorSettings& settings = {});

} // namespace wb::steel
