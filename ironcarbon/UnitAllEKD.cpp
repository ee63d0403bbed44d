// Allgemeines zum Eisen-Kohlenstoff-Schaubild: the iron-carbon system, its phases and its metastable and stable form.
#include "ironcarbon/UnitAllEKD.h"

#include "framework/TextCard.h"

#include <iterator>

namespace wb {

TFormAllEKD* FormAllEKD = nullptr;

namespace {

// The page: the first two lines in blue, the rest in black, at x = 20.
// clang-format off
constexpr CardRow kSeite[] = {
    { 20, 30, "Das Zustandsschaubild Eisen-Kohlenstoff ist ein Zweistoffsystem und macht Aussagen über", clBlue },
    { 20, 50, "Gleichgewichtsverhältnisse im System Eisen-Kohlenstoff.", clBlue },
    { 20, 80, "Es bildet eine wichtige Grundlage für technische Eisenlegierungen, insbesondere für die Wärmebehandlung von Stählen," },
    { 20, 100, "mit der man neben der Auswahl von Legierungselementen gezielt Einfluss auf deren Eigenschaften nehmen kann." },
    { 20, 120, "Mit Hilfe des Eisen-Kohlenstoff-Schaubildes wird festgestellt, in welchem Zustand sich ein unlegierter Stahl mit" },
    { 20, 140, "bekanntem Kohlenstoffgehalt bei einer bestimmten Temperatur befindet und welche Gefügeveränderungen bei   " },
    { 20, 160, "Temperaturänderungen zu erwarten sind.  " },
    { 20, 220, "Eisen (Fe) ist ein Schwermetall (Dichte 7.85 g/qqcm) und ist als reines Metall zäher und weicher als Stahl." },
    { 20, 240, "Es wird technisch nur für ganz bestimmte Aufgaben verwendet." },
    { 20, 300, "Kohlenstoff (C) kann in der Natur in verschiedenen Modifikationen vorkommen (Graphit oder Diamant).  " },
    { 20, 320, "In Eisenwerkstoffen liegt er atomar in den Mischkristallen Ferrit und Austenit vor, gebunden an Eisen als   " },
    { 20, 340, "Eisenkarbid (Zementit) oder ungebunden als Graphit.  " },
    { 20, 360, "Der Kohlenstoff ist ein wichtiges Begleitelement des Eisens und geringe Unterschiede im Gehalt beeinflussen  " },
    { 20, 380, "die mechanischen und technologischen Stahleigenschaften deutlich.   " },
};
// clang-format on
static_assert(std::size(kSeite) == 14);

// 750 × 450 pixels, text at cell height 18 on the pink of the memos.
constexpr TextCard kKarte { 750, 450, kMemoColor, 18, kSeite };

} // namespace

TFormAllEKD::TFormAllEKD()
    : TLessonForm(QStringLiteral("FormAllEKD"),
        { .caption = QStringLiteral("Allgemeines zum Eisen-Kohlenstoff-Schaubild"), .centring = Centring::OnPaint })
{
}

void TFormAllEKD::FormPaint()
{
    // The lesson base has set the outer size and centred the form just before.
    showTextCard(ImageText, kKarte);
}

} // namespace wb
