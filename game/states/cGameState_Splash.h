#pragma once
// cGameState_Splash: the first splash screen (state 1).

#include "game/states/cBasicGameState.h"

namespace Game {

class cGameState_Splash : public cBasicGameState {};

}  // namespace Game
