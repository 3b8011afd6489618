#include "game/states/cBasicGameState.h"

#include "engine/render/cRenderSystem.h"
#include "engine/render/eClearFlag.h"
#include "engine/render/scene/SceneRendererAccess.h"
#include "engine/render/scene/cSceneRenderer.h"

namespace Game {

void cBasicGameState::Render() {
    // A run without a renderer draws nothing; a frame the device cannot begin is skipped.
    Engine::iRenderer* renderer = Engine::cRenderSystem::Instance().Renderer();
    if (renderer == nullptr || !renderer->BeginFrame()) return;
    if (Engine::cSceneRenderer* scene = Engine::GetSceneRenderer()) {
        scene->RenderFrame();
    } else {
        renderer->Clear(Engine::CLEAR_All, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 0);
    }
    renderer->EndFrame();
}

}  // namespace Game
