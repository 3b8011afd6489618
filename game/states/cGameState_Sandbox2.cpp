#include "game/states/cGameState_Sandbox2.h"

#include <cstdio>
#include <string>

#include "engine/core/Random.h"
#include "engine/core/cLog.h"
#include "engine/entity/cSceneManager.h"
#include "engine/particles/cParticleManager.h"
#include "engine/physics/cCollisionManager.h"
#include "engine/physics/cPhysicsWorld.h"
#include "engine/render/scene/LightRecord.h"
#include "engine/render/scene/SceneRendererAccess.h"
#include "engine/render/scene/cLightGfxCmp.h"
#include "engine/render/scene/cLightManager.h"
#include "engine/render/scene/cLightPool.h"
#include "engine/render/scene/cModelGfxCmpPool.h"
#include "engine/render/scene/cSceneRenderer.h"
#include "game/data/ContentNames.h"
#include "game/data/ResourceCatalogues.h"
#include "game/data/cEnemyStatsTable.h"
#include "game/data/cLevelManager.h"
#include "game/entities/cBaseEnemy.h"
#include "game/entities/cEmitterAura.h"
#include "game/entities/cEnvironmentEffects.h"
#include "game/entities/cGlobalEffects.h"
#include "game/entities/cGameCamera.h"
#include "game/entities/cGameFactory.h"
#include "game/entities/cGroundPlane.h"
#include "game/entities/cKid.h"
#include "game/states/PlayCollisions.h"
#include "game/states/SceneLighting.h"

