// Allgemeines zu Zustandsschaubildern: what the phase diagram of a two-component alloy shows and how it is read.
#include "phase/UnitAllZu.h"

#include "framework/TextCard.h"

#include <iterator>

namespace wb {

TFormAllZu* FormAllZu = nullptr;

namespace {

// The page: the black lines first, then the blue ones in their order. A blue line at the y of
// a black line repeats a word of it, which so shows in blue.
// clang-format off
constexpr CardRow kSeite[] = {
    // black, in this order
    { 30, 20, "Zustandsschaubilder sind Gleichgewichtsdiagramme, d. h. sie liefern Aussagen über " },
    { 30, 120, "in Legierungen im thermodynamischen Gleichgewicht." },
    { 30, 170, "Bei der Darstellung von Zustandsschaubildern, hier metallische Zweistoffsysteme, kommt man üblicherweise" },
    { 30, 190, "mit den beiden Zustandsgrößen " },
    { 30, 250, "aus, da der Dampfzustand und damit der Druck meistens nicht berücksichtigt werden braucht." },
    { 30, 280, "In einem cartesischen Koordinatensystem wird somit auf der" },
    { 150, 300, "- Abzisse (Waagerechten) die Konzentration c" },
    { 150, 320, "- Ordinate (Senkrechten) die Temperatur T" },
    { 30, 340, "aufgetragen." },
    { 30, 380, "Durch unterscheidbare Linien ist das jeweilige Diagramm in mehrere Zustandsfelder unterteilt." },
    { 30, 400, "In diesen Felder liegt ein gleichartiger Aufbau der Phase vor." },
    // then blue: the emphasised word of the first line, then the two lists
    { 185, 20, "Gleichgewichtsdiagramme", clBlue, true },
    { 150, 70, "- Anzahl der Phasen und Phasenveränderungen  ", clBlue },
    { 150, 50, "- Aggregatzustände (fest, flüssig, gasförmig) ", clBlue },
    { 150, 90, "- chemische Zusammensetzung", clBlue },
    { 150, 210, "- Konzentration c (Anteile der Komponenten A und B)", clBlue },
    { 150, 230, "- Temperatur T der Legierung", clBlue },
};
// clang-format on
static_assert(std::size(kSeite) == 17);
static_assert(emphasisRowsMatch(kSeite));

// 750 × 450 pixels, text at cell height 18 on the pink of the memos.
constexpr TextCard kKarte { 750, 450, kMemoColor, 18, kSeite };

} // namespace

TFormAllZu::TFormAllZu()
    : TLessonForm(QStringLiteral("FormAllZu"),
        { .caption = QStringLiteral("Allgemeines zu  Zustandsschaubildern"), .centring = Centring::OnPaint })
{
}

void TFormAllZu::FormPaint()
{
    // The lesson base has set the outer size and centred the form just before.
    showTextCard(ImageText, kKarte);
}

} // namespace wb
