// Hardenability by Grossmann's method as ASTM A255 gives it: the ideal critical diameter DI from
// multiplying factors, the initial hardness from carbon, and the end-quench (Jominy) curve from the
// standard's dividing factors.
#pragma once

#include "Composition.h"

#include <array>
#include <vector>

namespace wb::steel {

// DI in mm (flagged outside A255's range; its carbon factors hold for ASTM grain size 7).
Flagged<double> idealCriticalDiameter(const Steel& steel);
// The product of A255's multiplying factors in inches, before any flag.
double idealCriticalDiameterInches(const Composition& composition);

// A255's initial hardness IH (HRC at the quenched end), a function of carbon only.
double initialHardnessHrc(double carbon);

// The distances (mm from the quenched end) where A255 gives dividing factors.
inline constexpr std::array<double, 15> kJominyDistances { 1.5, 3, 5, 7, 9, 11, 13, 15, 20, 25, 30, 35, 40, 45, 50 };

// A255's dividing factor IH/HRC at a tabulated distance for a DI in mm (1 at 1.5 mm).
double dividingFactor(double distanceMm, double idealDiameterMm);

struct JominyPoint {
    double distance; // mm
    double hrc;
};
// HRC at each tabulated distance; flagged outside A255's composition range or where DI leaves the
// range of the standard's table (1 to 7 in).
Flagged<std::vector<JominyPoint>> jominyCurve(const Steel& steel);
// HRC at any distance from 1.5 to 50 mm, linear between the tabulated ones.
double jominyHrcAt(const std::vector<JominyPoint>& curve, double distanceMm);

inline constexpr double kInch = 25.4; // mm

} // namespace wb::steel
