// Micrograph window: the ferrite-pearlite microstructure of a steel with 0.6 % carbon.
#include "ironcarbon/UnitBildC06.h"

namespace wb {

TFormBildC06* FormBildC06 = nullptr;

TFormBildC06::TFormBildC06()
    : TMicrographForm(QStringLiteral("FormBildC06"), QStringLiteral("Gefügeaufnahme Stahl mit 0,6 % Kohlenstoff"),
        QStringLiteral("Stahl mit 0,6 % Kohlenstoff"), QStringLiteral("200      m"))
{
}

} // namespace wb
