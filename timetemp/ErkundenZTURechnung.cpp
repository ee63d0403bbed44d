// What the window "Abkühlung selbst wählen" computes, without widgets.
#include "timetemp/ErkundenZTURechnung.h"

#include "steel/Hardenability.h"
#include "steel/Hardness.h"
#include "timetemp/HeatingRate.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <variant>

namespace wb::erkundenztu {

namespace {

constexpr double kRaum = 20; // °C, where every cooling ends
constexpr double kDiagrammAnfang = -1; // lg s: the diagrams start at 0.1 s
constexpr double kDiagrammEnde = 5; // … and end at 10^5 s

// The quench to a hold and the cooling after it, for the models: fast enough that little forms on
// the way down (the lessons draw the quench as a near-vertical line), and the cooling after the
// hold as fast as a water quench, so that the austenite left becomes martensite.
constexpr double kAbschreckRate = 1000; // °C/s
constexpr double kNachHaltenRate = 200; // °C/s

steel::Steel alsStahl(const steel::Composition& c)
{
    const auto geprueft = steel::Steel::from(c);
    assert(std::holds_alternative<steel::Steel>(geprueft));
    return std::get<steel::Steel>(geprueft);
}

// The curve of the models in lg t, from 0.1 s on (a curve's first point at t = 0 lies left of
// the diagram; it starts where the curve is at 0.1 s).
std::vector<model::TimeTemperature> imSchaubild(const std::vector<steel::TimeTemperature>& kurve)
{
    std::vector<model::TimeTemperature> punkte;
    const double anfang = std::pow(10.0, kDiagrammAnfang);
    for (size_t i = 0; i < kurve.size(); ++i) {
        const steel::TimeTemperature& p = kurve[i];
        if (p.time < anfang) {
            if (i + 1 < kurve.size() && kurve[i + 1].time > anfang) {
                const steel::TimeTemperature& q = kurve[i + 1];
                const double t
                    = p.temperature + (q.temperature - p.temperature) * (anfang - p.time) / (q.time - p.time);
                punkte.push_back({ kDiagrammAnfang, t });
            }
            continue;
        }
        punkte.push_back({ std::log10(p.time), p.temperature });
    }
    return punkte;
}

// The straight cooling line a lesson draws for a rate, from its austenitising temperature down to
// room temperature, sampled every 1/50 decade.
std::vector<model::TimeTemperature> lehrLinie(const model::LessonSteel& s, double rate)
{
    const double gezeichnet = model::drawnRate(s, rate);
    std::vector<model::TimeTemperature> punkte;
    for (double lg = kDiagrammAnfang; lg <= kDiagrammEnde + 1e-9; lg += 0.02) {
        const double t = model::coolingLineCelsius(s, gezeichnet, lg);
        if (t < kRaum) {
            // The last piece ends on room temperature.
            const double ende = std::log10((s.austenitising - kRaum) / gezeichnet);
            punkte.push_back({ ende, kRaum });
            break;
        }
        punkte.push_back({ lg, t });
    }
    return punkte;
}

Ergebnis ausLehrtabelle(const model::LessonSteel& s, double rate)
{
    const model::CoolingResult r = model::throughDiagram(s, rate);
    Ergebnis e;
    e.ferrit = r.shares.ferrite;
    e.perlit = r.shares.pearlite;
    e.bainit = r.shares.bainite;
    e.martensit = r.shares.martensite;
    e.haerteHV = r.hardnessHV;
    e.rate700 = rate;
    return e;
}

Ergebnis ausModell(const Stahl& stahl, const std::vector<steel::TimeTemperature>& kurve)
{
    const steel::Steel s = alsStahl(stahl.zusammensetzung());
    const steel::CctResult r = steel::continuousCooling(stahl.bericht().kinetics, kurve);
    const steel::Flagged<double> h = steel::hardnessAfterCooling(s, r);
    Ergebnis e;
    e.ferrit = 100 * r.ferrite;
    e.perlit = 100 * r.pearlite;
    e.bainit = 100 * r.bainite;
    e.martensit = 100 * r.martensite;
    e.restaustenit = 100 * r.austenite;
    e.haerteHV = h.value;
    e.haerteAusserhalb = !h.inRange() || stahl.bericht().kinetics.outside.has_value();
    e.rate700 = r.coolingRate700;
    return e;
}

const char* mittelName(steel::Quenchant q)
{
    switch (q) {
    case steel::Quenchant::Water:
        return "Wasser";
    case steel::Quenchant::Oil:
        return "Öl";
    case steel::Quenchant::Air:
        return "Luft";
    }
    return "";
}

const char* ortName(Ort o)
{
    switch (o) {
    case Ort::Rand:
        return "Rand";
    case Ort::HalberRadius:
        return "halber Radius";
    case Ort::Kern:
        return "Kern";
    }
    return "";
}

QString u8(const char* s)
{
    return QString::fromUtf8(s);
}

} // namespace

// --- The steel ---------------------------------------------------------------------------------

Stahl Stahl::lehrstahl(const model::LessonSteel& steel, const QString& name)
{
    Stahl s;
    s.m_lesson = &steel;
    s.m_composition.C = steel.carbon;
    s.m_name = name;
    return s;
}

Stahl Stahl::beliebig(const steel::Composition& composition, const QString& name)
{
    Stahl s;
    s.m_composition = composition;
    s.m_report = steel::recompute(alsStahl(composition));
    s.m_name = name;
    return s;
}

double Stahl::austenitisierung() const
{
    return m_lesson ? m_lesson->austenitising : m_report.hardeningTemperature;
}

double Stahl::ms() const
{
    return m_lesson ? m_lesson->msContinuous : m_report.temperatures.ms.value;
}

quint64 Stahl::gefuegeSaat() const
{
    // The carbon content picks the layout: the two lesson steels keep theirs, and a composition
    // changed a little elsewhere keeps its picture.
    return 1000 + quint64(std::lround(m_composition.C * 1000));
}

// --- The cooling -------------------------------------------------------------------------------

double stirnAustenitisierung(const Stahl& stahl)
{
    return stahl.istLehrstahl() ? model::c45EndQuench().austenitising : stahl.austenitisierung();
}

double stirnRate(const Stahl& stahl, double abstand)
{
    return steel::jominyCoolingRate700(abstand, stirnAustenitisierung(stahl));
}

double relativerRadius(Ort ort)
{
    switch (ort) {
    case Ort::Rand:
        return 1;
    case Ort::HalberRadius:
        return 0.5;
    case Ort::Kern:
        return 0;
    }
    return 0;
}

double rateBei700(const std::vector<steel::TimeTemperature>& kurve)
{
    for (size_t i = 0; i + 1 < kurve.size(); ++i) {
        const steel::TimeTemperature& p = kurve[i];
        const steel::TimeTemperature& q = kurve[i + 1];
        if (p.temperature >= 700 && q.temperature < 700)
            return (p.temperature - q.temperature) / (q.time - p.time);
    }
    return NAN;
}

Ergebnis berechne(const Stahl& stahl, const Einstellung& e)
{
    const double t0 = stahl.austenitisierung();
    const bool lehr = stahl.istLehrstahl();
    Ergebnis r;
    switch (e.art) {
    case Art::Geschwindigkeit: {
        const auto kurve = steel::constantRateCurve(t0, e.rate, kRaum);
        r = lehr ? ausLehrtabelle(stahl.lehrstahl(), e.rate) : ausModell(stahl, kurve);
        r.kurven.push_back({ lehr ? lehrLinie(stahl.lehrstahl(), e.rate) : imSchaubild(kurve), true });
        r.hinweis = QStringLiteral("Konstante Abkühlung mit %1 °C/s").arg(rateText(e.rate));
        break;
    }
    case Art::Rundstab: {
        const steel::BarCooling stab(e.durchmesser, e.mittel);
        std::vector<steel::TimeTemperature> gewaehlt;
        std::vector<Kurve> kurven;
        for (Ort o : { Ort::Rand, Ort::HalberRadius, Ort::Kern }) {
            auto kurve = stab.curve(relativerRadius(o), t0, kRaum);
            kurven.push_back({ imSchaubild(kurve), o == e.ort });
            if (o == e.ort)
                gewaehlt = std::move(kurve);
        }
        const double rate = rateBei700(gewaehlt);
        // On a lesson diagram the place cools as the lesson's line of its rate at 700 °C.
        r = lehr ? ausLehrtabelle(stahl.lehrstahl(), rate) : ausModell(stahl, gewaehlt);
        r.kurven = std::move(kurven);
        r.hinweis = QStringLiteral("Rundstab %1 mm in %2, %3: %4 °C/s bei 700 °C")
                        .arg(zahl(e.durchmesser, 1), u8(mittelName(e.mittel)), u8(ortName(e.ort)), rateText(rate));
        break;
    }
    case Art::Stirnabschreck: {
        const double rate = stirnRate(stahl, e.abstand);
        const auto kurve = steel::constantRateCurve(t0, rate, kRaum);
        r = lehr ? ausLehrtabelle(stahl.lehrstahl(), rate) : ausModell(stahl, kurve);
        r.kurven.push_back({ lehr ? lehrLinie(stahl.lehrstahl(), rate) : imSchaubild(kurve), true });
        r.hinweis = QStringLiteral("Stirnabschreckprobe, %1 mm von der Stirnfläche: %2 °C/s bei 700 °C")
                        .arg(zahl(e.abstand, 1), rateText(rate));
        break;
    }
    case Art::Halten: {
        const double th = e.halteTemperatur;
        // Quenched to the hold in the first tenths of a second, held, then cooled to room
        // temperature within a few seconds.
        const double lgEnde = std::log10(std::max(e.halteZeit, 0.2));
        std::vector<model::TimeTemperature> punkte { { kDiagrammAnfang, t0 }, { -0.7, th }, { lgEnde, th },
            { std::min(lgEnde + 0.5, kDiagrammEnde + 0.5), kRaum } };
        if (lehr) {
            const model::HoldResult h = model::afterHold(stahl.lehrstahl(), th, e.halteZeit);
            r.ferrit = h.shares.ferrite;
            r.perlit = h.shares.pearlite;
            r.bainit = h.shares.bainite;
            r.martensit = h.shares.martensite;
            r.hinweis = std::isnan(h.startSeconds)
                ? QStringLiteral("Bei %1 °C beginnt im Schaubild keine Umwandlung").arg(zahl(th, 0))
                : std::isnan(h.finishSeconds)
                ? QStringLiteral("Umwandlungsbeginn nach %1 s, kein Ende bis 100 000 s").arg(zahl(h.startSeconds, 1))
                : QStringLiteral("Umwandlungsbeginn nach %1 s, Ende nach %2 s")
                      .arg(zahl(h.startSeconds, 1), zahl(h.finishSeconds, 1));
        } else {
            const double tq = (t0 - th) / kAbschreckRate;
            const std::vector<steel::TimeTemperature> kurve { { 0, t0 }, { tq, th }, { tq + e.halteZeit, th },
                { tq + e.halteZeit + (th - kRaum) / kNachHaltenRate, kRaum } };
            r = ausModell(stahl, kurve);
            r.rate700 = NAN;
            r.hinweis = QStringLiteral("Isothermes Halten bei %1 °C für %2 s").arg(zahl(th, 0), zahl(e.halteZeit, 1));
        }
        r.isotherm = true;
        r.kurven.push_back({ std::move(punkte), true });
        break;
    }
    }
    return r;
}

QStringList gefuegeZeilen(const Ergebnis& e)
{
    struct Zeile {
        const char* name;
        double anteil;
    };
    const Zeile zeilen[] = { { "Ferrit", e.ferrit }, { "Perlit", e.perlit }, { "Bainit", e.bainit },
        { "Martensit", e.martensit }, { "Restaustenit", e.restaustenit } };
    QStringList lines;
    for (const Zeile& z : zeilen) {
        const long prozent = std::lround(z.anteil);
        if (prozent > 0)
            lines << QStringLiteral("%1 %").arg(prozent, 3) + QStringLiteral("  ") + u8(z.name);
    }
    return lines;
}

QString haerteText(const Ergebnis& e)
{
    if (std::isnan(e.haerteHV))
        return u8("– (im Schaubild nicht angegeben)");
    const long hv = std::lround(e.haerteHV);
    const double hrc = model::rockwellC(e.haerteHV);
    QString text = std::isnan(hrc) ? QStringLiteral("%1 HV").arg(hv)
                                   : QStringLiteral("%1 HV (≈ %2 HRC)").arg(hv).arg(std::lround(hrc));
    if (e.haerteAusserhalb)
        text += QStringLiteral(" *");
    return text;
}

// --- The end-quench curve ----------------------------------------------------------------------

std::vector<StirnPunkt> stirnKurve(const Stahl& stahl)
{
    std::vector<StirnPunkt> punkte;
    if (stahl.istLehrstahl()) {
        if (&stahl.lehrstahl() != &model::c45())
            return punkte;
        // The chart's specimen that was not tempered (20 °C), from its first point on.
        const model::EndQuenchChart& chart = model::c45EndQuench();
        const int ungetempert = int(chart.curves.size()) - 1;
        assert(chart.curves[size_t(ungetempert)].temperingCelsius == 20);
        for (double mm = chart.curves[size_t(ungetempert)].points.front().mm; mm <= kStirnBis + 1e-9; mm += 0.5)
            punkte.push_back({ mm, model::endQuenchHRC(chart, ungetempert, mm) });
        return punkte;
    }
    for (const steel::JominyPoint& p : stahl.bericht().jominy.value)
        punkte.push_back({ p.distance, p.hrc });
    return punkte;
}

std::vector<StirnPunkt> stirnKurveAusSchaubild(const Stahl& stahl)
{
    std::vector<StirnPunkt> punkte;
    Einstellung e;
    e.art = Art::Stirnabschreck;
    for (double mm = 1.5; mm <= kStirnBis + 1e-9; mm += mm < 10 ? 0.5 : 2) {
        e.abstand = mm;
        punkte.push_back({ mm, model::rockwellC(berechne(stahl, e).haerteHV) });
    }
    return punkte;
}

// --- Entries -----------------------------------------------------------------------------------

const Eingabe kRate { "die Abkühlgeschwindigkeit", 0.01, 1000, "°C/s" };
const Eingabe kDurchmesser { "den Stabdurchmesser", 5, 200, "mm" };
const Eingabe kHalteTemperatur { "die Haltetemperatur", 20, 720, "°C" };
const Eingabe kHalteZeit { "die Haltezeit", 0.1, 100000, "s" };
const Eingabe kAbstand { "den Abstand von der Stirnfläche", 1.5, kStirnBis, "mm" };

Gelesen lies(const Eingabe& eingabe, const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t == QLatin1String(",") || t == QLatin1String("."))
        return { Lesart::Unvollstaendig };
    const std::optional<double> v = heatingrate::readNumber(t);
    if (!v || !std::isfinite(*v) || *v < 0)
        return { Lesart::Falsch };
    if (*v >= eingabe.min && *v <= eingabe.max)
        return { Lesart::Zahl, *v };
    if (*v > eingabe.max || t.contains(QLatin1Char('e'), Qt::CaseInsensitive))
        return { Lesart::Falsch };
    // Too small: could more digits still bring it into the range? After the separator they add
    // less than one unit of the last place; before it, each multiplies by ten.
    const qsizetype komma = std::max(t.indexOf(QLatin1Char(',')), t.indexOf(QLatin1Char('.')));
    if (komma >= 0) {
        const double stelle = std::pow(10.0, -double(t.size() - komma - 1));
        return { *v + stelle > eingabe.min ? Lesart::Unvollstaendig : Lesart::Falsch, *v };
    }
    for (double f = 10; f <= 1e6; f *= 10)
        if ((*v + 1) * f > eingabe.min && *v * f <= eingabe.max)
            return { Lesart::Unvollstaendig, *v };
    return { Lesart::Falsch, *v };
}

