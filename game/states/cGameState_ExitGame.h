#pragma once
// cGameState_ExitGame: the exit-game state (state 12).

#include "game/states/cBasicGameState.h"

namespace Game {

class cGameState_ExitGame : public cBasicGameState {};

}  // namespace Game
