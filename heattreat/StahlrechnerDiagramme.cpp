// The steel calculator's diagrams in the lessons' style.
#include "heattreat/StahlrechnerDiagramme.h"

#include "diagrams/Panels.h"
#include "framework/Figures.h"
#include "heattreat/StahlrechnerEingabe.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace wb::stahlrechner {

namespace {

using diagrams::kDunkel;
using steel::CalculatorReport;

// Below this many pixels from the top of the bands the lessons write black, further down white.
constexpr int kSchwarzBis = 190;

TColor schriftFarbe(int y)
{
    return y < kSchwarzBis ? clBlack : clWhite;
}

void schreibe(TCanvas& c, int x, int y, const QString& text, TColor farbe)
{
    c.Brush.SetStyle(bsClear);
    c.Font.SetColor(farbe);
    c.TextOut(x, y, text);
}

// A text on a box of its own colour, as the lessons mark a special value.
void schreibeAufGrund(TCanvas& c, int x, int y, const QString& text, TColor farbe, TColor grund)
{
    c.Brush.SetColor(grund);
    c.Font.SetColor(farbe);
    c.TextOut(x, y, text);
    c.Brush.SetStyle(bsClear);
}

// A polyline that is cut wherever a point is missing.
class Linienzug {
public:
    explicit Linienzug(TCanvas& c)
        : m_c(c)
    {
    }
    void punkt(TPoint p)
    {
        if (m_offen)
            m_c.LineTo(p.X, p.Y);
        else
            m_c.MoveTo(p.X, p.Y);
        m_offen = true;
    }
    void luecke() { m_offen = false; }

private:
    TCanvas& m_c;
    bool m_offen = false;
};

constexpr double kZeitMin = 0.1, kZeitMax = 1e6; // s, the axis

bool aufAchse(double seconds)
{
    return std::isfinite(seconds) && seconds >= kZeitMin && seconds <= kZeitMax;
}

// --- The ZTU panel -------------------------------------------------------------------------

// A background of rows, each filled in its colour: the look of the lessons' bands and stripes, which
// they draw with wide pens, filled row by row so that a recomputation redraws it quickly at any ratio.
// The panel covers its part of the rows, so they are filled around it only.
void zeichneZeilen(TCanvas& c, int width, int height, TColor (*farbe)(int y), int hoehe, const Box& feld)
{
    c.Pen.SetStyle(psSolid);
    c.Pen.SetWidth(1);
    for (int y = 0; y < height; y += hoehe) {
        c.Pen.SetColor(farbe(y));
        c.Brush.SetColor(farbe(y));
        if (y >= feld.y1 && y + hoehe <= feld.y2) {
            c.Rectangle(0, y, feld.x1, y + hoehe);
            c.Rectangle(feld.x2, y, width, y + hoehe);
        } else {
            c.Rectangle(0, y, width, y + hoehe);
        }
    }
}

// The gold panel in a dark frame 2 pixels wide, as the lessons' panels look, of one-pixel rings (which
// the canvas fills row by row at any ratio).
void zeichneFeld(TCanvas& c, const Box& feld)
{
    c.Pen.SetStyle(psSolid);
    c.Pen.SetWidth(1);
    c.Pen.SetColor(kDunkel);
    c.Brush.SetColor(diagrams::kPanelGold);
    c.Rectangle(feld.x1 - 1, feld.y1 - 1, feld.x2 + 1, feld.y2 + 1);
    c.Brush.SetStyle(bsClear);
    c.Rectangle(feld.x1, feld.y1, feld.x2, feld.y2);
}

// The ZTA/ZTU lessons' bands: yellow to red over the first 256 rows, then red fading to almost black.
TColor gelbRotDunkel(int y)
{
    return y < 256 ? RGB(255, 255 - y, 0) : RGB(std::max(0, 510 - y), 0, 0);
}

// The end-quench chart's stripes: red darkening downwards, 3 rows each.
TColor rotStreifen(int y)
{
    return RGB(255 - std::min(y / 3, 200), 0, 0);
}

void zeichneZtuGrund(TCanvas& c, int width, int height, const ztaztu::DiagramLayout& l, const QString& titel)
{
    zeichneZeilen(c, width, height, gelbRotDunkel, 1, { l.ZtuLinks, l.ZtuOben, l.ZtuRechts, l.ZtuUnten });
    zeichneFeld(c, { l.ZtuLinks, l.ZtuOben, l.ZtuRechts, l.ZtuUnten });
    c.Pen.SetColor(kDunkel);
    diagrams::drawGrid(
        c, { { l.ZtuLinks, l.ZtuOben, l.ZtuRechts, l.ZtuUnten }, kZtuZeilen, l.ZtuZeile, 1, kZtuDekaden, l.ZtuDekade });

    c.Font.SetBold(false);
    schreibe(c, 4, 4, QStringLiteral("Temperatur/°C"), clBlack);
    schreibe(c, l.ZtuLinks + 90, 4, titel, clBlack);
    for (int k = 0; k <= kZtuZeilen; ++k) {
        const QString text = QString::number(k * 200);
        const int y = temperaturY(l, k * 200.0) - 7;
        schreibe(c, l.ZtuLinks - 5 - c.TextWidth(text), y, text, schriftFarbe(y));
    }
    // The time axis as the lessons write it: 0,1, 1, 10, then 10 with a raised exponent.
    const int y = l.ZtuUnten + 5;
    for (int k = 0; k <= kZtuDekaden; ++k) {
        const int x = l.ZtuLinks + Round(l.ZtuDekade * k);
        const QString basis = k == 0 ? QStringLiteral("0,1") : k == 1 ? QStringLiteral("1") : QStringLiteral("10");
        const int breite = c.TextWidth(basis);
        schreibe(c, x - breite / 2, y, basis, clWhite);
        if (k >= 3)
            schreibe(c, x - breite / 2 + breite + 1, y - 5, QString::number(k - 1), clWhite);
    }
    const QString achse = QStringLiteral("Zeit/s");
    schreibe(c, l.ZtuRechts - c.TextWidth(achse), l.ZtuUnten + 19, achse, clWhite);
}

// A line across the panel at a temperature, with its name and value at the right end, above the line
// or (Ac1, which lies close under Ac3) below it.
void waagerechte(TCanvas& c, const ztaztu::DiagramLayout& l, double celsius, const QString& name, bool unter = false)
{
    if (celsius <= 0 || celsius >= kZtuOberkante)
        return;
    const int y = temperaturY(l, celsius);
    c.Pen.SetColor(kDunkel);
    c.Pen.SetWidth(1);
    c.Pen.SetStyle(psDash);
    c.Brush.SetStyle(bsClear);
    draw(c, Segment { { l.ZtuLinks, y }, { l.ZtuRechts, y } });
    c.Pen.SetStyle(psSolid);
    const QString text = QStringLiteral("%1 %2 °C").arg(name, zahl(celsius, 0));
    schreibe(c, l.ZtuRechts - 4 - c.TextWidth(text), unter ? y + 2 : y - 14, text, kDunkel);
}

void zeichneGrenzen(TCanvas& c, const ztaztu::DiagramLayout& l, const CalculatorReport& r)
{
    waagerechte(c, l, r.temperatures.ac3.value, QStringLiteral("Ac3"));
    waagerechte(c, l, r.temperatures.ac1.value, QStringLiteral("Ac1"), true);
    waagerechte(c, l, r.temperatures.ms.value, QStringLiteral("Ms"));
}

void zeichneLegende(TCanvas& c, const ztaztu::DiagramLayout& l, bool isotherm)
{
    int x = l.ZtuRechts;
    const struct {
        const char* text;
        TColor farbe;
    } eintraege[] = { { "Bainit", kBainitFarbe }, { "Perlit", kPerlitFarbe }, { "Ferrit", kFerritFarbe } };
    for (const auto& e : eintraege) {
        const QString text = QString::fromUtf8(e.text);
        x -= c.TextWidth(text);
        schreibeAufGrund(c, x, 4, text, e.farbe, diagrams::kPanelGold);
        x -= 6;
    }
    if (isotherm) {
        const QString text = QStringLiteral("Beginn 1 % dick, Ende 99 % dünn:");
        schreibe(c, x - c.TextWidth(text), 4, text, clBlack);
    }
}

// The flag of the transformation model, top left in the panel (the austenite's corner).
void zeichneFlagge(TCanvas& c, const ztaztu::DiagramLayout& l, const CalculatorReport& r)
{
    if (!r.kinetics.outside)
        return;
    const QString text = QStringLiteral(" außerhalb des Gültigkeitsbereichs (%1) ")
                             .arg(QString::fromUtf8(steel::elementName(r.kinetics.outside->element)));
    schreibeAufGrund(c, l.ZtuLinks + 4, l.ZtuOben + 4, text, clWhite, RGB(0xC0, 0, 0));
}

const steel::IsothermalTimes& zeiten(const steel::TttRow& row, steel::Phase phase)
{
    switch (phase) {
    case steel::Phase::Ferrite:
        return row.ferrite;
    case steel::Phase::Pearlite:
        return row.pearlite;
    default:
        return row.bainite;
    }
}

struct Phasenbild {
    steel::Phase phase;
    const char* name;
    TColor farbe;
};
constexpr Phasenbild kPhasen[] = {
    { steel::Phase::Ferrite, "Ferrit", kFerritFarbe },
    { steel::Phase::Pearlite, "Perlit", kPerlitFarbe },
    { steel::Phase::Bainite, "Bainit", kBainitFarbe },
};

const steel::PhaseStart& beginn(const steel::CctResult& s, steel::Phase phase)
{
    switch (phase) {
    case steel::Phase::Ferrite:
        return s.ferriteStart;
    case steel::Phase::Pearlite:
        return s.pearliteStart;
    default:
        return s.bainiteStart;
    }
}

// The temperature of a constant-rate curve from the hardening temperature, down to 20 °C.
double kurvenTemperatur(const CalculatorReport& r, double rate, double seconds)
{
    return std::max(20.0, r.hardeningTemperature - rate * seconds);
}

} // namespace

