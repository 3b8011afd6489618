#pragma once
// cTimeSpawnEnemy: releases its enemies in waves over time (type 31), near
// the kid or not. The level file gives the seconds between waves
// ("TimeInterval") and their number ("NoOfWaves"), and the loader hands over
// every wave's enemies, inactive, wave after wave. Each wave is an equal share
// of them: the first wave comes interval seconds after the level starts and
// activates the first share, the next one interval seconds later, until all
// waves are out. A spawner with no waves holds nothing and releases nothing.
// It has no body and no model of its own.

#include <cstdint>

#include "engine/core/Vector3.h"
#include "game/entities/cSpawnEnemy.h"
#include "game/entities/eGameEntityTypes.h"

namespace Game {

class cTimeSpawnEnemy : public cSpawnEnemy {
public:
    std::int32_t GetType() const override { return GAME_ENT_TYPES::TIME_SPAWN_ENEMY; }

    // Takes the interval and the number of waves, then Setup at the level's place.
    bool SetUpFromLevel(const LevelObjectValues& values) override;
    // Names the spawner and places it; the waves are counted as they are handed over.
    void Setup(const Engine::Vector3& at);
    // Holds entity back for its wave and shares the held entities out anew.
    void AddSpawn(Engine::iBaseEntity* spawn) override;
    // Counts down to the next wave and releases it when its time has come.
    void Update(float dt) override;
    // Forgets the held entities and the wave count, then tears the spawner down.
    void Reset() override;

    // Activates the next per_wave held entities and lets go of them.
    void ReleaseWave();

    float interval = 1.0f;
    std::uint32_t waves = 0;
    std::uint32_t waves_released = 0;
    float timer = 0.0f;
    std::uint32_t per_wave = 0;

private:
    // The share of the held entities one wave releases; 0 without waves.
    void ShareOut();
};

}  // namespace Game
