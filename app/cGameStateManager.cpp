#include "app/cGameStateManager.h"

#include "app/cGSMWindowListener.h"

namespace Game {

cGameStateManager::cGameStateManager()
    : window_listener(std::make_unique<cGSMWindowListener>(this)) {}

cGameStateManager::~cGameStateManager() = default;

void cGameStateManager::SetStateFactory(StateFactory state_factory) {
    factory = std::move(state_factory);
}

void cGameStateManager::SetInitialState(GameStateId id) {
    previous_id = id;
    current_id = id;
    next_id = id;
}

void cGameStateManager::Switch() {
    if (current_id == StateRestart || current_id == StateQuit) return;
    if (!active_states.empty()) active_states.pop_back();
    current.reset();
    if (!IsStateClassId(current_id) || !factory) return;
    current = factory(current_id);
    if (current) active_states.push_back(current.get());
}

void cGameStateManager::DestroyCurrent() {
    if (!active_states.empty() && active_states.back() == current.get()) active_states.pop_back();
    current.reset();
}

iGameState* cGameStateManager::Active() const {
    return active_states.empty() ? nullptr : active_states.back();
}

}  // namespace Game
