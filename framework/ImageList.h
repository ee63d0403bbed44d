// Image lists: frames of one size, drawn by index.
#pragma once

#include "Canvas.h"
#include "Component.h"

#include <QImage>
#include <functional>

namespace wb {

class TImageList : public TComponent {
public:
    TImageList(TForm* owner, const QString& name, int width, int height);
    QString kind() const override { return QStringLiteral("imagelist"); }

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // Number of frames.
    int Count();

    // The frames as one strip, side by side from the left; pixels with alpha 0 are masked
    // (drawing leaves the canvas untouched there). Decoded when first needed.
    void SetStripLoader(std::function<QImage()> loader);
    void SetStrip(const QImage& strip);

    // Frame i (from 0) with its top-left at (x, y); an index out of range draws nothing.
    void Draw(TCanvas& canvas, int x, int y, int index);

private:
    void load();
    int m_width;
    int m_height;
    QImage m_strip; // RGB32
    QImage m_mask; // 8 bit, 0 = masked
    bool m_hasMask = false;
    std::function<QImage()> m_loader;
};

} // namespace wb
