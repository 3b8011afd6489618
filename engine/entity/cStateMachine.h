#pragma once
// cStateMachine: the finite-state machine of one owner of class T. The owner
// builds it in its set-up (states, then triggers state by state, then Start
// in the initial state) and advances it once per frame from its own update.
// Each Update runs the current state's update callback and then tests that
// state's triggers in the order they were added: the first that holds exits
// the state and enters its target, and no further trigger is tested, so there
// is at most one transition per update and the earliest-added trigger wins.
// The entered state gets its first update in the next step. The machine owns
// its states; destroying it exits the current state first.

#include <cstddef>
#include <memory>  // std::unique_ptr owns each state
#include <vector>

#include "engine/entity/cStateTemplate.h"
#include "engine/entity/iState.h"

namespace Engine {

template <typename T>
class cStateMachine {
public:
    using Action = typename cStateTemplate<T>::Action;
    using UpdateAction = typename cStateTemplate<T>::UpdateAction;

    // An empty machine of owner, with no current state.
    explicit cStateMachine(T* owner_object) : owner(owner_object) {}

    // Exits the current state, if any, then deletes every state.
    ~cStateMachine() {
        if (current != nullptr) {
            current->Exit();
            current->PostExit();
        }
    }

    cStateMachine(const cStateMachine&) = delete;
    cStateMachine& operator=(const cStateMachine&) = delete;

    // A new state of the owner with its callbacks in slot order; no callback runs.
    cStateTemplate<T>* AddState(Action pre_enter, Action enter, UpdateAction update, Action exit,
                                Action post_exit) {
        states.push_back(std::make_unique<cStateTemplate<T>>(owner, pre_enter, enter, update, exit, post_exit));
        return static_cast<cStateTemplate<T>*>(states.back().get());
    }

    // Makes state current and enters it. The state that was current is left
    // without its exit callbacks: this is how an owner puts its machine into
    // the initial state, also when it restarts.
    void Start(iState* state) {
        current = state;
        if (current == nullptr) return;
        current->PreEnter();
        current->Enter();
    }

    // One step: the current state's update, then at most one transition.
    void Update(float dt) {
        if (current == nullptr) return;
        current->Update(dt);
        iState* source = current;
        if (source == nullptr) return;
        // Only the triggers the state had when the walk began are tested, as
        // if walking a copy of the list, without copying it every frame.
        const std::size_t count = source->TriggerCount();
        for (std::size_t i = 0; i < count; ++i) {
            iTrigger* trigger = source->TriggerAt(i);
            if (trigger->IsTriggered()) {
                Leave(source, trigger->GetTarget());
                return;
            }
        }
    }

    // The current state, or null before Start or after a trigger without target.
    iState* GetCurrent() const { return current; }
    // The owning object.
    T* GetOwner() const { return owner; }
    // Number of states created through this machine.
    std::size_t StateCount() const { return states.size(); }

private:
    // Exits source and enters target, or stops the machine when target is null.
    void Leave(iState* source, iState* target) {
        source->Exit();
        source->PostExit();
        Start(target);
    }

    iState* current = nullptr;
    T* owner;
    std::vector<std::unique_ptr<iState>> states;
};

}  // namespace Engine
