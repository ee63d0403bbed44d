// A canvas target over a rectangle of some image, for one-off drawing by the framework (labels,
// pictures shown on the surface, the drawn controls).
#pragma once

#include "Canvas.h"

#include <QImage>
#include <QPoint>
#include <QRect>

namespace wb {

// Draws into `image` with `origin` as the canvas origin, clipped to `clip` (in the canvas's logical
// pixels), and gathers what it changed.
class RectTarget : public CanvasTarget {
public:
    RectTarget(QImage* image, QPoint origin, QRect clip, qreal ratio = 1.0)
        : m_image(image)
        , m_origin(origin)
        , m_clip(clip)
        , m_ratio(ratio)
    {
    }
    QImage* pixels() override { return m_image; }
    QPoint origin() const override { return m_origin; }
    QRect clip() const override { return m_clip; }
    void changed(const QRect& r) override { m_changed |= r; }
    qreal ratio() const override { return m_ratio; }
    QRect changedRect() const { return m_changed; }

private:
    QImage* m_image;
    QPoint m_origin;
    QRect m_clip;
    qreal m_ratio;
    QRect m_changed;
};

} // namespace wb
