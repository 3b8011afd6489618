#pragma once
// cGameState_WinScreen: the results screen shown after a won level (state 13).

#include "game/states/cBasicGameState.h"

namespace Game {

class cGameState_WinScreen : public cBasicGameState {};

}  // namespace Game
