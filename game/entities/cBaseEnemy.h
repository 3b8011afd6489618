#pragma once
// cBaseEnemy: the common base of everything the stroke can hit or that hurts
// the kid on contact. It keeps the target kid and the level's stroke, the
// numbers a kind copies from its stats record (health, damage taken, attack
// power, speed), the hit flash that stuns an enemy after a slash, the hold
// meter that shrinks an enemy the stroke keeps grabbed, and the rise out of
// the ground every kind starts with.
//
// The shared Update runs only while the kid is alive (or the kind acts after
// its death) and has not won: it steps the kind's UpdateKind, times the
// flash, and shrinks a held enemy until its meter is full, which sets damage
// to health so that the kind's own death trigger fires. Released early, the
// enemy grows back at the same rate. The meter scales the size the enemy was
// set up with. Otherwise the enemy stands frozen, its body stopped.
//
// Contacts reach the enemy through the shared collision callback: a body
// named "Stroke..." calls OnStrokeHit and then the stroke's OnEnemyContact
// (which may grab the enemy), a body named "Kid..." calls OnTouchKid, and
// anything else is ignored. The handlers only write fields; the kind's state
// machine reacts on its next update.
//
// An enemy leaves play once: Remove deactivates it and queues it with the
// game factory, guarded by the entity's queued flag.

#include <cstdint>
#include <string>

#include "engine/core/Vector3.h"
#include "engine/entity/cEntity.h"
#include "engine/physics/iPhysicsCmp.h"

namespace Game {

class cKid;
class cStroke;

class cBaseEnemy : public Engine::cEntity {
public:
    // Hold meter defaults: it fills at hold_rate per second up to hold_max.
    static constexpr float kHoldRate = 1.0f;
    static constexpr float kHoldMax = 100.0f;
    // The flash peaks at kFlashIntensity after kFlashTime seconds and fades in as long.
    static constexpr float kFlashIntensity = 0.5f;
    static constexpr float kFlashTime = 0.1f;
    // A rise lifts the enemy from this height to where it was placed, in kRiseDuration seconds.
    static constexpr float kRiseDepth = -5.0f;
    static constexpr float kRiseDuration = 1.0f;
    // The smallest scale the hold meter shrinks an enemy to.
    static constexpr float kHeldScale = 0.2f;

    // Makes the entity live and gives every enemy field its starting value.
    void Init(const std::string& entity_name) override;
    // Tears the entity down and puts every enemy field back to its starting value.
    void Reset() override;
    // The shared per-frame step (see the banner).
    void Update(float dt) override;

    // (Re)starts the enemy at position with fresh numbers from its stats record.
    virtual void Spawn(const Engine::Vector3& at);
    // The stroke grabs (true) or lets go (false).
    virtual void SetHeld(bool is_held);
    // The kind's own per-frame work, called by Update.
    virtual void UpdateKind(float dt);
    // The enemy's body touched the kid's.
    virtual void OnTouchKid();
    // The enemy's body touched the stroke's.
    virtual void OnStrokeHit();

    // The callback every enemy's physics object carries: routes the contact by
    // the other body's name. The object's owner must be the enemy.
    static std::int32_t OnCollision(Engine::iPhysicsCmp* self, Engine::iPhysicsCmp* other);

    // Runs one step of the hit flash: up to the peak, then down, then done.
    void RunHitFlash();
    // Starts a hit flash: the enemy is stunned until it ends.
    void StartHitFlash();
    // Starts the rise from under the ground to the current position.
    void BeginRise();
    // One step of the rise; fires the spawn mark and plays its sound the first time.
    void UpdateRise(float dt);
    // Whether the rise has run its whole duration.
    bool RiseOver() const { return rise_elapsed / rise_duration > 1.0f; }
    // Deactivates the enemy and queues it with the game factory, once.
    void Remove();
    // When held, makes the stroke let go of the enemy.
    void LeaveStroke();
    // The scale the hold meter gives at meter value m: 1 empty, 0.2 full, with a small overshoot.
    float HeldScale(float m) const;
    // Whether the enemy's damage has reached its health.
    bool IsDead() const { return health <= damage; }

    cKid* kid = nullptr;        // the target, set by whoever spawns the enemy
    cStroke* stroke = nullptr;  // the level's stroke, set likewise
    bool grabbable = true;
    bool acts_after_kid_death = false;
    bool spawn_effect_shown = false;
    bool spawn_sound_played = false;
    bool held = false;
    bool dying = false;
    bool boss_freeze_pending = true;
    float hold_rate = kHoldRate;
    float hold_max = kHoldMax;
    float hold_meter = 0.0f;
    float rise_duration = kRiseDuration;
    float rise_elapsed = 0.0f;
    Engine::Vector3 rise_from;
    Engine::Vector3 rise_to;
    bool risen = false;
    float flash_intensity = kFlashIntensity;
    bool flash_on = true;
    bool flash_done = true;
    float health = 0.0f;
    float damage = 0.0f;
    float attack = 0.0f;
    float speed = 0.0f;
    float base_speed = 0.0f;
    float flash_time = kFlashTime;
    float flash_timer = 0.0f;
    bool touched_kid = false;

protected:
    // The sound of an enemy coming out of the ground (and of a ghost bursting).
    inline static const std::string kRiseSound = "Engine";

    // Writes the flash colour offset on the model, when there is one.
    void SetColourOffset(float value);
    // Whether the update may run: a kid, alive (or acting after its death), not yet winning.
    bool KidInPlay() const;
    // Makes the enemy the owner of its physics object and gives it the shared callback.
    void AttachPhysics();
    // Plays a sound once at full volume, when there is a sound manager.
    static void PlaySound(const std::string& sound);
    // The same, unless that sound is already playing.
    static void PlaySoundUnlessPlaying(const std::string& sound);
    // Whether the sound is playing now.
    static bool SoundPlaying(const std::string& sound);

    // The scale the enemy was set up with; the hold meter shrinks it from there.
    Engine::Vector3 setup_scale{1.0f, 1.0f, 1.0f};

private:
    // Every enemy field back to its starting value.
    void ClearEnemyFields();
    // Shrinks or grows the enemy by the hold meter.
    void UpdateHold(float dt);
    // Scales the enemy by the hold meter.
    void ApplyHeldScale();
    // With the kid gone, the boss stops its animation on the first frame, once.
    void FreezeBoss();
};

}  // namespace Game
