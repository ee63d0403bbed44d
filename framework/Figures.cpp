// The small figures lessons keep in their tables, and their draw calls.
#include "Figures.h"

namespace wb {

void draw(TCanvas& c, const TextAt& t)
{
    if (t.text)
        c.TextOut(t.x, t.y, QString::fromUtf8(t.text));
}

void draw(TCanvas& c, const ColoredText& t)
{
    c.Font.SetColor(t.color);
    draw(c, TextAt { t.x, t.y, t.text });
}

void draw(TCanvas& c, const Segment& s)
{
    c.MoveTo(s.from.X, s.from.Y);
    c.LineTo(s.to.X, s.to.Y);
}

void draw(TCanvas& c, const Polyline& p)
{
    if (p.points.empty())
        return;
    c.MoveTo(p.points.front().X, p.points.front().Y);
    for (const TPoint& pt : p.points.subspan(1))
        c.LineTo(pt.X, pt.Y);
}

void draw(TCanvas& c, const Box& b)
{
    c.Rectangle(b.x1, b.y1, b.x2, b.y2);
}

} // namespace wb
