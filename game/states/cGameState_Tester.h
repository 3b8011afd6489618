#pragma once
// cGameState_Tester: the tester, a developer copy of gameplay with a HUD (state 6).

#include "game/states/cBasicGameState.h"

namespace Game {

class cGameState_Tester : public cBasicGameState {};

}  // namespace Game
