#pragma once
// cGameState_EndState: the end state shown after the last level (state 16).

#include "game/states/cBasicGameState.h"

namespace Game {

class cGameState_EndState : public cBasicGameState {};

}  // namespace Game