// --- Scales ----------------------------------------------------------------------------------

ztaztu::DiagramLayout ztuLayout(int width, int height)
{
    ztaztu::DiagramLayout l;
    l.ZtuLinks = 46;
    l.ZtuUnten = height - 36;
    // Whole pixels per row and decade, the top and right edges on the last of them.
    const int zeile = (l.ZtuUnten - 24) / kZtuZeilen;
    const int dekade = (width - 14 - l.ZtuLinks) / kZtuDekaden;
    l.ZtuZeile = float(zeile);
    l.ZtuDekade = float(dekade);
    l.ZtuOben = l.ZtuUnten - kZtuZeilen * zeile;
    l.ZtuRechts = l.ZtuLinks + kZtuDekaden * dekade;
    return l;
}

int zeitX(const ztaztu::DiagramLayout& l, double seconds)
{
    return ztaztu::timeX(l, ztaztu::decadePosition(seconds));
}

int temperaturY(const ztaztu::DiagramLayout& l, double celsius)
{
    return ztaztu::temperatureY(l, celsius, 0);
}

double zeitBei(const ztaztu::DiagramLayout& l, int x)
{
    return std::pow(10.0, (x - l.ZtuLinks) / double(l.ZtuDekade) - 1);
}

double temperaturBei(const ztaztu::DiagramLayout& l, int y)
{
    return (l.ZtuUnten - y) * 200.0 / l.ZtuZeile;
}

