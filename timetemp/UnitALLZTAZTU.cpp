// ZTA/ZTU-Schaubilder: how time-temperature-austenitising and time-temperature-transformation diagrams are read.
#include "timetemp/UnitALLZTAZTU.h"

namespace wb {

TFormALLZTAZTU* FormALLZTAZTU = nullptr;

TFormALLZTAZTU::TFormALLZTAZTU()
    : TLessonForm(QStringLiteral("FormALLZTAZTU"),
        { .caption = QStringLiteral(" ZTA/ZTU-Schaubilder"), .centring = Centring::OnPaint })
{
}

} // namespace wb
