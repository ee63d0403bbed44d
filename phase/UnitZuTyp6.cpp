// Type 6 diagram: a system with a transformation in the solid state (a eutectoid).
#include "phase/UnitZuTyp6.h"

namespace wb {

TFormZuTyp6* FormZuTyp6 = nullptr;

TFormZuTyp6::TFormZuTyp6()
    : TLessonForm(QStringLiteral("FormZuTyp6"),
        { .caption = QStringLiteral("Zustandsschaubild mit Umwandlungen im festen Zustand (schematisch)"),
            .centring = Centring::OnPaint,
            .fontHeight = -10,
            .border = bsSizeable })
{
}

} // namespace wb