bool imZtuFeld(const ztaztu::DiagramLayout& l, int x, int y)
{
    return x >= l.ZtuLinks && x <= l.ZtuRechts && y >= l.ZtuOben && y <= l.ZtuUnten;
}

// --- The isothermal diagram ------------------------------------------------------------------

void zeichneIsotherm(TCanvas& c, int width, int height, const CalculatorReport& r)
{
    const ztaztu::DiagramLayout l = ztuLayout(width, height);
    zeichneZtuGrund(c, width, height, l, QStringLiteral("Isothermes ZTU-Schaubild"));
    zeichneLegende(c, l, true);
    zeichneGrenzen(c, l, r);

    c.Pen.SetStyle(psSolid);
    for (const Phasenbild& p : kPhasen) {
        c.Pen.SetColor(p.farbe);
        for (int ende = 0; ende < 2; ++ende) {
            c.Pen.SetWidth(ende ? 1 : 2);
            Linienzug zug(c);
            for (const steel::TttRow& row : r.ttt) {
                const double t = ende ? zeiten(row, p.phase).finish : zeiten(row, p.phase).start;
                if (aufAchse(t))
                    zug.punkt({ zeitX(l, t), temperaturY(l, row.temperature) });
                else
                    zug.luecke();
            }
        }
        // The name between start and finish at the nose, where the reaction starts soonest and runs.
        const steel::TttRow* nase = nullptr;
        for (const steel::TttRow& row : r.ttt)
            if (std::isfinite(zeiten(row, p.phase).start)
                && (!nase || zeiten(row, p.phase).start < zeiten(*nase, p.phase).start))
                nase = &row;
        if (nase) {
            const QString name = QString::fromUtf8(p.name);
            const int beginnX = zeitX(l, std::clamp(zeiten(*nase, p.phase).start, kZeitMin, kZeitMax));
            const int endeX = zeitX(l, std::clamp(zeiten(*nase, p.phase).finish, kZeitMin, kZeitMax));
            const int x = std::max((beginnX + endeX - c.TextWidth(name)) / 2, beginnX + 3);
            if (x + c.TextWidth(name) < l.ZtuRechts)
                schreibe(c, x, temperaturY(l, nase->temperature) - 6, name, p.farbe);
        }
    }
    if (r.temperatures.ms.value > 0)
        schreibe(c, l.ZtuLinks + 4, std::min(temperaturY(l, r.temperatures.ms.value) + 3, l.ZtuUnten - 15),
            QStringLiteral("Martensit"), kDunkel);
    zeichneFlagge(c, l, r);
}

