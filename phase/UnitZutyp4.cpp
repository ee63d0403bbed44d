// Type 4 diagram (peritectic system): cooling of three alloys and the alpha-to-beta reaction in pictures.
#include "phase/UnitZutyp4.h"

#include "framework/Figures.h"
#include "resources/Pictures.h"

#include <iterator>

namespace wb {

TFormZuTyp4* FormZuTyp4 = nullptr;

namespace zutyp4 {

namespace {

// The diagram of the model, shown in the field.
constexpr phasefield::Projection kProjektion { model::typ4::tBottom, model::typ4::tTop };

} // namespace

void drawBoundaries(TCanvas& c)
{
    // Each curve from the point where the lesson lets it begin.
    using namespace model::typ4;
    const phasefield::Branch grenzen[] = {
        { { 20, 51 }, &liquidus, 20, 365 },
        { { 20, 51 }, &solidusA, 20, 112 },
        { { 66, 370 }, &solvusA, 66, 112 },
        { { 365, 180 }, &liquidusB, 365, 480 },
        { { 296, 180 }, &solidusB, 297, 480 },
        { { 296, 180 }, &solvusB, 298, 320 },
    };
    for (const phasefield::Branch& g : grenzen)
        phasefield::drawBranch(c, kProjektion, g);
    const model::Invariant& peritektikum = model::phaseDiagram(4).invariants[0];
    draw(c, kProjektion.line(peritektikum.t, peritektikum.right.w, peritektikum.left.w));
}

} // namespace zutyp4

namespace {

using namespace model::typ4;
using namespace typediagram;

// The common bounds of the two layers in the client area; the memo is placed from them.
constexpr int kBreite = 500;
constexpr int kHoehe = 500;
constexpr int kLinks = 270;
constexpr int kOben = 10;

// Every alloy's mark starts at 20 and steps by 4 while it is below 380; the run ends at 372,
// the first mark at or past 370.
constexpr int kStartMarke = 20;
constexpr MarkSteps kMarkeSchritte = { .feinBis = 380, .feinSchritt = 4 };
constexpr int kSchmelzeMarke = 32; // every alloy shows its melt
constexpr int kEndeMarke = 372;

// The alpha-to-beta pictures in the inset: 17 frames, then the inset's item goes off.
constexpr int kAinBLetztesBild = 16;
constexpr TPoint kAinBBild = { 380, 80 };

// clang-format off
constexpr const char* kMemo[] = {
    " Eine Reaktion, bei der eine Schmelze ",
    " mit Kristallen (z. B. Alpha-MK) zu einer",
    " neuen Kristallart (z. B. Beta-MK) umge-, ",
    " setzt wird, nennt man  eine peritektische",
    " Umsetzung.",
    " Schmelze + Alpha-MK --> Beta-MK",
    " Die Umsetzung (Bildung von Beta-MK)",
    " beginnt an der Öberfläche der zuerst",
    " ausgeschiedenen Alpha-MK.",
    " Dabei werden die Alpha-MK mit einer",
    " Hülle von Beta-MK umgeben",
    " (Peritektikum = das Herumgebaute).",
    " Desweiteren ist für dieses Zustands-",
    " schaubild charakteristisch, dass die ",
    " Erstarrungstemperatur der Komponente",
    " A durch die Komponente B erniedrigt",
    " wird, aber die Erstarrungstemperatur ",
    " von B durch A erhöht wird.",
    " ",
    " Die Grafik zeigt drei für diesen \"Typ\"",
    " charakteristische Erstarrungs- und",
    " Umwandlungsverhalten.",
    " Das oben rechts eingeschobene Recht-",
    " eck soll ein Versuch sein, die Alpha-",
    " Beta Umwandlung im Bereich der Peri-",
    " tektikalen besser darzustellen.",
};
static_assert(std::size(kMemo) == 26);

constexpr const char* kMemoL1[] = {
    " ----------------------------------------------------------",
    " Legierung 1: ",
    " Die Legierung 1 besteht kurz vor dem ",
    " erreichen der Peritektikalen aus  ca. ",
    " 64% Alpha-Mk und 36% Schmelze. ",
    " Nach der peritektischen Reaktion be- ",
    " steht die Legierung aus etwa 50%  ",
    " Alpha-Mk und 50% Beta-Mk. ",
};
constexpr const char* kMemoL2[] = {
    " ----------------------------------------------------------",
    " Legierung 2:",
    " Diese Legierungszusammensetzung  ",
    " besteht vor der peritektische Umwand- ",
    " lung aus ca. 27% ausgeschiedenen",
    " Alpha-MK und 73% Restschmelze. ",
    " Bei dieser Zusammensetzung erfolgt ",
    " die Umwandlung an der Peritektikalen",
    " vollständig zum Beta-MK.",
    " Dies bedeutet, dass zur vollständigen",
    " Umwandlung der Alpha- in Beta-MK ",
    " mindestens 73% Schmelze erforderlich",
    " sind.",
};
constexpr const char* kMemoL3[] = {
    " ----------------------------------------------------------",
    " Legierung 3: ",
    " Bei Raumtemperatur liegt bei dieser  ",
    " Legierung ein homogener Beta-MK vor.",
    " Während der Abkühlung scheiden ",
    " zunächst oberhalb  der  Peritektikalen",
    " Alpha-MKs aus, die dann während der ",
    " peritektischen Reaktion mit der Rest- ",
    " schmelze zu Beta-MKs umwandeln.",
};

// The labels of the fields and lines, in the paint box's own font (height -10).
constexpr TextAt kBereiche[] = {
    { 220, 75, "Schmelze" }, { 120, 120, "Schmelze" }, { 325, 184, "Schmelze" },
    { 415, 205, "Liquiduslinie" }, { 55, 55, "Liquiduslinie" },
    { 35, 155, "Soliduslinie" }, { 162, 180, "Peritektikale" },
    { 82, 350, "(Seg)" }, { 295, 350, "(Seg)" }, { 172, 260, "(Seg)" }, { 172, 280, "(Seg)" },
};
// The axes: their titles, the components and the concentration scale.
constexpr TextAt kAchsen[] = {
    { 22, 3, "Temperatur/T" }, { 210, 374, "Konzentration/C" },
    { 18, 370, "A" }, { 475, 370, "B" },
    { 10, 382, "0 %B" }, { 102, 382, " 20" }, { 194, 382, " 40" }, { 288, 382, " 60" }, { 380, 382, " 80" },
    { 447, 382, "100 %B" },
};
// In the "Symbol" face a and b show as alpha and beta.
constexpr TextAt kSymbolBeschriftung[] = {
    { 162, 240, "a-MK + b-MK" }, { 162, 260, "a" }, { 162, 280, "b" }, { 345, 200, "+ b - MK" },
    { 332, 240, "b - MK" }, { 120, 136, "+ a - MK" }, { 75, 310, "a" }, { 85, 330, "+" },
    { 303, 310, "b" }, { 300, 330, "+" }, { 72, 350, "b" }, { 285, 350, "a" },
};

// The inset for the alpha-to-beta pictures.
constexpr Box kEinschub = { 360, 60, 481, 170 };

// Dotted, from the ends of the alpha + beta field down to the bottom.
constexpr Segment kSenkrechte[] = { { { 112, 180 }, { 112, 370 } }, { { 296, 180 }, { 296, 370 } } };

// The tie lines through the alpha + melt field.
constexpr Konode kAlphaSchmelze[] = {
    //  y    xs   xl
    {  92,  43, 216 }, {  96,  46, 226 }, { 100,  48, 234 }, { 104,  51, 243 }, { 108,  53, 251 },
    { 112,  55, 259 }, { 116,  58, 266 }, { 120,  60, 273 }, { 124,  63, 280 }, { 128,  66, 287 },
    { 132,  69, 294 }, { 136,  72, 300 }, { 140,  74, 306 }, { 144,  77, 312 }, { 148,  80, 319 },
    { 152,  83, 325 }, { 156,  87, 331 }, { 160,  90, 337 }, { 164,  93, 342 }, { 168,  98, 347 },
    { 172, 103, 354 }, { 176, 108, 360 },
};
static_assert(std::size(kAlphaSchmelze) == 22);
// The tie lines through the alpha + beta field.
constexpr Konode kAlphaBeta[] = {
    //  y    xs   xl
    { 184, 109, 297 }, { 188, 106, 297 }, { 192, 104, 298 }, { 196, 102, 298 }, { 200, 100, 299 },
    { 204,  99, 299 }, { 208,  97, 300 }, { 212,  96, 301 }, { 216,  95, 302 }, { 220,  94, 303 },
    { 224,  93, 303 }, { 228,  92, 304 }, { 232,  91, 304 }, { 236,  90, 305 }, { 240,  89, 305 },
    { 244,  88, 306 }, { 248,  87, 306 }, { 252,  86, 307 }, { 256,  85, 307 }, { 260,  84, 308 },
    { 264,  83, 308 }, { 268,  82, 309 }, { 272,  81, 309 }, { 276,  80, 310 }, { 280,  80, 310 },
    { 284,  79, 311 }, { 288,  79, 311 }, { 292,  78, 312 }, { 296,  78, 312 }, { 300,  77, 313 },
    { 304,  77, 313 }, { 308,  76, 313 }, { 312,  76, 314 }, { 316,  75, 314 }, { 320,  74, 315 },
    { 324,  73, 315 }, { 328,  73, 315 }, { 332,  72, 316 }, { 336,  71, 316 }, { 340,  70, 316 },
    { 344,  69, 317 }, { 348,  69, 317 }, { 352,  68, 318 }, { 356,  68, 318 }, { 360,  67, 319 },
    { 364,  67, 319 },
};
static_assert(std::size(kAlphaBeta) == 46);
// The tie lines through the beta + melt field, met by L3 only.
constexpr Konode kBetaSchmelze[] = {
    //  y    xs   xl
    { 184, 304, 371 }, { 188, 309, 376 }, { 192, 315, 382 }, { 196, 321, 388 }, { 200, 328, 393 },
    { 204, 334, 399 },
};

// Where a field's last tie line goes without a successor.
constexpr int kLoeschenL1[] = { 180, 368 };
constexpr int kLoeschenL2[] = { 180, 368 };
constexpr int kLoeschenL3[] = { 180, 208 };

constexpr BildSchritt kBilderL1[] = {
    { 32 }, { 92 }, { 96 }, { 100 }, { 104 }, { 108 }, { 116 }, { 124 }, { 132 }, { 144 }, { 152 }, { 164 },
    { 172 }, { 180 }, { 184 }, { 216 }, { 244 }, { 276 }, { 308 }, { 336 }, { 368 },
};
static_assert(std::size(kBilderL1) == 21);
constexpr BildSchritt kBilderL2[] = {
    { 32 }, { 136 }, { 140 }, { 144 }, { 148 }, { 156 }, { 164 }, { 172 }, { 180 }, { 184 }, { 216 }, { 248 },
    { 276 }, { 308 }, { 340 }, { 368 },
};
static_assert(std::size(kBilderL2) == 16);
constexpr BildSchritt kBilderL3[] = {
    { 32 }, { 168 }, { 172 }, { 176 }, { 180 }, { 184 }, { 188 }, { 192 }, { 196 }, { 200 }, { 204 }, { 208 },
};
static_assert(std::size(kBilderL3) == 12);

// At the melt the alloy's lines go into the explanation and its pictures get a silver frame
// outlined in the alloy's colour, with the caption above it.
constexpr auto schmelze(Box r, int bildX)
{
    return bei(kSchmelzeMarke, memo(), rahmen(r), text({ bildX, 397, "Schmelze" }));
}

// What the marks bring on the main layer besides tie lines and pictures: captions under the
// pictures (on silver), lines and traced boundaries. The actions of a mark run in this order: the
// melt, the tie line, the erase, the picture, then these. L1 and L2 reach the solvus lines at
// the peritectic line alike.
constexpr Grenze kSolvusA = { { 66, 370 }, &solvusA, 66, 112 };
constexpr Grenze kSolvusB = { { 296, 180 }, &solvusB, 298, 320 };
// The peritectic line drawn for good when an alloy reaches it (the static picture draws it the
// other way round).
constexpr Segment kPeritektikaleErreicht = { { 112, 180 }, { 365, 180 } };
constexpr auto kDrehbuchL1 = drehbuch(
    schmelze({ 18, 415, 103, 497 }, 20),
    jeZeile(kAlphaSchmelze, konodenSchritt<>),
    jeZeile(kAlphaBeta, konodenSchritt<>),
    jeZeile(kLoeschenL1, loeschSchritt),
    jeZeile(kBilderL1, bildSchritt),
    bei(88, linie({ { 40, 88 }, { 204, 88 } }), grenze({ { 204, 88 }, &liquidus, 204, 365 }),
        grenze({ { 40, 88 }, &solidusA, 40, 112 })),
    bei(92, pinsel(clSilver), text({ 10, 397, "Alpha-MK+Schmelze" })),
    bei(180, linie(kPeritektikaleErreicht)),
    bei(184, pinsel(clSilver), text({ 10, 397, "Alpha-MK + Beta-MK" }), grenze(kSolvusA), grenze(kSolvusB)),
    bei(368, linie({ { 66, 368 }, { 320, 368 } })),
    bei(kEndeMarke, ende()));
// L2 meets the alpha + melt field from 136 on.
constexpr auto kDrehbuchL2 = drehbuch(
    schmelze({ 178, 415, 263, 497 }, 180),
    jeZeile<11>(kAlphaSchmelze, konodenSchritt<>),
    jeZeile(kAlphaBeta, konodenSchritt<>),
    jeZeile(kLoeschenL2, loeschSchritt),
    jeZeile(kBilderL2, bildSchritt),
    bei(132, linie({ { 69, 132 }, { 294, 132 } }), grenze({ { 294, 132 }, &liquidus, 294, 365 }),
        grenze({ { 69, 132 }, &solidusA, 69, 112 })),
    bei(136, pinsel(clSilver), text({ 165, 397, "Alpha-MK+Schm." })),
    bei(180, linie(kPeritektikaleErreicht)),
    bei(184, pinsel(clSilver), text({ 165, 397, "  Beta-MK + Alpha-Seg." }), grenze(kSolvusA), grenze(kSolvusB)),
    bei(368, linie({ { 66, 368 }, { 320, 368 } })),
    bei(kEndeMarke, ende()));
// L3 meets the alpha + melt field from 168 on. At 184 the liquidus and solidus of the beta + melt
// field are traced from their upper ends, where the curves begin, down to the alloy's line at 208.
constexpr auto kDrehbuchL3 = drehbuch(
    schmelze({ 338, 415, 423, 497 }, 340),
    jeZeile<19>(kAlphaSchmelze, konodenSchritt<>),
    jeZeile(kBetaSchmelze, konodenSchritt<>),
    jeZeile(kLoeschenL3, loeschSchritt),
    jeZeile(kBilderL3, bildSchritt),
    bei(164, linie({ { 95, 164 }, { 342, 164 } }), grenze({ { 342, 164 }, &liquidus, 342, 365 }),
        grenze({ { 93, 164 }, &solidusA, 93, 112 })),
    bei(168, pinsel(clSilver), text({ 340, 397, "Alpha-MK" })),
    bei(180, linie(kPeritektikaleErreicht)),
    bei(184, pinsel(clSilver), text({ 340, 397, " Beta-MK " }), grenze({ { 365, 180 }, &liquidusB, 365, 403 }),
        grenze({ { 298, 181 }, &solidusB, 298, 342 })),
    bei(208, linie({ { 342, 208 }, { 403, 208 } })),
    bei(kEndeMarke, ende()));

// An alloy: the look of its ticks and its run. The cooling line runs from 20 down to the mark
// and is drawn once more after the keyframes.
struct Legierungsdaten {
    TColor farbe;
    TextAt ueberschrift[2];
    Lauf lauf;
};
constexpr Legierungsdaten kLegierungen[] = {
    { clBlue, { { 130, 22, "L(1) 60% A" }, { 130, 37, "und 40% B" } },
      { kStartMarke, kMarkeSchritte, { .x = 204, .oben = 20 }, true, kDrehbuchL1, kMemoL1, { 20, 417 } } },
    { clPurple, { { 228, 22, "L(2) 40% A" }, { 228, 37, "und 60% B" } },
      { kStartMarke, kMarkeSchritte, { .x = 296, .oben = 20 }, true, kDrehbuchL2, kMemoL2, { 180, 417 } } },
    { clGreen, { { 350, 22, "L(3) 30% A" }, { 350, 37, "und 70% B" } },
      { kStartMarke, kMarkeSchritte, { .x = 342, .oben = 20 }, true, kDrehbuchL3, kMemoL3, { 340, 417 } } },
};
// clang-format on

} // namespace

namespace zutyp4 {

std::span<const TextAt> regionLabels()
{
    return kBereiche;
}

std::span<const TextAt> symbolLabels()
{
    return kSymbolBeschriftung;
}

std::span<const Segment> dottedLines()
{
    return kSenkrechte;
}

std::vector<typediagram::KonodenTabelle> konodenTabellen()
{
    using K = std::vector<typediagram::Konode>;
    return {
        { "alpha + melt", K(std::begin(kAlphaSchmelze), std::end(kAlphaSchmelze)) },
        { "alpha + beta", K(std::begin(kAlphaBeta), std::end(kAlphaBeta)) },
        { "L3, beta + melt", K(std::begin(kBetaSchmelze), std::end(kBetaSchmelze)) },
    };
}

} // namespace zutyp4

TFormZuTyp4::TFormZuTyp4()
    : TLessonForm(QStringLiteral("FormZuTyp4"),
        { .caption = QStringLiteral(
              "Zustandsschaubild mit begrenzter Löslichkeit im festen Zustand / peritektisches System (schematisch)"),
            .height = 605,
            .fontHeight = -10 })
    , m_laeufe({ zutyp4::kProjektion, PaintBoxHaupt.Canvas(), PaintBoxUmwandlung.Canvas(), nullptr, m_state.Konoden,
                   MemoErlaeuterung },
          {
              { &kLegierungen[0].lauf, &ImageListL1, &TimerL1, &m_state.MarkeL1, &m_state.BildNrL1, &StartL1 },
              { &kLegierungen[1].lauf, &ImageListL2, &TimerL2, &m_state.MarkeL2, &m_state.BildNrL2, &StartL2 },
              { &kLegierungen[2].lauf, &ImageListL3, &TimerL3, &m_state.MarkeL3, &m_state.BildNrL3, &StartL3 },
          })
{
    MemoErlaeuterung.SetColor(kMemoColor);
    for (TImageList* list : { &ImageListL1, &ImageListL2, &ImageListL3, &ImageListAinB })
        pictures::assignStrip(*list);

    // No FormClose on purpose: the close box stops and resets nothing, so running timers go on
    // unseen and the next opening continues from where they are.
}

void TFormZuTyp4::FormCreate()
{
    // Outer size and centring are done by the lesson base before this runs.
    for (TPaintBox* box : { &PaintBoxUmwandlung, &PaintBoxHaupt })
        box->SetBounds(kLinks, kOben, kBreite, kHoehe);
    MemoErlaeuterung.SetBounds(kLinks - 263, kOben - 1, 263, kHoehe + 1);

    // The paint handler and the ticks replace these before anything is drawn with them.
    TCanvas& haupt = PaintBoxHaupt.Canvas();
    haupt.Pen.SetWidth(2);
    haupt.Pen.SetColor(clSilver);
    TCanvas& konode = PaintBoxUmwandlung.Canvas();
    konode.Pen.SetWidth(2);
    konode.Pen.SetColor(clRed);
}

void TFormZuTyp4::PaintBoxHauptPaint()
{
    // Every repaint writes the base text again: the alloys' appended lines are gone with it.
    typediagram::zeigeGrundtext(MemoErlaeuterung, kMemo);

    TCanvas& c = PaintBoxHaupt.Canvas();
    phasefield::drawGround(c, kBreite, kHoehe);
    // Outlined with the pen the bands left: 1 pixel, the darkest red.
    c.Brush.SetColor(clWhite);
    draw(c, kEinschub);

    c.Brush.SetStyle(bsClear);
    c.Font.SetName(QStringLiteral("Ms Sans Serif"));
    c.Font.SetColor(clBlack);
    drawAll(c, kBereiche);
    drawAll(c, kAchsen);
    c.Font.SetName(QStringLiteral("Symbol"));
    c.Font.SetHeight(14);
    drawAll(c, kSymbolBeschriftung);

    c.Pen.SetColor(clSilver);
    c.Pen.SetWidth(2);
    zutyp4::drawBoundaries(c);
    c.Pen.SetWidth(1);
    c.Pen.SetStyle(psDot);
    drawAll(c, kSenkrechte);
    c.Pen.SetStyle(psSolid);
    c.Pen.SetColor(clRed);
    // The canvas keeps "Symbol" at height 14: the ticks set the name back, so the runs' texts
    // come out at height 14.
}

void TFormZuTyp4::tick(int i)
{
    const Legierungsdaten& l = kLegierungen[i];
    typediagram::legierungsStil(PaintBoxHaupt.Canvas(), PaintBoxUmwandlung.Canvas(), l.farbe, l.ueberschrift);
    m_laeufe.tick(i);
}

void TFormZuTyp4::TimerL1Timer()
{
    tick(0);
}

void TFormZuTyp4::TimerL2Timer()
{
    tick(1);
}

void TFormZuTyp4::TimerL3Timer()
{
    tick(2);
}

void TFormZuTyp4::TimerAinBTimer()
{
    TCanvas& haupt = PaintBoxHaupt.Canvas();
    haupt.Font.SetName(QStringLiteral("Ms Sans Serif"));
    haupt.Brush.SetColor(clBlack);
    haupt.Font.SetColor(clWhite);
    draw(haupt, TextAt { 372, 62, " Umwandlung " });
    TCanvas& konode = PaintBoxUmwandlung.Canvas();
    konode.Brush.SetColor(clBlack);
    konode.Font.SetColor(clWhite);
    konode.Font.SetName(QStringLiteral("Symbol"));
    konode.Font.SetHeight(14);
    draw(konode, TextAt { 438, 62, " a --> b " });
    const bool letztes = m_state.BildNrAinB == kAinBLetztesBild;
    ImageListAinB.Draw(haupt, kAinBBild.X, kAinBBild.Y, m_state.BildNrAinB);
    ++m_state.BildNrAinB;
    if (letztes) {
        AinB.SetEnabled(false);
        TimerAinB.SetEnabled(false);
    }
}

void TFormZuTyp4::StartL1Click()
{
    m_laeufe.startStop(0);
}

void TFormZuTyp4::StartL2Click()
{
    m_laeufe.startStop(1);
}

void TFormZuTyp4::StartL3Click()
{
    m_laeufe.startStop(2);
}

void TFormZuTyp4::AinBClick()
{
    // The inset runs on its own: the alloys' items stay as they are.
    TimerAinB.SetEnabled(!TimerAinB.Enabled());
}

void TFormZuTyp4::NeuClick()
{
    Refresh();
    m_laeufe.reset();
    AinB.SetEnabled(true);
    TimerAinB.SetEnabled(false);
    m_state.restartRuns();
}

void TFormZuTyp4::EndeClick()
{
    NeuClick();
    Close();
}

void TFormZuTyp4::ESCAPEClick()
{
    NeuClick();
    Close();
}

} // namespace wb
