// Micrograph window: the ferrite-pearlite microstructure of a steel with 0.3 % carbon.
#include "ironcarbon/UnitBildC03.h"

namespace wb {

TFormBildC03* FormBildC03 = nullptr;

TFormBildC03::TFormBildC03()
    : TMicrographForm(QStringLiteral("FormBildC03"), QStringLiteral("Gefügeaufnahme Stahl mit 0,3 % Kohlenstoff"),
        QStringLiteral("Stahl mit 0,3 % Kohlenstoff"), QStringLiteral("200      m"))
{
}

} // namespace wb
