// Isothermal ZTU diagram of an unalloyed steel with 0.45 % C: transformation while holding at 20, 330, 530 and 670 °C.
#include "timetemp/UnitZTUisoC045.h"

namespace wb {

TFormZTUi045* FormZTUi045 = nullptr;

TFormZTUi045::TFormZTUi045()
    : TLessonForm(QStringLiteral("FormZTUi045"),
        { .caption = QStringLiteral("Isothermes Zeit-Temperatur-Umwandlungs-Schaubild für einen unlegierten Stahl mit "
                                    "C =  0.45 % (schematisch) "),
            .status = status::S2,
            .statusHeight = 19 })
{
}

void TFormZTUi045::FormClose()
{
    // Ende, Esc and the close box all end a run here, so the next opening starts idle.
    StopTimers();
    UnlockRun();
}

} // namespace wb