// --- The continuous diagram ------------------------------------------------------------------

void zeichneKontinuierlich(TCanvas& c, int width, int height, const CalculatorReport& r)
{
    const ztaztu::DiagramLayout l = ztuLayout(width, height);
    zeichneZtuGrund(c, width, height, l,
        QStringLiteral("Kontinuierliches ZTU-Schaubild (ab %1 °C)").arg(zahl(r.hardeningTemperature, 0)));
    zeichneLegende(c, l, false);
    zeichneGrenzen(c, l, r);

    // The cooling curves, 20 points a decade from 0.1 s to where they reach 20 °C.
    c.Pen.SetStyle(psSolid);
    c.Pen.SetWidth(1);
    c.Pen.SetColor(kDunkel);
    for (const steel::CoolingOutcome& o : r.cooling) {
        const double ende = (r.hardeningTemperature - 20) / o.rate;
        Linienzug zug(c);
        for (double t = kZeitMin; t < ende * 1.12 && t <= kZeitMax; t *= std::pow(10.0, 0.05))
            zug.punkt({ zeitX(l, std::min(t, ende)), temperaturY(l, kurvenTemperatur(r, o.rate, t)) });
    }
    // The start lines through the curves' starts, slowest curve first.
    for (const Phasenbild& p : kPhasen) {
        c.Pen.SetColor(p.farbe);
        c.Pen.SetWidth(2);
        c.Brush.SetColor(p.farbe);
        Linienzug zug(c);
        for (const steel::CoolingOutcome& o : r.cooling) {
            const steel::PhaseStart& b = beginn(o.shares, p.phase);
            if (std::isnan(b.temperature) || !aufAchse(b.time)) {
                zug.luecke();
                continue;
            }
            const TPoint at { zeitX(l, b.time), temperaturY(l, b.temperature) };
            zug.punkt(at);
            c.Rectangle(at.X - 2, at.Y - 2, at.X + 3, at.Y + 3);
            c.MoveTo(at.X, at.Y);
        }
        c.Brush.SetStyle(bsClear);
    }
    // Each curve's hardness at its end, in two rows so that neighbours do not cover each other.
    for (size_t i = 0; i < r.cooling.size(); ++i) {
        const steel::CoolingOutcome& o = r.cooling[i];
        const double ende = (r.hardeningTemperature - 20) / o.rate;
        if (!aufAchse(ende))
            continue;
        const QString text = zahl(o.hardness, 0);
        const int x = zeitX(l, ende) - c.TextWidth(text) / 2;
        const int y = l.ZtuUnten - (i % 2 ? 32 : 17);
        schreibeAufGrund(
            c, std::clamp(x, l.ZtuLinks + 2, l.ZtuRechts - 2 - c.TextWidth(text)), y, text, kDunkel, clWhite);
    }
    schreibe(c, l.ZtuLinks + 4, l.ZtuUnten - 48, QStringLiteral("Härte HV am Kurvenende:"), kDunkel);
    zeichneFlagge(c, l, r);
}

