#pragma once
// cGameState_ModelViewer: the model viewer (state 11).

#include "game/states/cBasicGameState.h"

namespace Game {

class cGameState_ModelViewer : public cBasicGameState {};

}  // namespace Game
