// The heating rate the student types into the continuous ZTA lessons: read the same on every
// machine, whatever its language settings.
#pragma once

#include <QString>
#include <optional>

namespace wb::heatingrate {

// The number the text is, or nothing if it is not wholly one number. Blanks around the number
// are allowed; its decimal separator is a point or a comma (once: there are no group
// separators), and it may carry a sign and an exponent ("1e3"). A number written correctly but
// beyond what a double holds reads as infinity (with its sign), one too small as zero.
// Letters, "nan", "inf", two separators ("1.000,5") and an empty text are no number.
std::optional<double> readNumber(const QString& text);

// Whether the lessons draw a curve for a rate in °C/min: more than 1.5 and less than 1000.
bool accepted(double rate);

// The error box's text for a typed text that is no number.
QString notANumber(const QString& typed);

} // namespace wb::heatingrate
