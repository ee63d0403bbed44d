// The text card of the general pages.
#include "TextCard.h"

#include <cassert>

namespace wb {

QRect cardBounds(int width, int height)
{
    // Integer division truncates toward zero, as the page layout always did.
    return QRect((790 - width) / 2, (530 - height) / 2, width, height);
}

int cardRowX(const TCanvas& c, std::span<const CardRow> rows, std::size_t index)
{
    const CardRow& row = rows[index];
    if (!row.emphasis)
        return row.x;
    const QString words = QString::fromUtf8(row.text);
    for (std::size_t i = index; i-- > 0;) {
        const CardRow& line = rows[i];
        if (line.y != row.y || line.emphasis)
            continue;
        const QString text = QString::fromUtf8(line.text);
        const qsizetype at = text.indexOf(words);
        assert(at >= 0 && "an emphasis row repeats words of the row at its y");
        return line.x + c.TextWidth(text.left(at));
    }
    assert(false && "an emphasis row needs a row at its y drawn before it");
    return row.x;
}

void drawTextCard(TCanvas& c, const TextCard& card)
{
    c.Brush.SetColor(card.color);
    c.Rectangle(0, 0, card.width, card.height);
    c.Font.SetHeight(card.fontHeight);
    for (std::size_t i = 0; i < card.rows.size(); ++i) {
        const CardRow& row = card.rows[i];
        c.Font.SetColor(row.color);
        c.TextOut(cardRowX(c, card.rows, i), row.y, QString::fromUtf8(row.text));
    }
}

void showTextCard(TImage& image, const TextCard& card)
{
    const QRect r = cardBounds(card.width, card.height);
    image.SetBounds(r.x(), r.y(), r.width(), r.height());
    drawTextCard(image.Canvas(), card);
}

} // namespace wb
