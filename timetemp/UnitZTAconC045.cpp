// Continuous ZTA diagram of an unalloyed steel with 0.45 % C: austenitising at chosen heating rates.
#include "timetemp/UnitZTAconC045.h"

namespace wb {

TFormZTAcon045* FormZTAcon045 = nullptr;

TFormZTAcon045::TFormZTAcon045()
    : TLessonForm(QStringLiteral("FormZTAcon045"),
        { .caption = QStringLiteral("Kontinuierliches Zeit-Temperatur-Austenitisierungs-Schaubild für einen "
                                    "unlegierten Stahl mit C =  0.45 % (schematisch) "),
            .status = status::S2,
            .statusHeight = 19 })
{
}

void TFormZTAcon045::FormClose()
{
    // Ende, Esc and the close box all end a run here, so the next opening starts idle.
    StopTimers();
    UnlockRun();
}

} // namespace wb
