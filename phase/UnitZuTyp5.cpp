// Type 5 diagram: complete insolubility in the solid state with an intermediate phase that splits the diagram in two.
#include "phase/UnitZuTyp5.h"

#include "phase/PhaseField.h"

#include <iterator>

namespace wb {

TFormZuTyp5* FormZuTyp5 = nullptr;

namespace {

// The explanation, refilled at every repaint.
// clang-format off
constexpr const char* kMemo[] = {
    " In metallischen Zweistoffsystemen sind",
    " auch intermetallische Verbindungen",
    " möglich. Diese Phasen sind chemische",
    " Verbindungen.",
    "--------------------------------------------------------",
    " An dieser Stelle ist der Diagrammtyp",
    " wiedergegeben, bei dem zwischen den",
    " Eutektikum 1 und Eutektikum 2 primär",
    " eine Verbindung A(m)B(n), bestehend",
    " aus den Komponenten A und B,  aus-",
    " scheidet.",
    " Weiterhin besteht für diesen Fall ",
    " vollständige Löslichkeit im flüssigen",
    " und vollständige Unlöslichkeit im festen",
    " Zustand. ",
    " Außerdem kann man das Diagramm",
    " in zwei Teildiagramme zerlegen.",
    " Die Teilung wird in diesem Fall bei einer",
    " Konzentration von 60% B vorgenommen.",
    " Somit erhält man die  Teildiagramme",
    " A-A(m)B(n) und A(m)B(n)-B und die Ver-",
    " bindung A(m)B(n) kann wie ein reiner",
    " Stoff betrachtet werden.",
};
static_assert(std::size(kMemo) == 23);

// The field labels.
constexpr TextAt kBeschriftung[] = {
    { 110, 252, "Eutektikum 1" },
    { 360, 167, "Eutektikum 2" },
    { 100, 35, "Schmelze" },
    { 350, 35, "Schmelze" },
    { 25, 217, "Schmelze" },
    { 45, 233, "+A" },
    { 260, 100, "Schmelze" },
    { 427, 133, "Schmelze" },
    { 425, 150, "+B" },
    { 160, 300, "Eutektikum 1" },
    { 300, 260, "Eutektikum 2" },
    { 70, 300, "A" },
    { 30, 320, "+ Eutektikum 1" },
    { 430, 260, "B" },
    { 392, 275, "+ Eutektikum 2" },
    { 400, 95, "Liquiduslinie" },
    { 110, 160, "Liquiduslinie" },
};

// The compound A(m)B(n) written with its subscripts m and n as texts of their own, 4 or 5
// pixels below the line, between the letters.
struct Formel {
    TextAt zeile;
    TextAt m;
    TextAt n;
};
constexpr Formel kFormeln[] = {
    { { 262, 120, "+ A     B   " }, { 283, 125, "m" }, { 305, 125, "n" } },
    { { 167, 320, "+ A     B" }, { 188, 325, "m" }, { 210, 325, "n" } },
    { { 307, 280, "+ A     B" }, { 328, 285, "m" }, { 350, 285, "n" } },
};
// The compound's place on the concentration axis, written after the axis texts.
constexpr Formel kVerbindung = { { 279, 372, "A     B" }, { 290, 376, "m" }, { 312, 376, "n" } };

// The two eutectic lines and the compound's line at 60 % B, open where its label stands.
constexpr Segment kLinien[] = {
    { { 20, 250 }, { 296, 250 } },
    { { 296, 165 }, { 480, 165 } },
    { { 296, 88 }, { 296, 100 } },
    { { 296, 134 }, { 296, 370 } },
};

// Dotted: the compound's melting point up to the top, the eutectic compositions down to the
// axis.
constexpr Segment kPunktiert[] = {
    { { 295, 20 }, { 295, 88 } },
    { { 135, 250 }, { 135, 370 } },
    { { 388, 165 }, { 388, 370 } },
};

// The four liquidus branches: A to eutectic 1, up to the compound's maximum, down to
// eutectic 2, up to B.
constexpr phasefield::Projection kProjektion { model::typ5::tBottom, model::typ5::tTop };
constexpr phasefield::Branch kLiquidus[] = {
    //  start       curve                        x from … to
    { { 20, 177 }, &model::typ5::liquidusA, 20, 135 },
    { { 135, 251 }, &model::typ5::compoundLeft, 135, 296 },
    { { 296, 88 }, &model::typ5::compoundRight, 296, 388 },
    { { 388, 164 }, &model::typ5::liquidusB, 388, 480 },
};
// clang-format on

void drawFormel(TCanvas& c, const Formel& f)
{
    draw(c, f.zeile);
    draw(c, f.m);
    draw(c, f.n);
}

} // namespace

TFormZuTyp5::TFormZuTyp5()
    : TLessonForm(QStringLiteral("FormZuTyp5"),
        { .caption = QStringLiteral(
              "Zustandsschaubild vollkommener Unlöslichkeit im festen Zustand mit intermediären Phasen (schematisch)"),
            .centring = Centring::OnPaint,
            .fontHeight = -10,
            .border = bsSizeable })
{
    phasefield::setUpMemo(MemoErlaeuterung);
}

void TFormZuTyp5::FormPaint()
{
    // The lesson base has set the outer size and centred the form just before.
    phasefield::layoutDiagramPage(*this, PaintBoxHaupt, MemoErlaeuterung, kMemo);
}

void TFormZuTyp5::PaintBoxHauptPaint()
{
    TCanvas& c = PaintBoxHaupt.Canvas();
    // The ground's outlines take the pen width the last paint left: 1 at the first paint, 2
    // afterwards.
    phasefield::drawGround(c, 500, 450, clWhite);
    drawAll(c, kBeschriftung);
    for (const Formel& f : kFormeln)
        drawFormel(c, f);
    phasefield::drawAxisTexts(c);
    drawFormel(c, kVerbindung);
    c.Pen.SetColor(phasefield::kLinie);
    c.Pen.SetWidth(2);
    drawAll(c, kLinien);
    c.Pen.SetWidth(1);
    c.Pen.SetStyle(psDot);
    drawAll(c, kPunktiert);
    c.Pen.SetWidth(2);
    c.Pen.SetStyle(psSolid);
    for (const phasefield::Branch& b : kLiquidus)
        phasefield::drawBranch(c, kProjektion, b);
}

} // namespace wb
