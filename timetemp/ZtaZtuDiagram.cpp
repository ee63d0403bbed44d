// The scheme every ZTA/ZTU lesson draws on: the layout of the EKD corner beside the time panel,
// the logarithmic time axis, the static picture's steps and the cooling runs on the overlay.
#include "timetemp/ZtaZtuDiagram.h"

#include <QString>
#include <cmath>

namespace wb::ztaztu {

namespace {

// The cooling curves, their labels' brush and the outline of every marker dot.
constexpr TColor kBlau = RGB(0x00, 0x00, 0xFF);

void textOut(TCanvas& c, int x, int y, const char* text)
{
    c.TextOut(x, y, QString::fromUtf8(text));
}

void line(TCanvas& c, const Segment& s)
{
    c.MoveTo(s.from.X, s.from.Y);
    c.LineTo(s.to.X, s.to.Y);
}

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

double logTime(int x, int a, int perDecade)
{
    return std::pow(10.0, double(x - a) / perDecade);
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

void drawBackground(TCanvas& c, int width, int height)
{
    c.Pen.SetStyle(psSolid);
    c.Pen.SetWidth(2);
    for (int i = 0; i <= 255; ++i) {
        c.Pen.SetColor(RGB(255, 255 - i, 0));
        c.MoveTo(4, i);
        c.LineTo(width, i);
    }
    for (int y = 255; y <= height; ++y) {
        c.Pen.SetColor(RGB(510 - y, 0, 0));
        c.MoveTo(4, y);
        c.LineTo(width, y);
    }
}

void drawFrames(TCanvas& c, const DiagramLayout& l)
{
    c.Pen.SetColor(kDunkel);
    c.Pen.SetStyle(psSolid);
    c.Pen.SetWidth(2);
    c.Brush.SetColor(kPanelGold);
    c.Rectangle(l.ZtuLinks, l.ZtuOben, l.ZtuRechts, l.ZtuUnten);
    c.Rectangle(l.EkdLinks, l.EkdOben, l.EkdRechts, l.EkdUnten);
}

void drawGrids(TCanvas& c, const DiagramLayout& l)
{
    c.Brush.SetStyle(bsClear);
    c.Pen.SetWidth(1);
    c.Pen.SetStyle(psDot);
    const int rows = temperatureRows(l);
    auto rowY = [&](int k) { return Round(l.ZtuUnten - double(l.ZtuZeile) * k); };
    for (int k = 1; k < rows; ++k)
        line(c, { { l.ZtuLinks, rowY(k) }, { l.ZtuRechts, rowY(k) } });
    for (int k = 0; k < kDekaden; ++k) {
        const int x = Round(l.ZtuLinks + double(l.ZtuDekade) * k);
        line(c, { { x, l.ZtuOben }, { x, l.ZtuUnten } });
    }
    for (int k = 1; k < rows; ++k)
        line(c, { { l.EkdLinks, rowY(k) }, { l.EkdRechts, rowY(k) } });
    for (int k = 1; k < kEkdSpalten; ++k) {
        const int x = Round(l.EkdLinks + double(l.EkdSpalte) * k);
        line(c, { { x, l.EkdOben }, { x, l.EkdUnten } });
    }
}

void drawColoredTexts(TCanvas& c, std::span<const ColoredText> texts)
{
    c.Brush.SetStyle(bsClear);
    for (const ColoredText& t : texts) {
        c.Font.SetColor(t.color);
        textOut(c, t.x, t.y, t.text);
    }
}

void drawDarkTexts(TCanvas& c, std::span<const TextAt> texts)
{
    c.Font.SetColor(kDunkel);
    c.Brush.SetStyle(bsClear);
    for (const TextAt& t : texts)
        textOut(c, t.x, t.y, t.text);
}

void drawPolylines(TCanvas& c, std::span<const Polyline> lines)
{
    c.Pen.SetColor(kDunkel);
    c.Pen.SetStyle(psSolid);
    for (const Polyline& p : lines) {
        c.Pen.SetWidth(p.width);
        c.MoveTo(p.points.front().X, p.points.front().Y);
        for (const TPoint& pt : p.points.subspan(1))
            c.LineTo(pt.X, pt.Y);
    }
}

void drawSteelBox(TCanvas& c, const SteelBox& box)
{
    c.Brush.SetColor(clPurple);
    c.Pen.SetColor(clBlack);
    c.Pen.SetWidth(1);
    c.Pen.SetStyle(psSolid);
    c.Font.SetColor(clWhite);
    c.Rectangle(box.box.x1, box.box.y1, box.box.x2, box.box.y2);
    for (const TextAt& t : box.lines)
        textOut(c, t.x, t.y, t.text);
}

void drawMarkings(TCanvas& c, std::span<const Segment> purpleGapLines, std::span<const Marking> markings)
{
    c.Pen.SetColor(clBlack);
    c.Pen.SetWidth(1);
    c.Pen.SetStyle(psDash);
    // The steel box left the brush solid purple: it fills the gaps of these dashes.
    for (const Segment& s : purpleGapLines)
        line(c, s);
    c.Brush.SetColor(clBlack);
    c.Font.SetColor(clWhite);
    for (const Marking& m : markings) {
        if (m.hasLine)
            line(c, m.line);
        textOut(c, m.label.x, m.label.y, m.label.text);
    }
}

void drawStaticPicture(TCanvas& c, const DiagramLayout& l, int width, int height, const PictureScheme& scheme)
{
    drawBackground(c, width, height);
    drawFrames(c, l);
    drawGrids(c, l);
    drawColoredTexts(c, scheme.axisLabels);
    drawPolylines(c, scheme.ekdLines);
    drawDarkTexts(c, scheme.ekdLabels);
    drawPolylines(c, scheme.timeCurves);
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
    log.Brush.SetColor(kBlau);
    log.Pen.SetColor(kBlau);
    for (int i = 0; i < tick.lineCount; ++i)
        log.LineTo(tick.lines[i].X, tick.lines[i].Y);
    if (tick.marker) {
        log.Brush.SetColor(tick.marker->fill);
        log.Pen.SetWidth(1);
        log.Pen.SetColor(kBlau);
        log.Ellipse(tick.markerBox.x1, tick.markerBox.y1, tick.markerBox.x2, tick.markerBox.y2);
    }
    if (tick.ended) {
        log.Font.SetHeight(8);
        for (const RunLabel& label : run.labels) {
            const TPoint at = labelAt(label, kurveX, kurveY);
            textOut(log, at.X, at.Y, label.text);
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
        for (const Segment& s : run.across)
            line(haupt, s);
        if (run.boxPenSolid)
            haupt.Pen.SetStyle(psSolid);
        haupt.Font.SetColor(clWhite);
        haupt.Brush.SetColor(run.pen);
        haupt.Pen.SetColor(run.pen);
        haupt.Rectangle(run.box.x1, run.box.y1, run.box.x2, run.box.y2);
        for (const TextAt& t : run.boxTexts)
            textOut(haupt, t.x, t.y, t.text);
    }
    log.Pen.SetWidth(3);
    log.Pen.SetColor(run.pen);
    if (tick.draws)
        log.LineTo(tick.to.X, tick.to.Y);
    if (tick.marker) {
        log.Brush.SetColor(tick.marker->fill);
        log.Pen.SetWidth(1);
        log.Pen.SetColor(kBlau);
        log.Ellipse(tick.markerBox.x1, tick.markerBox.y1, tick.markerBox.x2, tick.markerBox.y2);
    }
}

void drawEquilibriumEnd(TCanvas& haupt, const EquilibriumRun& run)
{
    haupt.Font.SetColor(clWhite);
    haupt.Brush.SetColor(run.pen);
    for (const TextAt& t : run.endLabels)
        textOut(haupt, t.x, t.y, t.text);
}

} // namespace wb::ztaztu
