#include "game/states/cGameState_Sandbox2.h"

#include <cmath>
#include <string>

#include "engine/core/MathConstants.h"
#include "engine/core/cLog.h"
#include "engine/particles/cParticleManager.h"
#include "engine/render/scene/LightRecord.h"
#include "engine/render/scene/SceneRendererAccess.h"
#include "engine/render/scene/cLightGfxCmp.h"
#include "engine/render/scene/cLightManager.h"
#include "engine/render/scene/cLightPool.h"
#include "engine/render/scene/cModelGfxCmp.h"
#include "engine/render/scene/cModelGfxCmpPool.h"
#include "engine/render/scene/cSceneRenderer.h"
#include "engine/resource/cMaterial.h"
#include "engine/resource/cMaterialManager.h"
#include "engine/resource/cResourceSystem.h"
#include "engine/resource/iGPUProgram.h"
#include "engine/resource/iShader.h"
#include "game/data/ContentNames.h"
#include "game/data/ResourceCatalogues.h"
#include "game/data/cLevelManager.h"
#include "game/data/cModelCatalogue.h"
#include "game/entities/cEmitterAura.h"
#include "game/entities/cEmitterFairy.h"
#include "game/entities/cEnvironmentEffects.h"
#include "game/entities/cGlobalEffects.h"
#include "game/entities/cGameFactory.h"
#include "game/entities/eGameEntityTypes.h"

