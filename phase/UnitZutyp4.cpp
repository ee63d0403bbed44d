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

int liquidus(int x)
{
    return kProjektion.curveY(model::typ4::liquidus, x);
}

int liquidusB(int x)
{
    return kProjektion.curveY(model::typ4::liquidusB, x);
}

int solidusA(int x)
{
    return kProjektion.curveY(model::typ4::solidusA, x);
}

int solvusA(int x)
{
    return kProjektion.curveY(model::typ4::solvusA, x);
}

int solidusB(int x)
{
    return kProjektion.curveY(model::typ4::solidusB, x);
}

int solvusB(int x)
{
    return kProjektion.curveY(model::typ4::solvusB, x);
}

} // namespace zutyp4

namespace {

using namespace zutyp4;
using typediagram::BildSchritt;
using typediagram::Keyframe;
using typediagram::kFeldLinks;
using typediagram::kFeldOben;
using typediagram::kFeldRechts;
using typediagram::kFeldUnten;
using typediagram::Konode;
using typediagram::KonodenFeld;

// The common bounds of the two layers in the client area; the memo is placed from them.
constexpr int kBreite = 500;
constexpr int kHoehe = 500;
constexpr int kLinks = 270;
constexpr int kOben = 10;

constexpr TColor kFeldFarbe = RGB(0xA6, 0xA6, 0xFF); // around the diagram field

// Every alloy's mark starts at 20 and steps by 4 while it is below 380; the run ends at 372,
// the first mark at or past 370.
constexpr int kStartMarke = 20;
constexpr typediagram::MarkSteps kMarkeSchritte = { .feinBis = 380, .feinSchritt = 4 };
constexpr int kSchmelzeMarke = 32; // every alloy shows its melt
constexpr int kEndeAb = 370;

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

// The static picture's labels, in the paint box's own font (height -10).
constexpr TextAt kBeschriftung[] = {
    { 220, 75, "Schmelze" }, { 120, 120, "Schmelze" }, { 325, 184, "Schmelze" },
    { 415, 205, "Liquiduslinie" }, { 55, 55, "Liquiduslinie" },
    { 35, 155, "Soliduslinie" }, { 162, 180, "Peritektikale" },
    { 82, 350, "(Seg)" }, { 295, 350, "(Seg)" }, { 172, 260, "(Seg)" }, { 172, 280, "(Seg)" },
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

// The phase boundaries of the static picture, silver.
constexpr typediagram::Trace kGrenzen[] = {
    { liquidus, { 20, 51 }, 20, 365 },
    { solidusA, { 20, 51 }, 20, 112 },
    { solvusA, { 66, 370 }, 66, 112 },
    { liquidusB, { 365, 180 }, 365, 480 },
    { solidusB, { 296, 180 }, 297, 480 },
    { solvusB, { 296, 180 }, 298, 320 },
};
constexpr Segment kPeritektikale = { { 365, 180 }, { 112, 180 } };
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

// L2 meets the alpha + melt field from 136 on, L3 from 168 on.
constexpr KonodenFeld kFelderL1[] = { { kAlphaSchmelze }, { kAlphaBeta } };
constexpr KonodenFeld kFelderL2[] = { { std::span(kAlphaSchmelze).subspan(11) }, { kAlphaBeta } };
constexpr KonodenFeld kFelderL3[] = { { std::span(kAlphaSchmelze).subspan(19) }, { kBetaSchmelze } };

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

// The solvus lines reached at the peritectic line, the same for L1 and L2.
constexpr typediagram::Trace kSolvusA = { solvusA, { 66, 370 }, 66, 112 };
constexpr typediagram::Trace kSolvusB = { solvusB, { 296, 180 }, 298, 320 };

constexpr Keyframe kKeyframesL1[] = {
    { 88, {}, { { { 40, 88 }, { 204, 88 } } },
      { { liquidus, { 204, 88 }, 204, 365 }, { solidusA, { 40, 88 }, 40, 112 } } },
    { 92, { 10, 397, "Alpha-MK+Schmelze" } },
    { 180, {}, { { { 112, 180 }, { 365, 180 } } } },
    { 184, { 10, 397, "Alpha-MK + Beta-MK" }, {}, { kSolvusA, kSolvusB } },
    { 368, {}, { { { 66, 368 }, { 320, 368 } } } },
};
constexpr Keyframe kKeyframesL2[] = {
    { 132, {}, { { { 69, 132 }, { 294, 132 } } },
      { { liquidus, { 294, 132 }, 294, 365 }, { solidusA, { 69, 132 }, 69, 112 } } },
    { 136, { 165, 397, "Alpha-MK+Schm." } },
    { 180, {}, { { { 112, 180 }, { 365, 180 } } } },
    { 184, { 165, 397, "  Beta-MK + Alpha-Seg." }, {}, { kSolvusA, kSolvusB } },
    { 368, {}, { { { 66, 368 }, { 320, 368 } } } },
};
// At 184 the liquidus and solidus of the beta + melt field are traced from their upper ends,
// where the curves begin, down to the alloy's line at 208.
constexpr Keyframe kKeyframesL3[] = {
    { 164, {}, { { { 95, 164 }, { 342, 164 } } },
      { { liquidus, { 342, 164 }, 342, 365 }, { solidusA, { 93, 164 }, 93, 112 } } },
    { 168, { 340, 397, "Alpha-MK" } },
    { 180, {}, { { { 112, 180 }, { 365, 180 } } } },
    { 184, { 340, 397, " Beta-MK " }, {},
      { { liquidusB, { 365, 180 }, 365, 403 }, { solidusB, { 298, 181 }, 298, 342 } } },
    { 208, {}, { { { 342, 208 }, { 403, 208 } } } },
};
// clang-format on

} // namespace

struct TFormZuTyp4::Legierung {
    int index; // in the start items
    TColor farbe;
    TextAt ueberschrift[2];
    int x; // the alloy line
    TPoint bild; // top-left of its pictures
    Box rahmen; // around the pictures, silver with the alloy's outline
    std::span<const char* const> memo;
    TImageList TFormZuTyp4::*bilder;
    typediagram::AlloyScript script;
};

namespace {

// clang-format off
const TFormZuTyp4::Legierung kL1 = {
    0, clBlue, { { 130, 22, "L(1) 60% A" }, { 130, 37, "und 40% B" } }, 204, { 20, 417 }, { 18, 415, 103, 497 },
    kMemoL1, &TFormZuTyp4::ImageListL1, { kFelderL1, kLoeschenL1, kBilderL1, kKeyframesL1 },
};
const TFormZuTyp4::Legierung kL2 = {
    1, clPurple, { { 228, 22, "L(2) 40% A" }, { 228, 37, "und 60% B" } }, 296, { 180, 417 }, { 178, 415, 263, 497 },
    kMemoL2, &TFormZuTyp4::ImageListL2, { kFelderL2, kLoeschenL2, kBilderL2, kKeyframesL2 },
};
const TFormZuTyp4::Legierung kL3 = {
    2, clGreen, { { 350, 22, "L(3) 30% A" }, { 350, 37, "und 70% B" } }, 342, { 340, 417 }, { 338, 415, 423, 497 },
    kMemoL3, &TFormZuTyp4::ImageListL3, { kFelderL3, kLoeschenL3, kBilderL3, kKeyframesL3 },
};
// clang-format on

} // namespace

TFormZuTyp4::TFormZuTyp4()
    : TLessonForm(QStringLiteral("FormZuTyp4"),
        { .caption = QStringLiteral(
              "Zustandsschaubild mit begrenzter Löslichkeit im festen Zustand / peritektisches System (schematisch)"),
            .height = 605,
            .fontHeight = -10 })
    , m_alloys {
        { &StartL1, &TimerL1, &m_state.MarkeL1, kStartMarke },
        { &StartL2, &TimerL2, &m_state.MarkeL2, kStartMarke },
        { &StartL3, &TimerL3, &m_state.MarkeL3, kStartMarke },
    }
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
    MemoErlaeuterung.Font.SetHeight(18);
    // With an alloy's lines appended the text is longer than the memo is high: a vertical
    // scroll bar, so that every line can be read, and a horizontal one for the long lines.
    MemoErlaeuterung.SetScrollBars(ssBoth);
    MemoErlaeuterung.Lines.setTable(kMemo);

