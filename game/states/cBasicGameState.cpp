#include "game/states/cBasicGameState.h"

namespace Game {

void cBasicGameState::Render() {
    // The scene is drawn through the renderer; a run without one draws nothing.
}

}  // namespace Game
