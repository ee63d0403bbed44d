// Temperature guidance in heat treatment: where the austenitising temperatures lie in the iron-carbon diagram.
#include "heattreat/UnitZTAZTU.h"

namespace wb {

TFormZTAZTU* FormZTAZTU = nullptr;

TFormZTAZTU::TFormZTAZTU()
    : TLessonForm(QStringLiteral("FormZTAZTU"),
        { .caption
            = QStringLiteral("Schematische Darstellung der Temperaturführung bei der Wärmebehandlung (Normalglühen)") })
{
}

void TFormZTAZTU::FormClose()
{
    // Ende, Esc and the close box all end a run here, so the next opening starts idle.
    StopTimers();
    UnlockRun();
}

} // namespace wb
