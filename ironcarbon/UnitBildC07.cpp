// Micrograph window: the ferrite-pearlite microstructure of a steel with 0.7 % carbon.
#include "ironcarbon/UnitBildC07.h"

namespace wb {

TFormBildC07* FormBildC07 = nullptr;

TFormBildC07::TFormBildC07()
    : TMicrographForm(QStringLiteral("FormBildC07"), QStringLiteral("Gefügeaufnahme Stahl mit 0,7 % Kohlenstoff"),
        QStringLiteral("Stahl mit 0,7 % Kohlenstoff"), QStringLiteral("200      m"))
{
}

} // namespace wb
