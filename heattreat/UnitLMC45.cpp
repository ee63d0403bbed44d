// Light micrographs of the steel C 45 after normalising, hardening and quenching and tempering.
#include "heattreat/UnitLMC45.h"

#include "framework/Figures.h"
#include "resources/Pictures.h"

namespace wb {

TFormLMC45* FormLMC45 = nullptr;

namespace {

// What each picture shows. The trailing blanks are part of the text: written on the solid
// form-coloured brush they wipe out the rest of a longer caption written before.
// clang-format off
constexpr TextAt kNormalCaption { 10, 10, "C 45       Normalgeglüht                 " };
constexpr TextAt kHartCaption   { 10, 10, "C 45              Martensit                 " };
constexpr TextAt kVergCaption   { 10, 10, "C 45             Vergütet                 " };

// The scale bar: 170 pixels stand for 60 µm. The "m" of "Symbol" is the µ, written into the gap
// the first text leaves for it.
constexpr Segment kScaleBar[] = {
    { { 500, 5 }, { 500, 35 } },
    { { 500, 20 }, { 670, 20 } },
    { { 670, 5 }, { 670, 35 } },
};
constexpr TextAt kScaleText { 690, 5, " 60      m" };
constexpr TextAt kScaleMu   { 732, 5, "m" };
// clang-format on

constexpr int kCaptionHeight = 24;
constexpr int kBarWidth = 3;

// The strip's white font and pen in the sans face.
void whiteCaptionFont(TCanvas& c)
{
    c.Font.SetHeight(kCaptionHeight);
    c.Font.SetColor(clWhite);
    c.Pen.SetColor(clWhite);
    c.Font.SetName(QStringLiteral("Ms Sans Serif"));
}

} // namespace

TFormLMC45::TFormLMC45()
    : TLessonForm(QStringLiteral("FormLMC45"),
        { .caption = QStringLiteral("Lichtmikroskopische Gefügeaufnahmen eines C 45 , Normalglühen, Vergüten, Härten"),
            .statusFontHeight = -16 })
{
    pictures::assignJpeg(ImageNormal);
    pictures::assignJpeg(ImageHart);
    pictures::assignJpeg(ImageVerg);
    ImageNormal.SetVisible(false);
    ImageHart.SetVisible(false);
    ImageVerg.SetVisible(false);
}

void TFormLMC45::FormCreate()
{
    // The micrographs are larger than their place: shown unscaled, cut at the right and bottom.
    ImageNormal.SetBounds(2, 1, 790, 470);
    ImageHart.SetBounds(2, 1, 790, 470);
    ImageVerg.SetBounds(2, 1, 790, 470);
    PaintBox1000.SetBounds(2, 480, 790, 40);
}

void TFormLMC45::showNormalised()
{
    ImageVerg.SetVisible(false);
    ImageNormal.SetVisible(true);
    ImageHart.SetVisible(false);
}

void TFormLMC45::PaintBox1000Paint()
{
    TCanvas& c = PaintBox1000.Canvas();
    whiteCaptionFont(c);
    c.Pen.SetWidth(kBarWidth);
    // A repaint (the window uncovered, shown again) names the picture that is shown, not always
    // the normalised one.
    writeCaption();
    drawAll(c, kScaleBar);
    draw(c, kScaleText);
    c.Font.SetName(QStringLiteral("Symbol"));
    draw(c, kScaleMu);
}

void TFormLMC45::Normalglhen1Click()
{
    ImageVerg.SetVisible(false);
    ImageNormal.SetVisible(true);
    ImageHart.SetVisible(false);
    whiteCaptionFont(PaintBox1000.Canvas());
    writeCaption();
}

void TFormLMC45::Hrten1Click()
{
    ImageNormal.SetVisible(false);
    ImageHart.SetVisible(true);
    ImageVerg.SetVisible(false);
    whiteCaptionFont(PaintBox1000.Canvas());
    writeCaption();
}

void TFormLMC45::Vergten1Click()
{
    ImageNormal.SetVisible(false);
    ImageVerg.SetVisible(true);
    ImageHart.SetVisible(false);
    whiteCaptionFont(PaintBox1000.Canvas());
    writeCaption();
}

void TFormLMC45::writeCaption()
{
    // Before the main menu first chooses a picture none is shown; the strip then names the
    // normalised one the menu always opens with.
    const TextAt& caption = ImageHart.Visible() ? kHartCaption : ImageVerg.Visible() ? kVergCaption : kNormalCaption;
    TCanvas& c = PaintBox1000.Canvas();
    c.Brush.SetStyle(bsSolid);
    c.Brush.SetColor(Color());
    draw(c, caption);
}

} // namespace wb
