// Micrograph window: the ferritic microstructure of nearly carbon-free iron.
#include "ironcarbon/UnitBildFe.h"

namespace wb {

TFormBildFe* FormBildFe = nullptr;

TFormBildFe::TFormBildFe()
    : TLessonForm(QStringLiteral("FormBildFe"),
        { .caption = QStringLiteral("Gefügeaufnahme Ferrit"), .width = 400, .height = 330, .border = bsSizeToolWin })
{
    Ende.OnClick = [this] { EndeClick(); };
    ESCAPE.OnClick = [this] { ESCAPEClick(); };
}

void TFormBildFe::EndeClick()
{
    Close();
}

void TFormBildFe::ESCAPEClick()
{
    Close();
}

} // namespace wb
