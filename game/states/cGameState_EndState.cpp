#include "game/states/cGameState_EndState.h"

#include <string>

#include "app/cGameStateManager.h"
#include "engine/core/cLog.h"
#include "engine/entity/cSceneManager.h"
#include "engine/physics/cPhysicsWorld.h"
#include "engine/platform/cMouseState.h"
#include "engine/render/scene/SceneRendererAccess.h"
#include "engine/render/scene/cLightManager.h"
#include "engine/render/scene/cSceneRenderer.h"
#include "engine/ui/cGUIManager.h"
#include "game/entities/cGameCamera.h"
#include "game/entities/cGameFactory.h"

namespace Game {

void cGameState_EndState::Enter() {
    Engine::cLightManager::Instance().SetAmbient(kAmbient);
    CreateCamera();
    waited = 0.0f;
    menuRequested = false;
    cutscene = cCutscene::Read(cCutscene::kFile, kStory);
    if (cutscene == nullptr) {
        Engine::LogEngine("End: there is no closing cutscene; the main menu follows in a moment");
    }
    Engine::cMouseState::Instance().AddListener(this);
    listening = true;
    // The pointer would stand over the story; the left button still hurries it.
    Engine::cGUIManager::Instance().HideCursor();
}

// The camera looks at nothing in particular; the story is drawn over it.
void cGameState_EndState::CreateCamera() {
    camera = cGameFactory::Instance().CreateTyped<cGameCamera>(GAME_ENT_TYPES::GAME_CAMERA);
    if (camera == nullptr) {
        Engine::LogError("End: there is no game camera to look through");
        return;
    }
    camera->Setup();
    camera->fieldOfView = kFieldOfView;
    camera->SetEye({0.0f, 1.0f, -3.5f});
    camera->SetTarget({0.0f, 1.0f, 0.0f});
    camera->SetOrbitLatitude(kOrbitLatitude);
    camera->far = kFarPlane;
    Engine::cSceneRenderer* scene = Engine::GetSceneRenderer();
    if (scene == nullptr) return;
    const Engine::ScreenRect& picture = scene->Viewports().viewport;
    camera->FitToViewport(picture.right - picture.left, picture.bottom - picture.top);
    camera->SetCameraSlot(scene);
    scene->SetCamera(camera);
}

void cGameState_EndState::Update(float dt) {
    Engine::cPhysicsWorld::Instance().Update(dt);
    cGameFactory::Instance().FlushDeletions();
    Engine::cSceneManager::Instance().Update(dt);
    if (Engine::cSceneRenderer* scene = Engine::GetSceneRenderer()) scene->UpdateAnimations(dt);
    if (cutscene != nullptr) {
        cutscene->Update(dt);
        if (cutscene->Finished()) RequestMainMenu();
        return;
    }
    waited += dt;
    if (waited >= kNoCutsceneSeconds) RequestMainMenu();
}

void cGameState_EndState::RequestMainMenu() {
    if (menuRequested) return;
    menuRequested = true;
    cGameStateManager::Instance().next_id = StateMainMenu;
    Engine::LogEngine("End: asks for state " + std::to_string(StateMainMenu));
}

// The story goes before the GUI it draws in is cleared.
void cGameState_EndState::Exit() {
    cutscene.reset();
    cGameFactory::Instance().ReleaseAll();
    camera = nullptr;
    if (Engine::cSceneRenderer* scene = Engine::GetSceneRenderer()) scene->SetCamera(nullptr);
    Engine::cGUIManager& gui = Engine::cGUIManager::Instance();
    gui.Clear();
    gui.ShowCursor();
    if (listening) Engine::cMouseState::Instance().RemoveListener(this);
    listening = false;
}

}  // namespace Game
