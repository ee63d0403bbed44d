// Type 5 diagram: complete insolubility in the solid state with an intermediate phase that splits the diagram in two.
#include "phase/UnitZuTyp5.h"

namespace wb {

TFormZuTyp5* FormZuTyp5 = nullptr;

TFormZuTyp5::TFormZuTyp5()
    : TLessonForm(QStringLiteral("FormZuTyp5"),
        { .caption = QStringLiteral(
              "Zustandsschaubild vollkommener Unlöslichkeit im festen Zustand mit intermediären Phasen (schematisch)"),
            .centring = Centring::OnPaint,
            .fontHeight = -10,
            .border = bsSizeable })
{
}

} // namespace wb
