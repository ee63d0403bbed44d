// Cooling a steel with 0.6 % carbon through the iron-carbon diagram: its phase changes and microstructures.
#include "ironcarbon/UnitEKD06.h"

namespace wb {

TFormEKD06* FormEKD06 = nullptr;

TFormEKD06::TFormEKD06()
    : TLessonForm(QStringLiteral("FormEKD06"),
        { .caption = QStringLiteral("Phasenumwandlung im EKS bei einem Kohlenstoffgehalt von 0.6 Gew.%"),
            .centring = Centring::OnPaint,
            .status = status::S2 })
{
}

void TFormEKD06::FormClose()
{
    // Ende, Esc and the close box all end a run here, so the next opening starts idle.
    StopTimers();
    UnlockRun();
}

} // namespace wb
