// The base of every control.
#include "Control.h"

#include "Forms.h"
#include "WinControl.h"

#include <algorithm>

namespace wb {

TControl::TControl(TForm* owner, const QString& name, TWinControl* parent)
    : TComponent(owner, name)
    , m_parent(parent)
{
    // A control starts with its form's font and follows it until it gets one of its own.
    Font.Assign(owner->Font);
    Font.setChangeHandler([this] {
        if (!m_takingParentFont)
            m_parentFont = false;
        fontChanged();
    });
}

void TControl::takeParentFont(const TFont& f)
{
    if (!m_parentFont)
        return;
    m_takingParentFont = true;
    Font.Assign(f);
    m_takingParentFont = false;
}

QRect TControl::clientRect() const
{
    QRect r = m_bounds;
    for (const TControl* p = m_parent; p; p = p->Parent())
        r.translate(p->Left(), p->Top());
    return r;
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    const QRect next(left, top, std::max(0, width), std::max(0, height));
    if (next == m_bounds)
        return;
    const QRect before = clientRect();
    m_bounds = next;
    if (m_align != alNone && !m_parent)
        Owner()->realign();
    boundsChanged();
    if (!isWindowed())
        lookChanged(before);
}

void TControl::setAlignedBounds(const QRect& r)
{
    if (r == m_bounds)
        return;
    const QRect before = clientRect();
    m_bounds = r;
    boundsChanged();
    if (!isWindowed())
        lookChanged(before);
}

void TControl::SetVisible(bool on)
{
    if (on == m_visible)
        return;
    m_visible = on;
    if (m_align != alNone && !m_parent)
        Owner()->realign();
    visibilityChanged();
    // What lay beneath shows again, as the form repaints it.
    if (!isWindowed() || !on)
        lookChanged(clientRect());
}

void TControl::SetEnabled(bool on)
{
    if (on == m_enabled)
        return;
    m_enabled = on;
    enabledChanged();
}

TColor TControl::Color() const
{
    if (m_parentColor)
        return m_parent ? m_parent->Color() : Owner()->Color();
    return m_color;
}

void TControl::SetColor(TColor c)
{
    m_parentColor = false;
    if (c == m_color)
        return;
    m_color = c;
    colorChanged();
    if (!isWindowed())
        lookChanged(clientRect());
}

void TControl::SetAlign(TAlign a)
{
    if (a == m_align)
        return;
    m_align = a;
    if (!m_parent)
        Owner()->realign();
}

void TControl::lookChanged(const QRect& before)
{
    if (m_parent) {
        // A panel without its widget yet draws its labels when the widget is made.
        if (QWidget* w = m_parent->childHost())
            w->update();
        return;
    }
    Owner()->invalidateRect(before | clientRect());
}

} // namespace wb
