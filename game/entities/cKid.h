#pragma once
// cKid: the child the player brings through a level (type 3). The keyboard
// walks it (W, A, S, D relative to the game camera) while the stroke fights
// the enemies that close in on it.
//
// Other entities never drive the kid's state machine. They write its status
// bits, add damage (TakeDamage), hand it keys, start a challenge or a chase,
// and the kid's own triggers react on its next update: damage reaching
// health leads to Death, the won bit to Float. The gameplay state watches the
// dead and won bits to run its death and win flows.
//
// The kid carries a spotlight ("gKidLight") whose cone opens during the intro
// and closes at death and whose colour blends toward a challenge or a chase
// colour; a carried key shown while it holds one; the path the chaser walks;
// footstep dust and the signs for locked and opened doors; and, in a game
// started from the menu, the challenge spawner that sends waves of enemies
// while a challenge runs.

#include <cstdint>
#include <cstddef>
#include <memory>  // std::unique_ptr owns the machine and the spawner
#include <string_view>

#include "engine/core/Vector3.h"
#include "engine/entity/cEntity.h"
#include "engine/entity/cStateMachine.h"
#include "game/entities/KidTuning.h"
#include "game/entities/cEffectSlot.h"
#include "game/entities/eGameEntityTypes.h"
#include "game/entities/iLevelObject.h"

namespace Engine {
class cCameraGfxCmp;
class cLightGfxCmp;
class iState;
}  // namespace Engine

namespace Game {

class cChallengeSpawner;
class cEmitterSpawnOneUpwards;
class cEmitterWalk;
class cKidKey;
class cPath;
class cStroke;

// The kid's five states, for the HUD, the editor and tests.
enum class eKidState { None, Intro, Stand, Walk, Death, Float };

class cKid : public Engine::cEntity, public iLevelObject {
public:
    // Bits of status.
    static constexpr std::uint32_t kStatusSlowed = 0x01;
    static constexpr std::uint32_t kStatusFrozen = 0x04;
    static constexpr std::uint32_t kStatusDead = 0x08;
    static constexpr std::uint32_t kStatusWon = 0x20;

    static constexpr float kLightFadeTime = 1.0f;      // seconds of a light colour blend
    static constexpr float kDoorCooldown = 3.0f;       // seconds between two door signs
    static constexpr float kFootstepInterval = 0.4f;   // seconds of walking between footsteps
    static constexpr float kIntroLength = 1.0f;        // seconds the cone takes to open
    static constexpr float kDeathLength = 3.0f;        // seconds the cone takes to close
    static constexpr float kFloatLength = 2.5f;
    static constexpr float kDeveloperHealth = 99999.0f;
    static constexpr float kWalkAnimationSpeed = 1.5f;
    static constexpr float kDeathAnimationSpeed = 0.5f;

    // A pooled kid: no model, light or machine until Setup.
    cKid();
    ~cKid() override;
    cKid(const cKid&) = delete;
    cKid& operator=(const cKid&) = delete;

    std::int32_t GetType() const override { return GAME_ENT_TYPES::KID; }

    // Setup at the level's place, then the keys, candy and checkpoint the
    // level restarts with, and the path's way points.
    bool SetUpFromLevel(const LevelObjectValues& values) override;

    // Reads the tuning files and creates model, light, physics object,
    // effects, carried key, path and (when challenges are on) the challenge
    // spawner; builds the machine and puts the kid at position.
    void Setup(const Engine::Vector3& where, const Engine::Vector3& size);
    // Back to the start of a run at position: every run-time value to its
    // initial value (keys and candy are kept) and the machine in Intro.
    void Reset(const Engine::Vector3& where);
    // Tears the kid down to its pooled state, with everything it owns.
    void Reset() override;
    // The per-frame step: developer keys, spawner, light blends, cooldowns,
    // damage clamp, the light's place and the state machine.
    void Update(float dt) override;

    // Adds amount to the damage and plays the hurt voice; the machine notices death.
    void TakeDamage(float amount);
    // A challenge of duration seconds: waves, challenge music and light.
    void StartChallenge(float duration);
    // A chaser has seen the kid: chase music and light until the next Reset.
    void StartChase();
    // A locked door touched without a key: a sign and a sound, at most every 3 s.
    void LockedDoorTouched();
    // A locked door opens with one of the kid's keys.
    void UseKey();
    // Puts the kid on point index of its path; at point 0 it heads toward point 1.
    void PlaceOnPath(std::size_t index);

