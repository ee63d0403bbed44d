// The iron–carbon diagram the chapter shares: the lines derived from others, the bands under the field, the label edits
// of the views and the pixels of each view and of the plate on a canvas of the lesson's box size.
#include "ironcarbon/IronCarbonDiagram.h"

#include "tests/support/Harness.h"

#include <algorithm>
#include <cstring>

using namespace wb;
using namespace wb::ekd;
using wbtest::PixelCanvas;

namespace {

// PaintBoxHaupt of the complete diagram: the 792 × 554 client area less the status bar of 18.
constexpr int kBoxW = 792;
constexpr int kBoxH = 536;

constexpr TColor kMetastabilFeld = RGB(0xD7, 0xD7, 0xFF);
constexpr TColor kStabilFeld = RGB(0xFF, 0xE8, 0xE8);

bool hasText(const std::vector<TextAt>& texts, TextAt t)
{
    return std::any_of(texts.begin(), texts.end(), [&t](const TextAt& u) { return sameLabel(u, t); });
}

int countText(const std::vector<TextAt>& texts, const char* text)
{
    return int(
        std::count_if(texts.begin(), texts.end(), [text](const TextAt& t) { return std::strcmp(t.text, text) == 0; }));
}

int countColour(const PixelCanvas& pc, int x1, int y1, int x2, int y2, TColor colour)
{
    int n = 0;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            n += pc.at(x, y) == colour;
    return n;
}

} // namespace

TEST(IronCarbonLines, StableLinesLeaveTheMetastableOnesTowardsTheirOwnPoints)
{
    const Projection& p = diagramProjection();
    const std::vector<TPoint> sg = pixelsOf(p, mek::Line::SG), ssg = pixelsOf(p, mek::Line::SsG);
    const std::vector<TPoint> bc = pixelsOf(p, mek::Line::BC), bcs = pixelsOf(p, mek::Line::BCs);
    const std::vector<TPoint> je = pixelsOf(p, mek::Line::JE), jes = pixelsOf(p, mek::Line::JEs);
    // S´G: S´, then SG from (110, 384) down to G.
    ASSERT_EQ(ssg.size(), sg.size() - 1);
    EXPECT_EQ(ssg.front(), pixelOf(p, mek::Point::Ss));
    EXPECT_TRUE(std::equal(ssg.begin() + 1, ssg.end(), sg.begin() + 2));
    EXPECT_EQ(ssg[1], Point(110, 384));
    // BC´ leaves BC after (430, 189), JE´ leaves JE after (236, 202).
    EXPECT_TRUE(std::equal(bcs.begin(), bcs.end() - 1, bc.begin()));
    EXPECT_EQ(bcs[bcs.size() - 2], Point(430, 189));
    EXPECT_EQ(bcs.back(), pixelOf(p, mek::Point::Cs));
    EXPECT_TRUE(std::equal(jes.begin(), jes.end() - 1, je.begin()));
    EXPECT_EQ(jes[jes.size() - 2], Point(236, 202));
    EXPECT_EQ(jes.back(), pixelOf(p, mek::Point::Es));
}

TEST(IronCarbonLines, EachViewDrawsItsOwnSystem)
{
    // The metastable view: the blue lines only, the four verticals and MO dashed.
    const auto meta = viewLines(View::Metastable);
    EXPECT_TRUE(std::all_of(meta.begin(), meta.end(), [](const DiagramLine& l) { return l.color == kBlau; }));
    EXPECT_EQ(std::count_if(meta.begin(), meta.end(), [](const DiagramLine& l) { return l.dash; }), 4);
    // The complete view adds the stable lines that differ, after the blue ones.
    const auto gesamt = viewLines(View::Complete);
    ASSERT_GT(gesamt.size(), meta.size());
    EXPECT_TRUE(std::equal(meta.begin(), meta.end(), gesamt.begin(),
        [](const DiagramLine& a, const DiagramLine& b) { return a.line == b.line; }));
    EXPECT_TRUE(std::all_of(
        gesamt.begin() + meta.size(), gesamt.end(), [](const DiagramLine& l) { return l.color == kRot && !l.dash; }));
    // The stable view: red and solid throughout, MO included.
    const auto stabil = viewLines(View::Stable);
    EXPECT_TRUE(
        std::all_of(stabil.begin(), stabil.end(), [](const DiagramLine& l) { return l.color == kRot && !l.dash; }));
    EXPECT_EQ(stabil.back().line, mek::Line::MO);
}

