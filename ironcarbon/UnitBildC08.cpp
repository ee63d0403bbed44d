// Micrograph window: the ferrite-pearlite microstructure of a steel with 0.8 % carbon.
#include "ironcarbon/UnitBildC08.h"

namespace wb {

TFormBildC08* FormBildC08 = nullptr;

TFormBildC08::TFormBildC08()
    : TLessonForm(QStringLiteral("FormBildC08"),
        { .caption = QStringLiteral("Gefügeaufnahme Stahl mit 0,8 % Kohlenstoff"),
            .width = 400,
            .height = 330,
            .border = bsSizeToolWin })
{
    Ende.OnClick = [this] { EndeClick(); };
    ESCAPE.OnClick = [this] { ESCAPEClick(); };
}

void TFormBildC08::EndeClick()
{
    Close();
}

void TFormBildC08::ESCAPEClick()
{
    Close();
}

} // namespace wb
