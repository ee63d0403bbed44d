// Type 2 diagram (eutectic, no solid solubility): cooling of hypoeutectic, eutectic and hypereutectic alloys.
#include "phase/UnitZutyp2.h"

namespace wb {

TFormZuTyp2* FormZuTyp2 = nullptr;

TFormZuTyp2::TFormZuTyp2()
    : TLessonForm(QStringLiteral("FormZuTyp2"),
        { .caption = QStringLiteral("Zustandsschaubild mit vollkommener Löslichkeit im flüssigen und vollkommener "
                                    "Unlöslichkeit im festen Zustand (schematisch)"),
            .fontHeight = -10 })
{
}

} // namespace wb
