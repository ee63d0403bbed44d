// End-quench hardness curves of C 45 specimens tempered at temperatures from 20 °C to 650 °C.
#include "heattreat/UnitVerHart.h"

namespace wb {

TFormVerHart* FormVerHart = nullptr;

TFormVerHart::TFormVerHart()
    : TLessonForm(QStringLiteral("FormVerHart"),
        { .caption = QStringLiteral(
              "Härtekurve angelassener Stirnabschreckproben eines C 45 (Austenitisierungstemperatur 880°C) "),
            .color = kChartColor,
            .border = bsSizeToolWin })
{
}

} // namespace wb
