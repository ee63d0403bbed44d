// Micrograph window: the ferrite-pearlite microstructure of a steel with 0.7 % carbon.
#include "ironcarbon/UnitBildC07.h"

namespace wb {

TFormBildC07* FormBildC07 = nullptr;

TFormBildC07::TFormBildC07()
    : TLessonForm(QStringLiteral("FormBildC07"),
        { .caption = QStringLiteral("Gefügeaufnahme Stahl mit 0,7 % Kohlenstoff"),
            .width = 400,
            .height = 330,
            .border = bsSizeToolWin })
{
    Ende.OnClick = [this] { EndeClick(); };
    ESCAPE.OnClick = [this] { ESCAPEClick(); };
}

void TFormBildC07::EndeClick()
{
    Close();
}

void TFormBildC07::ESCAPEClick()
{
    Close();
}

} // namespace wb
