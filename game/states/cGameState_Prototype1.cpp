#include "game/states/cGameState_Prototype1.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "app/cGameStateManager.h"
#include "engine/audio/SoundManagerAccess.h"
#include "engine/audio/iSoundManager.h"
#include "engine/core/cLog.h"
#include "engine/entity/cSceneManager.h"
#include "engine/particles/cParticleManager.h"
#include "engine/physics/cCollisionManager.h"
#include "engine/physics/cPhysicsWorld.h"
#include "engine/platform/VirtualKeys.h"
#include "engine/platform/cKeyboardState.h"
#include "engine/platform/cMouseState.h"
#include "engine/platform/cProfileRegistry.h"
#include "engine/platform/cWindow.h"
#include "engine/render/scene/SceneRendererAccess.h"
#include "engine/render/scene/cLightGfxCmp.h"
#include "engine/render/scene/cLightManager.h"
#include "engine/render/scene/cLightPool.h"
#include "engine/render/scene/cSceneRenderer.h"
#include "engine/resource/cAnimationRegistry.h"
#include "engine/resource/cMaterial.h"
#include "engine/resource/cMaterialManager.h"
#include "engine/resource/cResourceSystem.h"
#include "engine/resource/cSpriteAnimationSet.h"
#include "engine/ui/cDebugConsole.h"
#include "engine/ui/cGUIManager.h"
#include "game/data/ContentNames.h"
#include "game/data/cAchievementStore.h"
#include "game/data/cEnemyStatsTable.h"
#include "game/data/cLevelManager.h"
#include "game/entities/cEnvironmentEffects.h"
#include "game/entities/cGameCamera.h"
#include "game/entities/cGameFactory.h"
#include "game/entities/cGlobalEffects.h"
#include "game/entities/cGroundPlane.h"
#include "game/entities/cKid.h"
#include "game/entities/cStroke.h"
#include "game/states/LevelResults.h"
#include "game/states/GUILooks.h"
#include "game/states/PlayCollisions.h"
#include "game/states/SceneLighting.h"
#include "game/states/cCutscene.h"

