// Pure iron: the cooling and heating curves with their arrests and the changes of the crystal lattice.
#include "ironcarbon/UnitReineisen.h"

namespace wb {

TFormReineisen* FormReineisen = nullptr;

TFormReineisen::TFormReineisen()
    : TLessonForm(QStringLiteral("FormReineisen"),
        { .caption = QStringLiteral("Reines Eisen: Abkühl- und Aufheizkurve"),
            .height = 605,
            .centring = Centring::OnPaint,
            .fontHeight = -10 })
{
    Ende.OnClick = [this] { EndeClick(); };
    ESCAPE.OnClick = [this] { ESCAPEClick(); };
}

void TFormReineisen::EndeClick()
{
    // Ende and Esc leave the form and its items usable for the next opening.
    UnlockRun({ &Ende });
    StopTimers();
    Close();
}

void TFormReineisen::ESCAPEClick()
{
    // Esc breaks off a run, which had disabled "&Ende" too: closing leaves the form usable.
    UnlockRun({ &Ende });
    StopTimers();
    Close();
}

} // namespace wb
