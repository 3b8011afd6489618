#pragma once
// cGameStateManager: owns the current game state and carries out switches.
//
// Code asks for another state by writing its identifier into next_id (only
// identifiers of the state table). The main loop notices the difference to
// current_id before the next frame, ends the run and calls Switch, which
// destroys the old state object and creates the new one through the state
// factory. The factory is installed at game initialisation, so the manager
// does not depend on the state classes and tests can install their own.

#include <functional>  // StateFactory
#include <memory>      // owned state and window listener
#include <vector>

#include "app/GameStateId.h"
#include "app/iGameState.h"
#include "engine/core/Singleton.h"

namespace Game {

class cGSMWindowListener;

class cGameStateManager : public Engine::Singleton<cGameStateManager> {
public:
    // Makes the state object of an identifier, or null for one without a class.
    using StateFactory = std::function<std::unique_ptr<iGameState>(GameStateId)>;

    ~cGameStateManager();

    // Installs the function that creates state objects.
    void SetStateFactory(StateFactory factory);
    // Sets previous, current and next identifier to the initial state.
    void SetInitialState(GameStateId id);
    // Replaces the current state object by a new one for current_id; does nothing
    // for the restart and quit requests and creates nothing for unknown ids.
    void Switch();
    // Destroys the current state object, if any, without calling into it.
    void DestroyCurrent();

    // The state the loop updates, or null when there is none.
    iGameState* Active() const;
    // Every active state, rendered first to last.
    const std::vector<iGameState*>& ActiveStates() const { return active_states; }
    iGameState* Current() const { return current.get(); }

    GameStateId previous_id = StateNone;
    GameStateId current_id = StateNone;
    GameStateId next_id = StateNone;

private:
    friend class Engine::Singleton<cGameStateManager>;
    cGameStateManager();

    std::unique_ptr<iGameState> current;
    std::unique_ptr<cGSMWindowListener> window_listener;
    std::vector<iGameState*> active_states;
    StateFactory factory;
};

}  // namespace Game
