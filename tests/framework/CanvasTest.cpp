// Pixel-exact behaviour of the drawing surface on tiny canvases.
#include "framework/Canvas.h"

#include "tests/support/Harness.h"

using namespace wb;
using wbtest::matchesRows;
using wbtest::PixelCanvas;

namespace {

// A canvas filled with a pattern of distinct colours, so that NOT-XOR restoring is checked
// against more than one background.
void fillPattern(PixelCanvas& pc)
{
    for (int y = 0; y < pc.image.height(); ++y)
        for (int x = 0; x < pc.image.width(); ++x)
            pc.image.setPixel(x, y, toPixel(RGB(x * 13 % 256, y * 29 % 256, (x * y * 7 + 40) % 256)));
}

} // namespace

TEST(Canvas, LineToExcludesTheEndPointAndMovesThePosition)
{
    PixelCanvas pc(8, 3);
    pc.canvas.MoveTo(1, 1);
    pc.canvas.LineTo(6, 1);
    EXPECT_TRUE(matchesRows(pc.image,
        {
            "........",
            ".#####..", // x = 6 is the end point: not drawn
            "........",
        }));
    EXPECT_EQ(pc.canvas.PenPos(), Point(6, 1));
}

TEST(Canvas, PolylineCoversEachSharedVertexOnce)
{
    // Drawn with NOT-XOR on white, a pixel hit twice would turn white again.
    PixelCanvas pc(6, 6);
    pc.canvas.Pen.SetMode(pmNotXor);
    pc.canvas.Pen.SetColor(clWhite); // NOT(white XOR white) = white... use black instead
    pc.canvas.Pen.SetColor(clBlack);
    pc.canvas.MoveTo(1, 1);
    pc.canvas.LineTo(4, 1);
    pc.canvas.LineTo(4, 4);
    pc.canvas.LineTo(1, 4);
    pc.canvas.LineTo(1, 1);
    // NOT(black XOR white) = NOT(white) = black: every pixel of the closed square once.
    EXPECT_TRUE(matchesRows(pc.image,
        {
            "......",
            ".####.",
            ".#..#.",
            ".#..#.",
            ".####.",
            "......",
        }));
}

TEST(Canvas, DiagonalAndSteepLinesStepOnePixelPerMajorStep)
{
    PixelCanvas pc(5, 5);
    pc.canvas.MoveTo(0, 0);
    pc.canvas.LineTo(4, 4);
    pc.canvas.MoveTo(4, 0);
    pc.canvas.LineTo(4, 3);
    EXPECT_TRUE(matchesRows(pc.image,
        {
            "#...#",
            ".#..#",
            "..#.#",
            "...#.",
            ".....",
        }));
}

TEST(Canvas, WidePenCoversOffsetsFromMinusHalfWidth)
{
    // Width 2: the row above the path and the path row; width 3: one row either side; the
    // ends are round, so the band reaches past both end points.
    struct Case {
        int width;
        std::vector<std::string> rows;
    };
    const Case cases[] = {
        { 2,
            {
                "..........",
                "..#####...",
                "..#####...",
                "..........",
                "..........",
            } },
        { 3,
            {
                "..........",
                "..######..",
                "..######..",
                "..######..",
                "..........",
            } },
    };
    for (const auto& c : cases) {
        PixelCanvas pc(10, 5);
        pc.canvas.Pen.SetWidth(c.width);
        pc.canvas.MoveTo(3, 2);
        pc.canvas.LineTo(6, 2);
        EXPECT_TRUE(matchesRows(pc.image, c.rows)) << "pen width " << c.width;
    }
}

TEST(Canvas, ZeroLengthWideLineIsARoundDot)
{
    PixelCanvas pc(9, 9);
    pc.canvas.Pen.SetWidth(5);
    pc.canvas.MoveTo(4, 4);
    pc.canvas.LineTo(4, 4);
    EXPECT_TRUE(matchesRows(pc.image,
        {
            ".........",
            ".........",
            "...###...",
            "..#####..",
            "..#####..",
            "..#####..",
            "...###...",
            ".........",
            ".........",
        }));
    // A 1-pixel pen draws nothing for a zero-length line.
    PixelCanvas thin(3, 3);
    thin.canvas.MoveTo(1, 1);
    thin.canvas.LineTo(1, 1);
    EXPECT_TRUE(matchesRows(thin.image, { "...", "...", "..." }));
}

