// The process and ZTU diagrams the heat-treatment lessons share: their geometry as pure
// functions, and the drawing steps on small canvases.
#include "heattreat/ProcessDiagram.h"

#include "tests/support/Harness.h"

#include <algorithm>
#include <vector>

using namespace wb;
namespace pd = wb::processdiagram;

namespace {

constexpr TColor kGold = RGB(0xFF, 0xD7, 0x00);
constexpr TColor kFrameColor = RGB(0x01, 0x00, 0x00);

// True when the cell (x, y, w, h) holds only the colours `allowed` and at least one pixel of
// `ink`: a text drawn in `ink` without a background of its own.
::testing::AssertionResult textCellHolds(const QImage& image, QRect cell, TColor ink, std::vector<TColor> allowed)
{
    allowed.push_back(ink);
    int inked = 0;
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x) {
            const TColor c = fromPixel(image.pixel(x, y));
            if (c == ink)
                ++inked;
            else if (std::find(allowed.begin(), allowed.end(), c) == allowed.end())
                return ::testing::AssertionFailure()
                    << "pixel (" << x << ", " << y << ") is " << colorToHex(c).toStdString();
        }
    if (inked == 0)
        return ::testing::AssertionFailure() << "no pixel in " << colorToHex(ink).toStdString();
    return ::testing::AssertionSuccess();
}

} // namespace

TEST(ProcessDiagram, SideBySideLayoutOfTheHardeningPaintBox)
{
    // 770 × 500: the process diagram to (770 − 350, 500 − 200), the ZTU diagram to 770 − 10.
    const pd::Layout l = pd::sideBySide(770, 500);
    EXPECT_EQ(l.prozess, (pd::Frame { 40, 20, 420, 300, 9, 42, 46 })) << "380 div 9 = 42, 280 div 6 = 46";
    EXPECT_EQ(l.ztu, (pd::Frame { 440, 20, 760, 300, 6, 53, 46 })) << "320 div 6 = 53";
}

TEST(ProcessDiagram, StepsTruncateForOtherSizes)
{
    struct Case {
        int left, top, right, bottom, columns;
        int dx, dy;
    };
    const Case cases[] = {
        { 190, 20, 750, 300, 9, 62, 46 }, // the tempering lesson's wide diagram: 560 div 9 = 62
        { 440, 20, 759, 299, 6, 53, 46 }, // 319 div 6 = 53.17 and 279 div 6 = 46.5 truncate
        { 40, 20, 45, 25, 9, 0, 0 }, // too small for a step: no grid spacing, no crash
    };
    for (const Case& c : cases) {
        const pd::Frame f = pd::makeFrame(c.left, c.top, c.right, c.bottom, c.columns);
        EXPECT_EQ(f.dx, c.dx) << c.left << "…" << c.right;
        EXPECT_EQ(f.dy, c.dy) << c.top << "…" << c.bottom;
    }
}

TEST(ProcessDiagram, TemperatureAndLogTimeScales)
{
    const pd::Layout l = pd::sideBySide(770, 500);
    // y = 300 − 46 · T / 200: the grid's horizontals stand at the 200 °C steps.
    struct T {
        double celsius, y;
    };
    for (const T t : { T { 0, 300 }, T { 200, 254 }, T { 800, 116 }, T { 1000, 70 }, T { 1200, 24 } }) {
        EXPECT_DOUBLE_EQ(pd::temperatureY(l.prozess, t.celsius), t.y) << t.celsius;
        EXPECT_DOUBLE_EQ(pd::temperatureY(l.ztu, t.celsius), t.y) << "both diagrams share the scale";
    }
    // x = 440 + 53 · (lg t + 1): 0.1 s on the left edge, one decade per grid step.
    EXPECT_NEAR(pd::ztuTimeX(l.ztu, 0.1), 440, 1e-9);
    EXPECT_NEAR(pd::ztuTimeX(l.ztu, 1), 493, 1e-9);
    EXPECT_NEAR(pd::ztuTimeX(l.ztu, 1000), 652, 1e-9);
    EXPECT_NEAR(pd::ztuTimeX(l.ztu, 1e5), 758, 1e-9);
}

