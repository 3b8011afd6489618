#pragma once
// cGameState_Sandbox2: the second developer sandbox (state 8).

#include "game/states/cBasicGameState.h"

namespace Game {

class cGameState_Sandbox2 : public cBasicGameState {};

}  // namespace Game
