// A text card: the page of the general text pages, a rectangle in a thin frame with rows of
// text at fixed positions, where words of a row may be emphasised in another colour.
#pragma once

#include "Canvas.h"
#include "Controls.h"

#include <QRect>
#include <QString>
#include <span>
#include <utility>
#include <vector>

namespace wb {

// One row of a card: the text cell's top-left, its text (a UTF-8 literal, marked for
// translation) and its font colour. Words between <em> and </em> are emphasised: drawn in the
// card's emphasis colour where they stand in the row, so a translation marks its own words.
struct CardRow {
    int x = 0;
    int y = 0;
    const char* text = nullptr;
    TColor color = clBlack;
};

struct TextCard {
    int width = 0;
    int height = 0;
    TColor color = clWhite; // the page
    int fontHeight = 0;
    std::span<const CardRow> rows;
    TColor emphasis = clBlue;
};

// A row's text as it is shown, and its emphasised spans (start and length in `shown`).
struct EmphasisedText {
    QString shown;
    std::vector<std::pair<qsizetype, qsizetype>> spans;
};
// Takes the <em> and </em> marks out of a text. A mark left open emphasises to the end.
EmphasisedText splitEmphasis(const QString& text);

// Where a card of this size lies on an 800 × 600 page form: centred in the 790 × 530 area
// above the status bar, left (790 − width) div 2 and top (530 − height) div 2.
QRect cardBounds(int width, int height);

// Draws one row at the canvas's font: the whole row in its colour, then each emphasised span
// again in `emphasis` at the place its words stand in the row (its cell filled first, so the
// span covers the plain words).
void drawCardRow(TCanvas& c, const CardRow& row, TColor emphasis);

// Draws the card: Rectangle(0, 0, width, height) filled with the page colour and outlined
// with the pen in force, then every row in its order at the card's font height. The brush
// stays solid, so each text cell is filled with the page colour first.
void drawTextCard(TCanvas& c, const TextCard& card);

// What a page form does at every paint: places the image at cardBounds and draws the card into
// the image's own picture, where it stays between paints.
void showTextCard(TImage& image, const TextCard& card);

} // namespace wb