TEST(ProcessDiagram, CurveSurfaceLiesOverTheZtuDiagram)
{
    const pd::Layout l = pd::sideBySide(770, 500);
    // Left 5 + 440; top Round(46 · 1.95) + 5 + 20 = 90 + 25; height 280 − Round(46 · 1.7) = 280 − 78.
    EXPECT_EQ(pd::ztuCurveBounds(l.ztu, { 5, 5 }), QRect(445, 115, 320, 202));
    // Its origin sits on the diagram's left edge at y = 110 of the diagram, (300 − 110) · 200 / 46 ≈ 826 °C.
    EXPECT_NEAR((300 - (115 - 5)) * 200.0 / 46, 826, 0.1);
    EXPECT_EQ(pd::ztuCurveBounds(l.ztu, { 0, 0 }), QRect(440, 110, 320, 202)) << "follows the paint box";
}

TEST(ProcessDiagram, ZtuLinesAreTheLessonSteelsThroughTheZtuFrame)
{
    // The pixels the hardening and normalising lessons' ZTU diagram was drawn with, line by line:
    // C45's continuous lines at x = 440 + 53 · (lg t + 1), y = 300 − 46 · T / 200.
    // clang-format off
    const std::vector<std::vector<TPoint>> drawn = {
        { { 440, 222 }, { 518, 222 }, { 571, 237 } },
        { { 580, 268 }, { 546, 162 }, { 547, 160 }, { 551, 157 }, { 557, 155 }, { 599, 151 }, { 652, 147 },
          { 705, 144 } },
        { { 508, 180 }, { 513, 170 }, { 514, 167 }, { 520, 162 }, { 530, 157 }, { 538, 154 }, { 546, 152 },
          { 547, 151 }, { 551, 150 }, { 557, 150 }, { 599, 146 }, { 652, 142 }, { 705, 139 } },
        // Its first two points stand higher than the steel's: 748 °C at 10^4 s (127.96 → 128 where
        // the steel's 744 °C gives 128.88 → 129) and 735 °C at 10^3 s (130.95 → 131, not 133).
        { { 705, 128 }, { 652, 131 }, { 599, 135 }, { 546, 140 }, { 535, 142 }, { 525, 144 }, { 514, 147 },
          { 505, 153 }, { 502, 156 }, { 501, 163 }, { 512, 192 } },
        { { 518, 222 }, { 510, 208 }, { 508, 203 }, { 510, 194 }, { 546, 162 } },
    };
    // clang-format on
    const pd::Frame ztu = pd::sideBySide(770, 500).ztu;
    const auto lines = model::c45().continuous;
    ASSERT_EQ(lines.size(), drawn.size());
    for (size_t i = 0; i < lines.size(); ++i)
        EXPECT_TRUE(pd::ztuLine(ztu, lines[i]) == drawn[i]) << "line " << i;
}

TEST(ProcessDiagram, BackgroundBandColours)
{
    struct Band {
        int y;
        TColor color;
    };
    const Band warm[] = {
        { 0, RGB(255, 255, 0) }, // yellow at the top
        { 51, RGB(255, 153, 0) }, // G = 255 − 102
        { 100, RGB(255, 55, 0) }, // the last warm band: orange
    };
    const Band glow[] = {
        { 100, RGB(255, 0, 0) }, // the first glowing band: R = 355 − 100
        { 151, RGB(204, 0, 0) },
        { 354, RGB(1, 0, 0) }, // the last glowing row
        { 355, clBlack }, // 355 − y reaches 0: black from here on
        { 500, clBlack },
    };
    for (const Band& b : warm)
        EXPECT_EQ(pd::warmBandColor(b.y), b.color) << b.y;
    for (const Band& b : glow)
        EXPECT_EQ(pd::glowBandColor(b.y), b.color) << b.y;
}

