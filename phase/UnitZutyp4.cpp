// Type 4 diagram (peritectic system with limited solid solubility): cooling of three alloys and alpha forming in beta.
#include "phase/UnitZutyp4.h"

namespace wb {

TFormZuTyp4* FormZuTyp4 = nullptr;

TFormZuTyp4::TFormZuTyp4()
    : TLessonForm(QStringLiteral("FormZuTyp4"),
        { .caption = QStringLiteral(
              "Zustandsschaubild mit begrenzter Löslichkeit im festen Zustand / peritektisches System (schematisch)"),
            .height = 605,
            .fontHeight = -10 })
{
}

} // namespace wb
