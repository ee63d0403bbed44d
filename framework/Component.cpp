// The base of everything a form owns by name.
#include "Component.h"

#include "Forms.h"

namespace wb {

TComponent::TComponent(TForm* owner, const QString& name)
    : m_owner(owner)
    , m_name(name)
{
    if (m_owner)
        m_owner->addComponent(this);
}

TComponent::~TComponent()
{
    if (m_owner)
        m_owner->removeComponent(this);
}

} // namespace wb
