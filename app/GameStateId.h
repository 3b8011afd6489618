#pragma once
// Game state identifiers.
//
// Every screen of the program is a game state, named by a 32-bit identifier.
// A state asks for another by writing its identifier into the game state
// manager's next_id; two identifiers are not states but requests to the loop:
// StateRestart runs the current state object again, StateQuit ends the loop.

#include <cstdint>  // int32_t

namespace Game {

using GameStateId = int32_t;

enum eGameStateId : GameStateId {
    StateNone = 0,  // an unknown name in the developer settings; never switched to
    StateSplash = 1,
    StateTeamSplash = 2,
    StateMainMenu = 3,
    StateGame = 4,  // reduced play state: camera, level and scene only
    StateSceneEditor = 5,
    StateTester = 6,
    StateSandbox1 = 7,
    StateSandbox2 = 8,
    StateSandbox3 = 9,
    StatePrototype1 = 10,  // gameplay
    StateModelViewer = 11,
    StateExitGame = 12,
    StateWinScreen = 13,  // results
    StateRestart = 14,
    StateQuit = 15,
    StateEnd = 16,  // shown after the last level
};

// True for the identifiers that name a state class (1 to 13 and 16).
constexpr bool IsStateClassId(GameStateId id) {
    return (id >= StateSplash && id <= StateWinScreen) || id == StateEnd;
}

}  // namespace Game
