#pragma once
// cGameState_Sandbox2: the render test scene (state 8), a developer state
// without game rules that shows everything the scene renderer draws, and
// that can be played.
//
// A moonlit garden read from a level file (a floor of tiles, a ring of the
// shipped decorations, glows on the ground), with the level's kid, its
// stroke, a few ghosts that rise from the ground and chase her, and the
// things of play: candy, a key and its locked door, a crate, a checkpoint,
// the win point and a camera trigger. The collision groups are those of play
// and the kid stands on the ground plane. W, A, S, D walk the kid relative to
// the camera, the stroke follows the mouse and slashes with the left button
// held; the kid's lantern (a spotlight that casts shadows) goes with her.
// The moon is a directional light and the night sky box closes the picture,
// all seen through the game camera from far above; while the camera plays a
// trigger's cinematic shot the kid is held. Effects run on it: sparks of the
// aura rise in the middle of the garden and a light rain falls round the
// kid. A dead kid stands up again at her start after a few seconds. Leaving
// logs where the kid stands, so scripted runs can check a walk, and, to the
// bit for replays, where she, the stroke and every enemy left ends; the
// moment she reaches the win point is logged too.
//
// Entities go back to the game factory on Exit, the collision and physics
// lists are emptied, and the lights go back to their pool, so a run leaves
// the pools, the lights and the render tree as it found them.

#include "engine/core/Vector3.h"
#include "game/states/cBasicGameState.h"

namespace Engine {
class iBaseEntity;
class cLightGfxCmp;
class cSceneRenderer;
}  // namespace Engine

namespace Game {

class cGameCamera;
class cKid;

class cGameState_Sandbox2 : public cBasicGameState {
public:
    cGameState_Sandbox2();
    ~cGameState_Sandbox2() override;

    void Enter() override;
    void Update(float dt) override;
    void Exit() override;

    // The level's kid, or null when the garden has none (tests look at her).
    cKid* Kid() const { return kid; }

private:
    void LoadGarden();
    void BuildLights();
    void SetUpCamera();
    void FitCameraToPicture();
    void HoldKidForCamera();
    void LogKidPosition() const;
    void LogExactEnds() const;
    void LogWin();
    void StandUpAfterDeath(float dt);
    void StartEffects();
    void RunEffects(float dt);

    Engine::cSceneRenderer* scene = nullptr;
    cKid* kid = nullptr;
    // What the camera follows: the kid, once the level stands.
    Engine::iBaseEntity* followed = nullptr;
    Engine::Vector3 kid_start;
    float dead_for = 0.0f;
    // Seconds of play since Enter, and whether the win was logged.
    float play_time = 0.0f;
    bool win_logged = false;
    Engine::cLightGfxCmp* moon = nullptr;
    cGameCamera* camera = nullptr;
    float aura_carry = 0.0f;
};

}  // namespace Game
