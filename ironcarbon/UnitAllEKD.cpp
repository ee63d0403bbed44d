// Allgemeines zum Eisen-Kohlenstoff-Schaubild: the iron-carbon system, its phases and its metastable and stable form.
#include "ironcarbon/UnitAllEKD.h"

#include "framework/TextCard.h"
#include "framework/Texts.h"

#include <iterator>

namespace wb {

TFormAllEKD* FormAllEKD = nullptr;

namespace {

// The page: the first two lines in blue, the rest in black, at x = 20.
// clang-format off
constexpr CardRow kSeite[] = {
    { 20, 30, WB_TR("FormAllEKD", "Das Zustandsschaubild Eisen-Kohlenstoff ist ein Zweistoffsystem und macht Aussagen über"), clBlue },
    { 20, 50, WB_TR("FormAllEKD", "Gleichgewichtsverhältnisse im System Eisen-Kohlenstoff."), clBlue },
    { 20, 80, WB_TR("FormAllEKD", "Es bildet eine wichtige Grundlage für technische Eisenlegierungen, insbesondere für die Wärmebehandlung von Stählen,") },
    { 20, 100, WB_TR("FormAllEKD", "mit der man neben der Auswahl von Legierungselementen gezielt Einfluss auf deren Eigenschaften nehmen kann.") },
    { 20, 120, WB_TR("FormAllEKD", "Mit Hilfe des Eisen-Kohlenstoff-Schaubildes wird festgestellt, in welchem Zustand sich ein unlegierter Stahl mit") },
    { 20, 140, WB_TR("FormAllEKD", "bekanntem Kohlenstoffgehalt bei einer bestimmten Temperatur befindet und welche Gefügeveränderungen bei   ") },
    { 20, 160, WB_TR("FormAllEKD", "Temperaturänderungen zu erwarten sind.  ") },
    { 20, 220, WB_TR("FormAllEKD", "Eisen (Fe) ist ein Schwermetall (Dichte 7.85 g/qqcm) und ist als reines Metall zäher und weicher als Stahl.") },
    { 20, 240, WB_TR("FormAllEKD", "Es wird technisch nur für ganz bestimmte Aufgaben verwendet.") },
    { 20, 300, WB_TR("FormAllEKD", "Kohlenstoff (C) kann in der Natur in verschiedenen Modifikationen vorkommen (Graphit oder Diamant).  ") },
    { 20, 320, WB_TR("FormAllEKD", "In Eisenwerkstoffen liegt er atomar in den Mischkristallen Ferrit und Austenit vor, gebunden an Eisen als   ") },
    { 20, 340, WB_TR("FormAllEKD", "Eisenkarbid (Zementit) oder ungebunden als Graphit.  ") },
    { 20, 360, WB_TR("FormAllEKD", "Der Kohlenstoff ist ein wichtiges Begleitelement des Eisens und geringe Unterschiede im Gehalt beeinflussen  ") },
    { 20, 380, WB_TR("FormAllEKD", "die mechanischen und technologischen Stahleigenschaften deutlich.   ") },
};
// clang-format on
static_assert(std::size(kSeite) == 14);

// 750 × 450 pixels, text at cell height 18 on the pink of the memos.
constexpr TextCard kKarte { 750, 450, kMemoColor, 18, kSeite };

} // namespace

TFormAllEKD::TFormAllEKD()
    : TLessonForm(QStringLiteral("FormAllEKD"),
        { .caption = QStringLiteral(WB_TR("FormAllEKD", "Allgemeines zum Eisen-Kohlenstoff-Schaubild")),
            .centring = Centring::OnPaint })
{
}

void TFormAllEKD::FormPaint()
{
    // The lesson base has set the outer size and centred the form just before.
    showTextCard(ImageText, kKarte);
}

} // namespace wb
