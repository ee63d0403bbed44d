// The iron–carbon diagram every lesson of the chapter draws: the characteristic points and lines, and the picture of
// the whole diagram in its complete, metastable and stable views and in the plain metastable plate that the
// austenite–ferrite–pearlite and micrograph-series lessons put their click areas on.
#pragma once

#include "diagrams/IronCarbonScale.h"
#include "framework/Canvas.h"
#include "framework/Figures.h"

#include <span>
#include <vector>

namespace wb::ekd {

// --- Field -----------------------------------------------------------------------------------

// The diagram field, as Rectangle takes it.
inline constexpr int kFieldLeft = 50;
inline constexpr int kFieldTop = 20;
inline constexpr int kFieldRight = 717;
inline constexpr int kFieldBottom = 493;

// The diagram's points and lines are the model's (model/IronCarbon.h), put on the pixels by
// diagramProjection() (diagrams/IronCarbonScale.h).
namespace mek = model::ekd;

inline constexpr TColor kBlau = RGB(0x00, 0x00, 0xFF); // the metastable system
inline constexpr TColor kRot = RGB(0xFF, 0x00, 0x00); // the stable system
inline constexpr TColor kDunkelrot = RGB(0x64, 0x00, 0x00); // the labels of the stable view
inline constexpr TColor kSchwarz = RGB(0x00, 0x00, 0x00);
inline constexpr TColor kWeiss = RGB(0xFF, 0xFF, 0xFF);
inline constexpr TColor kGelb = RGB(0xFF, 0xFF, 0x00);

// A line of a view: the model's line, pen colour and whether it is drawn with the dashed pen
// (which shows solid at the width of 2 the complete views use).
struct DiagramLine {
    mek::Line line;
    TColor color;
    bool dash = false;
};

// --- Texts -----------------------------------------------------------------------------------

// The same label: place and text.
bool sameLabel(const TextAt& a, const TextAt& b);

// A label that one view moves, rewrites or leaves out: the label `from` of the base table
// becomes `to`; a `to` without text drops it. Every edit must match exactly one label.
struct LabelEdit {
    TextAt from;
    TextAt to;
};

// The base table with the edits applied, in the base table's order.
std::vector<TextAt> editedLabels(std::span<const TextAt> base, std::span<const LabelEdit> edits);

// --- The picture, step by step ---------------------------------------------------------------

// The dark red bands under the field: band i (325 … the form's last band) is a line of width 2
// at y = Round(1.5 i − 164) in red 580 − i. Odd bands lie on exact halves and round to even.
inline constexpr int kFirstBand = 325;
inline constexpr int kLastBandComplete = 466; // reaches y = 535, the bottom of the 536-pixel box
int bandY(int i);
TColor bandColor(int i);

// The background from x = 0 to `width`: rows 0 … 70 yellow, 70 … 325 from yellow to red (green
// 325 − y), then the dark red bands up to `lastBand`. The pen is left at width 2 in the last
// band's colour.
void drawBackground(TCanvas& c, int width, int lastBand);

// The field of a view: Times New Roman 15 for the texts to come, pen width 2 in `frame`, the
// field filled with `fill`; the brush is cleared for the texts that follow.
void drawField(TCanvas& c, TColor fill, TColor frame);

// The axis texts: temperatures, "M", the carbon axis and, with the cementite scale, the
// percentages of cementite under it; the last text of each axis stays inside `width`.
void drawAxisTexts(TCanvas& c, int width, bool cementiteAxis);

// The lines with their colours as the projection puts them, solid ones with a width-2 pen, dashed
// ones with `dashWidth`.
void drawLines(TCanvas& c, const Projection& p, std::span<const DiagramLine> lines, int dashWidth);

// Texts in the font colour, in "Times New Roman" 15 or "Symbol" 14 (Latin letters show as
// Greek ones: a α, g γ, d δ).
void drawTimesTexts(TCanvas& c, std::span<const TextAt> texts, TColor color);
void drawSymbolTexts(TCanvas& c, std::span<const TextAt> texts, TColor color);

// --- The views of the complete diagram -------------------------------------------------------

enum class View { Complete, Metastable, Stable };

// The lines of a view in their drawing order.
std::span<const DiagramLine> viewLines(View v);
// The field's fill and frame in a view: yellow framed black, light blue framed blue, pink framed red.
struct FieldColours {
    TColor fill;
    TColor frame;
};
FieldColours fieldColours(View v);
// The labels of a view: in "Times New Roman" and in "Symbol", each with its colour.
struct LabelSet {
    std::vector<TextAt> texts;
    TColor color;
    bool symbol;
};
std::vector<LabelSet> viewLabels(View v);

// A whole view on a box of width × height: a yellow rectangle over the box, the background,
// the field in the view's colours, the axis texts, the lines and the labels.
void drawView(TCanvas& c, int width, int height, View v);

// --- The metastable plate --------------------------------------------------------------------

// The click frames the plate can carry.
struct ClickFrames {
    bool austenit = false;
    bool ferrit = false;
    bool perlit = false;
};
// The metastable view drawn as a plate to click on: dashed lines of width 1, so that they show
// dashed, all field labels black, "1536°C" with a leader line to A, the "a-MK" of ferrite white
// beside the axis, and blue frames around the labels that open something.
void drawPlate(TCanvas& c, int width, int height, ClickFrames frames);

// The labels of the plate: the metastable view's, edited.
std::vector<TextAt> plateTimesLabels();
std::vector<TextAt> plateSymbolLabels();

} // namespace wb::ekd
