// Micrograph window: the ferrite-pearlite microstructure of a steel with 0.3 % carbon.
#include "ironcarbon/UnitBildC03.h"

namespace wb {

TFormBildC03* FormBildC03 = nullptr;

TFormBildC03::TFormBildC03()
    : TLessonForm(QStringLiteral("FormBildC03"),
        { .caption = QStringLiteral("Gefügeaufnahme Stahl mit 0,3 % Kohlenstoff"),
            .width = 400,
            .height = 330,
            .border = bsSizeToolWin })
{
    Ende.OnClick = [this] { EndeClick(); };
    ESCAPE.OnClick = [this] { ESCAPEClick(); };
}

void TFormBildC03::EndeClick()
{
    Close();
}

void TFormBildC03::ESCAPEClick()
{
    Close();
}

} // namespace wb
