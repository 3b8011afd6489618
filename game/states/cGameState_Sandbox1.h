#pragma once
// cGameState_Sandbox1: the first developer sandbox (state 7).

#include "game/states/cBasicGameState.h"

namespace Game {

class cGameState_Sandbox1 : public cBasicGameState {};

}  // namespace Game
