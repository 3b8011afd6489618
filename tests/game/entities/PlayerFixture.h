#pragma once
// PlayerFixture: a headless play field for the kid and the stroke. Each test
// runs in a temporary folder holding the game folder (tuning files go into
// GameData/XML_Game/ there), with the particle services of ParticleServices,
// a registered game factory, a weightless physics world, clear keyboard and
// mouse state, and a sound manager that records what is played and stopped.
// Step runs one frame the way the gameplay state does: entity updates, then
// the physics step, then the input ageing of the next frame.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/audio/SoundManagerAccess.h"
#include "engine/core/cEngineSettings.h"
#include "engine/entity/cSceneManager.h"
#include "engine/physics/cCollisionManager.h"
#include "engine/physics/cPhysicsWorld.h"
#include "engine/platform/cKeyboardState.h"
#include "engine/platform/cMouseState.h"
#include "engine/render/scene/cCameraGfxCmp.h"
#include "engine/render/scene/cLightManager.h"
#include "engine/render/scene/cLightPool.h"
#include "engine/render/scene/cShadowCasterList.h"
#include "game/data/cEnemyStatsTable.h"
#include "game/data/cGameData.h"
#include "game/data/cLevelManager.h"
#include "game/entities/cGameFactory.h"
#include "game/entities/cKid.h"
#include "game/entities/cStroke.h"
#include "tests/engine/audio/RecordingSounds.h"
#include "tests/game/entities/ParticleServices.h"

class PlayerFixture : public ParticleServices {
protected:
    PlayerFixture() {
        FreshPlay();
        Engine::cPhysicsWorld::Instance().Reset({0.0f, 0.0f, 0.0f});
        Game::cGameFactory::Instance().Register();
        Engine::InstallSoundManager(std::make_unique<RecordingSounds>(sounds));
        dir.Write("GameData/XML_Game/.keep", "");
    }

    ~PlayerFixture() override {
        Game::cGameFactory::Instance().Shutdown();
        FreshPlay();
        Engine::DestroySoundManager();
    }

    static void FreshPlay() {
        Game::cGameFactory::Destroy();
        Engine::cSceneManager::Destroy();
        Engine::cCollisionManager::Destroy();
        Engine::cPhysicsWorld::Destroy();
        Game::cEnemyStatsTable::Destroy();
        Engine::cLightPool::Destroy();
        Engine::cLightManager::Destroy();
        Engine::cShadowCasterList::Destroy();
        Engine::cKeyboardState::Instance().Clear();
        Engine::cMouseState::Instance().Clear();
        Engine::cEngineSettings::Instance().developer_mode = false;
        Game::cGameData::Instance().challenge_spawning = false;
        Game::cLevelManager::Instance().current_state = [] { return 10; };
        Game::cLevelManager::Instance().current_number = 1;
    }

    // A tuning file of the game folder.
    void WriteTuning(const std::string& element, const std::string& attributes) {
        dir.Write("GameData/XML_Game/" + element + ".xml", "<" + element + " " + attributes + "/>\n");
    }

    // The three ghosts' stats, so that the factory's ghosts can be set up.
    void LoadGhostStats() {
        dir.Write("EnemyStats.xml",
                  "<EnemyStats><EnemyStat Name=\"DollEnemy\" Health=\"100\" Speed=\"1\" AttPower=\"10\"/>"
                  "<EnemyStat Name=\"DollEnemyFast\" Health=\"100\" Speed=\"1\" AttPower=\"10\"/>"
                  "<EnemyStat Name=\"DollEnemyHP\" Health=\"100\" Speed=\"1\" AttPower=\"10\"/></EnemyStats>");
        ASSERT_TRUE(Game::cEnemyStatsTable::Instance().Load(dir.Path().string() + "/", "EnemyStats.xml"));
    }

    // A kid made as the level loader makes one.
    Game::cKid* MakeKid(const Engine::Vector3& at = {0.0f, 0.0f, 0.0f}) {
        auto* kid = Game::cGameFactory::Instance().CreateTyped<Game::cKid>(Game::GAME_ENT_TYPES::KID);
        kid->Init("Kid");
        kid->position = at;
        Game::LevelObjectValues values;
        values.name = "Kid";
        values.position = at;
        kid->SetUpFromLevel(values);
        return kid;
    }

    // A stroke made as the level loader makes one, following camera.
    Game::cStroke* MakeStroke(Game::cKid* kid = nullptr) {
        auto* stroke = Game::cGameFactory::Instance().CreateTyped<Game::cStroke>(Game::GAME_ENT_TYPES::STROKE);
        stroke->Init("Stroke");
        Game::LevelObjectValues values;
        values.name = "Stroke";
        values.kid = kid;
        values.stroke = stroke;
        stroke->SetUpFromLevel(values);
        stroke->SetCamera(&camera);
        return stroke;
    }

    // One frame of dt seconds: every live entity, then the physics step, then input ageing.
    static void Step(float dt) {
        Engine::cSceneManager::Instance().Update(dt);
        Engine::cPhysicsWorld::Instance().Step(dt);
        Engine::cKeyboardState::Instance().Age(dt);
        Engine::cMouseState::Instance().Age();
    }

    // Frames of dt until seconds have passed.
    static void Run(float seconds, float dt) {
        const int frames = static_cast<int>(seconds / dt + 0.5f);
        for (int i = 0; i < frames; ++i) Step(dt);
    }

    // A camera at eye looking at target, 640 x 480 pixels.
    void Aim(const Engine::Vector3& eye, const Engine::Vector3& target) {
        camera.Initialise(eye, target, {0.0f, 1.0f, 0.0f}, 60.0f, 0.1f, 200.0f);
        camera.aspect = 640.0f / 480.0f;
        camera.viewportWidth = 640.0f;
        camera.viewportHeight = 480.0f;
    }

    std::vector<std::string> sounds;
    Engine::cCameraGfxCmp camera;
};