    TCanvas& c = PaintBoxHaupt.Canvas();
    c.Brush.SetColor(kFeldFarbe);
    c.Pen.SetColor(clWhite);
    c.Rectangle(0, 0, kBreite, kHoehe);
    c.Brush.SetColor(clWhite);
    c.Rectangle(kFeldLinks, kFeldOben, kFeldRechts + 1, kFeldUnten);
    typediagram::drawBands(c);
    // Outlined with the pen the bands left: 1 pixel, the darkest red.
    c.Brush.SetColor(clWhite);
    draw(c, kEinschub);

    c.Brush.SetStyle(bsClear);
    c.Font.SetName(QStringLiteral("Ms Sans Serif"));
    c.Font.SetColor(clBlack);
    drawAll(c, kBeschriftung);
    c.Font.SetName(QStringLiteral("Symbol"));
    c.Font.SetHeight(14);
    drawAll(c, kSymbolBeschriftung);

    c.Pen.SetColor(clSilver);
    c.Pen.SetWidth(2);
    drawAll(c, kGrenzen);
    draw(c, kPeritektikale);
    c.Pen.SetWidth(1);
    c.Pen.SetStyle(psDot);
    drawAll(c, kSenkrechte);
    c.Pen.SetStyle(psSolid);
    c.Pen.SetColor(clRed);
    // The canvas keeps "Symbol" at height 14: the ticks set the name back, so the runs' texts
    // come out at height 14.
}