namespace Game {

using Engine::Matrix4x4;
using Engine::Vector3;

// ---- Layout ------------------------------------------------------------------

namespace {

// The level holding the floor, the decorations and the glows; the kid walks
// the path circle its floor shows.
constexpr const char* kGardenLevel = "RenderTestScene";
constexpr float kPathRadius = 6.0f;
// One lap of the kid in seconds; the ghosts trail her by these angles.
constexpr float kLapSeconds = 24.0f;
constexpr float kGhostLag[] = {0.55f, 0.95f, 1.35f};
constexpr float kGhostHover = 0.35f;
// The lantern hangs above and behind the kid and looks ahead of her.
constexpr float kLanternHeight = 7.0f;
constexpr float kLanternLead = 2.5f;
// The camera: a 10 degree lens from far above, following the kid as play does.
constexpr float kCameraFieldOfView = 10.0f;
constexpr float kCameraDistance = 70.0f;
constexpr float kCameraElevation = 55.0f;
constexpr Engine::ColorRGBA kMoonlight{0.40f, 0.42f, 0.50f, 1.0f};
// Ghosts glow faintly on their own, so they read as pale even out of the light.
constexpr Engine::ColorRGBA kGhostGlow{0.12f, 0.14f, 0.17f, 1.0f};
// The kid's lantern is the brightest light on screen: its colour runs past 1.
constexpr Engine::ColorRGBA kLanternColour{2.6f, 2.2f, 1.6f, 1.0f};
// Effects: aura sparks per second in the middle of the garden, the loop the
// pixie dust follows (radius and seconds per turn) and the rain's strength.
constexpr float kAuraPerSecond = 100.0f;
constexpr Vector3 kAuraPoint{0.0f, 0.0f, 0.0f};
constexpr float kDustLoopRadius = 2.5f;
constexpr float kDustLoopSeconds = 6.0f;
constexpr float kDustHeight = 1.5f;
constexpr float kRainIntensity = 1.0f;
constexpr const char* kPixieDustSystem = "PixieDustPTS";
constexpr uint32_t kPixieDustCapacity = 1000;
constexpr const char* kMaterialsLitByLights[] = {"StandardMat", "FairyMat", "ShadowMat"};

// Where the eye sits from what it looks at.
Vector3 CameraOffset() {
    const float elevation = Engine::DegToRad(kCameraElevation);
    return {0.0f, kCameraDistance * std::sin(elevation), kCameraDistance * std::cos(elevation)};
}

Vector3 OnCircle(float radius, float angle, float height) {
    return {radius * std::cos(angle), height, radius * std::sin(angle)};
}

// A model standing at position and turned to face heading (y ignored).
Matrix4x4 Facing(const Vector3& position, const Vector3& heading) {
    return Matrix4x4::Translation(position) * Matrix4x4::RotationY(std::atan2(heading.x, heading.z));
}

}  // namespace

std::int32_t cGameState_Sandbox2::KidStandIn::GetType() const { return GAME_ENT_TYPES::KID; }

cGameState_Sandbox2::cGameState_Sandbox2() = default;
cGameState_Sandbox2::~cGameState_Sandbox2() = default;

// ---- Enter and exit ------------------------------------------------------------

void cGameState_Sandbox2::Enter() {
    scene = Engine::GetSceneRenderer();
    if (scene == nullptr || Engine::GetModelPool() == nullptr) {
        Engine::LogError("the render test scene needs the scene renderer; nothing is shown");
        return;
    }
    LoadResourceCatalogues();
    clock = 0.0f;
    LoadGarden();
    BuildWalkers();
    BuildLights();
    BuildCamera();
    scene->SetSkyBox(std::string(Content::kSkyBoxDirectory));
    scene->SetShadowsEnabled(true);
    MoveWalkers();
    StartEffects();
}

void cGameState_Sandbox2::Exit() {
    if (scene == nullptr) return;
    Engine::cParticleManager::Instance().Clear();
    cGlobalEffects::Instance().Forget();
    pixie_dust = nullptr;
    Engine::cModelGfxCmpPool* pool = Engine::GetModelPool();
    for (auto& item : placed) {
        if (pool != nullptr) pool->GiveBack(item->model);
    }
    placed.clear();
    ghosts.clear();
    kid = nullptr;
    Engine::cLightPool& lights = Engine::cLightPool::Instance();
    if (lantern != nullptr) lights.ReleaseLight(lantern);
    if (moon != nullptr) lights.ReleaseLight(moon);
    cGameFactory::Instance().ReleaseAll();
    camera.Reset();
    scene->SetCamera(nullptr);
    scene->SetShadowsEnabled(false);
    scene->ReleaseSkyBox();
    scene = nullptr;
}

void cGameState_Sandbox2::Update(float dt) {
    if (scene == nullptr) return;
    clock += dt;
    FitCameraToPicture();
    MoveWalkers();
    RunEffects(dt);
    scene->UpdateAnimations(dt);
}

// ---- Building the scene --------------------------------------------------------

cGameState_Sandbox2::Placed* cGameState_Sandbox2::Place(const char* mesh, const char* texture_set,
                                                        const char* material, const Matrix4x4& world, bool moving) {
    auto item = std::make_unique<Placed>();
    item->world = world;
    item->model = Engine::GetModelPool()->Take();
    item->model->Initialise(mesh, texture_set, material, moving);
    item->model->transform = &item->world;
    placed.push_back(std::move(item));
    return placed.back().get();
}

// The floor, the decoration ring and the lamp glows are a level file, read
// through the level manager as play reads its levels.
void cGameState_Sandbox2::LoadGarden() {
    if (!cLevelManager::Instance().Load(kGardenLevel, "")) {
        Engine::LogError("the render test scene shows no garden: its level could not be read");
    }
}

void cGameState_Sandbox2::BuildWalkers() {
    const cModelCatalogue& catalogue = cModelCatalogue::Instance();
    if (const auto names = catalogue.FindPrefab(cModelCatalogue::PrefabId("kid"))) {
        kid = Place(names->mesh.c_str(), names->texture_set.c_str(), names->material.c_str(), Matrix4x4::Identity(),
                    true);
        kid->model->Play(std::string(Content::kMirelWalk));
        kid->model->SetLooping(true);
    }
    const char* const kinds[] = {"BasicEnemy", "BasicEnemyFast", "BasicEnemyHP"};
    for (const char* kind : kinds) {
        const auto names = catalogue.FindPrefab(cModelCatalogue::PrefabId(kind));
        if (!names) continue;
        Placed* ghost = Place(names->mesh.c_str(), names->texture_set.c_str(), names->material.c_str(),
                              Matrix4x4::Identity(), true);
        ghost->model->Play(std::string(Content::kGhostWalk));
        ghost->model->SetLooping(true);
        ghost->model->emissive = kGhostGlow;
        ghosts.push_back(ghost);
    }
}

void cGameState_Sandbox2::BuildLights() {
    Engine::cLightPool& lights = Engine::cLightPool::Instance();
    Engine::cLightManager& manager = Engine::cLightManager::Instance();

    // The garden's level made the sun; here it is the moon.
    for (Engine::cLightGfxCmp* light : lights.Lights()) {
        if (light->Name() == "gDirectional") moon = light;
    }
    if (moon == nullptr) moon = lights.CreateLight("gDirectional");
    moon->light.type = Engine::LT_Directional;
    moon->light.diffuse = kMoonlight;
    moon->Place({0, 0, 0}, Normalise(Vector3{-1.0f, -1.0f, -1.0f}));
    manager.EnableLight(moon->light, true);

    lantern = lights.CreateLight("gKidLight");
    lantern->light.type = Engine::LT_Spot;
    lantern->light.diffuse = kLanternColour;
    lantern->light.specular = {0.6f, 0.5f, 0.4f, 1.0f};
    lantern->light.attenuation0 = 1.0f;
    lantern->light.attenuation2 = 0.002f;
    lantern->light.innerCone = Engine::DegToRad(40.0f);
    lantern->light.outerCone = Engine::DegToRad(70.0f);
    // Pointing somewhere before the device hears of it; MoveWalkers aims it at the kid.
    lantern->Place({0.0f, kLanternHeight, 0.0f}, {0.0f, -1.0f, 0.0f});
    lantern->SetCastsShadow(true, "KidLightShadowMap");
    manager.EnableLight(lantern->light, true);
    scene->AddShadowLight(*lantern);
    AttachLightsToMaterials();
}

// The shaders read the lights through bindings, and the global ambient
// colour straight from the light manager.
void cGameState_Sandbox2::AttachLightsToMaterials() {
    Engine::cMaterialManager* materials = Engine::cResourceSystem::Instance().MaterialManager();
    const Engine::ColorRGBA& ambient = Engine::cLightManager::Instance().Ambient();
    for (const char* name : kMaterialsLitByLights) {
        Engine::cMaterial* material = materials ? materials->Find(name) : nullptr;
        Engine::iGPUProgram* program = material ? material->Program() : nullptr;
        if (program == nullptr) continue;
        for (Engine::iShader* stage : {program->VertexStage(), program->PixelStage()}) {
            if (stage == nullptr) continue;
            lantern->AttachProgram(stage);
            moon->AttachProgram(stage);
            stage->BindFloat4("gAmbientLight", &ambient.r);
        }
    }
}

void cGameState_Sandbox2::BuildCamera() {
    camera.Initialise(CameraOffset(), {0.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f}, kCameraFieldOfView, 1.0f, 400.0f);
    FitCameraToPicture();
    camera.SetCameraSlot(scene);
    scene->SetCamera(&camera);
}

// The picture may change size with the display mode; the camera follows it.
void cGameState_Sandbox2::FitCameraToPicture() {
    const Engine::ScreenRect& picture = scene->Viewports().viewport;
    camera.viewportWidth = picture.right - picture.left;
    camera.viewportHeight = picture.bottom - picture.top;
    camera.aspect = camera.viewportHeight > 0.0f ? camera.viewportWidth / camera.viewportHeight : 1.0f;
}

// ---- Moving ------------------------------------------------------------------

// The kid walks the path circle; each ghost follows her round it, bobbing.
void cGameState_Sandbox2::MoveWalkers() {
    const float angle = clock / kLapSeconds * 2.0f * Engine::kPi;
    const auto heading_at = [](float a) { return Vector3{-std::sin(a), 0.0f, std::cos(a)}; };
    const Vector3 kid_at = OnCircle(kPathRadius, angle, 0.0f);
    if (kid != nullptr) kid->world = Facing(kid_at, heading_at(angle));
    camera.SetTarget(kid_at);
    camera.SetEye(kid_at + CameraOffset());
    for (std::size_t i = 0; i < ghosts.size(); ++i) {
        const float behind = angle - kGhostLag[i];
        const float bob = kGhostHover + 0.15f * std::sin(clock * 2.0f + static_cast<float>(i));
        ghosts[i]->world = Facing(OnCircle(kPathRadius, behind, bob), heading_at(behind));
    }
    if (lantern != nullptr) {
        const Vector3 ahead = kid_at + heading_at(angle) * kLanternLead;
        const Vector3 above = kid_at - heading_at(angle) * 1.0f + Vector3{0.0f, kLanternHeight, 0.0f};
        lantern->Place(above, Normalise(ahead - above));
        Engine::cLightManager::Instance().EnableLight(lantern->light, true);
    }
}

// ---- Effects -------------------------------------------------------------------

// The stand-in stands on the ground where the kid model is.
void cGameState_Sandbox2::FollowKid() {
    if (kid != nullptr) weather_anchor.position = {kid->world.m[0][3], 0.0f, kid->world.m[2][3]};
}

void cGameState_Sandbox2::StartEffects() {
    Engine::cParticleManager& particles = Engine::cParticleManager::Instance();
    particles.Start();
    cGlobalEffects::Instance().Create();
    Engine::cParticleSystem* dust_system =
        particles.GetSystem(kPixieDustSystem, kPixieDustCapacity, Engine::cParticleSystem::kAdditiveBlend);
    pixie_dust = particles.AddEmitter(dust_system, std::make_unique<cEmitterFairy>());
    pixie_dust->enabled = true;
    FollowKid();
    pixie_dust->current = pixie_dust->previous = weather_anchor.position + Vector3{0.0f, kDustHeight, 0.0f};
    aura_carry = 0.0f;
    cEnvironmentEffects& weather = cEnvironmentEffects::Instance();
    weather.Reset(&weather_anchor);
    weather.RainOn(kRainIntensity);
}

// The dust follows a figure of eight round the kid; the aura fires its
// sparks at a steady rate; the weather follows the kid.
void cGameState_Sandbox2::RunEffects(float dt) {
    FollowKid();
    if (pixie_dust != nullptr) {
        const float turn = clock / kDustLoopSeconds * 2.0f * Engine::kPi;
        const Vector3 kid_at = weather_anchor.position;
        pixie_dust->previous = pixie_dust->current;
        pixie_dust->current = kid_at + Vector3{kDustLoopRadius * std::sin(turn), kDustHeight,
                                               kDustLoopRadius * std::sin(turn) * std::cos(turn)};
        pixie_dust->direction = pixie_dust->current - pixie_dust->previous;
    }
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
