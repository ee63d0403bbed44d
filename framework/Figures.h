// The small figures lessons keep in their tables beside the code that draws them: a text at a
// point, a coloured text, a line, a polyline and a box, each drawn by one call with the canvas
// settings in force.
#pragma once

#include "Canvas.h"

#include <span>

namespace wb {

// A text cell with its top-left at (x, y). Texts are UTF-8 literals, letter for letter with their
// blanks; a null text is an empty slot of a table row and draws nothing.
struct TextAt {
    int x = 0;
    int y = 0;
    const char* text = nullptr;
};

// A text in its own font colour.
struct ColoredText {
    int x = 0;
    int y = 0;
    const char* text = nullptr;
    TColor color = clBlack;
};

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