    // The stroke the challenge spawner hands to its enemies (the stroke's set-up calls it).
    void SetStroke(cStroke* level_stroke);
    // The camera the walk is relative to; null uses the scene renderer's active camera.
    void SetCamera(const Engine::cCameraGfxCmp* game_camera) { camera = game_camera; }

    bool IsDead() const { return (status & kStatusDead) != 0 || damage >= health; }
    bool HasWon() const { return (status & kStatusWon) != 0; }
    bool IsFrozen() const { return (status & kStatusFrozen) != 0; }
    eKidState State() const;
    // Whole seconds left in the running challenge, 0 when none runs.
    std::int32_t ChallengeSeconds() const;

    const KidTuning& Tuning() const { return tuning; }
    const KidLightTuning& LightTuning() const { return light_tuning; }
    Engine::cLightGfxCmp* Light() const { return light; }
    cKidKey* CarriedKey() const { return carried_key; }
    cPath* Path() const { return path; }
    cChallengeSpawner* Spawner() const { return spawner.get(); }
    cEmitterWalk* WalkEmitter() const;
    // The light's diffuse red, green and blue (the base colour without a light).
    Engine::Vector3 LightColour() const;

    std::uint32_t status = 0;
    float health = 1.0f;
    float damage = 0.0f;
    float walk_speed = 1.0f;
    std::int32_t keys = 0;
    std::int32_t candy = 0;
    Engine::iBaseEntity* last_checkpoint = nullptr;
    float locked_door_cooldown = 0.0f;
    float door_open_cooldown = 0.0f;
    float challenge_time = 0.0f;
    float challenge_fade = 0.0f;
    float chase_fade = 1.0f;
    float light_fade_time = kLightFadeTime;
    bool challenge_music_pending = false;
    bool chasing = false;
    bool challenge_light_active = false;
    Engine::Vector3 facing{1.0f, 0.0f, 0.0f};
    Engine::Vector3 heading{0.0f, 0.0f, 1.0f};
    float intro_timer = 0.0f;
    bool intro_cone_done = false;
    bool intro_light_done = false;
    float death_timer = 0.0f;
    float float_timer = 0.0f;
    Engine::Vector3 base_colour{1.0f, 1.0f, 1.0f};  // the light's own diffuse colour
    // The level put the kid back at a checkpoint: this run has touched one.
    bool restarted_at_checkpoint = false;

private:
    void ReadTuning();
    void CreateModel();
    void CreatePhysics();
    void CreateLight();
    // Binds the light's constants on the shaders of the three lit materials.
    void AttachLightToShaders();
    void CreateEffects();
    void CreateCompanions();
    void BuildMachine();

    void ApplyDeveloperKeys();
    void UpdateSpawner(float dt);
    void UpdateChallengeLight(float dt);
    void UpdateChaseLight(float dt);
    void SetLightColour(const Engine::Vector3& colour);
    void PlaceLight();
    void FollowKid();
    void PlayAnimation(std::string_view animation, bool loop, float speed);
    void OrientModel(const Engine::Vector3& direction);
    void SetCones(float inner, float outer);

    // State callbacks.
    void Nothing() {}
    void NothingUpdate(float /*dt*/) {}
    void IntroEnter();
    void IntroUpdate(float dt);
    void IntroExit();
    void StandEnter();
    void WalkEnter();
    void WalkUpdate(float dt);
    void Steer();
    void WalkExit();
    void DeathEnter();
    void DeathUpdate(float dt);
    void FloatEnter();

    // Trigger conditions.
    bool IntroDone();
    bool WantsToWalk();
    bool Dead();
    bool StopsWalking();
    bool Won();

    // The game camera, or the scene's active camera, or null.
    const Engine::cCameraGfxCmp* WalkCamera() const;
    Engine::Vector3 WalkDirection() const;
    bool MovementKeyHeld() const;

    KidTuning tuning;
    KidLightTuning light_tuning;
    std::unique_ptr<Engine::cStateMachine<cKid>> machine;
    Engine::iState* intro = nullptr;
    Engine::iState* stand = nullptr;
    Engine::iState* walk = nullptr;
    Engine::iState* death = nullptr;
    Engine::iState* floating = nullptr;
    Engine::cLightGfxCmp* light = nullptr;
    cKidKey* carried_key = nullptr;
    cPath* path = nullptr;
    cStroke* stroke = nullptr;
    std::unique_ptr<cChallengeSpawner> spawner;
    const Engine::cCameraGfxCmp* camera = nullptr;
    cEffectSlot locked_door_effect;
    cEffectSlot key_effect;
    cEffectSlot walk_effect;
};

}  // namespace Game
