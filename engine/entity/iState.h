#pragma once
// iState: one state of an entity's state machine: five callbacks (pre-enter,
// enter, update, exit, post-exit) and the outgoing triggers in the order they
// were added, which is also their priority. The state owns its triggers.

#include <cstddef>
#include <cstdint>
#include <memory>  // std::unique_ptr owns each trigger
#include <utility>  // std::move into the list
#include <vector>

#include "engine/entity/iTrigger.h"

namespace Engine {

class iState {
public:
    iState() = default;
    // Deletes every trigger of the state.
    virtual ~iState() = default;

    iState(const iState&) = delete;
    iState& operator=(const iState&) = delete;

    // Runs first when the state becomes current.
    virtual void PreEnter() = 0;
    // Runs right after PreEnter.
    virtual void Enter() = 0;
    // The state's per-frame step, dt in seconds.
    virtual void Update(float dt) = 0;
    // Runs first when a trigger leaves the state.
    virtual void Exit() = 0;
    // Runs right after Exit.
    virtual void PostExit() = 0;

    // Number of outgoing triggers.
    std::size_t TriggerCount() const { return triggers.size(); }
    // The i-th trigger in the order added.
    iTrigger* TriggerAt(std::size_t i) const { return triggers[i].get(); }
    // The ordinal the next added trigger gets.
    std::int32_t NextTriggerId() const { return next_trigger_id; }

protected:
    // Takes ownership of a trigger built with NextTriggerId(), appends it and
    // advances the ordinal.
    iTrigger* AppendTrigger(std::unique_ptr<iTrigger> trigger) {
        triggers.push_back(std::move(trigger));
        ++next_trigger_id;
        return triggers.back().get();
    }

private:
    std::vector<std::unique_ptr<iTrigger>> triggers;
    std::int32_t next_trigger_id = 0;
};

}  // namespace Engine
