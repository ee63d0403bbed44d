// The life cycle of windowed controls: their Qt widgets made in description order, placed,
// zoomed and kept in step with the control.
#include "WinControl.h"

#include "Forms.h"

#include <cassert>

namespace wb {

namespace {

QColor qcolor(TColor c)
{
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

} // namespace

TWinControl::TWinControl(TForm* owner, const QString& name, TWinControl* parent)
    : TControl(owner, name, parent)
{
}

TWinControl::~TWinControl()
{
    delete m_widget.data();
}

void TWinControl::attach(QWidget* w)
{
    m_widget = w;
    w->setParent(m_parent ? m_parent->childHost() : Owner()->clientWidget());
    w->setGeometry(Owner()->zoomed(m_bounds));
    w->setFont(fonts::qfontFor(Font, Owner()->zoom()));
    applyPalette();
    if (!m_enabled)
        w->setEnabled(false);
    if (m_tabStop >= 0)
        w->setFocusPolicy(m_tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    w->setVisible(m_visible);
}

void TWinControl::ensureWidget()
{
    if (!m_widgetMade)
        createWidgets(Owner());
}

void TWinControl::createWidgets(TForm* form)
{
    // A copy: making a widget may not change the list, but the list is the form's.
    const std::vector<TComponent*> components = form->components();
    for (TComponent* c : components) {
        auto* w = dynamic_cast<TWinControl*>(c);
        if (!w || w->m_widgetMade)
            continue;
        // A panel's children lie in its widget: the panel comes first in the description.
        assert(!w->m_parent || w->m_parent->m_widgetMade);
        w->m_widgetMade = true;
        w->attach(w->makeWidget());
        w->widgetMade();
    }
}

void TWinControl::boundsChanged()
{
    if (m_widget)
        m_widget->setGeometry(Owner()->zoomed(m_bounds));
}

void TWinControl::zoomChanged()
{
    boundsChanged();
    fontChanged();
}

void TWinControl::visibilityChanged()
{
    if (m_widget)
        m_widget->setVisible(m_visible);
}

void TWinControl::enabledChanged()
{
    if (m_widget)
        m_widget->setEnabled(m_enabled);
}

void TWinControl::colorChanged()
{
    applyPalette();
    if (m_widget)
        m_widget->update();
}

void TWinControl::fontChanged()
{
    if (!m_widget)
        return;
    m_widget->setFont(fonts::qfontFor(Font, Owner()->zoom()));
    applyPalette();
    m_widget->update();
}

void TWinControl::applyPalette()
{
    if (!m_widget)
        return;
    // The control's colour is its background, whether Qt calls that window, button or base
    // (text fields); the font colour its text.
    QPalette pal = m_widget->palette();
    for (const auto role : { QPalette::Window, QPalette::Button, QPalette::Base })
        pal.setColor(role, qcolor(Color()));
    for (const auto role : { QPalette::WindowText, QPalette::ButtonText, QPalette::Text })
        pal.setColor(role, qcolor(Font.Color()));
    m_widget->setPalette(pal);
}

void TWinControl::SetTabStop(bool on)
{
    m_tabStop = on ? 1 : 0;
    if (m_widget)
        m_widget->setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
}

} // namespace wb
