#include "game/entities/cTimeSpawnEnemy.h"

#include <algorithm>

namespace Game {

bool cTimeSpawnEnemy::SetUpFromLevel(const LevelObjectValues& values) {
    interval = values.time_interval;
    waves = values.no_of_waves;
    Setup(values.position);
    return true;
}

void cTimeSpawnEnemy::Setup(const Engine::Vector3& at) {
    if (name.empty()) {
        Init("TimeSpawnEnemy");
    } else {
        name = "TimeSpawnEnemy";
    }
    SetPosition(at);
    waves_released = 0;
    timer = 0.0f;
    ShareOut();
}

void cTimeSpawnEnemy::AddSpawn(Engine::iBaseEntity* spawn) {
    cSpawnEnemy::AddSpawn(spawn);
    ShareOut();
}

void cTimeSpawnEnemy::ShareOut() {
    per_wave = waves == 0 ? 0 : static_cast<std::uint32_t>(enemies.size()) / waves;
}

void cTimeSpawnEnemy::Update(float dt) {
    RebuildWorld();
    if (waves_released >= waves) return;
    timer += dt;
    if (timer > interval) ReleaseWave();
}

void cTimeSpawnEnemy::ReleaseWave() {
    const std::size_t count = std::min<std::size_t>(per_wave, enemies.size());
    for (std::size_t i = 0; i < count; ++i) Activate(enemies[i]);
    enemies.erase(enemies.begin(), enemies.begin() + static_cast<std::ptrdiff_t>(count));
    ++waves_released;
    timer = 0.0f;
}

void cTimeSpawnEnemy::Reset() {
    interval = 1.0f;
    waves = 0;
    waves_released = 0;
    timer = 0.0f;
    per_wave = 0;
    cSpawnEnemy::Reset();
}

}  // namespace Game