TEST(IronCarbonBackground, BandsRoundTheirHalvesToEven)
{
    struct Case {
        int i;
        int y;
    };
    const Case cases[] = {
        { 325, 324 }, // 323.5 → 324
        { 326, 325 }, { 327, 326 }, // 326.5 → 326
        { 329, 330 }, // 329.5 → 330
        { 466, 535 }, // the last band of the complete diagram, the box's last row
    };
    for (const Case& c : cases)
        EXPECT_EQ(bandY(c.i), c.y) << "band " << c.i;
    EXPECT_EQ(bandColor(325), RGB(255, 0, 0));
    EXPECT_EQ(bandColor(466), RGB(114, 0, 0));
}

TEST(IronCarbonBackground, RowsFromYellowOverRedToDarkRed)
{
    PixelCanvas pc(kBoxW, kBoxH, clBlack);
    drawBackground(pc.canvas, kBoxW, kLastBandComplete);
    EXPECT_EQ(pc.at(0, 0), RGB(255, 255, 0));
    EXPECT_EQ(pc.at(kBoxW - 1, 70), RGB(255, 255, 0)); // the lines reach the box's last column
    EXPECT_EQ(pc.at(300, 100), RGB(255, 225, 0)); // green 325 − 100
    EXPECT_EQ(pc.at(300, 322), RGB(255, 3, 0)); // the last gradient row under no band
    // Band 325 at y = 324 with a pen of width 2 covers rows 323 and 324.
    EXPECT_EQ(pc.at(300, 323), RGB(255, 0, 0));
    // Band 400 at y = 436 (its own row) and band 401 at 437.5 → 438 (rows 437, 438).
    EXPECT_EQ(pc.at(300, 436), RGB(180, 0, 0));
    EXPECT_EQ(pc.at(300, 437), RGB(179, 0, 0));
    EXPECT_EQ(pc.at(300, kBoxH - 1), RGB(114, 0, 0));
    // The pen stays as the last band left it.
    EXPECT_EQ(pc.canvas.Pen.Width(), 2);
    EXPECT_EQ(pc.canvas.Pen.Color(), RGB(114, 0, 0));
}

TEST(IronCarbonLabels, EditsMoveRewriteAndDropInPlace)
{
    const TextAt base[] = { { 1, 1, "a" }, { 2, 2, "b" }, { 3, 3, "c" }, { 4, 4, "b" } };
    const LabelEdit edits[] = {
        { { 2, 2, "b" }, { 5, 6, "b" } }, // moved; the other "b" stays
        { { 3, 3, "c" }, {} }, // dropped
        { { 1, 1, "a" }, { 1, 1, "A" } }, // rewritten
    };
    const std::vector<TextAt> out = editedLabels(base, edits);
    const std::vector<TextAt> expected = { { 1, 1, "A" }, { 5, 6, "b" }, { 4, 4, "b" } };
    ASSERT_EQ(out.size(), expected.size());
    for (size_t i = 0; i < out.size(); ++i)
        EXPECT_TRUE(sameLabel(out[i], expected[i]))
            << i << ": " << out[i].text << " at " << out[i].x << ", " << out[i].y;
}

TEST(IronCarbonLabels, TheMetastableViewMovesFAndK)
{
    const std::vector<LabelSet> gesamt = viewLabels(View::Complete);
    const std::vector<LabelSet> meta = viewLabels(View::Metastable);
    ASSERT_EQ(gesamt.size(), 3u); // blue, red, blue "Symbol"
    ASSERT_EQ(meta.size(), 2u); // blue, blue "Symbol"
    EXPECT_TRUE(hasText(gesamt[0].texts, { 700, 218, "F" }));
    EXPECT_TRUE(hasText(gesamt[0].texts, { 700, 396, "K" }));
    EXPECT_TRUE(hasText(meta[0].texts, { 720, 218, "F" }));
    EXPECT_TRUE(hasText(meta[0].texts, { 705, 396, "K" }));
    EXPECT_EQ(meta[0].texts.size(), gesamt[0].texts.size());
    EXPECT_TRUE(meta[1].symbol);
    EXPECT_EQ(gesamt[1].color, kRot);
}

