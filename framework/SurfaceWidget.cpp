// The widget that shows a form's pixel surface and hands the mouse to the form.
#include "SurfaceWidget.h"

#include "Forms.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace wb {

SurfaceWidget::SurfaceWidget(TForm* form, QWidget* parent)
    : QWidget(parent)
    , m_form(form)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void SurfaceWidget::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    const QRect r = e->rect();
    const QImage& s = m_form->surface();
    const QColor colour(GetRValue(m_form->Color()), GetGValue(m_form->Color()), GetBValue(m_form->Color()));
    if (m_form->ratio() == 1.0 && m_form->zoom() == 1.0) {
        // The opaque surface covers what it holds; only what lies beyond it shows the form colour.
        if (!s.rect().contains(r))
            p.fillRect(r, colour);
        p.drawImage(r.topLeft(), s, r);
    } else {
        p.fillRect(r, colour);
        // The surface holds device pixels, zoom × the screen's ratio per logical pixel: they
        // land one to one on the screen's pixels.
        const qreal k = m_form->ratio() / m_form->zoom();
        p.drawImage(QRectF(r), s, QRectF(r.x() * k, r.y() * k, r.width() * k, r.height() * k));
    }
}

namespace {

// A position on the widget in the form's logical pixels.
QPoint logicalPos(const TForm* form, const QMouseEvent* e)
{
    const QPointF p = e->position() / form->zoom();
    return QPoint(int(std::floor(p.x())), int(std::floor(p.y())));
}

TShiftState shiftOf(const QMouseEvent* e)
{
    TShiftState s;
    s.shift = e->modifiers() & Qt::ShiftModifier;
    s.ctrl = e->modifiers() & Qt::ControlModifier;
    s.alt = e->modifiers() & Qt::AltModifier;
    s.left = e->buttons() & Qt::LeftButton;
    return s;
}

} // namespace

void SurfaceWidget::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        m_form->mouseDownAt(logicalPos(m_form, e), shiftOf(e));
}

void SurfaceWidget::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        m_form->mouseUpAt(logicalPos(m_form, e));
}

void SurfaceWidget::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint pos = logicalPos(m_form, e);
    m_form->mouseMoveAt(pos, shiftOf(e));
    if (m_form->Busy())
        setCursor(Qt::BusyCursor);
    else
        setCursor(m_form->cursorAt(pos) == crHandPoint ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

} // namespace wb
