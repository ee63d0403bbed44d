// Zeitabhängige Phasenänderungen: why the transformations of steel depend on time as well as on temperature.
#include "timetemp/UnitZeitab.h"

namespace wb {

TFormZeitAb* FormZeitAb = nullptr;

TFormZeitAb::TFormZeitAb()
    : TLessonForm(QStringLiteral("FormZeitAb"),
        { .caption = QStringLiteral("Zeitabhängige Phasenänderungen / Grundlagen der Wärmebehandlung von Stählen"),
            .centring = Centring::OnPaint })
{
}

} // namespace wb
