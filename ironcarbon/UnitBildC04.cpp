// Micrograph window: the ferrite-pearlite microstructure of a steel with 0.4 % carbon.
#include "ironcarbon/UnitBildC04.h"

namespace wb {

TFormBildC04* FormBildC04 = nullptr;

TFormBildC04::TFormBildC04()
    : TLessonForm(QStringLiteral("FormBildC04"),
        { .caption = QStringLiteral("Gefügeaufnahme Stahl mit 0,4 % Kohlenstoff"),
            .width = 400,
            .height = 330,
            .border = bsSizeToolWin })
{
    Ende.OnClick = [this] { EndeClick(); };
    ESCAPE.OnClick = [this] { ESCAPEClick(); };
}

void TFormBildC04::EndeClick()
{
    Close();
}

void TFormBildC04::ESCAPEClick()
{
    Close();
}

} // namespace wb
