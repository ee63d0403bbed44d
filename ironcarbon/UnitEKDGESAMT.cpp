// The complete iron-carbon diagram in its metastable and its stable form.
#include "ironcarbon/UnitEKDGESAMT.h"

#include "ironcarbon/IronCarbonDiagram.h"

namespace wb {

namespace {

struct Zeile {
    int x;
    int y;
    TColor farbe;
    const char* text;
};

// clang-format off
// The first two lines name the systems in the colours of their lines.
constexpr Zeile kTextZeilen[] = {
    { 10, 10, ekd::kBlau, "metastabiles Eisen-Kohlenstoff-Schaubild" },
    { 205, 30, ekd::kRot, "+ stabiles Eisen-Kohlenstoff-Schaubild." },
    { 10, 50, ekd::kSchwarz, "Der Kohlenstoff (C) kann in Form von zwei verschiedenen Phasen vorkommen. " },
    { 10, 70, ekd::kSchwarz, "a) im stabilen System liegt der Kohlenstoff als Graphit vor. " },
    { 10, 90, ekd::kSchwarz, "   Dieser Zustand tritt nur bei sehr langsamer Abkühlung ein." },
    { 10, 110, ekd::kSchwarz, "b) im metastabilen System entsteht bei der Abkühlung die intermediäre" },
    { 10, 130, ekd::kSchwarz, "   Phase Fe(3)C (Eisenkarbid), genannt Zementit." },
    { 10, 150, ekd::kBlau, "  Technische Eisen-Kohlenstoff-Legierungen erstarren vorzugweise nach" },
    { 10, 170, ekd::kBlau, "  dem metastabilen System." },
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
    for (const Zeile& z : kTextZeilen) {
        c.Font.SetColor(z.farbe);
        c.TextOut(z.x, z.y, QString::fromUtf8(z.text));
    }
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
    invalidate();
}

void TFORMEKDGESAMT::FormClose()
{
    PaintBoxText.SetVisible(false);
}

} // namespace wb
