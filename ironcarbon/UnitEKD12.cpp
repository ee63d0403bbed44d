// Cooling a steel with 1.2 % carbon through the iron-carbon diagram: its phase changes and microstructures.
#include "ironcarbon/UnitEKD12.h"

namespace wb {

TFormEKD12* FormEKD12 = nullptr;

TFormEKD12::TFormEKD12()
    : TLessonForm(QStringLiteral("FormEKD12"),
        { .caption = QStringLiteral("Phasenumwandlung im EKS bei einem Kohlenstoffgehalt von 1.2 Gew.%"),
            .centring = Centring::OnPaint,
            .status = status::S2 })
{
}

void TFormEKD12::FormClose()
{
    // Ende, Esc and the close box all end a run here, so the next opening starts idle.
    StopTimers();
    UnlockRun();
}

} // namespace wb
