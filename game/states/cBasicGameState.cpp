#include "game/states/cBasicGameState.h"

#include "engine/render/cRenderSystem.h"
#include "engine/render/eClearFlag.h"

namespace Game {

void cBasicGameState::Render() {
    // A run without a renderer draws nothing; a frame the device cannot begin is skipped.
    Engine::iRenderer* renderer = Engine::cRenderSystem::Instance().Renderer();
    if (renderer == nullptr || !renderer->BeginFrame()) return;
    // The scene renderer draws here once it exists; until then the frame is cleared to black.
    renderer->Clear(Engine::CLEAR_All, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 0);
    renderer->EndFrame();
}

}  // namespace Game
