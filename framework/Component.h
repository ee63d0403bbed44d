// The base of everything a form owns by name: controls, menus, timers, image lists.
#pragma once

#include <QString>

namespace wb {

class TForm;

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
