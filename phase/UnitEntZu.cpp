// Entstehung von Zustandsschaubildern: how thermal analysis turns cooling curves into a phase diagram.
#include "phase/UnitEntZu.h"

#include "framework/TextCard.h"
#include "framework/Texts.h"

#include <iterator>

namespace wb {

TFormEntZu* FormEntZu = nullptr;

namespace {

// The page: the black lines first, then the blue ones in their order. The first line marks the
// words it shows in blue.
// clang-format off
constexpr CardRow kSeite[] = {
    // black
    { 30, 20, WB_TR("FormEntZu", "Die <em>thermische Analyse </em>ist eine Möglichkeit, den Erstarrungstyp einer Zweistofflegierung zu ermitteln.") },
    { 30, 45, WB_TR("FormEntZu", "Dabei werden Abkühlungs- bzw. Aufheizkurven der reinen Elemente und von Legierungen ") },
    { 30, 65, WB_TR("FormEntZu", "unterschiedlicher Konzentrationen der Elemente A und B in Abhängigkeit von der Zeit t ermittelt.") },
    { 30, 95, WB_TR("FormEntZu", "In den Temperatur-Zeit-Kurven entstehen bei dem Verfahren charakteristische Unstetigkeiten.") },
    { 70, 145, WB_TR("FormEntZu", "Bis zur vollständigen Phasenumwandlung bleibt die Temperatur der Legierung konstant,") },
    { 70, 165, WB_TR("FormEntZu", "weil Wärmeenergie bei der Umwandlung \"freigesetzt\" (Abkühlung) bzw. \"verbraucht\" (Aufheizung) wird. ") },
    { 70, 185, WB_TR("FormEntZu", "Die Haltepunkte sind charakteristisch für reine Stoffe und eutektische Zusammensetzungen.") },
    { 70, 245, WB_TR("FormEntZu", "Hier liegen Temperaturbereiche vor, die vorzugsweise bei Legierungen während der Kristallisation") },
    { 70, 265, WB_TR("FormEntZu", "fester Bestandteile aus der Schmelze bzw. bei der Erwärmung durch Auflösen auftreten.") },
    { 70, 285, WB_TR("FormEntZu", "Auch hier wird Wärmeenergie \"freigesetzt\" (Abkühlung), bzw. \"gebunden\" (Aufheizung).") },
    { 30, 350, WB_TR("FormEntZu", "Im folgenden wird auf die Aufstellung zweier Grundtypen und desweiteren auf unterschiedliche \"Diagrammtypen\" ") },
    { 30, 370, WB_TR("FormEntZu", "im idealisierten Zustand mit Hilfe grafischer Darstellungen eingegangen.") },
    // blue: the two headings
    { 30, 125, WB_TR("FormEntZu", "- Haltepunkte"), clBlue },
    { 30, 220, WB_TR("FormEntZu", "- Knickpunkte"), clBlue },
};
// clang-format on
static_assert(std::size(kSeite) == 14);

// 750 × 450 pixels, text at cell height 18 on the pink of the memos.
constexpr TextCard kKarte { 750, 450, kMemoColor, 18, kSeite };

} // namespace

TFormEntZu::TFormEntZu()
    : TLessonForm(QStringLiteral("FormEntZu"),
        { .caption = QStringLiteral(WB_TR("FormEntZu", "Entstehung von  Zustandsschaubildern")),
            .centring = Centring::OnPaint })
{
}

void TFormEntZu::FormPaint()
{
    // The lesson base has set the outer size and centred the form just before.
    showTextCard(ImageText, kKarte);
}

} // namespace wb
