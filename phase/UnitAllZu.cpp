// Allgemeines zu Zustandsschaubildern: what the phase diagram of a two-component alloy shows and how it is read.
#include "phase/UnitAllZu.h"

#include "framework/TextCard.h"
#include "framework/Texts.h"

#include <iterator>

namespace wb {

TFormAllZu* FormAllZu = nullptr;

namespace {

// The page: the black lines first, then the blue ones in their order. The first line marks the
// word it shows in blue.
// clang-format off
constexpr CardRow kSeite[] = {
    // black, in this order
    { 30, 20, WB_TR("FormAllZu", "Zustandsschaubilder sind <em>Gleichgewichtsdiagramme</em>, d. h. sie liefern Aussagen über ") },
    { 30, 120, WB_TR("FormAllZu", "in Legierungen im thermodynamischen Gleichgewicht.") },
    { 30, 170, WB_TR("FormAllZu", "Bei der Darstellung von Zustandsschaubildern, hier metallische Zweistoffsysteme, kommt man üblicherweise") },
    { 30, 190, WB_TR("FormAllZu", "mit den beiden Zustandsgrößen ") },
    { 30, 250, WB_TR("FormAllZu", "aus, da der Dampfzustand und damit der Druck meistens nicht berücksichtigt werden braucht.") },
    { 30, 280, WB_TR("FormAllZu", "In einem cartesischen Koordinatensystem wird somit auf der") },
    { 150, 300, WB_TR("FormAllZu", "- Abzisse (Waagerechten) die Konzentration c") },
    { 150, 320, WB_TR("FormAllZu", "- Ordinate (Senkrechten) die Temperatur T") },
    { 30, 340, WB_TR("FormAllZu", "aufgetragen.") },
    { 30, 380, WB_TR("FormAllZu", "Durch unterscheidbare Linien ist das jeweilige Diagramm in mehrere Zustandsfelder unterteilt.") },
    { 30, 400, WB_TR("FormAllZu", "In diesen Felder liegt ein gleichartiger Aufbau der Phase vor.") },
    // then blue: the two lists
    { 150, 70, WB_TR("FormAllZu", "- Anzahl der Phasen und Phasenveränderungen  "), clBlue },
    { 150, 50, WB_TR("FormAllZu", "- Aggregatzustände (fest, flüssig, gasförmig) "), clBlue },
    { 150, 90, WB_TR("FormAllZu", "- chemische Zusammensetzung"), clBlue },
    { 150, 210, WB_TR("FormAllZu", "- Konzentration c (Anteile der Komponenten A und B)"), clBlue },
    { 150, 230, WB_TR("FormAllZu", "- Temperatur T der Legierung"), clBlue },
};
// clang-format on
static_assert(std::size(kSeite) == 16);

// 750 × 450 pixels, text at cell height 18 on the pink of the memos.
constexpr TextCard kKarte { 750, 450, kMemoColor, 18, kSeite };

} // namespace

TFormAllZu::TFormAllZu()
    : TLessonForm(QStringLiteral("FormAllZu"),
        { .caption = QStringLiteral(WB_TR("FormAllZu", "Allgemeines zu  Zustandsschaubildern")),
            .centring = Centring::OnPaint })
{
}

void TFormAllZu::FormPaint()
{
    // The lesson base has set the outer size and centred the form just before.
    showTextCard(ImageText, kKarte);
}

} // namespace wb
