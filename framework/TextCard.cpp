// The text card of the general pages.
#include "TextCard.h"

#include "Texts.h"

namespace wb {

EmphasisedText splitEmphasis(const QString& text)
{
    static const QString open = QStringLiteral("<em>");
    static const QString close = QStringLiteral("</em>");
    EmphasisedText out;
    qsizetype at = 0;
    while (at < text.size()) {
        const qsizetype start = text.indexOf(open, at);
        if (start < 0)
            break;
        out.shown += text.mid(at, start - at);
        const qsizetype words = start + open.size();
        qsizetype end = text.indexOf(close, words);
        if (end < 0)
            end = text.size();
        out.spans.emplace_back(out.shown.size(), end - words);
        out.shown += text.mid(words, end - words);
        at = std::min(text.size(), end + close.size());
    }
    out.shown += text.mid(at);
    return out;
}

QRect cardBounds(int width, int height)
{
    // Integer division truncates toward zero, as the page layout always did.
    return QRect((790 - width) / 2, (530 - height) / 2, width, height);
}

void drawCardRow(TCanvas& c, const CardRow& row, TColor emphasis)
{
    const EmphasisedText text = splitEmphasis(texts::shown(row.text));
    c.Font.SetColor(row.color);
    c.TextOut(row.x, row.y, text.shown);
    for (const auto& [start, length] : text.spans) {
        c.Font.SetColor(emphasis);
        c.TextOut(row.x + c.TextWidth(text.shown.left(start)), row.y, text.shown.mid(start, length));
    }
}

void drawTextCard(TCanvas& c, const TextCard& card)
{
    c.Brush.SetColor(card.color);
    c.Rectangle(0, 0, card.width, card.height);
    c.Font.SetHeight(card.fontHeight);
    for (const CardRow& row : card.rows)
        drawCardRow(c, row, card.emphasis);
}

void showTextCard(TImage& image, const TextCard& card)
{
    const QRect r = cardBounds(card.width, card.height);
    image.SetBounds(r.x(), r.y(), r.width(), r.height());
    drawTextCard(image.Canvas(), card);
}

} // namespace wb
