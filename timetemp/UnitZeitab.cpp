// Zeitabhängige Phasenänderungen: why the transformations of steel depend on time as well as on temperature.
#include "timetemp/UnitZeitab.h"

#include "framework/TextCard.h"

#include <iterator>

namespace wb {

TFormZeitAb* FormZeitAb = nullptr;

namespace {

// The page: black, then blue, then red lines, each in its order.
// clang-format off
constexpr CardRow kSeite[] = {
    // black
    { 20, 15, "Die Zustandsschaubilder beschreiben Gleichgewichtsverhältnisse in Legierungen, z. B. im System Eisen-Kohlenstoff," },
    { 20, 40, "die sich nur bei sehr langsamen Temperaturänderungen einstellen.  " },
    { 20, 65, "Bei der technischen Wärmebehandlung treten allerdings rasche Temperaturänderungen bei der Prozessführung auf. " },
    { 20, 90, "Da die Diffusion der Elemente eine zeitabhängige Größe ist, hat die Aufheiz- bzw. Abkühlgeschwindigkeit einen" },
    { 20, 115, "erheblichen Einfluss auf den kristallinen Zustand des metallischen Werkstoffes.  " },
    { 20, 140, "Dies bedeutet, dass Zustandsdiagramme nur teilweise auf die jeweiligen Wärmebehandlungsverfahren anwendbar sind, " },
    { 20, 165, "da sie Art und Zusammensetzung der Phasen während der Temperaturführung nicht immer widerspiegeln. " },
    { 20, 190, "Es wird also eine andere Darstellungsweise gewählt, welche die Zeitabhängigkeit der Umwandlungen berücksichtigt. " },
    { 20, 215, "Zur Darstellung der Zeitabhänigigkeit der Phasenumwandlungen wendet man folgende Diagrammformen an: " },
    // blue: the two diagram families, and the emphasised words of the line at y 190
    { 20, 250, "          - Erwärmung    ----->    Zeit-Temperatur-Austenitisierungsschaubilder (ZTA) ", clBlue },
    { 20, 325, "          - Abkühlung     ----->    Zeit-Temperatur-Umwandlungsschaubilder (ZTU) ", clBlue },
    { 401, 190, "Zeitabhängigkeit der Umwandlungen", clBlue, true },
    // red: the two forms of each family
    { 20, 275, "                                                    a) bei kontinuierlicher Erwärmung", clRed },
    { 20, 300, "                                                    b) bei isothermischer Austenitisierung", clRed },
    { 20, 350, "                                                    a) bei kontinuierlicher Abkühlung", clRed },
    { 20, 375, "                                                    b) bei isothermischen Zustandsänderungen", clRed },
};
// clang-format on
static_assert(std::size(kSeite) == 16);
static_assert(emphasisRowsMatch(kSeite));

// 750 × 460 pixels, text at cell height 18 on the pink of the memos.
constexpr TextCard kKarte { 750, 460, kMemoColor, 18, kSeite };

} // namespace

TFormZeitAb::TFormZeitAb()
    : TLessonForm(QStringLiteral("FormZeitAb"),
        { .caption = QStringLiteral("Zeitabhängige Phasenänderungen / Grundlagen der Wärmebehandlung von Stählen"),
            .centring = Centring::OnPaint })
{
}

void TFormZeitAb::FormPaint()
{
    // The lesson base has set the outer size and centred the form just before.
    showTextCard(ImageText, kKarte);
}

} // namespace wb