// --- Read-outs -------------------------------------------------------------------------------

QString ablesungIsotherm(const ztaztu::DiagramLayout& l, int x, int y, const CalculatorReport& r)
{
    if (!imZtuFeld(l, x, y))
        return {};
    const double t = zeitBei(l, x), temperatur = temperaturBei(l, y);
    QString text = QStringLiteral("t = %1, T = %2 °C").arg(zeitText(t), zahl(temperatur, 0));
    if (temperatur <= r.temperatures.ms.value)
        return text + QStringLiteral(": unter Ms, beim Abschrecken Martensit");
    if (r.ttt.size() < 2 || temperatur > r.ttt.front().temperature || temperatur < r.ttt.back().temperature)
        return text;
    const double schritt = (r.ttt.front().temperature - r.ttt.back().temperature) / (r.ttt.size() - 1);
    const auto i
        = std::clamp<long>(std::lround((r.ttt.front().temperature - temperatur) / schritt), 0, long(r.ttt.size()) - 1);
    const steel::TttRow& row = r.ttt[i];
    QStringList teile;
    for (const Phasenbild& p : kPhasen)
        teile << QStringLiteral("%1 %2").arg(QString::fromUtf8(p.name), zeitText(zeiten(row, p.phase).start));
    return text
        + QStringLiteral("; Beginn bei %1 °C: %2").arg(zahl(row.temperature, 0), teile.join(QStringLiteral(", ")));
}

int naechsteKurve(const CalculatorReport& r, double seconds, double celsius)
{
    int best = -1;
    double abstand = INFINITY;
    for (size_t i = 0; i < r.cooling.size(); ++i) {
        const double d = std::abs(kurvenTemperatur(r, r.cooling[i].rate, seconds) - celsius);
        if (d < abstand) {
            abstand = d;
            best = int(i);
        }
    }
    return best;
}

QString ablesungKontinuierlich(const ztaztu::DiagramLayout& l, int x, int y, const CalculatorReport& r)
{
    if (!imZtuFeld(l, x, y))
        return {};
    const double t = zeitBei(l, x), temperatur = temperaturBei(l, y);
    QString text = QStringLiteral("t = %1, T = %2 °C").arg(zeitText(t), zahl(temperatur, 0));
    const int i = naechsteKurve(r, t, temperatur);
    if (i < 0)
        return text;
    const steel::CoolingOutcome& o = r.cooling[i];
    const auto prozent = [](double share) { return zahl(100 * share, 0) + QStringLiteral(" %"); };
    return text
        + QStringLiteral("; Kurve %1 K/s: Ferrit %2, Perlit %3, Bainit %4, Martensit %5, %6 HV")
              .arg(zahl(o.rate, 2, true), prozent(o.shares.ferrite), prozent(o.shares.pearlite),
                  prozent(o.shares.bainite), prozent(o.shares.martensite), zahl(o.hardness, 0));
}

// --- Charts ----------------------------------------------------------------------------------

int xVon(const Diagramm& d, double x)
{
    return Round(d.links + (x - d.xMin) / (d.xMax - d.xMin) * (d.rechts - d.links));
}

int yVon(const Diagramm& d, double y)
{
    return Round(d.unten - (y - d.yMin) / (d.yMax - d.yMin) * (d.unten - d.oben));
}

double xBei(const Diagramm& d, int px)
{
    return d.xMin + double(px - d.links) / (d.rechts - d.links) * (d.xMax - d.xMin);
}

