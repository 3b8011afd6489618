#pragma once
// iTrigger: one outgoing transition of a state: a condition on the owner and
// the state to switch to when it holds. A null target ends the machine. The
// state that a trigger was added to owns it.

#include <cstdint>

namespace Engine {

class iState;

class iTrigger {
public:
    // A transition to target (may be null) with its ordinal within the source state.
    iTrigger(iState* target_state, std::int32_t ordinal) : target(target_state), id(ordinal) {}
    // Virtual because states delete their triggers through this base.
    virtual ~iTrigger() = default;

    iTrigger(const iTrigger&) = delete;
    iTrigger& operator=(const iTrigger&) = delete;

    // Whether the transition should fire now; a pure query on the owner.
    virtual bool IsTriggered() = 0;

    // The state to switch to, or null to end the machine.
    iState* GetTarget() const { return target; }
    // The ordinal of the trigger within its source state, 0 for the first added.
    std::int32_t GetId() const { return id; }

private:
    iState* target;
    std::int32_t id;
};

}  // namespace Engine
