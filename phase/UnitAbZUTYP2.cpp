// Thermal analysis of a system soluble when liquid, insoluble when solid: eutectic cooling curves build its diagram.
#include "phase/UnitAbZUTYP2.h"

namespace wb {

TFormAbZuTyp2* FormAbZuTyp2 = nullptr;

TFormAbZuTyp2::TFormAbZuTyp2()
    : TLessonForm(QStringLiteral("FormAbZuTyp2"),
        { .caption = QStringLiteral("Thermische Analyse und Zustandsschaubild bei vollkommener Löslichkeit im "
                                    "flüssigen und Unlöslichkeit im festen Zustand (schematisch)"),
            .height = 605 })
{
    SetKeyPreview(true);
}

void TFormAbZuTyp2::EndeClick()
{
    // Closing during a run leaves the form usable at its next opening.
    UnlockRun();
    StopTimers();
    Close();
}

void TFormAbZuTyp2::ESCAPEDOWNClick()
{
    // Esc breaks off a run, which had disabled "&Ende" too: closing leaves the form usable.
    UnlockRun({ &Ende });
    StopTimers();
    Close();
}

} // namespace wb
