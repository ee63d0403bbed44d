// The base of everything a form owns by name: controls, menus, timers, image lists.
#pragma once

#include <QString>
#include <functional>
#include <type_traits>

namespace wb {

class TForm;

// A handler of the owning form's class, given where a component is declared:
//     TTimer TimerHaupt { this, QStringLiteral("TimerHaupt"), &TFormZuTyp1::TimerHauptTimer, 100 };
// The form is looked up when the event fires, so binding during construction is safe.
template <class Form> using FormHandler = void (Form::*)();

template <class Form> std::function<void()> bindHandler(TForm* owner, FormHandler<Form> handler)
{
    static_assert(std::is_base_of_v<TForm, Form>, "a handler belongs to a form class");
    return [owner, handler] { (static_cast<Form*>(owner)->*handler)(); };
}

class TComponent {
public:
    // Registers the component with its form, in description order.
    TComponent(TForm* owner, const QString& name);
    virtual ~TComponent();
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    const QString& Name() const { return m_name; }
    TForm* Owner() const { return m_owner; }

    // The component's kind as the driver reports it ("paintbox", "memo", "timer", ...).
    virtual QString kind() const = 0;

private:
    TForm* m_owner;
    QString m_name;
};

} // namespace wb
