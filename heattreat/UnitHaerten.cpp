// Hardening a steel with 0.45 % C: austenitising, quenching to martensite and the water quench in the ZTU diagram.
#include "heattreat/UnitHaerten.h"

namespace wb {

TFormHaerten* FormHaerten = nullptr;

TFormHaerten::TFormHaerten()
    : TLessonForm(
        QStringLiteral("FormHaerten"), { .caption = QStringLiteral("Schematische Prozessführung beim Härten") })
{
    OnClose = [this] { FormClose(); };
    Ende.OnClick = [this] { EndeClick(); };
    ESCAPE.OnClick = [this] { ESCAPEClick(); };
}

void TFormHaerten::FormClose()
{
    // Ende, Esc and the close box all end a run here, so the next opening starts idle.
    StopTimers();
    UnlockRun();
}

void TFormHaerten::EndeClick()
{
    Close();
}

void TFormHaerten::ESCAPEClick()
{
    Close();
}

} // namespace wb
