// Type 6 diagram: a system with a transformation in the solid state (a eutectoid).
#include "phase/UnitZuTyp6.h"

#include "phase/PhaseField.h"

#include <iterator>

namespace wb {

TFormZuTyp6* FormZuTyp6 = nullptr;

namespace {

// The explanation, refilled at every repaint.
// clang-format off
constexpr const char* kMemo[] = {
    " Dieses Diagramm zeigt eine Phasen-",
    " änderung im festen Zustand, die durch",
    " eine allotrope Umwandlung der Kom-",
    " ponenten hervorgerufen wird.",
    "--------------------------------------------------------",
    " Zunächst findet zwischen der Liquidus-",
    " und Soliduslinie beim Abkühlprozess auf",
    " der gesamten Konzentrationsbreite eine",
    " homogene Mischkristallbildung statt.",
    " Die unterhalb der Linie A-B-C neu ent-",
    " stehenden Kristalle tragen nicht zur MK-",
    " Bildung bei.",
    " Entlang der Linie A-B (B-C)  scheiden ",
    " solange A-Kristalle (B-Kristalle) aus,",
    " bis die Konzentration der homogenen",
    " Mischkristalle die Zusammensetzung in",
    " Punkt B erreicht hat. Unterhalb dieser",
    " Temperatur wandelt der Rest der festen",
    " Lösung (MK) in ein feinverteiltes Kristall-",
    " gemenge von A und B um, dass im Un- ",
    " terschied zum Eutektikum (flüssig) mit",
    " EUTEKTOID bezeichnet wird.",
    " Das technisch wichtigste EUTEKTOID",
    " ist der PERLIT im System Fe-Fe(3)C",
    " = Eisen-Eisenkarbid.",
};
static_assert(std::size(kMemo) == 25);

// The field labels and the points A, B and C of the eutectoid.
constexpr TextAt kBeschriftung[] = {
    { 220, 35, "Schmelze" },
    { 130, 70, "Schmelze" },
    { 170, 90, "+ Mischkristalle" },
    { 200, 190, "Mischkristalle" },
    { 50, 260, "Mischkristalle" },
    { 50, 280, "+A - Kristalle" },
    { 440, 260, "Mk" },
    { 410, 280, "+B-Kristalle" },
    { 100, 340, "A-Kristalle + Eutektoid" },
    { 320, 340, "B-Kristalle + Eutektoid" },
    { 300, 302, "Eutektoid" },
    { 26, 175, "A" },
    { 290, 280, "B" },
    { 470, 230, "C" },
};

// The lines A-B and B-C where the mixed crystals give off A and B crystals, the solidus and the
// liquidus of the lens.
constexpr phasefield::Projection kProjektion { model::typ6::tBottom, model::typ6::tTop };
constexpr phasefield::Branch kKurven[] = {
    //  start       curve                           x from … to
    { { 20, 188 }, &model::typ6::transformationA, 20, 296 },
    { { 296, 300 }, &model::typ6::transformationB, 296, 480 },
    { { 20, 38 }, &model::typ6::solidus, 20, 480 },
    { { 20, 38 }, &model::typ6::liquidus, 20, 480 },
};

// The eutectoid line and the eutectoid composition down to the axis.
constexpr Segment kEutektoid[] = {
    { { 20, 300 }, { 480, 300 } },
    { { 295, 300 }, { 295, 370 } },
};
// clang-format on

} // namespace

TFormZuTyp6::TFormZuTyp6()
    : TLessonForm(QStringLiteral("FormZuTyp6"),
        { .caption = QStringLiteral("Zustandsschaubild mit Umwandlungen im festen Zustand (schematisch)"),
            .centring = Centring::OnPaint,
            .fontHeight = -10,
            .border = bsSizeable })
{
    phasefield::setUpMemo(MemoErlaeuterung);
}

void TFormZuTyp6::FormPaint()
{
    // The lesson base has set the outer size and centred the form just before.
    phasefield::layoutDiagramPage(*this, PaintBoxHaupt, MemoErlaeuterung, kMemo);
}

void TFormZuTyp6::PaintBoxHauptPaint()
{
    TCanvas& c = PaintBoxHaupt.Canvas();
    // The ground's outlines take the pen width the last paint left: 1 at the first paint, 2
    // afterwards.
    phasefield::drawGround(c, 500, 450, clBlack);
    phasefield::drawAxisTexts(c);
    c.Pen.SetWidth(2);
    drawAll(c, kBeschriftung);
    c.Pen.SetColor(phasefield::kLinie);
    for (const phasefield::Branch& b : kKurven)
        phasefield::drawBranch(c, kProjektion, b);
    drawAll(c, kEutektoid);
}

} // namespace wb
