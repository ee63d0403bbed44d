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

using typediagram::kFeldLinks;
using typediagram::kFeldOben;
using typediagram::kFeldRechts;
using typediagram::kFeldUnten;

// The common bounds of the three diagram layers in the client area; the strips, click areas,
// memo and edits are derived from them.
constexpr int kBreite = 505;
constexpr int kHoehe = 492;
constexpr int kLinks = 266;
constexpr int kOben = 10;
constexpr int kHalbeBreite = kBreite / 2; // 252: each lever strip is half the diagram

constexpr TColor kFeldFarbe = RGB(0xA6, 0xA6, 0xFF); // around the diagram field
constexpr TColor kHebel1Farbe = RGB(0x40, 0x00, 0x80);
constexpr TColor kHebel2Farbe = RGB(0x00, 0x80, 0x40);
constexpr TColor kOrange = RGB(0xFF, 0x80, 0x00);

// The cooling marks start at 22 and step by 4 down to the eutectic line at 222; the tick that
// passes 226 steps on by 16 in the same tick, and so on by 16 to the end at 370.
constexpr int kStartMarke = 22;
constexpr typediagram::MarkSteps kMarkeSchritte
    = { .feinBis = 225, .feinSchritt = 4, .grobAb = 226, .grobSchritt = 16 };
constexpr int kSchmelzeMarke = 30; // every alloy shows its melt
constexpr int kEutektikumY = 222;
constexpr int kEndeAb = 369; // the first mark above it ends the run
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

// The static picture's labels, in the paint box's own font (height -10).
constexpr TextAt kBeschriftung[] = {
    { 220, 75, "Schmelze" }, { 50, 110, "Schmelze" }, { 420, 136, "Schmelze" },
    { 232, 227, "Eutektikum" },
    { 390, 99, "Liquiduslinie" }, { 55, 55, "Liquiduslinie" },
    { 30, 205, "Soliduslinie = Eutektikale" },
    { 22, 45, "A*" }, { 466, 87, "B*" }, { 291, 205, "C" },
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

} // namespace

// One alloy's look and data.
struct TFormZuTyp2::Legierung {
    int index; // in the start items
    int x; // the alloy line
    TPoint bild; // top-left of its pictures
    TColor farbe;
    bool schrift; // the texts take the colour too
    bool xorEbenen; // draws on the tie-line and auxiliary-line layers
    TextAt ueberschrift[2];
    TextAt schmelze; // under the picture at the melt keyframe
    std::span<const char* const> memo;
    TImageList TFormZuTyp2::*bilder;
    TEdit TFormZuTyp2::*editKristalle; // null for the eutectic alloy
    TEdit TFormZuTyp2::*editSchmelze;
    int festX; // the crystal side of its tie lines
    std::span<const Stufe> stufen;
};

namespace {

// clang-format off
const TFormZuTyp2::Legierung kUnter = {
    0, 204, { 30, 265 }, clBlack, false, true,
    { { 115, 30, "L(1) mit 60% A" }, { 130, 50, "und 40% B" } }, { 30, 350, "Schmelze" }, kMemoUnter,
    &TFormZuTyp2::ImageListUnter, &TFormZuTyp2::EditA, &TFormZuTyp2::EditSch1, kFeldLinks, kStufenUnter,
};
const TFormZuTyp2::Legierung kEu = {
    1, 296, { 210, 265 }, clBlue, true, false,
    { { 210, 30, "L(2) mit 40% A " }, { 220, 50, " und 60% B" } }, { 220, 350, "Schmelze" }, kMemoEu,
    &TFormZuTyp2::ImageListEu, nullptr, nullptr, 0, {},
};
const TFormZuTyp2::Legierung kUeber = {
    2, 388, { 395, 265 }, clGreen, true, true,
    { { 302, 30, "L(3) mit 20% A " }, { 312, 50, " und 80% B " } }, { 405, 350, "Schmelze" }, kMemoUeber,
    &TFormZuTyp2::ImageListUeber, &TFormZuTyp2::EditB, &TFormZuTyp2::EditSch2, kFeldRechts, kStufenUeber,
};
// clang-format on

} // namespace