TEST(IronCarbonLabels, ThePlateEditsTheMetastableLabels)
{
    const std::vector<TextAt> meta = viewLabels(View::Metastable)[0].texts;
    const std::vector<TextAt> platte = plateTimesLabels();
    EXPECT_TRUE(hasText(platte, { 70, 21, "1536°C" }));
    EXPECT_EQ(countText(platte, "=1536°C"), 0);
    EXPECT_EQ(countText(platte, "metastabil"), 0);
    // Of the two "Sekundärzementit" only the lower one moves down by 4.
    EXPECT_TRUE(hasText(platte, { 160, 449, "Sekundärzementit" }));
    EXPECT_TRUE(hasText(platte, { 165, 375, "Sekundärzementit" }));
    EXPECT_EQ(platte.size(), meta.size() - 1);
    EXPECT_TRUE(hasText(platte, { 720, 218, "F" })); // the metastable view's place

    const std::vector<TextAt> symbole = plateSymbolLabels();
    EXPECT_TRUE(hasText(symbole, { 150, 240, "g-MK" }));
    EXPECT_FALSE(hasText(symbole, { 105, 260, "g-MK" }));
    EXPECT_FALSE(hasText(symbole, { 57, 415, "a-MK" }));
    EXPECT_EQ(countText(symbole, "a-MK"), 1); // the one at (70, 445) in the pearlite field
}

TEST(IronCarbonViews, FieldsFramesAndLinesInTheViewsColours)
{
    struct Case {
        View view;
        const char* name;
        TColor field; // (650, 470): inside the field, away from lines and labels
        TColor frame; // (400, 20): the field's top edge
        TColor ecf; // (600, 215): the metastable eutectic horizontal
        TColor ecfStable; // (600, 210): the stable one
    };
    const Case cases[] = {
        { View::Complete, "complete", kGelb, kSchwarz, kBlau, kRot },
        { View::Metastable, "metastable", kMetastabilFeld, kBlau, kBlau, kMetastabilFeld },
        { View::Stable, "stable", kStabilFeld, kRot, kStabilFeld, kRot },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PixelCanvas pc(kBoxW, kBoxH, clBlack);
        drawView(pc.canvas, kBoxW, kBoxH, c.view);
        EXPECT_EQ(pc.at(650, 470), c.field);
        EXPECT_EQ(pc.at(400, 20), c.frame);
        EXPECT_EQ(pc.at(600, 215), c.ecf);
        EXPECT_EQ(pc.at(600, 210), c.ecfStable);
        // Outside the field: the background shows (row 100 is green 225).
        EXPECT_EQ(pc.at(760, 100), RGB(255, 225, 0));
    }
}

TEST(IronCarbonViews, TheCementiteScaleBelongsToTheMetastableSystem)
{
    // "100 % Zementit" at (707, 507) is white on the dark band; the stable view has none.
    PixelCanvas meta(kBoxW, kBoxH, clBlack);
    drawView(meta.canvas, kBoxW, kBoxH, View::Metastable);
    PixelCanvas stabil(kBoxW, kBoxH, clBlack);
    drawView(stabil.canvas, kBoxW, kBoxH, View::Stable);
    EXPECT_GT(countColour(meta, 707, 507, 791, 521, kWeiss), 20);
    EXPECT_EQ(countColour(stabil, 707, 507, 791, 521, kWeiss), 0);
}

TEST(IronCarbonPlate, DashedLinesWhiteFerriteLeaderAndClickFrames)
{
    PixelCanvas platte(kBoxW, kBoxH, clBlack);
    drawPlate(platte.canvas, kBoxW, kBoxH, { .austenit = true, .ferrit = true, .perlit = true });
    PixelCanvas meta(kBoxW, kBoxH, clBlack);
    drawView(meta.canvas, kBoxW, kBoxH, View::Metastable);

    // The vertical under C: solid at width 2 in the view, dashed at width 1 on the plate, its
    // gaps showing the field.
    EXPECT_EQ(countColour(meta, 480, 300, 480, 399, kBlau), 100);
    const int dashes = countColour(platte, 480, 300, 480, 399, kBlau);
    const int gaps = countColour(platte, 480, 300, 480, 399, kMetastabilFeld);
    EXPECT_GT(dashes, 20);
    EXPECT_GT(gaps, 20);
    EXPECT_EQ(dashes + gaps, 100);

    // The ferrite label is white beside the axis on the plate only.
    EXPECT_GT(countColour(platte, 17, 416, 49, 429, kWeiss), 5);
    EXPECT_EQ(countColour(meta, 17, 416, 49, 429, kWeiss), 0);
    // The leader from A (50, 42) up to (70, 30) passes column 66 between rows 30 and 34.
    EXPECT_GT(countColour(platte, 66, 30, 66, 34, kBlau), 0);
    EXPECT_EQ(countColour(meta, 66, 30, 66, 34, kBlau), 0);
    // The field labels are black on the plate; the view writes them blue. "Schmelze" at
    // (420, 70):
    EXPECT_GT(countColour(platte, 420, 70, 480, 84, kSchwarz), 10);
    EXPECT_EQ(countColour(platte, 420, 70, 480, 84, kBlau), 0);
    EXPECT_GT(countColour(meta, 420, 70, 480, 84, kBlau), 10);

    // The frames' top edges, a pen of width 2 on rows 236 … 237 and 409 … 410 (x = 140 keeps clear of the dashed line
    // under S).
    EXPECT_EQ(platte.at(140, 237), kBlau); // around "Austenit"
    EXPECT_EQ(platte.at(140, 236), kBlau);
    EXPECT_EQ(platte.at(140, 410), kBlau); // around "Perlit"
    EXPECT_EQ(platte.at(30, 415), kBlau); // around the ferrite label
}

