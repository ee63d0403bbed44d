// The iron–carbon diagram every lesson of the chapter draws: the characteristic points and lines, and the picture of
// the whole diagram in its complete, metastable and stable views and in the plain metastable plate that the
// austenite–ferrite–pearlite and micrograph-series lessons put their click areas on.
#pragma once

#include "diagrams/IronCarbonScale.h"
#include "framework/Canvas.h"
#include "framework/Figures.h"

#include <array>
#include <span>
#include <vector>

namespace wb::ekd {

// --- Field -----------------------------------------------------------------------------------

// The diagram field, as Rectangle takes it.
inline constexpr int kFieldLeft = 50;
inline constexpr int kFieldTop = 20;
inline constexpr int kFieldRight = 717;
inline constexpr int kFieldBottom = 493;

// --- Characteristic points (pixels of the diagram) -------------------------------------------

// Metastable system (iron–cementite).
inline constexpr TPoint kA { 50, 42 }; // melting point of iron, 1536 °C
inline constexpr TPoint kH { 60, 66 }; // 1493 °C
inline constexpr TPoint kJ { 72, 66 };
inline constexpr TPoint kB { 100, 66 };
inline constexpr TPoint kN { 50, 111 }; // 1392 °C
inline constexpr TPoint kG { 50, 316 }; // 911 °C
inline constexpr TPoint kO { 100, 377 }; // magnetic change, 769 °C
inline constexpr TPoint kP { 56, 395 }; // 723 °C
inline constexpr TPoint kS { 130, 395 };
inline constexpr TPoint kK { 717, 395 };
inline constexpr TPoint kQ { 50, 493 };
inline constexpr TPoint kL { 717, 493 };
inline constexpr TPoint kE { 256, 215 }; // 1147 °C
inline constexpr TPoint kC { 480, 215 };
inline constexpr TPoint kF { 717, 215 };
inline constexpr TPoint kD { 717, 140 }; // 1320 °C
// Stable system (iron–graphite).
inline constexpr TPoint kPs { 54, 390 }; // P´, 738 °C
inline constexpr TPoint kSs { 120, 390 }; // S´
inline constexpr TPoint kKs { 717, 390 }; // K´
inline constexpr TPoint kEs { 250, 210 }; // E´, 1153 °C
inline constexpr TPoint kCs { 470, 210 }; // C´
inline constexpr TPoint kFs { 717, 210 }; // F´
inline constexpr TPoint kDs { 590, 20 }; // D´, where the stable liquidus leaves the field

// --- Lines -----------------------------------------------------------------------------------

template <size_t N> using Points = std::array<TPoint, N>;

// The first `count` points of a line, then `end`: the stable lines that leave a metastable one
// towards their own point.
template <size_t N, size_t M> constexpr Points<N> prefixThen(const Points<M>& line, TPoint end)
{
    static_assert(N >= 2 && N - 1 <= M);
    Points<N> p {};
    for (size_t i = 0; i + 1 < N; ++i)
        p[i] = line[i];
    p[N - 1] = end;
    return p;
}

// `start`, then the points of a line from index `from` on.
template <size_t N, size_t M> constexpr Points<N> startThen(TPoint start, const Points<M>& line, size_t from)
{
    Points<N> p {};
    p[0] = start;
    for (size_t i = 1; i < N; ++i)
        p[i] = line[from + i - 1];
    return p;
}

// clang-format off
inline constexpr Points<2> kLinePSK { { kP, kK } };
inline constexpr Points<2> kLineQP { { kQ, kP } };
inline constexpr Points<2> kLinePG { { kP, kG } };
inline constexpr Points<2> kLineECF { { kE, kF } };
inline constexpr Points<7> kLineSE { { kS, { 151, 355 }, { 172, 320 }, { 193, 290 }, { 214, 262 }, { 235, 236 }, kE } };
inline constexpr Points<9> kLineSG { { kS, { 120, 390 }, { 110, 384 }, { 100, 376 }, { 90, 367 }, { 80, 357 },
                                       { 70, 346 }, { 60, 332 }, kG } };
inline constexpr Points<2> kLineHJB { { kH, kB } };
inline constexpr Points<19> kLineBC { { kB, { 130, 74 }, { 150, 79 }, { 170, 85 }, { 190, 91 }, { 210, 97 },
                                        { 230, 102 }, { 250, 108 }, { 270, 114 }, { 290, 121 }, { 310, 129 },
                                        { 330, 138 }, { 350, 148 }, { 370, 158 }, { 390, 168 }, { 410, 179 },
                                        { 430, 189 }, { 450, 200 }, kC } };
inline constexpr Points<13> kLineCD { { kC, { 500, 205 }, { 520, 196 }, { 540, 186 }, { 560, 178 }, { 580, 170 },
                                        { 600, 164 }, { 620, 159 }, { 640, 154 }, { 660, 150 }, { 680, 146 },
                                        { 700, 143 }, kD } };
inline constexpr Points<11> kLineJE { { kJ, { 90, 84 }, { 108, 101 }, { 126, 118 }, { 144, 135 }, { 162, 150 },
                                        { 180, 164 }, { 198, 178 }, { 216, 190 }, { 236, 202 }, kE } };
inline constexpr Points<2> kLineAH { { kA, kH } };
inline constexpr Points<2> kLineHN { { kH, kN } };
inline constexpr Points<2> kLineJN { { kJ, kN } };
// The liquidus from A ends two pixels beyond B, where it meets the horizontal.
inline constexpr Points<6> kLineAB { { kA, { 60, 45 }, { 70, 48 }, { 80, 52 }, { 87, 56 }, { 102, 66 } } };
inline constexpr Points<2> kLineCDown { { kC, { 480, 493 } } };
inline constexpr Points<2> kLineEDown { { kE, { 256, 493 } } };
inline constexpr Points<2> kLineSDown { { kS, { 130, 493 } } };
inline constexpr Points<2> kLineMO { { { 54, 377 }, kO } };

// Drawn from K´ towards the axis; it ends at the x of P, not of P´.
inline constexpr Points<2> kLinePsSsKs { { kKs, { 56, 390 } } };
inline constexpr Points<2> kLineEsCsFs { { kEs, kFs } };
inline constexpr Points<7> kLineSsEs { { kSs, { 135, 360 }, { 153, 330 }, { 172, 300 }, { 194, 270 }, { 220, 240 }, kEs } };
inline constexpr Points<11> kLineCsDs { { kCs, { 482, 190 }, { 494, 168 }, { 506, 147 }, { 518, 128 }, { 530, 108 },
                                          { 542, 90 }, { 554, 71 }, { 566, 53 }, { 578, 36 }, kDs } };
inline constexpr Points<2> kLineQPs { { kQ, kPs } };
inline constexpr Points<2> kLinePsG { { kPs, kG } };
// S´G follows SG from its third point (110, 384) on.
inline constexpr Points<8> kLineSsG = startThen<8>(kSs, kLineSG, 2);
// BC´ follows BC up to (430, 189), JE´ follows JE up to (236, 202).
inline constexpr Points<18> kLineBCs = prefixThen<18>(kLineBC, kCs);
inline constexpr Points<11> kLineJEs = prefixThen<11>(kLineJE, kEs);
// clang-format on

inline constexpr TColor kBlau = RGB(0x00, 0x00, 0xFF); // the metastable system
inline constexpr TColor kRot = RGB(0xFF, 0x00, 0x00); // the stable system
inline constexpr TColor kDunkelrot = RGB(0x64, 0x00, 0x00); // the labels of the stable view
inline constexpr TColor kSchwarz = RGB(0x00, 0x00, 0x00);
inline constexpr TColor kWeiss = RGB(0xFF, 0xFF, 0xFF);
inline constexpr TColor kGelb = RGB(0xFF, 0xFF, 0x00);

// A line of a view: its polyline, pen colour and whether it is drawn with the dashed pen (which
// shows solid at the width of 2 the complete views use).
struct DiagramLine {
    std::span<const TPoint> points;
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

// The lines with their colours, solid ones with a width-2 pen, dashed ones with `dashWidth`.
void drawLines(TCanvas& c, std::span<const DiagramLine> lines, int dashWidth);

// Texts in the font colour, in "Times New Roman" 15 or "Symbol" 14 (Latin letters show as
// Greek ones: a α, g γ, d δ).
void drawTimesTexts(TCanvas& c, std::span<const TextAt> texts, TColor color);
void drawSymbolTexts(TCanvas& c, std::span<const TextAt> texts, TColor color);

// --- The views of the complete diagram -------------------------------------------------------

enum class View { Complete, Metastable, Stable };

// The lines of a view in their drawing order.
std::span<const DiagramLine> viewLines(View v);
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
