// What the diagrams of the time–temperature and heat-treatment lessons are drawn on: the
// background of colour bands, the gold panels with their dark frames and the dotted grids.
#pragma once

#include "framework/Canvas.h"
#include "framework/Figures.h"

#include <span>

namespace wb::diagrams {

// The pen of the frames and most diagram lines, and the fill of the panels.
constexpr TColor kDunkel = RGB(0x01, 0x00, 0x00);
constexpr TColor kPanelGold = RGB(0xFF, 0xD7, 0x00);

// The bands start a few pixels in from the paint box's left edge.
constexpr int kBandLeft = 4;

// Rows fromY … toY, each drawn in the colour `color` gives for its y.
struct Bands {
    int fromY;
    int toY;
    TColor (*color)(int y);
};

// One horizontal line per row with a solid pen of width 2, from x = 4 to `width`, band after
// band; a row that two bands share is drawn twice, the later band on top.
void drawBands(TCanvas& c, int width, std::span<const Bands> bands);

// A panel: outlined with the dark pen of width 2 and filled gold. The pen style stays as it is.
void drawPanel(TCanvas& c, const Box& frame);

// A dotted grid over a panel: horizontal lines at bottom − Round(k · rowStep) for k = 1 …
// rows − 1, across the panel, then vertical lines at left + Round(k · columnStep) for
// k = firstColumn … columns − 1, from top to bottom.
struct Grid {
    Box frame;
    int rows;
    double rowStep;
    int firstColumn;
    int columns;
    double columnStep;
};

// The grid with a dotted pen of width 1 in the pen colour in force, brush clear (the dots' gaps
// keep what lies under them).
void drawGrid(TCanvas& c, const Grid& grid);

} // namespace wb::diagrams
