// The temperature–time process diagram and the schematic ZTU diagram of the heat-treatment
// lessons: their geometry and their static picture, drawn by the lessons with their own data.
#include "heattreat/ProcessDiagram.h"

#include "diagrams/Panels.h"
#include "diagrams/ZtaZtuDiagram.h"
#include "framework/Figures.h"
#include "model/LessonSteels.h"

#include <cassert>
#include <cmath>
#include <iterator>

namespace wb::processdiagram {

namespace {

constexpr TColor kPhaseColor = RGB(0x02, 0x00, 0x00);

constexpr int kWarmBandsTo = 100;

// Where the side-by-side layout puts its diagrams relative to the paint box's size.
constexpr int kProzessLeft = 40;
constexpr int kProzessRightMargin = 350;
constexpr int kZtuLeft = 440;
constexpr int kZtuRightMargin = 10;
constexpr int kDiagramTop = 20;
constexpr int kDiagramBottomMargin = 200;
constexpr int kProzessColumns = 9;
constexpr int kZtuColumns = 6; // decades 0.1 s … 10^5 s

// The curve surface starts 1.95 temperature steps below the ZTU diagram's top and leaves out
// the lowest 1.7 steps.
constexpr double kCurveTopSteps = 1.95;
constexpr double kCurveCutSteps = 1.7;

// clang-format off
// Temperature labels of a process diagram whose frame starts at x = 40.
constexpr ColoredText kTemperatureLabels[] = {
    { 35,   5, "Temperatur/°C", clBlack },
    { 10,  18, "1200",          clBlack },
    { 10,  64, "1000",          clBlack },
    { 10, 110, " 800",          clWhite },
    { 10, 156, " 600",          clWhite },
    { 10, 202, " 400",          clWhite },
    { 10, 248, " 200",          clWhite },
};
static_assert(std::size(kTemperatureLabels) == 7);

// The decades of the ZTU time axis, each exponent six pixels above its base.
constexpr TextAt kZtuTimeLabels[] = {
    { 435, 306, "10" }, { 451, 300, "-1" },
    { 488, 306, "1" },
    { 541, 306, "10" },
    { 594, 306, "10" }, { 610, 300, "2" },
    { 647, 306, "10" }, { 663, 300, "3" },
    { 700, 306, "10" }, { 716, 300, "4" },
    { 746, 306, "10" }, { 761, 300, "5" },
    { 692, 325, "Zeit/sec" },
};

// "Zeit " and the arrow under a process diagram whose frame ends at x = 420.
constexpr TextAt kZeit = { 357, 310, "Zeit " };
constexpr Segment kTimeArrow[] = {
    { { 267, 315 }, { 327, 315 } },
    { { 327, 315 }, { 317, 310 } },
    { { 327, 315 }, { 317, 320 } },
};

// The ZTU diagram is that of the lesson steel with 0.45 % C; only its start of transformation at
// 10^3 and 10^4 s stands 7 and 4 °C higher here than on the continuous ZTU lesson's diagram.
constexpr model::TimeTemperature kBeginnLang[] = { { 4, 748 }, { 3, 735 } };
// clang-format on

constexpr TextAt kAustenit = { 616, 93, "Austenit" };
constexpr const char* kFerrit = "Ferrit";
constexpr TextAt kPhaseLabels[] = {
    { 511, 167, "Perlit" },
    { 524, 194, "Bainit" },
    { 461, 240, "Martensit" },
};

constexpr TextAt kZtuTitle[] = {
    { 457, 24, "  Schematisches ZTU-Schaubild  " },
    { 457, 38, "  unlegierter Stahl mit C = 0.45%  " },
};

// The definition panel's rectangle is as large as the diagram paint box.
constexpr int kPanelRectWidth = 770;
constexpr int kPanelRectHeight = 500;
constexpr int kPanelFontHeight = 18;

} // namespace

Frame makeFrame(int left, int top, int right, int bottom, int columns)
{
    return Frame { .left = left,
        .top = top,
        .right = right,
        .bottom = bottom,
        .columns = columns,
        .dx = (right - left) / columns,
        .dy = (bottom - top) / kTemperatureSteps };
}

Layout sideBySide(int width, int height)
{
    return Layout {
        .prozess = makeFrame(
            kProzessLeft, kDiagramTop, width - kProzessRightMargin, height - kDiagramBottomMargin, kProzessColumns),
        .ztu = makeFrame(kZtuLeft, kDiagramTop, width - kZtuRightMargin, height - kDiagramBottomMargin, kZtuColumns),
    };
}

double temperatureY(const Frame& frame, double celsius)
{
    return frame.bottom - frame.dy * celsius / kDegreesPerStep;
}

double ztuTimeX(const Frame& ztu, double seconds)
{
    return ztuTimeXAt(ztu, std::log10(seconds));
}

double ztuTimeXAt(const Frame& ztu, double lgSeconds)
{
    return ztu.left + ztu.dx * (lgSeconds + 1);
}

TPoint ztuPoint(const Frame& ztu, const model::TimeTemperature& p)
{
    return { ztaztu::roundPixel(ztuTimeXAt(ztu, p.lgSeconds)), ztaztu::roundPixel(temperatureY(ztu, p.celsius)) };
}

std::vector<TPoint> ztuLine(const Frame& ztu, const model::TransformationLine& line)
{
    std::vector<TPoint> points;
    for (const model::TimeTemperature& p : line.points)
        points.push_back(ztuPoint(ztu, p));
    if (line.kind == model::TransformationKind::TransformationStart) {
        for (size_t i = 0; i < std::size(kBeginnLang); ++i) {
            assert(line.points[i].lgSeconds == kBeginnLang[i].lgSeconds);
            points[i] = ztuPoint(ztu, kBeginnLang[i]);
        }
    }
    return points;
}

QRect ztuCurveBounds(const Frame& ztu, QPoint paintBoxOrigin)
{
    return QRect(paintBoxOrigin.x() + ztu.left, Round(ztu.dy * kCurveTopSteps) + paintBoxOrigin.y() + ztu.top,
        ztu.right - ztu.left, (ztu.bottom - ztu.top) - Round(ztu.dy * kCurveCutSteps));
}

TColor warmBandColor(int y)
{
    return RGB(255, 255 - 2 * y, 0);
}

TColor glowBandColor(int y)
{
    return 355 - y > 0 ? RGB(355 - y, 0, 0) : clBlack;
}

void drawBackground(TCanvas& canvas, int width, int height)
{
    // Row 100 is drawn twice: first as the last warm band, then as the first glowing one.
    const diagrams::Bands bands[] = { { 0, kWarmBandsTo, warmBandColor }, { kWarmBandsTo, height, glowBandColor } };
    diagrams::drawBands(canvas, width, bands);
}

void drawFrame(TCanvas& canvas, const Frame& frame)
{
    diagrams::drawPanel(canvas, { frame.left, frame.top, frame.right, frame.bottom });
}

void drawGrid(TCanvas& canvas, const Frame& frame)
{
    diagrams::drawGrid(canvas,
        { { frame.left, frame.top, frame.right, frame.bottom }, kTemperatureSteps, double(frame.dy), 0, frame.columns,
            double(frame.dx) });
}

void drawTemperatureLabels(TCanvas& canvas, int shiftX)
{
    canvas.Brush.SetStyle(bsClear);
    for (const ColoredText& t : kTemperatureLabels)
        draw(canvas, ColoredText { t.x + shiftX, t.y, t.text, t.color });
}

void drawTimeArrow(TCanvas& canvas, int shiftX)
{
    canvas.Font.SetColor(clWhite);
    draw(canvas, TextAt { kZeit.x + shiftX, kZeit.y, kZeit.text });
    canvas.Pen.SetColor(clWhite);
    canvas.Pen.SetWidth(1);
    for (const Segment& s : kTimeArrow)
        draw(canvas, Segment { { s.from.X + shiftX, s.from.Y }, { s.to.X + shiftX, s.to.Y } });
}

void drawZtuTimeLabels(TCanvas& canvas)
{
    canvas.Font.SetColor(clWhite);
    drawAll(canvas, kZtuTimeLabels);
}

void drawZtuCurves(TCanvas& canvas, const Frame& ztu, TColor pen)
{
    canvas.Pen.SetColor(pen);
    canvas.Pen.SetWidth(2);
    for (const model::TransformationLine& line : model::c45().continuous)
        draw(canvas, Polyline { ztuLine(ztu, line) });
}

void drawZtuPhaseLabels(TCanvas& canvas, TPoint ferrit)
{
    canvas.Font.SetColor(kPhaseColor);
    canvas.Brush.SetStyle(bsClear);
    draw(canvas, kAustenit);
    draw(canvas, TextAt { ferrit.X, ferrit.Y, kFerrit });
    drawAll(canvas, kPhaseLabels);
}

void drawZtuTitle(TCanvas& canvas)
{
    canvas.Font.SetColor(clWhite);
    canvas.Brush.SetColor(clPurple);
    drawAll(canvas, kZtuTitle);
}

void drawSideBySide(TCanvas& canvas, const Layout& layout, int width, int height, const ZtuLook& look)
{
    drawBackground(canvas, width, height);
    drawFrame(canvas, layout.ztu);
    drawFrame(canvas, layout.prozess);
    // The grid keeps the frames' pen colour.
    drawGrid(canvas, layout.ztu);
    drawGrid(canvas, layout.prozess);
    drawTemperatureLabels(canvas, 0);
    drawZtuTimeLabels(canvas);
    // The arrow keeps the grid's dotted pen: only its colour and width are set.
    drawTimeArrow(canvas, 0);
    drawZtuCurves(canvas, layout.ztu, look.curvePen);
    drawZtuPhaseLabels(canvas, look.ferrit);
    drawZtuTitle(canvas);
}

void drawDefinitionPanel(TCanvas& canvas, int textX, std::span<const PanelLine> lines)
{
    canvas.Pen.SetColor(clWhite);
    canvas.Pen.SetWidth(1);
    canvas.Font.SetColor(clWhite);
    canvas.Font.SetHeight(kPanelFontHeight);
    canvas.Rectangle(0, 0, kPanelRectWidth, kPanelRectHeight);
    for (const PanelLine& line : lines)
        draw(canvas, TextAt { textX, line.y, line.text });
}

} // namespace wb::processdiagram
