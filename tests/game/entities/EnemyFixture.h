#pragma once
// EnemyFixture: a headless play field for the enemy tests. Each test runs in a
// temporary folder with the null device layer, the scene renderer and its
// model pool, the game factory, a prefab catalogue that gives the three
// ghosts a keyframed mesh ("GhostWalk", "GhostOnHit" and "GhostDeath", two
// frames each, about a unit across), an enemy stats
// table of its own, and the physics world with the gameplay's contact pairs
// (enemies with the kid and the stroke, triggers with the kid).
//
// The shared effects exist (their bursts stay staged, as no step updates the
// particles) and a recording sound manager writes down every sound played.
//
// The kid and the stroke are plain objects that are not in the scene: the
// tests place them and write their fields, and their bodies ("Kid",
// "Stroke") touch the enemies through the real collision pass. Step runs one
// gameplay step: deliver deletions, update the scene, step the physics and
// the collision pass.

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "engine/audio/SoundManagerAccess.h"
#include "engine/core/cLog.h"
#include "engine/entity/cSceneManager.h"
#include "engine/particles/cParticleManager.h"
#include "engine/physics/BoxOperations.h"
#include "engine/physics/cCollisionAABB.h"
#include "engine/physics/cCollisionManager.h"
#include "engine/physics/cPhysicsWorld.h"
#include "engine/physics/ePhysicsFlags.h"
#include "engine/physics/iPhysicsCmp.h"
#include "engine/render/cRenderSystem.h"
#include "engine/render/gl/DeviceLayer.h"
#include "engine/render/scene/SceneRendererAccess.h"
#include "engine/render/scene/cSceneRenderer.h"
#include "engine/resource/cAnimationRegistry.h"
#include "engine/resource/cResourceSystem.h"
#include "game/data/cEnemyStatsTable.h"
#include "game/data/cModelCatalogue.h"
#include "game/entities/LevelObjectValues.h"
#include "game/entities/cGameFactory.h"
#include "game/entities/cGlobalEffects.h"
#include "game/entities/cKid.h"
#include "game/entities/cStroke.h"
#include "tests/engine/audio/RecordingSounds.h"
#include "tests/support/Md2FileWriter.h"
#include "tests/support/TempDir.h"

namespace EnemyTest {

// Plain numbers, so that hits and touches add up exactly in the tests.
inline const char* const kStats = R"(<EnemyStats>
  <EnemyStat Name="DollEnemy" Health="0.25" Speed="2" AttPower="0.4"/>
  <EnemyStat Name="DollEnemyFast" Health="0.15" Speed="3" AttPower="0.5"/>
  <EnemyStat Name="DollEnemyHP" Health="0.45" Speed="1.5" AttPower="0.25"/>
</EnemyStats>
)";

inline const char* const kPrefabs = R"(<Prefabs>
  <Prefab id="BasicEnemy"><meshData meshName="GhostMesh" TextureSetName="GhostTS" materialName="StandardMat"/></Prefab>
  <Prefab id="BasicEnemyFast"><meshData meshName="GhostMesh" TextureSetName="GhostTS" materialName="StandardMat"/></Prefab>
  <Prefab id="BasicEnemyHP"><meshData meshName="GhostMesh" TextureSetName="GhostTS" materialName="StandardMat"/></Prefab>
</Prefabs>
)";

inline constexpr float kFrame = 1.0f / 60.0f;

class EnemyFixture : public ::testing::Test {
protected:
    void SetUp() override {
        Fresh();
        ASSERT_TRUE(Engine::CreateDeviceLayer(Engine::eDeviceLayer::Null));
        Engine::DisplayMode mode;
        mode.windowWidth = 640;
        mode.windowHeight = 480;
        Engine::cRenderSystem& render = Engine::cRenderSystem::Instance();
        Engine::CreateSceneRenderer(*render.Renderer(), mode);
        Engine::cParticleManager::Instance().SetDevice(render.Renderer(), render.BufferManager());
        Engine::cParticleManager::Instance().Start();
        Game::cGlobalEffects::Instance().Create();
        Engine::InstallSoundManager(std::make_unique<RecordingSounds>(sounds));
        ASSERT_TRUE(Game::cGameFactory::Instance().Register());
        ASSERT_TRUE(Game::cModelCatalogue::Instance().LoadPrefabs(dir.Write("PrefabData.xml", kPrefabs)));
        LoadGhostMesh();
        LoadStats(kStats);
        Engine::cPhysicsWorld::Instance().Reset({0.0f, -10.0f, 0.0f});
        Engine::cCollisionManager& collisions = Engine::cCollisionManager::Instance();
        for (const char* group : {"Enemy", "Kid", "Stroke", "Trigger"}) {
            collisions.GetGroup(group, Engine::eCollisionGroupKind::Singular);
        }
        collisions.AddGroupPair("Enemy", "Kid");
        collisions.AddGroupPair("Enemy", "Stroke");
        collisions.AddGroupPair("Trigger", "Kid");
        kid = std::make_unique<Game::cKid>();
        stroke = std::make_unique<Game::cStroke>();
        kid->health = 1.0f;
        kid->physics = Body("Kid", *kid, {0.0f, 0.0f, 0.0f});
        stroke->physics = Body("Stroke", *stroke, {0.0f, 0.5f, 50.0f});
    }

