// The explorer's drawings: the type diagrams as their lessons draw them, the pointer over them and
// the cooling curve beside them.
#include "phase/ErkundenZuDiagramm.h"

#include "phase/ErkundenZuText.h"
#include "phase/UnitZutyp1.h"
#include "phase/UnitZutyp2.h"
#include "phase/UnitZutyp3.h"
#include "phase/UnitZutyp4.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <iterator>

namespace wb::erkundenzu {

namespace {

// clang-format off
const Typ kTypen[] = {
    { 1, "Typ &1: vollkommene Löslichkeit", zutyp1::drawBoundaries, zutyp1::regionLabels, zutyp1::symbolLabels,
      nullptr, 100 },
    { 2, "Typ &2: Eutektikum ohne Löslichkeit", zutyp2::drawBoundaries, zutyp2::regionLabels,
      zutyp2::symbolLabels, nullptr, 50 },
    { 3, "Typ &3: Eutektikum mit begrenzter Löslichkeit", zutyp3::drawBoundaries, zutyp3::regionLabels,
      zutyp3::symbolLabels, zutyp3::dottedLines, 50 },
    { 4, "Typ &4: Peritektikum", zutyp4::drawBoundaries, zutyp4::regionLabels, zutyp4::symbolLabels,
      zutyp4::dottedLines, 100 },
};
// clang-format on

constexpr TColor kFeldGrund = clWhite;
constexpr TColor kGitter = RGB(0xC8, 0xC8, 0xC8);

// The composition scale: a mark every 10 %, a number every 20 %; the components at the ends.
constexpr int kMarkeLang = 6;
constexpr int kZahlenZeile = phasefield::kUnten + 7;
constexpr int kTitelZeile = phasefield::kUnten + 23;
constexpr const char* kKonzentrationTitel = "Konzentration B in %";
constexpr const char* kKurveTitel = "Abkühlungskurve";
constexpr const char* kZeitTitel = "Zeit →";
constexpr const char* kGradTitel = "°C";
constexpr const char* kKnick = "Knickpunkt";
constexpr const char* kHalt = "Haltepunkt";

QString utf8(const char* s)
{
    return QString::fromUtf8(s);
}

// The title of a type: its menu caption without the accelerator's mark.
QString titelVon(const Typ& t)
{
    return utf8(t.titel).remove(QLatin1Char('&'));
}

void schrift(TCanvas& c, TColor farbe)
{
    c.Font.SetName(QStringLiteral("MS Sans Serif"));
    c.Font.SetHeight(-11);
    c.Font.SetColor(farbe);
    c.Brush.SetStyle(bsClear);
}

// A text centred on x.
void mittig(TCanvas& c, int x, int y, const QString& s)
{
    c.TextOut(x - c.TextWidth(s) / 2, y, s);
}

void linie(TCanvas& c, int x0, int y0, int x1, int y1)
{
    c.MoveTo(x0, y0);
    c.LineTo(x1, y1);
}

void kreis(TCanvas& c, TPoint p, int r)
{
    c.Ellipse(p.X - r, p.Y - r, p.X + r + 1, p.Y + r + 1);
}

// The temperatures of the scale's marks, from the lowest up.
template <class F> void jedeTemperatur(const Typ& t, F f)
{
    const model::PhaseDiagram& d = diagrammVon(t);
    const int schritt = t.temperaturSchritt;
    for (int temp = int(std::ceil(d.tBottom / schritt)) * schritt; temp <= d.tTop; temp += schritt)
        f(temp);
}

// A mark under the composition axis pointing at composition w.
void achsenMarke(TCanvas& c, const Typ& t, double w)
{
    const int x = pixelVon(t, w, diagrammVon(t).tBottom).X;
    c.Polygon({ { x, phasefield::kUnten + 1 }, { x - 4, phasefield::kUnten + 8 }, { x + 4, phasefield::kUnten + 8 } });
}

} // namespace

const Typ& typ(int nummer)
{
    assert(nummer >= 1 && nummer <= int(std::size(kTypen)));
    return kTypen[nummer - 1];
}

const model::PhaseDiagram& diagrammVon(const Typ& t)
{
    return model::phaseDiagram(t.nummer);
}

phasefield::Projection projektionVon(const Typ& t)
{
    return phasefield::projectionOf(diagrammVon(t));
}

TPoint pixelVon(const Typ& t, double w, double temperatur)
{
    const phasefield::Projection p = projektionVon(t);
    return { p.pixelX(w), p.pixelY(temperatur) };
}

Punkt punktBei(const Typ& t, int x, int y)
{
    const phasefield::Projection p = projektionVon(t);
    const model::PhaseDiagram& d = diagrammVon(t);
    const double w = std::clamp(std::round(p.composition(x) * 10) / 10, 0.0, 100.0);
    const double temp = std::clamp(std::round(p.temperature(y)), d.tBottom, d.tTop);
    return { w, temp };
}

void zeichneDiagramm(TCanvas& c, const Typ& t)
{
    c.Pen.SetMode(pmCopy);
    c.Pen.SetWidth(1);
    c.Pen.SetStyle(psSolid);
    phasefield::drawGround(c, kDiagrammGroesse.width(), kDiagrammGroesse.height());

    // The boundaries, the dotted lines and the labels as the lesson draws them.
    c.Pen.SetColor(clSilver);
    c.Pen.SetWidth(2);
    t.grenzen(c);
    if (t.punktiert) {
        c.Pen.SetWidth(1);
        c.Pen.SetStyle(psDot);
        drawAll(c, t.punktiert());
        c.Pen.SetStyle(psSolid);
    }
    schrift(c, clBlack);
    drawAll(c, t.bereiche());
    c.Font.SetName(QStringLiteral("Symbol"));
    c.Font.SetHeight(14);
    drawAll(c, t.symbole());

    // The explorer's scales.
    schrift(c, clBlack);
    c.TextOut(phasefield::kLinks, 3, titelVon(t));
    c.Pen.SetColor(clBlack);
    c.Pen.SetWidth(1);
    const phasefield::Projection p = projektionVon(t);
    jedeTemperatur(t, [&](int temp) {
        const int y = p.pixelY(temp);
        linie(c, phasefield::kLinks - kMarkeLang, y, phasefield::kLinks, y);
    });
    for (int w = 0; w <= 100; w += 10) {
        const int x = p.pixelX(w);
        linie(c, x, phasefield::kUnten, x, phasefield::kUnten + (w % 20 == 0 ? kMarkeLang : kMarkeLang / 2));
        if (w % 20 == 0)
            mittig(c, x, kZahlenZeile, QString::number(w));
    }
    mittig(c, p.pixelX(0), kTitelZeile, QStringLiteral("A"));
    mittig(c, p.pixelX(100), kTitelZeile, QStringLiteral("B"));
    mittig(c, p.pixelX(50), kTitelZeile, utf8(kKonzentrationTitel));
}

void zeichneZeiger(TCanvas& c, const Typ& t, double w, double temperatur, std::optional<double> legierung,
    const model::PhaseState& phasen)
{
    const phasefield::Projection p = projektionVon(t);
    const TPoint at = pixelVon(t, w, temperatur);
    c.Pen.SetMode(pmCopy);
    c.Pen.SetStyle(psSolid);
    if (legierung) {
        c.Pen.SetColor(kLegierungFarbe);
        c.Pen.SetWidth(2);
        const int x = p.pixelX(*legierung);
        linie(c, x, phasefield::kOben, x, phasefield::kUnten);
    }
    c.Pen.SetColor(kZeigerFarbe);
    c.Pen.SetWidth(1);
    linie(c, phasefield::kLinks, at.Y, phasefield::kRechts + 1, at.Y);
    linie(c, at.X, phasefield::kOben, at.X, phasefield::kUnten + 1);

    // Two phases (or the three of a line): the tie line through the point from one end to the
    // other, each end marked on the composition axis, where the phases' compositions are read.
    if (phasen.phases.size() >= 2 && phasen.phases.front().w < phasen.phases.back().w) {
        const int y = at.Y;
        const int x0 = p.pixelX(phasen.phases.front().w);
        const int x1 = p.pixelX(phasen.phases.back().w);
        c.Pen.SetColor(kKonodenFarbe);
        c.Pen.SetStyle(psDot);
        for (const model::PhaseShare& ps : phasen.phases) {
            const int x = p.pixelX(ps.w);
            linie(c, x, y, x, phasefield::kUnten);
        }
        c.Pen.SetStyle(psSolid);
        c.Pen.SetWidth(3);
        linie(c, x0, y, x1, y);
        c.Pen.SetWidth(1);
        c.Brush.SetColor(clWhite);
        for (const model::PhaseShare& ps : phasen.phases)
            kreis(c, { p.pixelX(ps.w), y }, 3);
        c.Brush.SetColor(kKonodenFarbe);
        for (const model::PhaseShare& ps : phasen.phases)
            achsenMarke(c, t, ps.w);
    }
    c.Pen.SetColor(kZeigerFarbe);
    c.Brush.SetColor(kZeigerFarbe);
    kreis(c, at, 2);
}

double kurveX(const Typ& t, double zeit)
{
    return kZeitLinks + (kZeitRechts - kZeitLinks) * zeit / model::coolingTimeScale(diagrammVon(t));
}

void zeichneKurvenRahmen(TCanvas& c, const Typ& t, std::optional<double> legierung)
{
    const int breite = kKurveGroesse.width();
    c.Pen.SetMode(pmCopy);
    c.Pen.SetStyle(psSolid);
    c.Pen.SetWidth(1);
    c.Pen.SetColor(clWhite);
    c.Brush.SetColor(phasefield::kUmfeld);
    c.Rectangle(0, 0, breite, kKurveGroesse.height());
    c.Pen.SetColor(clBlack);
    c.Brush.SetColor(kFeldGrund);
    c.Rectangle(kZeitLinks, phasefield::kOben, kZeitRechts + 1, phasefield::kUnten + 1);

    // The temperature scale the curve shares with the diagram, its marks across the curve's field.
    const phasefield::Projection p = projektionVon(t);
    schrift(c, clBlack);
    jedeTemperatur(t, [&](int temp) {
        const int y = p.pixelY(temp);
        if (y > phasefield::kOben && y < phasefield::kUnten) {
            c.Pen.SetColor(kGitter);
            c.Pen.SetStyle(psDot);
            linie(c, kZeitLinks + 1, y, kZeitRechts, y);
        }
        c.Pen.SetColor(clBlack);
        c.Pen.SetStyle(psSolid);
        linie(c, kZeitRechts, y, kZeitRechts + kMarkeLang, y);
        const QString zahl = QString::number(temp);
        c.TextOut(breite - 3 - c.TextWidth(zahl), y - c.TextHeight(zahl) / 2, zahl);
    });
    const QString grad = utf8(kGradTitel);
    c.TextOut(breite - 3 - c.TextWidth(grad), 3, grad);
    QString titel = utf8(kKurveTitel);
    if (legierung && (*legierung <= 0 || *legierung >= 100))
        titel += *legierung <= 0 ? QStringLiteral(", reines A") : QStringLiteral(", reines B");
    else if (legierung)
        titel += QStringLiteral(", %1 % B").arg(zahl(*legierung, 1));
    c.TextOut(kZeitLinks, 3, titel);
    const QString zeit = utf8(kZeitTitel);
    c.TextOut(kZeitRechts - c.TextWidth(zeit), kZahlenZeile, zeit);
}

void zeichneKurve(TCanvas& c, const Typ& t, const model::CoolingCurve& k, double von, double bis)
{
    const phasefield::Projection p = projektionVon(t);
    auto punkt = [&](double zeit) { return TPoint { RoundSingle(kurveX(t, zeit)), p.pixelY(k.temperatureAt(zeit)) }; };
    von = std::max(von, 0.0);
    bis = std::min(bis, k.endTime());
    if (bis <= von)
        return;
    c.Pen.SetMode(pmCopy);
    c.Pen.SetStyle(psSolid);
    c.Pen.SetColor(clBlack);
    c.Pen.SetWidth(2);
    const TPoint start = punkt(von);
    c.MoveTo(start.X, start.Y);
    for (const model::CurvePoint& cp : k.points) {
        if (cp.time <= von || cp.time >= bis)
            continue;
        const TPoint q = punkt(cp.time);
        c.LineTo(q.X, q.Y);
    }
    const TPoint ende = punkt(bis);
    c.LineTo(ende.X, ende.Y);

    // The kinks and the arrest, once the curve has reached them.
    struct Marke {
        double zeit;
        const char* text;
    };
    std::vector<Marke> marken;
    const model::Solidification& s = k.path;
    if (s.arrest) {
        marken.push_back({ (k.arrestStart + k.arrestEnd) / 2, kHalt });
        if (s.liquidusT > s.arrestT)
            marken.push_back({ k.timeAt(s.liquidusT), kKnick });
        if (s.solidusT < s.arrestT)
            marken.push_back({ k.timeAt(s.solidusT), kKnick });
    } else {
        marken.push_back({ k.timeAt(s.liquidusT), kKnick });
        marken.push_back({ k.timeAt(s.solidusT), kKnick });
    }
    schrift(c, clBlack);
    c.Pen.SetWidth(1);
    c.Brush.SetColor(clBlack);
    for (const Marke& m : marken) {
        if (m.zeit < von || m.zeit > bis || (m.zeit == von && von > 0))
            continue;
        const TPoint q = punkt(m.zeit);
        kreis(c, q, 2);
        c.Brush.SetStyle(bsClear);
        const QString text = utf8(m.text);
        // Beside the curve, on its right, above the point: the curve falls to the right.
        c.TextOut(std::min(q.X + 5, kZeitRechts - c.TextWidth(text) - 2), q.Y - c.TextHeight(text) - 1, text);
        c.Brush.SetColor(clBlack);
    }
}

bool Vorlage::bereite(QSize size, qreal ratio)
{
    if (!m_bild.isNull() && size == m_size && ratio == m_ratio)
        return false;
    m_size = size;
    m_ratio = ratio;
    m_bild = QImage(deviceRect(QRect(QPoint(), size), ratio).size(), QImage::Format_RGB32);
    m_bild.setDevicePixelRatio(ratio);
    m_bild.fill(Qt::white);
    return true;
}

void Vorlage::freigeben()
{
    m_bild = QImage();
}

} // namespace wb::erkundenzu
