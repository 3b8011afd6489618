#include "game/entities/cSpawnEnemy.h"

#include <string>

#include "engine/audio/SoundManagerAccess.h"
#include "engine/audio/iSoundManager.h"
#include "engine/physics/BoxOperations.h"
#include "engine/physics/cCollisionAABB.h"
#include "engine/physics/cPhysicsWorld.h"
#include "engine/physics/ePhysicsFlags.h"
#include "game/entities/cBaseEnemy.h"

namespace Game {

namespace {

const std::string kReleaseSound = "spawn";

}  // namespace

bool cSpawnEnemy::SetUpFromLevel(const LevelObjectValues& values) {
    Setup(values.position, values.scale);
    return true;
}

void cSpawnEnemy::Setup(const Engine::Vector3& at, const Engine::Vector3& size) {
    if (name.empty()) {
        Init("SpawnEnemy");
    } else {
        name = "SpawnEnemy";
    }
    position = at;
    scale = size;
    RebuildWorld();
    auto* box = new Engine::cCollisionAABB();
    Engine::SetHalfExtents(*box, size * 0.5f);
    box->UpdatePosition(position);
    physics = Engine::cPhysicsWorld::Instance().CreateObject(kCollisionGroup, box, "SpawnEnemy", &position);
    physics->SetOwner(this);
    physics->SetFlag(Engine::ePhysicsFlags::NoResponse, true);
    physics->SetCallback(&cSpawnEnemy::OnCollision);
    link_count = 1;
    SetActive(true);
}

void cSpawnEnemy::AddSpawn(Engine::iBaseEntity* spawn) {
    if (spawn == nullptr) return;
    enemies.push_back(spawn);
    ++link_count;
}

void cSpawnEnemy::Reset() {
    enemies.clear();
    link_count = 0;
    cEntity::Reset();
}

void cSpawnEnemy::Release() {
    if (Engine::iSoundManager* sounds = Engine::GetSoundManager()) sounds->Play(kReleaseSound, false, 1.0f);
    for (Engine::iBaseEntity* spawn : enemies) {
        // Enemies come up out of the ground; a nested spawner just arms itself.
        if (auto* enemy = dynamic_cast<cBaseEnemy*>(Activate(spawn))) {
            enemy->SetPosition({enemy->position.x, kReleaseHeight, enemy->position.z});
        }
    }
    SetActive(false);
}

Engine::cEntity* cSpawnEnemy::Activate(Engine::iBaseEntity* spawn) {
    auto* entity = dynamic_cast<Engine::cEntity*>(spawn);
    if (entity != nullptr) entity->SetActive(true);
    return entity;
}

std::int32_t cSpawnEnemy::OnCollision(Engine::iPhysicsCmp* self, Engine::iPhysicsCmp* other) {
    auto* spawner = static_cast<cSpawnEnemy*>(self->GetOwner());
    if (spawner == nullptr || other == nullptr || !spawner->active) return 0;
    if (other->GetName().rfind("Kid", 0) == 0) spawner->Release();
    return 0;
}

}  // namespace Game
