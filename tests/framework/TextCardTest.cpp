// The text card of the general pages: its framed page, where its rows stand, and emphasised
// words, marked inline, that cover the plain words where they stand in the row.
#include "framework/TextCard.h"

#include "tests/support/Harness.h"

using namespace wb;
using wbtest::matchesRows;
using wbtest::PixelCanvas;

namespace {

constexpr TColor kPink = RGB(0xFF, 0xBF, 0xBF);

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

TEST(TextCard, EmphasisMarksSplitIntoTheShownTextAndItsSpans)
{
    struct Case {
        const char* text;
        const char* shown;
        std::vector<std::pair<qsizetype, qsizetype>> spans;
    };
    const Case cases[] = {
        { "Die <em>thermische Analyse </em>ist", "Die thermische Analyse ist", { { 4, 19 } } },
        { "ohne Betonung", "ohne Betonung", {} },
        { "<em>A</em> und <em>B</em>", "A und B", { { 0, 1 }, { 6, 1 } } },
        { "bis zum <em>Ende", "bis zum Ende", { { 8, 4 } } }, // left open: to the end
        { "----->  <em></em>(ZTA)", "----->  (ZTA)", { { 8, 0 } } },
        { "", "", {} },
    };
    for (const Case& c : cases) {
        const EmphasisedText t = splitEmphasis(QString::fromUtf8(c.text));
        EXPECT_EQ(t.shown, QString::fromUtf8(c.shown)) << c.text;
        EXPECT_EQ(t.spans, c.spans) << c.text;
    }
}

TEST(TextCard, AMarkedRowGivesThePixelsOfTheRowWithItsWordsDrawnAgainInBlue)
{
    // As the pages were drawn before the marks: the whole line, then the words once more in blue
    // at the width of what stands before them, with the page's solid brush.
    for (const int height : { 13, 18, 24 }) {
        SCOPED_TRACE(height);
        const CardRow marked[] = { { 4, 4, "Die thermische <em>Analyse</em> ist <em>eine</em> Möglichkeit" } };
        PixelCanvas card(420, 40);
        drawTextCard(card.canvas, { .width = 420, .height = 40, .color = kPink, .fontHeight = height, .rows = marked });

        PixelCanvas before(420, 40);
        TCanvas& c = before.canvas;
        c.Brush.SetColor(kPink);
        c.Rectangle(0, 0, 420, 40);
        c.Font.SetHeight(height);
        const QString line = QStringLiteral("Die thermische Analyse ist eine Möglichkeit");
        c.Font.SetColor(clBlack);
        c.TextOut(4, 4, line);
        c.Font.SetColor(clBlue);
        c.TextOut(4 + c.TextWidth(QStringLiteral("Die thermische ")), 4, QStringLiteral("Analyse"));
        c.TextOut(4 + c.TextWidth(QStringLiteral("Die thermische Analyse ist ")), 4, QStringLiteral("eine"));
        EXPECT_EQ(card.image, before.image);
    }
}

TEST(TextCard, EmphasisedWordsCoverThePlainWordsExactly)
{
    // At the font heights of the pages, the blue words lie pixel for pixel on the black ones:
    // where the plain card shows ink of the marked words the emphasised card shows blue, every
    // other pixel is the same in both.
    const CardRow plainRow[] = { { 4, 4, "Die thermische Analyse ist" } };
    const CardRow markedRow[] = { { 4, 4, "Die <em>thermische Analyse </em>ist" } };
    for (const int height : { 13, 18, 24 }) {
        SCOPED_TRACE(height);
        PixelCanvas plain(420, 40);
        drawTextCard(
            plain.canvas, { .width = 420, .height = 40, .color = kPink, .fontHeight = height, .rows = plainRow });
        PixelCanvas emphasised(420, 40);
        drawTextCard(
            emphasised.canvas, { .width = 420, .height = 40, .color = kPink, .fontHeight = height, .rows = markedRow });

        const int x0 = 4 + emphasised.canvas.TextWidth(QStringLiteral("Die "));
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
        EXPECT_GT(blue, 60) << "the marked words are inked";
        EXPECT_GT(blackBefore, 10) << "\"Die\" stays black";
        EXPECT_GT(blackAfter, 10) << "\"ist\" stays black";
    }
}
