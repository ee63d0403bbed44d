// The text card of the general pages: its framed page, where its rows stand, and emphasised
// words that cover the plain words they repeat.
#include "framework/TextCard.h"

#include "tests/support/Harness.h"

using namespace wb;
using wbtest::matchesRows;
using wbtest::PixelCanvas;

namespace {

constexpr TColor kPink = RGB(0xFF, 0xBF, 0xBF);

// clang-format off
constexpr CardRow kMatching[] = {
    { 4, 4, "Die thermische Analyse ist" },
    { 9, 4, "thermische Analyse ", clBlue, true },
};
constexpr CardRow kOtherY[] = {
    { 4, 4, "thermische Analyse" },
    { 4, 30, "Die Analyse" },
    { 9, 4, "Analyse", clBlue, true },
};
constexpr CardRow kWrongWords[] = {
    { 4, 4, "Die thermische Analyse ist" },
    { 9, 4, "Haltepunkte", clBlue, true },
};
constexpr CardRow kNoRowAtItsY[] = {
    { 4, 4, "Die thermische Analyse ist" },
    { 9, 24, "Analyse", clBlue, true },
};
constexpr CardRow kRowComesLater[] = {
    { 9, 4, "Analyse", clBlue, true },
    { 4, 4, "Die thermische Analyse ist" },
};
constexpr CardRow kOnlyEmphasisBefore[] = {
    { 4, 4, "Die thermische Analyse ist" },
    { 9, 4, "thermische Analyse", clBlue, true },
    { 9, 4, "Analyse", clRed, true },
};
// clang-format on

// The compile-time check the pages run on their tables.
static_assert(emphasisRowsMatch(kMatching));
static_assert(emphasisRowsMatch(kOtherY));
static_assert(!emphasisRowsMatch(kWrongWords));
static_assert(!emphasisRowsMatch(kNoRowAtItsY));
static_assert(!emphasisRowsMatch(kRowComesLater));
static_assert(
    emphasisRowsMatch(kOnlyEmphasisBefore), "an emphasis row refers to the plain row, not to another emphasis");

} // namespace

TEST(TextCard, BoundsAreCentredAboveTheStatusBarOfAnEightHundredPageForm)
{
    struct Case {
        int width, height;
        QRect bounds;
    };
    const Case cases[] = {
        { 750, 450, QRect(20, 40, 750, 450) }, // the phase, iron-carbon and definition pages
        { 750, 460, QRect(20, 35, 750, 460) }, // the time-dependent pages
        { 751, 451, QRect(19, 39, 751, 451) }, // 39 / 2 and 79 / 2 truncate
        { 800, 540, QRect(-5, -5, 800, 540) }, // wider than the area: -10 / 2 = -5
    };
    for (const Case& c : cases)
        EXPECT_EQ(cardBounds(c.width, c.height), c.bounds) << c.width << " x " << c.height;
}

TEST(TextCard, APinkPageInAThinFrameOfThePenInForce)
{
    PixelCanvas pc(9, 6);
    drawTextCard(pc.canvas, { .width = 7, .height = 5, .color = kPink, .fontHeight = 13, .rows = {} });
    EXPECT_TRUE(matchesRows(pc.image,
        {
            "#######..",
            "#ppppp#..",
            "#ppppp#..",
            "#ppppp#..",
            "#######..", // Rectangle covers 0 ... 6 and 0 ... 4
            ".........",
        },
        { { 'p', kPink } }));

    PixelCanvas red(9, 6);
    red.canvas.Pen.SetColor(clRed);
    drawTextCard(red.canvas, { .width = 4, .height = 3, .color = kPink, .fontHeight = 13, .rows = {} });
    EXPECT_TRUE(matchesRows(red.image, { "rrrr.....", "rppr.....", "rrrr.....", ".........", ".........", "........." },
        { { 'p', kPink }, { 'r', clRed } }));
}

