// Microstructure series: micrographs of ferrite and of steels with 0.1 % to 0.8 % carbon.
#include "ironcarbon/UnitEKDBilder.h"

namespace wb {

TFormEKDBilder* FormEKDBilder = nullptr;

TFormEKDBilder::TFormEKDBilder()
    : TLessonForm(QStringLiteral("FormEKDBilder"),
        { .caption = QStringLiteral(
              "Eisen-Kohlenstoff-Schaubild: metastabiler Zustand  (Gefügereihe von 0.1% bis 0.8% Kohlenstoff)") })
{
}

} // namespace wb
