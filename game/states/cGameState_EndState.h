#pragma once
// cGameState_EndState: the end of the game (state 16), entered when the
// level after the last one does not exist. Under a game camera and a cool
// ambient light it plays the closing cutscene, "Final" of the cutscene file,
// and asks for the main menu once the story has finished.
//
// Without a closing story (no file, no "Final", no texture or no section)
// there is nothing to wait for: the screen stays black for
// kNoCutsceneSeconds, so that the switch does not flash, and the main menu
// follows.
//
// The state is a mouse listener for the length of a run and listens to
// nothing: the cutscene reads the mouse state itself. The GUI cursor is
// hidden while the state runs.

#include <memory>

#include "engine/core/ColorRGBA.h"
#include "engine/platform/iMouseListener.h"
#include "game/states/cBasicGameState.h"
#include "game/states/cCutscene.h"

namespace Game {

class cGameCamera;

class cGameState_EndState : public cBasicGameState, public Engine::iMouseListener {
public:
    static constexpr const char* kStory = "Final";
    static constexpr Engine::ColorRGBA kAmbient{0.5f, 0.5f, 0.8f, 1.0f};
    static constexpr float kFieldOfView = 90.0f;
    static constexpr float kFarPlane = 1000.0f;
    static constexpr float kOrbitLatitude = 65.0f;
    static constexpr float kNoCutsceneSeconds = 1.0f;

    void Enter() override;
    void Update(float dt) override;
    void Exit() override;

    void OnButtonDown(int) override {}
    void OnButtonUp(int) override {}
    void OnWheel(bool) override {}
    void OnMove(int, int) override {}

    // What tests look at.
    const cCutscene* Cutscene() const { return cutscene.get(); }
    const cGameCamera* Camera() const { return camera; }

private:
    void CreateCamera();
    void RequestMainMenu();

    cGameCamera* camera = nullptr;
    std::unique_ptr<cCutscene> cutscene;
    float waited = 0.0f;
    bool menuRequested = false;
    bool listening = false;
};

}  // namespace Game
