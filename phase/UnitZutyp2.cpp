// Type 2 diagram (eutectic, no solid solubility): cooling of hypoeutectic, eutectic and hypereutectic alloys.
#include "phase/UnitZutyp2.h"

#include "framework/Figures.h"
#include "resources/Pictures.h"

#include <iterator>

namespace wb {

TFormZuTyp2* FormZuTyp2 = nullptr;

namespace {

// The diagram of the model, shown in the field.
constexpr phasefield::Projection kProjektion { model::typ2::tBottom, model::typ2::tTop };

using namespace typediagram;

// The common bounds of the three diagram layers in the client area; the strips, click areas,
// memo and edits are derived from them.
constexpr int kBreite = 505;
constexpr int kHoehe = 492;
constexpr int kLinks = 266;
constexpr int kOben = 10;
constexpr int kHalbeBreite = kBreite / 2; // 252: each lever strip is half the diagram

constexpr TColor kHebel1Farbe = RGB(0x40, 0x00, 0x80);
constexpr TColor kHebel2Farbe = RGB(0x00, 0x80, 0x40);
constexpr TColor kOrange = RGB(0xFF, 0x80, 0x00);

// The cooling marks start at 22 and step by 4 down to the eutectic line at 222; the tick that
// passes 226 steps on by 16 in the same tick, and so on by 16 to the end at 370.
constexpr int kStartMarke = 22;
constexpr MarkSteps kMarkeSchritte = { .feinBis = 225, .feinSchritt = 4, .grobAb = 226, .grobSchritt = 16 };
constexpr int kSchmelzeMarke = 30; // every alloy shows its melt
constexpr int kEutektikumY = 222;
constexpr int kEndeMarke = 370;
constexpr int kEutektikumX = 296; // the eutectic composition, 60 % B

// clang-format off
constexpr const char* kMemo[] = {
    " Dieses Erstarrungsverhalten tritt für",
    " den idealen Fall ein, dass im flüssigen ",
    " Zustand  völlige  Löslichkeit  und im ",
    " festen Zustand keine Löslichkeit der ",
    " Bestandteile vorliegt. ",
    " Charakteristisch für diesen Diagrammtyp",
    " ist das Vorhandensein eines unteren ",
    " Haltepunktes bei gleicher Temperatur- ",
    " lage für alle Zusammensetzungen, die  ",
    " zwischen A und B liegen.",
    " Ausgehend von den Schmelzpunkten",
    " A* und B* fallen beide Liquiduslinie mit",
    " zunehmender Konzentration der jeweils ",
    " anderen Komponente zu tiefer liegen-",
    " den Temperaturen ab (V-Kurve).",
    " Im Punkt C bilden die beiden Liquidus-",
    " linien somit einen gemeinsamen Schnitt-",
    " punkt (eutektische Legierung).",
    " ",
    " Die Grafik zeigt drei für diesen \"Typ\"",
    " charakteristische Erstarrungsverhalten.",
    " ",
    " 1) Legierung aus dem untereutektischen ",
    "     Bereich (B < 60%, A > 40%)",
    " 2) Legierung mit eutektischer Zusam- ",
    "     mensetzung (B = 60%, A = 40%)",
    " 3) Legierung aus dem übereutektischen ",
    "     Bereich (B > 60%, A < 40%)",
};
static_assert(std::size(kMemo) == 28);

constexpr const char* kMemoUnter[] = {
    " ----------------------------------------------------------",
    " L(1) untereutektisch",
    " Nach Unterschreitung der  Liquidus-",
    " linie (Punkt 1) scheiden Alpha-K aus",
    " der Schmelze aus. Dies bedeutet, dass",
    " die Restschmelze an A-Konzentration ",
    " entlang der Liquiduslinie verarmt.",
    " Wird die Temperatur T(Eu) erreicht,",
    " zerfällt die Restschmelze, die nun die",
    " eutektische Zusammensetzung hat, in",
    " ein Eutektikum (Alpha-K + Beta-K",
    " aus A = 40%, B = 60 %).",
};
constexpr const char* kMemoEu[] = {
    " ----------------------------------------------------------",
    " L(2) eutektisch",
    " Diese Legierungszusammensetzung ",
    " bleibt bis zum Erreichen der Temperatur",
    " T(Eu) flüssig und erstarrt dann nach dem",
    " Unterschreiten der Eutektikalen sofort",
    " vollständig als feinkörniges Eutektikum.",
    " Eutektische Reaktion bei T(Eu) = const.",
    "    Schmelze --> Alpha-K + Beta-K",
};
constexpr const char* kMemoUeber[] = {
    " ----------------------------------------------------------",
    " L(3) übereutektisch ",
    " Nach Unterschreitung der  Liquidus-",
    " linie (Punkt 2) scheiden Beta-K aus",
    " der Schmelze aus. Dies bedeutet, dass",
    " die Restschmelze an B-Konzentration ",
    " entlang der Liquiduslinie verarmt.",
    " Wird die Temperatur T(Eu) erreicht,",
    " zerfällt die Restschmelze, die nun die",
    " eutektische Zusammensetzung hat, in",
    " ein Eutektikum (Alpha-K + Beta-K",
    " aus A = 40%, B = 60 %).",
};

// The labels of the fields and lines, in the paint box's own font (height -10).
constexpr TextAt kBereiche[] = {
    { 220, 75, "Schmelze" }, { 50, 110, "Schmelze" }, { 420, 136, "Schmelze" },
    { 232, 227, "Eutektikum" },
    { 390, 99, "Liquiduslinie" }, { 55, 55, "Liquiduslinie" },
    { 30, 205, "Soliduslinie = Eutektikale" },
    { 22, 45, "A*" }, { 466, 87, "B*" }, { 291, 205, "C" },
};
// The axes: their titles, the components and the concentration scale.
constexpr TextAt kAchsen[] = {
    { 5, 3, "Temperatur/T" }, { 210, 405, "Konzentration/C" },
    { 18, 372, "A" }, { 475, 372, "B" },
    { 10, 390, "0 %B" }, { 102, 390, " 20" }, { 194, 390, " 40" }, { 288, 390, " 60" }, { 380, 390, " 80" },
    { 447, 390, "100 %B" },
};
// In the "Symbol" face a and b show as alpha and beta.
constexpr TextAt kSymbolBeschriftung[] = {
    { 50, 126, "+ a - K" }, { 425, 153, "+ b - K" }, { 300, 270, " a - K " }, { 310, 290, "+ b - K" },
};
constexpr Segment kEutektikale = { { 20, 222 }, { 480, 222 } };

// The lever strips, each in its own coordinates: the lever rule as a fraction and the labels of
// the two edit boxes beside it.
constexpr Box kHebelStreifen = { 0, 420, 505, 492 };
constexpr TextAt kHebel1Texte[] = {
    { 2, 422, "L 1" }, { 2, 440, "m (Alp-K)" }, { 2, 460, "m (Schm.)" },
    { 64, 450, "=" }, { 82, 440, "X" }, { 82, 460, "Y" },
    { 112, 435, "m (Alp-K) /%" }, { 112, 463, "m (Schm.)/%" },
};
constexpr Segment kHebel1Brueche[] = { { { 5, 457 }, { 50, 457 } }, { { 74, 457 }, { 99, 457 } } };
constexpr TextAt kHebel2Texte[] = {
    { 2, 422, "L 3" }, { 2, 440, "m (Beta-K)" }, { 2, 460, "m (Schm.)" },
    { 70, 450, "=" }, { 86, 440, "X" }, { 86, 460, "Y" },
    { 110, 435, "m (Beta-K) /%" }, { 110, 463, "m (Schm.)/%" },
};
constexpr Segment kHebel2Brueche[] = { { { 5, 457 }, { 60, 457 } }, { { 81, 457 }, { 99, 457 } } };

// The lever pictures, in each strip's own coordinates: the alloy line, the lever on a tie line
// with its end strokes and arrowheads, the crystal mass at the crystal end and the melt mass at
// the melt end, X between the alloy line and the melt end, Y between the crystal end and the
// alloy line.
struct HebelBild {
    Segment linien[4]; // alloy line, two end strokes, the lever
    TPoint pfeile[2][3];
    TextAt kristall[2]; // on maroon
    TextAt schmelze[2]; // black on orange
};
constexpr HebelBild kHebelBild1 = {
    { { { 204, 20 }, { 204, 370 } }, { { 20, 174 }, { 20, 190 } }, { { 239, 174 }, { 239, 190 } },
      { { 20, 174 }, { 239, 174 } } },
    { { { 20, 190 }, { 17, 180 }, { 23, 180 } }, { { 239, 190 }, { 236, 180 }, { 242, 180 } } },
    { { 27, 180, " m(K) " }, { 212, 178, "X" } },
    { { 205, 196, "m(Schm.)" }, { 110, 178, "Y" } },
};
constexpr HebelBild kHebelBild2 = {
    { { { 136, 20 }, { 136, 370 } }, { { 107, 174 }, { 107, 190 } }, { { 228, 174 }, { 228, 190 } },
      { { 107, 174 }, { 228, 174 } } },
    { { { 107, 190 }, { 104, 180 }, { 110, 180 } }, { { 228, 190 }, { 225, 180 }, { 231, 180 } } },
    { { 185, 196, " m(K) " }, { 117, 178, "X" } },
    { { 90, 196, "m(Schm.)" }, { 212, 178, "Y" } },
};

// A tie-line step of L1 or L3: at mark T the tie line runs from the crystal side of the field
// to the liquidus at xl.
struct Stufe {
    int T;
    int xl;
};
constexpr Stufe kStufenUnter[] = {
    //  T    xl
    { 150, 208 }, { 154, 213 }, { 158, 218 }, { 162, 224 }, { 166, 229 }, { 170, 234 },
    { 174, 239 }, { 178, 245 }, { 182, 250 }, { 186, 255 }, { 190, 260 }, { 194, 265 },
    { 198, 270 }, { 202, 274 }, { 206, 278 }, { 210, 282 }, { 214, 286 }, { 218, 290 },
};
static_assert(std::size(kStufenUnter) == 18);
constexpr Stufe kStufenUeber[] = {
    //  T    xl
    { 158, 382 }, { 162, 377 }, { 166, 372 }, { 170, 366 }, { 174, 360 }, { 178, 354 },
    { 182, 348 }, { 186, 342 }, { 190, 336 }, { 194, 330 }, { 198, 325 }, { 202, 319 },
    { 206, 314 }, { 210, 310 }, { 214, 306 }, { 218, 301 },
};
static_assert(std::size(kStufenUeber) == 16);

// Point 1 (L1) and point 2 (L3), where the alloy line meets the liquidus.
constexpr int kPunkt1Y = 146;
constexpr int kPunkt2Y = 154;
constexpr TextAt kPunkt1Texte[] = { { 3, 138, "T" }, { 8, 146, " 1" }, { 210, 136, " 1" } };
constexpr TextAt kPunkt1Gefuege = { 30, 350, "Bildung Alpha-K" };
constexpr TextAt kPunkt2Texte[] = { { 480, 138, "T" }, { 485, 146, " 2" }, { 370, 140, " 2" } };
constexpr TextAt kPunkt2Gefuege = { 392, 350, "Bildung Beta-K" };
constexpr TextAt kEuTexteLinks[] = { { 1, 200, "T" }, { 3, 208, " Eu" } };
constexpr TextAt kEuTexteRechts[] = { { 480, 200, "T" }, { 485, 208, "Eu" } };
constexpr TextAt kUnterEuGefuege = { 30, 350, "Alpha-K + Eutektikum" };
constexpr TextAt kUeberEuGefuege = { 392, 350, "Beta-K+Eutek." };
constexpr TextAt kEuGefuege = { 220, 350, "Eutektikum" };
// clang-format on

// The alloys' lines: L1 at 40 % B, L2 at the eutectic composition, L3 at 80 % B.
constexpr int kUnterX = 204;
constexpr int kUeberX = 388;

// At the melt the alloy's lines go into the explanation and its pictures get a silver frame,
// outlined in the alloy's colour, and a caption; L1 and L3 also show the shares of the melt.
constexpr auto schmelze(TPoint p, TextAt caption)
{
    return bei(kSchmelzeMarke, memo(), pinsel(clSilver), rahmen({ p.X - 2, p.Y - 2, p.X + 82, p.Y + 82 }),
        text(caption), bild());
}

// A tie-line step of L1: the shares by the lever rule, the previous step's lines erased, the next
// picture, the cooling line, the tie line from pure A to the liquidus with the vertical from its
// melt end, the stroke down the field's left side and the liquidus traced from point 1 to the tie
// line's melt end. The cooling line was drawn by the tick already; drawing it again before the
// new tie line changes no pixel.
constexpr auto stufeUnter(const Stufe& s)
{
    return bei(s.T, anteile(kFeldLinks, s.xl), loeschen(), bild(), kuehllinie(s.T),
        konode(Ebene::Umwandlung, { { kFeldLinks, s.T }, { s.xl, s.T } }),
        konode(Ebene::Hilfslinien, { { s.xl, s.T }, { s.xl, kFeldUnten } }),
        linie({ { kFeldLinks, s.T - 4 }, { kFeldLinks, s.T } }),
        grenze({ { kUnterX, kPunkt1Y }, &model::typ2::liquidusA, kUnterX, s.xl }));
}
// A tie-line step of L3, the mirror image with pure B at the right; its liquidus is traced from
// the tie line's melt end to the alloy's line.
constexpr auto stufeUeber(const Stufe& s)
{
    return bei(s.T, anteile(kFeldRechts, s.xl), loeschen(), bild(), kuehllinie(s.T),
        konode(Ebene::Umwandlung, { { kFeldRechts, s.T }, { s.xl, s.T } }),
        konode(Ebene::Hilfslinien, { { s.xl, s.T }, { s.xl, kFeldUnten } }),
        linie({ { kFeldRechts, s.T - 4 }, { kFeldRechts, s.T } }),
        grenze({ { s.xl, s.T }, &model::typ2::liquidusB, s.xl, kUeberX }));
}

// clang-format off
constexpr auto kDrehbuchUnter = drehbuch(
    schmelze({ 30, 265 }, { 30, 350, "Schmelze" }),
    bei(kSchmelzeMarke, werte(0, 100)),
    bei(kPunkt1Y, werte(0, 100), bild(), linie({ { kFeldLinks, kPunkt1Y }, { kUnterX, kPunkt1Y } }),
        // Stays: no later step draws it again.
        linie(Ebene::Hilfslinien, { { kUnterX, kPunkt1Y }, { kUnterX, kFeldUnten } }),
        texte(kPunkt1Texte), pinsel(clSilver), text(kPunkt1Gefuege)),
    jeZeile(kStufenUnter, stufeUnter),
    // The crystals formed before the eutectic reaction, by the lever on the tie line to the
    // eutectic point; the melt is used up.
    bei(kEutektikumY, erstarrt(kFeldLinks, kEutektikumX), loeschen(), bild(), kuehllinie(kEutektikumY),
        linie(kEutektikale),
        linie(Ebene::Hilfslinien, { { kEutektikumX, kEutektikumY }, { kEutektikumX, kFeldUnten } }),
        texte(kEuTexteLinks), linie({ { kFeldLinks, kEutektikumY - 4 }, { kFeldLinks, kEutektikumY } }),
        pinsel(clSilver), text(kUnterEuGefuege),
        grenze({ { kUnterX, kPunkt1Y }, &model::typ2::liquidusA, kUnterX, kEutektikumX })),
    bei(kEndeMarke, ende()));
constexpr auto kDrehbuchEu = drehbuch(
    schmelze({ 210, 265 }, { 220, 350, "Schmelze" }),
    bei(kEutektikumY, texte(kEuTexteLinks), pinsel(clSilver), text(kEuGefuege), bild(), linie(kEutektikale)),
    bei(kEndeMarke, ende()));
constexpr auto kDrehbuchUeber = drehbuch(
    schmelze({ 395, 265 }, { 405, 350, "Schmelze" }),
    bei(kSchmelzeMarke, werte(0, 100)),
    bei(kPunkt2Y, werte(0, 100), bild(), linie({ { kFeldRechts, kPunkt2Y }, { kUeberX, kPunkt2Y } }),
        linie(Ebene::Hilfslinien, { { kUeberX, kPunkt2Y }, { kUeberX, kFeldUnten } }),
        texte(kPunkt2Texte), pinsel(clSilver), text(kPunkt2Gefuege)),
    jeZeile(kStufenUeber, stufeUeber),
    // The tie line to the eutectic point stays on its layer: it is kept by no trace, so nothing
    // erases it.
    bei(kEutektikumY, texte(kEuTexteRechts), erstarrt(kFeldRechts, kEutektikumX), loeschen(), bild(),
        kuehllinie(kEutektikumY), pinsel(clSilver), text(kUeberEuGefuege),
        linie(Ebene::Umwandlung, { { kFeldRechts, kEutektikumY }, { kEutektikumX, kEutektikumY } }),
        linie(Ebene::Hilfslinien, { { kEutektikumX, kEutektikumY }, { kEutektikumX, kFeldUnten } }),
        linie({ { kFeldRechts, kEutektikumY - 4 }, { kFeldRechts, kEutektikumY } }),
        linie({ { kFeldRechts, kEutektikumY }, { kFeldLinks, kEutektikumY } }),
        grenze({ { kEutektikumX, kEutektikumY }, &model::typ2::liquidusB, kEutektikumX, kUeberX })),
    bei(kEndeMarke, ende()));

// An alloy: the look of its ticks and its run. The cooling lines start at 22; below the eutectic
// line the coarse steps also draw the field's sides from it down to the mark.
struct Legierungsdaten {
    TColor farbe;
    bool schrift; // the texts take the colour too
    bool xorEbenen; // draws on the tie-line and auxiliary-line layers
    TextAt ueberschrift[2];
    Lauf lauf;
};
constexpr Kuehllinie linieBei(int x)
{
    return { .x = x, .oben = kStartMarke, .seitenAb = kMarkeSchritte.grobAb, .seitenOben = kEutektikumY };
}
constexpr Legierungsdaten kLegierungen[] = {
    { clBlack, false, true, { { 115, 30, "L(1) mit 60% A" }, { 130, 50, "und 40% B" } },
      { kStartMarke, kMarkeSchritte, linieBei(kUnterX), false, kDrehbuchUnter, kMemoUnter, { 30, 265 } } },
    { clBlue, true, false, { { 210, 30, "L(2) mit 40% A " }, { 220, 50, " und 60% B" } },
      { kStartMarke, kMarkeSchritte, linieBei(kEutektikumX), false, kDrehbuchEu, kMemoEu, { 210, 265 } } },
    { clGreen, true, true, { { 302, 30, "L(3) mit 20% A " }, { 312, 50, " und 80% B " } },
      { kStartMarke, kMarkeSchritte, linieBei(kUeberX), false, kDrehbuchUeber, kMemoUeber, { 395, 265 } } },
};
// clang-format on

} // namespace

namespace zutyp2 {

void drawBoundaries(TCanvas& c)
{
    const model::Invariant& eutektikum = model::phaseDiagram(2).invariants[0];
    const TPoint punkt = { kProjektion.pixelX(eutektikum.middle.w), kProjektion.pixelY(eutektikum.t) };
    phasefield::drawBranch(c, kProjektion, { { 20, 60 }, &model::typ2::liquidusA, kFeldLinks, punkt.X });
    phasefield::drawBranch(c, kProjektion, { punkt, &model::typ2::liquidusB, punkt.X, kFeldRechts });
    draw(c, kProjektion.line(eutektikum.t, eutektikum.left.w, eutektikum.right.w));
}

std::span<const TextAt> regionLabels()
{
    return kBereiche;
}

std::span<const TextAt> symbolLabels()
{
    return kSymbolBeschriftung;
}

std::vector<typediagram::KonodenTabelle> konodenTabellen()
{
    auto konoden = [](std::span<const Stufe> stufen, int fest) {
        std::vector<typediagram::Konode> k;
        for (const Stufe& s : stufen)
            k.push_back({ s.T, fest, s.xl });
        return k;
    };
    return { { "L1, A + melt", konoden(kStufenUnter, kFeldLinks) },
        { "L3, B + melt", konoden(kStufenUeber, kFeldRechts) } };
}

} // namespace zutyp2

TFormZuTyp2::TFormZuTyp2()
    : TLessonForm(QStringLiteral("FormZuTyp2"),
        { .caption = QStringLiteral("Zustandsschaubild mit vollkommener Löslichkeit im flüssigen und vollkommener "
                                    "Unlöslichkeit im festen Zustand (schematisch)"),
            .fontHeight = -10 })
    , m_laeufe({ kProjektion, PaintBoxHaupt.Canvas(), PaintBoxUmwandlung.Canvas(), &PaintBoxHilfslinien.Canvas(),
                   m_state.Konoden, MemoErlaeuterung },
          {
              { &kLegierungen[0].lauf, &ImageListUnter, &TimerUnter, &m_state.MarkeUnter, &m_state.BildNrUnter,
                  &Startunter, &EditA, &EditSch1 },
              { &kLegierungen[1].lauf, &ImageListEu, &TimerEutek, &m_state.MarkeEu, &m_state.BildNrEu,
                  &Starteutektisch },
              { &kLegierungen[2].lauf, &ImageListUeber, &TimerUeber, &m_state.MarkeUeber, &m_state.BildNrUeber,
                  &Startueber, &EditB, &EditSch2 },
          })
{
    PaintBoxHebel1.SetColor(kHebel1Farbe);
    PaintBoxHebel2.SetColor(kHebel2Farbe);
    PaintBoxHand1.SetCursor(crHandPoint);
    PaintBoxHand2.SetCursor(crHandPoint);
    MemoErlaeuterung.SetColor(kMemoColor);
    MemoErlaeuterung.SetReadOnly(true);
    for (TEdit* edit : { &EditA, &EditSch1, &EditB, &EditSch2 })
        edit->SetTabStop(false);
    pictures::assignStrip(ImageListUnter);
    pictures::assignStrip(ImageListEu);
    pictures::assignStrip(ImageListUeber);

    // No FormClose on purpose: the close box stops and resets nothing, so a running alloy goes
    // on unseen and the next opening continues from where it is.
}

void TFormZuTyp2::FormCreate()
{
    // Outer size and centring are done by the lesson base before this runs.
    for (TPaintBox* box : { &PaintBoxHaupt, &PaintBoxHilfslinien, &PaintBoxUmwandlung })
        box->SetBounds(kLinks, kOben, kBreite, kHoehe);
    PaintBoxHebel1.SetBounds(kLinks, kOben, kHalbeBreite, kHoehe);
    PaintBoxHebel2.SetBounds(kLinks + kHalbeBreite, kOben, kHalbeBreite, kHoehe);
    PaintBoxHand1.SetBounds(kLinks, kHoehe - kOben - 70, kHalbeBreite, 60);
    PaintBoxHand2.SetBounds(kLinks + kHalbeBreite, kHoehe - kOben - 70, kHalbeBreite, 60);
    MemoErlaeuterung.SetBounds(kLinks - 266, kOben - 2, 266, kHoehe + 2);
    EditA.SetBounds(PaintBoxHebel1.Left() + 195, PaintBoxHebel1.Top() + 430, 50, 20);
    EditSch1.SetBounds(PaintBoxHebel1.Left() + 195, PaintBoxHebel1.Top() + 460, 50, 20);
    EditB.SetBounds(PaintBoxHebel2.Left() + 200, PaintBoxHebel2.Top() + 430, 50, 20);
    EditSch2.SetBounds(PaintBoxHebel2.Left() + 200, PaintBoxHebel2.Top() + 460, 50, 20);
    for (TEdit* edit : { &EditA, &EditSch1, &EditB, &EditSch2 })
        edit->SetText(QString());

    TCanvas& hilfs = PaintBoxHilfslinien.Canvas();
    hilfs.Pen.SetColor(clRed);
    hilfs.Pen.SetWidth(1);
    TCanvas& konode = PaintBoxUmwandlung.Canvas();
    konode.Pen.SetColor(clRed);
    konode.Pen.SetWidth(2);
}

void TFormZuTyp2::PaintBoxHauptPaint()
{
    // Every repaint writes the base text again: the alloys' appended lines are gone with it.
    typediagram::zeigeGrundtext(MemoErlaeuterung, kMemo);

    TCanvas& c = PaintBoxHaupt.Canvas();
    phasefield::drawGround(c, kBreite, kHoehe);

    c.Font.SetName(QStringLiteral("MS Sans Serif"));
    c.Brush.SetStyle(bsClear);
    c.Font.SetColor(clBlack);
    drawAll(c, kBereiche);
    drawAll(c, kAchsen);
    c.Font.SetName(QStringLiteral("Symbol"));
    c.Font.SetHeight(14);
    drawAll(c, kSymbolBeschriftung);

    c.Pen.SetColor(clSilver);
    c.Pen.SetWidth(2);
    zutyp2::drawBoundaries(c);
    // The canvas keeps "Symbol" at height 14: the ticks only set the name back, so the
    // animations' texts come out at height 14.
}

void TFormZuTyp2::PaintBoxHebel1Paint()
{
    // The brush arrives with the strip's colour; the rectangle is cut at the strip's width.
    TCanvas& c = PaintBoxHebel1.Canvas();
    c.Pen.SetColor(clWhite);
    c.Pen.SetWidth(1);
    c.Font.SetColor(clWhite);
    draw(c, kHebelStreifen);
    drawAll(c, kHebel1Texte);
    drawAll(c, kHebel1Brueche);
}

void TFormZuTyp2::PaintBoxHebel2Paint()
{
    TCanvas& c = PaintBoxHebel2.Canvas();
    c.Pen.SetColor(clWhite);
    c.Pen.SetWidth(1);
    c.Font.SetColor(clWhite);
    draw(c, kHebelStreifen);
    drawAll(c, kHebel2Texte);
    drawAll(c, kHebel2Brueche);
}

namespace {

void drawLeverPicture(TCanvas& c, const HebelBild& b)
{
    c.Pen.SetColor(clWhite);
    c.Pen.SetWidth(2);
    c.Font.SetColor(clWhite);
    drawAll(c, b.linien);
    // Filled with the brush then current: the strip's colour after a repaint, orange after an
    // earlier click.
    for (const auto& p : b.pfeile)
        c.Polygon({ p[0], p[1], p[2] });
    c.Brush.SetColor(clMaroon);
    drawAll(c, b.kristall);
    c.Font.SetColor(clBlack);
    c.Brush.SetColor(kOrange);
    drawAll(c, b.schmelze);
}

} // namespace

void TFormZuTyp2::PaintBoxHand1Click()
{
    drawLeverPicture(PaintBoxHebel1.Canvas(), kHebelBild1);
}

void TFormZuTyp2::PaintBoxHand2Click()
{
    drawLeverPicture(PaintBoxHebel2.Canvas(), kHebelBild2);
}

void TFormZuTyp2::tick(int i)
{
    const Legierungsdaten& l = kLegierungen[i];
    TCanvas& haupt = PaintBoxHaupt.Canvas();
    haupt.Font.SetName(QStringLiteral("Ms Sans Serif"));
    haupt.Brush.SetStyle(bsClear);
    haupt.Pen.SetColor(l.farbe);
    if (l.schrift)
        haupt.Font.SetColor(l.farbe);
    if (l.xorEbenen) {
        for (TPaintBox* box : { &PaintBoxUmwandlung, &PaintBoxHilfslinien }) {
            box->Canvas().Pen.SetColor(l.farbe);
            box->Canvas().Pen.SetMode(pmNotXor);
        }
    }
    haupt.Pen.SetWidth(3);
    drawAll(haupt, l.ueberschrift);
    m_laeufe.tick(i);
}

void TFormZuTyp2::TimerUnterTimer()
{
    tick(0);
}

void TFormZuTyp2::TimerEutekTimer()
{
    tick(1);
}

void TFormZuTyp2::TimerUeberTimer()
{
    tick(2);
}

void TFormZuTyp2::StartunterClick()
{
    m_laeufe.startStop(0);
}

void TFormZuTyp2::StarteutektischClick()
{
    m_laeufe.startStop(1);
}

void TFormZuTyp2::StartueberClick()
{
    m_laeufe.startStop(2);
}

void TFormZuTyp2::NeuClick()
{
    Refresh();
    m_laeufe.reset();
    m_state.restartRuns();
    for (TEdit* edit : { &EditA, &EditSch1, &EditB, &EditSch2 })
        edit->SetText(QString());
}

void TFormZuTyp2::EndeClick()
{
    NeuClick();
    Close();
}

void TFormZuTyp2::ESCAPEClick()
{
    NeuClick();
    Close();
}

} // namespace wb