double yBei(const Diagramm& d, int py)
{
    return d.yMin + double(d.unten - py) / (d.unten - d.oben) * (d.yMax - d.yMin);
}

bool imFeld(const Diagramm& d, int px, int py)
{
    return px >= d.links && px <= d.rechts && py >= d.oben && py <= d.unten;
}

Diagramm jominyDiagramm(int width, int height)
{
    return { 40, 24, width - 14, height - 36, 0, 50, 10, 70, 5, 6 };
}

Diagramm anlassDiagramm(int width, int height, const CalculatorReport& r)
{
    double hoechste = r.martensiteHardness;
    for (const steel::TemperingPoint& p : r.tempering)
        hoechste = std::max(hoechste, p.hardness1h);
    const int zeilen = std::max(9, int(std::ceil(hoechste / 100 - 1e-9)));
    return { 40, 24, width - 14, height - 36, 100, 700, 0, 100.0 * zeilen, 6, zeilen };
}

namespace {

// The end-quench chart's look: red stripes darkening downwards, the gold panel, a dotted grid.
void zeichneDiagrammGrund(TCanvas& c, int width, int height, const Diagramm& d, const QString& titel,
    const QString& xTitel, int yBeschriftungAlle)
{
    zeichneZeilen(c, width, height, rotStreifen, 3, { d.links, d.oben, d.rechts, d.unten });
    zeichneFeld(c, { d.links, d.oben, d.rechts, d.unten });
    c.Pen.SetColor(kDunkel);
    diagrams::drawGrid(c,
        { { d.links, d.oben, d.rechts, d.unten }, d.zeilen, double(d.unten - d.oben) / d.zeilen, 1, d.spalten,
            double(d.rechts - d.links) / d.spalten });
    schreibe(c, 4, 4, titel, clWhite);
    for (int k = 0; k <= d.zeilen; k += yBeschriftungAlle) {
        const double wert = d.yMin + (d.yMax - d.yMin) * k / d.zeilen;
        const QString text = zahl(wert, 0);
        schreibe(c, d.links - 5 - c.TextWidth(text), yVon(d, wert) - 7, text, clWhite);
    }
    for (int k = 0; k <= d.spalten; ++k) {
        const double wert = d.xMin + (d.xMax - d.xMin) * k / d.spalten;
        const QString text = zahl(wert, 0);
        schreibe(c, xVon(d, wert) - c.TextWidth(text) / 2, d.unten + 4, text, clWhite);
    }
    schreibe(c, d.rechts - c.TextWidth(xTitel), d.unten + 19, xTitel, clWhite);
}

void zeichneGrenzFlagge(TCanvas& c, const Diagramm& d, const std::optional<steel::OutOfRange>& outside)
{
    if (!outside)
        return;
    const QString text = QStringLiteral(" außerhalb des Gültigkeitsbereichs (%1) ")
                             .arg(QString::fromUtf8(steel::elementName(outside->element)));
    schreibeAufGrund(c, d.rechts - 4 - c.TextWidth(text), d.oben + 4, text, clWhite, RGB(0xC0, 0, 0));
}

} // namespace

void zeichneJominy(TCanvas& c, int width, int height, const CalculatorReport& r)
{
    const Diagramm d = jominyDiagramm(width, height);
    zeichneDiagrammGrund(c, width, height, d, QStringLiteral("Stirnabschreckkurve nach ASTM A255, Härte/HRC"),
        QStringLiteral("Abstand von der Stirnfläche/mm"), 1);
    const bool gueltig = r.jominy.inRange();
    c.Pen.SetStyle(gueltig ? psSolid : psDash);
    c.Pen.SetWidth(gueltig ? 2 : 1);
    c.Pen.SetColor(kDunkel);
    c.Brush.SetColor(kDunkel);
    Linienzug zug(c);
    for (const steel::JominyPoint& p : r.jominy.value) {
        const TPoint at { xVon(d, p.distance), yVon(d, std::clamp(p.hrc, d.yMin, d.yMax)) };
        zug.punkt(at);
    }
    c.Pen.SetStyle(psSolid);
    for (const steel::JominyPoint& p : r.jominy.value) {
        const TPoint at { xVon(d, p.distance), yVon(d, std::clamp(p.hrc, d.yMin, d.yMax)) };
        c.Rectangle(at.X - 2, at.Y - 2, at.X + 2, at.Y + 2);
    }
    c.Brush.SetStyle(bsClear);
    schreibe(c, d.links + 6, d.unten - 18, QStringLiteral("DI = %1 mm").arg(ausgabe(r.idealDiameter)), kDunkel);
    zeichneGrenzFlagge(c, d, r.jominy.outside);
}

