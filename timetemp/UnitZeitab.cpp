// Zeitabhängige Phasenänderungen: why the transformations of steel depend on time as well as on temperature.
#include "timetemp/UnitZeitab.h"

#include "framework/TextCard.h"
#include "framework/Texts.h"

#include <iterator>

namespace wb {

TFormZeitAb* FormZeitAb = nullptr;

namespace {

// The page: black, then blue, then red lines, each in its order.
// clang-format off
constexpr CardRow kSeite[] = {
    // black
    { 20, 15, WB_TR("FormZeitAb", "Die Zustandsschaubilder beschreiben Gleichgewichtsverhältnisse in Legierungen, z. B. im System Eisen-Kohlenstoff,") },
    { 20, 40, WB_TR("FormZeitAb", "die sich nur bei sehr langsamen Temperaturänderungen einstellen.  ") },
    { 20, 65, WB_TR("FormZeitAb", "Bei der technischen Wärmebehandlung treten allerdings rasche Temperaturänderungen bei der Prozessführung auf. ") },
    { 20, 90, WB_TR("FormZeitAb", "Da die Diffusion der Elemente eine zeitabhängige Größe ist, hat die Aufheiz- bzw. Abkühlgeschwindigkeit einen") },
    { 20, 115, WB_TR("FormZeitAb", "erheblichen Einfluss auf den kristallinen Zustand des metallischen Werkstoffes.  ") },
    { 20, 140, WB_TR("FormZeitAb", "Dies bedeutet, dass Zustandsdiagramme nur teilweise auf die jeweiligen Wärmebehandlungsverfahren anwendbar sind, ") },
    { 20, 165, WB_TR("FormZeitAb", "da sie Art und Zusammensetzung der Phasen während der Temperaturführung nicht immer widerspiegeln. ") },
    { 20, 190, WB_TR("FormZeitAb", "Es wird also eine andere Darstellungsweise gewählt, welche die <em>Zeitabhängigkeit der Umwandlungen</em> berücksichtigt. ") },
    { 20, 215, WB_TR("FormZeitAb", "Zur Darstellung der Zeitabhänigigkeit der Phasenumwandlungen wendet man folgende Diagrammformen an: ") },
    // blue: the two diagram families (the line at y 190 marks its own blue words)
    { 20, 250, WB_TR("FormZeitAb", "          - Erwärmung    ----->    Zeit-Temperatur-Austenitisierungsschaubilder (ZTA) "), clBlue },
    { 20, 325, WB_TR("FormZeitAb", "          - Abkühlung     ----->    Zeit-Temperatur-Umwandlungsschaubilder (ZTU) "), clBlue },
    // red: the two forms of each family
    { 20, 275, WB_TR("FormZeitAb", "                                                    a) bei kontinuierlicher Erwärmung"), clRed },
    { 20, 300, WB_TR("FormZeitAb", "                                                    b) bei isothermischer Austenitisierung"), clRed },
    { 20, 350, WB_TR("FormZeitAb", "                                                    a) bei kontinuierlicher Abkühlung"), clRed },
    { 20, 375, WB_TR("FormZeitAb", "                                                    b) bei isothermischen Zustandsänderungen"), clRed },
};
// clang-format on
static_assert(std::size(kSeite) == 15);

// 750 × 460 pixels, text at cell height 18 on the pink of the memos.
constexpr TextCard kKarte { 750, 460, kMemoColor, 18, kSeite };

} // namespace

TFormZeitAb::TFormZeitAb()
    : TLessonForm(QStringLiteral("FormZeitAb"),
        { .caption = QStringLiteral(
              WB_TR("FormZeitAb", "Zeitabhängige Phasenänderungen / Grundlagen der Wärmebehandlung von Stählen")),
            .centring = Centring::OnPaint })
{
}

void TFormZeitAb::FormPaint()
{
    // The lesson base has set the outer size and centred the form just before.
    showTextCard(ImageText, kKarte);
}

} // namespace wb
