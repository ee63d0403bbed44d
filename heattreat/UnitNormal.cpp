// Normalising a steel with 0.45 % C: austenitising, cooling in still air and the air-cooling curve in the ZTU diagram.
#include "heattreat/UnitNormal.h"

namespace wb {

TFormNormal* FormNormal = nullptr;

TFormNormal::TFormNormal()
    : TLessonForm(QStringLiteral("FormNormal"),
        { .caption = QStringLiteral("Schematische Prozessführung beim Normalglühen"), .status = status::S3 })
{
    OnClose = [this] { FormClose(); };
    Ende.OnClick = [this] { EndeClick(); };
    ESCAPE.OnClick = [this] { ESCAPEClick(); };
}

void TFormNormal::FormClose()
{
    // Ende, Esc and the close box all end a run here, so the next opening starts idle.
    StopTimers();
    UnlockRun();
}

void TFormNormal::EndeClick()
{
    Close();
}

void TFormNormal::ESCAPEClick()
{
    Close();
}

} // namespace wb
