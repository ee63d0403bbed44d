// Allgemeines zum Eisen-Kohlenstoff-Schaubild: the iron-carbon system, its phases and its metastable and stable form.
#include "ironcarbon/UnitAllEKD.h"

namespace wb {

TFormAllEKD* FormAllEKD = nullptr;

TFormAllEKD::TFormAllEKD()
    : TLessonForm(QStringLiteral("FormAllEKD"),
        { .caption = QStringLiteral("Allgemeines zum Eisen-Kohlenstoff-Schaubild"), .centring = Centring::OnPaint })
{
}

} // namespace wb
