// What the three austenitising (ZTA) lessons share: the steel corner and the time axis, the set-up
// of their common components, the looks of their texts, the micrographs on the way and the runs
// on the overlay.
#include "timetemp/ZtaDiagram.h"

#include "diagrams/SteelCorner.h"
#include "framework/LessonForm.h"
#include "resources/Pictures.h"

#include <array>
#include <cassert>
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

// clang-format off
// The EKD panel's temperature scale (no " 200" on the bottom line) and the carbon axis.
constexpr ColoredText kEkdAchsen[] = {
    {  45,   3, "Temperatur/°C", clBlack }, {  17,  14, "1200", clBlack }, {  20,  90, "1000", clBlack },
    {  20, 166, " 800", clBlack },          {  20, 242, " 600", clYellow },    {  20, 318, " 400", clWhite },
    {  45, 406, "0", clWhite },   { 101, 406, "0.4", clWhite }, { 157, 406, "0.8", clWhite },
    { 213, 406, "1.2", clWhite }, { 269, 406, "1.6", clWhite }, { 325, 406, "2.0", clWhite },
    { 158, 425, "Kohlenstoffgehalt/Gew.%", clWhite },
};
static_assert(std::size(kEkdAchsen) == 6 + 7);

// The ZTA panels draw G–S at 0.4 and 0.6 % C a pixel lower than the steel corner's 790 and 756 °C
// put it on their 0.38 pixels per °C: at 786 and 752 °C.
constexpr ekd::CornerCelsius kGSTiefer[] = { { ekd::CornerLine::GS, 2, 786 }, { ekd::CornerLine::GS, 3, 752 } };

// The names of its points, lines and fields.
constexpr TextAt kEkdTexte[] = {
    {  53, 111, "G" },          { 165, 202, "S" },          { 338,  28, "E" },
    {  57, 183, "P" },          { 322, 206, "723°C" },      { 291,  35, "1147°C" },
    { 150,  58, " Austenit " }, { 260, 119, " Austenit " }, { 260, 134, "+Zementit " },
    {  53, 172, " Austenit " }, {  75, 187, "+ Ferrit " },  {  52, 225, " Ferrit " },
    {  80, 309, " Perlit " },   {  90, 324, "+ Ferrit " },  { 220, 309, " Perlit " },
    { 230, 324, "+ Zementit " }, { 162, 332, "Eutektoid " }, { 162, 347, " Perlit " },
};
static_assert(std::size(kEkdTexte) == 18);
// clang-format on

// A table of texts `dx` pixels to the right.
template <class Text, size_t N> std::array<Text, N> shifted(const Text (&texts)[N], int dx)
{
    std::array<Text, N> out;
    for (size_t i = 0; i < N; ++i) {
        out[i] = texts[i];
        out[i].x += dx;
    }
    return out;
}

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

// --- The forms' common components ------------------------------------------------------------

void setUpComponents(TPaintBox& log, int logHeight, TMemo& memo, std::span<const char* const> lines,
    TScrollStyle scrollBars, TImageList& pictures)
{
    log.SetBounds(405, 25, 358, logHeight);
    log.Font.SetHeight(-13);
    memo.SetColor(kMemoColor);
    memo.SetReadOnly(true);
    memo.SetScrollBars(scrollBars);
    memo.SetTabStop(false);
    memo.Lines.setTable(lines);
    memo.SetVisible(false);
    pictures::assignStrip(pictures);
}

void placeOverlay(
    TPaintBox& log, const TPaintBox& haupt, const ztaztu::DiagramLayout& l, const ztaztu::OverlayRule& rule)
{
    const QRect r = ztaztu::overlayBounds(l, haupt.BoundsRect(), rule);
    log.SetBounds(r.left(), r.top(), r.width(), r.height());
}

void penToStart(TPaintBox& log, int& kurveX, float& kurveY)
{
    kurveX = 0;
    kurveY = float(log.Height());
    log.Canvas().MoveTo(0, log.Height());
}

// --- The steel corner of the iron–carbon diagram --------------------------------------------

void drawScalesAndSteelCorner(TCanvas& c, const ztaztu::DiagramLayout& l, std::span<const ColoredText> ztaScale)
{
    const int dx = l.EkdLinks - kEkdLinks;
    ztaztu::drawColoredTexts(c, ztaScale);
    ztaztu::drawColoredTexts(c, shifted(kEkdAchsen, dx));
    ztaztu::drawColoredTexts(c, kZeitachse);
    ekd::drawSteelCorner(c, l, kBottomCelsius, kGSTiefer);
    ztaztu::drawDarkTexts(c, shifted(kEkdTexte, dx));
}

void drawPanelsAndSteelCorner(
    TCanvas& c, const ztaztu::DiagramLayout& l, int width, int height, std::span<const ColoredText> ztaScale)
{
    ztaztu::drawBackground(c, width, height);
    ztaztu::drawFrames(c, l);
    ztaztu::drawGrids(c, l);
    drawScalesAndSteelCorner(c, l, ztaScale);
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

std::vector<BoundaryLine> withParabolas(
    std::span<const BoundaryLine> lines, std::span<const model::AustenitisingLine> steel)
{
    assert(lines.size() == steel.size());
    std::vector<BoundaryLine> out(lines.begin(), lines.end());
    for (size_t i = 0; i < out.size(); ++i)
        out[i].parabola = steel[i].parabola;
    return out;
}

double boundaryY(const BoundaryLine& line, int x, const ztaztu::DiagramLayout& l)
{
    const double lgSeconds = x / double(l.ZtuDekade) - 1;
    const double celsius = line.parabola.celsiusAt(lgSeconds);
    return double(l.ZtuUnten - l.ZtuOben) - double(l.ZtuZeile) * (celsius - kBottomCelsius) / 200;
}

TPoint boundaryStart(const BoundaryLine& line, const ztaztu::DiagramLayout& l)
{
    return { line.startX, Round(float(boundaryY(line, line.startX, l))) };
}

CurveTick boundaryTick(const BoundaryLine& line, int& kurveX, float& kurveY, const ztaztu::DiagramLayout& l)
{
    CurveTick t;
    kurveY = float(boundaryY(line, kurveX, l));
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

// --- Lines of the isothermal diagram -----------------------------------------------------------

int staticLineY(const model::AustenitisingLine& line, const ztaztu::DiagramLayout& l, int x)
{
    const double lgSeconds = (x - l.ZtuLinks) / double(l.ZtuDekade) - 1;
    const double celsius = line.parabola.celsiusAt(lgSeconds);
    return RoundSingle(l.ZtuUnten - double(l.ZtuZeile) * (celsius - kBottomCelsius) / 200);
}

void drawStaticLine(
    TCanvas& c, const ztaztu::DiagramLayout& l, const model::AustenitisingLine& line, const StaticLine& how)
{
    c.Pen.SetColor(how.color);
    c.Pen.SetWidth(how.width);
    c.Pen.SetStyle(psSolid);
    if (!line.head.empty())
        draw(c, Polyline { ztaztu::project(l, line.head, kBottomCelsius) });
    c.MoveTo(how.from.X, how.from.Y);
    for (int x = how.firstX; x <= how.lastX; ++x)
        c.LineTo(x, staticLineY(line, l, x));
    if (!line.tail.empty())
        draw(c, Polyline { ztaztu::project(l, line.tail, kBottomCelsius) });
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
