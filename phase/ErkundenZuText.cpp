// The explorer's texts: numbers, the read-out of phases and constituents, the messages.
#include "phase/ErkundenZuText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numeric>
#include <string>

namespace wb::erkundenzu {

namespace {

using model::ConstituentKind;
using model::Phase;

struct PhasenText {
    Phase phase;
    const char* name; // one crystal, as the phase read-out names it
    const char* kurz; // in a reaction
    const char* kristalle; // many, as the constituents are named
    const char* segregat; // precipitated from the other solid solution
};
// clang-format off
constexpr PhasenText kPhasen[] = {
    { Phase::Melt,  "Schmelze",           "Schmelze", "Schmelze",             "" },
    { Phase::Alpha, "Alpha-Mischkristall", "Alpha-MK", "Alpha-Mischkristalle", "Alpha-Segregat" },
    { Phase::Beta,  "Beta-Mischkristall",  "Beta-MK",  "Beta-Mischkristalle",  "Beta-Segregat" },
    { Phase::A,     "A",                   "A",        "A-Kristalle",          "" },
    { Phase::B,     "B",                   "B",        "B-Kristalle",          "" },
};

struct GefuegeText {
    ConstituentKind kind;
    const char* vorher; // before the crystals' name
    const char* nachher; // after it
};
constexpr GefuegeText kGefuege[] = {
    { ConstituentKind::Crystals,    "",               "" },
    { ConstituentKind::Primary,     "Primäre ",       "" },
    { ConstituentKind::Peritectic,  "Peritektische ", "" },
    { ConstituentKind::FromMelt,    "",               " aus der Restschmelze" },
    { ConstituentKind::Homogeneous, "Homogene ",      "" },
};
// clang-format on

const PhasenText& text(Phase p)
{
    for (const PhasenText& t : kPhasen)
        if (t.phase == p)
            return t;
    // The explorer shows types 1 to 4, whose phases are all in the table.
    return kPhasen[0];
}

QString utf8(const char* s)
{
    return QString::fromUtf8(s);
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The sentence that names the range, the same in both messages about a value.
QString bereich(const char* was, const QString& von, const QString& bis, const char* einheit)
{
    return QStringLiteral("%1 muss zwischen %2 und %3 %4 liegen.").arg(utf8(was), von, bis, utf8(einheit));
}

QString falsch(const QString& getippt, const QString& bereichsSatz)
{
    if (getippt.trimmed().isEmpty())
        return QStringLiteral("Bitte eine Zahl eingeben. ") + bereichsSatz;
    if (!liesZahl(getippt))
        return QStringLiteral("„%1“ ist keine Zahl. ").arg(getippt) + bereichsSatz;
    return bereichsSatz;
}

} // namespace

QString zahl(double v, int decimals)
{
    const double f = std::pow(10.0, decimals);
    const double r = std::round(v * f) / f;
    QString s = QString::number(r == 0 ? 0.0 : r, 'f', decimals);
    if (decimals > 0) {
        while (s.endsWith(QLatin1Char('0')))
            s.chop(1);
        if (s.endsWith(QLatin1Char('.')))
            s.chop(1);
    }
    s.replace(QLatin1Char('.'), QLatin1Char(','));
    return s;
}

std::optional<double> liesZahl(const QString& text)
{
    const QString t = text.trimmed();
    std::string ascii;
    qsizetype i = 0;
    if (i < t.size() && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-'))) {
        if (t[i] == QLatin1Char('-'))
            ascii += '-';
        ++i;
    }
    int digits = 0;
    for (; i < t.size() && isDigit(t[i]); ++i, ++digits)
        ascii += char(t[i].unicode());
    if (i < t.size() && (t[i] == QLatin1Char(',') || t[i] == QLatin1Char('.'))) {
        ascii += '.';
        for (++i; i < t.size() && isDigit(t[i]); ++i, ++digits)
            ascii += char(t[i].unicode());
    }
    if (digits == 0 || i != t.size())
        return std::nullopt;
    double v = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), v);
    if (error != std::errc() || end != ascii.data() + ascii.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::vector<int> ganzeProzente(std::span<const double> shares)
{
    std::vector<int> p(shares.size());
    std::vector<size_t> order(shares.size());
    int sum = 0;
    for (size_t i = 0; i < shares.size(); ++i) {
        p[i] = int(std::floor(std::max(0.0, shares[i]) * 100 + 1e-9));
        sum += p[i];
        order[i] = i;
    }
    auto rest = [&](size_t i) { return shares[i] * 100 - p[i]; };
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return rest(a) > rest(b); });
    for (size_t k = 0; sum < 100 && k < order.size(); ++k, ++sum)
        ++p[order[k]];
    return p;
}

