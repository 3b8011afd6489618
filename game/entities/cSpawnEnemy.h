#pragma once
// cSpawnEnemy: a trigger box that holds enemies back until the kid walks into
// it (type 30). The level loader creates the held enemies (and spawners
// nested inside this one) inactive and hands them over in document order;
// when a body named "Kid..." touches the box, the spawner plays "spawn",
// activates every held entity (enemies start their rise two units under the
// ground; a nested spawner is armed and waits for the kid itself) and then
// deactivates itself, so it releases once. An empty spawner still plays its
// sound and switches off.
//
// The held entities stay the factory's: resetting the spawner only forgets
// them. The links the scene editor draws from a spawner to its enemies come
// with the editor.

#include <cstdint>
#include <vector>

#include "engine/core/Vector3.h"
#include "engine/entity/cEntity.h"
#include "engine/physics/iPhysicsCmp.h"
#include "game/entities/eGameEntityTypes.h"
#include "game/entities/iLevelObject.h"
#include "game/entities/iLevelSpawner.h"

namespace Game {

class cSpawnEnemy : public Engine::cEntity, public iLevelObject, public iLevelSpawner {
public:
    // The collision group of the trigger box.
    static constexpr const char* kCollisionGroup = "Trigger";
    // Released enemies start this far under the ground.
    static constexpr float kReleaseHeight = -2.0f;

    std::int32_t GetType() const override { return GAME_ENT_TYPES::SPAWN_ENEMY; }

    // Setup at the level's place and size.
    bool SetUpFromLevel(const LevelObjectValues& values) override;
    // Names the spawner and gives it a trigger box of half extents scale / 2.
    void Setup(const Engine::Vector3& at, const Engine::Vector3& size);
    // Holds entity back until the release.
    void AddSpawn(Engine::iBaseEntity* spawn) override;
    // Forgets the held entities, then tears the spawner down.
    void Reset() override;

    // Plays the sound, activates every held entity and switches the spawner off.
    void Release();
    // The trigger box's callback: a live spawner touched by the kid releases.
    static std::int32_t OnCollision(Engine::iPhysicsCmp* self, Engine::iPhysicsCmp* other);

    // The held entities in the order they were handed over.
    const std::vector<Engine::iBaseEntity*>& Enemies() const { return enemies; }

    std::int32_t link_count = 1;  // the number the next editor link is named with

protected:
    // Activates one held entity; the entity, or null when it is not one.
    static Engine::cEntity* Activate(Engine::iBaseEntity* spawn);

    std::vector<Engine::iBaseEntity*> enemies;
};

}  // namespace Game