TEST(Canvas, NotXorFigureDrawnTwiceRestoresEveryPixel)
{
    struct Figure {
        const char* name;
        std::function<void(TCanvas&)> draw;
    };
    const Figure figures[] = {
        { "thin line",
            [](TCanvas& c) {
                c.MoveTo(1, 2);
                c.LineTo(17, 11);
            } },
        { "line width 2",
            [](TCanvas& c) {
                c.Pen.SetWidth(2);
                c.MoveTo(2, 3);
                c.LineTo(15, 9);
            } },
        { "line width 3",
            [](TCanvas& c) {
                c.Pen.SetWidth(3);
                c.MoveTo(18, 1);
                c.LineTo(3, 12);
            } },
        { "line width 6",
            [](TCanvas& c) {
                c.Pen.SetWidth(6);
                c.MoveTo(5, 5);
                c.LineTo(12, 7);
            } },
        { "dotted line",
            [](TCanvas& c) {
                c.Pen.SetStyle(psDot);
                c.MoveTo(0, 7);
                c.LineTo(19, 7);
            } },
        { "rectangle", [](TCanvas& c) { c.Rectangle(2, 2, 15, 11); } },
        { "rectangle wide pen",
            [](TCanvas& c) {
                c.Pen.SetWidth(3);
                c.Rectangle(3, 3, 16, 12);
            } },
        { "ellipse",
            [](TCanvas& c) {
                c.Pen.SetWidth(2);
                c.Ellipse(1, 1, 18, 13);
            } },
        { "polygon",
            [](TCanvas& c) {
                c.Polygon({ Point(2, 2), Point(17, 4), Point(9, 13), Point(10, 5) });
            } },
        { "polygon wide pen",
            [](TCanvas& c) {
                c.Pen.SetWidth(3);
                c.Polygon({ Point(3, 3), Point(16, 3), Point(9, 12) });
            } },
    };
    for (const auto& f : figures) {
        PixelCanvas pc(20, 15);
        fillPattern(pc);
        const QImage before = pc.image.copy();
        pc.canvas.Pen.SetMode(pmNotXor);
        pc.canvas.Pen.SetColor(RGB(0x12, 0x80, 0xF0));
        pc.canvas.Brush.SetColor(RGB(0xA0, 0x30, 0x05));
        f.draw(pc.canvas);
        EXPECT_NE(pc.image, before) << f.name << " drew nothing";
        pc.canvas.Pen.SetWidth(1);
        pc.canvas.Pen.SetStyle(psSolid);
        f.draw(pc.canvas);
        EXPECT_EQ(pc.image, before) << f.name << " did not restore the picture";
    }
}

TEST(Canvas, NotXorIsNotOfPenXorDestinationPerChannel)
{
    PixelCanvas pc(3, 1, RGB(0x0F, 0xF0, 0x55));
    pc.canvas.Pen.SetMode(pmNotXor);
    pc.canvas.Pen.SetColor(RGB(0xFF, 0x00, 0x50));
    pc.canvas.MoveTo(0, 0);
    pc.canvas.LineTo(1, 0);
    // NOT(FF ^ 0F) = 0F, NOT(00 ^ F0) = 0F, NOT(50 ^ 55) = FA.
    EXPECT_EQ(pc.at(0, 0), RGB(0x0F, 0x0F, 0xFA));
    EXPECT_EQ(pc.at(1, 0), RGB(0x0F, 0xF0, 0x55));
}

TEST(Canvas, RectangleCoversExactlyItsBoxWithOutlineAndFill)
{
    PixelCanvas pc(7, 6);
    pc.canvas.Brush.SetColor(clRed);
    pc.canvas.Rectangle(1, 1, 6, 5);
    EXPECT_TRUE(matchesRows(pc.image,
        {
            ".......",
            ".#####.",
            ".#rrr#.",
            ".#rrr#.",
            ".#####.",
            ".......",
        },
        { { 'r', clRed } }));

    // Rectangle(0, 0, w, h) covers w × h pixels and nothing else.
    PixelCanvas full(6, 4, clBlue);
    full.canvas.Pen.SetColor(clRed);
    full.canvas.Brush.SetColor(clRed);
    full.canvas.Rectangle(0, 0, 5, 3);
    EXPECT_TRUE(matchesRows(full.image,
        {
            "rrrrrb",
            "rrrrrb",
            "rrrrrb",
            "bbbbbb",
        },
        { { 'r', clRed }, { 'b', clBlue } }));
}

