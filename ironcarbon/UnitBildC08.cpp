// Micrograph window: the ferrite-pearlite microstructure of a steel with 0.8 % carbon.
#include "ironcarbon/UnitBildC08.h"

namespace wb {

TFormBildC08* FormBildC08 = nullptr;

TFormBildC08::TFormBildC08()
    : TMicrographForm(QStringLiteral("FormBildC08"), QStringLiteral("Gefügeaufnahme Stahl mit 0,8 % Kohlenstoff"),
        QStringLiteral("Stahl mit 0,8 % Kohlenstoff"), QStringLiteral("200      m"))
{
}

} // namespace wb
