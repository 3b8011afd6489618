#pragma once
// MarkerFixture: the enemy play field (EnemyFixture) with what the level
// markers meet in play: the "CheckPoint" group paired with the kid, the
// weather systems started around the kid, a fresh level manager (whose
// checkpoint record the checkpoints write) and a stand-in gameplay camera
// that writes down the cinematic shots it is asked to play.

#include <vector>

#include "engine/physics/cCollisionManager.h"
#include "game/data/cLevelManager.h"
#include "game/entities/cEnvironmentEffects.h"
#include "game/entities/iCinematicCamera.h"
#include "tests/game/entities/EnemyFixture.h"

namespace MarkerTest {

// A camera entity that only records the shots it is given.
class cShotRecorder : public Engine::cEntity, public Game::iCinematicCamera {
public:
    std::int32_t GetType() const override { return Game::GAME_ENT_TYPES::GAME_CAMERA; }
    void StartShot(const Game::CinematicTarget& shot) override { shots.push_back(shot); }

    std::vector<Game::CinematicTarget> shots;
};

class MarkerFixture : public EnemyTest::EnemyFixture {
protected:
    void SetUp() override {
        EnemyFixture::SetUp();
        Game::cLevelManager::Destroy();
        Engine::cCollisionManager& collisions = Engine::cCollisionManager::Instance();
        collisions.GetGroup("CheckPoint", Engine::eCollisionGroupKind::Singular);
        collisions.AddGroupPair("CheckPoint", "Kid");
        Game::cEnvironmentEffects::Instance().Reset(kid.get());
        Place(*kid, {0.0f, 0.0f, -30.0f});
    }

    void TearDown() override {
        Game::cEnvironmentEffects::Destroy();
        Game::cLevelManager::Destroy();
        EnemyFixture::TearDown();
    }

    // A marker of type from the factory, set up from values the way the level loader does it.
    template <typename T>
    T* MakeMarker(Game::EntityTypeId type, Game::LevelObjectValues values) {
        auto* marker = dynamic_cast<T*>(Game::cGameFactory::Instance().Create(type));
        if (marker == nullptr) return nullptr;
        marker->Init(values.name);
        marker->position = values.position;
        marker->scale = values.scale;
        return marker->SetUpFromLevel(values) ? marker : nullptr;
    }

    static Game::LevelObjectValues At(const Engine::Vector3& where, const Engine::Vector3& size = {1.0f, 1.0f, 1.0f}) {
        Game::LevelObjectValues values;
        values.name = "Marker";  // the loader names every object before its set-up
        values.position = where;
        values.scale = size;
        return values;
    }

    Game::cCheckpointRecord& Record() { return Game::cLevelManager::Instance().checkpoint; }

    cShotRecorder camera;
};

}  // namespace MarkerTest
