#include "ironcarbon/MicrographForm.h"

#include "resources/Pictures.h"

namespace wb {

TMicrographForm::TMicrographForm(
    const QString& name, const QString& caption, const QString& beschriftung, const QString& massstab)
    : TLessonForm(name, { .caption = caption, .width = 400, .height = 330, .border = bsSizeToolWin })
    , m_beschriftung(beschriftung)
    , m_massstab(massstab)
{
    pictures::assignJpeg(ImageBild);
    ImageBild.SetAlign(alTop);
    PaintBoxBildFe.SetAlign(alBottom);
}

void TMicrographForm::FormCreate()
{
    // The alignment keeps the height and spans the client width.
    ImageBild.SetBounds(2, 2, 390, 230);
    PaintBoxBildFe.SetBounds(2, 235, 390, 30);
}

void TMicrographForm::PaintBoxBildFePaint()
{
    // White on the form colour the strip shows as its background.
    TCanvas& c = PaintBoxBildFe.Canvas();
    c.Font.SetName(QStringLiteral("Ms Sans Serif"));
    c.Font.SetHeight(14);
    c.Font.SetColor(clWhite);
    c.Pen.SetColor(clWhite);
    c.Pen.SetWidth(1);
    c.TextOut(10, 5, m_beschriftung);
    // A scale bar of 80 pixels with its end marks.
    c.MoveTo(200, 4);
    c.LineTo(200, 20);
    c.MoveTo(200, 12);
    c.LineTo(280, 12);
    c.MoveTo(280, 4);
    c.LineTo(280, 20);
    c.TextOut(290, 5, m_massstab);
    // The "m" of "Symbol" is µ, written into the gap the scale text leaves for it.
    c.Font.SetName(QStringLiteral("Symbol"));
    c.TextOut(315, 5, QStringLiteral("m"));
}

} // namespace wb
