// Micrograph window: the ferrite-pearlite microstructure of a steel with 0.4 % carbon.
#include "ironcarbon/UnitBildC04.h"

namespace wb {

TFormBildC04* FormBildC04 = nullptr;

TFormBildC04::TFormBildC04()
    : TMicrographForm(QStringLiteral("FormBildC04"), QStringLiteral("Gefügeaufnahme Stahl mit 0,4 % Kohlenstoff"),
        QStringLiteral("Stahl mit 0,4 % Kohlenstoff"), QStringLiteral("200      m"))
{
}

} // namespace wb
