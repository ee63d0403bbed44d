// Micrograph window: the ferrite-pearlite microstructure of a steel with 0.2 % carbon.
#include "ironcarbon/UnitBildC02.h"

namespace wb {

TFormBildC02* FormBildC02 = nullptr;

TFormBildC02::TFormBildC02()
    : TMicrographForm(QStringLiteral("FormBildC02"), QStringLiteral("Gefügeaufnahme Stahl mit 0,2 % Kohlenstoff"),
        QStringLiteral("Stahl mit 0.2 % Kohlenstoff"), QStringLiteral("200      m"))
{
}

} // namespace wb
