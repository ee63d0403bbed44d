// The complete iron-carbon diagram in its metastable and its stable form.
#include "ironcarbon/UnitEKDGESAMT.h"

#include "ironcarbon/IronCarbonDiagram.h"

namespace wb {

namespace {

// clang-format off
// The first two lines name the systems in the colours of their lines.
constexpr ColoredText kTextZeilen[] = {
    { 10, 10, "metastabiles Eisen-Kohlenstoff-Schaubild", ekd::kBlau },
    { 205, 30, "+ stabiles Eisen-Kohlenstoff-Schaubild.", ekd::kRot },
    { 10, 50, "Der Kohlenstoff (C) kann in Form von zwei verschiedenen Phasen vorkommen. ", ekd::kSchwarz },
    { 10, 70, "a) im stabilen System liegt der Kohlenstoff als Graphit vor. ", ekd::kSchwarz },
    { 10, 90, "   Dieser Zustand tritt nur bei sehr langsamer Abkühlung ein.", ekd::kSchwarz },
    { 10, 110, "b) im metastabilen System entsteht bei der Abkühlung die intermediäre", ekd::kSchwarz },
    { 10, 130, "   Phase Fe(3)C (Eisenkarbid), genannt Zementit.", ekd::kSchwarz },
    { 10, 150, "  Technische Eisen-Kohlenstoff-Legierungen erstarren vorzugweise nach", ekd::kBlau },
    { 10, 170, "  dem metastabilen System.", ekd::kBlau },
};
// clang-format on
static_assert(std::size(kTextZeilen) == 9);

constexpr int kTextLinks = 270;
constexpr int kTextBreite = 520;
constexpr int kTextHoehe = 200;

} // namespace

void ekdgesamt::paintTextBox(TCanvas& c)
{
    c.Brush.SetColor(kMemoColor);
    c.Pen.SetColor(ekd::kSchwarz);
    c.Pen.SetWidth(1);
    c.Pen.SetStyle(psSolid);
    c.Rectangle(0, 0, kTextBreite, kTextHoehe);
    drawAll(c, kTextZeilen);
}

TFORMEKDGESAMT* FORMEKDGESAMT = nullptr;

TFORMEKDGESAMT::TFORMEKDGESAMT()
    : TLessonForm(QStringLiteral("FORMEKDGESAMT"),
        { .caption = QStringLiteral("Eisen-Kohlenstoff-Schaubild: metastabiler (stabiler) Zustand)"),
            .centring = Centring::OnPaint,
            .fontHeight = -13 })
{
    PaintBoxText.SetVisible(false);
}

void TFORMEKDGESAMT::Layout()
{
    PaintBoxHaupt.SetBounds(0, 0, ClientWidth(), ClientHeight() - StatusBarHint.Height());
    PaintBoxText.SetBounds(kTextLinks, 0, kTextBreite, kTextHoehe);
}

void TFORMEKDGESAMT::FormPaint()
{
    // Size and centring have just been done by the lesson base, before this handler.
    Layout();
    ekd::drawView(PaintBoxHaupt.Canvas(), PaintBoxHaupt.Width(), PaintBoxHaupt.Height(), ekd::View::Complete);
}

void TFORMEKDGESAMT::PaintBoxTextPaint()
{
    ekdgesamt::paintTextBox(PaintBoxText.Canvas());
}

void TFORMEKDGESAMT::GesamtClick()
{
    // The paint handler itself, not a repaint: the complete view is drawn straight over what is
    // there, the text box included, and the form snaps back to the centre as at every paint.
    SizeAndCentre();
    FormPaint();
}

// The two views draw straight onto the diagram and stay until the next paint of the form.
void TFORMEKDGESAMT::MetastabilClick()
{
    ekd::drawView(PaintBoxHaupt.Canvas(), PaintBoxHaupt.Width(), PaintBoxHaupt.Height(), ekd::View::Metastable);
}

void TFORMEKDGESAMT::StabilClick()
{
    ekd::drawView(PaintBoxHaupt.Canvas(), PaintBoxHaupt.Width(), PaintBoxHaupt.Height(), ekd::View::Stable);
}

void TFORMEKDGESAMT::TextClick()
{
    // Showing or hiding the box repaints the whole form, so the complete view comes back under it.
    PaintBoxText.SetVisible(!PaintBoxText.Visible());
    Refresh();
}

void TFORMEKDGESAMT::FormClose()
{
    PaintBoxText.SetVisible(false);
}

} // namespace wb
