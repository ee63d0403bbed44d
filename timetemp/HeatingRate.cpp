// The heating rate the student types into the continuous ZTA lessons: read the same on every
// machine, whatever its language settings.
#include "timetemp/HeatingRate.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace wb::heatingrate {

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isSign(QChar c)
{
    return c == QLatin1Char('+') || c == QLatin1Char('-');
}

} // namespace

std::optional<double> readNumber(const QString& text)
{
    // The text is checked against the one form a number may take here and copied into plain
    // ASCII with a point; only then is it converted, by a conversion that knows no locale.
    const QString t = text.trimmed();
    const qsizetype n = t.size();
    qsizetype i = 0;
    std::string ascii;
    bool negative = false;
    if (i < n && isSign(t[i])) {
        negative = t[i] == QLatin1Char('-');
        if (negative)
            ascii += '-';
        ++i;
    }
    // The decimal magnitude of the number, roughly, to tell an overflow from an underflow:
    // significant digits before the separator, or minus the zeros right after it, plus the exponent.
    int mantissaDigits = 0;
    long magnitude = 0;
    bool significant = false;
    for (; i < n && isDigit(t[i]); ++i, ++mantissaDigits) {
        significant = significant || t[i] != QLatin1Char('0');
        magnitude += significant ? 1 : 0;
        ascii += char(t[i].unicode());
    }
    if (i < n && (t[i] == QLatin1Char('.') || t[i] == QLatin1Char(','))) {
        ascii += '.';
        for (++i; i < n && isDigit(t[i]); ++i, ++mantissaDigits) {
            if (!significant && t[i] == QLatin1Char('0'))
                --magnitude;
            significant = significant || t[i] != QLatin1Char('0');
            ascii += char(t[i].unicode());
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < n && (t[i] == QLatin1Char('e') || t[i] == QLatin1Char('E'))) {
        ascii += 'e';
        ++i;
        bool minus = false;
        if (i < n && isSign(t[i])) {
            minus = t[i] == QLatin1Char('-');
            ascii += char(t[i].unicode());
            ++i;
        }
        int exponentDigits = 0;
        long exponent = 0;
        for (; i < n && isDigit(t[i]); ++i, ++exponentDigits) {
            exponent = std::min(exponent * 10 + (t[i].unicode() - '0'), 1000000L);
            ascii += char(t[i].unicode());
        }
        if (exponentDigits == 0)
            return std::nullopt;
        magnitude += minus ? -exponent : exponent;
    }
    if (i != n)
        return std::nullopt;

    double value = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Written as a number, only too large or too small for a double.
        value = magnitude > 0 ? HUGE_VAL : 0.0;
        return negative ? -value : value;
    }
    if (error != std::errc() || end != ascii.data() + ascii.size())
        return std::nullopt;
    return value;
}

bool accepted(double rate)
{
    return rate > 1.5 && rate < 1000;
}

QString notANumber(const QString& typed)
{
    return QStringLiteral("'%1' ist kein gültiger Gleitkommawert").arg(typed);
}

} // namespace wb::heatingrate
