// Entstehung von Zustandsschaubildern: how thermal analysis turns cooling curves into a phase diagram.
#include "phase/UnitEntZu.h"

namespace wb {

TFormEntZu* FormEntZu = nullptr;

TFormEntZu::TFormEntZu()
    : TLessonForm(QStringLiteral("FormEntZu"),
        { .caption = QStringLiteral("Entstehung von  Zustandsschaubildern"), .centring = Centring::OnPaint })
{
}

} // namespace wb
