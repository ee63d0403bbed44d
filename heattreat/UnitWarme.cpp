// Wärmebehandlung: what heat treatment of steels means, by its definition.
#include "heattreat/UnitWarme.h"

#include "framework/TextCard.h"
#include "framework/Texts.h"

#include <iterator>

namespace wb {

TFormWarme* FormWarme = nullptr;

namespace {

// The definition as a quotation, its quotation marks part of the first and the last line, and
// where it comes from.
// clang-format off
constexpr CardRow kSeite[] = {
    { 20, 60, WB_TR("FormWarme", "\"Die Wärmebehandlung ist ein Vorgang, in dessen Verlauf ein Werkstück oder") },
    { 20, 100, WB_TR("FormWarme", " ein Bereich eines Werkstückes absichtlich Temperatur-Zeit-Folgen und/oder") },
    { 20, 140, WB_TR("FormWarme", " chemischen Einwirkungen ausgesetzt wird, um ihm Eigenschaften zu verleihen") },
    { 20, 180, WB_TR("FormWarme", " die für seine Weiterverarbeitung oder Verwendung erforderlich sind.\"") },
    { 420, 260, WB_TR("FormWarme", " Definition nach DIN EN 10052") },
};
// clang-format on
static_assert(std::size(kSeite) == 5);

// 750 × 450 pixels, text at cell height 24 on the pink of the memos.
constexpr TextCard kKarte { 750, 450, kMemoColor, 24, kSeite };

} // namespace

TFormWarme::TFormWarme()
    : TLessonForm(QStringLiteral("FormWarme"),
        { .caption = QStringLiteral(WB_TR("FormWarme", "Wärmebehandlung")), .centring = Centring::OnPaint })
{
}

void TFormWarme::FormPaint()
{
    // The lesson base has set the outer size and centred the form just before.
    showTextCard(ImageText, kKarte);
}

} // namespace wb
