// What the iron–carbon explorer draws: the chapter's diagram at two thirds of its size with a strip
// for room temperature under it, the point and its tie line, the shares of phases and constituents
// over the whole carbon range at the point's temperature, and the cooling curve of the alloy.
#pragma once

#include "diagrams/IronCarbonScale.h"
#include "framework/Canvas.h"
#include "model/IronCarbon.h"

#include <optional>

namespace wb::ekderkunden {

namespace mek = model::ekd;

// --- The diagram -----------------------------------------------------------------------------

// The chapter's diagram scaled by two thirds: its scale, its named rows and its points placed
// apart, each taken that much nearer to the field's top-left corner.
inline constexpr double kMassstab = 0.66;
inline constexpr int kFeldLinks = 50; // 0 % C
inline constexpr int kFeldOben = 10; // 1600 °C
const ekd::Projection& explorerProjection();
int fieldRight(); // 6.67 % C
int fieldBottom(); // 500 °C
// Room temperature: a strip of its own under the field, below a break in the temperature axis.
int stripTop();
int stripBottom(); // exclusive
int stripRow(); // where a point at room temperature is drawn

// The point under a pixel of the diagram (carbon to a hundredth of a per cent, temperature to a
// degree): on the field, or room temperature on the strip; nothing elsewhere.
std::optional<mek::State> pointAt(int x, int y);
// The carbon content of a column of the field (to a hundredth), nothing beside it.
std::optional<double> carbonAtColumn(int x);
// Where a point is drawn: on the field from 500 °C up, on the strip below.
TPoint pixelAt(mek::State s);

// The picture: the background and field of the chapter's diagram in the system's view, its lines
// through the explorer's projection, the strip, axes, letters and named temperatures, and the
// chosen alloy as a dotted vertical.
void drawDiagram(TCanvas& c, int width, int height, mek::System s, double legierung);

// The marks that move with the point, drawn NOT-XOR (drawn twice they are gone): a small square
// at the point and the tie line through it, its ends on the drawn boundaries (a graphite end, at
// 100 % C far beyond the field, cut at the field's edge with an arrow).
struct Marks {
    TPoint point;
    bool tie = false;
    TPoint lean;
    TPoint rich;
    bool richCut = false;
    bool operator==(const Marks&) const = default;
};
Marks marksAt(mek::System s, double carbon, mek::CoolingMoment m);
void toggleMarks(TCanvas& c, const Marks& m);

// --- The shares over the carbon range --------------------------------------------------------

// Two bands of stacked columns, one per pixel of the field's width: phase shares above,
// constituent shares below, 100 % the band's height, each area named where its name fits.
void drawShares(TCanvas& c, int width, int height, mek::System s, double celsius);
// The column of a carbon content across both bands, NOT-XOR.
void toggleShareMarker(TCanvas& c, int height, double carbon);
// The bands' rows: the top and bottom (exclusive) of the bars of band 0 (phases) and 1.
int bandTop(int band);
int bandBottom(int band);

// --- The cooling curve -----------------------------------------------------------------------

// Temperature over time, from 1600 °C to room temperature over the run's duration: the alloy's
// whole curve thin, the part a run has covered (`runSeconds`, 0 before a run) thick and red, the
// temperatures of its arrests written beside them.
void drawCoolingCurve(TCanvas& c, int width, int height, const mek::CoolingCurve& curve, double runSeconds);
// The run's part from one moment to a later one, as drawCoolingCurve draws it.
void drawRunPart(TCanvas& c, int width, int height, const mek::CoolingCurve& curve, double from, double to);
// The temperature's row across the plot, NOT-XOR.
void toggleCurveMarker(TCanvas& c, int width, int height, double celsius);
// The plot's pixel for a moment of the curve.
TPoint curvePixel(int width, int height, const mek::CoolingCurve& curve, double seconds, double celsius);

} // namespace wb::ekderkunden
