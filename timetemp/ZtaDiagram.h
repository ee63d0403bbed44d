// What the three austenitising (ZTA) lessons share: the steel corner of the iron–carbon diagram
// with its scales, the time axis under their panel, the set-up of their common components, the
// looks of the texts they write beside the micrographs and at the ends of their lines, the
// micrographs that appear as a run passes a line, and the runs on the overlay — heating curves and
// the boundary lines drawn right to left of the continuous diagrams, the isotherms of the
// isothermal one. Each lesson gives its own tables.
#pragma once

#include "diagrams/ZtaZtuDiagram.h"
#include "framework/Canvas.h"
#include "framework/Controls.h"
#include "framework/Figures.h"
#include "framework/ImageList.h"
#include "model/LessonSteels.h"

#include <span>
#include <vector>

namespace wb::zta {

using ztaztu::RunMarker;

// The panels are 54 pixels a decade from 0.1 s; the bottom line is 200 °C.
constexpr int kPixelsPerDecade = 54;
constexpr double kBottomCelsius = 200;

// The time axis under the ZTA panel, white: 10^-1 … 10^5 s and "Zeit/sec".
std::span<const ColoredText> timeAxis();

// --- The forms' common components ------------------------------------------------------------

// What every ZTA form's description sets: the overlay `logHeight` high at (405, 25) with a 13-pixel
// font, the explanation pink, read-only, out of the tab order and hidden, holding the lesson's
// lines, and the micrographs' strip.
void setUpComponents(TPaintBox& log, int logHeight, TMemo& memo, std::span<const char* const> lines,
    TScrollStyle scrollBars, TImageList& pictures);
// The overlay moved to where the last paint's layout puts it.
void placeOverlay(
    TPaintBox& log, const TPaintBox& haupt, const ztaztu::DiagramLayout& l, const ztaztu::OverlayRule& rule);
// The pen back at the overlay's bottom-left corner, where every run starts.
void penToStart(TPaintBox& log, int& kurveX, float& kurveY);

// --- The steel corner of the iron–carbon diagram --------------------------------------------

// The EKD panel's left edge the steel corner's texts are measured from; a form whose panel lies
// elsewhere gets them moved with it.
constexpr int kEkdLinks = 50;

// Steps 4 to 6 of the static picture: the ZTA panel's temperature scale (the form's own), the EKD
// panel's temperature scale and carbon axis, the time axis, then the steel corner's lines on the
// panel's own scale and its texts, the texts of the EKD panel moved from kEkdLinks to the layout's
// EkdLinks.
void drawScalesAndSteelCorner(TCanvas& c, const ztaztu::DiagramLayout& l, std::span<const ColoredText> ztaScale);
// Steps 1 to 6: the background, both panels framed and gridded, then the scales and the steel
// corner as above.
void drawPanelsAndSteelCorner(
    TCanvas& c, const ztaztu::DiagramLayout& l, int width, int height, std::span<const ColoredText> ztaScale);

// --- Texts -----------------------------------------------------------------------------------

// How a text is written: white on black names a region by its lines, black on yellow (or the
// dark pen's colour on yellow at the lines' ends) says what structure is there, white on green
// or red labels a run.
enum class Look { WhiteOnBlack, BlackOnYellow, DarkOnYellow, WhiteOnGreen, WhiteOnRed };

// A text at (X + dx, Y + dy) of the point it belongs to (a run's end, or the origin for a
// picture's texts), in its look; `height` sets the font height first (0 keeps it).
struct Label {
    int dx;
    int dy;
    const char* text;
    Look look;
    int height = 0;
};

TPoint labelAt(const Label& label, int x, float y);
void drawLabel(TCanvas& c, const Label& label, int x, float y);
void drawLabels(TCanvas& c, std::span<const Label> labels, int x = 0, float y = 0);

// --- Micrographs -----------------------------------------------------------------------------

// A micrograph on PaintBoxHaupt with its texts, drawn at the tick whose KurveX is `atX`; the
// frames of the lesson's image list follow one another from 0.
struct Micrograph {
    int atX;
    TPoint at;
    std::span<const Label> texts;
};

// The micrograph of the run's position, if one belongs there: frame BildNr, then BildNr + 1.
// The first micrograph starts the count again.
void drawMicrographAt(TCanvas& haupt, TImageList& list, std::span<const Micrograph> pictures, int kurveX, int& bildNr);
// All micrographs at once, counting from frame 0.
void drawMicrographs(TCanvas& haupt, TImageList& list, std::span<const Micrograph> pictures, int& bildNr);

// --- Dots where a run crosses a line ---------------------------------------------------------

// A dot chosen by the run's y rather than its x: drawn on every tick whose KurveY lies strictly
// between `above` and `below`, in the box (X + dx1, Y + dy1, X + dx2, Y + dy2), rounded.
struct BandMarker {
    float above;
    float below;
    int dx1;
    int dy1;
    int dx2;
    int dy2;
    TColor fill;
};

// A dot as drawn: its box and fill.
struct Dot {
    Box box;
    TColor fill;
};

// The dots with a thin blue pen.
void drawDots(TCanvas& log, std::span<const Dot> dots);

// --- Heating curves --------------------------------------------------------------------------

// A heating curve at a constant rate, T = T0 + v·t against the logarithmic time axis:
// KurveY = H − inset − K · 10^((KurveX − a) / 54), drawn from the overlay's bottom-left corner
// `step` pixels a tick while KurveX < limit, with its dots and, at its end, its label.
struct HeatingCurve {
    double inset;
    double K;
    int a;
    int step;
    int limit;
    std::span<const RunMarker> markersAtX {};
    std::span<const BandMarker> markersInBand {};
    Label label {};
};

constexpr int kMaxDots = 3;

// What one tick draws, computed before anything is drawn.
struct CurveTick {
    bool draws = false;
    TPoint to {};
    Dot dots[kMaxDots] {};
    int dotCount = 0;
    bool ended = false;
};

// A heating curve's y at run position x on an overlay `logHeight` high.
double heatingY(const HeatingCurve& curve, int x, int logHeight);
// One tick: KurveY from the time scale, the line and KurveX + step while left of the limit, then
// the dots (by the new KurveX, or by KurveY) and the end test, KurveX ≥ limit.
CurveTick heatingTick(const HeatingCurve& curve, int& kurveX, float& kurveY, int logHeight);
// Draws the tick with a green pen of width 2, the dots, and at the end the label.
void drawHeatingTick(TCanvas& log, const HeatingCurve& curve, const CurveTick& tick, int kurveX, float kurveY);

// The curve of a rate the student typed, in °C/min: KurveY = H − 1 − (v · 0.38 / 60) ·
// 10^((KurveX − 53) / 54), 3 pixels a tick while left of the overlay's right edge. It ends at
// that edge or once it has climbed above `endAbove`; its label is "v =", a gap and "°C/min",
// with the typed text written into the gap.
struct TypedCurve {
    float endAbove;
    Label label;
    TPoint typedText; // where the typed text goes, from the run's end
};

double typedY(double rate, int x, int logHeight);
CurveTick typedTick(const TypedCurve& curve, double rate, int& kurveX, float& kurveY, int logWidth, int logHeight);
void drawTypedTick(
    TCanvas& log, const TypedCurve& curve, const QString& typed, const CurveTick& tick, int kurveX, float kurveY);

// --- Boundary lines --------------------------------------------------------------------------

// A boundary line of the continuous diagram, the steel's ZTA line drawn right to left on the
// overlay, which starts at the panel's top: 3 pixels a tick from `startX` while KurveX > 40. It
// ends once KurveX ≤ endAt, with its labels. The lessons' tables leave the parabola to the steel.
struct BoundaryLine {
    model::LogTimeParabola parabola;
    TColor pen;
    int width;
    int startX;
    int endAt;
    std::span<const Label> labels;
};
constexpr model::LogTimeParabola kFromSteel {};
// The lesson's lines with the parabolas of the steel's ZTA lines, in the same order.
std::vector<BoundaryLine> withParabolas(
    std::span<const BoundaryLine> lines, std::span<const model::AustenitisingLine> steel);

// The line's y at overlay column x: its temperature at the column's time, on the panel's scale.
double boundaryY(const BoundaryLine& line, int x, const ztaztu::DiagramLayout& l);
// Where the line starts: its start column at its own y, rounded.
TPoint boundaryStart(const BoundaryLine& line, const ztaztu::DiagramLayout& l);
CurveTick boundaryTick(const BoundaryLine& line, int& kurveX, float& kurveY, const ztaztu::DiagramLayout& l);
void drawBoundaryTick(TCanvas& log, const BoundaryLine& line, const CurveTick& tick, int kurveX, float kurveY);

// --- Lines of the isothermal diagram -----------------------------------------------------------

// How the isothermal lesson draws one of the steel's ZTA lines on PaintBoxHaupt: its head as a
// polyline, then from `from`, the lesson's own point where the parabola sets in, the parabola
// per pixel column firstX … lastX, each y in single precision and rounded, then its tail.
struct StaticLine {
    TColor color;
    int width;
    TPoint from;
    int firstX;
    int lastX;
};

// The parabola's y at column x of PaintBoxHaupt.
int staticLineY(const model::AustenitisingLine& line, const ztaztu::DiagramLayout& l, int x);
void drawStaticLine(
    TCanvas& c, const ztaztu::DiagramLayout& l, const model::AustenitisingLine& line, const StaticLine& how);

// --- Isotherms -------------------------------------------------------------------------------

// An isotherm of the isothermal diagram: fast heating drawn as a vertical line from the
// overlay's bottom-left corner up to its temperature, u temperature rows below the panel's top,
// then the holding line growing 3 pixels a tick while KurveX < drawnWhile. It ends once
// KurveX ≥ endAt, with its label.
struct Isotherm {
    double rows;
    int drawnWhile;
    int endAt;
    std::span<const RunMarker> markers;
    Label label;
};

// The isotherm's y on the overlay: ZtuUnten − ZtuOben − Round(ZtuZeile · u).
float isothermY(const Isotherm& isotherm, const ztaztu::DiagramLayout& layout);
CurveTick isothermTick(const Isotherm& isotherm, const ztaztu::DiagramLayout& layout, int& kurveX, float& kurveY);
// Draws the tick with a red pen of width 2, the dots, and at the end the label.
void drawIsothermTick(TCanvas& log, const Isotherm& isotherm, const CurveTick& tick, int kurveX, float kurveY);

} // namespace wb::zta
