#pragma once
// cGameState_SceneEditor: the scene editor (state 5).

#include "game/states/cBasicGameState.h"

namespace Game {

class cGameState_SceneEditor : public cBasicGameState {};

}  // namespace Game
