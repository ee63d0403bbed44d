// What the iron–carbon explorer says about a point: the names of phases and constituents, their
// shares in whole percent as the read-out lists them, the micrograph's parts, and the carbon content
// and temperature a student types, read the same on every machine.
#pragma once

#include "micrograph/Synthesis.h"
#include "model/IronCarbon.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace wb::ekderkunden {

namespace mek = model::ekd;

// The range a student may choose: the diagram's carbon axis, and from room temperature to its top.
inline constexpr double kKohlenstoffMin = 0;
inline constexpr double kKohlenstoffMax = mek::kZementitC;
inline constexpr int kTemperaturMin = int(mek::kRaumtemperatur);
inline constexpr int kTemperaturMax = 1600;

QString phaseName(mek::Phase p);
QString constituentName(mek::Constituent k);

// A carbon content as the window writes it: two decimals, decimal comma ("0,45").
QString carbonText(double carbon);
// A temperature in whole degrees ("723").
QString celsiusText(double celsius);

// A share in whole percent, rounded to the nearest, as a student works out the lever rule: "45";
// "< 1" for a share that is there but rounds to nothing, "> 99" for one that is not all.
QString percentText(double share);

// The read-out of a point (on an arrest of a cooling run, of the moment): a heading and one line
// per phase ("Ferrit 94 % (0,02 % C)"), and one line per constituent ("Perlit 55 %"), below the
// eutectoid line followed by the phases of the pearlite itself. A constituent under a thousandth
// of the alloy (the first tertiary cementite below 723 °C) is not worth naming.
QStringList phaseLines(mek::System s, double carbon, mek::CoolingMoment m);
QStringList constituentLines(mek::System s, double carbon, mek::CoolingMoment m);

// The micrograph of the constituents: each as the synthesis draws it, at its share of the area.
std::vector<micrograph::Part> micrographParts(const std::vector<mek::ConstituentShare>& constituents);

// A typed carbon content in % (point or comma, blanks around it allowed), rounded to two decimals,
// or nothing when it is no number or outside 0 … 6.67 %.
std::optional<double> readCarbon(const QString& typed);
// A typed temperature, rounded to whole degrees, or nothing outside room temperature … 1600 °C.
std::optional<int> readCelsius(const QString& typed);
// The messages for a refused entry, naming the range.
QString carbonRefused(const QString& typed);
QString celsiusRefused(const QString& typed);

} // namespace wb::ekderkunden
