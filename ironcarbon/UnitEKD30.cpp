// Cooling a cast iron with 3.0 % carbon through the iron-carbon diagram: its phase changes and microstructures.
#include "ironcarbon/UnitEKD30.h"

namespace wb {

TFormEKD30* FormEKD30 = nullptr;

TFormEKD30::TFormEKD30()
    : TLessonForm(QStringLiteral("FormEKD30"),
        { .caption = QStringLiteral("Phasenumwandlung im EKS bei einem Kohlenstoffgehalt von 3.0 Gew.% (Gußeisen)"),
            .centring = Centring::OnPaint,
            .status = status::S2 })
{
}

void TFormEKD30::FormClose()
{
    // Ende, Esc and the close box all end a run here, so the next opening starts idle.
    StopTimers();
    UnlockRun();
}

} // namespace wb