TEST(ProcessDiagram, BackgroundRowsShowTheBandDrawnBelowThem)
{
    // A width-2 line at row y covers rows y − 1 and y; drawn top to bottom, every row ends up in
    // the colour of the band below it, and the bands begin one pixel left of x = 4 (round ends).
    wbtest::PixelCanvas p(12, 110);
    pd::drawBackground(p.canvas, 12, 110);
    EXPECT_EQ(p.at(5, 0), pd::warmBandColor(1));
    EXPECT_EQ(p.at(5, 50), pd::warmBandColor(51));
    EXPECT_EQ(p.at(5, 99), pd::glowBandColor(100)) << "row 100 is drawn warm, then glowing";
    EXPECT_EQ(p.at(5, 109), pd::glowBandColor(110));
    EXPECT_EQ(p.at(3, 50), pd::warmBandColor(51));
    EXPECT_EQ(p.at(2, 50), clWhite) << "left of the bands the canvas stays as it was";
    EXPECT_EQ(p.canvas.Pen.Style(), psSolid);
    EXPECT_EQ(p.canvas.Pen.Width(), 2);
}

TEST(ProcessDiagram, FrameIsOutlinedDarkAndFilledGold)
{
    wbtest::PixelCanvas p(40, 30);
    p.canvas.Pen.SetStyle(psSolid);
    pd::drawFrame(p.canvas, pd::makeFrame(10, 5, 30, 25, 2));
    EXPECT_EQ(p.at(20, 15), kGold);
    // The width-2 outline is centred on the edge path x = 10: columns 9 and 10.
    EXPECT_EQ(p.at(9, 15), kFrameColor);
    EXPECT_EQ(p.at(10, 15), kFrameColor);
    EXPECT_EQ(p.at(11, 15), kGold);
    EXPECT_EQ(p.at(8, 15), clWhite);
    EXPECT_EQ(p.canvas.Pen.Color(), kFrameColor) << "the grid takes the frame's pen colour";
}

TEST(ProcessDiagram, GridIsDottedAndLeavesTheGapsUntouched)
{
    // A 12 × 12 frame in two columns: dx = 6, dy = 12 div 6 = 2, so horizontals at y = 10, 8,
    // 6, 4, 2 and verticals at x = 0 and 6. Dots run 3 on, 3 off from each line's start.
    wbtest::PixelCanvas p(12, 12);
    p.canvas.Pen.SetColor(clBlack);
    p.canvas.Brush.SetColor(clRed); // the grid clears the brush: no red gaps
    pd::drawGrid(p.canvas, pd::makeFrame(0, 0, 12, 12, 2));
    EXPECT_TRUE(wbtest::matchesRows(p.image,
        {
            "#.....#.....",
            "#.....#.....",
            "###...###...",
            "............",
            "###...###...",
            "............",
            "###...###...",
            "#.....#.....",
            "###...###...",
            "............",
            "###...###...",
            "............",
        }));
    EXPECT_EQ(p.canvas.Brush.Style(), bsClear);
    EXPECT_EQ(p.canvas.Pen.Style(), psDot);
}

TEST(ProcessDiagram, TimeArrowFollowsTheShiftAndThePenStyleInForce)
{
    // The tempering lesson's arrow lies 320 pixels further right and is drawn solid; the
    // hardening lesson's keeps the grid's dots.
    wbtest::PixelCanvas solid(700, 330, clBlack);
    solid.canvas.Pen.SetStyle(psSolid);
    pd::drawTimeArrow(solid.canvas, 320);
    for (int x = 587; x < 647; ++x)
        ASSERT_EQ(solid.at(x, 315), clWhite) << x;
    EXPECT_EQ(solid.at(586, 315), clBlack);
    EXPECT_EQ(solid.at(300, 315), clBlack) << "nothing at the unshifted place";

    wbtest::PixelCanvas dotted(400, 330, clBlack);
    dotted.canvas.Pen.SetStyle(psDot);
    dotted.canvas.Brush.SetStyle(bsClear);
    pd::drawTimeArrow(dotted.canvas, 0);
    EXPECT_EQ(dotted.at(267, 315), clWhite) << "dots start at the line's start";
    EXPECT_EQ(dotted.at(270, 315), clBlack) << "the first gap: x = 270 … 272";
    EXPECT_EQ(dotted.at(273, 315), clWhite);
    EXPECT_EQ(dotted.at(327, 315), clWhite) << "the head's lines start at the tip";
}

