// Wärmebehandlung: what heat treatment of steels means, by its definition.
#include "heattreat/UnitWarme.h"

namespace wb {

TFormWarme* FormWarme = nullptr;

TFormWarme::TFormWarme()
    : TLessonForm(
        QStringLiteral("FormWarme"), { .caption = QStringLiteral("Wärmebehandlung"), .centring = Centring::OnPaint })
{
}

} // namespace wb
