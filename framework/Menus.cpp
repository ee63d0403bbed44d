#include "Menus.h"

#include "Forms.h"
#include "Texts.h"

#include <algorithm>

namespace wb {

TMainMenu::TMainMenu(TForm* owner, const QString& name)
    : TComponent(owner, name)
{
    owner->setMenu(this);
}

std::vector<TMenuItem*> TMainMenu::allItems() const
{
    std::vector<TMenuItem*> out;
    auto walk = [&out](auto&& self, const std::vector<TMenuItem*>& items) -> void {
        for (TMenuItem* item : items) {
            out.push_back(item);
            self(self, item->Items());
        }
    };
    walk(walk, m_items);
    return out;
}

TMenuItem* TMainMenu::findShortCut(int key) const
{
    if (key == 0)
        return nullptr;
    for (TMenuItem* item : allItems())
        if (item->ShortCut() == key)
            return item;
    return nullptr;
}

bool TMainMenu::hasVisibleItems() const
{
    return std::any_of(m_items.begin(), m_items.end(), [](const TMenuItem* i) { return i->Visible(); });
}

TMenuItem::TMenuItem(TMainMenu& menu, const QString& name, const QString& caption, int shortCut, bool visible)
    : TComponent(menu.Owner(), name)
    , m_menu(menu)
    , m_caption(caption)
    , m_shortCut(shortCut)
    , m_visible(visible)
{
    menu.m_items.push_back(this);
    Owner()->menuChanged();
}

TMenuItem::TMenuItem(TMenuItem& parent, const QString& name, const QString& caption, int shortCut, bool visible)
    : TComponent(parent.Owner(), name)
    , m_menu(parent.m_menu)
    , m_parent(&parent)
    , m_caption(caption)
    , m_shortCut(shortCut)
    , m_visible(visible)
{
    parent.m_items.push_back(this);
    Owner()->menuChanged();
}

TMenuItem::TMenuItem(
    TMainMenu& menu, const QString& name, const QString& caption, ClosesForm, int shortCut, bool visible)
    : TMenuItem(menu, name, caption, shortCut, visible)
{
    OnClick = [form = Owner()] { form->Close(); };
    m_closesForm = true;
}

TMenuItem::TMenuItem(
    TMenuItem& parent, const QString& name, const QString& caption, ClosesForm, int shortCut, bool visible)
    : TMenuItem(parent, name, caption, shortCut, visible)
{
    OnClick = [form = Owner()] { form->Close(); };
    m_closesForm = true;
}

void TMenuItem::changed()
{
    Owner()->menuItemChanged(this);
}

QString TMenuItem::Caption() const
{
    return texts::shown(m_caption);
}

void TMenuItem::SetCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    changed();
}

void TMenuItem::SetShortCut(int key)
{
    m_shortCut = key;
    changed();
}

void TMenuItem::SetVisible(bool on)
{
    if (on == m_visible)
        return;
    m_visible = on;
    changed();
}

void TMenuItem::SetEnabled(bool on)
{
    if (on == m_enabled)
        return;
    m_enabled = on;
    changed();
}

bool TMenuItem::enabledChain() const
{
    for (const TMenuItem* i = this; i; i = i->m_parent)
        if (!i->m_enabled)
            return false;
    return true;
}

bool TMenuItem::visibleChain() const
{
    for (const TMenuItem* i = this; i; i = i->m_parent)
        if (!i->m_visible)
            return false;
    return true;
}

bool TMenuItem::Click()
{
    if (!enabledChain())
        return false;
    if (OnClick)
        OnClick();
    return true;
}

QString TMenuItem::shortCutText() const
{
    switch (m_shortCut) {
    case 0:
        return {};
    case 27:
        return QStringLiteral("Esc");
    default:
        if (m_shortCut >= 112 && m_shortCut <= 123)
            return QStringLiteral("F%1").arg(m_shortCut - 111);
        return QString::number(m_shortCut);
    }
}

} // namespace wb