QString meldung(const Eingabe& eingabe, const QString& text)
{
    return QStringLiteral("Bitte für %1 eine Zahl von %2 bis %3 %4 eingeben. „%5“ ist keine solche Zahl; die "
                          "Eingabe wurde nicht übernommen.")
        .arg(u8(eingabe.name), zahl(eingabe.min), zahl(eingabe.max), u8(eingabe.einheit), text);
}

QString zahl(double v, int stellen)
{
    // Two significant places below 1, `stellen` places above; a decimal comma, no trailing zeros.
    int places = stellen;
    if (v != 0 && std::abs(v) < 1)
        places = std::max(stellen, 1 - int(std::floor(std::log10(std::abs(v)))));
    QString s = QString::number(v, 'f', places);
    if (s.contains(QLatin1Char('.'))) {
        while (s.endsWith(QLatin1Char('0')))
            s.chop(1);
        if (s.endsWith(QLatin1Char('.')))
            s.chop(1);
    }
    s.replace(QLatin1Char('.'), QLatin1Char(','));
    return s;
}

QString rateText(double rate)
{
    return zahl(rate, std::max(0, 2 - int(std::floor(std::log10(rate)))));
}

// --- The slider --------------------------------------------------------------------------------

double rateAusSchieber(int position)
{
    return std::pow(10.0, -2 + position / 80.0);
}

int schieberAusRate(double rate)
{
    return std::clamp(int(std::lround((std::log10(rate) + 2) * 80)), 0, kSchieberMax);
}

} // namespace wb::erkundenztu
