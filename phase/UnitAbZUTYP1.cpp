// Thermal analysis of a system completely soluble, liquid and solid: six cooling curves build its diagram.
#include "phase/UnitAbZUTYP1.h"

namespace wb {

TFormAbZuTyp1* FormAbZuTyp1 = nullptr;

TFormAbZuTyp1::TFormAbZuTyp1()
    : TLessonForm(QStringLiteral("FormAbZuTyp1"),
        { .caption = QStringLiteral("Thermische Analyse und Zustandsschaubild bei vollkommener Löslichkeit im "
                                    "flüssigen und festen Zustand (schematisch)"),
            .height = 605,
            .fontHeight = -16 })
{
    SetKeyPreview(true);
}

void TFormAbZuTyp1::EndeClick()
{
    // Closing during a run leaves the form usable at its next opening.
    UnlockRun();
    StopTimers();
    Close();
}

void TFormAbZuTyp1::ESCAPEDOWNClick()
{
    // Esc breaks off a run, which had disabled "&Ende" too: closing leaves the form usable.
    UnlockRun({ &Ende });
    StopTimers();
    Close();
}

} // namespace wb
