#include "game/entities/cCheckPoint.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/audio/SoundManagerAccess.h"
#include "engine/audio/iSoundManager.h"
#include "engine/physics/cCollisionAABB.h"
#include "engine/physics/cPhysicsWorld.h"
#include "engine/physics/ePhysicsFlags.h"
#include "engine/render/scene/SceneRendererAccess.h"
#include "engine/render/scene/cCameraGfxCmp.h"
#include "engine/render/scene/cSceneRenderer.h"
#include "game/data/SoundNames.h"
#include "game/data/cLevelManager.h"
#include "game/entities/MarkerParts.h"
#include "game/entities/PrefabParts.h"
#include "game/entities/cKid.h"

namespace Game {

namespace {

// The body's half size when the model is missing.
constexpr Engine::Vector3 kFallbackHalf{0.5f, 0.5f, 0.5f};

}  // namespace

bool cCheckPoint::SetUpFromLevel(const LevelObjectValues& values) {
    Setup(values.position);
    return true;
}

void cCheckPoint::Setup(const Engine::Vector3& at) {
    // The level loader has made the entity live already; others hand over a pooled one.
    if (name.empty()) {
        Init("CheckPoint");
    } else {
        name = "CheckPoint";
    }
    position = at;
    scale = {1.0f, 1.0f, 1.0f};
    rotation = Engine::Quaternion();
    RebuildWorld();
    timer = 0.0f;
    halo_level = 0.0f;
    lit = false;
    particle_carry = 0.0f;
    AttachPrefabModel(*this, GAME_ENT_TYPES::CHECK_POINT);
    CreateBody();
    MarkerParts::CreateHalo(halo, position, kHaloSize, kHaloHeight);
}

void cCheckPoint::CreateBody() {
    physics = Engine::cPhysicsWorld::Instance().CreateObject(kCollisionGroup, MakeModelBox(*this, kFallbackHalf), kBodyName,
                                                             &position);
    physics->SetOwner(static_cast<cCheckPoint*>(this));
    physics->SetFlag(Engine::ePhysicsFlags::Static, true);
    physics->SetRestitution(kRestitution);
    physics->SetCallback(&cCheckPoint::OnCollision);
}

void cCheckPoint::Reset() {
    halo.Reset();  // leaves the billboard list and hands the quad back, when in use
    lit = false;
    timer = 0.0f;
    halo_level = 0.0f;
    particle_carry = 0.0f;
    cEntity::Reset();
}

void cCheckPoint::Update(float dt) {
    if (lit && halo.InList()) {
        halo.visible = true;
        Glow(dt);
    }
    cLevelManager& level = cLevelManager::Instance();
    if (const auto* kid = dynamic_cast<const cKid*>(level.kid); kid != nullptr && (kid->status & cKid::kStatusDead)) {
        halo.visible = false;
    }
    timer += dt;
    RebuildWorld();
}

void cCheckPoint::Glow(float dt) {
    const Engine::Vector3 point = position + Engine::Vector3{0.0f, kGlowHeight, 0.0f};
    // Without a camera nothing is seen, so the point counts as off screen.
    float from_centre = 1.0f;
    const Engine::cSceneRenderer* scene = Engine::GetSceneRenderer();
    if (const Engine::cCameraGfxCmp* camera = scene != nullptr ? scene->ActiveCamera() : nullptr) {
        const Engine::UnitPoint unit = camera->ProjectToUnit(point);
        from_centre = std::hypot(unit.u - 0.5f, unit.v - 0.5f);
    }
    halo_level = 0.5f * std::min(1.0f, 2.0f * timer);
    const float alpha = std::clamp(halo_level - from_centre + 0.2f, 0.0f, kMaxGlowAlpha);
    halo.emissive.a = alpha;
    MarkerParts::SendSparks(kSparksPerSecond * alpha, dt, point, particle_carry);
}

void cCheckPoint::SetLit(bool on) {
    lit = on;
    timer = 0.0f;
    halo.visible = on;
    if (Engine::iSoundManager* sounds = Engine::GetSoundManager()) {
        sounds->Play(std::string(Content::kLightsOnSound), false, 1.0f);
    }
}

void cCheckPoint::TouchedByKid(cKid& kid) {
    cCheckpointRecord& record = cLevelManager::Instance().checkpoint;
    record.position = position;
    record.reached = true;
    record.checkpoint_id = LevelOrdinal();
    auto* last = dynamic_cast<cCheckPoint*>(kid.last_checkpoint);
    // The kid's last checkpoint still dark is this one on the second frame of
    // its first contact: put out and lit at once, it stays lit from then on.
    if (last != nullptr && !last->lit) {
        last->SetLit(false);
        SetLit(true);
    }
    kid.last_checkpoint = this;
}

int cCheckPoint::LevelOrdinal() const {
    int ordinal = 0;
    for (const Engine::iBaseEntity* entity : cLevelManager::Instance().level_entities) {
        if (entity == this) return ordinal;
        if (entity != nullptr && entity->GetType() == GetType()) ++ordinal;
    }
    return 0;
}

std::int32_t cCheckPoint::OnCollision(Engine::iPhysicsCmp* self, Engine::iPhysicsCmp* other) {
    auto* checkpoint = static_cast<cCheckPoint*>(self->GetOwner());
    if (checkpoint == nullptr || other == nullptr || !checkpoint->active) return 0;
    if (other->GetName().rfind("Kid", 0) != 0 || other->GetOwner() == nullptr) return 0;
    // Only the kid's own body carries a name beginning "Kid", with the kid as its owner.
    checkpoint->TouchedByKid(*static_cast<cKid*>(other->GetOwner()));
    return 0;
}

}  // namespace Game
