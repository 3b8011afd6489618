#pragma once
// cGameState_MainMenu: the main menu (state 3).

#include "game/states/cBasicGameState.h"

namespace Game {

class cGameState_MainMenu : public cBasicGameState {};

}  // namespace Game
