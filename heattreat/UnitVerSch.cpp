// Tempering chart of C 45: strength, yield point, elongation and reduction of area against tempering temperature.
#include "heattreat/UnitVerSch.h"

namespace wb {

TFormVerSch* FormVerSch = nullptr;

TFormVerSch::TFormVerSch()
    : TLessonForm(QStringLiteral("FormVerSch"),
        { .caption = QStringLiteral("Vergütungsschaubild eines C 45"), .fontHeight = -10, .color = kChartColor })
{
}

void TFormVerSch::FormClose()
{
    // Ende, Esc and the close box all end a run here, so the next opening starts idle.
    StopTimers();
    UnlockRun();
}

} // namespace wb
