#pragma once
// Level object stand-ins for the level tests: entity classes that implement
// the level set-up and the spawner hand-over by recording what they receive;
// and the services a level load touches, made afresh for each test.

#include <string>
#include <vector>

#include "engine/entity/cEntity.h"
#include "engine/entity/cSceneManager.h"
#include "engine/render/scene/cLightManager.h"
#include "engine/render/scene/cLightPool.h"
#include "game/data/cLevelManager.h"
#include "game/entities/cGameFactory.h"
#include "game/entities/LevelObjectValues.h"
#include "game/entities/cTileLayerCells.h"
#include "game/entities/eGameEntityTypes.h"
#include "game/entities/iLevelObject.h"
#include "game/entities/iLevelSpawner.h"

namespace TestSupport {

// Releases every entity and destroys the services a level load touches: the
// level manager, the game factory, the scene manager and the light services
// (every load sets up the level's sun).
inline void DestroyLevelServices() {
    Game::cLevelManager::Destroy();
    if (Game::cGameFactory::Exists()) Game::cGameFactory::Instance().Shutdown();
    Game::cGameFactory::Destroy();
    Engine::cSceneManager::Destroy();
    Engine::cLightPool::Destroy();
    Engine::cLightManager::Destroy();
}

// Fresh services with an empty factory table: each test provides the classes
// it loads, so the real entity classes and their catalogues stay out of the
// loader's own tests.
inline bool StartLevelServices() {
    DestroyLevelServices();
    return Game::cGameFactory::Instance().SetTypeCount(Game::kEntityTypeCount);
}

namespace Types = Game::GAME_ENT_TYPES;
using Game::LevelObjectValues;

// Keeps the values of its set-up; refuses a catalogue id of "Missing", as a
// class does when its catalogue entry is missing.
template <Types::eGameEntityTypes Type>
class cRecorder : public Engine::cEntity, public Game::iLevelObject {
public:
    std::int32_t GetType() const override { return Type; }
    bool SetUpFromLevel(const LevelObjectValues& given) override {
        values = given;
        ++set_ups;
        placed_at_set_up = position;
        if (given.tile_cells != nullptr) tile_text = given.tile_cells->Text();
        return given.catalogue_id != "Missing";
    }
    void Reset() override {
        Engine::cEntity::Reset();
        values = LevelObjectValues{};
        set_ups = 0;
        tile_text.clear();
    }

    LevelObjectValues values;
    int set_ups = 0;
    Engine::Vector3 placed_at_set_up;
    std::string tile_text;
};

// A spawner that lists what it was handed and where it stood at each hand-over.
template <Types::eGameEntityTypes Type>
class cSpawnerRecorder : public cRecorder<Type>, public Game::iLevelSpawner {
public:
    void AddSpawn(Engine::iBaseEntity* spawn) override {
        spawns.push_back(spawn);
        positions.push_back(this->position);
    }
    void Reset() override {
        cRecorder<Type>::Reset();
        spawns.clear();
        positions.clear();
    }

    std::vector<Engine::iBaseEntity*> spawns;
    std::vector<Engine::Vector3> positions;
};

template <Types::eGameEntityTypes Type>
cRecorder<Type>* Recorded(Engine::iBaseEntity* e) {
    return dynamic_cast<cRecorder<Type>*>(e);
}

template <Types::eGameEntityTypes Type>
cSpawnerRecorder<Type>* Spawner(Engine::iBaseEntity* e) {
    return dynamic_cast<cSpawnerRecorder<Type>*>(e);
}

}  // namespace TestSupport