namespace zutyp2 {

int liquidusA(int x)
{
    return kProjektion.curveY(model::typ2::liquidusA, x);
}

int liquidusB(int x)
{
    return kProjektion.curveY(model::typ2::liquidusB, x);
}

} // namespace zutyp2

TFormZuTyp2::TFormZuTyp2()
    : TLessonForm(QStringLiteral("FormZuTyp2"),
        { .caption = QStringLiteral("Zustandsschaubild mit vollkommener Löslichkeit im flüssigen und vollkommener "
                                    "Unlöslichkeit im festen Zustand (schematisch)"),
            .fontHeight = -10 })
    , m_alloys {
        { &Startunter, &TimerUnter, &m_state.MarkeUnter, kStartMarke },
        { &Starteutektisch, &TimerEutek, &m_state.MarkeEu, kStartMarke },
        { &Startueber, &TimerUeber, &m_state.MarkeUeber, kStartMarke },
    }
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

std::span<const typediagram::AlloyStart> TFormZuTyp2::alloys() const
{
    return m_alloys;
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

    c.Font.SetName(QStringLiteral("MS Sans Serif"));
    c.Brush.SetStyle(bsClear);
    c.Font.SetColor(clBlack);
    drawAll(c, kBeschriftung);
    c.Font.SetName(QStringLiteral("Symbol"));
    c.Font.SetHeight(14);
    drawAll(c, kSymbolBeschriftung);

    c.Pen.SetColor(clSilver);
    c.Pen.SetWidth(2);
    c.MoveTo(20, 60);
    for (int x = kFeldLinks; x <= kEutektikumX; ++x)
        c.LineTo(x, zutyp2::liquidusA(x));
    c.MoveTo(kEutektikumX, kEutektikumY);
    for (int x = kEutektikumX; x <= kFeldRechts; ++x)
        c.LineTo(x, zutyp2::liquidusB(x));
    draw(c, kEutektikale);
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

int TFormZuTyp2::beginTick(const Legierung& l, int& marke, int& bildNr)
{
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

    // Below the eutectic line the coarse steps also draw the vertical sides of the field down
    // to the mark.
    const typediagram::MarkStep step = typediagram::stepMark(marke, kMarkeSchritte);
    for (int i = 0; i < step.count; ++i) {
        const int y = step.marks[i];
        draw(haupt, Segment { { l.x, kStartMarke }, { l.x, y } });
        if (y > kMarkeSchritte.grobAb) {
            draw(haupt, Segment { { kFeldLinks, kEutektikumY }, { kFeldLinks, y } });
            draw(haupt, Segment { { kFeldRechts, kEutektikumY }, { kFeldRechts, y } });
        }
    }
    marke = step.last();

    if (marke == kSchmelzeMarke) {
        typediagram::appendLines(MemoErlaeuterung, l.memo);
        haupt.Brush.SetColor(clSilver);
        draw(haupt, Box { l.bild.X - 2, l.bild.Y - 2, l.bild.X + 82, l.bild.Y + 82 });
        draw(haupt, l.schmelze);
        typediagram::drawNextFrame(this->*l.bilder, haupt, l.bild.X, l.bild.Y, bildNr);
        if (l.editKristalle)
            showAnteile(l, 0, 100);
    }
    return marke;
}

void TFormZuTyp2::showAnteile(const Legierung& l, int anteil, int schmelze)
{
    (this->*l.editKristalle).SetText(FloatToStr(float(anteil)));
    (this->*l.editSchmelze).SetText(FloatToStr(float(schmelze)));
}

void TFormZuTyp2::tieLineStep(const Legierung& l, int row, int& bildNr)
{
    TCanvas& haupt = PaintBoxHaupt.Canvas();
    const Stufe& s = l.stufen[row];
    const int anteil = typediagram::kristallAnteil(l.festX, s.xl, l.x);
    showAnteile(l, anteil, 100 - anteil);
    m_state.Konoden.erase();
    typediagram::drawNextFrame(this->*l.bilder, haupt, l.bild.X, l.bild.Y, bildNr);
    if (row > 0)
        draw(haupt, Segment { { l.x, kStartMarke }, { l.x, s.T } });
    m_state.Konoden.draw(PaintBoxUmwandlung.Canvas(), { { l.festX, s.T }, { s.xl, s.T } });
    m_state.Konoden.draw(PaintBoxHilfslinien.Canvas(), { { s.xl, s.T }, { s.xl, kFeldUnten } });
    draw(haupt, Segment { { l.festX, s.T - 4 }, { l.festX, s.T } });
    // The liquidus traced down to the melt end of the tie line: L1 from point 1 to the right,
    // L3 from the tie line's melt end to point 2.
    if (l.festX == kFeldLinks) {
        haupt.MoveTo(l.x, kPunkt1Y);
        for (int x = l.x; x <= s.xl; ++x)
            haupt.LineTo(x, zutyp2::liquidusA(x));
    } else {
        haupt.MoveTo(s.xl, s.T);
        for (int x = s.xl; x <= l.x; ++x)
            haupt.LineTo(x, zutyp2::liquidusB(x));
    }
}

void TFormZuTyp2::finishTick(int which, int marke)
{
    if (marke > kEndeAb)
        typediagram::finishRun(alloys(), which);
}

void TFormZuTyp2::TimerUnterTimer()
{
    const Legierung& l = kUnter;
    TCanvas& haupt = PaintBoxHaupt.Canvas();
    const int y = beginTick(l, m_state.MarkeUnter, m_state.BildNrUnter);
    if (y == kPunkt1Y) {
        showAnteile(l, 0, 100);
        typediagram::drawNextFrame(ImageListUnter, haupt, l.bild.X, l.bild.Y, m_state.BildNrUnter);
        draw(haupt, Segment { { kFeldLinks, kPunkt1Y }, { l.x, kPunkt1Y } });
        // Stays: no later step draws it again.
        draw(PaintBoxHilfslinien.Canvas(), Segment { { l.x, kPunkt1Y }, { l.x, kFeldUnten } });
        drawAll(haupt, kPunkt1Texte);
        haupt.Brush.SetColor(clSilver);
        draw(haupt, kPunkt1Gefuege);
    }
    for (int row = 0; row < int(std::size(kStufenUnter)); ++row)
        if (y == kStufenUnter[row].T)
            tieLineStep(l, row, m_state.BildNrUnter);
    if (y == kEutektikumY) {
        // The crystals formed before the eutectic reaction, by the lever on the tie line to the
        // eutectic point; the melt is used up.
        showAnteile(l, typediagram::kristallAnteil(kFeldLinks, kEutektikumX, l.x), 0);
        m_state.Konoden.erase();
        typediagram::drawNextFrame(ImageListUnter, haupt, l.bild.X, l.bild.Y, m_state.BildNrUnter);
        draw(haupt, Segment { { l.x, kStartMarke }, { l.x, kEutektikumY } });
        draw(haupt, kEutektikale);
        draw(PaintBoxHilfslinien.Canvas(), Segment { { kEutektikumX, kEutektikumY }, { kEutektikumX, kFeldUnten } });
        drawAll(haupt, kEuTexteLinks);
        draw(haupt, Segment { { kFeldLinks, kEutektikumY - 4 }, { kFeldLinks, kEutektikumY } });
        haupt.Brush.SetColor(clSilver);
        draw(haupt, kUnterEuGefuege);
        haupt.MoveTo(l.x, kPunkt1Y);
        for (int x = l.x; x <= kEutektikumX; ++x)
            haupt.LineTo(x, zutyp2::liquidusA(x));
    }
    finishTick(l.index, y);
}

void TFormZuTyp2::TimerEutekTimer()
{
    const Legierung& l = kEu;
    TCanvas& haupt = PaintBoxHaupt.Canvas();
    const int y = beginTick(l, m_state.MarkeEu, m_state.BildNrEu);
    if (y == kEutektikumY) {
        drawAll(haupt, kEuTexteLinks);
        haupt.Brush.SetColor(clSilver);
        draw(haupt, kEuGefuege);
        typediagram::drawNextFrame(ImageListEu, haupt, l.bild.X, l.bild.Y, m_state.BildNrEu);
        draw(haupt, kEutektikale);
    }
    finishTick(l.index, y);
}

void TFormZuTyp2::TimerUeberTimer()
{
    const Legierung& l = kUeber;
    TCanvas& haupt = PaintBoxHaupt.Canvas();
    const int y = beginTick(l, m_state.MarkeUeber, m_state.BildNrUeber);
    if (y == kPunkt2Y) {
        showAnteile(l, 0, 100);
        typediagram::drawNextFrame(ImageListUeber, haupt, l.bild.X, l.bild.Y, m_state.BildNrUeber);
        draw(haupt, Segment { { kFeldRechts, kPunkt2Y }, { l.x, kPunkt2Y } });
        draw(PaintBoxHilfslinien.Canvas(), Segment { { l.x, kPunkt2Y }, { l.x, kFeldUnten } });
        drawAll(haupt, kPunkt2Texte);
        haupt.Brush.SetColor(clSilver);
        draw(haupt, kPunkt2Gefuege);
    }
    for (int row = 0; row < int(std::size(kStufenUeber)); ++row)
        if (y == kStufenUeber[row].T)
            tieLineStep(l, row, m_state.BildNrUeber);
    if (y == kEutektikumY) {
        drawAll(haupt, kEuTexteRechts);
        showAnteile(l, typediagram::kristallAnteil(kFeldRechts, kEutektikumX, l.x), 0);
        m_state.Konoden.erase();
        typediagram::drawNextFrame(ImageListUeber, haupt, l.bild.X, l.bild.Y, m_state.BildNrUeber);
        draw(haupt, Segment { { l.x, kStartMarke }, { l.x, kEutektikumY } });
        haupt.Brush.SetColor(clSilver);
        draw(haupt, kUeberEuGefuege);
        // This tie line stays: it is kept by no trace, so nothing erases it.
        draw(PaintBoxUmwandlung.Canvas(), Segment { { kFeldRechts, kEutektikumY }, { kEutektikumX, kEutektikumY } });
        draw(PaintBoxHilfslinien.Canvas(), Segment { { kEutektikumX, kEutektikumY }, { kEutektikumX, kFeldUnten } });
        draw(haupt, Segment { { kFeldRechts, kEutektikumY - 4 }, { kFeldRechts, kEutektikumY } });
        draw(haupt, Segment { { kFeldRechts, kEutektikumY }, { kFeldLinks, kEutektikumY } });
        haupt.MoveTo(kEutektikumX, kEutektikumY);
        for (int x = kEutektikumX; x <= l.x; ++x)
            haupt.LineTo(x, zutyp2::liquidusB(x));
    }
    finishTick(l.index, y);
}

void TFormZuTyp2::StartunterClick()
{
    typediagram::startStop(alloys(), kUnter.index);
}

void TFormZuTyp2::StarteutektischClick()
{
    typediagram::startStop(alloys(), kEu.index);
}

void TFormZuTyp2::StartueberClick()
{
    typediagram::startStop(alloys(), kUeber.index);
}

void TFormZuTyp2::NeuClick()
{
    Refresh();
    typediagram::resetRuns(alloys());
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
