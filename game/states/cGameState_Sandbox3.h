#pragma once
// cGameState_Sandbox3: the third developer sandbox (state 9).

#include "game/states/cBasicGameState.h"

namespace Game {

class cGameState_Sandbox3 : public cBasicGameState {};

}  // namespace Game
