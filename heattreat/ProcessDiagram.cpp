// The temperature–time process diagram and the schematic ZTU diagram of the heat-treatment
// lessons: their geometry and their static picture, drawn by the lessons with their own data.
#include "heattreat/ProcessDiagram.h"

#include <cmath>
#include <iterator>

namespace wb::processdiagram {

namespace {

constexpr TColor kFrameColor = RGB(0x01, 0x00, 0x00);
constexpr TColor kFrameFill = RGB(0xFF, 0xD7, 0x00);
constexpr TColor kPhaseColor = RGB(0x02, 0x00, 0x00);
constexpr TColor kTitleColor = RGB(0x80, 0x00, 0x80);

// The colour bands start a few pixels in from the paint box's left edge.
constexpr int kBandLeft = 4;
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

struct Text {
    int x;
    int y;
    const char* text;
};

struct ColoredText {
    int x;
    int y;
    const char* text;
    TColor color;
};

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
constexpr Text kZtuTimeLabels[] = {
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
constexpr Text kZeit = { 357, 310, "Zeit " };
struct Segment {
    TPoint from;
    TPoint to;
};
constexpr Segment kTimeArrow[] = {
    { { 267, 315 }, { 327, 315 } },
    { { 327, 315 }, { 317, 310 } },
    { { 327, 315 }, { 317, 320 } },
};

// The transformation lines of the schematic ZTU diagram of a steel with 0.45 % C.
constexpr TPoint kMartensitStart[] = { { 440, 222 }, { 518, 222 }, { 571, 237 } };
constexpr TPoint kBainitEnde[] = {
    { 580, 268 }, { 546, 162 }, { 547, 160 }, { 551, 157 }, { 557, 155 }, { 599, 151 }, { 652, 147 },
    { 705, 144 },
};
constexpr TPoint kPerlitBeginn[] = {
    { 508, 180 }, { 513, 170 }, { 514, 167 }, { 520, 162 }, { 530, 157 }, { 538, 154 }, { 546, 152 },
    { 547, 151 }, { 551, 150 }, { 557, 150 }, { 599, 146 }, { 652, 142 }, { 705, 139 },
};
constexpr TPoint kFerritBeginn[] = {
    { 705, 128 }, { 652, 131 }, { 599, 135 }, { 546, 140 }, { 535, 142 }, { 525, 144 }, { 514, 147 },
    { 505, 153 }, { 502, 156 }, { 501, 163 }, { 512, 192 },
};
constexpr TPoint kBainitBeginn[] = { { 518, 222 }, { 510, 208 }, { 508, 203 }, { 510, 194 }, { 546, 162 } };
// clang-format on
constexpr std::span<const TPoint> kZtuCurves[]
    = { kMartensitStart, kBainitEnde, kPerlitBeginn, kFerritBeginn, kBainitBeginn };
static_assert(std::size(kZtuCurves) == 5);

constexpr Text kAustenit = { 616, 93, "Austenit" };
constexpr const char* kFerrit = "Ferrit";
constexpr Text kPhaseLabels[] = {
    { 511, 167, "Perlit" },
    { 524, 194, "Bainit" },
    { 461, 240, "Martensit" },
};

constexpr Text kZtuTitle[] = {
    { 457, 24, "  Schematisches ZTU-Schaubild  " },
    { 457, 38, "  unlegierter Stahl mit C = 0.45%  " },
};

// The definition panel's rectangle is as large as the diagram paint box.
constexpr int kPanelRectWidth = 770;
constexpr int kPanelRectHeight = 500;
constexpr int kPanelFontHeight = 18;

void textOut(TCanvas& canvas, int x, int y, const char* text)
{
    canvas.TextOut(x, y, QString::fromUtf8(text));
}

void polyline(TCanvas& canvas, std::span<const TPoint> points)
{
    canvas.MoveTo(points.front().X, points.front().Y);
    for (const TPoint& p : points.subspan(1))
        canvas.LineTo(p.X, p.Y);
}

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
    return ztu.left + ztu.dx * (std::log10(seconds) + 1);
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
    canvas.Pen.SetWidth(2);
    canvas.Pen.SetStyle(psSolid);
    // Row 100 is drawn twice: first as the last warm band, then as the first glowing one.
    for (int y = 0; y <= kWarmBandsTo; ++y) {
        canvas.Pen.SetColor(warmBandColor(y));
        canvas.MoveTo(kBandLeft, y);
        canvas.LineTo(width, y);
    }
    for (int y = kWarmBandsTo; y <= height; ++y) {
        canvas.Pen.SetColor(glowBandColor(y));
        canvas.MoveTo(kBandLeft, y);
        canvas.LineTo(width, y);
    }
}

void drawFrame(TCanvas& canvas, const Frame& frame)
{
    canvas.Pen.SetColor(kFrameColor);
    canvas.Pen.SetWidth(2);
    canvas.Brush.SetColor(kFrameFill);
    canvas.Rectangle(frame.left, frame.top, frame.right, frame.bottom);
}

void drawGrid(TCanvas& canvas, const Frame& frame)
{
    canvas.Brush.SetStyle(bsClear);
    canvas.Pen.SetWidth(1);
    canvas.Pen.SetStyle(psDot);
    for (int k = 1; k < kTemperatureSteps; ++k) {
        const int y = frame.bottom - k * frame.dy;
        canvas.MoveTo(frame.left, y);
        canvas.LineTo(frame.right, y);
    }
    for (int k = 0; k < frame.columns; ++k) {
        const int x = frame.left + k * frame.dx;
        canvas.MoveTo(x, frame.top);
        canvas.LineTo(x, frame.bottom);
    }
}

void drawTemperatureLabels(TCanvas& canvas, int shiftX)
{
    canvas.Brush.SetStyle(bsClear);
    for (const ColoredText& t : kTemperatureLabels) {
        canvas.Font.SetColor(t.color);
        textOut(canvas, t.x + shiftX, t.y, t.text);
    }
}

void drawTimeArrow(TCanvas& canvas, int shiftX)
{
    canvas.Font.SetColor(clWhite);
    textOut(canvas, kZeit.x + shiftX, kZeit.y, kZeit.text);
    canvas.Pen.SetColor(clWhite);
    canvas.Pen.SetWidth(1);
    for (const Segment& s : kTimeArrow) {
        canvas.MoveTo(s.from.X + shiftX, s.from.Y);
        canvas.LineTo(s.to.X + shiftX, s.to.Y);
    }
}

void drawZtuTimeLabels(TCanvas& canvas)
{
    canvas.Font.SetColor(clWhite);
    for (const Text& t : kZtuTimeLabels)
        textOut(canvas, t.x, t.y, t.text);
}

void drawZtuCurves(TCanvas& canvas, TColor pen)
{
    canvas.Pen.SetColor(pen);
    canvas.Pen.SetWidth(2);
    for (std::span<const TPoint> curve : kZtuCurves)
        polyline(canvas, curve);
}

void drawZtuPhaseLabels(TCanvas& canvas, TPoint ferrit)
{
    canvas.Font.SetColor(kPhaseColor);
    canvas.Brush.SetStyle(bsClear);
    textOut(canvas, kAustenit.x, kAustenit.y, kAustenit.text);
    textOut(canvas, ferrit.X, ferrit.Y, kFerrit);
    for (const Text& t : kPhaseLabels)
        textOut(canvas, t.x, t.y, t.text);
}

void drawZtuTitle(TCanvas& canvas)
{
    canvas.Font.SetColor(clWhite);
    canvas.Brush.SetColor(kTitleColor);
    for (const Text& t : kZtuTitle)
        textOut(canvas, t.x, t.y, t.text);
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
    drawZtuCurves(canvas, look.curvePen);
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
        textOut(canvas, textX, line.y, line.text);
}

} // namespace wb::processdiagram
