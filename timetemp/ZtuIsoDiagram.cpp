// The isothermal ZTU diagrams: the frame they share with the continuous diagram at 0.70 % C (layout,
// axes and EKD corner with the time panel at x = 400) and the isotherm runs drawn on its overlay.
#include "timetemp/ZtuIsoDiagram.h"

#include "diagrams/SteelCorner.h"

#include <cassert>
#include <iterator>

namespace wb::ztuiso {

namespace {

using namespace ztaztu;

constexpr LayoutRule kLayout {
    .ztuLinks = 400, .ztuRechtsRand = 22, .untenRand = 70, .zeilen = 6, .ekdLinks = 50, .ekdRechtsRand = 390
};
constexpr OverlayRule kOverlay { .topRows = 1.95, .bottomRows = 0, .extraWidth = 20 };

// clang-format off
// Step 4: the temperature scales (ZTU panel, then EKD panel), the time axis with its exponents
// and the carbon axis.
constexpr ColoredText kAchsen[] = {
    { 395,   5, "Temperatur/°C", clBlack }, { 367,  16, "1200", clBlack }, { 370,  84, "1000", clBlack },
    { 370, 152, " 800", clBlack },          { 370, 220, " 600", clYellow },    { 370, 288, " 400", clWhite },
    { 370, 356, " 200", clWhite },
    {  45,   5, "Temperatur/°C", clBlack }, {  17,  16, "1200", clBlack }, {  20,  84, "1000", clBlack },
    {  20, 152, " 800", clBlack },          {  20, 220, " 600", clYellow },    {  20, 288, " 400", clWhite },
    {  20, 356, " 200", clWhite },
    { 395, 436, "10", clWhite }, { 411, 430, "-1", clWhite },
    { 449, 436, "1", clWhite },
    { 503, 436, "10", clWhite },
    { 557, 436, "10", clWhite }, { 573, 430, "2", clWhite },
    { 611, 436, "10", clWhite }, { 627, 430, "3", clWhite },
    { 665, 436, "10", clWhite }, { 681, 430, "4", clWhite },
    { 719, 436, "10", clWhite }, { 735, 430, "5", clWhite },
    { 662, 455, "Zeit/sec", clWhite },
    {  45, 436, "0", clWhite },   { 101, 436, "0.4", clWhite }, { 157, 436, "0.8", clWhite },
    { 213, 436, "1.2", clWhite }, { 269, 436, "1.6", clWhite }, { 325, 436, "2.0", clWhite },
    { 158, 455, "Kohlenstoffgehalt/Gew.%", clWhite },
};
static_assert(std::size(kAchsen) == 7 + 7 + 13 + 7);

// Step 6.
constexpr TextAt kEkdTexte[] = {
    {  53, 104, "G" },          { 165, 185, "S" },          { 338,  29, "E" },
    {  57, 168, "P" },          { 322, 189, "723°C" },      { 291,  36, "1147°C" },
    { 150,  90, " Austenit " }, { 260, 110, " Austenit " }, { 260, 124, "+Zementit " },
    {  53, 158, " Austenit " }, {  75, 172, "+ Ferrit " },  {  52, 206, " Ferrit " },
    {  80, 280, " Perlit " },   {  90, 294, "+ Ferrit " },  { 220, 280, " Perlit " },
    { 230, 294, "+ Zementit " }, { 162, 335, "Eutektoid " }, { 162, 348, " Perlit " },
};
static_assert(std::size(kEkdTexte) == 18);
// clang-format on

} // namespace

// --- The frame -------------------------------------------------------------------------------

const LayoutRule& layoutRule()
{
    return kLayout;
}

const OverlayRule& overlayRule()
{
    return kOverlay;
}

std::span<const ColoredText> axisLabels()
{
    return kAchsen;
}

std::span<const TextAt> ekdLabels()
{
    return kEkdTexte;
}

void drawFrame(TCanvas& c, const DiagramLayout& l, int width, int height)
{
    drawBackground(c, width, height);
    drawFrames(c, l);
    drawGrids(c, l);
    drawColoredTexts(c, kAchsen);
    ekd::drawSteelCorner(c, l, 0);
    drawDarkTexts(c, kEkdTexte);
}

void drawPicture(TCanvas& c, const DiagramLayout& l, int width, int height, const IsoLesson& lesson)
{
    drawFrame(c, l, width, height);
    drawLines(c, l, lesson.lines.first(lesson.linesBeforeLabels));
    drawDarkTexts(c, lesson.curveLabels);
    drawLines(c, l, lesson.lines.subspan(lesson.linesBeforeLabels));
    drawSteelBox(c, lesson.steelBox);
    drawMarkings(c, lesson.purpleGapLines, lesson.markings);
}

// --- Isotherm runs ---------------------------------------------------------------------------

int isothermRow(double celsius)
{
    const DiagramLayout l = computeLayout(kLayout, 750, 500);
    const QRect overlay = overlayBounds(l, QRect(0, 0, 750, 500), kOverlay);
    return temperatureY(l, celsius) - overlay.top();
}

IsothermTick isothermTick(const IsothermRun& run, int& kurveX, float& kurveY)
{
    IsothermTick t;
    auto pen = [&t](bool draws, int x, int y) { t.steps[t.stepCount++] = { draws, { x, y } }; };
    kurveY = float(25 * kurveX);
    // Quench.
    if (kurveX < run.n) {
        pen(true, kurveX, Round(kurveY));
        ++kurveX;
    }
    // Knee: the drop below the last quench point and an arrowhead pointing down onto the isotherm.
    if (kurveX == run.n) {
        kurveY += float(run.drop);
        if (run.knee == Knee::B)
            pen(true, kurveX, Round(kurveY));
        ++kurveX;
        const int x = kurveX, y = Round(kurveY);
        const int stroke = run.knee == Knee::A ? run.drop : 13;
        pen(false, x, y);
        pen(true, x - 3, y - stroke);
        pen(false, x, y);
        pen(true, x, y - stroke);
    }
    // Isotherm: one dot of the pen per tick.
    if (kurveX > run.n) {
        kurveY = float(run.isothermY);
        ++kurveX;
        pen(false, kurveX, run.isothermY);
        pen(true, kurveX, run.isothermY);
    }
    for (const RunMarker& m : run.markers) {
        if (m.atX == kurveX) {
            t.marker = &m;
            t.markerBox = markerBox(m, kurveX, kurveY);
            break;
        }
    }
    t.ended = kurveX == run.endX;
    return t;
}

std::array<IsothermRun, kIsotherms> onHoldRows(std::span<const IsothermRun> runs, const model::LessonSteel& steel)
{
    assert(runs.size() == kIsotherms && steel.holds.size() == kIsotherms);
    std::array<IsothermRun, kIsotherms> out;
    for (size_t i = 0; i < kIsotherms; ++i) {
        out[i] = runs[i];
        out[i].isothermY = isothermRow(steel.holds[i].drawnCelsius);
    }
    return out;
}

void drawIsothermTick(TCanvas& log, const IsothermRun& run, const IsothermTick& tick, int kurveX, float kurveY)
{
    log.Font.SetHeight(12);
    log.Pen.SetWidth(2);
    log.Pen.SetColor(clRed);
    for (int i = 0; i < tick.stepCount; ++i) {
        const PenStep& s = tick.steps[i];
        if (s.draws)
            log.LineTo(s.to.X, s.to.Y);
        else
            log.MoveTo(s.to.X, s.to.Y);
    }
    if (tick.marker) {
        log.Brush.SetColor(tick.marker->fill);
        log.Pen.SetWidth(1);
        log.Pen.SetColor(clBlue);
        log.Ellipse(tick.markerBox.x1, tick.markerBox.y1, tick.markerBox.x2, tick.markerBox.y2);
    }
    if (!tick.ended)
        return;
    log.Brush.SetColor(clRed);
    log.Font.SetColor(clWhite);
    // The arrowhead takes the pen the tick left: red, or the thin blue one after a marker.
    const int x = kurveX, y = Round(kurveY);
    log.MoveTo(x, y);
    log.LineTo(x - 10, y - 3);
    log.MoveTo(x, y);
    log.LineTo(x - 10, y + 3);
    for (const RunLabel& label : run.labels) {
        const TPoint at = labelAt(label, kurveX, kurveY);
        draw(log, TextAt { at.X, at.Y, label.text });
    }
}

} // namespace wb::ztuiso
