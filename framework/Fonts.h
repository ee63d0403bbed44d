// The embedded fonts and the one place that turns a font setting into glyph pixels.
#pragma once

#include "Types.h"

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <functional>

namespace wb {

class TCanvas;

// A font as the lessons set it: face name, height in pixels (positive: cell height,
// negative: character height), colour and boldness.
class TFont {
public:
    const QString& Name() const { return m_name; }
    void SetName(const QString& name);
    int Height() const { return m_height; }
    void SetHeight(int height);
    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    bool Bold() const { return m_bold; }
    void SetBold(bool bold);
    // Copies name, height, colour and style (the canvas takes a paint box's font this way).
    void Assign(const TFont& other);

    // Same face, height, colour and style.
    bool sameAs(const TFont& o) const
    {
        return m_name == o.m_name && m_height == o.m_height && m_color == o.m_color && m_bold == o.m_bold;
    }

    // Called after every change; controls use it to pass the font on to their widget.
    void setChangeHandler(std::function<void()> handler) { m_onChange = std::move(handler); }

private:
    void changed();

    QString m_name = QStringLiteral("MS Sans Serif");
    int m_height = -11;
    TColor m_color = clBlack;
    bool m_bold = false;
    std::function<void()> m_onChange;
};

// What the renderer needs of a font: the Qt font that draws it (embedded face, no
// anti-aliasing, full hinting) and the text cell's metrics in pixels.
struct ResolvedFont {
    QFont qfont;
    int requestedHeight = 0; // the height the font setting asked for
    int cellHeight = 0; // the height it is drawn at: one of the face's sizes, never below the floor
    int ascent = 0; // baseline below the cell's top
    bool symbol = false; // Latin letters are shown as Greek ones
};

namespace fonts {

// No text is drawn with a cell lower than this: below it the letters of an aliased face
// fall apart.
constexpr int kMinCellHeight = 13;

// The text cell heights the sans face is drawn at. The lessons were laid out for a face that
// came in these sizes only; a requested height takes the largest size that is not higher
// (at least the smallest). Beyond the last size the face scales freely.
inline constexpr int kSansCellHeights[] = { 13, 16, 20, 24, 29, 37 };

// The cell height a text of the requested cell height is drawn at, for the sans face (sized
// in steps) or the others (scaled freely, with the floor).
int sansCellHeight(int requestedCell);
int scaledCellHeight(int requestedCell);

// Registers the embedded faces with Qt; needs a QGuiApplication. Idempotent.
void ensureLoaded();

// The embedded face that stands in for a Windows face name.
QString familyFor(const QString& faceName);

const ResolvedFont& resolve(const QString& name, int height, bool bold);
inline const ResolvedFont& resolve(const TFont& f)
{
    return resolve(f.Name(), f.Height(), f.Bold());
}

// A QFont for a windowed control showing this font (at a zoom: that many times as large).
QFont qfontFor(const TFont& f);
QFont qfontFor(const TFont& f, double zoom);

// The text as the face shows it: for "Symbol" the Latin letters become Greek ones.
QString mapText(const ResolvedFont& rf, const QString& text);

// Width of the text cell in pixels.
int textWidth(const ResolvedFont& rf, const QString& text);

// The glyph pixels of a text: an 8-bit image of the text cell (textWidth × cellHeight),
// 255 where a glyph pixel is set and 0 elsewhere. Rendered without anti-aliasing.
QImage glyphMask(const ResolvedFont& rf, const QString& text);
// The same at a device pixel ratio: the face drawn ratio times as large, still without
// anti-aliasing, on a mask at least as large as the text cell's device blocks.
QImage glyphMask(const ResolvedFont& rf, const QString& text, qreal ratio);

// A text a canvas draws: its font, the text, the text cell and the area the canvas may draw
// in, both in the canvas's own coordinates.
struct DrawnText {
    const TCanvas* canvas;
    const ResolvedFont* font;
    QString text;
    QRect cell;
    QRect clip;
};
// Sees every text a canvas draws (checks that run the whole program use it); empty: nobody.
using TextObserver = std::function<void(const DrawnText&)>;
void setTextObserver(TextObserver observer);
const TextObserver& textObserver();

} // namespace fonts
} // namespace wb
