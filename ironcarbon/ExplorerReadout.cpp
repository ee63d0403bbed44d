// The explorer's read-out: names, shares in whole percent, the micrograph's parts and typed numbers.
#include "ironcarbon/ExplorerReadout.h"

#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <numeric>

namespace wb::ekderkunden {

namespace {

// clang-format off
// In the order of the model's enumerations.
constexpr const char* kPhasenNamen[] = {
    "Schmelze", "δ-Ferrit", "Austenit", "Ferrit", "Zementit", "Graphit",
};
constexpr const char* kGefuegeNamen[] = {
    "Schmelze", "δ-Ferrit", "Austenit", "Ferrit", "voreutektoider Ferrit", "Perlit", "Sekundärzementit",
    "Tertiärzementit", "Ledeburit", "umgewandelter Ledeburit", "Primärzementit", "Primärgraphit",
    "Sekundärgraphit", "Graphiteutektikum", "Graphit",
};
// clang-format on
static_assert(std::size(kPhasenNamen) == int(mek::Phase::Graphit) + 1);
static_assert(std::size(kGefuegeNamen) == int(mek::Constituent::Graphit) + 1);

// The read-out's lines: %1 … the values in the order written.
constexpr const char* kPhasenKopf = "Phasen bei %1 % C und %2 °C:";
constexpr const char* kPhasenKopfHaltepunkt = "Phasen bei %1 % C und %2 °C (Haltepunkt):";
constexpr const char* kPhasenZeile = "%1 %2 % (%3 % C)";
constexpr const char* kGefuegeKopf = "Gefüge nach langsamer Abkühlung:";
constexpr const char* kGefuegeZeile = "%1 %2 %";
constexpr const char* kPerlitZeile = "Perlit = Ferrit %1 % + Zementit %2 %";
// A share that is there but rounds to nothing, and one that rounds to all but is not.
constexpr const char* kWenigerAlsEins = "< 1";
constexpr const char* kMehrAlsNeunundneunzig = "> 99";
// The smallest constituent named.
constexpr double kNennenswert = 0.001;

constexpr const char* kKohlenstoffAbgelehnt
    = "„%1“ ist kein gültiger Kohlenstoffgehalt. Bitte eine Zahl von 0 bis 6,67 (% C) eingeben, zum Beispiel 0,45.";
constexpr const char* kTemperaturAbgelehnt
    = "„%1“ ist keine gültige Temperatur. Bitte eine ganze Zahl von 20 bis 1600 (°C) eingeben.";

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

// Graphite is a third as dense as iron: a share of its mass covers 7.87 / 2.25 = 3.5 times as
// much of a section (cementite, at 7.7 g/cm³, as much as its mass).
constexpr double kGraphitFlaeche = 7.87 / 2.25;
// The graphite in the graphite eutectic: the lever rule between E´ and pure carbon at C´.
const double kGraphitImEutektikum = (mek::at(mek::Point::Cs).carbon - mek::at(mek::Point::Es).carbon)
    / (mek::kGraphitC - mek::at(mek::Point::Es).carbon);

struct Bild {
    micrograph::Constituent constituent;
    double weight; // area per share of mass
};

using MC = micrograph::Constituent;

Bild bildOf(mek::Constituent k)
{
    switch (k) {
    case mek::Constituent::Schmelze:
        return { MC::Melt, 1 };
    case mek::Constituent::DeltaFerrit:
        return { MC::DeltaFerrite, 1 };
    case mek::Constituent::Austenit:
        return { MC::Austenite, 1 };
    case mek::Constituent::Ferrit:
    case mek::Constituent::VoreutektoiderFerrit:
        return { MC::Ferrite, 1 };
    case mek::Constituent::Perlit:
        return { MC::Pearlite, 1 };
    case mek::Constituent::Sekundaerzementit:
        return { MC::SecondaryCementite, 1 };
    case mek::Constituent::Tertiaerzementit:
        return { MC::TertiaryCementite, 1 };
    case mek::Constituent::Ledeburit:
        return { MC::Ledeburite, 1 };
    case mek::Constituent::UmgewandelterLedeburit:
        return { MC::TransformedLedeburite, 1 };
    case mek::Constituent::Primaerzementit:
        return { MC::PrimaryCementite, 1 };
    case mek::Constituent::Primaergraphit:
    case mek::Constituent::Sekundaergraphit:
    case mek::Constituent::Graphit:
    case mek::Constituent::Graphiteutektikum:
        break;
    }
    return { MC::Graphite, kGraphitFlaeche };
}

// A number as typed: digits with one decimal point or comma, a sign, blanks around it.
std::optional<double> readNumber(const QString& typed)
{
    static const QRegularExpression number(QStringLiteral("^\\s*([+-]?(\\d+([.,]\\d*)?|[.,]\\d+))\\s*$"));
    const QRegularExpressionMatch m = number.match(typed);
    if (!m.hasMatch())
        return std::nullopt;
    QString digits = m.captured(1);
    digits.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = QLocale::c().toDouble(digits, &ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

} // namespace

QString phaseName(mek::Phase p)
{
    return text(kPhasenNamen[int(p)]);
}

QString constituentName(mek::Constituent k)
{
    return text(kGefuegeNamen[int(k)]);
}

QString carbonText(double carbon)
{
    return QString::number(carbon, 'f', 2).replace(QLatin1Char('.'), QLatin1Char(','));
}

QString celsiusText(double celsius)
{
    return QString::number(std::lround(celsius));
}

QString percentText(double share)
{
    const long percent = std::lround(share * 100);
    if (percent == 0 && share > 0)
        return text(kWenigerAlsEins);
    if (percent == 100 && share < 1)
        return text(kMehrAlsNeunundneunzig);
    return QString::number(percent);
}

QStringList phaseLines(mek::System s, double carbon, mek::CoolingMoment m)
{
    const std::vector<mek::PhaseShare> phases = mek::phasesAt(s, carbon, m);
    QStringList out {
        text(m.reacted < 1 ? kPhasenKopfHaltepunkt : kPhasenKopf).arg(carbonText(carbon), celsiusText(m.celsius))
    };
    for (const mek::PhaseShare& p : phases) {
        // Pure carbon is written as a whole number.
        const QString composition = p.carbon >= mek::kGraphitC ? QString::number(mek::kGraphitC) : carbonText(p.carbon);
        out << text(kPhasenZeile).arg(phaseName(p.phase), percentText(p.share), composition);
    }
    return out;
}

QStringList constituentLines(mek::System s, double carbon, mek::CoolingMoment m)
{
    QStringList out { text(kGefuegeKopf) };
    bool perlit = false;
    for (const mek::ConstituentShare& k : mek::constituentsAt(s, carbon, m)) {
        if (k.share < kNennenswert)
            continue;
        out << text(kGefuegeZeile).arg(constituentName(k.constituent), percentText(k.share));
        perlit = perlit || k.constituent == mek::Constituent::Perlit;
    }
    if (perlit) {
        const std::vector<mek::PhaseShare> p = mek::pearlitePhases(std::min(m.celsius, mek::kEutektoid));
        out << text(kPerlitZeile).arg(percentText(p[0].share), percentText(p[1].share));
    }
    return out;
}

std::vector<micrograph::Part> micrographParts(const std::vector<mek::ConstituentShare>& constituents)
{
    std::vector<micrograph::Part> out;
    auto add = [&](MC c, double area) {
        for (micrograph::Part& p : out) {
            if (p.constituent == c) {
                p.share += area;
                return;
            }
        }
        out.push_back({ c, area });
    };
    for (const mek::ConstituentShare& k : constituents) {
        if (k.constituent == mek::Constituent::Graphiteutektikum) {
            // Austenite cells with the eutectic's graphite among them.
            add(MC::Austenite, k.share * (1 - kGraphitImEutektikum));
            add(MC::Graphite, k.share * kGraphitImEutektikum * kGraphitFlaeche);
            continue;
        }
        const Bild b = bildOf(k.constituent);
        add(b.constituent, k.share * b.weight);
    }
    // The synthesis takes the shares relative to their sum: the areas.
    const double sum
        = std::accumulate(out.begin(), out.end(), 0.0, [](double a, const micrograph::Part& p) { return a + p.share; });
    for (micrograph::Part& p : out)
        p.share /= sum;
    return out;
}

std::optional<double> readCarbon(const QString& typed)
{
    const std::optional<double> v = readNumber(typed);
    if (!v)
        return std::nullopt;
    const double rounded = std::round(*v * 100) / 100;
    if (rounded < kKohlenstoffMin || rounded > kKohlenstoffMax)
        return std::nullopt;
    return rounded == 0 ? 0.0 : rounded; // no −0
}

std::optional<int> readCelsius(const QString& typed)
{
    const std::optional<double> v = readNumber(typed);
    if (!v || std::abs(*v) > 1e6)
        return std::nullopt;
    const long rounded = std::lround(*v);
    if (rounded < kTemperaturMin || rounded > kTemperaturMax)
        return std::nullopt;
    return int(rounded);
}

QString carbonRefused(const QString& typed)
{
    return text(kKohlenstoffAbgelehnt).arg(typed);
}

QString celsiusRefused(const QString& typed)
{
    return text(kTemperaturAbgelehnt).arg(typed);
}

} // namespace wb::ekderkunden
