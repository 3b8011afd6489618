#pragma once
// cGameStateFactory: makes the state object of a game state identifier.
//
// Installed into the game state manager at game initialisation. Identifiers
// without a state class (0, the restart and quit requests, anything outside
// the table) give null.

#include <memory>  // std::unique_ptr owns the new state

#include "app/GameStateId.h"
#include "app/iGameState.h"

namespace Game {

class cGameStateFactory {
public:
    // A new state object for id, or null when id names no state class.
    static std::unique_ptr<iGameState> Create(GameStateId id);
};

}  // namespace Game
