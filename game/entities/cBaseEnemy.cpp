#include "game/entities/cBaseEnemy.h"

#include <algorithm>
#include <string>

#include "engine/audio/SoundManagerAccess.h"
#include "engine/audio/iSoundManager.h"
#include "engine/render/scene/cModelGfxCmp.h"
#include "game/entities/cGameFactory.h"
#include "game/entities/cGlobalEffects.h"
#include "game/entities/cKid.h"
#include "game/entities/cStroke.h"

namespace Game {

namespace {

// The back ease-out of the hold meter overshoots by half the usual amount.
constexpr float kHoldOvershoot = 0.5f * 1.70158f;
// The spawn mark lies just above the ground.
constexpr float kSpawnMarkHeight = 0.1f;
// Only the boss stands frozen on its first frame when the kid is gone.
const char* const kBossName = "BossEnemy";

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

}  // namespace

void cBaseEnemy::Init(const std::string& entity_name) {
    cEntity::Init(entity_name);
    ClearEnemyFields();
}

void cBaseEnemy::Reset() {
    cEntity::Reset();
    ClearEnemyFields();
}

void cBaseEnemy::ClearEnemyFields() {
    kid = nullptr;
    stroke = nullptr;
    grabbable = true;
    acts_after_kid_death = false;
    spawn_effect_shown = false;
    spawn_sound_played = false;
    held = false;
    dying = false;
    boss_freeze_pending = true;
    hold_rate = kHoldRate;
    hold_max = kHoldMax;
    hold_meter = 0.0f;
    rise_duration = kRiseDuration;
    rise_elapsed = 0.0f;
    rise_from = {};
    rise_to = {};
    risen = false;
    flash_intensity = kFlashIntensity;
    flash_on = true;
    flash_done = true;
    health = 0.0f;
    damage = 0.0f;
    attack = 0.0f;
    speed = 0.0f;
    base_speed = 0.0f;
    flash_time = kFlashTime;
    flash_timer = 0.0f;
    touched_kid = false;
    setup_scale = {1.0f, 1.0f, 1.0f};
}

bool cBaseEnemy::KidInPlay() const {
    return kid != nullptr && (!kid->IsDead() || acts_after_kid_death) && !kid->HasWon();
}

void cBaseEnemy::Update(float dt) {
    if (!KidInPlay()) {
        // Frozen means frozen: the body must not drift on with its last velocity.
        if (physics != nullptr) physics->SetVelocity({});
        FreezeBoss();
        return;
    }
    RebuildWorld();
    UpdateKind(dt);
    if (flash_timer <= flash_time) flash_timer += dt;
    if (dying) return;
    UpdateHold(dt);
    if (hold_meter > hold_max) damage = health;
}

void cBaseEnemy::FreezeBoss() {
    if (!boss_freeze_pending || name != kBossName) return;
    boss_freeze_pending = false;
    if (auto* body = dynamic_cast<Engine::cModelGfxCmp*>(model)) body->HoldFirstFrame(body->CurrentAnimation());
}

void cBaseEnemy::UpdateHold(float dt) {
    if (held) {
        ApplyHeldScale();
        hold_meter += hold_rate * dt;
    } else if (hold_meter > 0.0f) {
        ApplyHeldScale();
        hold_meter -= hold_rate * dt;
    }
}

void cBaseEnemy::ApplyHeldScale() {
    const float factor = HeldScale(hold_max - hold_meter);
    scale = setup_scale * factor;
}

float cBaseEnemy::HeldScale(float m) const {
    const float u = m / hold_max - 1.0f;
    const float eased = ((kHoldOvershoot + 1.0f) * u + kHoldOvershoot) * u * u + 1.0f;
    return kHeldScale + eased * (1.0f - kHeldScale);
}

void cBaseEnemy::Spawn(const Engine::Vector3& at) { SetPosition(at); }

void cBaseEnemy::SetHeld(bool is_held) { held = is_held; }

void cBaseEnemy::UpdateKind(float /*dt*/) {}

void cBaseEnemy::OnTouchKid() {}

void cBaseEnemy::OnStrokeHit() {}

std::int32_t cBaseEnemy::OnCollision(Engine::iPhysicsCmp* self, Engine::iPhysicsCmp* other) {
    auto* enemy = static_cast<cBaseEnemy*>(self->GetOwner());
    if (enemy == nullptr || other == nullptr) return 0;
    const std::string other_name = other->GetName();
    if (StartsWith(other_name, "Stroke")) {
        enemy->OnStrokeHit();
        if (enemy->stroke != nullptr) enemy->stroke->OnEnemyContact(enemy);
    } else if (StartsWith(other_name, "Kid")) {
        enemy->OnTouchKid();
    }
    return 0;
}

void cBaseEnemy::AttachPhysics() {
    if (physics == nullptr) return;
    physics->SetOwner(static_cast<cBaseEnemy*>(this));
    physics->SetCallback(&cBaseEnemy::OnCollision);
}

void cBaseEnemy::RunHitFlash() {
    const float ratio = flash_timer / flash_time;
    const float rising = std::min(1.0f, ratio);
    if (flash_on) {
        SetColourOffset(flash_intensity * rising);
        if (ratio > 1.0f) {
            flash_on = false;
            flash_timer = 0.0f;
        }
        return;
    }
    SetColourOffset(flash_intensity * (1.0f - rising));
    if (ratio > 1.0f) flash_done = true;
}

void cBaseEnemy::StartHitFlash() {
    flash_timer = 0.0f;
    flash_on = true;
    flash_done = false;
}

void cBaseEnemy::SetColourOffset(float value) {
    if (model != nullptr) model->emissive = Engine::ColorRGBA{value, value, value, value};
}

void cBaseEnemy::BeginRise() {
    rise_duration = kRiseDuration;
    rise_elapsed = 0.0f;
    rise_to = position;
    rise_from = {position.x, kRiseDepth, position.z};
    spawn_effect_shown = false;
    spawn_sound_played = false;
    risen = false;
}

void cBaseEnemy::UpdateRise(float dt) {
    if (!spawn_effect_shown) {
        spawn_effect_shown = true;
        if (cEmitterSpawn* mark = cGlobalEffects::Instance().Spawn()) {
            mark->Burst({position.x, kSpawnMarkHeight, position.z});
        }
    }
    rise_elapsed += dt;
    const float t = std::min(1.0f, rise_elapsed / rise_duration);
    SetPosition(rise_to * t + rise_from * (1.0f - t));
    if (rise_elapsed > rise_duration) risen = true;
    if (!spawn_sound_played) {
        spawn_sound_played = true;
        PlaySound(kRiseSound);
    }
}

void cBaseEnemy::Remove() {
    if (queued) return;
    cGameFactory::Instance().QueueDeletion(static_cast<Engine::cEntity*>(this));
}

void cBaseEnemy::LeaveStroke() {
    if (!held) return;
    if (stroke != nullptr && stroke->grabbed == this) stroke->grabbed = nullptr;
    held = false;
}

void cBaseEnemy::PlaySound(const std::string& sound) {
    if (Engine::iSoundManager* sounds = Engine::GetSoundManager()) sounds->Play(sound, false, 1.0f);
}

void cBaseEnemy::PlaySoundUnlessPlaying(const std::string& sound) {
    Engine::iSoundManager* sounds = Engine::GetSoundManager();
    if (sounds != nullptr && !sounds->IsPlaying(sound)) sounds->Play(sound, false, 1.0f);
}

bool cBaseEnemy::SoundPlaying(const std::string& sound) {
    Engine::iSoundManager* sounds = Engine::GetSoundManager();
    return sounds != nullptr && sounds->IsPlaying(sound);
}

}  // namespace Game