TEST(Canvas, RectangleWithClearBrushLeavesTheInside)
{
    PixelCanvas pc(5, 5, clBlue);
    pc.canvas.Brush.SetStyle(bsClear);
    pc.canvas.Rectangle(0, 0, 5, 5);
    EXPECT_TRUE(matchesRows(pc.image,
        {
            "#####",
            "#bbb#",
            "#bbb#",
            "#bbb#",
            "#####",
        },
        { { 'b', clBlue } }));
}

TEST(Canvas, AssigningBrushColorMakesTheBrushSolid)
{
    TBrush b;
    b.SetStyle(bsClear);
    b.SetColor(clYellow);
    EXPECT_EQ(b.Style(), bsSolid);
    EXPECT_EQ(b.Color(), clYellow);
}

TEST(Canvas, DottedLineGapsTakeTheBrushColourOnlyWhileSolid)
{
    // Dots are three pixels on, three off.
    PixelCanvas solid(12, 1, clBlue);
    solid.canvas.Pen.SetStyle(psDot);
    solid.canvas.Brush.SetColor(clYellow);
    solid.canvas.MoveTo(0, 0);
    solid.canvas.LineTo(12, 0);
    EXPECT_TRUE(matchesRows(solid.image, { "###yyy###yyy" }, { { 'y', clYellow } }));

    PixelCanvas clear(12, 1, clBlue);
    clear.canvas.Pen.SetStyle(psDot);
    clear.canvas.Brush.SetStyle(bsClear);
    clear.canvas.MoveTo(0, 0);
    clear.canvas.LineTo(12, 0);
    EXPECT_TRUE(matchesRows(clear.image, { "###bbb###bbb" }, { { 'b', clBlue } }));
}

TEST(Canvas, DashedLineHasLongDashesAndShortGaps)
{
    PixelCanvas pc(30, 1);
    pc.canvas.Pen.SetStyle(psDash);
    pc.canvas.Brush.SetStyle(bsClear);
    pc.canvas.MoveTo(0, 0);
    pc.canvas.LineTo(30, 0);
    EXPECT_TRUE(matchesRows(pc.image, { "##################......######" }));
}

TEST(Canvas, EllipseIsInscribedInTheRectangleBox)
{
    PixelCanvas pc(8, 8);
    pc.canvas.Brush.SetColor(clRed);
    pc.canvas.Ellipse(1, 1, 7, 7);
    // A 6 × 6 disc: the corners are cut, the outline is the pen, the inside the brush.
    EXPECT_TRUE(matchesRows(pc.image,
        {
            "........",
            "..####..",
            ".#rrrr#.",
            ".#rrrr#.",
            ".#rrrr#.",
            ".#rrrr#.",
            "..####..",
            "........",
        },
        { { 'r', clRed } }));
}

TEST(Canvas, PolygonFillsWithTheAlternateRule)
{
    // A five-pointed star drawn as one polygon: the centre is covered twice, so the
    // alternate rule leaves it unfilled.
    PixelCanvas pc(21, 21);
    pc.canvas.Pen.SetColor(clBlue);
    pc.canvas.Brush.SetColor(clRed);
    pc.canvas.Polygon({ Point(10, 0), Point(16, 20), Point(0, 7), Point(20, 7), Point(4, 20) });
    EXPECT_EQ(pc.at(10, 11), clWhite) << "the doubly covered centre stays empty";
    EXPECT_EQ(pc.at(10, 4), clRed) << "the top point is filled";
    EXPECT_EQ(pc.at(10, 0), clBlue) << "vertices are on the outline";
    EXPECT_EQ(pc.at(16, 20), clBlue);
}

