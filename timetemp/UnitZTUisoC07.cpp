// Isothermal ZTU diagram of an unalloyed steel with 0.70 % C: transformation while holding at 20, 330, 530 and 670 °C.
#include "timetemp/UnitZTUisoC07.h"

namespace wb {

TFormZTUi07* FormZTUi07 = nullptr;

TFormZTUi07::TFormZTUi07()
    : TLessonForm(QStringLiteral("FormZTUi07"),
        { .caption = QStringLiteral("Isothermes Zeit-Temperatur-Umwandlungs-Schaubild für einen unlegierten Stahl mit "
                                    "C =  0.70 % (schematisch) "),
            .status = status::S2,
            .statusHeight = 19 })
{
}

void TFormZTUi07::FormClose()
{
    // Ende, Esc and the close box all end a run here, so the next opening starts idle.
    StopTimers();
    UnlockRun();
}

} // namespace wb
