#pragma once
// cGameState_Game: the reduced play state: camera, level and scene only (state 4).

#include "game/states/cBasicGameState.h"

namespace Game {

class cGameState_Game : public cBasicGameState {};

}  // namespace Game
