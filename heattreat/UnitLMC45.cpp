// Light micrographs of the steel C 45 after normalising, hardening and quenching and tempering.
#include "heattreat/UnitLMC45.h"

#include "resources/Pictures.h"

namespace wb {

TFormLMC45* FormLMC45 = nullptr;

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
}

void TFormLMC45::showNormalised()
{
    ImageVerg.SetVisible(false);
    ImageNormal.SetVisible(true);
    ImageHart.SetVisible(false);
}

} // namespace wb