TEST(Canvas, TriangleArrowheadIsFilled)
{
    PixelCanvas pc(9, 10);
    pc.canvas.Pen.SetColor(clBlue);
    pc.canvas.Brush.SetColor(clRed);
    pc.canvas.Polygon({ Point(4, 8), Point(1, 0), Point(7, 0) });
    EXPECT_TRUE(matchesRows(pc.image,
        {
            ".bbbbbbb.",
            ".brrrrrb.",
            "..brrrb..",
            "..brrrb..",
            "..brrb...",
            "...brb...",
            "...brb...",
            "....b....",
            "....b....",
            ".........",
        },
        { { 'r', clRed }, { 'b', clBlue } }));
}

TEST(Canvas, TextCellIsFilledAndPositionMovesToItsEnd)
{
    PixelCanvas pc(80, 30, clBlue);
    pc.canvas.Font.SetHeight(20); // positive: the cell is 20 pixels high
    pc.canvas.Brush.SetColor(clYellow);
    pc.canvas.TextOut(5, 4, QStringLiteral("Ab"));
    const int w = pc.canvas.TextWidth(QStringLiteral("Ab"));
    ASSERT_GT(w, 8);
    EXPECT_EQ(pc.canvas.PenPos(), Point(5 + w, 4));
    EXPECT_EQ(pc.canvas.TextHeight(QStringLiteral("Ab")), 20);
    // The cell's corners show the brush (no glyph reaches a corner), outside is untouched.
    EXPECT_EQ(pc.at(5, 4), clYellow);
    EXPECT_EQ(pc.at(5 + w - 1, 4 + 19), clYellow);
    EXPECT_EQ(pc.at(4, 4), clBlue);
    EXPECT_EQ(pc.at(5 + w, 4), clBlue);
    EXPECT_EQ(pc.at(5, 3), clBlue);
    EXPECT_EQ(pc.at(5, 24), clBlue);
    // Glyph pixels are the font colour and nothing is half-tone.
    int ink = 0;
    for (int y = 4; y < 24; ++y)
        for (int x = 5; x < 5 + w; ++x) {
            const TColor c = pc.at(x, y);
            ASSERT_TRUE(c == clYellow || c == clBlack) << "anti-aliased pixel at " << x << ", " << y;
            ink += c == clBlack;
        }
    EXPECT_GT(ink, 20);
}

TEST(Canvas, LineToAfterTextOutStartsAtTheTextsEnd)
{
    PixelCanvas pc(80, 20);
    pc.canvas.Brush.SetStyle(bsClear);
    pc.canvas.Pen.SetColor(clRed);
    pc.canvas.TextOut(2, 2, QStringLiteral("x"));
    const int end = 2 + pc.canvas.TextWidth(QStringLiteral("x"));
    pc.canvas.LineTo(end + 10, 2);
    EXPECT_EQ(pc.at(end, 2), clRed);
    EXPECT_EQ(pc.at(end + 9, 2), clRed);
    EXPECT_NE(pc.at(end - 1, 2), clRed);
}

TEST(Canvas, ClearBrushTextLeavesTheCellBackground)
{
    PixelCanvas pc(40, 20, clBlue);
    pc.canvas.Brush.SetStyle(bsClear);
    pc.canvas.TextOut(0, 0, QStringLiteral("."));
    EXPECT_EQ(pc.at(0, 0), clBlue);
}

TEST(Canvas, NegativeFontHeightIsTheCharacterHeight)
{
    TFont f;
    f.SetHeight(-19);
    const auto& character = fonts::resolve(f);
    f.SetHeight(19);
    const auto& cell = fonts::resolve(f);
    // The cell of a 19-pixel character is 21 pixels high and takes the 20-pixel size; a
    // 19-pixel cell takes the 16-pixel size.
    EXPECT_EQ(character.cellHeight, 20);
    EXPECT_EQ(cell.cellHeight, 16);
    EXPECT_GT(character.qfont.pixelSize(), cell.qfont.pixelSize());
}

