// The metastable iron-carbon diagram: the fields of austenite, ferrite and pearlite.
#include "ironcarbon/UnitEKDmestabil.h"

namespace wb {

TFORMEKDMETASTABIL* FORMEKDMETASTABIL = nullptr;

TFORMEKDMETASTABIL::TFORMEKDMETASTABIL()
    : TLessonForm(QStringLiteral("FORMEKDMETASTABIL"),
        { .caption = QStringLiteral("Eisen-Kohlenstoff-Schaubild: metastabiler Zustand  (Austenit, Ferrit und Perlit)"),
            .centring = Centring::OnPaint })
{
}

} // namespace wb
