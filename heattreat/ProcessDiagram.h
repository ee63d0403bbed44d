// The temperature–time process diagram and the schematic ZTU diagram of the heat-treatment
// lessons: their geometry and their static picture, drawn by the lessons with their own data.
#pragma once

#include "framework/Canvas.h"
#include "model/LessonSteels.h"

#include <QPoint>
#include <QRect>
#include <span>
#include <vector>

namespace wb::processdiagram {

// The temperature axis is divided into six steps of 200 °C, from 0 at the bottom edge upwards.
constexpr int kTemperatureSteps = 6;
constexpr double kDegreesPerStep = 200.0;

// A diagram frame and its grid steps. The steps come from truncating integer division, so the
// last grid line need not meet the far edge (46 · 6 = 276 of 280 pixels).
struct Frame {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int columns = 0; // time steps: the grid's verticals stand at left + k · dx, k = 0 … columns − 1
    int dx = 0; // ProzDx, ZtuDx: (right − left) div columns
    int dy = 0; // ProzDy, ZtuDy: (bottom − top) div 6
    bool operator==(const Frame&) const = default;
};

// A frame from its corners and its number of time steps.
Frame makeFrame(int left, int top, int right, int bottom, int columns);

// The two diagrams side by side in a paint box of width × height: the process diagram from
// (40, 20) to (width − 350, height − 200) in nine time steps, the ZTU diagram from (440, 20) to
// (width − 10, height − 200) in six decades of time. All zero until a paint computes it.
struct Layout {
    Frame prozess;
    Frame ztu;
    bool operator==(const Layout&) const = default;
};
Layout sideBySide(int width, int height);

// y of a temperature (°C) on a frame's scale: bottom − dy · T / 200.
double temperatureY(const Frame& frame, double celsius);
// x of a time (seconds) on the ZTU diagram's logarithmic axis: left + dx · (lg t + 1), so the
// axis starts at 0.1 s.
double ztuTimeX(const Frame& ztu, double seconds);
double ztuTimeXAt(const Frame& ztu, double lgSeconds);
// A point of a time–temperature diagram of the model on the ZTU diagram, rounded to a pixel.
TPoint ztuPoint(const Frame& ztu, const model::TimeTemperature& p);
// A line of C45's continuous ZTU diagram as this diagram draws it.
std::vector<TPoint> ztuLine(const Frame& ztu, const model::TransformationLine& line);

// Where the drawing surface of the ZTU cooling curves lies on the form when the diagram's paint
// box has its top-left at `paintBoxOrigin`: from the ZTU diagram's left edge, starting at 1.95
// temperature steps below its top (about 826 °C) and ending 1.7 steps above its bottom.
QRect ztuCurveBounds(const Frame& ztu, QPoint paintBoxOrigin);

// The background's colour bands: row y ≤ 100 runs from yellow to orange (R 255, G 255 − 2y),
// below it red fades to black (R 355 − y while that is positive).
TColor warmBandColor(int y);
TColor glowBandColor(int y);

// --- The static picture, step by step -------------------------------------------------------
// Each step sets what it names of pen, brush and font and leaves the rest as it finds it: the
// canvas settings carry over from step to step, as the lessons rely on.

// Step 1: horizontal lines of width 2 from x = 4 to `width`, one per row 0 … height.
void drawBackground(TCanvas& canvas, int width, int height);
// Step 2: the frame, outlined with pen #010000 of width 2 and filled gold (#FFD700).
void drawFrame(TCanvas& canvas, const Frame& frame);
// Step 3: the dotted grid (pen width 1, psDot, brush clear) in the pen colour in force:
// horizontals at bottom − k · dy for k = 1 … 5, verticals at left + k · dx.
void drawGrid(TCanvas& canvas, const Frame& frame);
// The temperature labels of a process diagram whose frame starts at x = 40, moved right by
// shiftX: "Temperatur/°C", "1200" and "1000" in black, " 800" … " 200" in white, transparent.
void drawTemperatureLabels(TCanvas& canvas, int shiftX);
// "Zeit " in white and the white arrow under a process diagram whose frame ends at x = 420,
// moved right by shiftX; pen width 1 in the pen style in force.
void drawTimeArrow(TCanvas& canvas, int shiftX);
// The ZTU diagram's decades "10" with their exponents and "Zeit/sec", in white.
void drawZtuTimeLabels(TCanvas& canvas);
// The transformation lines of the ZTU diagram, C45's continuous lines from the model, as
// polylines through the frame's scales, pen width 2 in `pen`.
void drawZtuCurves(TCanvas& canvas, const Frame& ztu, TColor pen);
// The phase names in #020000, transparent; "Ferrit" at `ferrit`, the others at fixed places.
void drawZtuPhaseLabels(TCanvas& canvas, TPoint ferrit);
// The two title lines, white on #800080.
void drawZtuTitle(TCanvas& canvas);

// How one lesson's ZTU diagram differs from the others'.
struct ZtuLook {
    TColor curvePen; // colour of the transformation lines
    TPoint ferrit; // where "Ferrit" stands
};

// The whole picture of the side-by-side lessons, steps 1 to 8: background, both frames, both
// grids, the temperature labels, the time labels and arrow, the ZTU lines, phase names and title.
void drawSideBySide(TCanvas& canvas, const Layout& layout, int width, int height, const ZtuLook& look);

// --- The definition panel ---------------------------------------------------------------------

struct PanelLine {
    int y;
    const char* text; // UTF-8
};

// The blue panel quoting a standard's definition: white pen of width 1 and white font of cell
// height 18, a rectangle as large as the diagram (770 × 500) in the brush in force — the panel
// box cuts it, so only its left and top edges show — and the lines at x = textX.
void drawDefinitionPanel(TCanvas& canvas, int textX, std::span<const PanelLine> lines);

} // namespace wb::processdiagram
