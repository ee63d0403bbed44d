// A text card: the page of the general text pages, a rectangle in a thin frame with rows of
// text at fixed positions, where a row may repeat words of an earlier row in another colour to
// emphasise them.
#pragma once

#include "Canvas.h"
#include "Controls.h"

#include <QRect>
#include <cstddef>
#include <span>

namespace wb {

// One row of a card: the text cell's top-left and its font colour. An emphasis row repeats
// words of the row drawn before it at the same y; it is drawn where those words stand in that
// row with the card's font, so that it covers them whatever the widths of the face. Its x is
// the place the page was laid out for and is kept only to compare the row with the page.
struct CardRow {
    int x = 0;
    int y = 0;
    const char* text = nullptr;
    TColor color = clBlack;
    bool emphasis = false;
};

struct TextCard {
    int width = 0;
    int height = 0;
    TColor color = clWhite; // the page
    int fontHeight = 0;
    std::span<const CardRow> rows;
};

// Where a card of this size lies on an 800 × 600 page form: centred in the 790 × 530 area
// above the status bar, left (790 − width) div 2 and top (530 − height) div 2.
QRect cardBounds(int width, int height);

// True when, for every emphasis row, the latest plain row before it at the same y contains
// its words; the pages check their tables with it at compile time.
constexpr bool emphasisRowsMatch(std::span<const CardRow> rows);

// The x at which rows[index] is drawn, with the canvas's font: its own x, or for an emphasis
// row the x of the latest plain row before it at the same y plus the width of the text in
// front of the repeated words.
int cardRowX(const TCanvas& c, std::span<const CardRow> rows, std::size_t index);

// Draws the card: Rectangle(0, 0, width, height) filled with the page colour and outlined
// with the pen in force, then every row in its order at the card's font height. The brush
// stays solid, so each text cell is filled with the page colour first.
void drawTextCard(TCanvas& c, const TextCard& card);

// What a page form does at every paint: places the image at cardBounds and draws the card into
// the image's own picture, where it stays between paints.
void showTextCard(TImage& image, const TextCard& card);

// --- Implementation of the compile-time check --------------------------------------------

namespace textcard_detail {

constexpr bool contains(const char* text, const char* words)
{
    for (; *text; ++text) {
        const char* t = text;
        const char* w = words;
        while (*w && *t == *w) {
            ++t;
            ++w;
        }
        if (!*w)
            return true;
    }
    return !*words;
}

} // namespace textcard_detail

constexpr bool emphasisRowsMatch(std::span<const CardRow> rows)
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (!rows[i].emphasis)
            continue;
        const CardRow* line = nullptr;
        for (std::size_t j = i; j-- > 0 && !line;) {
            if (rows[j].y == rows[i].y && !rows[j].emphasis)
                line = &rows[j];
        }
        if (!line || !textcard_detail::contains(line->text, rows[i].text))
            return false;
    }
    return true;
}

} // namespace wb
