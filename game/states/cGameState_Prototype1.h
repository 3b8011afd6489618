#pragma once
// cGameState_Prototype1: the gameplay state (state 10), where a level is
// played. Enter reads the level the level manager names, with the enemy
// table, the collision groups of play, the effect prototypes, the game
// camera, the ground plane and the GUI of play (the HUD and the pause menu
// of "GameGUI.xml"); Exit takes all of it down again, so that every pool
// ends a run as full as it began.
//
// A small machine of eight sub-states runs the run: the level's intro
// cutscene (shown once per level: a restart goes straight to play; Escape
// during one of its rests ends it), play, a camera hold (the camera plays a shot, the kid waits),
// the pause menu fading in, up and fading out, the win (the screen darkens
// and the results screen follows) and the death (the level restarts, at the
// last checkpoint). The gameplay step that moves the world runs in play, in
// the camera hold, after the win and after the death, each of its stages
// timed for the profiler.
//
// The state is also a mouse listener for the length of a run; it listens to
// nothing, the stroke reads the mouse itself.

#include <cstdint>
#include <memory>

#include "engine/entity/cStateMachine.h"
#include "engine/platform/iMouseListener.h"
#include "game/states/cBasicGameState.h"
#include "game/states/cCutscene.h"
#include "game/states/cPlayHUD.h"
#include "game/states/cPlayMenu.h"
#include "game/states/iIntroCutscene.h"

namespace Engine {
class iBaseEntity;
class cLightGfxCmp;
class cSceneRenderer;
}  // namespace Engine

namespace Game {

class cGameCamera;
class cGroundPlane;
class cKid;
class cStroke;

class cGameState_Prototype1 : public cBasicGameState, public Engine::iMouseListener {
public:
    static constexpr const char* kLayoutFolder = "GameData/XML_Game/";
    static constexpr const char* kLayout = "GameGUI.xml";
    static constexpr const char* kStatsFolder = "GameData/XML_Game/GameStats/";
    static constexpr const char* kStatsFile = "EnemyStats.xml";
    static constexpr const char* kCutscenesFile = cCutscene::kFile;
    static constexpr const char* kMusic = "BGSound";
    static constexpr float kMusicVolume = 25.0f;
    static constexpr const char* kDeathMusic = "DeathMusic";
    static constexpr float kFieldOfView = 10.0f;
    static constexpr float kFarPlane = 500.0f;
    static constexpr float kFadeDuration = 0.5f;
    // The win: the screen starts to darken after kWinDarkenFrom and the results follow after kWinSeconds.
    static constexpr float kWinDarkenFrom = 1.0f;
    static constexpr float kWinSeconds = 3.0f;
    static constexpr float kDeathSeconds = 3.5f;
    // Where PauseOut starts its timer; the confirmed quit and restart overwrite it with the fade.
    static constexpr float kPauseOutTimer = 0.85f;

    cGameState_Prototype1();
    ~cGameState_Prototype1() override;

    void Load() override;
    void Enter() override;
    void Update(float dt) override;
    void Render() override;
    void Exit() override;

    // The mouse reaches play through the mouse state; nothing to do here.
    void OnButtonDown(int) override {}
    void OnButtonUp(int) override {}
    void OnWheel(bool) override {}
    void OnMove(int, int) override {}

    // What tests look at.
    enum class eSubState { None, Intro, Playing, CameraHold, PauseIn, Paused, PauseOut, Won, Dead };
    eSubState SubState() const;
    bool LevelLoaded() const { return stateMachine != nullptr; }
    float LevelTime() const { return levelTime; }
    cKid* Kid() const { return kid; }
    cStroke* Stroke() const { return stroke; }
    cGameCamera* Camera() const { return camera; }
    cPlayMenu& Menu() { return menu; }
    cPlayHUD& HUD() { return hud; }
    bool IntroShown() const { return introShown; }
    const iIntroCutscene* IntroCutscene() const { return introCutscene.get(); }

private:
    using Machine = Engine::cStateMachine<cGameState_Prototype1>;

    // Enter, step by step.
    void PrepareRun();
    void CreateCamera();
    void FitCameraToPicture();
    void StartLevel();
    void LightTheLevel();
    void BuildMachine();
    std::unique_ptr<iIntroCutscene> LoadIntroCutscene();
    void ForgetLevel();

    // The gameplay step and what the frame does around the machine.
    void GameplayStep(float dt);
    void GuardStroke();
    void DeveloperKeys();
    void DeathSequence(float dt);
    void FillResults();
    void UnlockLevelAchievement();
    static void Request(std::int32_t state);

    // Sub-state callbacks.
    void Nothing() {}
    void IntroUpdate(float dt);
    void IntroExit();
    void PlayingUpdate(float dt);
    void StepUpdate(float dt) { GameplayStep(dt); }
    void HoldEnter();
    void HoldExit();
    void PauseInEnter();
    void PauseInUpdate(float dt);
    void PauseInExit();
    void PausedEnter();
    void PausedUpdate(float dt);
    void PausedExit();
    void PauseOutEnter();
    void PauseOutUpdate(float dt);
    void PauseOutExit();
    void LogRunEnd() const;
    void WonEnter();
    void WonUpdate(float dt);
    void DeadUpdate(float dt);

    // Transition conditions.
    bool IntroOver();
    bool EscapePressed();
    bool CameraTookControl();
    bool CameraReleasedControl();
    bool KidDead();
    bool KidWon();
    bool FadeDone();
    bool PauseEnds();

    std::unique_ptr<Machine> stateMachine;
    Engine::iState* intro = nullptr;
    Engine::iState* playing = nullptr;
    Engine::iState* cameraHold = nullptr;
    Engine::iState* pauseIn = nullptr;
    Engine::iState* paused = nullptr;
    Engine::iState* pauseOut = nullptr;
    Engine::iState* won = nullptr;
    Engine::iState* dead = nullptr;

    Engine::cSceneRenderer* scene = nullptr;
    cGameCamera* camera = nullptr;
    cGroundPlane* groundPlane = nullptr;
    cKid* kid = nullptr;
    cStroke* stroke = nullptr;
    // What the camera follows: the kid once the level stands.
    Engine::iBaseEntity* followed = nullptr;
    Engine::cLightGfxCmp* sun = nullptr;
    std::unique_ptr<iIntroCutscene> introCutscene;
    cPlayMenu menu;
    cPlayHUD hud;
    float levelTime = 0.0f;
    bool shadersOn = false;
    float deathTimer = 0.0f;
    float fadeTime = 0.0f;
    float fadeDuration = kFadeDuration;
    float winTimer = 0.0f;
    bool resultsRequested = false;
    bool listening = false;
    bool introShown = false;
};

}  // namespace Game
