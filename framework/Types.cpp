#include "Types.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace wb {

namespace {

struct NamedColor {
    const char* name;
    TColor color;
};

// clang-format off
constexpr NamedColor kPalette[] = {
    {"clBlack", clBlack}, {"clMaroon", clMaroon}, {"clGreen", clGreen}, {"clOlive", clOlive},
    {"clNavy", clNavy}, {"clPurple", clPurple}, {"clTeal", clTeal}, {"clGray", clGray},
    {"clSilver", clSilver}, {"clRed", clRed}, {"clLime", clLime}, {"clYellow", clYellow},
    {"clBlue", clBlue}, {"clFuchsia", clFuchsia}, {"clAqua", clAqua}, {"clWhite", clWhite},
};
// clang-format on

} // namespace

QString colorToHex(TColor c)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
    return QString::fromLatin1(buf);
}

bool parseColor(const QString& text, TColor* out)
{
    if (text.size() == 7 && text[0] == QLatin1Char('#')) {
        bool ok = false;
        const uint v = text.mid(1).toUInt(&ok, 16);
        if (!ok)
            return false;
        *out = RGB(int(v >> 16), int((v >> 8) & 0xFF), int(v & 0xFF));
        return true;
    }
    for (const auto& n : kPalette) {
        if (text.compare(QLatin1String(n.name), Qt::CaseInsensitive) == 0) {
            *out = n.color;
            return true;
        }
    }
    return false;
}

int Round(double v)
{
    const double f = std::floor(v);
    const double diff = v - f;
    if (diff > 0.5)
        return int(f) + 1;
    if (diff < 0.5)
        return int(f);
    // An exact half: the even neighbour.
    const long long fi = static_cast<long long>(f);
    return int((fi % 2 == 0) ? fi : fi + 1);
}

int RoundSingle(double v)
{
    const float stored = static_cast<float>(v);
    return Round(static_cast<double>(stored));
}

QString FloatToStr(double v)
{
    if (std::isnan(v))
        return QStringLiteral("NAN");
    if (std::isinf(v))
        return v > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (v == 0)
        return QStringLiteral("0");
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.15g", v);
    QString s = QString::fromLatin1(buf);
    // printf writes exponents as "e+20" / "e-05"; the lessons' format writes "E20" / "E-5".
    const qsizetype e = s.indexOf(QLatin1Char('e'));
    if (e >= 0) {
        QString mant = s.left(e);
        QString exp = s.mid(e + 1);
        const bool neg = exp.startsWith(QLatin1Char('-'));
        if (exp.startsWith(QLatin1Char('+')) || neg)
            exp.remove(0, 1);
        while (exp.size() > 1 && exp.startsWith(QLatin1Char('0')))
            exp.remove(0, 1);
        s = mant + QLatin1Char('E') + (neg ? QStringLiteral("-") : QString()) + exp;
    }
    return s;
}

bool TryStrToFloat(const QString& text, double* out)
{
    QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    const QByteArray bytes = t.toLatin1();
    char* end = nullptr;
    const double v = std::strtod(bytes.constData(), &end);
    if (end == bytes.constData() || *end != '\0' || std::isnan(v) || std::isinf(v))
        return false;
    // strtod also takes hexadecimal and "inf"; the lessons only ever see decimal numbers.
    for (const char ch : bytes) {
        if (!(std::isdigit(static_cast<unsigned char>(ch)) || ch == '.' || ch == '-' || ch == '+' || ch == 'e'
                || ch == 'E'))
            return false;
    }
    *out = v;
    return true;
}

} // namespace wb
