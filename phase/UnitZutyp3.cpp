// Type 3 diagram (eutectic system with limited solid solubility): cooling of four alloys across the diagram.
#include "phase/UnitZutyp3.h"

#include "framework/Figures.h"
#include "resources/Pictures.h"

#include <iterator>

namespace wb {

TFormZuTyp3* FormZuTyp3 = nullptr;

namespace zutyp3 {

namespace {

// The diagram of the model, shown in the field.
constexpr phasefield::Projection kProjektion { model::typ3::tBottom, model::typ3::tTop };

} // namespace

void drawBoundaries(TCanvas& c)
{
    // Each curve from the point where the lesson lets it begin.
    using namespace model::typ3;
    const phasefield::Branch grenzen[] = {
        { { 20, 58 }, &liquidusA, 20, 296 },
        { { 20, 58 }, &solidusA, 20, 112 },
        { { 89, 370 }, &solvusA, 89, 112 },
        { { 296, 222 }, &liquidusB, 296, 480 },
        { { 434, 222 }, &solidusB, 434, 480 },
        { { 434, 222 }, &solvusB, 434, 457 },
    };
    for (const phasefield::Branch& g : grenzen)
        phasefield::drawBranch(c, kProjektion, g);
    const model::Invariant& eutektikum = model::phaseDiagram(3).invariants[0];
    draw(c, kProjektion.line(eutektikum.t, eutektikum.left.w, eutektikum.right.w));
}

} // namespace zutyp3

namespace {

using namespace model::typ3;
using namespace typediagram;

// The common bounds of the two layers in the client area; the memo is placed from them.
constexpr int kBreite = 490;
constexpr int kHoehe = 500;
constexpr int kLinks = 270;
constexpr int kOben = 10;

// Every alloy's mark starts at 19 and steps by 4 while it is below the alloy's limit; every run
// ends at 371.
constexpr int kStartMarke = 19;
constexpr int kSchritt = 4;
constexpr int kSchmelzeMarke = 31; // every alloy shows its melt
constexpr int kEndeMarke = 371;

// clang-format off
constexpr const char* kMemo[] = {
    " Bei diesem Zustandsdiagramm entsteht ",
    " ein eutektischer Erstarrungstyp (Punkt C),",
    " wobei die Erstarrungspunkte der beiden",
    " Komponenten durch den Zusatz der zweiten",
    " erniedrigt wird (Liquiduslinie = V-Form).",
    " Dies bedeutet, dass Legierungen zwischen ",
    " den Punkten D und E ihrer jeweiligen Zu-",
    " sammensetzung  entsprechend  ein Eutek- ",
    " tikum neben dem Mischkristall aufweisen.",
    " Außerdem  kommt  es  nach dem  Unter-",
    " schreiten der Eutektikalen (Linie D - E) bei",
    " Legierungen, deren Zusammensetzung in",
    " diesem Bereich liegen, zu Ausscheidungen",
    " fester Bestandteile (Segregat).",
    " ",
    " Einschränkend  wird  festgestellt, dass",
    " Legierungen mit Zusammensetzungen in",
    " der Nähe der reinen Komponenten A und B",
    " aufgrund ihres  Lösungsvermögens  der ",
    " jeweils  anderen  Komponente  zu einem ",
    " homogenen Mischkristall erstarren.",
    " ",
    " Die Grafik zeigt vier für diesen \"Typ\"",
    " charakteristische Erstarrungsverhalten",
    " von Legierungen unterschiedlicher Konzen-",
    " tration der Komponenten A und B.",
};
static_assert(std::size(kMemo) == 26);

constexpr const char* kMemoL1[] = {
    " ----------------------------------------------------------",
    " Legierung 1: ",
    " Nach Unterschreiten der Liquiduslinie ",
    " scheiden Alpha-MK aus der Schmelze aus. ",
    " Nach der Erstarrung liegt ein homogener ",
    " Alpha-MK vor. Dieser Zustand bleibt bei  ",
    " weiterer Abkühlung bestehen. ",
};
constexpr const char* kMemoL2[] = {
    " ----------------------------------------------------------",
    " Legierung 2:",
    " Zunächst scheiden unterhalb der Liquidus-",
    " linie solange Alpha-MK aus, bis die Rest-",
    " schmelze die eutektische Zusammen-",
    " setzung (60% B,40% A) erreicht und zum",
    " Eutektikum erstarrt.",
    " Bei weiterer Abkühlung scheiden Beta-",
    " Segregate aus.",
};
constexpr const char* kMemoL3[] = {
    " ----------------------------------------------------------",
    " Legierung 3: ",
    " Diese Legierung hat hier die eutektische Zu-",
    " sammensetzung (60% B, 40% A), d. h. nach",
    " dem Unterschreiten der Eutektikalen erstarrt",
    " die Legierung sofort vollständig zum fein-",
    " körnigen Eutektikum.",
    " Eutektische Reaktion bei T = const.",
    "    Schmelze --> Alpha-MK + Beta-MK",
};
constexpr const char* kMemoL4[] = {
    " ----------------------------------------------------------",
    " Legierung 4: ",
    " Nachdem die Schmelze erstarrt ist, besteht",
    " die gesamte Legierung aus homogenen ",
    " Beta-MK. ",
    " Bei weiterer Abkühlung kann der Beta-MK ",
    " nicht mehr die gesamte Menge A lösen, so ",
    " dass nach Unterschreiten der nächsten ",
    " Löslichkeitsgrenze A-reiche Alpha-MK",
    " ausscheiden.",
};

// The labels of the fields and lines, in the paint box's own font (height -10).
constexpr TextAt kBereiche[] = {
    { 220, 75, "Schmelze" }, { 120, 160, "Schmelze" }, { 385, 160, "Schmelze" },
    { 232, 227, "Eutektikum" },
    { 400, 95, "Liquiduslinie" }, { 55, 55, "Liquiduslinie" },
    { 27, 155, "Solidus." },
    { 162, 270, "Eutek." }, { 340, 270, "Eutek." },
    { 96, 330, "+" }, { 440, 330, "+" },
    { 170, 290, "(Seg)" }, { 350, 290, "(Seg)" }, { 105, 350, "(Seg)" }, { 427, 350, "(Seg)" },
    { 95, 218, "D" }, { 295, 200, "C" }, { 440, 218, "E" },
};
// The axes: their titles, the components and the concentration scale.
constexpr TextAt kAchsen[] = {
    { 22, 3, "Temperatur/T" }, { 210, 374, "Konzentration/C" },
    { 22, 370, "A" }, { 475, 370, "B" },
    { 22, 385, "0 %B" }, { 102, 385, " 20" }, { 194, 385, " 40" }, { 288, 385, " 60" }, { 380, 385, " 80" },
    { 447, 385, "100 %B" },
};
// In the "Symbol" face a and b show as alpha and beta.
constexpr TextAt kSymbolBeschriftung[] = {
    { 120, 176, "+a - MK" }, { 380, 176, "+ b - MK" }, { 440, 230, "b-MK" },
    { 32, 250, "a-MK" }, { 162, 250, "a-MK" }, { 162, 290, "b" },
    { 340, 250, "b-MK" }, { 340, 290, "a" },
    { 97, 310, "a" }, { 96, 350, "b" }, { 439, 310, "b" }, { 417, 350, "a" },
};

// Dotted, from D, C and E down to the bottom of the field.
constexpr Segment kSenkrechte[] = {
    { { 112, 222 }, { 112, 370 } }, { { 296, 222 }, { 296, 370 } }, { { 434, 222 }, { 434, 370 } },
};

// The tie lines through the alpha + melt field met by L1, at the mark's own height.
constexpr Konode kKonodenL1[] = {
    //  y   xs   xl
    {  71, 26,  60 }, {  75, 28,  72 }, {  79, 30,  83 }, {  83, 31,  93 }, {  87, 32, 102 },
    {  91, 34, 111 }, {  95, 36, 120 }, {  99, 38, 128 }, { 103, 40, 134 }, { 107, 41, 142 },
    { 111, 43, 149 }, { 115, 45, 155 }, { 119, 47, 162 },
};
static_assert(std::size(kKonodenL1) == 13);
// The tie lines through the alpha + melt field met by L2, one row above its mark.
constexpr Konode kKonodenL2[] = {
    //  y    xs   xl
    { 150,  62, 208 }, { 154,  64, 214 }, { 158,  66, 219 }, { 162,  69, 224 }, { 166,  71, 230 },
    { 170,  74, 235 }, { 174,  77, 240 }, { 178,  79, 244 }, { 182,  81, 249 }, { 186,  84, 253 },
    { 190,  87, 258 }, { 194,  89, 264 }, { 198,  92, 268 }, { 202,  95, 272 }, { 206,  98, 277 },
    { 210, 101, 281 }, { 214, 105, 285 }, { 218, 109, 290 },
};
static_assert(std::size(kKonodenL2) == 18);
// The tie lines through the alpha + beta field below the eutectic line, met by L2, L3 and L4.
constexpr Konode kKonodenAlphaBeta[] = {
    //  y    xs   xl
    { 226, 112, 434 }, { 230, 111, 434 }, { 234, 110, 435 }, { 238, 109, 436 }, { 242, 108, 436 },
    { 246, 107, 437 }, { 250, 106, 438 }, { 254, 105, 439 }, { 258, 104, 440 }, { 262, 104, 440 },
    { 266, 103, 441 }, { 270, 102, 442 }, { 274, 102, 442 }, { 278, 101, 443 }, { 282, 100, 444 },
    { 286, 100, 444 }, { 290,  99, 445 }, { 294,  98, 446 }, { 298,  98, 446 }, { 302,  97, 447 },
    { 306,  96, 448 }, { 310,  96, 448 }, { 314,  95, 449 }, { 318,  95, 449 }, { 322,  95, 449 },
    { 326,  94, 450 }, { 330,  94, 450 }, { 334,  93, 451 }, { 338,  93, 451 }, { 342,  92, 452 },
    { 346,  92, 452 }, { 350,  91, 453 }, { 354,  91, 453 }, { 358,  90, 454 }, { 362,  90, 454 },
    { 366,  89, 455 },
};
static_assert(std::size(kKonodenAlphaBeta) == 36);
// The tie lines through the beta + melt field met by L4, at the mark's own height.
constexpr Konode kKonodenL4[] = {
    //  y    xs   xl
    { 127, 436, 474 }, { 131, 428, 473 }, { 135, 420, 472 }, { 139, 413, 471 }, { 143, 406, 470 },
    { 147, 399, 468 }, { 151, 393, 466 }, { 155, 387, 464 }, { 159, 382, 463 }, { 163, 376, 462 },
    { 167, 370, 460 }, { 171, 364, 458 }, { 175, 358, 457 }, { 179, 352, 456 }, { 183, 346, 455 },
    { 187, 340, 454 }, { 191, 335, 452 }, { 195, 330, 450 }, { 199, 325, 448 }, { 203, 320, 446 },
};
static_assert(std::size(kKonodenL4) == 20);

// Where a field's last tie line goes without a successor.
constexpr int kLoeschenL1[] = { 123 };
constexpr int kLoeschenL2[] = { 223, 371 };
constexpr int kLoeschenL3[] = { 371 };
constexpr int kLoeschenL4[] = { 207, 371 };

// The pictures of each series: the next frame at every listed mark; L2 shows its last frame
// twice (355 and 371), L4 its frame 19 at 343 and again at 351.
constexpr BildSchritt kBilderL1[] = {
    { 31 }, { 67 }, { 71 }, { 75 }, { 79 }, { 83 }, { 87 }, { 91 }, { 95 }, { 99 }, { 103 }, { 107 }, { 111 },
    { 115 }, { 119 }, { 123 },
};
static_assert(std::size(kBilderL1) == 16);
constexpr BildSchritt kBilderL2[] = {
    { 31 }, { 147 }, { 151 }, { 155 }, { 159 }, { 163 }, { 167 }, { 171 }, { 175 }, { 179 }, { 183 }, { 187 },
    { 191 }, { 195 }, { 199 }, { 203 }, { 207 }, { 211 }, { 215 }, { 219 }, { 223 }, { 231 }, { 259 }, { 275 },
    { 291 }, { 307 }, { 323 }, { 339 }, { 347 }, { 355, false }, { 371, false },
};
constexpr BildSchritt kBilderL3[] = { { 31 }, { 223 } };
constexpr BildSchritt kBilderL4[] = {
    { 31 }, { 123 }, { 127 }, { 131 }, { 135 }, { 139 }, { 143 }, { 147 }, { 151 }, { 155 }, { 163 }, { 179 },
    { 191 }, { 207 }, { 287 }, { 299 }, { 311 }, { 323 }, { 335 }, { 343, false }, { 351 }, { 359 }, { 371 },
};

// At the melt the alloy's lines go into the explanation and its pictures get their frame and
// caption: L1 to L3 fill the frame in the alloy's colour and write the caption on silver, L4
// writes the caption first and frames it in silver.
constexpr auto schmelzeFarbig(TColor farbe, Box r, TextAt caption)
{
    return bei(kSchmelzeMarke, memo(), pinsel(farbe), rahmen(r), pinsel(clSilver), text(caption));
}
constexpr auto schmelzeSilbern(Box r, TextAt caption)
{
    return bei(kSchmelzeMarke, memo(), text(caption), rahmen(r));
}

// What the marks bring on the main layer besides tie lines and pictures: captions under the
// pictures (on silver), lines and traced boundaries. The actions of a mark run in this order: the
// melt, the tie line, the erase, the picture, then these.
constexpr Grenze kSolvusA = { { 89, 370 }, &solvusA, 89, 112 };
constexpr Grenze kSolvusB = { { 434, 222 }, &solvusB, 434, 457 };
constexpr auto kDrehbuchL1 = drehbuch(
    schmelzeFarbig(clPurple, { 20, 415, 105, 500 }, { 22, 402, "Schmelze" }),
    jeZeile(kKonodenL1, konodenSchritt<>),
    jeZeile(kLoeschenL1, loeschSchritt),
    jeZeile(kBilderL1, bildSchritt),
    bei(67, pinsel(clSilver), text({ 22, 402, "MK-Bildung" }), linie({ { 24, 67 }, { 49, 67 } }),
        grenze({ { 49, 67 }, &liquidusA, 49, 170 }), grenze({ { 24, 67 }, &solidusA, 24, 48 })),
    bei(123, pinsel(clSilver), text({ 22, 402, "Alpha-Mischkristall " }), linie({ { 48, 123 }, { 170, 123 } })),
    bei(kEndeMarke, ende()));
constexpr auto kDrehbuchL2 = drehbuch(
    schmelzeFarbig(clBlue, { 168, 415, 253, 500 }, { 170, 402, "Schmelze" }),
    jeZeile(kKonodenL2, konodenSchritt<1>),
    jeZeile(kKonodenAlphaBeta, konodenSchritt<1>),
    jeZeile(kLoeschenL2, loeschSchritt),
    jeZeile(kBilderL2, bildSchritt),
    bei(147, pinsel(clSilver), text({ 170, 402, "MK-Bildung" }), linie({ { 59, 146 }, { 204, 146 } }),
        grenze({ { 204, 146 }, &liquidusA, 204, 296 }), grenze({ { 59, 146 }, &solidusA, 59, 112 })),
    bei(223, linie({ { 112, 222 }, { 433, 222 } })),
    bei(227, pinsel(clSilver), text({ 140, 402, "Alpha-MK+Eu+Beta-Seg" }), grenze(kSolvusA), grenze(kSolvusB)),
    bei(kEndeMarke, linie({ { 204, 19 }, { 204, 370 } }), linie({ { 89, 369 }, { 455, 369 } }), ende()));
constexpr auto kDrehbuchL3 = drehbuch(
    schmelzeFarbig(clGreen, { 278, 415, 363, 500 }, { 290, 402, "Schmelze" }),
    jeZeile(kKonodenAlphaBeta, konodenSchritt<1>),
    jeZeile(kLoeschenL3, loeschSchritt),
    jeZeile(kBilderL3, bildSchritt),
    bei(223, pinsel(clSilver), text({ 290, 402, "Eutektikum" }), linie({ { 112, 222 }, { 433, 222 } })),
    bei(227, grenze(kSolvusA), grenze(kSolvusB)),
    bei(kEndeMarke, linie({ { 296, 19 }, { 296, 370 } }), linie({ { 89, 369 }, { 455, 369 } }), ende()));
// L4 meets the alpha + beta field below the row 282 and draws each row one lower, at its mark.
constexpr auto kDrehbuchL4 = drehbuch(
    schmelzeSilbern({ 383, 415, 467, 499 }, { 385, 402, "Schmelze " }),
    jeZeile(kKonodenL4, konodenSchritt<>),
    jeZeile<15>(kKonodenAlphaBeta, konodenSchritt<1, 1>),
    jeZeile(kLoeschenL4, loeschSchritt),
    jeZeile(kBilderL4, bildSchritt),
    bei(123, pinsel(clSilver), text({ 385, 402, "MK-Bildung" }), linie({ { 444, 123 }, { 475, 123 } }),
        grenze({ { 315, 207 }, &liquidusB, 315, 443 }), grenze({ { 443, 207 }, &solidusB, 443, 474 })),
    bei(207, pinsel(clSilver), text({ 385, 402, "Beta-Mischkristall" }), linie({ { 315, 207 }, { 443, 207 } })),
    bei(283, pinsel(clSilver), text({ 365, 402, "Beta-MK + Alpha-Seg" }), linie({ { 100, 283 }, { 444, 283 } }),
        grenze({ { 89, 370 }, &solvusA, 89, 100 }), grenze({ { 444, 283 }, &solvusB, 444, 457 })),
    bei(kEndeMarke, linie({ { 444, 19 }, { 444, 371 } }), linie({ { 89, 369 }, { 455, 369 } }), ende()));

// An alloy: the look of its ticks and its run. L1 draws its cooling line from 19 down to the
// mark, L2 and L3 from 20 to one above it, L4 from 20 to the mark.
struct Legierungsdaten {
    TColor farbe;
    TextAt ueberschrift[2];
    Lauf lauf;
};
constexpr Legierungsdaten kLegierungen[] = {
    { clPurple, { { 60, 22, "L(1) 94% A" }, { 60, 37, "und 6% B" } },
      { kStartMarke, { .feinBis = 370, .feinSchritt = kSchritt }, { .x = 48, .oben = 19 }, true, kDrehbuchL1,
        kMemoL1, { 22, 417 } } },
    { clBlue, { { 208, 22, "L(2) 60% A" }, { 208, 37, "und 40% B" } },
      { kStartMarke, { .feinBis = 380, .feinSchritt = kSchritt }, { .x = 204, .oben = 20, .versatz = -1 }, true,
        kDrehbuchL2, kMemoL2, { 170, 417 } } },
    { clGreen, { { 300, 22, "L(3) 40% A" }, { 300, 37, "und 60% B" } },
      { kStartMarke, { .feinBis = 380, .feinSchritt = kSchritt }, { .x = 296, .oben = 20, .versatz = -1 }, true,
        kDrehbuchL3, kMemoL3, { 280, 417 } } },
    { clBlack, { { 385, 22, "L(4) 8% A" }, { 380, 37, "und 92% B" } },
      { kStartMarke, { .feinBis = 380, .feinSchritt = kSchritt }, { .x = 444, .oben = 20 }, true, kDrehbuchL4,
        kMemoL4, { 385, 417 } } },
};
// clang-format on

} // namespace

namespace zutyp3 {

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
        { "L1, alpha + melt", K(std::begin(kKonodenL1), std::end(kKonodenL1)) },
        { "L2, alpha + melt", K(std::begin(kKonodenL2), std::end(kKonodenL2)) },
        { "alpha + beta", K(std::begin(kKonodenAlphaBeta), std::end(kKonodenAlphaBeta)) },
        { "L4, beta + melt", K(std::begin(kKonodenL4), std::end(kKonodenL4)) },
    };
}

} // namespace zutyp3

