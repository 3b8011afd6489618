#pragma once
// cGameState_Prototype1: the gameplay state, where a level is played (state 10).

#include "game/states/cBasicGameState.h"

namespace Game {

class cGameState_Prototype1 : public cBasicGameState {};

}  // namespace Game
