// A picture of a window's client area as the user sees it.
#include "Snapshot.h"

#include "Controls.h"
#include "FormAccess.h"
#include "Forms.h"

#include <QPainter>
#include <QWidget>

namespace wb {

namespace {

// The surface at another ratio: every logical pixel fills the device block it owns there.
QImage resampled(const QImage& surface, qreal from, QSize logical, qreal to)
{
    const QRect all(QPoint(0, 0), logical);
    QImage out(deviceRect(all, to).size(), QImage::Format_RGB32);
    for (int y = 0; y < logical.height(); ++y) {
        const int sy = deviceProbe(y, from);
        for (int x = 0; x < logical.width(); ++x) {
            const QRgb p = surface.pixel(deviceProbe(x, from), sy);
            const QRect block = deviceRect(QRect(x, y, 1, 1), to);
            for (int dy = block.top(); dy <= block.bottom(); ++dy) {
                auto* row = reinterpret_cast<QRgb*>(out.scanLine(dy));
                std::fill(row + block.left(), row + block.right() + 1, p);
            }
        }
    }
    return out;
}

} // namespace

QImage renderClientArea(TForm& form, qreal ratio)
{
    const qreal own = FormAccess::ratio(form);
    if (ratio <= 0)
        ratio = own;
    const QRect client(0, 0, form.ClientWidth(), form.ClientHeight());
    const QImage& surface = FormAccess::surface(form);
    QImage image = qFuzzyCompare(ratio, own) ? surface.copy(deviceRect(client, own))
                                             : resampled(surface, own, client.size(), ratio);
    QPainter p(&image);
    // Windowed controls are drawn as vectors: at a ratio above 1 their text is as sharp as the
    // canvas's.
    p.scale(ratio, ratio);
    for (TComponent* c : form.components()) {
        auto* w = dynamic_cast<TWinControl*>(c);
        if (w && !w->Parent() && w->Visible() && w->widget())
            w->widget()->render(
                &p, w->clientRect().topLeft(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    p.end();
    return image;
}

} // namespace wb
