// What the three austenitising (ZTA) lessons share: the time axis, the looks of their texts, the
// micrographs on the way and the runs on the overlay.
#include "timetemp/ZtaDiagram.h"

#include <cmath>
#include <iterator>

namespace wb::zta {

namespace {

// clang-format off
// 10^-1 … 10^5 s under the decade lines from x = 400, 54 pixels apart; the exponents sit
// 16 pixels right of their "10" and 6 pixels higher.
constexpr ColoredText kZeitachse[] = {
    { 395, 406, "10", clWhite }, { 411, 400, "-1", clWhite },
    { 449, 406, "1", clWhite },
    { 503, 406, "10", clWhite },
    { 557, 406, "10", clWhite }, { 573, 400, "2", clWhite },
    { 611, 406, "10", clWhite }, { 627, 400, "3", clWhite },
    { 665, 406, "10", clWhite }, { 681, 400, "4", clWhite },
    { 719, 406, "10", clWhite }, { 735, 400, "5", clWhite },
    { 662, 425, "Zeit/sec", clWhite },
};
// clang-format on
static_assert(std::size(kZeitachse) == 13);

constexpr TColor kGruen = RGB(0x00, 0x80, 0x00);

void addDot(CurveTick& t, const Box& box, TColor fill)
{
    if (t.dotCount < kMaxDots)
        t.dots[t.dotCount++] = { box, fill };
}

// The dots whose x the run has just reached.
void dotsAtX(CurveTick& t, std::span<const RunMarker> markers, int kurveX, float kurveY)
{
    for (const RunMarker& m : markers)
        if (m.atX == kurveX)
            addDot(t, ztaztu::markerBox(m, kurveX, kurveY), m.fill);
}

} // namespace

std::span<const ColoredText> timeAxis()
{
    return kZeitachse;
}

// --- Texts -----------------------------------------------------------------------------------

TPoint labelAt(const Label& label, int x, float y)
{
    return { x + label.dx, Round(double(y) + label.dy) };
}

void drawLabel(TCanvas& c, const Label& label, int x, float y)
{
    if (label.height != 0)
        c.Font.SetHeight(label.height);
    switch (label.look) {
    case Look::WhiteOnBlack:
        c.Brush.SetColor(clBlack);
        c.Font.SetColor(clWhite);
        break;
    case Look::BlackOnYellow:
        c.Brush.SetColor(clYellow);
        c.Font.SetColor(clBlack);
        break;
    case Look::DarkOnYellow:
        c.Brush.SetColor(clYellow);
        c.Font.SetColor(ztaztu::kDunkel);
        break;
    case Look::WhiteOnGreen:
        c.Brush.SetColor(kGruen);
        c.Font.SetColor(clWhite);
        break;
    case Look::WhiteOnRed:
        c.Brush.SetColor(clRed);
        c.Font.SetColor(clWhite);
        break;
    }
    const TPoint at = labelAt(label, x, y);
    draw(c, TextAt { at.X, at.Y, label.text });
}

void drawLabels(TCanvas& c, std::span<const Label> labels, int x, float y)
{
    for (const Label& label : labels)
        drawLabel(c, label, x, y);
}

// --- Micrographs -----------------------------------------------------------------------------

namespace {

void drawMicrograph(TCanvas& haupt, TImageList& list, const Micrograph& picture, int& bildNr)
{
    list.Draw(haupt, picture.at.X, picture.at.Y, bildNr);
    ++bildNr;
    drawLabels(haupt, picture.texts);
}

} // namespace

void drawMicrographAt(TCanvas& haupt, TImageList& list, std::span<const Micrograph> pictures, int kurveX, int& bildNr)
{
    for (const Micrograph& picture : pictures) {
        if (picture.atX != kurveX)
            continue;
        if (&picture == &pictures.front())
            bildNr = 0;
        drawMicrograph(haupt, list, picture, bildNr);
    }
}

void drawMicrographs(TCanvas& haupt, TImageList& list, std::span<const Micrograph> pictures, int& bildNr)
{
    bildNr = 0;
    for (const Micrograph& picture : pictures)
        drawMicrograph(haupt, list, picture, bildNr);
}

// --- Dots ------------------------------------------------------------------------------------

void drawDots(TCanvas& log, std::span<const Dot> dots)
{
    for (const Dot& d : dots) {
        log.Brush.SetColor(d.fill);
        log.Pen.SetWidth(1);
        log.Pen.SetColor(clBlue);
        log.Ellipse(d.box.x1, d.box.y1, d.box.x2, d.box.y2);
    }
}

// --- Heating curves --------------------------------------------------------------------------

double heatingY(const HeatingCurve& curve, int x, int logHeight)
{
    return logHeight - curve.inset - curve.K * std::pow(10.0, double(x - curve.a) / kPixelsPerDecade);
}

CurveTick heatingTick(const HeatingCurve& curve, int& kurveX, float& kurveY, int logHeight)
{
    CurveTick t;
    kurveY = float(heatingY(curve, kurveX, logHeight));
    if (kurveX < curve.limit) {
        t.draws = true;
        t.to = { kurveX, Round(kurveY) };
        kurveX += curve.step;
    }
    dotsAtX(t, curve.markersAtX, kurveX, kurveY);
    // Each band is tested on its own: with the steps of these curves each is hit on one tick.
    for (const BandMarker& m : curve.markersInBand)
        if (kurveY > m.above && kurveY < m.below)
            addDot(t, ztaztu::markerBox({ 0, m.dx1, m.dy1, m.dx2, m.dy2, m.fill }, kurveX, kurveY), m.fill);
    t.ended = kurveX >= curve.limit;
    return t;
}

namespace {

void drawGreenLine(TCanvas& log, const CurveTick& tick)
{
    log.Pen.SetColor(kGruen);
    log.Pen.SetWidth(2);
    if (tick.draws)
        log.LineTo(tick.to.X, tick.to.Y);
}

} // namespace

void drawHeatingTick(TCanvas& log, const HeatingCurve& curve, const CurveTick& tick, int kurveX, float kurveY)
{
    drawGreenLine(log, tick);
    drawDots(log, std::span(tick.dots, tick.dotCount));
    if (tick.ended)
        drawLabel(log, curve.label, kurveX, kurveY);
}

double typedY(double rate, int x, int logHeight)
{
    return logHeight - 1 - (rate * 0.38 / 60) * std::pow(10.0, double(x - 53) / kPixelsPerDecade);
}

CurveTick typedTick(const TypedCurve& curve, double rate, int& kurveX, float& kurveY, int logWidth, int logHeight)
{
    CurveTick t;
    kurveY = float(typedY(rate, kurveX, logHeight));
    if (kurveX < logWidth) {
        t.draws = true;
        t.to = { kurveX, Round(kurveY) };
        kurveX += 3;
    }
    t.ended = kurveX >= logWidth || kurveY < curve.endAbove;
    return t;
}

void drawTypedTick(
    TCanvas& log, const TypedCurve& curve, const QString& typed, const CurveTick& tick, int kurveX, float kurveY)
{
    drawGreenLine(log, tick);
    if (!tick.ended)
        return;
    drawLabel(log, curve.label, kurveX, kurveY);
    // The label leaves a gap between "v =" and "°C/min" that the typed text fills, as typed.
    const TPoint at = labelAt({ curve.typedText.X, curve.typedText.Y, nullptr, Look::WhiteOnGreen }, kurveX, kurveY);
    log.TextOut(at.X, at.Y, typed);
}

// --- Boundary lines --------------------------------------------------------------------------

double boundaryY(const BoundaryLine& line, int x, int logHeight)
{
    const double d = x - line.vertex;
    return logHeight - line.k * d * d - line.inset;
}

TPoint boundaryStart(const BoundaryLine& line, int logHeight)
{
    return { line.startX, Round(float(boundaryY(line, line.startX, logHeight))) };
}

CurveTick boundaryTick(const BoundaryLine& line, int& kurveX, float& kurveY, int logHeight)
{
    CurveTick t;
    kurveY = float(boundaryY(line, kurveX, logHeight));
    if (kurveX > 40) {
        t.draws = true;
        t.to = { kurveX, Round(kurveY) };
        kurveX -= 3;
    }
    t.ended = kurveX <= line.endAt;
    return t;
}

void drawBoundaryTick(TCanvas& log, const BoundaryLine& line, const CurveTick& tick, int kurveX, float kurveY)
{
    log.Pen.SetColor(line.pen);
    log.Pen.SetWidth(line.width);
    if (tick.draws)
        log.LineTo(tick.to.X, tick.to.Y);
    if (tick.ended)
        drawLabels(log, line.labels, kurveX, kurveY);
}

// --- Isotherms -------------------------------------------------------------------------------

float isothermY(const Isotherm& isotherm, const ztaztu::DiagramLayout& layout)
{
    return float(layout.ZtuUnten - layout.ZtuOben - Round(double(layout.ZtuZeile) * isotherm.rows));
}

CurveTick isothermTick(const Isotherm& isotherm, const ztaztu::DiagramLayout& layout, int& kurveX, float& kurveY)
{
    CurveTick t;
    kurveY = isothermY(isotherm, layout);
    if (kurveX < isotherm.drawnWhile) {
        t.draws = true;
        t.to = { kurveX, Round(kurveY) };
        kurveX += 3;
    }
    dotsAtX(t, isotherm.markers, kurveX, kurveY);
    t.ended = kurveX >= isotherm.endAt;
    return t;
}

void drawIsothermTick(TCanvas& log, const Isotherm& isotherm, const CurveTick& tick, int kurveX, float kurveY)
{
    log.Pen.SetColor(clRed);
    log.Pen.SetWidth(2);
    if (tick.draws)
        log.LineTo(tick.to.X, tick.to.Y);
    drawDots(log, std::span(tick.dots, tick.dotCount));
    if (tick.ended)
        drawLabel(log, isotherm.label, kurveX, kurveY);
}

} // namespace wb::zta
