// The edit field, the push button and the scroll bar: thin adapters over Qt's widgets.
#include "WidgetControls.h"

#include "Forms.h"
#include "Texts.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

namespace wb {

// --- Edit -----------------------------------------------------------------------------------

TEdit::TEdit(TForm* owner, const QString& name)
    : TWinControl(owner, name)
{
    m_color = clWhite;
}

QWidget* TEdit::makeWidget()
{
    // The text it held so far goes in before OnChange is connected: nothing changes by it.
    auto* edit = new QLineEdit(m_text);
    edit->setReadOnly(m_readOnly);
    QObject::connect(edit, &QLineEdit::textChanged, edit, [this] {
        if (OnChange)
            OnChange();
    });
    return edit;
}

// Once the Qt field exists the text lives there (the user types into it); before, the edit keeps
// it as the field would: cut at the field's length limit, OnChange only when it changes.
QString TEdit::Text() const
{
    if (auto* edit = qobject_cast<QLineEdit*>(m_widget.data()))
        return edit->text();
    return m_text;
}

void TEdit::SetText(const QString& text)
{
    if (auto* edit = qobject_cast<QLineEdit*>(m_widget.data())) {
        edit->setText(text);
        return;
    }
    const QString next = text.left(kMaxLength);
    if (next == m_text)
        return;
    m_text = next;
    if (OnChange)
        OnChange();
}

void TEdit::typeText(const QString& text)
{
    SetText(text);
}

void TEdit::SetReadOnly(bool on)
{
    m_readOnly = on;
    if (auto* edit = qobject_cast<QLineEdit*>(m_widget.data()))
        edit->setReadOnly(on);
}

// --- Button ---------------------------------------------------------------------------------

TButton::TButton(TForm* owner, const QString& name)
    : TWinControl(owner, name)
{
    m_color = RGB(0xD4, 0xD0, 0xC8);
}

QWidget* TButton::makeWidget()
{
    auto* button = new QPushButton(Caption());
    button->setFocusPolicy(Qt::StrongFocus);
    QObject::connect(button, &QPushButton::clicked, button, [this] {
        if (Owner()->acceptsMouse())
            press();
    });
    return button;
}

QString TButton::Caption() const
{
    return texts::shown(m_caption);
}

void TButton::SetCaption(const QString& caption)
{
    m_caption = caption;
    languageChanged();
}

void TButton::languageChanged()
{
    if (auto* b = qobject_cast<QPushButton*>(m_widget.data()))
        b->setText(Caption());
}

void TButton::press()
{
    if (OnClick)
        OnClick();
}

// --- Scroll bar -----------------------------------------------------------------------------

TScrollBar::TScrollBar(TForm* owner, const QString& name)
    : TWinControl(owner, name)
{
    m_color = RGB(0xD4, 0xD0, 0xC8);
}

QWidget* TScrollBar::makeWidget()
{
    auto* bar = new QScrollBar(Qt::Horizontal);
    QObject::connect(bar, &QScrollBar::valueChanged, bar, [this](int v) {
        if (m_syncing)
            return;
        scrollTo(v);
    });
    return bar;
}

void TScrollBar::widgetMade()
{
    syncWidget();
}

void TScrollBar::syncWidget()
{
    auto* bar = qobject_cast<QScrollBar*>(m_widget.data());
    if (!bar)
        return;
    m_syncing = true;
    bar->setRange(m_min, m_max);
    bar->setSingleStep(m_smallChange);
    bar->setPageStep(m_largeChange);
    bar->setValue(m_position);
    m_syncing = false;
}

void TScrollBar::SetPosition(int p)
{
    m_position = std::clamp(p, m_min, m_max);
    syncWidget();
}

void TScrollBar::SetMin(int v)
{
    m_min = v;
    m_position = std::max(m_position, m_min);
    syncWidget();
}

void TScrollBar::SetMax(int v)
{
    m_max = v;
    m_position = std::min(m_position, m_max);
    syncWidget();
}

void TScrollBar::SetSmallChange(int v)
{
    m_smallChange = v;
    syncWidget();
}

void TScrollBar::SetLargeChange(int v)
{
    m_largeChange = v;
    syncWidget();
}

void TScrollBar::scrollTo(int position)
{
    m_position = std::clamp(position, m_min, m_max);
    syncWidget();
    if (OnScroll)
        OnScroll(m_position);
}

} // namespace wb
