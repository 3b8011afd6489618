#include "game/entities/cWinPoint.h"

#include <algorithm>

#include "engine/core/Quaternion.h"
#include "engine/physics/cCollisionAABB.h"
#include "engine/physics/cPhysicsWorld.h"
#include "engine/physics/ePhysicsFlags.h"
#include "game/entities/MarkerParts.h"
#include "game/entities/PrefabParts.h"
#include "game/entities/cKid.h"
#include "game/entities/iCinematicCamera.h"

namespace Game {

namespace {

constexpr float kDegToRad = 0.017453292f;
// The body's half size when the model is missing.
constexpr Engine::Vector3 kFallbackHalf{0.5f, 0.5f, 0.5f};

}  // namespace

bool cWinPoint::SetUpFromLevel(const LevelObjectValues& values) {
    Setup(values.position, values.scale, values.rotation_degrees);
    game_camera = values.game_camera;
    shot = values.cinematic.value_or(CinematicTarget{});
    return true;
}

void cWinPoint::Setup(const Engine::Vector3& at, const Engine::Vector3& size, float rotation_degrees) {
    // The level loader has made the entity live already; others hand over a pooled one.
    if (name.empty()) {
        Init("Win");
    } else {
        name = "Win";
    }
    position = at;
    scale = size;
    rotation = Engine::Quaternion::FromAxisAngle({0.0f, 1.0f, 0.0f}, rotation_degrees * kDegToRad);
    RebuildWorld();
    triggered = false;
    timer = 0.0f;
    halo_alpha = 0.0f;
    particle_carry = 0.0f;
    AttachPrefabModel(*this, GAME_ENT_TYPES::WIN_POINT);
    CreateBody();
    MarkerParts::CreateHalo(halo, position, kHaloSize, kHaloHeight);
}

void cWinPoint::CreateBody() {
    physics = Engine::cPhysicsWorld::Instance().CreateObject(kCollisionGroup, MakeModelBox(*this, kFallbackHalf), kBodyName,
                                                             &position);
    physics->SetOwner(static_cast<cWinPoint*>(this));
    physics->SetFlag(Engine::ePhysicsFlags::NoResponse, true);
    physics->SetRestitution(kRestitution);
    physics->SetCallback(&cWinPoint::OnCollision);
}

void cWinPoint::Reset() {
    halo.Reset();  // leaves the billboard list and hands the quad back, when in use
    game_camera = nullptr;
    shot = CinematicTarget{};
    triggered = false;
    timer = 0.0f;
    halo_alpha = 0.0f;
    particle_carry = 0.0f;
    cEntity::Reset();
}

void cWinPoint::Update(float dt) {
    if (triggered) {
        timer += dt;
        halo_alpha = kHaloAlpha * std::min(1.0f, timer);
        halo.emissive.a = halo_alpha;
        MarkerParts::SendSparks(kSparksPerSecond, dt, position, particle_carry);
    }
    RebuildWorld();
}

void cWinPoint::TouchedByKid(cKid& kid) {
    kid.status |= cKid::kStatusWon;
    if (triggered) return;
    triggered = true;
    halo.visible = true;
    if (auto* camera = dynamic_cast<iCinematicCamera*>(game_camera)) camera->StartShot(shot);
}

std::int32_t cWinPoint::OnCollision(Engine::iPhysicsCmp* self, Engine::iPhysicsCmp* other) {
    auto* win = static_cast<cWinPoint*>(self->GetOwner());
    if (win == nullptr || other == nullptr || !win->active) return 0;
    if (other->GetName().rfind("Kid", 0) != 0 || other->GetOwner() == nullptr) return 0;
    // Only the kid's own body carries a name beginning "Kid", with the kid as its owner.
    win->TouchedByKid(*static_cast<cKid*>(other->GetOwner()));
    return 0;
}

}  // namespace Game
