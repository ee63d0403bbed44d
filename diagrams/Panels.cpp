// The background bands, panels and grids of the time–temperature and heat-treatment diagrams.
#include "diagrams/Panels.h"

namespace wb::diagrams {

void drawBands(TCanvas& c, int width, std::span<const Bands> bands)
{
    c.Pen.SetStyle(psSolid);
    c.Pen.SetWidth(2);
    for (const Bands& b : bands) {
        for (int y = b.fromY; y <= b.toY; ++y) {
            c.Pen.SetColor(b.color(y));
            draw(c, Segment { { kBandLeft, y }, { width, y } });
        }
    }
}

void drawPanel(TCanvas& c, const Box& frame)
{
    c.Pen.SetColor(kDunkel);
    c.Pen.SetWidth(2);
    c.Brush.SetColor(kPanelGold);
    draw(c, frame);
}

void drawGrid(TCanvas& c, const Grid& grid)
{
    c.Brush.SetStyle(bsClear);
    c.Pen.SetWidth(1);
    c.Pen.SetStyle(psDot);
    const Box& f = grid.frame;
    for (int k = 1; k < grid.rows; ++k) {
        const int y = Round(f.y2 - grid.rowStep * k);
        draw(c, Segment { { f.x1, y }, { f.x2, y } });
    }
    for (int k = grid.firstColumn; k < grid.columns; ++k) {
        const int x = Round(f.x1 + grid.columnStep * k);
        draw(c, Segment { { x, f.y1 }, { x, f.y2 } });
    }
}

} // namespace wb::diagrams
