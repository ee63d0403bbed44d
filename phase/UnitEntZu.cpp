// Entstehung von Zustandsschaubildern: how thermal analysis turns cooling curves into a phase diagram.
#include "phase/UnitEntZu.h"

#include "framework/TextCard.h"

#include <iterator>

namespace wb {

TFormEntZu* FormEntZu = nullptr;

namespace {

// The page: the black lines first, then the blue ones in their order. The blue words at y 20
// repeat words of the first line, which so show in blue.
// clang-format off
constexpr CardRow kSeite[] = {
    // black
    { 30, 20, "Die thermische Analyse ist eine Möglichkeit, den Erstarrungstyp einer Zweistofflegierung zu ermitteln." },
    { 30, 45, "Dabei werden Abkühlungs- bzw. Aufheizkurven der reinen Elemente und von Legierungen " },
    { 30, 65, "unterschiedlicher Konzentrationen der Elemente A und B in Abhängigkeit von der Zeit t ermittelt." },
    { 30, 95, "In den Temperatur-Zeit-Kurven entstehen bei dem Verfahren charakteristische Unstetigkeiten." },
    { 70, 145, "Bis zur vollständigen Phasenumwandlung bleibt die Temperatur der Legierung konstant," },
    { 70, 165, "weil Wärmeenergie bei der Umwandlung \"freigesetzt\" (Abkühlung) bzw. \"verbraucht\" (Aufheizung) wird. " },
    { 70, 185, "Die Haltepunkte sind charakteristisch für reine Stoffe und eutektische Zusammensetzungen." },
    { 70, 245, "Hier liegen Temperaturbereiche vor, die vorzugsweise bei Legierungen während der Kristallisation" },
    { 70, 265, "fester Bestandteile aus der Schmelze bzw. bei der Erwärmung durch Auflösen auftreten." },
    { 70, 285, "Auch hier wird Wärmeenergie \"freigesetzt\" (Abkühlung), bzw. \"gebunden\" (Aufheizung)." },
    { 30, 350, "Im folgenden wird auf die Aufstellung zweier Grundtypen und desweiteren auf unterschiedliche \"Diagrammtypen\" " },
    { 30, 370, "im idealisierten Zustand mit Hilfe grafischer Darstellungen eingegangen." },
    // blue: the emphasised words of the first line, then the two headings
    { 52, 20, "thermische Analyse ", clBlue, true },
    { 30, 125, "- Haltepunkte", clBlue },
    { 30, 220, "- Knickpunkte", clBlue },
};
// clang-format on
static_assert(std::size(kSeite) == 15);
static_assert(emphasisRowsMatch(kSeite));

// 750 × 450 pixels, text at cell height 18 on the pink of the memos.
constexpr TextCard kKarte { 750, 450, kMemoColor, 18, kSeite };

} // namespace

TFormEntZu::TFormEntZu()
    : TLessonForm(QStringLiteral("FormEntZu"),
        { .caption = QStringLiteral("Entstehung von  Zustandsschaubildern"), .centring = Centring::OnPaint })
{
}

void TFormEntZu::FormPaint()
{
    // The lesson base has set the outer size and centred the form just before.
    showTextCard(ImageText, kKarte);
}

} // namespace wb
