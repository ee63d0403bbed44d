// The scheme every ZTA/ZTU lesson draws on: the layout of the EKD corner beside the time panel,
// the logarithmic time axis, the static picture's steps and the cooling runs on the overlay.
#include "diagrams/ZtaZtuDiagram.h"

#include <QString>
#include <cmath>

namespace wb::ztaztu {

namespace {

// The number of whole temperature rows between the panel's bottom and top lines (6 from 0 °C,
// 5 from 200 °C): the top row is a little higher than the others when the division left a rest.
int temperatureRows(const DiagramLayout& l)
{
    return int((l.ZtuUnten - l.ZtuOben) / l.ZtuZeile);
}

} // namespace

// --- Layout ----------------------------------------------------------------------------------

DiagramLayout computeLayout(const LayoutRule& rule, int width, int height)
{
    DiagramLayout l;
    l.ZtuLinks = rule.ztuLinks;
    l.ZtuOben = rule.oben;
    l.ZtuRechts = width - rule.ztuRechtsRand;
    l.ZtuUnten = height - rule.untenRand;
    l.ZtuZeile = float((l.ZtuUnten - l.ZtuOben) / rule.zeilen);
    l.ZtuDekade = float((l.ZtuRechts - l.ZtuLinks) / kDekaden);
    l.EkdLinks = rule.ekdLinks;
    l.EkdOben = rule.oben;
    l.EkdRechts = width - rule.ekdRechtsRand;
    l.EkdUnten = height - rule.untenRand;
    l.EkdZeile = float((l.EkdUnten - l.EkdOben) / rule.zeilen);
    l.EkdSpalte = float((l.EkdRechts - l.EkdLinks) / kEkdSpalten);
    return l;
}

// --- Axes ------------------------------------------------------------------------------------

int roundPixel(double v)
{
    return Round(std::nearbyint(v * 1e6) / 1e6);
}

double decadePosition(double seconds)
{
    // log10(t / 0.1) as log10(t) + 1: dividing by the inexact 0.1 would move exact decades.
    return std::log10(seconds) + 1.0;
}

int timeX(const DiagramLayout& l, double decade)
{
    return roundPixel(l.ZtuLinks + double(l.ZtuDekade) * decade);
}

int temperatureY(const DiagramLayout& l, double celsius, double bottomCelsius)
{
    return roundPixel(l.ZtuUnten - double(l.ZtuZeile) * (celsius - bottomCelsius) / 200.0);
}

int carbonX(const DiagramLayout& l, double percentC)
{
    return roundPixel(l.EkdLinks + double(l.EkdSpalte) * percentC / 0.2);
}

TPoint project(const DiagramLayout& l, const model::TimeTemperature& p, double bottomCelsius)
{
    return { timeX(l, p.lgSeconds + 1.0), temperatureY(l, p.celsius, bottomCelsius) };
}

std::vector<TPoint> project(
    const DiagramLayout& l, std::span<const model::TimeTemperature> points, double bottomCelsius)
{
    std::vector<TPoint> pixels;
    pixels.reserve(points.size());
    for (const model::TimeTemperature& p : points)
        pixels.push_back(project(l, p, bottomCelsius));
    return pixels;
}

double logTime(int x, int a, int perDecade)
{
    return std::pow(10.0, double(x - a) / perDecade);
}

double curveFactor(double celsiusPerSecond, double rowPixels)
{
    return celsiusPerSecond * rowPixels / 200;
}

// --- Overlay ---------------------------------------------------------------------------------

QRect overlayBounds(const DiagramLayout& l, const QRect& haupt, const OverlayRule& rule)
{
    const int cutTop = Round(double(l.ZtuZeile) * rule.topRows);
    const int cutBottom = Round(double(l.ZtuZeile) * rule.bottomRows);
    return QRect(haupt.left() + l.ZtuLinks, haupt.top() + l.ZtuOben + cutTop,
        l.ZtuRechts - l.ZtuLinks + rule.extraWidth, l.ZtuUnten - l.ZtuOben - cutTop - cutBottom);
}

// --- Static picture --------------------------------------------------------------------------

namespace {

// Yellow to red over the first 256 rows, then red fading to almost black.
TColor yellowToRed(int y)
{
    return RGB(255, 255 - y, 0);
}

TColor redToDark(int y)
{
    return RGB(510 - y, 0, 0);
}

} // namespace

void drawBackground(TCanvas& c, int width, int height)
{
    const diagrams::Bands bands[] = { { 0, 255, yellowToRed }, { 255, height, redToDark } };
    diagrams::drawBands(c, width, bands);
}

void drawFrames(TCanvas& c, const DiagramLayout& l)
{
    c.Pen.SetStyle(psSolid);
    diagrams::drawPanel(c, { l.ZtuLinks, l.ZtuOben, l.ZtuRechts, l.ZtuUnten });
    diagrams::drawPanel(c, { l.EkdLinks, l.EkdOben, l.EkdRechts, l.EkdUnten });
}

void drawGrids(TCanvas& c, const DiagramLayout& l)
{
    // Both panels share the temperature rows; the time panel has a line at every decade from
    // its left edge, the EKD panel one per carbon column inside it.
    const int rows = temperatureRows(l);
    diagrams::drawGrid(
        c, { { l.ZtuLinks, l.ZtuOben, l.ZtuRechts, l.ZtuUnten }, rows, l.ZtuZeile, 0, kDekaden, l.ZtuDekade });
    diagrams::drawGrid(
        c, { { l.EkdLinks, l.EkdOben, l.EkdRechts, l.EkdUnten }, rows, l.EkdZeile, 1, kEkdSpalten, l.EkdSpalte });
}

void drawColoredTexts(TCanvas& c, std::span<const ColoredText> texts)
{
    c.Brush.SetStyle(bsClear);
    drawAll(c, texts);
}

void drawDarkTexts(TCanvas& c, std::span<const TextAt> texts)
{
    c.Font.SetColor(kDunkel);
    c.Brush.SetStyle(bsClear);
    drawAll(c, texts);
}

void drawCurves(TCanvas& c, std::span<const Curve> curves)
{
    c.Pen.SetColor(kDunkel);
    c.Pen.SetStyle(psSolid);
    for (const Curve& curve : curves) {
        c.Pen.SetWidth(curve.width);
        draw(c, curve.line);
    }
}

void drawLines(TCanvas& c, const DiagramLayout& l, std::span<const model::TransformationLine> lines)
{
    c.Pen.SetColor(kDunkel);
    c.Pen.SetStyle(psSolid);
    c.Pen.SetWidth(2);
    for (const model::TransformationLine& line : lines)
        draw(c, Polyline { project(l, line.points) });
}

void drawSteelBox(TCanvas& c, const SteelBox& box)
{
    c.Brush.SetColor(clPurple);
    c.Pen.SetColor(clBlack);
    c.Pen.SetWidth(1);
    c.Pen.SetStyle(psSolid);
    c.Font.SetColor(clWhite);
    draw(c, box.box);
    drawAll(c, box.lines);
}

void drawMarkings(TCanvas& c, std::span<const Segment> purpleGapLines, std::span<const Marking> markings)
{
    c.Pen.SetColor(clBlack);
    c.Pen.SetWidth(1);
    c.Pen.SetStyle(psDash);
    // The steel box left the brush solid purple: it fills the gaps of these dashes.
    for (const Segment& s : purpleGapLines)
        draw(c, s);
    c.Brush.SetColor(clBlack);
    c.Font.SetColor(clWhite);
    for (const Marking& m : markings) {
        if (m.hasLine)
            draw(c, m.line);
        draw(c, m.label);
    }
}

void drawStaticPicture(TCanvas& c, const DiagramLayout& l, int width, int height, const PictureScheme& scheme)
{
    drawBackground(c, width, height);
    drawFrames(c, l);
    drawGrids(c, l);
    drawColoredTexts(c, scheme.axisLabels);
    drawCurves(c, scheme.ekdLines);
    drawDarkTexts(c, scheme.ekdLabels);
    drawLines(c, l, scheme.timeLines);
    drawDarkTexts(c, scheme.timeLabels);
    drawSteelBox(c, scheme.steelBox);
    drawMarkings(c, scheme.purpleGapLines, scheme.markings);
}

// --- Cooling runs ----------------------------------------------------------------------------

Box markerBox(const RunMarker& m, int kurveX, float kurveY)
{
    const double y = kurveY;
    return { kurveX + m.dx1, Round(y + m.dy1), kurveX + m.dx2, Round(y + m.dy2) };
}

TPoint labelAt(const RunLabel& label, int kurveX, float kurveY)
{
    return { kurveX + label.dx, Round(double(kurveY) + label.dy) };
}

RunTick coolingTick(const CoolingRun& run, int& kurveX, float& kurveY, int logHeight)
{
    RunTick t;
    kurveY = float(run.K * logTime(kurveX));
    for (const RunPiece& p : run.pieces) {
        if (!(kurveX > p.above && kurveX <= p.upTo))
            continue;
        if (p.stepFirst)
            kurveX += p.step;
        if (p.setsY)
            kurveY = float((kurveX - p.a) * p.slope + p.offset);
        t.lines[t.lineCount++] = { kurveX, Round(kurveY) };
        if (!p.stepFirst)
            kurveX += p.step;
    }
    for (const RunMarker& m : run.markers) {
        if (m.atX == kurveX) {
            t.marker = &m;
            t.markerBox = markerBox(m, kurveX, kurveY);
            break;
        }
    }
    t.ended = kurveY > logHeight - run.limitInset;
    return t;
}

void drawCoolingTick(TCanvas& log, const CoolingRun& run, const RunTick& tick, int kurveX, float kurveY)
{
    log.Pen.SetWidth(3);
    log.Font.SetColor(clWhite);
    log.Brush.SetColor(clBlue);
    log.Pen.SetColor(clBlue);
    for (int i = 0; i < tick.lineCount; ++i)
        log.LineTo(tick.lines[i].X, tick.lines[i].Y);
    if (tick.marker) {
        log.Brush.SetColor(tick.marker->fill);
        log.Pen.SetWidth(1);
        log.Pen.SetColor(clBlue);
        log.Ellipse(tick.markerBox.x1, tick.markerBox.y1, tick.markerBox.x2, tick.markerBox.y2);
    }
    if (tick.ended) {
        log.Font.SetHeight(8);
        for (const RunLabel& label : run.labels) {
            const TPoint at = labelAt(label, kurveX, kurveY);
            draw(log, TextAt { at.X, at.Y, label.text });
        }
    }
}

EquilibriumTick equilibriumTick(const EquilibriumRun& run, int& kurveX, float& kurveY, int logWidth, int logHeight)
{
    EquilibriumTick t;
    t.first = kurveX == 0;
    kurveY = float(run.K * logTime(kurveX));
    if (kurveX < logWidth) {
        t.draws = true;
        t.to = { kurveX, Round(kurveY) };
        kurveX += 2;
    }
    for (const RunMarker& m : run.markers) {
        if (m.atX == kurveX) {
            t.marker = &m;
            t.markerBox = markerBox(m, kurveX, kurveY);
            break;
        }
    }
    t.ended = kurveX >= logWidth - 20 || kurveY > logHeight;
    return t;
}

void drawEquilibriumTick(TCanvas& haupt, TCanvas& log, const EquilibriumRun& run, const EquilibriumTick& tick)
{
    haupt.Pen.SetWidth(1);
    if (tick.first) {
        // The lines keep the pen colour the picture left (black after a repaint); the white
        // brush fills their gaps.
        haupt.Brush.SetColor(clWhite);
        haupt.Pen.SetStyle(psDash);
        drawAll(haupt, run.across);
        if (run.boxPenSolid)
            haupt.Pen.SetStyle(psSolid);
        haupt.Font.SetColor(clWhite);
        haupt.Brush.SetColor(run.pen);
        haupt.Pen.SetColor(run.pen);
        draw(haupt, run.box);
        drawAll(haupt, run.boxTexts);
    }
    log.Pen.SetWidth(3);
    log.Pen.SetColor(run.pen);
    if (tick.draws)
        log.LineTo(tick.to.X, tick.to.Y);
    if (tick.marker) {
        log.Brush.SetColor(tick.marker->fill);
        log.Pen.SetWidth(1);
        log.Pen.SetColor(clBlue);
        log.Ellipse(tick.markerBox.x1, tick.markerBox.y1, tick.markerBox.x2, tick.markerBox.y2);
    }
}

void drawEquilibriumEnd(TCanvas& haupt, const EquilibriumRun& run)
{
    haupt.Font.SetColor(clWhite);
    haupt.Brush.SetColor(run.pen);
    drawAll(haupt, run.endLabels);
}

// --- Static lines of a ZTA diagram -----------------------------------------------------------

int parabolaY(const ParabolaLine& line, int x)
{
    const double d = x - line.vertex;
    return RoundSingle(line.c - line.k * d * d);
}

void draw(TCanvas& c, const ParabolaLine& line)
{
    c.Pen.SetColor(line.color);
    c.Pen.SetWidth(line.width);
    c.Pen.SetStyle(psSolid);
    if (!line.head.empty())
        draw(c, Polyline { line.head });
    c.MoveTo(line.from.X, line.from.Y);
    for (int x = line.firstX; x <= line.lastX; ++x)
        c.LineTo(x + line.shift, parabolaY(line, x));
    drawAll(c, line.tail);
}

} // namespace wb::ztaztu
