// Quenching and tempering a steel with 0.45 % C: hardening, then tempering below Ac1 to tempered martensite.
#include "heattreat/UnitVergueten.h"

namespace wb {

TFormVergueten* FormVergueten = nullptr;

TFormVergueten::TFormVergueten()
    : TLessonForm(QStringLiteral("FormVergueten"),
        { .caption = QStringLiteral("Schematische Prozessführung beim Vergüten"), .status = status::S3 })
{
}

void TFormVergueten::FormClose()
{
    // Ende, Esc and the close box all end a run here, so the next opening starts idle.
    StopTimers();
    UnlockRun();
}

} // namespace wb
