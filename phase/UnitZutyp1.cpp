// Type 1 diagram (complete solubility, liquid and solid): cooling of an alloy with tie lines and the lever rule.
#include "phase/UnitZutyp1.h"

namespace wb {

TFormZuTyp1* FormZuTyp1 = nullptr;

TFormZuTyp1::TFormZuTyp1()
    : TLessonForm(QStringLiteral("FormZuTyp1"),
        { .caption = QStringLiteral(
              "Zustandsschaubild bei vollkommener Löslichkeit im flüssigen und festen Zustand (schematisch) "),
            .status = status::S4,
            .statusHeight = 20 })
{
    SetKeyPreview(true);
    Ende.OnClick = [this] { EndeClick(); };
    ESCAPE.OnClick = [this] { ESCAPEClick(); };
}

void TFormZuTyp1::EndeClick()
{
    Close();
}

void TFormZuTyp1::ESCAPEClick()
{
    Close();
}

} // namespace wb
