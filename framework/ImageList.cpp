#include "ImageList.h"

namespace wb {

TImageList::TImageList(TForm* owner, const QString& name, int width, int height)
    : TComponent(owner, name)
    , m_width(width)
    , m_height(height)
{
}

void TImageList::SetStripLoader(std::function<QImage()> loader)
{
    m_loader = std::move(loader);
    m_strip = QImage();
}

void TImageList::SetStrip(const QImage& strip)
{
    m_loader = nullptr;
    const QImage argb = strip.convertToFormat(QImage::Format_ARGB32);
    m_strip = strip.convertToFormat(QImage::Format_RGB32);
    m_mask = QImage(argb.size(), QImage::Format_Grayscale8);
    m_hasMask = false;
    for (int y = 0; y < argb.height(); ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        uchar* dst = m_mask.scanLine(y);
        for (int x = 0; x < argb.width(); ++x) {
            dst[x] = qAlpha(src[x]) == 0 ? 0 : 255;
            m_hasMask = m_hasMask || dst[x] == 0;
        }
    }
}

void TImageList::load()
{
    if (m_strip.isNull() && m_loader) {
        auto loader = std::move(m_loader);
        SetStrip(loader());
    }
}

int TImageList::Count()
{
    load();
    if (m_strip.isNull() || m_width <= 0 || m_strip.height() < m_height)
        return 0;
    return m_strip.width() / m_width;
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index)
{
    if (index < 0 || index >= Count())
        return;
    const QRect r(index * m_width, 0, m_width, m_height);
    const QImage frame = m_strip.copy(r);
    if (m_hasMask) {
        const QImage mask = m_mask.copy(r);
        canvas.CopyPicture(x, y, frame, &mask);
    } else {
        canvas.CopyPicture(x, y, frame);
    }
}

} // namespace wb
