// What the steel calculator reads and writes as text.
#include "heattreat/StahlrechnerEingabe.h"

#include <QLocale>
#include <cmath>

namespace wb::stahlrechner {

// clang-format off
// The window takes steels: carbon up to the steel limit of the iron–carbon diagram, each alloying
// element up to 10 %, the grain size on the ASTM scale. The models' own, narrower ranges are flagged,
// not refused.
const std::array<Eingabefeld, 9> kEingaben { {
    { steel::Element::C,         "EditC",          "C",                0, 2.06, "%" },
    { steel::Element::Si,        "EditSi",         "Si",               0, 10,   "%" },
    { steel::Element::Mn,        "EditMn",         "Mn",               0, 10,   "%" },
    { steel::Element::Cr,        "EditCr",         "Cr",               0, 10,   "%" },
    { steel::Element::Ni,        "EditNi",         "Ni",               0, 10,   "%" },
    { steel::Element::Mo,        "EditMo",         "Mo",               0, 10,   "%" },
    { steel::Element::Cu,        "EditCu",         "Cu",               0, 10,   "%" },
    { steel::Element::V,         "EditV",          "V",                0, 10,   "%" },
    { steel::Element::GrainSize, "EditKorngroesse", "Korngröße (ASTM)", steel::kGrainSizeMin, steel::kGrainSizeMax, "" },
} };
// clang-format on

std::optional<double> leseZahl(const QString& text)
{
    QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    int separators = 0;
    for (QChar& ch : t) {
        if (ch == u',' || ch == u'.') {
            ch = u'.';
            ++separators;
        } else if (!(ch.isDigit() && ch.unicode() < 128) && ch != u'+' && ch != u'-') {
            return std::nullopt; // letters ("nan", "1e3") and anything else
        }
    }
    if (separators > 1)
        return std::nullopt;
    bool ok = false;
    const double value = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

Gelesen lies(const Eingabefeld& feld, const QString& text)
{
    const QString t = text.trimmed();
    static const QStringList unvollstaendig { QString(), QStringLiteral("-"), QStringLiteral("+"), QStringLiteral(","),
        QStringLiteral("."), QStringLiteral("-,"), QStringLiteral("-."), QStringLiteral("+,"), QStringLiteral("+.") };
    if (unvollstaendig.contains(t))
        return { Lesart::Unvollstaendig };
    const std::optional<double> value = leseZahl(t);
    if (!value)
        return { Lesart::KeineZahl };
    if (*value < feld.min || *value > feld.max)
        return { Lesart::AusserhalbBereich, *value };
    return { Lesart::Zahl, *value };
}

namespace {

QString mitEinheit(double value, const Eingabefeld& feld)
{
    const QString number = gehalt(value);
    return *feld.einheit ? number + u' ' + QString::fromUtf8(feld.einheit) : number;
}

} // namespace

QString meldung(const Eingabefeld& feld, const QString& text, Lesart art)
{
    const QString name = QString::fromUtf8(feld.label);
    const QString bereich = QStringLiteral("Zulässig sind Werte von %1 bis %2.")
                                .arg(mitEinheit(feld.min, feld), mitEinheit(feld.max, feld));
    if (art == Lesart::AusserhalbBereich)
        return QStringLiteral("%1 = %2 liegt außerhalb des Eingabebereichs. %3").arg(name, text.trimmed(), bereich);
    return QStringLiteral("„%1“ ist keine Zahl (Eingabe für %2). %3").arg(text.trimmed(), name, bereich);
}

QString zahl(double value, int stellen, bool kuerzen)
{
    if (std::abs(value) < 0.5 * std::pow(10.0, -stellen))
        value = 0; // no "-0"
    QString s = QString::number(value, 'f', stellen);
    if (kuerzen && s.contains(u'.')) {
        while (s.endsWith(u'0'))
            s.chop(1);
        if (s.endsWith(u'.'))
            s.chop(1);
    }
    s.replace(u'.', u',');
    return s;
}

QString gehalt(double value)
{
    return zahl(value, 3, true);
}

QString ausgabe(const steel::Flagged<double>& value, int stellen)
{
    const QString number = zahl(value.value, stellen);
    return value.inRange() ? number : number + QStringLiteral(" *");
}

namespace {

QString elementWert(const steel::OutOfRange& o)
{
    const QString name = QString::fromUtf8(steel::elementName(o.element));
    switch (o.element) {
    case steel::Element::GrainSize:
        return QStringLiteral("%1 = %2").arg(name, gehalt(o.value));
    case steel::Element::IdealDiameter:
        return QStringLiteral("%1 = %2 mm").arg(name, zahl(o.value, 0));
    default:
        return QStringLiteral("%1 = %2 %").arg(name, gehalt(o.value));
    }
}

QString grenzen(steel::Element element, double min, double max)
{
    const bool prozent = element != steel::Element::GrainSize && element != steel::Element::IdealDiameter;
    const QString einheit = element == steel::Element::IdealDiameter ? QStringLiteral(" mm")
        : prozent                                                    ? QStringLiteral(" %")
                                                                     : QString();
    if (min == max)
        return QStringLiteral("nur %1%2").arg(gehalt(min), einheit);
    if (min <= 0 && prozent)
        return QStringLiteral("bis %1%2").arg(gehalt(max), einheit);
    const int stellen = element == steel::Element::IdealDiameter ? 0 : 3;
    return QStringLiteral("%1 bis %2%3").arg(zahl(min, stellen, true), zahl(max, stellen, true), einheit);
}

QString ausserhalb(const char* modell, const steel::OutOfRange& o)
{
    return QStringLiteral("* %1: außerhalb des Gültigkeitsbereichs, %2 (gültig %3)")
        .arg(QString::fromUtf8(modell), elementWert(o), grenzen(o.element, o.min, o.max));
}

} // namespace

QString bereichText(steel::Model model)
{
    QStringList teile;
    for (const steel::Range& r : steel::validityRange(model)) {
        const QString name = QString::fromUtf8(steel::elementName(r.element));
        if (r.element == steel::Element::GrainSize)
            teile << QStringLiteral("%1 %2").arg(
                name, r.min == r.max ? gehalt(r.min) : gehalt(r.min) + u'–' + gehalt(r.max));
        else
            teile << QStringLiteral("%1 %2–%3 %").arg(name, gehalt(r.min), gehalt(r.max));
    }
    return teile.join(QStringLiteral(", "));
}

QStringList hinweise(const steel::Composition& composition, const steel::CalculatorReport& report)
{
    QStringList lines;
    for (const steel::ModelNote& note : report.notes)
        for (const steel::OutOfRange& o : note.outside)
            lines << ausserhalb(steel::modelName(note.model), o);
    // Where a line of a model ends inside its composition range: Grange's Ae3 at the eutectoid, the
    // standard's dividing factors at the ends of their table.
    const auto& ae3 = report.temperatures.ae3;
    if (ae3.outside && ae3.outside->element == steel::Element::C && composition.C >= ae3.outside->max)
        lines << QStringLiteral("* Grange (Ae3): außerhalb des Gültigkeitsbereichs, C = %1 % liegt über dem "
                                "Eutektoid (%2 % C); die Ferritlinien fehlen")
                     .arg(gehalt(composition.C), zahl(ae3.outside->max, 2));
    const auto& jominy = report.jominy;
    if (jominy.outside && jominy.outside->element == steel::Element::IdealDiameter)
        lines << ausserhalb("Stirnabschreckkurve (Teilerfaktoren der Norm)", *jominy.outside);
    if (lines.isEmpty())
        lines << QStringLiteral("Die Zusammensetzung liegt im Gültigkeitsbereich aller Modelle.");

    lines << QString() << QStringLiteral("Verwendete Modelle und ihre Gültigkeitsbereiche (Masse-%):");
    for (steel::Model model : steel::kModels) {
        lines << QStringLiteral("%1: %2").arg(QString::fromUtf8(steel::modelName(model)), bereichText(model));
        if (const char* caveat = steel::modelCaveat(model))
            lines << QString::fromUtf8(caveat);
    }
    lines << QString()
          << QStringLiteral("ZTU-Schaubilder: Umwandlungsbeginn bei 1 %, Ende bei 99 %; kontinuierlich mit "
                            "gleichbleibender Abkühlgeschwindigkeit von %1 °C (Ac3 + 50 K), Härte am Kurvenende "
                            "nach Maynier et al.")
                 .arg(zahl(report.hardeningTemperature, 0))
          << QStringLiteral("Härte des Martensits nach Maynier et al. bei 100 K/s; sie ist die Ausgangshärte des "
                            "Anlassschaubilds.")
          << QStringLiteral("Ac1, Ac3 nach Andrews; Ae1, Ae3 (Grenzen der Umwandlungen) nach Grange; Ms, Bs nach "
                            "Steven und Haynes.");
    return lines;
}

QStringList umbrechen(const QStringList& zeilen, const std::function<int(const QString&)>& messen, int breite)
{
    QStringList result;
    for (const QString& zeile : zeilen) {
        QString current;
        for (const QString& wort : zeile.split(u' ', Qt::SkipEmptyParts)) {
            const QString next = current.isEmpty() ? wort : current + u' ' + wort;
            if (!current.isEmpty() && messen(next) > breite) {
                result << current;
                current = wort;
            } else {
                current = next;
            }
        }
        result << current;
    }
    return result;
}

QString zeitText(double seconds)
{
    if (!std::isfinite(seconds))
        return QStringLiteral("–");
    const auto signifikant = [](double v) {
        const int stellen = v < 10 ? 1 : 0;
        if (v < 0.1)
            return zahl(v, 3, true);
        if (v < 100)
            return zahl(v, stellen, true);
        const double scale = std::pow(10.0, std::floor(std::log10(v)) - 1);
        return zahl(std::round(v / scale) * scale, 0);
    };
    if (seconds < 10000)
        return signifikant(seconds) + QStringLiteral(" s");
    return signifikant(seconds / 3600) + QStringLiteral(" h");
}

} // namespace wb::stahlrechner
