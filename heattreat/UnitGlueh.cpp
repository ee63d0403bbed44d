// The annealing processes and the temperature range of each in the iron-carbon diagram.
#include "heattreat/UnitGlueh.h"

namespace wb {

TFormGlueh* FormGlueh = nullptr;

TFormGlueh::TFormGlueh()
    : TLessonForm(QStringLiteral("FormGlueh"),
        { .caption = QStringLiteral("Schematische Darstellung der Temperaturführung verschiedenen Glühverfahren im "
                                    "Eisen-Kohlenstoff-Schaubild (EKS)") })
{
}

void TFormGlueh::FormClose()
{
    // Ende, Esc and the close box all end a run here, so the next opening starts idle.
    StopTimers();
    UnlockRun();
}

} // namespace wb
