// The metastable iron-carbon diagram: the fields of austenite, ferrite and pearlite.
#include "ironcarbon/UnitEKDmestabil.h"

namespace wb {

TFORMEKDMETASTABIL* FORMEKDMETASTABIL = nullptr;

TFORMEKDMETASTABIL::TFORMEKDMETASTABIL()
    : TLessonForm(QStringLiteral("FORMEKDMETASTABIL"),
        { .caption = QStringLiteral("Eisen-Kohlenstoff-Schaubild: metastabiler Zustand  (Austenit, Ferrit und Perlit)"),
            .centring = Centring::OnPaint })
{
    Ende.OnClick = [this] { EndeClick(); };
    ESCAPE.OnClick = [this] { ESCAPEClick(); };
}

void TFORMEKDMETASTABIL::EndeClick()
{
    Close();
}

void TFORMEKDMETASTABIL::ESCAPEClick()
{
    Close();
}

} // namespace wb
