// The isothermal ZTU diagrams: the frame they share with the continuous diagram at 0.70 % C (layout,
// axes and EKD corner with the time panel at x = 400) and the isotherm runs drawn on its overlay.
// Each form calls these with its own curves, markers and labels.
#pragma once

#include "diagrams/ZtaZtuDiagram.h"

#include <array>
#include <span>

namespace wb::ztuiso {

// --- The frame -------------------------------------------------------------------------------

// The EKD corner from x = 50 to W − 390 and the ZTU panel from x = 400 to W − 22, both from 0 °C
// at y = H − 70 up to 1200 °C in six rows.
const ztaztu::LayoutRule& layoutRule();
// The isothermal forms' overlay starts 1.95 rows below the panel's top (about 815 °C) and reaches
// 20 pixels right of its frame.
const ztaztu::OverlayRule& overlayRule();

// The frame's tables: the axis labels (step 4) and the labels of the EKD lines (step 6); the lines
// themselves (step 5) are the steel corner on the EKD panel.
std::span<const ColoredText> axisLabels();
std::span<const TextAt> ekdLabels();

// Steps 1 to 6 of the static picture: background, frames, grids, axis labels, EKD lines and labels.
// The form goes on with its own ZTU curves, labels, steel box and markings.
void drawFrame(TCanvas& c, const ztaztu::DiagramLayout& l, int width, int height);

// --- Isotherm runs ---------------------------------------------------------------------------

// The row of the overlay an isotherm at `celsius` is drawn on, in the lessons' layout of
// PaintBoxHaupt's 750 × 500 pixels.
int isothermRow(double celsius);

// How the quench line meets the isotherm: form A steps right first and draws its arrowhead from
// the knee point with strokes as long as the drop; form B first draws the quench line down to the
// knee, then steps right and draws strokes of 13 pixels.
enum class Knee { A, B };

// One isotherm run. Each tick KurveY := 25 · KurveX; while KurveX < n the quench line falls 25
// pixels per pixel to the right; at KurveX = n the knee drops `drop` pixels further with an
// arrowhead pointing down; beyond it each tick puts one dot of the isotherm at y = isothermY.
struct IsothermRun {
    int n;
    int drop;
    Knee knee;
    int isothermY;
    std::span<const ztaztu::RunMarker> markers; // blue outline, width 1, at X = KurveX, Y = KurveY
    int endX; // the run ends in the tick that leaves KurveX at this value
    std::span<const ztaztu::RunLabel> labels; // white on red, at (X + dx, Y + dy)
};

// A MoveTo or LineTo of the pen on the overlay.
struct PenStep {
    bool draws; // LineTo; else MoveTo
    TPoint to;
    bool operator==(const PenStep&) const = default;
};

// What one tick draws, computed before anything is drawn.
struct IsothermTick {
    static constexpr int kMaxSteps = 8; // a quench line, the knee of form B, an isotherm dot
    PenStep steps[kMaxSteps];
    int stepCount = 0;
    const ztaztu::RunMarker* marker = nullptr;
    Box markerBox {};
    bool ended = false;
};

// Advances an isotherm run by one tick: the quench, knee and isotherm phases one after the
// other (each sees the KurveX the phase before it left), then the marker and the end test.
IsothermTick isothermTick(const IsothermRun& run, int& kurveX, float& kurveY);
// Draws the tick on the overlay: the pen steps red with width 2 and a font 12 pixels high, the
// marker with the thin blue pen; at the end an arrowhead pointing right and the labels, white on
// the red brush.
void drawIsothermTick(TCanvas& log, const IsothermRun& run, const IsothermTick& tick, int kurveX, float kurveY);

// --- One isothermal lesson ------------------------------------------------------------------

// The four isotherms of the menu bar, left to right.
enum class Isotherm { T20, T330, T530, T670 };
constexpr int kIsotherms = 4;

// A lesson's tables leave the isotherms' rows to the steel: this puts each run on the row of the
// steel's hold, coldest first.
constexpr int kRowFromSteel = 0;
std::array<IsothermRun, kIsotherms> onHoldRows(std::span<const IsothermRun> runs, const model::LessonSteel& steel);

// What one isothermal lesson puts on the frame and the overlay.
struct IsoLesson {
    std::span<const IsothermRun> runs; // in the order of Isotherm
    std::span<const model::TransformationLine> lines; // step 7: the steel's lines from the model
    size_t linesBeforeLabels; // the rest are drawn after the labels, with the same pen
    std::span<const TextAt> curveLabels; // step 8
    ztaztu::SteelBox steelBox; // step 9
    std::span<const Segment> purpleGapLines; // step 10
    std::span<const ztaztu::Marking> markings;
    std::span<const char* const> memoErlaeuterung;
};

// The static picture: the frame, then the lesson's curves, labels, steel box and markings.
void drawPicture(TCanvas& c, const ztaztu::DiagramLayout& l, int width, int height, const IsoLesson& lesson);

} // namespace wb::ztuiso