TFormZuTyp3::TFormZuTyp3()
    : TLessonForm(QStringLiteral("FormZuTyp3"),
        { .caption = QStringLiteral(
              "Zustandsschaubild mit begrenzter Löslichkeit im festen Zustand / eutektisches System (schematisch)"),
            .height = 605,
            .fontHeight = -10 })
    , m_laeufe({ zutyp3::kProjektion, PaintBoxHaupt.Canvas(), PaintBoxUmwandlung.Canvas(), nullptr, m_state.Konoden,
                   MemoErlaeuterung },
          {
              { &kLegierungen[0].lauf, &ImageListL1, &TimerL1, &m_state.MarkeL1, &m_state.BildNrL1, &StartL1 },
              { &kLegierungen[1].lauf, &ImageListL2, &TimerL2, &m_state.MarkeL2, &m_state.BildNrL2, &StartL2 },
              { &kLegierungen[2].lauf, &ImageListL3, &TimerL3, &m_state.MarkeL3, &m_state.BildNrL3, &StartL3 },
              { &kLegierungen[3].lauf, &ImageListL4, &TimerL4, &m_state.MarkeL4, &m_state.BildNrL4, &StartL4 },
          })
{
    MemoErlaeuterung.SetColor(kMemoColor);
    for (TImageList* list : { &ImageListL1, &ImageListL2, &ImageListL3, &ImageListL4 })
        pictures::assignStrip(*list);

    // No FormClose on purpose: the close box stops and resets nothing, so a running alloy goes
    // on unseen and the next opening continues from where it is.
}