namespace Game {

using Engine::Vector3;

// ---- Layout ------------------------------------------------------------------

namespace {

// The level holding the floor, the decorations, the glows, the kid and the ghosts.
constexpr const char* kGardenLevel = "RenderTestScene";
constexpr const char* kStatsFolder = "GameData/XML_Game/GameStats/";
constexpr const char* kStatsFile = "EnemyStats.xml";
// Seconds a dead kid lies before she stands up at her start.
constexpr float kStandUpSeconds = 3.0f;
// The game camera's far plane: the whole garden and the sky behind it.
constexpr float kCameraFarPlane = 500.0f;
constexpr Engine::ColorRGBA kMoonlight{0.40f, 0.42f, 0.50f, 1.0f};
// Effects: aura sparks per second in the middle of the garden and the rain's strength.
constexpr float kAuraPerSecond = 100.0f;
constexpr Vector3 kAuraPoint{0.0f, -0.9f, 0.0f};
constexpr float kRainIntensity = 1.0f;

}  // namespace

cGameState_Sandbox2::cGameState_Sandbox2() = default;
cGameState_Sandbox2::~cGameState_Sandbox2() = default;

// ---- Enter and exit ------------------------------------------------------------

void cGameState_Sandbox2::Enter() {
    scene = Engine::GetSceneRenderer();
    if (scene == nullptr || Engine::GetModelPool() == nullptr) {
        Engine::LogError("the render test scene needs the scene renderer; nothing is shown");
        return;
    }
    camera = cGameFactory::Instance().CreateTyped<cGameCamera>(GAME_ENT_TYPES::GAME_CAMERA);
    if (camera == nullptr) {
        Engine::LogError("the render test scene has no game camera to look through; nothing is shown");
        scene = nullptr;
        return;
    }
    LoadResourceCatalogues();
    SetUpPlayCollisions();
    // The level's entities fill their effect slots as they are set up.
    Engine::cParticleManager::Instance().Start();
    SetUpCamera();
    LoadGarden();
    BuildLights();
    scene->SetSkyBox(std::string(Content::kSkyBoxDirectory));
    scene->SetShadowsEnabled(true);
    StartEffects();
    play_time = 0.0f;
    win_logged = false;
}

void cGameState_Sandbox2::Exit() {
    if (scene == nullptr) return;
    if (kid != nullptr) {
        LogKidPosition();
        LogExactEnds();
    }
    Engine::cParticleManager::Instance().Clear();
    cGlobalEffects::Instance().Forget();
    cGameFactory::Instance().ReleaseAll();
    kid = nullptr;
    followed = nullptr;
    camera = nullptr;
    cLevelManager::Instance().game_camera = nullptr;
    Engine::cPhysicsWorld::Instance().ClearObjects();
    Engine::cCollisionManager::Instance().Clear();
    if (moon != nullptr) Engine::cLightPool::Instance().ReleaseLight(moon);
    scene->SetCamera(nullptr);
    scene->SetShadowsEnabled(false);
    scene->ReleaseSkyBox();
    scene = nullptr;
}

// One step of play without its rules: entities (the camera among them),
// physics and contacts, animations and effects. While the camera plays a
// cinematic shot the kid stands still.
void cGameState_Sandbox2::Update(float dt) {
    if (scene == nullptr) return;
    FitCameraToPicture();
    HoldKidForCamera();
    cGameFactory::Instance().FlushDeletions();
    Engine::cSceneManager::Instance().Update(dt);
    Engine::cPhysicsWorld::Instance().Update(dt);
    scene->UpdateAnimations(dt);
    RunEffects(dt);
    StandUpAfterDeath(dt);
    play_time += dt;
    LogWin();
}

// ---- Building the scene --------------------------------------------------------

// The floor tiles, the decorations, the glows, the kid and her ghosts are a
// level file, read through the level manager as play reads its levels; the
// ghosts take their numbers from the enemy table. The scene has no floor
// slab: the kid walks the tiles' plane without falling.
void cGameState_Sandbox2::LoadGarden() {
    cEnemyStatsTable::Instance().Load(kStatsFolder, kStatsFile);
    cLevelManager& levels = cLevelManager::Instance();
    if (!levels.Load(kGardenLevel, "")) {
        Engine::LogError("the render test scene shows no garden: its level could not be read");
    }
    kid = dynamic_cast<cKid*>(levels.kid);
    if (kid == nullptr) {
        Engine::LogError("the render test scene has no kid: its level names none");
        return;
    }
    Engine::cCollisionManager::Instance().ConfigureGrids();
    if (auto* floor = cGameFactory::Instance().CreateTyped<cGroundPlane>(GAME_ENT_TYPES::GROUND_PLANE)) floor->Setup();
    kid_start = kid->position;
    dead_for = 0.0f;
    followed = kid;
    camera->Update(0.0f);
    kid->SetCamera(camera);
}

// The kid brings her lantern; the garden's level made the sun, here the moon.
void cGameState_Sandbox2::BuildLights() {
    Engine::cLightPool& lights = Engine::cLightPool::Instance();
    moon = FindLight(kMoonLightName);
    if (moon == nullptr) moon = lights.CreateLight(std::string(kMoonLightName));
    moon->light.type = Engine::LT_Directional;
    moon->light.diffuse = kMoonlight;
    moon->Place({0, 0, 0}, Normalise(Vector3{-1.0f, -1.0f, -1.0f}));
    Engine::cLightManager::Instance().EnableLight(moon->light, true);
    AttachLightToLitMaterials(*moon);
    if (kid != nullptr && kid->Light() != nullptr) scene->AddShadowLight(*kid->Light());
}

// The game camera follows the kid as in play; the level's camera triggers
// and win point find it through the level manager, so it comes first.
void cGameState_Sandbox2::SetUpCamera() {
    camera->Setup();
    camera->far = kCameraFarPlane;
    camera->follow = &followed;
    FitCameraToPicture();
    camera->SetCameraSlot(scene);
    scene->SetCamera(camera);
    cLevelManager::Instance().game_camera = camera;
}

// The picture may change size with the display mode; the camera follows it.
void cGameState_Sandbox2::FitCameraToPicture() {
    const Engine::ScreenRect& picture = scene->Viewports().viewport;
    camera->FitToViewport(picture.right - picture.left, picture.bottom - picture.top);
}

// ---- Play ----------------------------------------------------------------------

void cGameState_Sandbox2::HoldKidForCamera() {
    if (kid == nullptr || kid->IsDead()) return;
    if (camera->has_control) {
        kid->status |= cKid::kStatusFrozen;
    } else {
        kid->status &= ~cKid::kStatusFrozen;
    }
}

// Where the walk ended, for scripted runs that check it.
void cGameState_Sandbox2::LogKidPosition() const {
    char line[128];
    std::snprintf(line, sizeof line, "Render test scene: the kid ends at (%.3f, %.3f, %.3f)", kid->position.x,
                  kid->position.y, kid->position.z);
    Engine::LogEngine(line);
}

// Nine significant digits give every float back exactly: a replay of a
// recorded run must end with the same lines.
void cGameState_Sandbox2::LogExactEnds() const {
    const auto log_place = [](const char* what, const Vector3& at) {
        char line[160];
        std::snprintf(line, sizeof line, "Render test scene: %s ends exactly at (%.9g, %.9g, %.9g)", what,
                      static_cast<double>(at.x), static_cast<double>(at.y), static_cast<double>(at.z));
        Engine::LogEngine(line);
    };
    log_place("the kid", kid->position);
    if (const auto* stroke = dynamic_cast<const Engine::cEntity*>(cLevelManager::Instance().stroke)) {
        log_place("the stroke", stroke->position);
    }
    for (const Engine::cEntity* entity : Engine::cSceneManager::Instance().GetEntities()) {
        const auto* enemy = dynamic_cast<const cBaseEnemy*>(entity);
        if (enemy != nullptr && enemy->active) log_place("an enemy", enemy->position);
    }
    Engine::LogEngine("Render test scene: the run drew " + std::to_string(Engine::RandomDrawCount()) +
                      " random numbers");
}

void cGameState_Sandbox2::LogWin() {
    if (win_logged || kid == nullptr || !kid->HasWon()) return;
    win_logged = true;
    char line[96];
    std::snprintf(line, sizeof line, "Render test scene: the kid wins after %.3f s", static_cast<double>(play_time));
    Engine::LogEngine(line);
}

void cGameState_Sandbox2::StandUpAfterDeath(float dt) {
    if (kid == nullptr || !kid->IsDead()) return;
    dead_for += dt;
    if (dead_for < kStandUpSeconds) return;
    dead_for = 0.0f;
    kid->Reset(kid_start);
}

// ---- Effects -------------------------------------------------------------------

void cGameState_Sandbox2::StartEffects() {
    cGlobalEffects::Instance().Create();
    aura_carry = 0.0f;
    cEnvironmentEffects& weather = cEnvironmentEffects::Instance();
    weather.Reset(kid);
    weather.RainOn(kRainIntensity);
}

// The aura fires its sparks at a steady rate; the weather follows the kid.
void cGameState_Sandbox2::RunEffects(float dt) {
    aura_carry += kAuraPerSecond * dt;
    const int sparks = static_cast<int>(aura_carry);
    aura_carry -= static_cast<float>(sparks);
    if (cEmitterAura* aura = cGlobalEffects::Instance().Aura(); aura != nullptr && sparks > 0) {
        aura->Burst(sparks, kAuraPoint);
    }
    cEnvironmentEffects::Instance().Update(dt);
    Engine::cParticleManager::Instance().Update(dt);
}

}  // namespace Game
