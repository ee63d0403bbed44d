// ZTA/ZTU-Schaubilder: how time-temperature-austenitising and time-temperature-transformation diagrams are read.
#include "timetemp/UnitALLZTAZTU.h"

#include "framework/TextCard.h"
#include "framework/Texts.h"

#include <iterator>

namespace wb {

TFormALLZTAZTU* FormALLZTAZTU = nullptr;

namespace {

// The page, all in black.
// clang-format off
constexpr CardRow kSeite[] = {
    { 10, 10, WB_TR("FormALLZTAZTU", " Ein kontinuierliches Zeit-Temperatur-Austenitisierungs-Schaubild gibt Auskunft über die Austenitbildung in Abhängigkeit") },
    { 10, 30, WB_TR("FormALLZTAZTU", " von der Aufheizgeschwindigkeit.") },
    { 10, 60, WB_TR("FormALLZTAZTU", " Unter der Austenitbildung (Austenitisieren) versteht man die Entstehung eines homogenen, feinkörnigen Austenits ") },
    { 10, 80, WB_TR("FormALLZTAZTU", " (Gamma-MK-Gefüge) im Stahl.") },
    { 10, 110, WB_TR("FormALLZTAZTU", " Mit Hilfe des isothermen Zeit-Temperatur-Austenitisierungs-Schaubildes werden Informationen über die Austenitbildung ") },
    { 10, 130, WB_TR("FormALLZTAZTU", " nach einem definierten, technisch sinnvollem, zügigem Aufheizen und einer anschließenden isothermen Versuchsführung ") },
    { 10, 150, WB_TR("FormALLZTAZTU", " (konstante Temperatur) geliefert.") },
    { 10, 180, WB_TR("FormALLZTAZTU", " Ein kontinuierliches Zeit-Temperatur-Umwandlungs-Schaubild zeigt den Beginn und das Ende der Austenitumwandlung ") },
    { 10, 200, WB_TR("FormALLZTAZTU", " in Abhängigkeit von stetigen Abkühlgeschwindigkeiten. ") },
    { 10, 230, WB_TR("FormALLZTAZTU", " Beim isothermen Zeit-Temperatur-Umwandlungs-Schaubild wird aus dem Austenit auf eine vorgegebene Temperatur  ") },
    { 10, 250, WB_TR("FormALLZTAZTU", " schnell abgekühlt und anschließend bei isothermer Versuchsführung Beginn und Ende der Umwandlung verfolgt. ") },
    { 10, 280, WB_TR("FormALLZTAZTU", " Neben denen aus dem Eisen-Kohlenstoff-Diagramm bekannten Gefügeformen Austenit, Ferrit und Perlit treten in ") },
    { 10, 300, WB_TR("FormALLZTAZTU", " ZTU-Schaubildern der Bainit (Zwischenstufengefüge), der im Temperaturbereich zwischen der Perlit- und Martensitstufe  ") },
    { 10, 320, WB_TR("FormALLZTAZTU", " entsteht, und der Martensit auf. Der Martensit ist ein feinnadliges, sehr hartes und sprödes Gefüge, das beim Abschrecken") },
    { 10, 340, WB_TR("FormALLZTAZTU", " aus dem Austenit mit derart hohen Abkühlungsgeschwindigkeiten entsteht, so dass der Kohlenstoff nicht die Zeit hat aus ") },
    { 10, 360, WB_TR("FormALLZTAZTU", " dem Eisengitter zu diffundieren und im Martensit zwangsgelöst bleibt.") },
    { 10, 390, WB_TR("FormALLZTAZTU", " Grundsätzlich wird bei der Darstellung zeitabhängiger Phasenänderungen mit Hilfe von ZTU/ZTA-Schaubildern") },
    { 10, 410, WB_TR("FormALLZTAZTU", " für die Zeitachse eine logarithmische Auftragung gewählt, um die Zeit zu raffen. ") },
};
// clang-format on
static_assert(std::size(kSeite) == 18);

// 750 × 460 pixels, text at cell height 18 on the pink of the memos.
constexpr TextCard kKarte { 750, 460, kMemoColor, 18, kSeite };

} // namespace

TFormALLZTAZTU::TFormALLZTAZTU()
    : TLessonForm(QStringLiteral("FormALLZTAZTU"),
        { .caption = QStringLiteral(WB_TR("FormALLZTAZTU", " ZTA/ZTU-Schaubilder")), .centring = Centring::OnPaint })
{
}

void TFormALLZTAZTU::FormPaint()
{
    // The lesson base has set the outer size and centred the form just before.
    showTextCard(ImageText, kKarte);
}

} // namespace wb