TEST(TextCard, RowsStandAtTheirPlaceOnThePageColourInTheirOwnColours)
{
    // clang-format off
    constexpr CardRow rows[] = {
        { 10, 6, "Eisen", clBlack },
        { 60, 30, "Kohlenstoff", clRed },
    };
    // clang-format on
    PixelCanvas pc(140, 60);
    drawTextCard(pc.canvas, { .width = 130, .height = 55, .color = kPink, .fontHeight = 18, .rows = rows });
    const int cell = pc.canvas.TextHeight(QStringLiteral("Eisen"));
    ASSERT_GT(cell, 0);
    // Ink of each row only inside its own cell, in its colour; everything else inside the frame pink.
    struct Seen {
        int black = 0, red = 0;
    } seen;
    const QRect eisen(10, 6, pc.canvas.TextWidth(QStringLiteral("Eisen")), cell);
    const QRect kohlenstoff(60, 30, pc.canvas.TextWidth(QStringLiteral("Kohlenstoff")), cell);
    for (int y = 1; y < 54; ++y) {
        for (int x = 1; x < 129; ++x) {
            const TColor p = pc.at(x, y);
            if (p == kPink)
                continue;
            if (p == clBlack && eisen.contains(x, y))
                ++seen.black;
            else if (p == clRed && kohlenstoff.contains(x, y))
                ++seen.red;
            else
                ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << colorToHex(p).toStdString();
        }
    }
    EXPECT_GT(seen.black, 20);
    EXPECT_GT(seen.red, 20);
}

TEST(TextCard, AnEmphasisRowIsPlacedWhereItsWordsStandInTheRowAtItsY)
{
    PixelCanvas pc(10, 10);
    pc.canvas.Font.SetHeight(18);
    const int die = pc.canvas.TextWidth(QStringLiteral("Die "));
    ASSERT_GT(die, 10);
    EXPECT_EQ(cardRowX(pc.canvas, kMatching, 0), 4) << "a plain row keeps its x";
    EXPECT_EQ(cardRowX(pc.canvas, kMatching, 1), 4 + die) << "not at its nominal x = 9";
    EXPECT_EQ(cardRowX(pc.canvas, kOtherY, 2), 4 + pc.canvas.TextWidth(QStringLiteral("thermische ")))
        << "the row at its own y, not the later one with the same words";
    EXPECT_EQ(cardRowX(pc.canvas, kOnlyEmphasisBefore, 2), 4 + pc.canvas.TextWidth(QStringLiteral("Die thermische ")));
}

TEST(TextCard, EmphasisedWordsCoverThePlainWordsExactly)
{
    // At the font heights of the pages, the blue words lie pixel for pixel on the black ones:
    // where the plain card shows ink of the repeated words the emphasised card shows blue,
    // every other pixel is the same in both.
    for (const int height : { 13, 18, 24 }) {
        SCOPED_TRACE(height);
        PixelCanvas plain(420, 40);
        drawTextCard(plain.canvas,
            { .width = 420, .height = 40, .color = kPink, .fontHeight = height, .rows = std::span(kMatching, 1) });
        PixelCanvas emphasised(420, 40);
        drawTextCard(
            emphasised.canvas, { .width = 420, .height = 40, .color = kPink, .fontHeight = height, .rows = kMatching });

        const int x0 = cardRowX(emphasised.canvas, kMatching, 1);
        const int x1 = x0 + emphasised.canvas.TextWidth(QStringLiteral("thermische Analyse "));
        int blue = 0, blackBefore = 0, blackAfter = 0;
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 420; ++x) {
                const TColor p = plain.at(x, y);
                const TColor e = emphasised.at(x, y);
                const bool inWords = x >= x0 && x < x1 && y >= 4 && y < 4 + emphasised.canvas.TextHeight("A");
                if (inWords && p == clBlack) {
                    EXPECT_EQ(e, clBlue) << "(" << x << ", " << y << ")";
                    ++blue;
                } else {
                    EXPECT_EQ(e, p) << "(" << x << ", " << y << ")";
                    if (p == clBlack && y >= 4 && y < 40 && x > 1 && x < 419)
                        (x < x0 ? blackBefore : blackAfter) += 1;
                }
            }
        }
        EXPECT_GT(blue, 60) << "the repeated words are inked";
        EXPECT_GT(blackBefore, 10) << "\"Die\" stays black";
        EXPECT_GT(blackAfter, 10) << "\"ist\" stays black";
    }
}
