// Main menus: items with captions ('&' marks the Alt letter), shortcut keys and click handlers.
#pragma once

#include "Component.h"

#include <QString>
#include <functional>
#include <vector>

namespace wb {

class TMenuItem;

// Marks an item whose click does nothing but close its form ("&Ende", the hidden Esc item).
struct ClosesForm { };
inline constexpr ClosesForm closesForm {};

class TMainMenu : public TComponent {
public:
    // Becomes the form's menu.
    TMainMenu(TForm* owner, const QString& name);
    QString kind() const override { return QStringLiteral("mainmenu"); }

    const std::vector<TMenuItem*>& Items() const { return m_items; }
    // All items, each submenu's items right after their parent.
    std::vector<TMenuItem*> allItems() const;
    // The first item (in that order) with this shortcut, or null.
    TMenuItem* findShortCut(int key) const;
    bool hasVisibleItems() const;

private:
    friend class TMenuItem;
    std::vector<TMenuItem*> m_items;
};

class TMenuItem : public TComponent {
public:
    TMenuItem(TMainMenu& menu, const QString& name, const QString& caption, int shortCut = 0, bool visible = true);
    TMenuItem(TMenuItem& parent, const QString& name, const QString& caption, int shortCut = 0, bool visible = true);
    // The same with the click handler given at the declaration: a method of the form's class,
    // or closesForm.
    template <class Form>
    TMenuItem(TMainMenu& menu, const QString& name, const QString& caption, FormHandler<Form> onClick, int shortCut = 0,
        bool visible = true)
        : TMenuItem(menu, name, caption, shortCut, visible)
    {
        OnClick = bindHandler(Owner(), onClick);
    }
    template <class Form>
    TMenuItem(TMenuItem& parent, const QString& name, const QString& caption, FormHandler<Form> onClick,
        int shortCut = 0, bool visible = true)
        : TMenuItem(parent, name, caption, shortCut, visible)
    {
        OnClick = bindHandler(Owner(), onClick);
    }
    TMenuItem(TMainMenu& menu, const QString& name, const QString& caption, ClosesForm, int shortCut = 0,
        bool visible = true);
    TMenuItem(TMenuItem& parent, const QString& name, const QString& caption, ClosesForm, int shortCut = 0,
        bool visible = true);
    QString kind() const override { return QStringLiteral("menuitem"); }

    // The caption in the language in force (texts::tr).
    QString Caption() const;
    void SetCaption(const QString& caption);
    int ShortCut() const { return m_shortCut; }
    void SetShortCut(int key);
    bool Visible() const { return m_visible; }
    void SetVisible(bool on);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool on);

    TMenuItem* Parent() const { return m_parent; }
    const std::vector<TMenuItem*>& Items() const { return m_items; }
    TMainMenu& menu() const { return m_menu; }

    std::function<void()> OnClick;

    // Runs OnClick unless the item or one of its parents is disabled. Returns whether it ran.
    bool Click();
    // The item and all its parents are enabled.
    bool enabledChain() const;
    // The item and all its parents are visible.
    bool visibleChain() const;
    // "Esc", "F1", "F2" or "" (other keys by code).
    QString shortCutText() const;
    // Declared with closesForm: its click does nothing but close the form.
    bool closesForm() const { return m_closesForm; }

private:
    void changed();
    TMainMenu& m_menu;
    TMenuItem* m_parent = nullptr;
    std::vector<TMenuItem*> m_items;
    QString m_caption;
    int m_shortCut = 0;
    bool m_visible = true;
    bool m_enabled = true;
    bool m_closesForm = false;
};

} // namespace wb
