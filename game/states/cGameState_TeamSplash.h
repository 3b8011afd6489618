#pragma once
// cGameState_TeamSplash: the team splash screen (state 2).

#include "game/states/cBasicGameState.h"

namespace Game {

class cGameState_TeamSplash : public cBasicGameState {};

}  // namespace Game
