// Continuous ZTU diagram of an unalloyed steel with 0.70 % C: the microstructures that different cooling rates produce.
#include "timetemp/UnitZTUconC07.h"

namespace wb {

TFormZTUcon07* FormZTUcon07 = nullptr;

TFormZTUcon07::TFormZTUcon07()
    : TLessonForm(QStringLiteral("FormZTUcon07"),
        { .caption = QStringLiteral("Kontinuierliches Zeit-Temperatur-Umwandlungs-Schaubild für einen unlegierten "
                                    "Stahl mit C =  0.70 % (schematisch) "),
            .status = status::S2,
            .statusHeight = 19 })
{
}

void TFormZTUcon07::FormClose()
{
    // Ende, Esc and the close box all end a run here, so the next opening starts idle.
    StopTimers();
    UnlockRun();
}

} // namespace wb
