// The pictures of the window "Abkühlung selbst wählen".
#include "timetemp/ErkundenZTUZeichnung.h"

#include "diagrams/Panels.h"

#include <algorithm>
#include <cmath>

namespace wb::erkundenztu {

namespace {

using diagrams::kDunkel;

constexpr int kRand = 44; // left of the panel: the temperatures
constexpr int kRandRechts = 12;
constexpr int kRandOben = 14;
constexpr int kRandUnten = 34; // below it: the times
constexpr int kZeilen = 5; // rows of 200 °C
constexpr double kLgAnfang = -1; // the panel starts at 0.1 s

// clang-format off
// The times of the decade lines, as the axis writes them.
constexpr const char* kZeiten[] = { "0,1", "1", "10", "100", "1000", "10 000", "100 000" };
// clang-format on
static_assert(std::size(kZeiten) == ztaztu::kDekaden + 1);

QString u8(const char* s)
{
    return QString::fromUtf8(s);
}

void text(TCanvas& c, int x, int y, const QString& s, TColor farbe)
{
    c.Font.SetColor(farbe);
    c.Brush.SetStyle(bsClear);
    c.TextOut(x, y, s);
}

// A polyline through the points, clipped to the panel's times (the canvas clips the rest).
void linie(TCanvas& c, const ztaztu::DiagramLayout& l, const std::vector<model::TimeTemperature>& punkte)
{
    if (punkte.size() < 2)
        return;
    std::vector<TPoint> p;
    p.reserve(punkte.size());
    for (const model::TimeTemperature& t : punkte)
        p.push_back(ztuPunkt(l, t.lgSeconds, t.celsius));
    draw(c, Polyline { p });
}

// A dashed horizontal line at a temperature across the panel with its name at the right, `links`
// pixels further left than the rightmost name (two lines close together keep their names apart).
void niveau(TCanvas& c, const ztaztu::DiagramLayout& l, double celsius, const QString& name, int links = 0)
{
    if (!std::isfinite(celsius))
        return;
    c.Pen.SetColor(kDunkel);
    c.Pen.SetWidth(1);
    c.Pen.SetStyle(psDash);
    c.Brush.SetStyle(bsClear);
    const int y = ztuPunkt(l, 0, celsius).Y;
    c.MoveTo(l.ZtuLinks, y);
    c.LineTo(l.ZtuRechts, y);
    c.Pen.SetStyle(psSolid);
    text(c, l.ZtuRechts - 30 - links, y - 15, name, kDunkel);
}

// The lines the steel models compute. Isothermal: start and finish of ferrite, pearlite and
// bainite over the rows of temperatures. Continuous: where each constituent starts along the
// calculator's family of cooling curves.
void modellLinien(TCanvas& c, const ztaztu::DiagramLayout& l, const steel::CalculatorReport& r, bool isotherm)
{
    c.Pen.SetColor(kDunkel);
    c.Pen.SetStyle(psSolid);
    const auto zug = [&](auto zeit, auto temperatur, size_t n, int breite) {
        c.Pen.SetWidth(breite);
        std::vector<model::TimeTemperature> stueck;
        for (size_t i = 0; i <= n; ++i) {
            const double t = i < n ? zeit(i) : NAN;
            if (std::isfinite(t) && t > 0) {
                stueck.push_back({ std::log10(t), temperatur(i) });
                continue;
            }
            linie(c, l, stueck);
            stueck.clear();
        }
    };
    if (isotherm) {
        using Row = steel::TttRow;
        const auto temp = [&](size_t i) { return r.ttt[i].temperature; };
        for (const steel::IsothermalTimes Row::*phase : { &Row::ferrite, &Row::pearlite, &Row::bainite }) {
            zug([&](size_t i) { return (r.ttt[i].*phase).start; }, temp, r.ttt.size(), 2);
            zug([&](size_t i) { return (r.ttt[i].*phase).finish; }, temp, r.ttt.size(), 1);
        }
        return;
    }
    using Cct = steel::CctResult;
    for (const steel::PhaseStart Cct::*phase : { &Cct::ferriteStart, &Cct::pearliteStart, &Cct::bainiteStart })
        zug([&](size_t i) { return (r.cooling[i].shares.*phase).time; },
            [&](size_t i) { return (r.cooling[i].shares.*phase).temperature; }, r.cooling.size(), 2);
}

} // namespace

// --- The ZTU diagram ---------------------------------------------------------------------------

ztaztu::DiagramLayout ztuLayout(int width, int height)
{
    ztaztu::DiagramLayout l;
    l.ZtuLinks = kRand;
    l.ZtuRechts = width - kRandRechts;
    l.ZtuUnten = height - kRandUnten;
    l.ZtuZeile = float((l.ZtuUnten - kRandOben) / kZeilen);
    l.ZtuOben = l.ZtuUnten - int(l.ZtuZeile) * kZeilen;
    l.ZtuDekade = float((l.ZtuRechts - l.ZtuLinks) / ztaztu::kDekaden);
    return l;
}

TPoint ztuPunkt(const ztaztu::DiagramLayout& l, double lgSeconds, double celsius)
{
    return ztaztu::project(l, { lgSeconds, celsius });
}

void zeichneZtuGrund(TCanvas& c, int width, int height, const Stahl& stahl, bool isotherm)
{
    const ztaztu::DiagramLayout l = ztuLayout(width, height);
    c.Pen.SetStyle(psSolid);
    c.Pen.SetColor(kDunkel);
    diagrams::drawPanel(c, { l.ZtuLinks, l.ZtuOben, l.ZtuRechts, l.ZtuUnten });
    diagrams::drawGrid(c,
        { { l.ZtuLinks, l.ZtuOben, l.ZtuRechts, l.ZtuUnten }, kZeilen, l.ZtuZeile, 1, ztaztu::kDekaden, l.ZtuDekade });

    // Axes in white on the form's colour, as the lessons write them.
    c.Font.SetHeight(13);
    for (int k = 1; k <= kZeilen; ++k)
        text(c, 6, ztuPunkt(l, 0, 200 * k).Y - 7, QString::number(200 * k), clWhite);
    text(c, 6, 0, u8("Temperatur in °C"), clWhite);
    for (int k = 0; k <= ztaztu::kDekaden; ++k) {
        const QString s = u8(kZeiten[k]);
        const int x = ztuPunkt(l, kLgAnfang + k, 0).X;
        text(c, std::clamp(x - 3 * int(s.size()), 0, width - 6 * int(s.size())), l.ZtuUnten + 3, s, clWhite);
    }
    text(c, l.ZtuRechts - 50, l.ZtuUnten + 17, QStringLiteral("Zeit in s"), clWhite);

    // The steel's lines.
    QString titel;
    if (stahl.istLehrstahl()) {
        const model::LessonSteel& s = stahl.lehrstahl();
        ztaztu::drawLines(c, l, isotherm ? s.isothermal : s.continuous);
        niveau(c, l, s.a3, QStringLiteral("A3"));
        niveau(c, l, s.a1, QStringLiteral("A1"), 30);
        titel = QStringLiteral("%1, schematisch").arg(stahl.name());
    } else {
        const steel::CalculatorReport& r = stahl.bericht();
        modellLinien(c, l, r, isotherm);
        niveau(c, l, r.temperatures.ac3.value, QStringLiteral("Ac3"));
        niveau(c, l, r.temperatures.ac1.value, QStringLiteral("Ac1"), 30);
        niveau(c, l, r.temperatures.ms.value, QStringLiteral("Ms"));
        titel = QStringLiteral("%1, berechnet").arg(stahl.name());
    }
    titel += isotherm ? u8(" – isothermes ZTU-Schaubild") : u8(" – kontinuierliches ZTU-Schaubild");
    text(c, l.ZtuLinks + 6, l.ZtuOben + 4, titel, kDunkel);
}

void zeichneZtuKurven(TCanvas& c, int width, int height, const Ergebnis& ergebnis)
{
    const ztaztu::DiagramLayout l = ztuLayout(width, height);

    // The cooling: the place the result is for wide, the others thin.
    c.Pen.SetColor(kKurvenFarbe);
    c.Pen.SetStyle(psSolid);
    for (int breit = 0; breit < 2; ++breit)
        for (const Kurve& k : ergebnis.kurven)
            if (k.hervorgehoben == bool(breit)) {
                c.Pen.SetWidth(breit ? kKurvenBreite : 1);
                linie(c, l, k.punkte);
            }
}

// --- The end-quench specimen -------------------------------------------------------------------

namespace {

constexpr int kStirnLinks = 40;
constexpr int kStirnRechts = 12;
constexpr int kStirnOben = 18;
constexpr int kStirnUnten = 64; // below the chart: distances, the specimen, the axis title
constexpr int kStirnSpalten = 8; // of 10 mm
constexpr int kStirnZeilen = 5; // of 10 HRC

void kurve(TCanvas& c, const StirnLayout& l, const std::vector<StirnPunkt>& punkte)
{
    bool zieht = false;
    for (const StirnPunkt& p : punkte) {
        if (!std::isfinite(p.hrc)) {
            zieht = false;
            continue;
        }
        const int x = l.x(p.abstand), y = l.y(std::min(p.hrc, kHrcBis));
        if (zieht)
            c.LineTo(x, y);
        else
            c.MoveTo(x, y);
        zieht = true;
    }
}

} // namespace

int StirnLayout::x(double mm) const
{
    return links + int(std::lround(mm / mmProPixel));
}

int StirnLayout::y(double hrc) const
{
    return unten - int(std::lround((hrc - kHrcVon) * (unten - oben) / (kHrcBis - kHrcVon)));
}

double StirnLayout::mm(int px) const
{
    return (px - links) * mmProPixel;
}

StirnLayout stirnLayout(int width, int height)
{
    StirnLayout l;
    l.links = kStirnLinks;
    l.rechts = width - kStirnRechts;
    l.oben = kStirnOben;
    l.unten = height - kStirnUnten;
    l.mmProPixel = kStirnBis / (l.rechts - l.links);
    l.stabOben = l.unten + 20;
    l.stabUnten = l.stabOben + 16;
    return l;
}

void zeichneStirn(TCanvas& c, int width, int height, const std::vector<StirnPunkt>& gemessen,
    const std::vector<StirnPunkt>& ausSchaubild, double abstand)
{
    const StirnLayout l = stirnLayout(width, height);
    c.Pen.SetStyle(psSolid);
    c.Pen.SetColor(kDunkel);
    diagrams::drawPanel(c, { l.links, l.oben, l.rechts, l.unten });
    diagrams::drawGrid(c,
        { { l.links, l.oben, l.rechts, l.unten }, kStirnZeilen, double(l.unten - l.oben) / kStirnZeilen, 1,
            kStirnSpalten, double(l.rechts - l.links) / kStirnSpalten });
    c.Font.SetHeight(13);
    for (int k = 0; k <= kStirnZeilen; ++k)
        text(c, 6, l.y(kHrcVon + 10 * k) - 7, QString::number(int(kHrcVon) + 10 * k), clWhite);
    text(c, l.links, 1, QStringLiteral("Härte in HRC"), clWhite);
    for (int k = 0; k <= kStirnSpalten; ++k)
        text(c, l.x(10 * k) - (k ? 6 : 3), l.unten + 2, QString::number(10 * k), clWhite);

    // The specimen along the same scale, the water jet at its quenched end.
    c.Pen.SetWidth(1);
    c.Pen.SetColor(clBlack);
    c.Brush.SetStyle(bsSolid);
    c.Brush.SetColor(clSilver);
    c.Rectangle(l.x(0), l.stabOben, l.rechts + 1, l.stabUnten);
    c.Brush.SetColor(kKurvenFarbe);
    c.Pen.SetColor(kKurvenFarbe);
    const int mitte = (l.stabOben + l.stabUnten) / 2;
    const TPoint strahl[] = { { l.x(0) - 1, mitte }, { 2, mitte - 7 }, { 2, mitte + 7 } };
    c.Polygon(strahl, 3);
    text(c, l.x(0) + 6, l.stabUnten + 1, u8("Stirnabschreckprobe: abgeschreckte Stirnfläche → Abstand in mm"), clWhite);

    // The curves: measured solid, from the ZTU diagram thin.
    c.Pen.SetStyle(psSolid);
    c.Pen.SetColor(kMessFarbe);
    c.Pen.SetWidth(2);
    kurve(c, l, gemessen);
    c.Pen.SetColor(kKurvenFarbe);
    c.Pen.SetWidth(1);
    kurve(c, l, ausSchaubild);
    const int legendeX = l.rechts - 200;
    c.Pen.SetColor(kMessFarbe);
    c.Pen.SetWidth(2);
    if (!gemessen.empty()) {
        c.MoveTo(legendeX, l.oben + 12);
        c.LineTo(legendeX + 20, l.oben + 12);
        text(c, legendeX + 24, l.oben + 5, u8("Stirnabschreckkurve"), kDunkel);
    }
    c.Pen.SetColor(kKurvenFarbe);
    c.Pen.SetWidth(1);
    c.MoveTo(legendeX, l.oben + 28);
    c.LineTo(legendeX + 20, l.oben + 28);
    text(c, legendeX + 24, l.oben + 21, u8("aus dem ZTU-Schaubild"), kDunkel);

    // The chosen place: a line through chart and specimen.
    c.Pen.SetColor(kKurvenFarbe);
    c.Pen.SetWidth(1);
    c.Pen.SetStyle(psDot);
    const int x = l.x(abstand);
    c.MoveTo(x, l.oben);
    c.LineTo(x, l.stabUnten);
    c.Pen.SetStyle(psSolid);
}

} // namespace wb::erkundenztu
