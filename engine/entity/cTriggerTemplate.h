#pragma once
// cTriggerTemplate: a trigger whose condition is a member function of the
// owner class T, called on the owner of its source state.

#include <cstdint>

#include "engine/entity/MemberCall.h"
#include "engine/entity/iTrigger.h"

namespace Engine {

template <typename T>
class cTriggerTemplate final : public iTrigger {
public:
    using Condition = bool (T::*)();

    // A trigger on owner's condition that switches to target.
    cTriggerTemplate(T* owner_object, Condition query, iState* target, std::int32_t id)
        : iTrigger(target, id), owner(owner_object), condition(query) {}

    // The condition's answer; a trigger without owner or condition never fires.
    bool IsTriggered() override { return owner != nullptr && condition != nullptr && CallMember(owner, condition); }

private:
    T* owner;
    Condition condition;
};

}  // namespace Engine
