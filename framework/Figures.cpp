// The small figures lessons keep in their tables, and their draw calls.
#include "Figures.h"

#include "Fonts.h"
#include "Texts.h"

namespace wb {

QString withMargin(const QString& text, Padding pad)
{
    if (pad == Padding {})
        return text;
    return QString(pad.left, QLatin1Char(' ')) + text + QString(pad.right, QLatin1Char(' '));
}

int paddedTextWidth(const ResolvedFont& font, const QString& text, Padding pad)
{
    return fonts::textWidth(font, withMargin(text, pad));
}

void textOutPadded(TCanvas& c, int x, int y, const QString& text, Padding pad)
{
    // The margin's blanks are laid out in one run with the text: the faces place their glyphs at
    // fractional advances, so a box of the blanks' width beside a text drawn on its own would
    // move bold letters by a pixel.
    c.TextOut(x, y, withMargin(texts::shown(text), pad));
}

void draw(TCanvas& c, const TextAt& t)
{
    if (t.text)
        textOutPadded(c, t.x, t.y, texts::shown(t.text), t.pad);
}

void draw(TCanvas& c, const ColoredText& t)
{
    c.Font.SetColor(t.color);
    draw(c, TextAt { t.x, t.y, t.text, t.pad });
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
