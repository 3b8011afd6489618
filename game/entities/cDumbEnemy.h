#pragma once
// cDumbEnemy: the plain ghost (type 13), and through its kind table the base
// of the fast and the tough ghost. A ghost rises out of the ground, turns a
// fraction of the angle toward the kid every frame and glides at it. When it
// touches the kid it enters it (Possess: the kid takes the ghost's attack
// power) and vanishes; the stroke kills it by slashing (each hit flashes and
// stuns it) or by holding it until it has shrunk away.
//
//   Rise ---risen---> Walk ---dead---------> Die
//                      |  ----touched kid---> Possess
//                      |  ----hit flash-----> Stunned ---flash over---> Walk
//
// The three kinds differ only in their stats record, their names and the
// turn divisor (a larger one turns more slowly); the fast and the tough ghost
// also forget a touch of the kid when they come back to Walk, so they possess
// only on a new contact.

#include <cstdint>
#include <memory>  // std::unique_ptr owns the machine
#include <string>

#include "engine/core/Vector3.h"
#include "engine/entity/cStateMachine.h"
#include "game/entities/cBaseEnemy.h"
#include "game/entities/eGameEntityTypes.h"
#include "game/entities/iLevelObject.h"

namespace Engine {
class iState;
}

namespace Game {

// What sets one kind of ghost apart.
struct sGhostKind {
    const char* stats_name;   // its record in the enemy stats table
    const char* entity_name;  // the entity's name once set up
    const char* body_name;    // its physics object's tag
    float turn_divisor;       // the share of the angle to the kid turned per frame is 1 / divisor
    bool forgets_touch;       // clears touched_kid on entering Walk
};

// The ghost's states, for tests and the developer views.
enum class eGhostState { None, Rise, Walk, Stunned, Possess, Die };

class cDumbEnemy : public cBaseEnemy, public iLevelObject {
public:
    static constexpr sGhostKind kKind{"DollEnemy", "sampleEnemy", "Enemy", 15.0f, false};
    // The collision group of every ghost's body.
    static constexpr const char* kCollisionGroup = "Enemy";
    // Ghosts come back out of the pool with this hold rate.
    static constexpr float kGhostHoldRate = 10.0f;
    static constexpr float kRestitution = 0.1f;
    // A body without a loaded mesh is a cube of this half size.
    static constexpr float kDefaultHalfSize = 0.5f;
    // The death stretches the ghost to this height in kDeathTime seconds.
    static constexpr float kDeathHeight = 4.0f;
    static constexpr float kDeathTime = 0.25f;

    cDumbEnemy() : cDumbEnemy(kKind) {}

    std::int32_t GetType() const override { return GAME_ENT_TYPES::DUMB_ENEMY; }

    // Setup at the level's place and scale, then takes the level's kid and stroke.
    bool SetUpFromLevel(const LevelObjectValues& values) override;
    // Names the ghost, creates its model and body, turns it a random whole
    // number of degrees, builds its machine and spawns it at position. False,
    // logged, with nothing created, when its stats record is missing.
    bool Setup(const Engine::Vector3& at, const Engine::Vector3& size);
    // Destroys the machine, then tears the enemy down.
    void Reset() override;

    // Fresh numbers from the stats record, the walk animation, the place, and a new rise.
    void Spawn(const Engine::Vector3& at) override;
    // The machine, the hit flash, and the ghost's removal once the kid is dead.
    void UpdateKind(float dt) override;
    // Remembers the touch; Walk turns it into a possession.
    void OnTouchKid() override;
    // A slash at speed: damage, a flash and a stun, sparks, a sound and a hit for the stroke.
    void OnStrokeHit() override;

    eGhostState State() const;
    // The direction the ghost looks in, in the ground plane.
    const Engine::Vector3& Facing() const { return facing; }
    // Turns the ghost to look along direction (its ground-plane part).
    void Face(const Engine::Vector3& direction);
    const sGhostKind& Kind() const { return kind; }

protected:
    explicit cDumbEnemy(const sGhostKind& ghost_kind) : kind(ghost_kind) {}

private:
    void CreateModel();
    void CreateBody();
    void BuildMachine();
    // Plays a model animation, when the ghost has a model.
    void Animate(const std::string& animation, bool loop, float animation_speed);
    // The heading one frame's turn toward the kid gives.
    Engine::Vector3 TurnTowardKid() const;

    // State callbacks.
    void Nothing() {}
    void NothingUpdate(float /*dt*/) {}
    void RiseEnter();
    void RiseUpdate(float dt);
    void WalkEnter();
    void WalkUpdate(float dt);
    void WalkExit();
    void PossessEnter();
    void DieEnter();
    void DieUpdate(float dt);

    // Trigger conditions.
    bool Risen();
    bool Dead();
    bool TouchedKid();
    bool Flashing();
    bool FlashOver();

    sGhostKind kind;
    Engine::Vector3 facing{1.0f, 0.0f, 0.0f};
    float death_timer = 0.0f;
    bool death_started = false;
    Engine::Vector3 death_scale{1.0f, 1.0f, 1.0f};
    std::unique_ptr<Engine::cStateMachine<cDumbEnemy>> machine;
    Engine::iState* rise = nullptr;
    Engine::iState* walk = nullptr;
    Engine::iState* stunned = nullptr;
    Engine::iState* possess = nullptr;
    Engine::iState* die = nullptr;
};

}  // namespace Game
