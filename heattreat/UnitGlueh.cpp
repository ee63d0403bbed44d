// The annealing processes and the temperature range of each in the iron-carbon diagram.
#include "heattreat/UnitGlueh.h"

namespace wb {

TFormGlueh* FormGlueh = nullptr;

TFormGlueh::TFormGlueh()
    : TLessonForm(QStringLiteral("FormGlueh"),
        { .caption = QStringLiteral("Schematische Darstellung der Temperaturführung verschiedenen Glühverfahren im "
                                    "Eisen-Kohlenstoff-Schaubild (EKS)") })
{
    OnClose = [this] { FormClose(); };
    Ende.OnClick = [this] { EndeClick(); };
    ESCAPE.OnClick = [this] { ESCAPEClick(); };
}

void TFormGlueh::FormClose()
{
    // Ende, Esc and the close box all end a run here, so the next opening starts idle.
    StopTimers();
    UnlockRun();
}

void TFormGlueh::EndeClick()
{
    Close();
}

void TFormGlueh::ESCAPEClick()
{
    Close();
}

} // namespace wb
