// The iron–carbon diagram every lesson of the chapter draws: scale, points, lines, labels and
// the views built from them.
#include "ironcarbon/IronCarbonDiagram.h"

#include <QString>
#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstring>

namespace wb::ekd {

// --- Texts -----------------------------------------------------------------------------------

bool sameLabel(const TextAt& a, const TextAt& b)
{
    if (a.x != b.x || a.y != b.y)
        return false;
    if (!a.text || !b.text)
        return a.text == b.text;
    return std::strcmp(a.text, b.text) == 0;
}

std::vector<TextAt> editedLabels(std::span<const TextAt> base, std::span<const LabelEdit> edits)
{
    std::vector<TextAt> out;
    out.reserve(base.size());
    std::vector<int> used(edits.size(), 0);
    for (const TextAt& t : base) {
        const LabelEdit* edit = nullptr;
        for (size_t i = 0; i < edits.size(); ++i) {
            if (sameLabel(edits[i].from, t)) {
                edit = &edits[i];
                ++used[i];
            }
        }
        if (!edit)
            out.push_back(t);
        else if (edit->to.text)
            out.push_back(edit->to);
    }
    assert(std::all_of(used.begin(), used.end(), [](int n) { return n == 1; })
        && "a label edit must match exactly one label");
    return out;
}

namespace {

// The axes' last texts stand so far right that in our faces they would run past the box's right
// edge and be cut; such a text moves left just enough to be read whole.
void textInside(TCanvas& c, int width, int x, int y, const QString& text)
{
    c.TextOut(std::min(x, width - c.TextWidth(text)), y, text);
}

// --- Axis texts ------------------------------------------------------------------------------

// clang-format off
// The temperatures below 1000 °C stand on the dark bands and are white.
constexpr TextAt kTemperaturenWeiss[] = {
    { 5, 485, " 500°C" }, { 5, 442, " 600°C" }, { 5, 399, " 700°C" }, { 5, 356, " 800°C" }, { 5, 313, " 900°C" },
};
constexpr TextAt kTemperaturenSchwarz[] = {
    { 5, 270, "1000°C" }, { 5, 227, "1100°C" }, { 5, 184, "1200°C" }, { 5, 141, "1300°C" },
    { 5, 98, "1400°C" }, { 5, 55, "1500°C" }, { 5, 14, "1600°C" }, { 5, 0, "Temperatur in °C" },
};
// clang-format on

constexpr int kCarbonAxisY = 493;
constexpr int kCementiteAxisY = 507;

// --- Lines of the views ----------------------------------------------------------------------

using enum mek::Line;

// clang-format off
// The complete view: the metastable lines (solid, then dashed) and the stable ones that differ.
constexpr DiagramLine kCompleteLines[] = {
    { PSK, kBlau }, { QP, kBlau }, { PG, kBlau }, { ECF, kBlau },
    { SE, kBlau }, { SG, kBlau }, { HJB, kBlau }, { BC, kBlau },
    { CD, kBlau }, { JE, kBlau }, { AH, kBlau }, { HN, kBlau },
    { JN, kBlau }, { AB, kBlau },
    { CUnten, kBlau, true }, { EUnten, kBlau, true }, { SUnten, kBlau, true }, { MO, kBlau, true },
    { PsSsKs, kRot }, { EsCsFs, kRot }, { SsEs, kRot }, { CsDs, kRot },
};
// The metastable view draws the blue lines of the complete view and no others.
constexpr size_t kMetastableLineCount = 18;

// The stable view: its own lines first, then those it shares with the metastable system, all
// solid and red.
constexpr DiagramLine kStableLines[] = {
    { PsSsKs, kRot }, { EsCsFs, kRot }, { SsEs, kRot }, { CsDs, kRot },
    { QPs, kRot }, { PsG, kRot }, { SsG, kRot }, { HJB, kRot },
    { BCs, kRot }, { JEs, kRot }, { AH, kRot }, { HN, kRot },
    { JN, kRot }, { AB, kRot }, { MO, kRot },
};
// clang-format on
static_assert(std::size(kCompleteLines) == 22 && std::size(kStableLines) == 15);

// --- Labels of the views ---------------------------------------------------------------------

// clang-format off
// Letters, phase fields and temperatures of the complete view, blue; F and K stand 20 and
// 5 pixels further right in the metastable view.
constexpr TextAt kBlaueTexte[] = {
    { 53, 27, "A" }, { 100, 49, "B" }, { 482, 217, "C" }, { 720, 135, "D" }, { 260, 218, "E" },
    { 700, 218, "F" }, { 54, 295, "G" }, { 135, 396, "S" }, { 100, 360, "O" }, { 40, 63, "H" },
    { 69, 75, "J" }, { 53, 110, "N" }, { 60, 396, "P" }, { 54, 475, "Q" }, { 705, 475, "L" },
    { 700, 396, "K" },
    { 420, 70, "Schmelze" }, { 200, 140, "Schmelze + Austenit" }, { 100, 240, "Austenit" },
    { 165, 375, "Sekundärzementit" }, { 170, 430, "Perlit+" }, { 160, 445, "Sekundärzementit" },
    { 75, 430, "Perlit+" }, { 120, 413, "Perlit" }, { 483, 275, "Ledeburit" }, { 300, 300, "+Ledeburit" },
    { 300, 320, "+Sekundärzementit" }, { 580, 280, "Primärzementit+" }, { 580, 300, "Ledeburit" },
    { 310, 430, "Sekundärzementit+Perlit+" }, { 310, 445, "Ledeburit" }, { 540, 430, "Primärzementit+" },
    { 540, 445, "Ledeburit" }, { 600, 170, "Schmelze+" }, { 600, 185, "Primärzementit" }, { 76, 37, "Schmelze" },
    { 70, 21, "=1536°C" }, { 113, 56, "=1493°C" }, { 67, 116, "=1392°C" }, { 60, 310, "911°C" },
    { 57, 364, "769°C" }, { 380, 400, "723°C" }, { 380, 220, "1147°C" }, { 675, 128, "1320°C" },
    { 600, 135, "metastabil" },
};
constexpr LabelEdit kMetastabilVerschoben[] = {
    { { 700, 218, "F" }, { 720, 218, "F" } },
    { { 700, 396, "K" }, { 705, 396, "K" } },
};

// The stable system's own points and temperatures in the complete view, red.
constexpr TextAt kRoteTexte[] = {
    { 380, 375, "738°C" }, { 380, 195, "1153°C" }, { 555, 78, "stabil" }, { 63, 378, "P´" },
    { 480, 190, "C´" }, { 590, 25, "D´" }, { 228, 206, "E´" }, { 700, 192, "F´" }, { 112, 368, "S´" },
    { 700, 376, "K´" },
};

// The solid solutions, in "Symbol": a α, g γ, d δ.
constexpr TextAt kBlaueSymbole[] = {
    { 180, 360, "g-MK+" }, { 70, 445, "a-MK" }, { 320, 280, "g-MK" }, { 55, 340, "a" }, { 54, 354, "g-MK" },
    { 57, 415, "a-MK" }, { 15, 80, "d-MK" }, { 130, 37, "+ d-MK" }, { 65, 88, "d+" }, { 58, 101, "g-MK" },
    { 105, 260, "g-MK" },
};

constexpr TextAt kStabileTexte[] = {
    { 53, 27, "A" }, { 100, 49, "B" }, { 483, 190, "C´" }, { 590, 25, "D´" }, { 225, 206, "E´" },
    { 720, 192, "F´" }, { 54, 295, "G" }, { 110, 368, "S´" }, { 100, 360, "O" }, { 40, 63, "H" },
    { 69, 75, "J" }, { 53, 120, "N" }, { 62, 376, "P´" }, { 54, 475, "Q" }, { 705, 475, "L" },
    { 705, 376, "K´" },
    { 76, 37, "Schmelze +" }, { 100, 240, "Austenit" }, { 420, 70, "Schmelze" }, { 180, 140, "Schmelze + Austenit" },
    { 550, 100, "Schmelze + Graphit" }, { 450, 290, " + Graphit" }, { 400, 425, " + Graphit" },
    { 70, 21, "=1536°C" }, { 113, 56, "=1493°C" }, { 67, 125, "=1392°C" }, { 60, 310, "911°C" },
    { 57, 364, "769°C" }, { 380, 375, "738°C" }, { 380, 195, "1153°C" },
};
constexpr TextAt kStabileSymbole[] = {
    { 55, 340, "a" }, { 54, 354, "g-MK" }, { 57, 415, "a-MK" }, { 4, 80, "d-MK" }, { 136, 37, "d-MK" },
    { 62, 88, "d+" }, { 54, 104, "g-MK" }, { 350, 290, "g-MK " }, { 300, 425, "a-MK " }, { 105, 260, "g-MK" },
};

// The plate: the metastable view's labels with these changes.
constexpr LabelEdit kPlatteTexte[] = {
    { { 70, 21, "=1536°C" }, { 70, 21, "1536°C" } },
    { { 160, 445, "Sekundärzementit" }, { 160, 449, "Sekundärzementit" } },
    { { 600, 135, "metastabil" }, {} },
};
constexpr LabelEdit kPlatteSymbole[] = {
    { { 105, 260, "g-MK" }, { 150, 240, "g-MK" } },
    { { 57, 415, "a-MK" }, {} },
};
// Ferrite is named beside the axis, white on the dark band, inside its click frame.
constexpr TextAt kFerritWeiss { 17, 415, "a-MK" };
// The leader runs from A up to its temperature.
constexpr TPoint kLeaderTo { 70, 30 };

// The click frames of the plate, as the corners of closed rectangles.
struct Frame {
    TPoint topLeft;
    TPoint bottomRight;
};
constexpr Frame kRahmenAustenit { { 95, 237 }, { 185, 257 } }; // "Austenit" and its "g-MK"
constexpr Frame kRahmenFerrit { { 15, 415 }, { 50, 430 } };
constexpr Frame kRahmenPerlit { { 115, 410 }, { 153, 430 } };
// clang-format on

constexpr FieldColours kCompleteField { kGelb, kSchwarz };
constexpr FieldColours kMetastableField { RGB(0xD7, 0xD7, 0xFF), kBlau };
constexpr FieldColours kStableField { RGB(0xFF, 0xE8, 0xE8), kRot };

std::vector<TextAt> all(std::span<const TextAt> texts)
{
    return { texts.begin(), texts.end() };
}

void drawFrame(TCanvas& c, const Frame& f)
{
    const TPoint corners[]
        = { f.topLeft, { f.bottomRight.X, f.topLeft.Y }, f.bottomRight, { f.topLeft.X, f.bottomRight.Y }, f.topLeft };
    draw(c, Polyline { corners });
}

} // namespace

// --- The picture, step by step ---------------------------------------------------------------

int bandY(int i)
{
    return Round(1.5 * i - 164);
}

TColor bandColor(int i)
{
    return RGB(580 - i, 0, 0);
}

void drawBackground(TCanvas& c, int width, int lastBand)
{
    c.Pen.SetStyle(psSolid);
    c.Pen.SetWidth(1);
    c.Pen.SetColor(kGelb);
    for (int y = 0; y <= 70; ++y) {
        c.MoveTo(0, y);
        c.LineTo(width, y);
    }
    for (int y = 70; y <= 325; ++y) {
        c.Pen.SetColor(RGB(255, 325 - y, 0));
        c.MoveTo(0, y);
        c.LineTo(width, y);
    }
    c.Pen.SetWidth(2);
    for (int i = kFirstBand; i <= lastBand; ++i) {
        c.Pen.SetColor(bandColor(i));
        c.MoveTo(0, bandY(i));
        c.LineTo(width, bandY(i));
    }
}

void drawField(TCanvas& c, TColor fill, TColor frame)
{
    c.Font.SetName(QStringLiteral("Times New Roman"));
    c.Font.SetHeight(15);
    c.Pen.SetWidth(2);
    c.Pen.SetColor(frame);
    c.Brush.SetColor(fill);
    c.Rectangle(kFieldLeft, kFieldTop, kFieldRight, kFieldBottom);
    c.Brush.SetStyle(bsClear);
}

void drawAxisTexts(TCanvas& c, int width, bool cementiteAxis)
{
    c.Font.SetColor(kWeiss);
    for (const TextAt& t : kTemperaturenWeiss)
        draw(c, t);
    c.Font.SetColor(kSchwarz);
    for (const TextAt& t : kTemperaturenSchwarz)
        draw(c, t);

    c.Font.SetColor(kWeiss);
    c.TextOut(37, 370, QStringLiteral("M"));
    // "0,0", "0,5" … "6,0" every half per cent, the text's left edge 8 pixels before its place.
    for (int i = 0; i <= 12; ++i)
        c.TextOut(42 + 50 * i, kCarbonAxisY, QStringLiteral("%1,%2").arg(i / 2).arg(i % 2 == 0 ? 0 : 5));
    textInside(c, width, 690, kCarbonAxisY, QStringLiteral("6,67 % Kohlenstoff"));
    if (!cementiteAxis)
        return;
    // Cementite in steps of 10 % every 67 pixels; the last three stand where they fit.
    for (int i = 0; i <= 7; ++i)
        c.TextOut(46 + 67 * i, kCementiteAxisY, QString::number(10 * i));
    c.TextOut(583, kCementiteAxisY, QStringLiteral("80"));
    c.TextOut(650, kCementiteAxisY, QStringLiteral("90"));
    textInside(c, width, 707, kCementiteAxisY, QStringLiteral("100 % Zementit"));
}

void drawLines(TCanvas& c, const Projection& p, std::span<const DiagramLine> lines, int dashWidth)
{
    for (const DiagramLine& l : lines) {
        c.Pen.SetColor(l.color);
        c.Pen.SetWidth(l.dash ? dashWidth : 2);
        c.Pen.SetStyle(l.dash ? psDash : psSolid);
        const std::vector<TPoint> points = pixelsOf(p, l.line);
        draw(c, Polyline { points });
    }
}

void drawTimesTexts(TCanvas& c, std::span<const TextAt> texts, TColor color)
{
    c.Font.SetName(QStringLiteral("Times New Roman"));
    c.Font.SetHeight(15);
    c.Font.SetColor(color);
    for (const TextAt& t : texts)
        draw(c, t);
}

void drawSymbolTexts(TCanvas& c, std::span<const TextAt> texts, TColor color)
{
    c.Font.SetName(QStringLiteral("Symbol"));
    c.Font.SetHeight(14);
    c.Font.SetColor(color);
    for (const TextAt& t : texts)
        draw(c, t);
}

// --- The views of the complete diagram -------------------------------------------------------

FieldColours fieldColours(View v)
{
    switch (v) {
    case View::Complete:
        return kCompleteField;
    case View::Metastable:
        return kMetastableField;
    case View::Stable:
        break;
    }
    return kStableField;
}

std::span<const DiagramLine> viewLines(View v)
{
    switch (v) {
    case View::Complete:
        return kCompleteLines;
    case View::Metastable:
        return std::span<const DiagramLine>(kCompleteLines).first(kMetastableLineCount);
    case View::Stable:
        break;
    }
    return kStableLines;
}

std::vector<LabelSet> viewLabels(View v)
{
    switch (v) {
    case View::Complete:
        return { { all(kBlaueTexte), kBlau, false }, { all(kRoteTexte), kRot, false },
            { all(kBlaueSymbole), kBlau, true } };
    case View::Metastable:
        return { { editedLabels(kBlaueTexte, kMetastabilVerschoben), kBlau, false },
            { all(kBlaueSymbole), kBlau, true } };
    case View::Stable:
        break;
    }
    return { { all(kStabileTexte), kDunkelrot, false }, { all(kStabileSymbole), kDunkelrot, true } };
}

void drawView(TCanvas& c, int width, int height, View v)
{
    c.Brush.SetColor(kGelb);
    c.Rectangle(0, 0, width, height);
    drawBackground(c, width, kLastBandComplete);
    const FieldColours field = fieldColours(v);
    drawField(c, field.fill, field.frame);
    drawAxisTexts(c, width, v != View::Stable);
    drawLines(c, diagramProjection(), viewLines(v), 2);
    for (const LabelSet& set : viewLabels(v)) {
        if (set.symbol)
            drawSymbolTexts(c, set.texts, set.color);
        else
            drawTimesTexts(c, set.texts, set.color);
    }
}

// --- The metastable plate --------------------------------------------------------------------

std::vector<TextAt> plateTimesLabels()
{
    return editedLabels(editedLabels(kBlaueTexte, kMetastabilVerschoben), kPlatteTexte);
}

std::vector<TextAt> plateSymbolLabels()
{
    return editedLabels(kBlaueSymbole, kPlatteSymbole);
}

void drawPlate(TCanvas& c, int width, int height, ClickFrames frames)
{
    c.Brush.SetColor(kGelb);
    c.Rectangle(0, 0, width, height);
    drawBackground(c, width, kLastBandComplete);
    drawField(c, kMetastableField.fill, kMetastableField.frame);
    drawAxisTexts(c, width, true);
    // Width 1 lets the dashed lines show their dashes, the gaps keeping the field's colour.
    drawLines(c, diagramProjection(), viewLines(View::Metastable), 1);
    drawTimesTexts(c, plateTimesLabels(), kSchwarz);
    // The leader from A to its temperature, with the pen the lines left (blue, width 1), solid.
    c.Pen.SetStyle(psSolid);
    const TPoint a = pixelOf(diagramProjection(), mek::Point::A);
    c.MoveTo(a.X, a.Y);
    c.LineTo(kLeaderTo.X, kLeaderTo.Y);
    drawSymbolTexts(c, plateSymbolLabels(), kSchwarz);
    drawSymbolTexts(c, std::span(&kFerritWeiss, 1), kWeiss);

    c.Pen.SetColor(kBlau);
    c.Pen.SetWidth(2);
    if (frames.austenit)
        drawFrame(c, kRahmenAustenit);
    if (frames.ferrit)
        drawFrame(c, kRahmenFerrit);
    if (frames.perlit)
        drawFrame(c, kRahmenPerlit);
}

} // namespace wb::ekd
