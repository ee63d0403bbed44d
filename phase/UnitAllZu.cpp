// Allgemeines zu Zustandsschaubildern: what the phase diagram of a two-component alloy shows and how it is read.
#include "phase/UnitAllZu.h"

namespace wb {

TFormAllZu* FormAllZu = nullptr;

TFormAllZu::TFormAllZu()
    : TLessonForm(QStringLiteral("FormAllZu"),
        { .caption = QStringLiteral("Allgemeines zu  Zustandsschaubildern"), .centring = Centring::OnPaint })
{
}

} // namespace wb