QString prozent(int gerundet, double share)
{
    if (gerundet == 0 && share > 0)
        return QStringLiteral("< 1 %");
    return QStringLiteral("%1 %").arg(gerundet);
}

QString phasenName(Phase p)
{
    return utf8(text(p).name);
}

QStringList phasenZeilen(const model::PhaseState& st, double t)
{
    QStringList lines;
    if (st.invariant) {
        const model::Invariant& inv = *st.invariant;
        const QString l = utf8(text(inv.left.phase).kurz);
        const QString m = utf8(text(inv.middle.phase).kurz);
        const QString r = utf8(text(inv.right.phase).kurz);
        if (inv.reaction == model::Reaction::Peritectic) {
            lines << QStringLiteral("Peritektische Reaktion bei %1 °C:").arg(zahl(inv.t));
            lines << QStringLiteral("%1 + %2 → %3").arg(r, l, m);
        } else {
            lines << QStringLiteral("Eutektische Reaktion bei %1 °C:").arg(zahl(inv.t));
            lines << QStringLiteral("%1 → %2 + %3").arg(m, l, r);
        }
    } else if (st.melting) {
        const QString komponente = st.phases.front().w <= 0 ? QStringLiteral("A") : QStringLiteral("B");
        lines << QStringLiteral("Reines %1 erstarrt bei %2 °C:").arg(komponente, zahl(t));
    }
    std::vector<double> shares;
    for (const model::PhaseShare& p : st.phases)
        shares.push_back(p.share);
    const std::vector<int> rounded = ganzeProzente(shares);
    for (size_t i = 0; i < st.phases.size(); ++i) {
        const model::PhaseShare& p = st.phases[i];
        lines
            << QStringLiteral("%1 %2 (B = %3 %)").arg(phasenName(p.phase), prozent(rounded[i], p.share), zahl(p.w, 1));
    }
    return lines;
}

QStringList gefuegeZeilen(const std::vector<model::Constituent>& cs)
{
    std::vector<double> shares;
    for (const model::Constituent& c : cs)
        shares.push_back(c.share);
    const std::vector<int> rounded = ganzeProzente(shares);
    QStringList lines;
    for (size_t i = 0; i < cs.size(); ++i) {
        const model::Constituent& c = cs[i];
        const QString anteil = prozent(rounded[i], c.share);
        switch (c.kind) {
        case ConstituentKind::Melt:
            lines << QStringLiteral("Schmelze %1").arg(anteil);
            break;
        case ConstituentKind::Eutectic: {
            const double own[] = { c.left.share, c.right.share };
            const std::vector<int> r = ganzeProzente(own);
            lines << QStringLiteral("Eutektikum %1").arg(anteil);
            lines << QStringLiteral("   davon %1 %2, %3 %4")
                         .arg(utf8(text(c.left.phase).kurz), prozent(r[0], own[0]), utf8(text(c.right.phase).kurz),
                             prozent(r[1], own[1]));
            break;
        }
        case ConstituentKind::Precipitate:
            lines << QStringLiteral("%1 %2").arg(utf8(text(c.phase).segregat), anteil);
            break;
        default: {
            const bool rein = c.phase == Phase::A || c.phase == Phase::B;
            for (const GefuegeText& g : kGefuege) {
                if (g.kind != c.kind)
                    continue;
                // Crystals of a pure component are not a solid solution: "A-Kristalle", not
                // "Homogene A-Kristalle".
                const QString vorher = rein && c.kind == ConstituentKind::Homogeneous ? QString() : utf8(g.vorher);
                lines
                    << QStringLiteral("%1%2%3 %4").arg(vorher, utf8(text(c.phase).kristalle), utf8(g.nachher), anteil);
            }
        }
        }
    }
    return lines;
}

QString konzentrationFalsch(const QString& getippt)
{
    return falsch(getippt, bereich("Die Konzentration", QStringLiteral("0"), QStringLiteral("100"), "% B"));
}

QString temperaturFalsch(const QString& getippt, const model::PhaseDiagram& d)
{
    return falsch(getippt, bereich("Die Temperatur", zahl(d.tBottom), zahl(d.tTop), "°C"));
}

} // namespace wb::erkundenzu
