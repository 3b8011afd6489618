#pragma once
// cStateTemplate: a state whose five callbacks are member functions of the
// owner class T. Member-function pointers carry whatever this-adjustment the
// owner's class needs, so owners with several base classes work the same. A
// callback with nothing to do is normally a shared empty member function; a
// null one is treated the same way, so every slot can always be called.

#include <memory>  // std::make_unique for each trigger

#include "engine/entity/MemberCall.h"
#include "engine/entity/cTriggerTemplate.h"
#include "engine/entity/iState.h"

namespace Engine {

template <typename T>
class cStateTemplate final : public iState {
public:
    using Action = void (T::*)();
    using UpdateAction = void (T::*)(float);
    using Condition = typename cTriggerTemplate<T>::Condition;

    // A state of owner with its callbacks in slot order.
    cStateTemplate(T* owner_object, Action on_pre_enter, Action on_enter, UpdateAction on_update, Action on_exit,
                   Action on_post_exit)
        : owner(owner_object),
          pre_enter(on_pre_enter),
          enter(on_enter),
          update(on_update),
          exit(on_exit),
          post_exit(on_post_exit) {}

    void PreEnter() override { Call(pre_enter); }
    void Enter() override { Call(enter); }
    void Update(float dt) override {
        if (update != nullptr) CallMember(owner, update, dt);
    }
    void Exit() override { Call(exit); }
    void PostExit() override { Call(post_exit); }

    // Adds a transition to target (null ends the machine) taken when the
    // owner's condition holds; triggers are tested in the order added.
    iTrigger* AddTrigger(Condition condition, iState* target) {
        return AppendTrigger(std::make_unique<cTriggerTemplate<T>>(owner, condition, target, NextTriggerId()));
    }

    // The owning object.
    T* GetOwner() const { return owner; }

private:
    void Call(Action action) {
        if (action != nullptr) CallMember(owner, action);
    }

    T* owner;
    Action pre_enter;
    Action enter;
    UpdateAction update;
    Action exit;
    Action post_exit;
};

}  // namespace Engine
