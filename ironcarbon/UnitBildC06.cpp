// Micrograph window: the ferrite-pearlite microstructure of a steel with 0.6 % carbon.
#include "ironcarbon/UnitBildC06.h"

namespace wb {

TFormBildC06* FormBildC06 = nullptr;

TFormBildC06::TFormBildC06()
    : TLessonForm(QStringLiteral("FormBildC06"),
        { .caption = QStringLiteral("Gefügeaufnahme Stahl mit 0,6 % Kohlenstoff"),
            .width = 400,
            .height = 330,
            .border = bsSizeToolWin })
{
    Ende.OnClick = [this] { EndeClick(); };
    ESCAPE.OnClick = [this] { ESCAPEClick(); };
}

void TFormBildC06::EndeClick()
{
    Close();
}

void TFormBildC06::ESCAPEClick()
{
    Close();
}

} // namespace wb
