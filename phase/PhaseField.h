// The field the binary phase diagrams are drawn in: 0 … 100 % B along x = 20 … 480 and the
// temperature from y = 20 (hot) down to 370, filled with colour bands from yellow through red
// to dark red, and the diagrams of the model projected into it.
#pragma once

#include "framework/Canvas.h"
#include "framework/Controls.h"
#include "framework/Figures.h"
#include "framework/Forms.h"
#include "model/PhaseTypes.h"

#include <span>

namespace wb::phasefield {

constexpr int kLinks = 20;
constexpr int kOben = 20;
constexpr int kRechts = 480;
constexpr int kUnten = 370;

// The band colour of row y: yellow for 20 … 70, then red 255 with green 325 − y running out
// down to 325, then red 905 − 2·y darkening to the bottom. Rows 70 and 325 belong to two bands
// and have the same colour in both.
TColor bandColor(int y);

// One line per row from x = 20 towards 480 (the end point stays untouched) with a 1-pixel
// pen in the row's band colour; the pen keeps the last colour and width 1.
void drawBands(TCanvas& c);

// A diagram of the model shown in the field: 0 … 100 % B along x = 20 … 480 (4.6 pixels per
// percent), the diagram's temperatures from tTop at y = 20 down to tBottom at y = 370.
struct Projection {
    double tBottom;
    double tTop;

    double x(double w) const { return kLinks + 4.6 * w; }
    double y(double t) const { return kOben + (tTop - t) * (kUnten - kOben) / (tTop - tBottom); }
    double composition(double x) const { return (x - kLinks) / 4.6; }
    double temperature(double y) const { return tTop - (y - kOben) * (tTop - tBottom) / (kUnten - kOben); }
    // The pixel of a composition or a temperature, rounded as every coordinate of the diagrams:
    // stored in single precision, then to the nearest whole pixel, halves to even.
    int pixelX(double w) const { return RoundSingle(x(w)); }
    int pixelY(double t) const { return RoundSingle(y(t)); }
    // The row of `curve` at column x: the curve's temperature at the column's composition.
    int curveY(const model::Curve& curve, int x) const { return pixelY(curve.temperatureAt(composition(x))); }
    // The line at temperature t from composition wFrom to wTo.
    Segment line(double t, double wFrom, double wTo) const
    {
        return { { pixelX(wFrom), pixelY(t) }, { pixelX(wTo), pixelY(t) } };
    }
};
constexpr Projection projectionOf(const model::PhaseDiagram& d)
{
    return { d.tBottom, d.tTop };
}

// A curve of a diagram: MoveTo its start, then LineTo (x, curve's row at x) for x = fromX … toX
// with the pen in force. The start is where the curve was meant to begin and need not lie on
// the curve.
struct Branch {
    TPoint start;
    const model::Curve* curve;
    int fromX;
    int toX;
};
void drawBranch(TCanvas& c, const Projection& p, const Branch& b);

// --- The static diagrams of types 5 and 6, on a 500 × 450 paint box ---------------------

constexpr TColor kUmfeld = RGB(0xA6, 0xA6, 0xFF); // around the field
constexpr TColor kLinie = RGB(0x01, 0x00, 0x00); // the diagram lines

// The ground of a diagram box of the given size: Rectangle(0, 0, breite, hoehe) in the
// surrounding blue with a white pen, the field Rectangle(20, 20, feldRechts, 370) in white with
// the given pen colour (the pen width is the one in force), then the colour bands. The brush is
// left clear for the texts, the pen solid.
void drawGround(TCanvas& c, int breite, int hoehe, TColor fieldPen = clWhite, int feldRechts = kRechts + 1);

// The axis titles, the components A and B and the concentration scale, with the font in force.
void drawAxisTexts(TCanvas& c);

// The explanation beside the diagram: pink, read-only, long lines run on to a horizontal
// scroll bar.
void setUpMemo(TMemo& memo);

// What both pages redo at every repaint: the diagram at (270, 30), 500 × 450; the form
// canvas's pen 2 pixels black and its font height 10 black; the memo to the left of the
// diagram, 2 pixels higher at both ends, cleared and refilled with its text in the form's font
// at height 18 (so its scroll position is lost).
void layoutDiagramPage(TForm& form, TPaintBox& diagram, TMemo& memo, std::span<const char* const> text);

} // namespace wb::phasefield
