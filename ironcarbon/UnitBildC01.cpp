// Micrograph window: the ferrite-pearlite microstructure of a steel with 0.1 % carbon.
#include "ironcarbon/UnitBildC01.h"

namespace wb {

TFormBildC01* FormBildC01 = nullptr;

TFormBildC01::TFormBildC01()
    : TMicrographForm(QStringLiteral("FormBildC01"), QStringLiteral("Gefügeaufnahme Stahl mit 0,1 % Kohlenstoff"),
        QStringLiteral("Stahl mit 0.1 % Kohlenstoff"), QStringLiteral("200      m"))
{
}

} // namespace wb
