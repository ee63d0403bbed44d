// Micrograph window: the ferrite-pearlite microstructure of a steel with 0.2 % carbon.
#include "ironcarbon/UnitBildC02.h"

namespace wb {

TFormBildC02* FormBildC02 = nullptr;

TFormBildC02::TFormBildC02()
    : TLessonForm(QStringLiteral("FormBildC02"),
        { .caption = QStringLiteral("Gefügeaufnahme Stahl mit 0,2 % Kohlenstoff"),
            .width = 400,
            .height = 330,
            .border = bsSizeToolWin })
{
    Ende.OnClick = [this] { EndeClick(); };
    ESCAPE.OnClick = [this] { ESCAPEClick(); };
}

void TFormBildC02::EndeClick()
{
    Close();
}

void TFormBildC02::ESCAPEClick()
{
    Close();
}

} // namespace wb