TEST(ProcessDiagram, TemperatureLabelsMoveWithTheirDiagram)
{
    wbtest::PixelCanvas p(240, 270, kGold);
    pd::drawTemperatureLabels(p.canvas, 150);
    const int h = p.canvas.TextHeight(QStringLiteral("1200"));
    // "1200" in black at (160, 18), " 800" in white at (160, 110); transparent on the gold.
    EXPECT_TRUE(
        textCellHolds(p.image, QRect(160, 18, p.canvas.TextWidth(QStringLiteral("1200")), h), clBlack, { kGold }));
    EXPECT_TRUE(
        textCellHolds(p.image, QRect(160, 110, p.canvas.TextWidth(QStringLiteral(" 800")), h), clWhite, { kGold }));
    EXPECT_TRUE(textCellHolds(p.image, QRect(10, 18, 40, h), kGold, {})) << "nothing where the unshifted labels stand";
}

TEST(ProcessDiagram, DefinitionPanelShowsOnlyTheLeftAndTopEdgesOfItsRectangle)
{
    // The panel's colour is the brush when its paint starts; its rectangle is 770 × 500, far
    // larger than the panel, so only the edges at x = 0 and y = 0 fall on it.
    const TColor blue = RGB(0x00, 0x80, 0xFF);
    wbtest::PixelCanvas p(20, 12, clBlack);
    p.canvas.Brush.SetColor(blue);
    pd::drawDefinitionPanel(p.canvas, 7, {});
    std::vector<std::string> rows(12, "WBBBBBBBBBBBBBBBBBBB");
    rows[0] = std::string(20, 'W');
    EXPECT_TRUE(wbtest::matchesRows(p.image, rows, { { 'W', clWhite }, { 'B', blue } }));
    EXPECT_EQ(p.canvas.Font.Height(), 18);
    EXPECT_EQ(p.canvas.Font.Color(), clWhite);
}

TEST(ProcessDiagram, DefinitionPanelWritesItsLinesWhiteOnThePanel)
{
    const TColor blue = RGB(0x00, 0x80, 0xFF);
    wbtest::PixelCanvas p(320, 120, clBlack);
    p.canvas.Brush.SetColor(blue);
    const pd::PanelLine lines[] = { { 10, "Härten" }, { 50, "\"Austenitisieren" } };
    pd::drawDefinitionPanel(p.canvas, 7, lines);
    const int h = p.canvas.TextHeight(QStringLiteral("H"));
    EXPECT_EQ(h, 16) << "height 18 is drawn in the 16-pixel size";
    EXPECT_TRUE(
        textCellHolds(p.image, QRect(7, 10, p.canvas.TextWidth(QStringLiteral("Härten")), h), clWhite, { blue }));
    EXPECT_TRUE(textCellHolds(
        p.image, QRect(7, 50, p.canvas.TextWidth(QStringLiteral("\"Austenitisieren")), h), clWhite, { blue }));
    EXPECT_TRUE(textCellHolds(p.image, QRect(7, 30, 100, 18), blue, {})) << "between the lines";
}

TEST(ProcessDiagram, SideBySidePictureLeavesTheSettingsTheTicksRelyOn)
{
    wbtest::PixelCanvas p(770, 500);
    const pd::Layout l = pd::sideBySide(770, 500);
    pd::drawSideBySide(p.canvas, l, 770, 500, { RGB(0, 0, 0), { 650, 130 } });
    // The title's brush and white font stay; the pen is the ZTU lines' dark pen of width 2.
    EXPECT_EQ(p.canvas.Brush.Color(), RGB(0x80, 0x00, 0x80));
    EXPECT_EQ(p.canvas.Brush.Style(), bsSolid);
    EXPECT_EQ(p.canvas.Font.Color(), clWhite);
    EXPECT_EQ(p.canvas.Pen.Width(), 2);
    // The normalising lesson's look: black lines, "Ferrit" at (650, 130).
    EXPECT_EQ(p.at(480, 222), clBlack) << "on the martensite start line (440, 222)–(518, 222)";
    const int h = p.canvas.TextHeight(QStringLiteral("Ferrit"));
    EXPECT_TRUE(textCellHolds(p.image, QRect(650, 130, p.canvas.TextWidth(QStringLiteral("Ferrit")), h), RGB(2, 0, 0),
        { kGold, kFrameColor, RGB(0, 0, 0) }));
}
