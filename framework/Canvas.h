// The drawing surface every lesson paints on: pen, brush, font and the canvas operations,
// written pixel by pixel onto a 32-bit surface without anti-aliasing.
#pragma once

#include "Fonts.h"
#include "Types.h"

#include <QImage>
#include <QRect>
#include <initializer_list>
#include <vector>

namespace wb {

enum TPenStyle { psSolid, psDash, psDot };
enum TPenMode { pmCopy, pmNotXor };
enum TBrushStyle { bsSolid, bsClear };

class TPen {
public:
    TColor Color() const { return m_color; }
    void SetColor(TColor c) { m_color = c; }
    int Width() const { return m_width; }
    void SetWidth(int w) { m_width = w < 1 ? 1 : w; }
    TPenStyle Style() const { return m_style; }
    void SetStyle(TPenStyle s) { m_style = s; }
    TPenMode Mode() const { return m_mode; }
    void SetMode(TPenMode m) { m_mode = m; }

private:
    TColor m_color = clBlack;
    int m_width = 1;
    TPenStyle m_style = psSolid;
    TPenMode m_mode = pmCopy;
};

class TBrush {
public:
    TColor Color() const { return m_color; }
    // Assigning a colour makes the brush solid.
    void SetColor(TColor c)
    {
        m_color = c;
        m_style = bsSolid;
    }
    TBrushStyle Style() const { return m_style; }
    void SetStyle(TBrushStyle s) { m_style = s; }

private:
    TColor m_color = clWhite;
    TBrushStyle m_style = bsSolid;
};

struct TPoint {
    int X = 0;
    int Y = 0;
    bool operator==(const TPoint&) const = default;
};
constexpr TPoint Point(int x, int y)
{
    return TPoint { x, y };
}

// Where a canvas draws: a 32-bit image, the canvas origin inside it and the rectangle the
// canvas may touch (both in image coordinates). `changed` is told which pixels a drawing
// operation touched, so that only those are shown again.
//
// An image may hold more device pixels than the canvas has pixels (`ratio` above 1, as on a
// screen with a device pixel ratio): origin, clip and the changed rectangle stay in the
// canvas's own (logical) pixels, and the image is ratio times as wide and high. Each logical
// pixel then owns a block of device pixels, those whose centres fall into it.
class CanvasTarget {
public:
    virtual ~CanvasTarget() = default;
    virtual QImage* pixels() = 0;
    virtual QPoint origin() const = 0;
    virtual QRect clip() const = 0;
    virtual void changed(const QRect& imageRect) = 0;
    virtual qreal ratio() const { return 1.0; }
};

// The device pixels a logical pixel's block starts at (ratio r): the first whose centre lies in
// it. Blocks tile the device image: logical x owns deviceEdge(x, r) ... deviceEdge(x + 1, r) - 1.
int deviceEdge(int logical, qreal r);
// The device rectangle of a logical rectangle's blocks.
QRect deviceRect(const QRect& logical, qreal r);
// The logical pixel a device pixel belongs to.
int logicalOf(int device, qreal r);
// The device pixel read for a logical pixel: the middle of its block.
int deviceProbe(int logical, qreal r);

class TCanvas {
public:
    explicit TCanvas(CanvasTarget* target = nullptr)
        : m_target(target)
    {
    }
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    TPen Pen;
    TBrush Brush;
    TFont Font;

    void MoveTo(int x, int y) { m_pos = { x, y }; }
    // A line with the pen; the end point is not drawn; the position moves to (x, y).
    void LineTo(int x, int y);
    // Outline with the pen, fill with the brush unless clear; covers x1 ... x2 - 1, y1 ... y2 - 1.
    void Rectangle(int x1, int y1, int x2, int y2);
    // The ellipse inscribed in the box Rectangle would cover, outlined and filled as it.
    void Ellipse(int x1, int y1, int x2, int y2);
    // A closed polygon of 3 to 13 points, filled with the alternate (even-odd) rule.
    void Polygon(std::initializer_list<TPoint> points) { Polygon(points.begin(), int(points.size())); }
    void Polygon(const TPoint* points, int count);
    // Text cell with its top-left at (x, y); a solid brush fills the cell first; the position
    // moves to the end of the text.
    void TextOut(int x, int y, const QString& text);
    int TextWidth(const QString& text) const;
    int TextHeight(const QString& text) const;
    // Copies a picture with its top-left at (x, y); pixels whose mask value is 0 stay
    // untouched (no mask: all copied). Used by image lists and pictures.
    void CopyPicture(int x, int y, const QImage& picture, const QImage* mask = nullptr);
    // Copies a picture that already holds this canvas's device pixels for the blocks of the
    // logical rectangle (x, y, size) (a picture drawn at the device ratio), pixel for pixel,
    // without scaling; a picture of another size is scaled smoothly onto those blocks.
    void copyDevicePicture(int x, int y, QSize size, const QImage& device);

    // Framework: fills a rectangle with a colour as a repaint clears its area, pen and brush
    // untouched.
    void fillRect(const QRect& r, TColor color);

    TPoint PenPos() const { return m_pos; }
    void SetPenPos(TPoint p) { m_pos = p; }

    // The colour at (x, y) of this canvas, or -1 outside what it may touch.
    TColor Pixel(int x, int y) const;

    CanvasTarget* target() const { return m_target; }
    void setTarget(CanvasTarget* target) { m_target = target; }

    // The per-operation view of the target (translation, clipping, pixel writes).
    struct Surface;

private:
    bool open(Surface& s, bool forWriting = true) const;

    CanvasTarget* m_target = nullptr;
    TPoint m_pos;
};

} // namespace wb