void TFormZuTyp3::FormCreate()
{
    // Outer size and centring are done by the lesson base before this runs.
    for (TPaintBox* box : { &PaintBoxUmwandlung, &PaintBoxHaupt })
        box->SetBounds(kLinks, kOben, kBreite, kHoehe);
    // The memo overlaps the left 18 pixels of the paint boxes.
    MemoErlaeuterung.SetBounds(kLinks - 266, kOben - 2, 284, kHoehe + 2);

    // The paint handler and the ticks replace these before anything is drawn with them.
    TCanvas& haupt = PaintBoxHaupt.Canvas();
    haupt.Pen.SetWidth(2);
    haupt.Pen.SetColor(clBlack);
    TCanvas& konode = PaintBoxUmwandlung.Canvas();
    konode.Pen.SetWidth(2);
    konode.Pen.SetColor(clRed);
    konode.Brush.SetColor(clYellow);
    konode.Font.SetHeight(10);
    konode.Font.SetColor(clBlack);
}

void TFormZuTyp3::PaintBoxHauptPaint()
{
    // Every repaint writes the base text again: the alloys' appended lines are gone with it.
    typediagram::zeigeGrundtext(MemoErlaeuterung, kMemo);

    TCanvas& c = PaintBoxHaupt.Canvas();
    phasefield::drawGround(c, kBreite, kHoehe);
    c.Font.SetColor(clBlack);
    drawAll(c, kBereiche);
    drawAll(c, kAchsen);

    c.Pen.SetColor(clSilver);
    c.Pen.SetWidth(2);
    zutyp3::drawBoundaries(c);
    c.Pen.SetWidth(1);
    c.Pen.SetStyle(psDot);
    drawAll(c, kSenkrechte);

    c.Brush.SetStyle(bsClear);
    c.Font.SetName(QStringLiteral("Symbol"));
    c.Font.SetHeight(14);
    drawAll(c, kSymbolBeschriftung);
    // The canvas keeps "Symbol" at height 14 and the dotted pen: the ticks set the name back
    // and widen the pen (a wide pen draws solid), so the runs' texts come out at height 14.
}

