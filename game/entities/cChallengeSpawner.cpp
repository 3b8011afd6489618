#include "game/entities/cChallengeSpawner.h"

#include <algorithm>  // std::max, std::min
#include <cmath>

#include "engine/core/Random.h"
#include "engine/core/cLog.h"
#include "game/entities/cBaseEnemy.h"
#include "game/entities/cGameFactory.h"
#include "game/entities/cKid.h"
#include "game/entities/cStroke.h"
#include "game/entities/iLevelObject.h"

namespace Game {

namespace Types = GAME_ENT_TYPES;

namespace {
constexpr const char* kEnemyName = "ChallengeEnemy";
}  // namespace

cChallengeSpawner::cChallengeSpawner(cKid* target, const KidTuning& tuning)
    : rate(tuning.base_rate_of_spawn),
      timer(tuning.base_rate_of_spawn),
      rate_step(tuning.rate_of_spawn_increment),
      min_rate(tuning.min_rate_of_spawn),
      count(static_cast<std::int32_t>(tuning.base_number_per_spawn)),
      count_step(tuning.number_per_spawn_increment),
      max_count(static_cast<std::int32_t>(tuning.max_number_per_spawn)),
      kid(target) {}

int cChallengeSpawner::Update(float dt, const Engine::Vector3& centre) {
    if (!active) return 0;
    timer -= dt;
    if (timer > 0.0f) return 0;
    rate = std::max(rate - rate_step, min_rate);
    return SendWave(centre);
}

Types::eGameEntityTypes cChallengeSpawner::KindFor(float r) {
    if (r <= 0.5f) return Types::DUMB_ENEMY;
    if (r <= 0.7f) return Types::DUMB_ENEMY_FAST;
    if (r <= 0.9f) return Types::DUMB_ENEMY_HP;
    if (r <= 0.95f) return Types::BOMB_ENEMY;
    return Types::WITCH_ENEMY;
}

// The wave's size is a random one to three, as players know the waves; the
// growing count is kept (up to max_count) for a designer who wants to see it.
int cChallengeSpawner::SendWave(const Engine::Vector3& centre) {
    const int size = Engine::rnd(kLargestWave) + 1;
    count = std::min(count + static_cast<std::int32_t>(count_step), max_count);
    int made = 0;
    for (int i = 0; i < size; ++i) {
        const float angle = static_cast<float>(Engine::rnd(340) + 10) * kWaveDegToRad;
        const float r = static_cast<float>(Engine::rnd(100)) / 100.0f;
        const Engine::Vector3 place = centre + Engine::Vector3{kRadius * std::cos(angle), 0.0f, kRadius * std::sin(angle)};
        if (SpawnEnemy(KindFor(r), place)) ++made;
        timer = rate + static_cast<float>(Engine::rnd(100)) / 100.0f;
    }
    return made;
}

bool cChallengeSpawner::SpawnEnemy(Types::eGameEntityTypes kind, const Engine::Vector3& place) {
    cGameFactory& factory = cGameFactory::Instance();
    if (factory.GetFactory(kind) == nullptr) return false;
    Engine::iBaseEntity* created = factory.Create(kind);
    auto* enemy = dynamic_cast<cBaseEnemy*>(created);
    auto* object = dynamic_cast<iLevelObject*>(created);
    if (enemy == nullptr || object == nullptr) {
        Engine::LogError("Challenge: enemy type " + std::to_string(kind) + " cannot be set up by a spawner");
        factory.Destroy(&created);
        return false;
    }
    enemy->Init(kEnemyName);
    enemy->position = place;
    enemy->scale = Engine::Vector3{1.0f, 1.0f, 1.0f};
    enemy->RebuildWorld();
    LevelObjectValues values;
    values.name = kEnemyName;
    values.position = place;
    values.kid = kid;
    values.stroke = stroke;
    if (!object->SetUpFromLevel(values)) {
        Engine::LogError("Challenge: an enemy of type " + std::to_string(kind) + " refused its set-up");
        factory.Destroy(&created);
        return false;
    }
    // The plain and fast ghosts start below the ground and rise out of it.
    if (kind == Types::DUMB_ENEMY || kind == Types::DUMB_ENEMY_FAST) enemy->SetPosition({place.x, kRiseHeight, place.z});
    enemy->kid = kid;
    enemy->stroke = stroke;
    enemy->SetActive(true);
    return true;
}

}  // namespace Game