    void TearDown() override {
        Game::cGameFactory::Instance().Shutdown();
        Fresh();
        stroke.reset();
        kid.reset();
    }

    static void Fresh() {
        Engine::DestroySoundManager();
        Game::cGameFactory::Destroy();
        Game::cGlobalEffects::Destroy();
        Engine::cParticleManager::Destroy();
        Game::cModelCatalogue::Destroy();
        Game::cEnemyStatsTable::Destroy();
        Engine::cSceneManager::Destroy();
        Engine::cCollisionManager::Destroy();
        Engine::cPhysicsWorld::Destroy();
        Engine::DestroySceneRenderer();
        Engine::cAnimationRegistry::Destroy();
        Engine::cResourceSystem::Destroy();
        Engine::cRenderSystem::Destroy();
        Engine::cLog::Destroy();
    }

    void LoadStats(const std::string& text) {
        dir.Write("EnemyStats.xml", text);
        ASSERT_TRUE(Game::cEnemyStatsTable::Instance().Load(dir.Path().string() + "/", "EnemyStats.xml"));
    }

    void LoadGhostMesh() {
        TestSupport::Md2Description ghost;
        ghost.frameNames = {"GhostWalk1", "GhostWalk2", "GhostOnHit1", "GhostOnHit2", "GhostDeath1", "GhostDeath2"};
        ghost.frameScale = 0.1f;
        ghost.frameTranslate = -0.3f;
        const std::vector<uint8_t> bytes = TestSupport::MakeMd2(ghost);
        std::ofstream(dir.File("ghost.md2"), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        Engine::cMeshManager& meshes = *Engine::cResourceSystem::Instance().MeshManager();
        ASSERT_NE(meshes.LoadMesh("GhostMesh", "ghost.md2", dir.Path().string() + "/", {}, {}, true, true), nullptr);
    }

    // A body of half size 0.5 for an object outside the scene: no response, no gravity.
    static Engine::iPhysicsCmp* Body(const std::string& tag, Engine::cEntity& owner, const Engine::Vector3& at) {
        owner.position = at;
        auto* box = new Engine::cCollisionAABB();
        Engine::SetHalfExtents(*box, {0.5f, 0.5f, 0.5f});
        box->UpdatePosition(owner.position);
        Engine::iPhysicsCmp* body = Engine::cPhysicsWorld::Instance().CreateObject(tag, box, tag, &owner.position);
        body->SetOwner(&owner);
        body->SetFlag(Engine::ePhysicsFlags::NoResponse, true);
        return body;
    }

    // Moves an outside object and its body's box.
    static void Place(Engine::cEntity& owner, const Engine::Vector3& at) {
        owner.position = at;
        owner.physics->GetShape()->UpdatePosition(at);
    }

    // An enemy of the type from the factory, named by the loader's rule and set
    // up with the fixture's kid and stroke; null, handed back, when refused.
    template <typename T>
    T* Make(Game::EntityTypeId type, const Engine::Vector3& at, const std::string& element = "BasicEnemy") {
        // Create by identifier: the pool of a derived kind is not T's own.
        Engine::iBaseEntity* created = Game::cGameFactory::Instance().Create(type);
        T* entity = dynamic_cast<T*>(created);
        if (entity == nullptr) {
            Game::cGameFactory::Instance().Destroy(&created);
            return nullptr;
        }
        Game::LevelObjectValues values;
        values.name = element;
        values.position = at;
        values.kid = kid.get();
        values.stroke = stroke.get();
        entity->Init(values.name);
        entity->position = values.position;
        if (entity->SetUpFromLevel(values)) return entity;
        Engine::iBaseEntity* refused = entity;
        Game::cGameFactory::Instance().Destroy(&refused);
        return nullptr;
    }

    // One gameplay step of dt seconds.
    static void Step(float dt = kFrame) {
        Game::cGameFactory::Instance().FlushDeletions();
        Engine::cSceneManager::Instance().Update(dt);
        Engine::cPhysicsWorld::Instance().Update(dt);
    }

    // Steps until seconds have passed.
    static void Run(float seconds, float dt = kFrame) {
        for (float t = 0.0f; t < seconds; t += dt) Step(dt);
    }

    std::string EngineLog() {
        Engine::cLog::Destroy();
        return TestSupport::ReadFile(dir.File("Engine.log"));
    }

    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory in_dir{dir.Path()};
    std::unique_ptr<Game::cKid> kid;
    std::unique_ptr<Game::cStroke> stroke;
    std::vector<std::string> sounds;  // "once Name" or "loop Name", in order played
};

}  // namespace EnemyTest
