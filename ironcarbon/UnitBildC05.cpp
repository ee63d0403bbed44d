// Micrograph window: the ferrite-pearlite microstructure of a steel with 0.5 % carbon.
#include "ironcarbon/UnitBildC05.h"

namespace wb {

TFormBildC05* FormBildC05 = nullptr;

TFormBildC05::TFormBildC05()
    : TMicrographForm(QStringLiteral("FormBildC05"), QStringLiteral("Gefügeaufnahme Stahl mit 0,5 % Kohlenstoff"),
        QStringLiteral("Stahl mit 0,5 % Kohlenstoff"), QStringLiteral("200      m"))
{
}

} // namespace wb
