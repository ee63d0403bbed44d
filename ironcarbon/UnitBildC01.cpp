// Micrograph window: the ferrite-pearlite microstructure of a steel with 0.1 % carbon.
#include "ironcarbon/UnitBildC01.h"

namespace wb {

TFormBildC01* FormBildC01 = nullptr;

TFormBildC01::TFormBildC01()
    : TLessonForm(QStringLiteral("FormBildC01"),
        { .caption = QStringLiteral("Gefügeaufnahme Stahl mit 0,1 % Kohlenstoff"),
            .width = 400,
            .height = 330,
            .border = bsSizeToolWin })
{
    Ende.OnClick = [this] { EndeClick(); };
    ESCAPE.OnClick = [this] { ESCAPEClick(); };
}

void TFormBildC01::EndeClick()
{
    Close();
}

void TFormBildC01::ESCAPEClick()
{
    Close();
}

} // namespace wb
