// Normalising a steel with 0.45 % C: austenitising, cooling in still air and the air-cooling curve in the ZTU diagram.
#include "heattreat/UnitNormal.h"

namespace wb {

TFormNormal* FormNormal = nullptr;

TFormNormal::TFormNormal()
    : TLessonForm(QStringLiteral("FormNormal"),
        { .caption = QStringLiteral("Schematische Prozessführung beim Normalglühen"), .status = status::S3 })
{
}

void TFormNormal::FormClose()
{
    // Ende, Esc and the close box all end a run here, so the next opening starts idle.
    StopTimers();
    UnlockRun();
}

} // namespace wb
