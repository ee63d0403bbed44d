// Isothermal ZTA diagram of an unalloyed steel with 0.45 % C: austenitising while holding at 800, 850 and 900 °C.
#include "timetemp/UnitZTAisoC045.h"

namespace wb {

TFormZTAiso045* FormZTAiso045 = nullptr;

TFormZTAiso045::TFormZTAiso045()
    : TLessonForm(QStringLiteral("FormZTAiso045"),
        { .caption = QStringLiteral("Isothermes Zeit-Temperatur-Austenitisierungs-Schaubild für einen unlegierten "
                                    "Stahl mit C =  0.45 % (schematisch) "),
            .status = status::S2,
            .statusHeight = 19 })
{
}

void TFormZTAiso045::FormClose()
{
    // Ende, Esc and the close box all end a run here, so the next opening starts idle.
    StopTimers();
    UnlockRun();
}

} // namespace wb