void TFormZuTyp4::tick(const Legierung& l, int& marke, int& bildNr)
{
    TCanvas& haupt = PaintBoxHaupt.Canvas();
    haupt.Font.SetName(QStringLiteral("Ms Sans Serif"));
    haupt.Brush.SetColor(clSilver);
    haupt.Font.SetColor(l.farbe);
    haupt.Pen.SetColor(l.farbe);
    haupt.Pen.SetWidth(3);
    drawAll(haupt, l.ueberschrift);
    TCanvas& konode = PaintBoxUmwandlung.Canvas();
    konode.Pen.SetWidth(2);
    konode.Pen.SetColor(l.farbe);
    konode.Pen.SetMode(pmNotXor);

    const typediagram::MarkStep step = typediagram::stepMark(marke, kMarkeSchritte);
    const bool schreitet = step.count > 0;
    if (schreitet) {
        marke = step.last();
        draw(haupt, Segment { { l.x, kStartMarke }, { l.x, marke } });
    }

    if (marke == kSchmelzeMarke) {
        typediagram::appendLines(MemoErlaeuterung, l.memo);
        draw(haupt, l.rahmen);
        draw(haupt, TextAt { l.bild.X, 397, "Schmelze" });
    }
    typediagram::playKeyframes(l.script, marke, { haupt, konode, m_state.Konoden, this->*l.bilder, l.bild, bildNr });
    if (schreitet)
        draw(haupt, Segment { { l.x, kStartMarke }, { l.x, marke } });
    if (marke >= kEndeAb)
        typediagram::finishRun(m_alloys, l.index);
}

void TFormZuTyp4::TimerL1Timer()
{
    tick(kL1, m_state.MarkeL1, m_state.BildNrL1);
}

void TFormZuTyp4::TimerL2Timer()
{
    tick(kL2, m_state.MarkeL2, m_state.BildNrL2);
}

void TFormZuTyp4::TimerL3Timer()
{
    tick(kL3, m_state.MarkeL3, m_state.BildNrL3);
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
    typediagram::drawNextFrame(ImageListAinB, haupt, kAinBBild.X, kAinBBild.Y, m_state.BildNrAinB);
    if (letztes) {
        AinB.SetEnabled(false);
        TimerAinB.SetEnabled(false);
    }
}

void TFormZuTyp4::StartL1Click()
{
    typediagram::startStop(m_alloys, kL1.index);
}

void TFormZuTyp4::StartL2Click()
{
    typediagram::startStop(m_alloys, kL2.index);
}

void TFormZuTyp4::StartL3Click()
{
    typediagram::startStop(m_alloys, kL3.index);
}

void TFormZuTyp4::AinBClick()
{
    // The inset runs on its own: the alloys' items stay as they are.
    TimerAinB.SetEnabled(!TimerAinB.Enabled());
}

void TFormZuTyp4::NeuClick()
{
    Refresh();
    typediagram::resetRuns(m_alloys);
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
