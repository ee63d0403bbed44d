// Micrograph window: the ferritic microstructure of nearly carbon-free iron.
#include "ironcarbon/UnitBildFe.h"

namespace wb {

TFormBildFe* FormBildFe = nullptr;

TFormBildFe::TFormBildFe()
    : TMicrographForm(QStringLiteral("FormBildFe"), QStringLiteral("Gefügeaufnahme Ferrit"),
        QStringLiteral("Ferritisches Gefüge"), QStringLiteral(" 50      m"))
{
}

} // namespace wb