Anlasshaerte anlasshaerteBei(const CalculatorReport& r, double celsius)
{
    const auto& p = r.tempering;
    if (p.empty())
        return { NAN, NAN };
    if (celsius <= p.front().temperature)
        return { p.front().hardness1h, p.front().hardness10h };
    for (size_t i = 1; i < p.size(); ++i)
        if (celsius <= p[i].temperature) {
            const double f = (celsius - p[i - 1].temperature) / (p[i].temperature - p[i - 1].temperature);
            return { p[i - 1].hardness1h + f * (p[i].hardness1h - p[i - 1].hardness1h),
                p[i - 1].hardness10h + f * (p[i].hardness10h - p[i - 1].hardness10h) };
        }
    return { p.back().hardness1h, p.back().hardness10h };
}

void zeichneAnlassen(TCanvas& c, int width, int height, const CalculatorReport& r)
{
    const Diagramm d = anlassDiagramm(width, height, r);
    zeichneDiagrammGrund(c, width, height, d, QStringLiteral("Anlassschaubild (eigene Näherung), Härte/HV"),
        QStringLiteral("Anlasstemperatur/°C"), d.zeilen > 9 ? 3 : 2);
    const struct {
        bool zehn;
        TColor farbe;
        const char* name;
    } kurven[] = { { false, kDunkel, "1 h" }, { true, RGB(0xC0, 0, 0), "10 h" } };
    for (const auto& k : kurven) {
        c.Pen.SetStyle(psSolid);
        c.Pen.SetWidth(2);
        c.Pen.SetColor(k.farbe);
        Linienzug zug(c);
        for (const steel::TemperingPoint& p : r.tempering)
            zug.punkt({ xVon(d, p.temperature), yVon(d, k.zehn ? p.hardness10h : p.hardness1h) });
        if (!r.tempering.empty()) {
            const steel::TemperingPoint& last = r.tempering.back();
            const int y = yVon(d, k.zehn ? last.hardness10h : last.hardness1h);
            schreibe(c, d.rechts - 28, k.zehn ? y + 2 : y - 16, QString::fromUtf8(k.name), k.farbe);
        }
    }
    for (const steel::ModelNote& note : r.notes)
        if (note.model == steel::Model::HollomonJaffe && !note.outside.empty())
            zeichneGrenzFlagge(c, d, note.outside.front());
}

QString ablesungJominy(const Diagramm& d, int x, int y, const CalculatorReport& r)
{
    if (!imFeld(d, x, y))
        return {};
    const double abstand = std::clamp(xBei(d, x), 0.0, 50.0);
    const double hrc = steel::jominyHrcAt(r.jominy.value, std::max(abstand, 1.5));
    return QStringLiteral("Stirnabschreckprobe: %1 mm von der Stirnfläche %2 HRC%3")
        .arg(zahl(abstand, 1), zahl(hrc, 0), r.jominy.inRange() ? QString() : QStringLiteral(" *"));
}

QString ablesungAnlassen(const Diagramm& d, int x, int y, const CalculatorReport& r)
{
    if (!imFeld(d, x, y))
        return {};
    const double temperatur = std::clamp(xBei(d, x), d.xMin, d.xMax);
    const Anlasshaerte h = anlasshaerteBei(r, temperatur);
    return QStringLiteral("Anlassen bei %1 °C: nach 1 h %2 HV, nach 10 h %3 HV (eigene Näherung)")
        .arg(zahl(temperatur, 0), zahl(h.h1, 0), zahl(h.h10, 0));
}

} // namespace wb::stahlrechner