TEST(IronCarbonPlate, OnlyTheFramesAskedForAreDrawn)
{
    PixelCanvas pc(kBoxW, kBoxH, clBlack);
    drawPlate(pc.canvas, kBoxW, kBoxH, { .ferrit = true });
    EXPECT_EQ(pc.at(140, 237), kMetastabilFeld);
    EXPECT_EQ(pc.at(140, 410), kMetastabilFeld);
    EXPECT_EQ(pc.at(30, 415), kBlau);
}

TEST(IronCarbonViews, TheAxesLastTextsEndInsideTheBox)
{
    // "6,67 % Kohlenstoff" and "100 % Zementit" would start at 690 and 707; where that runs past
    // the box they end at its last column instead, and a narrower box moves them further left.
    for (const int width : { kBoxW, 780 }) {
        SCOPED_TRACE(width);
        PixelCanvas pc(kBoxW, kBoxH, clBlack);
        drawView(pc.canvas, width, kBoxH, View::Metastable);
        // Measured in the axis texts' font; the view ends with the labels' "Symbol".
        pc.canvas.Font.SetName(QStringLiteral("Times New Roman"));
        pc.canvas.Font.SetHeight(15);
        const int kohlenstoff = pc.canvas.TextWidth(QStringLiteral("6,67 % Kohlenstoff"));
        const int zementit = pc.canvas.TextWidth(QStringLiteral("100 % Zementit"));
        // Some white glyph pixel lies in the last 8 columns before the edge, none beyond it.
        EXPECT_GT(countColour(pc, width - 8, kFieldBottom, width - 1, kFieldBottom + 14, kWeiss), 0);
        EXPECT_GT(countColour(pc, width - 8, 507, width - 1, 521, kWeiss), 0);
        EXPECT_GE(width - kohlenstoff, 642 + pc.canvas.TextWidth(QStringLiteral("6,0"))) << "clear of \"6,0\"";
        EXPECT_GE(width - zementit, 650 + pc.canvas.TextWidth(QStringLiteral("90"))) << "clear of \"90\"";
    }
}

TEST(IronCarbonLabels, TemperatureLabelsNameTheModelsTemperaturesBesideTheirRows)
{
    // Every "…°C" label of a view (with or without "=") is a temperature the model names, in the
    // colour of the system it belongs to, near the row the projection gives it.
    const std::pair<double, TColor> named[] = {
        { mek::kSchmelzpunkt, kBlau },
        { mek::kPeritektikale, kBlau },
        { mek::kDeltaGamma, kBlau },
        { mek::kGammaAlpha, kBlau },
        { mek::kCuriepunkt, kBlau },
        { mek::kEutektoid, kBlau },
        { mek::kEutektikale, kBlau },
        { mek::kZementitLiquidus, kBlau },
        { mek::kStabilEutektoid, kRot },
        { mek::kStabilEutektikale, kRot },
    };
    int labels = 0;
    for (const LabelSet& set : viewLabels(View::Complete)) {
        for (const TextAt& t : set.texts) {
            QString text = QString::fromUtf8(t.text);
            if (!text.endsWith(QStringLiteral("°C")))
                continue;
            ++labels;
            text.remove(QLatin1Char('=')).chop(2);
            const double celsius = text.toDouble();
            const auto it = std::find_if(
                std::begin(named), std::end(named), [celsius](const auto& n) { return n.first == celsius; });
            ASSERT_NE(it, std::end(named)) << t.text;
            EXPECT_EQ(set.color, it->second) << t.text;
            EXPECT_LE(std::abs(t.y - temperatureY(diagramProjection(), celsius)), 25) << t.text;
        }
    }
    EXPECT_EQ(labels, 10);
}
