#include "game/states/cBackdropScene.h"

#include "engine/core/cLog.h"
#include "engine/entity/cSceneManager.h"
#include "engine/particles/cParticleManager.h"
#include "engine/render/scene/SceneRendererAccess.h"
#include "engine/render/scene/cLightPool.h"
#include "engine/render/scene/cSceneRenderer.h"
#include "game/data/ContentNames.h"
#include "game/data/cLevelManager.h"
#include "game/entities/cDevCamera.h"
#include "game/entities/cGameFactory.h"
#include "game/entities/cKid.h"
#include "game/entities/cStroke.h"
#include "game/states/SceneLighting.h"

namespace Game {

// ---- Showing and clearing -------------------------------------------------------

bool cBackdropScene::Show(const std::string& level) {
    scene = Engine::GetSceneRenderer();
    cLevelManager& levels = cLevelManager::Instance();
    if (!levels.Load(level, "")) {
        Engine::LogError("the backdrop " + level + " could not be read; the screen shows its GUI alone");
        return false;
    }
    kid = dynamic_cast<cKid*>(levels.kid);
    stroke = dynamic_cast<cStroke*>(levels.stroke);
    if (kid == nullptr) {
        Engine::LogError("the backdrop " + level + " has no kid; the screen shows its GUI alone");
        cGameFactory::Instance().ReleaseAll();
        stroke = nullptr;
        return false;
    }
    CreateCamera();
    Light();
    return true;
}

void cBackdropScene::CreateCamera() {
    camera = cGameFactory::Instance().CreateTyped<cDevCamera>(GAME_ENT_TYPES::DEV_CAMERA);
    if (camera == nullptr) {
        Engine::LogError("the backdrop has no developer camera to look through");
        return;
    }
    camera->Setup();
    camera->frozen = true;
    camera->fieldOfView = kFieldOfView;
    camera->far = kFarPlane;
    kid->SetCamera(camera);
    if (scene == nullptr) return;
    FitCameraToPicture();
    camera->SetCameraSlot(scene);
    scene->SetCamera(camera);
}

// The kid's lantern casts the shadows, the moon lights the materials, the
// night sky closes the picture.
void cBackdropScene::Light() {
    moon = FindLight(kMoonLightName);
    if (moon != nullptr) AttachLightToLitMaterials(*moon);
    if (scene == nullptr) return;
    if (kid->Light() != nullptr) scene->AddShadowLight(*kid->Light());
    scene->SetShadowsEnabled(true);
    scene->SetSkyBox(std::string(Content::kSkyBoxDirectory));
    scene->Tree().Optimise();
}

void cBackdropScene::Clear() {
    cGameFactory::Instance().ReleaseAll();
    kid = nullptr;
    stroke = nullptr;
    camera = nullptr;
    if (moon != nullptr) Engine::cLightPool::Instance().ReleaseLight(moon);
    moon = nullptr;
    if (scene != nullptr) {
        scene->SetCamera(nullptr);
        scene->SetShadowsEnabled(false);
        scene->ReleaseSkyBox();
    }
    scene = nullptr;
}

// ---- Per frame ------------------------------------------------------------------

void cBackdropScene::Update(float dt) {
    FitCameraToPicture();
    cGameFactory::Instance().FlushDeletions();
    Engine::cSceneManager::Instance().Update(dt);
    if (scene != nullptr) scene->UpdateAnimations(dt);
    Engine::cParticleManager::Instance().Update(dt);
}

void cBackdropScene::FitCameraToPicture() {
    if (scene == nullptr || camera == nullptr) return;
    const Engine::ScreenRect& picture = scene->Viewports().viewport;
    camera->FitToViewport(picture.right - picture.left, picture.bottom - picture.top);
}

}  // namespace Game
