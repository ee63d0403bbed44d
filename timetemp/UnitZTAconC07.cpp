// Continuous ZTA diagram of an unalloyed steel with 0.70 % C: austenitising at chosen heating rates.
#include "timetemp/UnitZTAconC07.h"

namespace wb {

TFormZTAcon07* FormZTAcon07 = nullptr;

TFormZTAcon07::TFormZTAcon07()
    : TLessonForm(QStringLiteral("FormZTAcon07"),
        { .caption = QStringLiteral("Kontinuierliches Zeit-Temperatur-Austenitisierungs-Schaubild für einen "
                                    "unlegierten Stahl mit C =  0.70 % (schematisch) "),
            .status = status::S2,
            .statusHeight = 19 })
{
}

void TFormZTAcon07::FormClose()
{
    // Ende, Esc and the close box all end a run here, so the next opening starts idle.
    StopTimers();
    UnlockRun();
}

} // namespace wb