TEST(Canvas, RequestedHeightsTakeTheFacesSizesAndNeverGoBelowTheFloor)
{
    struct Case {
        const char* face;
        int height;
        int cell;
    };
    // The sans face comes in cells of 13, 16, 20, 24, 29 and 37 pixels: a request takes the
    // largest that is not higher, at least 13; beyond 37 it scales. The serif and symbol faces
    // scale freely, but not below 13 either.
    const Case cases[] = {
        { "MS Sans Serif", 8, 13 }, // the ZTU runs' end labels
        { "MS Sans Serif", -11, 13 }, // the form font: a 12-pixel cell
        { "MS Sans Serif", 15, 13 },
        { "MS Sans Serif", 16, 16 },
        { "MS Sans Serif", 18, 16 }, // the memos
        { "MS Sans Serif", -19, 20 }, // the main menu
        { "MS Sans Serif", 37, 37 },
        { "MS Sans Serif", 40, 40 },
        { "Times New Roman", 8, 13 },
        { "Times New Roman", 18, 18 },
        { "Symbol", 10, 13 },
    };
    for (const Case& c : cases) {
        TFont f;
        f.SetName(QString::fromLatin1(c.face));
        f.SetHeight(c.height);
        EXPECT_EQ(fonts::resolve(f).cellHeight, c.cell) << c.face << " " << c.height;
        EXPECT_EQ(fonts::resolve(f).requestedHeight, c.height);
    }
}

TEST(Canvas, SymbolFontShowsLatinLettersAsGreek)
{
    TFont f;
    f.SetName(QStringLiteral("Symbol"));
    f.SetHeight(14);
    const auto& rf = fonts::resolve(f);
    EXPECT_EQ(fonts::mapText(rf, QStringLiteral("a- MK")), QStringLiteral("α- ΜΚ"));
    EXPECT_EQ(fonts::mapText(rf, QStringLiteral("abgdm")), QStringLiteral("αβγδμ"));
    // The Greek glyphs differ from the Latin ones.
    TFont latin;
    latin.SetName(QStringLiteral("Times New Roman"));
    latin.SetHeight(14);
    EXPECT_NE(fonts::glyphMask(rf, QStringLiteral("a")), fonts::glyphMask(fonts::resolve(latin), QStringLiteral("a")));
    // Other faces keep the text.
    TFont sans;
    EXPECT_EQ(fonts::mapText(fonts::resolve(sans), QStringLiteral("abc")), QStringLiteral("abc"));
}

namespace {

// A canvas whose target lets it draw only in a window in the middle of its image.
class WindowCanvas : public PixelCanvas {
public:
    using PixelCanvas::PixelCanvas;
    QRect clip() const override { return { 2, 2, 4, 4 }; }
};

// Figures reaching far beyond the target on every side.
void drawBeyondTheEdges(TCanvas& c)
{
    c.Pen.SetWidth(3);
    c.MoveTo(-10, 4);
    c.LineTo(20, 4);
    c.Rectangle(-5, -5, 100, 100);
    c.Ellipse(-50, -50, 50, 50);
    // The text runs in from the left: its last letter, the "d", lies inside the window.
    c.TextOut(-24, -3, QStringLiteral("clipped"));
}

} // namespace

TEST(Canvas, DrawingIsClippedToTheTarget)
{
    PixelCanvas whole(8, 8);
    drawBeyondTheEdges(whole.canvas);

    // Clipped to the window, the same drawing leaves every pixel outside it as it was and puts
    // inside it exactly what the unclipped drawing put there.
    WindowCanvas window(8, 8);
    drawBeyondTheEdges(window.canvas);
    const QRect clip = window.clip();
    int drawnInside = 0;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            if (clip.contains(x, y)) {
                EXPECT_EQ(window.at(x, y), whole.at(x, y)) << "(" << x << ", " << y << ")";
                drawnInside += window.at(x, y) != clWhite;
            } else {
                EXPECT_EQ(window.at(x, y), clWhite) << "(" << x << ", " << y << ") lies outside the clip";
            }
        }
    EXPECT_GT(drawnInside, 0) << "the window shows part of the drawing";
}

TEST(Canvas, CopyPictureLeavesMaskedPixelsUntouched)
{
    PixelCanvas pc(4, 2, clBlue);
    QImage pic(3, 1, QImage::Format_RGB32);
    pic.fill(toPixel(clRed));
    QImage mask(3, 1, QImage::Format_Grayscale8);
    mask.setPixel(0, 0, 255);
    mask.setPixel(1, 0, 0);
    mask.setPixel(2, 0, 255);
    pc.canvas.CopyPicture(1, 0, pic, &mask);
    EXPECT_TRUE(matchesRows(pc.image, { "brbr", "bbbb" }, { { 'r', clRed }, { 'b', clBlue } }));
}
