// Type 3 diagram (eutectic system with limited solid solubility): cooling of four alloys across the diagram.
#include "phase/UnitZutyp3.h"

namespace wb {

TFormZuTyp3* FormZuTyp3 = nullptr;

TFormZuTyp3::TFormZuTyp3()
    : TLessonForm(QStringLiteral("FormZuTyp3"),
        { .caption = QStringLiteral(
              "Zustandsschaubild mit begrenzter Löslichkeit im festen Zustand / eutektisches System (schematisch)"),
            .height = 605,
            .fontHeight = -10 })
{
}

} // namespace wb
