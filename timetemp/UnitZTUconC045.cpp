// Continuous ZTU diagram of an unalloyed steel with 0.45 % C: the microstructures that different cooling rates produce.
#include "timetemp/UnitZTUconC045.h"

namespace wb {

TFormZTUcon045* FormZTUcon045 = nullptr;

TFormZTUcon045::TFormZTUcon045()
    : TLessonForm(QStringLiteral("FormZTUcon045"),
        { .caption = QStringLiteral("Kontinuierliches Zeit-Temperatur-Umwandlungs-Schaubild für einen unlegierten "
                                    "Stahl mit C =  0.45 % (schematisch) "),
            .status = status::S2,
            .statusHeight = 19 })
{
    OnClose = [this] { FormClose(); };
    ESCAPE.OnClick = [this] { ESCAPEClick(); };
    Ende.OnClick = [this] { EndeClick(); };
}

void TFormZTUcon045::FormClose()
{
    // Ende, Esc and the close box all end a run here, so the next opening starts idle.
    StopTimers();
    UnlockRun();
}

void TFormZTUcon045::ESCAPEClick()
{
    Close();
}

void TFormZTUcon045::EndeClick()
{
    Close();
}

} // namespace wb
