#pragma once
// cStroke: the player's weapon (type 8), a fairy that follows the mouse over
// the ground. Holding the left button makes it slash: while it moves at 10
// units per second or more, enemies it passes through take its attack power
// and the time spent slashing counts toward the skill rank. A right click
// grabs the first enemy the fairy touches; the enemy shrinks while held and
// is let go when the button is released.
//
// The stroke tests no collisions itself: enemies and breakables recognise its
// body ("Stroke") in their contact callbacks, read slashing and attack_power,
// add to hits, and call OnEnemyContact so that an open grab can take them.
//
// Each frame the body's velocity is set so that it reaches the mouse's point
// on the plane y = 0.5 in one physics step; a frame of no duration sets no
// velocity at all, so nothing divides by zero.

#include <cstdint>
#include <memory>  // std::unique_ptr owns the machine

#include "engine/core/Vector3.h"
#include "engine/entity/cEntity.h"
#include "engine/entity/cStateMachine.h"
#include "game/entities/cEffectSlot.h"
#include "game/entities/eGameEntityTypes.h"
#include "game/entities/iLevelObject.h"

namespace Engine {
class cCameraGfxCmp;
class iState;
}  // namespace Engine

namespace Game {

class cBaseEnemy;
class cEmitterFairy;
class cEmitterRing;

// The stroke's three states, for tests and the HUD.
enum class eStrokeState { None, Idle, Slash, Grab };

// Stroke.xml's values, with the defaults used for a missing file or attribute.
struct StrokeTuning {
    float attack_power = 0.1f;  // "FollowerAttackPower"
    float rank_s = 0.5f;
    float rank_a = 0.4f;
    float rank_b = 0.3f;
    float rank_c = 0.2f;
    bool right_click_follow = false;
    float max_energy = 0.0f;
    float energy_regen = 0.0f;
    // Kept for designers; no behaviour reads them.
    float sampling_rate = 0.0f;
    float distance_tolerance = 0.0f;
    float energy_drain = 0.0f;
    float regen_cooldown = 0.0f;
    float spring_const = 0.5f;
    float slow_radius = 3.0f;
    float slow_factor = 0.5f;
    float heal_factor = 0.5f;
};

class cStroke : public Engine::cEntity, public iLevelObject {
public:
    static constexpr float kSlashSpeedSquared = 100.0f;  // 10 units per second
    static constexpr float kGrabReachSquared = 1.0f;
    static constexpr float kPlaneHeight = 0.5f;          // the plane the fairy flies over
    static constexpr std::int32_t kGrabFramesWithoutCatch = 2;
    static constexpr float kDragFactor = 0.0001f;
    static constexpr float kStartSlashTime = 0.001f;     // keeps the skill ratio finite
    // The game states in which the stroke stands still (main menu, win screen),
    // as the level manager's current_state hook reports them.
    static constexpr int kMainMenuState = 3;
    static constexpr int kWinScreenState = 13;

    // A pooled stroke: no model or machine until Setup.
    cStroke();

    std::int32_t GetType() const override { return GAME_ENT_TYPES::STROKE; }

    // Setup, then hands itself to the level's kid.
    bool SetUpFromLevel(const LevelObjectValues& values) override;
    // Reads Stroke.xml, creates model, machine, effects and physics object,
    // and starts in Idle with full energy and no hits.
    void Setup();
    // Tears the stroke down to its pooled state.
    void Reset() override;
    // The per-frame step; nothing while the game state is the menu or the win screen.
    void Update(float dt) override;

    // An enemy touched the stroke: an open grab takes it when it is close
    // and grabbable and nothing is held. Any contact closes the grab.
    void OnEnemyContact(cBaseEnemy* enemy);
    // The skill rank of hits per second of slashing: 0 (D) to 4 (S), -1 when not a number.
    std::int32_t SkillRank() const;

    // The camera whose mouse ray is followed; null uses the scene renderer's active camera.
    void SetCamera(const Engine::cCameraGfxCmp* mouse_camera) { camera = mouse_camera; }

    eStrokeState State() const;
    const StrokeTuning& Tuning() const { return tuning; }
    cEmitterFairy* FairyEmitter() const;
    cEmitterRing* RingEmitter() const;

    float attack_power = 0.1f;
    bool right_click_follow = false;
    float max_energy = 0.0f;
    float energy_regen = 0.0f;
    float energy = 0.0f;
    std::int32_t hits = 0;
    float slash_time = kStartSlashTime;
    bool slashing = false;
    bool grabbing = false;
    cBaseEnemy* grabbed = nullptr;
    std::int32_t grab_frames = 0;
    float idle_time = 0.0f;
    Engine::Vector3 target_offset;
    Engine::Vector3 mouse_point;  // the last point of the mouse on the flying plane
    Engine::Vector3 dust_from;    // where the stroke was when the dust was last fed
    Engine::Vector3 facing{1.0f, 0.0f, 0.0f};

private:
    void ReadTuning();
    void CreateModel();
    void CreatePhysics();
    void CreateEffects();
    void BuildMachine();

    // Points the body at the mouse's point on the flying plane.
    void FollowMouse(float dt);
    void Turn();
    void FeedEmitters();
    void ResetRunValues();
    // The stroke's own camera, or the scene's active camera, or null.
    const Engine::cCameraGfxCmp* MouseCamera() const;

    // State callbacks.
    void Nothing() {}
    void IdleEnter();
    void IdleUpdate(float dt);
    void SlashEnter();
    void SlashUpdate(float dt);
    void SlashExit();
    void GrabEnter();
    void GrabUpdate(float dt);
    void GrabExit();

    // Trigger conditions.
    bool LeftHeld();
    bool RightPressed();
    bool LeftReleased();
    bool GrabOver();

    StrokeTuning tuning;
    std::unique_ptr<Engine::cStateMachine<cStroke>> machine;
    Engine::iState* idle = nullptr;
    Engine::iState* slash = nullptr;
    Engine::iState* grab = nullptr;
    const Engine::cCameraGfxCmp* camera = nullptr;
    cEffectSlot pixie_dust;
    cEffectSlot ring;
};

}  // namespace Game
