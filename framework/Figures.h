// The small figures lessons keep in their tables beside the code that draws them: a text at a
// point, a coloured text, a line, a polyline and a box, each drawn by one call with the canvas
// settings in force.
#pragma once

#include "Canvas.h"
#include "Fonts.h"

#include <span>

namespace wb {

// A margin around a text, in blanks of the font in force: the text stands in a box that much
// wider on each side, filled like the text's cell. A table gives the word alone, so that a
// translation of it need not count blanks; the box gives the pixels the blanks gave.
struct Padding {
    int left = 0;
    int right = 0;
    bool operator==(const Padding&) const = default;
};
// One blank each side: the box most labels of the diagrams stand in.
inline constexpr Padding kBox { 1, 1 };

// A text cell with its top-left at (x, y), in a box of `pad` when given. Texts are UTF-8
// literals, marked for translation (WB_TR) or not, letter for letter; a null text is an empty slot
// of a table row and draws nothing.
struct TextAt {
    int x = 0;
    int y = 0;
    const char* text = nullptr;
    Padding pad {};
};

// A text in its own font colour.
struct ColoredText {
    int x = 0;
    int y = 0;
    const char* text = nullptr;
    TColor color = clBlack;
    Padding pad {};
};

// The text as it is laid out in its box: `pad` blanks of the font on either side, in one run with
// it.
QString withMargin(const QString& text, Padding pad);
// The width of a text in its box.
int paddedTextWidth(const ResolvedFont& font, const QString& text, Padding pad);
// TextOut in a box: a solid brush fills the box (the text's cell widened by the margin) and the
// text stands inside it; the position ends at the box's right edge. The pixels TextOut gave for
// the text with the blanks in it.
void textOutPadded(TCanvas& c, int x, int y, const QString& text, Padding pad);

// A line from `from` to `to`, drawn as MoveTo and LineTo: the end point stays untouched.
struct Segment {
    TPoint from;
    TPoint to;
};

// MoveTo the first point, LineTo through the rest.
struct Polyline {
    std::span<const TPoint> points;
};

// A box as Rectangle and Ellipse take it: it covers x1 … x2 − 1, y1 … y2 − 1.
struct Box {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    bool operator==(const Box&) const = default;
};

// TextOut with the font and brush in force.
void draw(TCanvas& c, const TextAt& t);
// Sets the font colour, then as a TextAt; the colour stays set.
void draw(TCanvas& c, const ColoredText& t);
// A line with the pen in force; the position ends at `to`.
void draw(TCanvas& c, const Segment& s);
void draw(TCanvas& c, const Polyline& p);
// Rectangle with the pen and brush in force.
void draw(TCanvas& c, const Box& b);

// Every figure of a table (an array or a span), in its order.
template <class Figures> void drawAll(TCanvas& c, const Figures& figures)
{
    for (const auto& f : figures)
        draw(c, f);
}

} // namespace wb