void TFormZuTyp3::tick(int i)
{
    const Legierungsdaten& l = kLegierungen[i];
    typediagram::legierungsStil(PaintBoxHaupt.Canvas(), PaintBoxUmwandlung.Canvas(), l.farbe, l.ueberschrift);
    m_laeufe.tick(i);
}

void TFormZuTyp3::TimerL1Timer()
{
    tick(0);
}

void TFormZuTyp3::TimerL2Timer()
{
    tick(1);
}

void TFormZuTyp3::TimerL3Timer()
{
    tick(2);
}

void TFormZuTyp3::TimerL4Timer()
{
    tick(3);
}

void TFormZuTyp3::StartL1Click()
{
    m_laeufe.startStop(0);
}

void TFormZuTyp3::StartL2Click()
{
    m_laeufe.startStop(1);
}

void TFormZuTyp3::StartL3Click()
{
    m_laeufe.startStop(2);
}

void TFormZuTyp3::StartL4Click()
{
    m_laeufe.startStop(3);
}

void TFormZuTyp3::resetRuns()
{
    m_laeufe.reset();
    m_state.restartRuns();
}

void TFormZuTyp3::NeuClick()
{
    PaintBoxHaupt.Canvas().Pen.SetStyle(psSolid);
    Refresh();
    resetRuns();
}

void TFormZuTyp3::EndeClick()
{
    Refresh();
    resetRuns();
    PaintBoxHaupt.Canvas().Pen.SetStyle(psSolid);
    Close();
}

void TFormZuTyp3::ESCAPEClick()
{
    EndeClick();
}

} // namespace wb
