// Type 1 diagram (complete solubility, liquid and solid): cooling of an alloy with tie lines and the lever rule.
#include "phase/UnitZutyp1.h"

#include "framework/Figures.h"
#include "resources/Pictures.h"

#include <iterator>

namespace wb {

TFormZuTyp1* FormZuTyp1 = nullptr;

namespace {

// The common bounds of the four diagram paint boxes in the client area; the click strip, the
// memo and the edits are placed relative to them.
constexpr int kPaintBoxBreite = 505;
constexpr int kPaintBoxHoehe = 492;
constexpr int kPaintBoxLinks = 265;
constexpr int kPaintBoxOben = 5;

constexpr TColor kHebelFarbe = RGB(0x80, 0x00, 0xFF); // the lever strip
constexpr TColor kOrange = RGB(0xFF, 0x80, 0x00);

// The diagram of the model, shown in the field.
constexpr phasefield::Projection kProjektion { model::typ1::tBottom, model::typ1::tTop };

using namespace typediagram;

// The cooling line runs down the alloy line from the top of the field; MarkeY steps by 3 above
// 160 and by 6 below it.
constexpr int kStartY = 20;
constexpr int kLegierungX = 198;
constexpr MarkSteps kMarkeSchritte = { .feinBis = 160, .feinSchritt = 3, .grobAb = 160, .grobSchritt = 6 };
// Start/Stop replays the animation once MarkeY has reached this.
constexpr int kFertigAb = 367;

// The keyframes: values of MarkeY at which a tick draws more than the cooling line.
constexpr int kSchmelzeY = 29;
constexpr int kPfeilY = 74;
constexpr int kPunkt1Y = 92;
constexpr int kPunkt2Y = 143;
constexpr int kEndeY = 371; // the first MarkeY above 369 ends the run

struct Triangle {
    TPoint a, b, c;
};

// clang-format off
constexpr const char* kMemo[] = {
    " Beide Komponenten (A und B) bilden",
    " bei diesem Diagrammtyp eine ",
    " lückenlose Mischkristallreihe",
    " --------------------------------------------------------",
    " Legierung mit A = 60 % und B = 40 %:",
    " --------------------------------------------------------",
    " Nach Unterschreiten der Liquiduslinie",
    " (Phasengrenze Punkt 1) beginnt die",
    " Kristallisation von Alpha-MK.",
    " Die Zusammensetzung der Alpha-MK",
    " entspricht dem Schnittpunkt der",
    " Waagerechten mit der Soliduslinie(1*).",
    " Bei weiterer Abkühlung ändert sich die",
    " Konzentration der MK entsprechend dem",
    " jeweiligen Schnittpunkt Waagerechte/",
    " Soliduslinie.",
    " Weil der B-Gehalt der gebildeten",
    " Mischkristalle immer kleiner ist als der",
    " B-Gehalt der ursprünglichen Schmelze,",
    " nimmt der B-Gehalt der Restschmelze",
    " entsprechend dem jeweiligen Schnitt-",
    " punkt der Waagerechten mit der ",
    " Liquiduslinie zu.",
    " Ist der Abkühlungsprozess so weit",
    " fortgeschritten, dass die Temperatur T2",
    " erreicht wird (2), so besitzt der ",
    " auskristallisierte homogene Alpha-MK",
    " die ursprüngliche Zusammensetzung ",
    " (A = 60%, B = 40%).",
};
static_assert(std::size(kMemo) == 29);

// The labels of the fields and lines, in the paint box's own font (height -11).
constexpr TextAt kBereiche[] = {
    { 300, 75, "Schmelze" },
    { 321, 175, "Schmelze" },
    { 370, 150, "Liquiduslinie" },
    { 24, 78, "Soliduslinie" },
};
// The axes: their titles, the components and the concentration scale.
constexpr TextAt kAchsen[] = {
    { 5, 3, "Temperatur/T" },
    { 210, 425, "Konzentration/C" },
    { 20, 390, "A" },
    { 475, 390, "B" },
    { 5, 410, "  0 %B" },
    { 97, 410, " 20" },
    { 189, 410, " 40" },
    { 281, 410, " 60" },
    { 373, 410, " 80" },
    { 450, 410, "100 %B" },
};

// In the "Symbol" face the letter a shows as alpha.
constexpr TextAt kSymbolBeschriftung[] = {
    { 347, 190, "+ a - MK" },
    { 40, 250, "a- MK" },
};

// The lever strip along the bottom of the diagram: the lever rule as a fraction.
constexpr Box kHebelStreifen = { 0, 445, 505, 492 };
constexpr TextAt kHebelTexte1[] = {
    { 20, 450, "Masse MK" },
    { 20, 470, "Masse Schm." },
};
constexpr Segment kHebelBruch1 = { 15, 467, 90, 467 };
constexpr TextAt kHebelTexte2[] = {
    { 100, 457, "=" },
    { 120, 450, "X" },
    { 120, 470, "Y" },
};
constexpr Segment kHebelBruch2 = { 115, 467, 145, 467 };
constexpr TextAt kHebelTexte3[] = {
    { 182, 463, "m MK /%" },
    { 335, 463, "m Schm./%" },
};

// The lever picture: the tie line at y = 104 with the crystal end at the left and the melt
// end at the right, hanging from the alloy line.
constexpr Segment kHebelBild[] = {
    { 122, 104, 230, 104 },
    { 122, 104, 122, 120 },
    { 230, 104, 230, 120 },
};
constexpr Triangle kHebelPfeile[] = {
    { { 122, 120 }, { 119, 110 }, { 125, 110 } },
    { { 230, 120 }, { 227, 110 }, { 233, 110 } },
};
constexpr TextAt kHebelMK[] = { { 110, 126, " m(MK) " }, { 207, 107, "X" } };
constexpr TextAt kHebelSchmelze[] = { { 215, 126, "m(Schm.)" }, { 167, 107, "Y" } };

// Keyframe 29: the melt.
constexpr Box kBildRahmen = { 343, 240, 500, 390 };
constexpr TextAt kSchmelze = { 380, 365, "SCHMELZE" };

// Keyframe 74: arrowhead on the cooling line.
constexpr Triangle kPfeilOben = { { 198, 72 }, { 195, 64 }, { 201, 64 } };

// Keyframe 92 (point 1): the first tie line, its auxiliary lines and the labels.
constexpr int kPunkt1Links = 100;
constexpr int kPunkt1Rechts = 198;
constexpr Segment kPunkt1Konode = { 100, 92, 198, 92 };
constexpr Segment kPunkt1Hilfslinien[] = {
    { 100, 94, 100, 370 },
    { 198, 94, 198, 370 },
    { 100, 92, 20, 92 },
};
constexpr TextAt kPunkt1Texte[] = {
    { 3, 92, "T" },
    { 8, 100, " 1" },
    { 203, 72, "1" },
    { 102, 72, "1*" },
    { 105, 375, "C-Änderung MK" },
    { 208, 375, "C-Änderung Schmelze" },
    { 150, 393, "im Zweiphasengebiet" },
};
constexpr TextAt kPunkt1Gefuege = { 347, 365, "SCHMELZE + ALPHA-MK" };

// The tie-line steps through the two-phase field; their row type sits with the geometry in the
// header.
constexpr zutyp1::TieLineStep kTieLineSteps[] = {
    //  T   Links  xh   xw  Rechts
    {  95,  106,  106, 106,  205 },
    {  98,  112,  112, 112,  212 },
    { 101,  117,  117, 117,  221 },
    { 104,  122,  122, 122,  230 },
    { 107,  127,  127, 127,  239 },
    { 110,  133,  132, 132,  247 },
    { 113,  138,  138, 138,  253 },
    { 116,  143,  144, 144,  259 },
    { 119,  150,  150, 150,  266 },
    { 122,  157,  156, 156,  273 },
    { 125,  163,  162, 162,  280 },
    { 128,  169,  168, 168,  287 },
    { 131,  175,  174, 175,  294 },
    { 134,  181,  180, 181,  300 },
    { 137,  187,  186, 186,  306 },
    { 140,  193,  192, 192,  313 },
};
static_assert(std::size(kTieLineSteps) == 16);

// Keyframe 143 (point 2): the last tie line, its auxiliary lines, the traced curves' ends.
constexpr TextAt kPunkt2Gefuege = { 347, 365, "  homogener   ALPHA-MK" };
constexpr Segment kPunkt2Konode = { 200, 143, 319, 143 };
constexpr Segment kPunkt2Hilfslinien[] = {
    { 198, 143, 198, 370 },
    { 319, 143, 319, 370 },
    { 198, 143, 20, 143 },
};
constexpr int kPunkt2SolidusBis = 198;
constexpr int kPunkt2LiquidusBis = 317;
constexpr TextAt kPunkt2Texte[] = {
    { 3, 140, "T" },
    { 8, 148, " 2" },
    { 200, 123, " 2" },
};
constexpr Triangle kPunkt2Pfeile[] = {
    { { 149, 120 }, { 137, 118 }, { 141, 112 } }, // on the solidus
    { { 269, 120 }, { 257, 118 }, { 261, 112 } }, // on the liquidus
};

// The end of the run: arrowhead at the bottom of the cooling line.
constexpr Triangle kPfeilUnten = { { 198, 222 }, { 195, 214 }, { 201, 214 } };

// The microstructure frames: 0 melt, 1 ... 17 the growing crystals, 18 the homogeneous solid.
constexpr int kBildAnzahl = 19;
constexpr int kBildHomogen = 18;
static_assert(kBildHomogen == kBildAnzahl - 1);
static_assert(2 + int(std::size(kTieLineSteps)) == kBildHomogen, "frames 0 and 1, one per step, then the last");
// clang-format on

constexpr Aktion dreieck(const Triangle& t)
{
    return typediagram::dreieck(t.a, t.b, t.c);
}

// A tie-line step: the shares by the lever rule, the previous step's lines erased, the next
// picture, the cooling line, the tie line on its layer, on the auxiliary layer the verticals from
// both ends and the horizontal to the temperature axis, and the solidus and the liquidus traced
// from point 1 and 1* to the tie line's ends.
constexpr auto stufe(const zutyp1::TieLineStep& s)
{
    return bei(s.T, anteile(s.KonodeLinks, s.KonodeRechts), loeschen(), bild(), kuehllinie(s.T),
        konode(Ebene::Umwandlung, { { s.KonodeLinks, s.T }, { s.KonodeRechts, s.T } }),
        konode(Ebene::Hilfslinien, { { s.xh, s.T }, { s.xh, kFeldUnten } }),
        konode(Ebene::Hilfslinien, { { s.KonodeRechts, s.T }, { s.KonodeRechts, kFeldUnten } }),
        konode(Ebene::Hilfslinien, { { s.xw, s.T }, { kFeldLinks, s.T } }),
        grenze({ { kPunkt1Links, kPunkt1Y }, &model::typ1::solidus, kPunkt1Links, s.KonodeLinks }),
        grenze({ { kPunkt1Rechts, kPunkt1Y }, &model::typ1::liquidus, kPunkt1Rechts, s.KonodeRechts }));
}

// clang-format off
constexpr auto kDrehbuch = drehbuch(
    bei(kSchmelzeY, werte(0, 100), rahmen(kBildRahmen), bild(), text(kSchmelze)),
    bei(kPfeilY, pinsel(clRed), dreieck(kPfeilOben)),
    // Point 1: the first tie line for good; its auxiliary lines stay, no later step draws them
    // again.
    bei(kPunkt1Y, anteile(kPunkt1Links, kPunkt1Rechts), bild(), linie(kPunkt1Konode),
        linie(Ebene::Hilfslinien, kPunkt1Hilfslinien[0]), linie(Ebene::Hilfslinien, kPunkt1Hilfslinien[1]),
        linie(Ebene::Hilfslinien, kPunkt1Hilfslinien[2]), keinPinsel(), texte(kPunkt1Texte), pinsel(clYellow),
        text(kPunkt1Gefuege)),
    jeZeile(kTieLineSteps, stufe),
    // Point 2: the homogeneous solid, the last tie line and its auxiliary lines for good, the
    // curves traced to their ends and arrowheads on them.
    bei(kPunkt2Y, werte(100, 0), loeschen(), pinsel(clYellow), text(kPunkt2Gefuege), kuehllinie(kPunkt2Y),
        linie(kPunkt2Konode), linie(Ebene::Hilfslinien, kPunkt2Hilfslinien[0]),
        linie(Ebene::Hilfslinien, kPunkt2Hilfslinien[1]), linie(Ebene::Hilfslinien, kPunkt2Hilfslinien[2]),
        bildNr(kBildHomogen),
        grenze({ { kPunkt1Links, kPunkt1Y }, &model::typ1::solidus, kPunkt1Links, kPunkt2SolidusBis }),
        grenze({ { kPunkt1Rechts, kPunkt1Y }, &model::typ1::liquidus, kPunkt1Rechts, kPunkt2LiquidusBis }),
        keinPinsel(), texte(kPunkt2Texte), pinsel(clRed), dreieck(kPunkt2Pfeile[0]), dreieck(kPunkt2Pfeile[1])),
    bei(kEndeY, pinsel(clRed), dreieck(kPfeilUnten), ende()));
// clang-format on

constexpr Lauf kLauf = {
    kStartY,
    kMarkeSchritte,
    { .x = kLegierungX, .oben = kStartY },
    false,
    kDrehbuch,
    {},
    { 370, 260 },
};

} // namespace

namespace zutyp1 {

int solidusY(int x)
{
    return kProjektion.curveY(model::typ1::solidus, x);
}

int liquidusY(int x)
{
    return kProjektion.curveY(model::typ1::liquidus, x);
}

void drawBoundaries(TCanvas& c)
{
    phasefield::drawBranch(c, kProjektion, { { 20, 48 }, &model::typ1::solidus, kFeldLinks, kFeldRechts });
    phasefield::drawBranch(c, kProjektion, { { 20, 48 }, &model::typ1::liquidus, kFeldLinks, kFeldRechts });
}

std::span<const TieLineStep> tieLineSteps()
{
    return kTieLineSteps;
}

int anteilMK(int links, int rechts, int legierungX)
{
    return typediagram::kristallAnteil(links, rechts, legierungX);
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
    std::vector<typediagram::Konode> konoden;
    for (const TieLineStep& s : kTieLineSteps)
        konoden.push_back({ s.T, s.KonodeLinks, s.KonodeRechts });
    return { { "alpha + melt", konoden } };
}

} // namespace zutyp1

TFormZuTyp1::TFormZuTyp1()
    : TLessonForm(QStringLiteral("FormZuTyp1"),
        { .caption = QStringLiteral(
              "Zustandsschaubild bei vollkommener Löslichkeit im flüssigen und festen Zustand (schematisch) "),
            .status = status::S4,
            .statusHeight = 20 })
    , m_laeufe({ kProjektion, PaintBoxHaupt.Canvas(), PaintBoxUmwandlung.Canvas(), &PaintBoxHilfslinien.Canvas(),
                   m_state.Konoden, MemoErlaeuterung },
          { { .lauf = &kLauf,
              .bilder = &ImageListMkBildung,
              .timer = &TimerHaupt,
              .marke = &m_state.MarkeY,
              .bildNr = &m_state.BildNr,
              .kristalle = &EditMK,
              .schmelze = &EditSch,
              .konodeLinks = &m_state.KonodeLinks,
              .konodeRechts = &m_state.KonodeRechts,
              .anteil = &m_state.AnteilMK } })
{
    SetKeyPreview(true);
    PaintBoxHebel.SetColor(kHebelFarbe);
    PaintBoxHand.SetCursor(crHandPoint);
    MemoErlaeuterung.SetColor(kMemoColor);
    MemoErlaeuterung.SetReadOnly(true);
    MemoErlaeuterung.SetTabStop(false);
    for (TEdit* edit : { &EditMK, &EditSch }) {
        edit->SetReadOnly(true);
        edit->SetTabStop(false);
        edit->Font.SetHeight(-13);
    }
    pictures::assignStrip(ImageListMkBildung);

    // No FormClose on purpose: the close box stops and resets nothing, so a running animation
    // goes on unseen and the next opening continues from where it is.
}

void TFormZuTyp1::FormCreate()
{
    // Outer size and centring are done by the lesson base before this runs.
    for (TPaintBox* box : { &PaintBoxHilfslinien, &PaintBoxUmwandlung, &PaintBoxHaupt, &PaintBoxHebel })
        box->SetBounds(kPaintBoxLinks, kPaintBoxOben, kPaintBoxBreite, kPaintBoxHoehe);
    // The width, not the height, enters the strip's top: 440.
    PaintBoxHand.SetBounds(kPaintBoxLinks, kPaintBoxBreite + kPaintBoxOben - 70, kPaintBoxBreite, 60);
    MemoErlaeuterung.SetBounds(kPaintBoxLinks - 252, kPaintBoxOben - 2, 255, kPaintBoxHoehe + 2);
    EditMK.SetBounds(PaintBoxHebel.Left() + 250, PaintBoxHebel.Top() + 455, 50, 25);
    EditSch.SetBounds(PaintBoxHebel.Left() + 400, PaintBoxHebel.Top() + 455, 50, 25);

    TCanvas& hilfs = PaintBoxHilfslinien.Canvas();
    hilfs.Pen.SetColor(clRed);
    hilfs.Pen.SetStyle(psSolid);
    hilfs.Pen.SetWidth(1);
    TCanvas& konode = PaintBoxUmwandlung.Canvas();
    konode.Pen.SetColor(clBlue);
    konode.Pen.SetStyle(psSolid);
    konode.Pen.SetWidth(2);

    // The 29 lines at height 18 are longer than the memo is high: both scroll bars, so that
    // every line can be read.
    typediagram::zeigeGrundtext(MemoErlaeuterung, kMemo);
}

void TFormZuTyp1::PaintBoxHauptPaint()
{
    TCanvas& c = PaintBoxHaupt.Canvas();
    c.Font.SetName(QStringLiteral("Ms Sans Serif"));
    c.Pen.SetWidth(1);
    // The field's rectangle ends at 480: the column right of the bands keeps the surrounding blue.
    phasefield::drawGround(c, kPaintBoxBreite, kPaintBoxHoehe, clWhite, kFeldRechts);

    c.Font.SetName(QStringLiteral("MS Sans Serif"));
    c.Pen.SetWidth(2);
    c.Brush.SetStyle(bsClear);
    c.Font.SetColor(clBlack);
    drawAll(c, kBereiche);
    drawAll(c, kAchsen);
    c.Font.SetName(QStringLiteral("Symbol"));
    c.Font.SetHeight(14);
    drawAll(c, kSymbolBeschriftung);

    c.Pen.SetColor(clSilver);
    c.Pen.SetWidth(2);
    zutyp1::drawBoundaries(c);
    // The canvas keeps "Symbol" at height 14: the ticks only set the name back, so the
    // animation's texts come out in "Ms Sans Serif" at height 14.
}

void TFormZuTyp1::PaintBoxHebelPaint()
{
    // The brush arrives with the strip's colour; the pen width is whatever the lever picture
    // left (2 after a click).
    TCanvas& c = PaintBoxHebel.Canvas();
    c.Pen.SetColor(clWhite);
    c.Font.SetColor(clWhite);
    draw(c, kHebelStreifen);
    drawAll(c, kHebelTexte1);
    draw(c, kHebelBruch1);
    drawAll(c, kHebelTexte2);
    draw(c, kHebelBruch2);
    drawAll(c, kHebelTexte3);
}

void TFormZuTyp1::PaintBoxHandClick()
{
    TCanvas& c = PaintBoxHebel.Canvas();
    c.Font.SetName(QStringLiteral("MS Sans Serif"));
    c.Font.SetHeight(-11);
    c.Pen.SetColor(clWhite);
    c.Pen.SetWidth(2);
    c.Font.SetColor(clWhite);
    c.MoveTo(m_state.LegierungX, kFeldOben);
    c.LineTo(m_state.LegierungX, PaintBoxHebel.Height() - 122);
    drawAll(c, kHebelBild);
    // Filled with the brush then current: the strip's colour after a repaint, orange after an
    // earlier click.
    for (const Triangle& t : kHebelPfeile)
        c.Polygon({ t.a, t.b, t.c });
    c.Brush.SetColor(clMaroon);
    drawAll(c, kHebelMK);
    c.Font.SetColor(clBlack);
    c.Brush.SetColor(kOrange);
    drawAll(c, kHebelSchmelze);
}

void TFormZuTyp1::TimerHauptTimer()
{
    TCanvas& haupt = PaintBoxHaupt.Canvas();
    TCanvas& konode = PaintBoxUmwandlung.Canvas();
    TCanvas& hilfs = PaintBoxHilfslinien.Canvas();
    haupt.Pen.SetWidth(3);
    konode.Pen.SetWidth(3);
    hilfs.Pen.SetWidth(3);
    haupt.Font.SetName(QStringLiteral("Ms Sans Serif"));
    haupt.Brush.SetColor(clYellow);
    haupt.Pen.SetColor(clBlue);
    PaintBoxHaupt.Font.SetColor(clBlack);
    haupt.TextOut(205, 20, QStringLiteral("Legierung mit 40% B und 60% A"));
    konode.Pen.SetMode(pmNotXor);
    hilfs.Pen.SetMode(pmNotXor);
    // Fine steps above 160, coarse ones below; the tick that crosses 160 takes both and draws
    // the cooling line twice.
    m_laeufe.tick(0);
}

void TFormZuTyp1::StartStopClick()
{
    const bool finished = typediagram::runPhase(m_state.MarkeY, TimerHaupt.Enabled(), kStartY, kFertigAb)
        == typediagram::RunPhase::Finished;
    TimerHaupt.SetEnabled(!TimerHaupt.Enabled());
    if (finished) {
        // The run had ended: clear the picture and replay from the top, the timer running. The
        // edit boxes keep their values until the animation writes new ones.
        Refresh();
        m_state.restartRun();
    }
}

void TFormZuTyp1::FormKeyDown(int& /*key*/, TShiftState /*shift*/)
{
    // Any key that is no menu shortcut starts, pauses and resumes. The framework keeps bare
    // modifiers and Alt or Ctrl combinations away from here, so Alt+S runs "&Start/Stop" once.
    StartStopClick();
}

void TFormZuTyp1::NEuClick()
{
    TimerHaupt.SetEnabled(false);
    Refresh();
    m_state.restartRun();
    EditMK.SetText(QString());
    EditSch.SetText(QString());
}

void TFormZuTyp1::EndeClick()
{
    NEuClick();
    Close();
}

void TFormZuTyp1::ESCAPEClick()
{
    NEuClick();
    Close();
}

} // namespace wb
