// Micrograph window: the ferrite-pearlite microstructure of a steel with 0.5 % carbon.
#include "ironcarbon/UnitBildC05.h"

namespace wb {

TFormBildC05* FormBildC05 = nullptr;

TFormBildC05::TFormBildC05()
    : TLessonForm(QStringLiteral("FormBildC05"),
        { .caption = QStringLiteral("Gefügeaufnahme Stahl mit 0,5 % Kohlenstoff"),
            .width = 400,
            .height = 330,
            .border = bsSizeToolWin })
{
    Ende.OnClick = [this] { EndeClick(); };
    ESCAPE.OnClick = [this] { ESCAPEClick(); };
}

void TFormBildC05::EndeClick()
{
    Close();
}

void TFormBildC05::ESCAPEClick()
{
    Close();
}

} // namespace wb
