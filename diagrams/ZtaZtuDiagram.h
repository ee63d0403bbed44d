// The scheme every ZTA/ZTU lesson draws on: the layout of the EKD corner beside the time panel,
// the logarithmic time axis, the static picture's steps and the cooling runs on the overlay.
// Each form calls these with its own values and tables.
#pragma once

#include "diagrams/Panels.h"
#include "framework/Canvas.h"
#include "framework/Figures.h"
#include "model/LessonSteels.h"

#include <QRect>
#include <climits>
#include <span>
#include <vector>

namespace wb::ztaztu {

// --- Layout ----------------------------------------------------------------------------------

// The layout values every ZTA/ZTU form computes at the start of each paint of PaintBoxHaupt:
// the edges of the time panel (ZTA or ZTU) and of the EKD panel, the height of one temperature
// row of 200 °C, the width of one decade of time and of one EKD column of 0.2 % C.
struct DiagramLayout {
    int ZtuLinks = 0;
    int ZtuRechts = 0;
    int ZtuOben = 0;
    int ZtuUnten = 0;
    float ZtuZeile = 0;
    float ZtuDekade = 0;
    int EkdLinks = 0;
    int EkdRechts = 0;
    int EkdOben = 0;
    int EkdUnten = 0;
    float EkdZeile = 0;
    float EkdSpalte = 0;
};

// How a form derives its layout from the size W × H of PaintBoxHaupt.
struct LayoutRule {
    int ztuLinks; // left edge of the time panel
    int ztuRechtsRand; // ZtuRechts = W − this
    int untenRand; // ZtuUnten = EkdUnten = H − this
    int zeilen; // temperature rows of 200 °C from the bottom line to 1200 °C
    int ekdLinks;
    int ekdRechtsRand; // EkdRechts = W − this
    int oben = 20; // ZtuOben = EkdOben
};

constexpr int kDekaden = 6; // 0.1 s … 10^5 s
constexpr int kEkdSpalten = 11; // 0 … 2.2 % C in columns of 0.2 % C

// The layout values; the row, decade and column sizes by integer division, as the lessons take them.
DiagramLayout computeLayout(const LayoutRule& rule, int width, int height);

// --- Axes ------------------------------------------------------------------------------------

// Rounds a coordinate computed from decimal diagram values to a pixel, an exact half to the even
// neighbour. The value is first taken to a millionth of a pixel: a point such as 1.9 % C lands
// exactly on 50 + 29 · 9.5 = 325.5, which binary arithmetic gives as 325.49999999999994, and it
// must round as the half it is.
int roundPixel(double v);

// The decade position of a time: log10(t / 0.1 s), so 0 at 0.1 s, 1 at 1 s … 6 at 10^5 s.
double decadePosition(double seconds);
// x on PaintBoxHaupt of a decade position in the time panel.
int timeX(const DiagramLayout& l, double decade);
// y on PaintBoxHaupt of a temperature in either panel; `bottomCelsius` is the temperature of the
// bottom line (0 °C in the ZTU forms, 200 °C in the ZTA forms).
int temperatureY(const DiagramLayout& l, double celsius, double bottomCelsius = 0);
// x on PaintBoxHaupt of a carbon content in the EKD panel.
int carbonX(const DiagramLayout& l, double percentC);

// --- The model's lines -----------------------------------------------------------------------

// A point of a time–temperature diagram of the model on PaintBoxHaupt: its time (lg t, s) on the
// time panel's axis, its temperature on the panel's scale.
TPoint project(const DiagramLayout& l, const model::TimeTemperature& p, double bottomCelsius = 0);
std::vector<TPoint> project(
    const DiagramLayout& l, std::span<const model::TimeTemperature> points, double bottomCelsius = 0);

// The cooling runs draw against their own time scale: 55 pixels per decade from the overlay's
// left edge, with KurveX = 55 at 1 s, while the grid underneath has ZtuDekade = 54. A run's time
// therefore drifts right of the grid line of the same time, by one pixel per decade.
constexpr int kRunPixelsPerDecade = 55;
// 10^((x − a) / perDecade): the time in seconds at run position x when x = a is 1 s.
double logTime(int x, int a = kRunPixelsPerDecade, int perDecade = kRunPixelsPerDecade);
// A cooling run's curve factor: the pixels its straight cooling line T = T0 − v·t has fallen at
// 1 s, for a rate v in °C/s on rows of `rowPixels` per 200 °C.
double curveFactor(double celsiusPerSecond, double rowPixels);

// --- Overlay ---------------------------------------------------------------------------------

// Where PaintBoxLog lies in the form. The ZTU forms cut `topRows` temperature rows off the top of
// the panel, the ZTA forms `bottomRows` off its bottom; the overlay reaches `extraWidth` pixels
// beyond the panel's right edge.
struct OverlayRule {
    double topRows = 0;
    double bottomRows = 0;
    int extraWidth = 0;
};
QRect overlayBounds(const DiagramLayout& l, const QRect& haupt, const OverlayRule& rule);

// --- Static picture --------------------------------------------------------------------------

// The pen most lines of the picture are drawn with, and the fill of the two panels.
using diagrams::kDunkel;
using diagrams::kPanelGold;

// A polyline drawn with a solid pen of this width.
struct Curve {
    int width;
    Polyline line;
};
// The purple box naming the steel, white on purple.
struct SteelBox {
    Box box;
    TextAt lines[2];
};
// A step of the carbon-content markings once the brush is black: a dashed line with black gaps
// (where there is one), then its label white on black.
struct Marking {
    bool hasLine;
    Segment line;
    TextAt label;
};

// What a form puts into the picture; the steps draw it in this order.
struct PictureScheme {
    std::span<const ColoredText> axisLabels; // step 4
    std::span<const Curve> ekdLines; // step 5
    std::span<const TextAt> ekdLabels; // step 6
    std::span<const model::TransformationLine> timeLines; // step 7, from the model
    std::span<const TextAt> timeLabels; // step 8
    SteelBox steelBox; // step 9
    std::span<const Segment> purpleGapLines; // step 10, dashed while the purple brush still fills the gaps
    std::span<const Marking> markings; // step 10, then brush black
};

// The ten steps of the static picture, for forms that put something between them; each sets
// the pen, brush and font it needs and leaves them for the next, as the picture is drawn.
// 1: the background from yellow over red to almost black, in rows of a width-2 pen from x = 4.
void drawBackground(TCanvas& c, int width, int height);
// 2: both panels framed with the dark pen and filled gold.
void drawFrames(TCanvas& c, const DiagramLayout& l);
// 3: the dotted grids: temperature rows in both panels, decades and carbon columns.
void drawGrids(TCanvas& c, const DiagramLayout& l);
// Texts with a clear brush in the given colours (step 4).
void drawColoredTexts(TCanvas& c, std::span<const ColoredText> texts);
// Texts with a clear brush in the dark colour (steps 6 and 8).
void drawDarkTexts(TCanvas& c, std::span<const TextAt> texts);
// Polylines with the dark solid pen (step 5).
void drawCurves(TCanvas& c, std::span<const Curve> curves);
// The model's lines as polylines through their projected points, with the dark solid pen of
// width 2 (step 7).
void drawLines(TCanvas& c, const DiagramLayout& l, std::span<const model::TransformationLine> lines);
// 9: the steel box.
void drawSteelBox(TCanvas& c, const SteelBox& box);
// 10: the carbon-content line with A(3) and A(1).
void drawMarkings(TCanvas& c, std::span<const Segment> purpleGapLines, std::span<const Marking> markings);
// All ten steps in order.
void drawStaticPicture(TCanvas& c, const DiagramLayout& l, int width, int height, const PictureScheme& scheme);

// --- Cooling runs on the overlay -------------------------------------------------------------

constexpr int kOpen = INT_MIN; // a piece's range without a lower bound
constexpr int kNoEnd = INT_MAX; // … without an upper bound
constexpr int kMaxPieces = 3;

// One piece of a cooling run's tick: while above < KurveX ≤ upTo it sets KurveY (if it has a
// formula), draws to (KurveX, Round(KurveY)) and advances KurveX. With `stepFirst` it advances
// before the formula and the line.
struct RunPiece {
    int above;
    int upTo;
    int step;
    bool stepFirst = false;
    bool setsY = false; // KurveY := (KurveX − a) · slope + offset
    double a = 0;
    double slope = 0;
    double offset = 0;
};
// A dot where the curve crosses a transformation line: drawn when KurveX equals atX after the
// pieces, in the box (X + dx1, Y + dy1, X + dx2, Y + dy2), each coordinate rounded.
struct RunMarker {
    int atX;
    int dx1;
    int dy1;
    int dx2;
    int dy2;
    TColor fill;
};
// A label at (X + dx, Y + dy), rounded.
struct RunLabel {
    int dx;
    int dy;
    const char* text;
};

// A cooling run at a constant rate: the straight cooling line T = T0 − v·t against the run's
// logarithmic time scale, KurveY = K · 10^((KurveX − 55) / 55), and the pieces that bend it where
// the steel transforms.
struct CoolingRun {
    double K;
    std::span<const RunPiece> pieces;
    std::span<const RunMarker> markers;
    int limitInset; // the run ends when KurveY > PaintBoxLog.Height − limitInset
    std::span<const RunLabel> labels;
};

// What one tick draws, computed before anything is drawn.
struct RunTick {
    TPoint lines[kMaxPieces]; // LineTo targets, in the order of the pieces
    int lineCount = 0;
    const RunMarker* marker = nullptr;
    Box markerBox {};
    bool ended = false;
};

Box markerBox(const RunMarker& m, int kurveX, float kurveY);
TPoint labelAt(const RunLabel& label, int kurveX, float kurveY);

// Advances a cooling run by one tick: step 1 sets KurveY from the time scale, the pieces follow
// one after the other (each sees the KurveX and KurveY the one before it left), then the marker
// and the end test.
RunTick coolingTick(const CoolingRun& run, int& kurveX, float& kurveY, int logHeight);
// Draws the tick on the overlay: the lines with a blue pen of width 3, the marker with a thin
// blue pen, and at the end the labels, 8 pixels high, white on the blue brush.
void drawCoolingTick(TCanvas& log, const CoolingRun& run, const RunTick& tick, int kurveX, float kurveY);

// The equilibrium run: a very slow cooling curve drawn 2 pixels per tick across the overlay, with
// the A(3) and A(1) lines continued across the time panel and a box naming it on the first tick
// and the resulting structure written at its end.
struct EquilibriumRun {
    double K;
    TColor pen;
    Segment across[2] {}; // dashed on PaintBoxHaupt, white gaps
    bool boxPenSolid = false; // the pen turns solid again before the box (else it stays dashed)
    Box box {};
    std::span<const TextAt> boxTexts {}; // white on the pen's colour
    std::span<const RunMarker> markers {}; // pen #0000FF width 1, like the cooling runs' dots
    std::span<const TextAt> endLabels {}; // on PaintBoxHaupt, white on the pen's colour
};

struct EquilibriumTick {
    bool first = false; // KurveX was 0: the lines and the box go onto PaintBoxHaupt first
    bool draws = false;
    TPoint to {};
    const RunMarker* marker = nullptr;
    Box markerBox {};
    bool ended = false;
};

// Advances the equilibrium run by one tick: KurveY from the time scale, a line while KurveX is
// left of the overlay's right edge, KurveX + 2; it ends when KurveX reaches 20 pixels short of
// that edge or KurveY passes the overlay's bottom.
EquilibriumTick equilibriumTick(const EquilibriumRun& run, int& kurveX, float& kurveY, int logWidth, int logHeight);
// Draws the tick: on PaintBoxHaupt the first tick's lines and box, on the overlay the curve and
// the marker.
void drawEquilibriumTick(TCanvas& haupt, TCanvas& log, const EquilibriumRun& run, const EquilibriumTick& tick);
// The end labels on PaintBoxHaupt, written once the run has ended.
void drawEquilibriumEnd(TCanvas& haupt, const EquilibriumRun& run);

// --- Static lines of a ZTA diagram -----------------------------------------------------------

// A boundary line of an austenitising diagram: a short polyline through the points measured at
// short times, then a parabola computed per pixel column, LineTo(x + shift, [c − k · (x − vertex)²])
// for x = firstX … lastX after a MoveTo to `from`, then separate straight pieces at long times.
// The head and the tail may be empty.
struct ParabolaLine {
    TColor color;
    int width;
    std::span<const TPoint> head;
    TPoint from;
    double c;
    double k;
    int vertex;
    int firstX;
    int lastX;
    int shift = 0;
    std::span<const Segment> tail {};
};

// The parabola's y at column x, in single precision and rounded as the line draws it.
int parabolaY(const ParabolaLine& line, int x);
// The line with a solid pen of its colour and width.
void draw(TCanvas& c, const ParabolaLine& line);

} // namespace wb::ztaztu
