// The complete iron-carbon diagram in its metastable and its stable form.
#include "ironcarbon/UnitEKDGESAMT.h"

namespace wb {

TFORMEKDGESAMT* FORMEKDGESAMT = nullptr;

TFORMEKDGESAMT::TFORMEKDGESAMT()
    : TLessonForm(QStringLiteral("FORMEKDGESAMT"),
        { .caption = QStringLiteral("Eisen-Kohlenstoff-Schaubild: metastabiler (stabiler) Zustand)"),
            .centring = Centring::OnPaint,
            .fontHeight = -13 })
{
}

} // namespace wb