namespace Game {

using Engine::cKeyboardState;

namespace {

constexpr const char* kGroundPlaneName = "groundplane";
constexpr const char* kShaderMaterials[] = {"StandardMat", "ShadowMat"};
// The profiler's names for the stages of the gameplay step and for the render.
constexpr const char* kLogicProfile = "Gameplay logic";
constexpr const char* kPhysicsProfile = "Gameplay physics";
constexpr const char* kAnimationProfile = "Gameplay animation";
constexpr const char* kParticlesProfile = "Gameplay particles";
constexpr const char* kRenderProfile = "Gameplay render";
// Reading the level into live entities, once per run.
constexpr const char* kLevelLoadProfile = "Level load";
constexpr int kProfileDepth = 1;

// The achievement a won level unlocks, by level number; -1 for none.
int LevelAchievement(int level) {
    switch (level) {
        case 0: return 0;
        case 2: return 2;
        case 9: return 6;
        case 10: return 8;
        default: return -1;
    }
}

void Sample(const char* profile, const Engine::cSectionTimer& timer) {
    Engine::cProfileRegistry::Instance().AddSample(profile, static_cast<float>(timer.Elapsed()), kProfileDepth);
}

bool AnyNaN(const Engine::Vector3& v) { return std::isnan(v.x) || std::isnan(v.y) || std::isnan(v.z); }

}  // namespace

cGameState_Prototype1::cGameState_Prototype1() = default;
// A state destroyed in the middle of a run leaves its sub-state without its exit.
cGameState_Prototype1::~cGameState_Prototype1() {
    if (stateMachine) stateMachine->Start(nullptr);
}

// ---- Load and the run's start -------------------------------------------------

void cGameState_Prototype1::Load() { introShown = false; }

void cGameState_Prototype1::Enter() {
    PrepareRun();
    CreateCamera();
    Engine::cSectionTimer load_timer;
    load_timer.Start();
    const bool loaded = cLevelManager::Instance().Load("", "");
    load_timer.Stop();
    Sample(kLevelLoadProfile, load_timer);
    if (loaded) {
        StartLevel();
    } else {
        Engine::LogError("play: the level could not be loaded; the run shows nothing");
        ForgetLevel();
    }
    menu.slider.knob_held = false;
    cAchievementStore::Instance().LoadBannerLayout(kLayoutFolder);
}

// Everything a run needs before its level: tables, effects, the floor, the
// GUI and its callbacks, the collision groups and the music.
void cGameState_Prototype1::PrepareRun() {
    Engine::cGUIManager& gui = Engine::cGUIManager::Instance();
    gui.HideCursor();
    deathTimer = 0.0f;
    menu.active = false;
    // A quit or restart confirmed in the last run is done with.
    menu.action = cPlayMenu::kActionNone;
    cEnemyStatsTable::Instance().Load(kStatsFolder, kStatsFile);
    Engine::cParticleManager::Instance().Start();
    groundPlane = cGameFactory::Instance().CreateTyped<cGroundPlane>(GAME_ENT_TYPES::GROUND_PLANE);
    if (gui.LoadLayout(kLayoutFolder + std::string(kLayout))) {
        WriteTextsInMoonlight();
    } else {
        Engine::LogError("play: no pause menu and no HUD without " + std::string(kLayout));
    }
    levelTime = 0.0f;
    fadeTime = 0.0f;
    winTimer = 0.0f;
    resultsRequested = false;
    SetUpPlayCollisions();
    cGlobalEffects::Instance().Create();
    menu.Build();
    if (Engine::iSoundManager* sound = Engine::GetSoundManager()) sound->Play(kMusic, true, kMusicVolume);
}

// The game camera comes before the level: its triggers and win point find it
// through the level manager.
void cGameState_Prototype1::CreateCamera() {
    scene = Engine::GetSceneRenderer();
    camera = cGameFactory::Instance().CreateTyped<cGameCamera>(GAME_ENT_TYPES::GAME_CAMERA);
    if (camera == nullptr) {
        Engine::LogError("play: there is no game camera to look through");
        return;
    }
    camera->Setup();
    camera->fieldOfView = kFieldOfView;
    camera->far = kFarPlane;
    camera->follow = &followed;
    if (scene != nullptr) {
        FitCameraToPicture();
        camera->SetCameraSlot(scene);
        scene->SetCamera(camera);
    }
    cLevelManager::Instance().game_camera = camera;
}

void cGameState_Prototype1::FitCameraToPicture() {
    if (scene == nullptr || camera == nullptr) return;
    const Engine::ScreenRect& picture = scene->Viewports().viewport;
    camera->FitToViewport(picture.right - picture.left, picture.bottom - picture.top);
}

// The level stands: the kid, the stroke and the camera meet, the lights and
// the sky go up, the HUD and the black screen come, and the machine starts.
void cGameState_Prototype1::StartLevel() {
    cLevelManager& levels = cLevelManager::Instance();
    Engine::cCollisionManager::Instance().ConfigureGrids();
    kid = dynamic_cast<cKid*>(levels.kid);
    stroke = dynamic_cast<cStroke*>(levels.stroke);
    if (kid == nullptr) {
        Engine::LogError("play: the level has no kid to play");
        ForgetLevel();
        return;
    }
    followed = kid;
    if (camera != nullptr) camera->Update(0.0f);
    LightTheLevel();
    if (Engine::iSoundManager* sound = Engine::GetSoundManager()) sound->SetListener(kid);
    Engine::cMouseState::Instance().AddListener(this);
    listening = true;
    if (scene != nullptr) scene->SetSkyBox(std::string(Content::kSkyBoxDirectory));
    if (groundPlane != nullptr) {
        groundPlane->name = kGroundPlaneName;
        groundPlane->Setup();
    }
    shadersOn = true;
    if (scene != nullptr) scene->SetShadowsEnabled(true);
    if (stroke != nullptr) stroke->position = kid->position;
    Engine::cWindow& window = Engine::cWindow::Instance();
    if (window.Handle() != nullptr) window.SetCursorPosition(window.Width() / 2, window.Height() / 2);
    fadeTime = 0.0f;
    fadeDuration = kFadeDuration;
    menu.PlacePausePage(false);
    hud.Build();
    if (camera != nullptr) kid->SetCamera(camera);
    cEnvironmentEffects::Instance().Reset(kid);
    if (scene != nullptr) scene->Tree().Optimise();
    BuildMachine();
}

// The kid's lantern casts the shadows; the level's sun reaches the shaders.
void cGameState_Prototype1::LightTheLevel() {
    if (scene != nullptr && kid->Light() != nullptr) scene->AddShadowLight(*kid->Light());
    sun = FindLight(kMoonLightName);
    if (sun != nullptr) AttachLightToLitMaterials(*sun);
}

// A failed load leaves nothing that play would step: no kid, no machine.
void cGameState_Prototype1::ForgetLevel() {
    kid = nullptr;
    stroke = nullptr;
    followed = nullptr;
}

void cGameState_Prototype1::BuildMachine() {
    stateMachine = std::make_unique<Machine>(this);
    using T = cGameState_Prototype1;
    auto* s_intro = stateMachine->AddState(&T::Nothing, &T::Nothing, &T::IntroUpdate, &T::IntroExit, &T::Nothing);
    auto* s_playing = stateMachine->AddState(&T::Nothing, &T::Nothing, &T::PlayingUpdate, &T::Nothing, &T::Nothing);
    auto* s_hold = stateMachine->AddState(&T::Nothing, &T::HoldEnter, &T::StepUpdate, &T::HoldExit, &T::Nothing);
    auto* s_pause_in =
        stateMachine->AddState(&T::Nothing, &T::PauseInEnter, &T::PauseInUpdate, &T::PauseInExit, &T::Nothing);
    auto* s_paused =
        stateMachine->AddState(&T::Nothing, &T::PausedEnter, &T::PausedUpdate, &T::PausedExit, &T::Nothing);
    auto* s_pause_out =
        stateMachine->AddState(&T::Nothing, &T::PauseOutEnter, &T::PauseOutUpdate, &T::PauseOutExit, &T::Nothing);
    auto* s_won = stateMachine->AddState(&T::Nothing, &T::WonEnter, &T::WonUpdate, &T::Nothing, &T::Nothing);
    auto* s_dead = stateMachine->AddState(&T::Nothing, &T::Nothing, &T::DeadUpdate, &T::Nothing, &T::Nothing);
    intro = s_intro;
    playing = s_playing;
    cameraHold = s_hold;
    pauseIn = s_pause_in;
    paused = s_paused;
    pauseOut = s_pause_out;
    won = s_won;
    dead = s_dead;

    s_intro->AddTrigger(&T::IntroOver, playing);
    s_playing->AddTrigger(&T::EscapePressed, pauseIn);
    s_playing->AddTrigger(&T::CameraTookControl, cameraHold);
    s_playing->AddTrigger(&T::KidDead, dead);
    s_playing->AddTrigger(&T::KidWon, won);
    s_hold->AddTrigger(&T::CameraReleasedControl, playing);
    s_pause_in->AddTrigger(&T::FadeDone, paused);
    s_paused->AddTrigger(&T::PauseEnds, pauseOut);
    s_pause_out->AddTrigger(&T::FadeDone, playing);

    introCutscene = introShown ? nullptr : LoadIntroCutscene();
    stateMachine->Start(introCutscene != nullptr ? intro : playing);
}

// The level's intro cutscene, when the cutscene file tells one for it; a
// restart of the same level does not show it again.
std::unique_ptr<iIntroCutscene> cGameState_Prototype1::LoadIntroCutscene() {
    const std::string level = "Level" + std::to_string(cLevelManager::Instance().current_number);
    std::unique_ptr<iIntroCutscene> cutscene = cCutscene::Read(kCutscenesFile, level);
    if (cutscene == nullptr) return nullptr;
    introShown = true;
    Engine::LogEngine("Play: the intro cutscene of " + level + " plays");
    return cutscene;
}

// ---- Per frame ----------------------------------------------------------------

void cGameState_Prototype1::Update(float dt) {
    FitCameraToPicture();
    if (stateMachine) stateMachine->Update(dt);
    if (kid != nullptr) cEnvironmentEffects::Instance().Update(dt);
    const float menu_dt = menu.active ? 0.0f : dt;
    DeveloperKeys();
    menu.UpdateSlider();
    if (kid != nullptr) hud.Update(*kid, cLevelManager::Instance().candy_total);
    cAchievementStore::Instance().UpdateBanners(menu_dt);
}

void cGameState_Prototype1::Render() {
    Engine::cSectionTimer& timer = Engine::cDebugConsole::Instance().render_timer;
    timer.Start();
    cBasicGameState::Render();
    timer.Stop();
    Sample(kRenderProfile, timer);
}

// Deliveries and entities, physics and contacts, animations, effects and the clock.
void cGameState_Prototype1::GameplayStep(float dt) {
    Engine::cDebugConsole& console = Engine::cDebugConsole::Instance();
    console.game_logic_timer.Start();
    cGameFactory::Instance().FlushDeletions();
    Engine::cSceneManager::Instance().Update(dt);
    console.game_logic_timer.Stop();
    Sample(kLogicProfile, console.game_logic_timer);

    console.physics_timer.Start();
    Engine::cPhysicsWorld::Instance().Update(dt);
    console.physics_timer.Stop();
    Sample(kPhysicsProfile, console.physics_timer);

    console.animation_timer.Start();
    if (scene != nullptr) scene->UpdateAnimations(dt);
    console.animation_timer.Stop();
    Sample(kAnimationProfile, console.animation_timer);

    console.spare_timer.Start();
    Engine::cParticleManager::Instance().Update(dt);
    console.spare_timer.Stop();
    Sample(kParticlesProfile, console.spare_timer);

    levelTime += dt;
}

// A stroke whose position is not a number would carry it into the picture:
// it goes back to the kid before anything draws it.
void cGameState_Prototype1::GuardStroke() {
    if (stroke == nullptr || !AnyNaN(stroke->position)) return;
    Engine::LogError("play: the stroke's position is not a number; it goes back to the kid");
    stroke->position = kid != nullptr && !AnyNaN(kid->position) ? kid->position : Engine::Vector3{};
}

void cGameState_Prototype1::DeveloperKeys() {
    const cKeyboardState& keys = cKeyboardState::Instance();
    const bool ctrl = keys.IsDown(Engine::kVK_CONTROL) || keys.IsDown(Engine::kVK_LCONTROL);
    if ((ctrl && keys.WasPressed(Engine::kVK_S)) || keys.WasPressed(Engine::kVK_F2)) {
        if (scene != nullptr) scene->SetShadowsEnabled(!scene->ShadowsEnabled());
    }
    if (keys.WasPressed(Engine::kVK_F1)) {
        shadersOn = !shadersOn;
        Engine::cMaterialManager* materials = Engine::cResourceSystem::Instance().MaterialManager();
        for (const char* name : kShaderMaterials) {
            if (Engine::cMaterial* material = materials ? materials->Find(name) : nullptr) {
                material->SetUseShader(shadersOn);
            }
        }
    }
    if (keys.WasPressed(Engine::kVK_P)) Request(StateRestart);
}

// Each request is logged, so that a scripted run can follow where play went.
void cGameState_Prototype1::Request(std::int32_t state) {
    if (cGameStateManager::Instance().next_id == state) return;
    cGameStateManager::Instance().next_id = state;
    Engine::LogEngine("Play: asks for state " + std::to_string(state));
}

// ---- Sub-states -----------------------------------------------------------------

void cGameState_Prototype1::IntroUpdate(float dt) {
    if (introCutscene == nullptr) return;
    introCutscene->Update(dt);
    if (EscapePressed()) introCutscene->Skip();
}

void cGameState_Prototype1::IntroExit() { Engine::LogEngine("Play: the intro is over; play begins"); }

void cGameState_Prototype1::PlayingUpdate(float dt) {
    GameplayStep(dt);
    GuardStroke();
}

void cGameState_Prototype1::HoldEnter() {
    if (kid != nullptr) kid->status |= cKid::kStatusFrozen;
}

void cGameState_Prototype1::HoldExit() {
    if (kid != nullptr) kid->status &= ~cKid::kStatusFrozen;
}

void cGameState_Prototype1::PauseInEnter() {
    menu.LowerMusic();
    menu.PlacePausePage(true);
    Engine::cGUIManager::Instance().ShowCursor();
    fadeTime = 0.0f;
    menu.SetBlackScreenAlpha(0.0f);
    menu.SetPausePageAlpha(0.0f);
}

void cGameState_Prototype1::PauseInUpdate(float dt) {
    fadeTime += dt;
    menu.SetPausePageAlpha(std::min(1.0f, fadeTime / fadeDuration));
}

void cGameState_Prototype1::PauseInExit() {
    fadeTime = 0.0f;
    menu.PlacePausePage(true);
}

void cGameState_Prototype1::PausedEnter() { menu.active = true; }

// The menu lives while the level stands: the cursor and the GUI's sprites
// animate, the models do not.
void cGameState_Prototype1::PausedUpdate(float dt) {
    Engine::cGUIManager::Instance().Update(dt);
    for (Engine::cSpriteAnimationSet* sprite : Engine::cAnimationRegistry::Instance().AnimatedSprites()) {
        sprite->Update(dt);
    }
}

// However the menu closes, it takes no more input once it fades.
void cGameState_Prototype1::PausedExit() {
    menu.active = false;
    Engine::cGUIManager::Instance().HideCursor();
}

void cGameState_Prototype1::PauseOutEnter() {
    fadeTime = 0.0f;
    winTimer = kPauseOutTimer;
}

// The page fades out; after a confirmed quit or restart the screen goes
// black at the same pace and the confirmation fades twice as fast.
void cGameState_Prototype1::PauseOutUpdate(float dt) {
    fadeTime += dt;
    const float alpha = std::max(0.0f, 1.0f - fadeTime / fadeDuration);
    menu.SetPausePageAlpha(alpha);
    if (menu.action == cPlayMenu::kActionNone) return;
    winTimer = alpha;
    menu.SetBlackScreenAlpha(1.0f - alpha);
    menu.SetConfirmAlpha(std::max(0.0f, 1.0f - 2.0f * fadeTime / fadeDuration));
}

void cGameState_Prototype1::PauseOutExit() {
    menu.RestoreMusic();
    menu.PlacePausePage(false);
    if (menu.action == cPlayMenu::kActionNone) {
        menu.SetBlackScreenAlpha(0.0f);
        return;
    }
    menu.SetBlackScreenAlpha(1.0f);
    menu.HideConfirmPanels();
    Request(menu.action == cPlayMenu::kActionQuit ? StateMainMenu : StateRestart);
}

void cGameState_Prototype1::WonEnter() {
    char line[96];
    std::snprintf(line, sizeof line, "Play: the kid wins after %.9g s of play", levelTime);
    Engine::LogEngine(line);
    FillResults();
    winTimer = 0.0f;
    menu.SetBlackScreenAlpha(0.0f);
}

void cGameState_Prototype1::WonUpdate(float dt) {
    winTimer += dt;
    const float s = std::max(0.0f, winTimer - kWinDarkenFrom) * 0.5f;
    menu.SetBlackScreenAlpha(std::min(1.0f, s * s));
    GameplayStep(dt);
    if (winTimer <= kWinSeconds || resultsRequested) return;
    resultsRequested = true;
    UnlockLevelAchievement();
    Request(StateWinScreen);
}

// What the results screen rates; the rating itself is the results screen's.
void cGameState_Prototype1::FillResults() {
    LevelResults& results = LastLevelResults();
    results = LevelResults{};
    results.level_number = cLevelManager::Instance().current_number;
    results.level_time = levelTime;
    results.candy_total = cLevelManager::Instance().candy_total;
    if (kid != nullptr) {
        results.candy_taken = kid->candy;
        results.damage = kid->damage;
        results.health = kid->health;
    }
    if (stroke != nullptr) results.skill_rank = std::max(0, stroke->SkillRank());
    results.filled = true;
}

void cGameState_Prototype1::UnlockLevelAchievement() {
    const int achievement = LevelAchievement(cLevelManager::Instance().current_number);
    if (achievement >= 0) cAchievementStore::Instance().Unlock(achievement);
}

void cGameState_Prototype1::DeadUpdate(float dt) {
    GameplayStep(dt);
    DeathSequence(dt);
}

// Space restarts at once; otherwise the lantern goes out, the death music
// plays and the level restarts by itself. A restart keeps the checkpoint.
void cGameState_Prototype1::DeathSequence(float dt) {
    if (cKeyboardState::Instance().IsDown(Engine::kVK_SPACE)) {
        deathTimer = 0.0f;
        Request(StateRestart);
    }
    if (deathTimer == 0.0f) {
        if (kid != nullptr && kid->Light() != nullptr) {
            Engine::cLightManager::Instance().EnableLight(kid->Light()->light, false);
        }
        if (Engine::iSoundManager* sound = Engine::GetSoundManager()) {
            sound->Stop(kMusic);
            sound->Play(kDeathMusic, false, 1.0f);
        }
    }
    deathTimer += dt;
    if (deathTimer > kDeathSeconds) {
        deathTimer = 0.0f;
        Request(StateRestart);
    }
}

// ---- Transitions ----------------------------------------------------------------

bool cGameState_Prototype1::IntroOver() { return introCutscene == nullptr || introCutscene->Finished(); }
bool cGameState_Prototype1::EscapePressed() { return cKeyboardState::Instance().WasPressed(Engine::kVK_ESCAPE); }
bool cGameState_Prototype1::CameraTookControl() { return camera != nullptr && camera->has_control; }
bool cGameState_Prototype1::CameraReleasedControl() { return camera == nullptr || !camera->has_control; }
bool cGameState_Prototype1::KidDead() { return kid != nullptr && (kid->status & cKid::kStatusDead) != 0; }
bool cGameState_Prototype1::KidWon() { return kid != nullptr && kid->HasWon(); }
bool cGameState_Prototype1::FadeDone() { return fadeTime >= fadeDuration; }

bool cGameState_Prototype1::PauseEnds() {
    return !menu.active || (EscapePressed() && menu.PausePageVisible()) || menu.action == cPlayMenu::kActionQuit;
}

cGameState_Prototype1::eSubState cGameState_Prototype1::SubState() const {
    if (!stateMachine) return eSubState::None;
    const Engine::iState* current = stateMachine->GetCurrent();
    const std::pair<const Engine::iState*, eSubState> table[] = {
        {intro, eSubState::Intro},   {playing, eSubState::Playing}, {cameraHold, eSubState::CameraHold},
        {pauseIn, eSubState::PauseIn}, {paused, eSubState::Paused},   {pauseOut, eSubState::PauseOut},
        {won, eSubState::Won},       {dead, eSubState::Dead}};
    for (const auto& [state, sub] : table) {
        if (state == current) return sub;
    }
    return eSubState::None;
}

// ---- The run's end ------------------------------------------------------------

// How long the run was played and where the kid stands, to the bit, so that
// a replayed run can be compared with the one recorded.
void cGameState_Prototype1::LogRunEnd() const {
    char line[160];
    std::snprintf(line, sizeof line, "Play: the run of %s ends after %.2f s of play",
                  cLevelManager::Instance().level_name.c_str(), levelTime);
    Engine::LogEngine(line);
    if (kid == nullptr) return;
    std::snprintf(line, sizeof line, "Play: the kid ends exactly at (%.9g, %.9g, %.9g)", kid->position.x,
                  kid->position.y, kid->position.z);
    Engine::LogEngine(line);
}

// Everything Enter made goes back where it came from. The machine is dropped
// without the exit of its current sub-state: a run that ends mid-pause or
// mid-hold must not request another state or write into released entities.
// The intro cutscene goes once, before the GUI it draws in is cleared, and
// leaves no pointer behind for a restart to destroy again.
void cGameState_Prototype1::Exit() {
    LogRunEnd();
    if (stateMachine) stateMachine->Start(nullptr);
    stateMachine.reset();
    Engine::cPhysicsWorld::Instance().ClearObjects();
    Engine::cCollisionManager::Instance().Clear();
    hud.Forget();
    introCutscene.reset();
    Engine::cParticleManager::Instance().Clear();
    cGlobalEffects::Instance().Forget();
    cGameFactory::Instance().ReleaseAll();
    ForgetLevel();
    camera = nullptr;
    groundPlane = nullptr;
    cLevelManager::Instance().game_camera = nullptr;
    menu.Forget();
    Engine::cGUIManager& gui = Engine::cGUIManager::Instance();
    gui.Clear();
    if (Engine::iSoundManager* sound = Engine::GetSoundManager()) {
        sound->SetListener(nullptr);
        sound->StopAll();
    }
    if (listening) Engine::cMouseState::Instance().RemoveListener(this);
    listening = false;
    gui.ShowCursor();
    if (sun != nullptr) Engine::cLightPool::Instance().ReleaseLight(sun);
    sun = nullptr;
    if (scene != nullptr) {
        scene->SetCamera(nullptr);
        scene->SetShadowsEnabled(false);
        scene->ReleaseSkyBox();
    }
    scene = nullptr;
}

}  // namespace Game
