// Isothermal ZTA and continuous ZTU diagram of a steel with 0.45 % C: austenitising, then five cooling rates.
#include "heattreat/UnitZTAZTU045.h"

namespace wb {

TFormZTAZTU045* FormZTAZTU045 = nullptr;

TFormZTAZTU045::TFormZTAZTU045()
    : TLessonForm(QStringLiteral("FormZTAZTU045"),
        { .caption = QStringLiteral(" ZTA/ZTU-Schaubild für einen unlegierten Stahl mit C =  0.45 % (schematisch) "),
            .status = status::S2 })
{
}

void TFormZTAZTU045::FormClose()
{
    // Ende, Esc and the close box all end a run here, so the next opening starts idle.
    StopTimers();
    UnlockRun();
}

} // namespace wb
