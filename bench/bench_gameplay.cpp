// One gameplay step with a crowd: 200 plain ghosts chasing the kid while the
// stroke slashes through them, headless (null device). One iteration is the
// step the gameplay state runs each frame: deliver deletions, update every
// entity through the scene manager, step the physics world and the collision
// pass, advance the model animations and update the particle systems (the
// slash sparks). The ghosts are given health enough never to die and the kid
// stands far away, so the crowd stays the same size for the whole run.
// Reports the time per step and the heap allocations per step once warm
// (counted by the counting operator new). Warm includes one step in which the
// stroke touches every ghost, since the collision pass keeps its contact
// lists at the largest size a frame has needed. The goal is under 1 ms with
// no allocation.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/cLog.h"
#include "engine/entity/cSceneManager.h"
#include "engine/particles/cParticleManager.h"
#include "engine/physics/BoxOperations.h"
#include "engine/physics/cCollisionAABB.h"
#include "engine/physics/cCollisionManager.h"
#include "engine/physics/cPhysicsWorld.h"
#include "engine/physics/ePhysicsFlags.h"
#include "engine/render/cRenderSystem.h"
#include "engine/render/gl/DeviceLayer.h"
#include "engine/render/scene/SceneRendererAccess.h"
#include "engine/render/scene/cSceneRenderer.h"
#include "engine/resource/cAnimationRegistry.h"
#include "engine/resource/cResourceSystem.h"
#include "game/data/cEnemyStatsTable.h"
#include "game/data/cModelCatalogue.h"
#include "game/entities/cDumbEnemy.h"
#include "game/entities/cGameFactory.h"
#include "game/entities/cGlobalEffects.h"
#include "game/entities/cKid.h"
#include "game/entities/cStroke.h"
#include "tests/support/Md2FileWriter.h"
#include "tests/support/TempDir.h"
#include "tests/support/alloc/AllocationCounter.h"

namespace {

constexpr int kGhosts = 200;
constexpr int kColumns = 20;
constexpr float kFrame = 1.0f / 60.0f;
constexpr float kSlashSpeed = 12.0f;

const char* const kStats = R"(<EnemyStats>
  <EnemyStat Name="DollEnemy" Health="1e9" Speed="2" AttPower="0.4"/>
</EnemyStats>
)";

const char* const kPrefabs = R"(<Prefabs>
  <Prefab id="BasicEnemy"><meshData meshName="GhostMesh" TextureSetName="GhostTS" materialName="StandardMat"/></Prefab>
</Prefabs>
)";

// A body for the kid or the stroke, which stand outside the scene.
Engine::iPhysicsCmp* Body(const std::string& tag, Engine::cEntity& owner, const Engine::Vector3& at) {
    owner.position = at;
    auto* box = new Engine::cCollisionAABB();
    Engine::SetHalfExtents(*box, {0.5f, 0.5f, 0.5f});
    box->UpdatePosition(owner.position);
    Engine::iPhysicsCmp* body = Engine::cPhysicsWorld::Instance().CreateObject(tag, box, tag, &owner.position);
    body->SetOwner(&owner);
    body->SetFlag(Engine::ePhysicsFlags::NoResponse, true);
    return body;
}

// The services of a headless play state, a kid far away, the stroke, and the crowd.
class Crowd {
public:
    Crowd() {
        Engine::CreateDeviceLayer(Engine::eDeviceLayer::Null);
        Engine::cRenderSystem& render = Engine::cRenderSystem::Instance();
        Engine::DisplayMode mode;
        mode.windowWidth = 640;
        mode.windowHeight = 480;
        Engine::CreateSceneRenderer(*render.Renderer(), mode);
        Engine::cParticleManager& particles = Engine::cParticleManager::Instance();
        particles.SetDevice(render.Renderer(), render.BufferManager());
        particles.Start();
        Game::cGlobalEffects::Instance().Create();
        Game::cGameFactory::Instance().Register();
        LoadData();
        Engine::cPhysicsWorld::Instance().Reset({0.0f, -10.0f, 0.0f});
        Engine::cCollisionManager& collisions = Engine::cCollisionManager::Instance();
        for (const char* group : {"Enemy", "Kid", "Stroke"}) {
            collisions.GetGroup(group, Engine::eCollisionGroupKind::Singular);
        }
        collisions.AddGroupPair("Enemy", "Kid");
        collisions.AddGroupPair("Enemy", "Stroke");
        kid.health = 1.0f;
        kid.physics = Body("Kid", kid, {0.0f, 0.0f, 10000.0f});
        stroke.physics = Body("Stroke", stroke, {0.0f, 0.5f, -50.0f});
        Populate();
    }

    ~Crowd() {
        Game::cGameFactory::Instance().Shutdown();
        Game::cGameFactory::Destroy();
        Game::cGlobalEffects::Destroy();
        Engine::cParticleManager::Destroy();
        Engine::cSceneManager::Destroy();
        Engine::cCollisionManager::Destroy();
        Engine::cPhysicsWorld::Destroy();
        Engine::DestroySceneRenderer();
        Engine::cAnimationRegistry::Destroy();
        Engine::cResourceSystem::Destroy();
        Engine::cRenderSystem::Destroy();
        Game::cEnemyStatsTable::Destroy();
        Game::cModelCatalogue::Destroy();
        Engine::cLog::Destroy();
    }

    // The stroke cuts through the next ghost, then the whole step runs.
    void Step() {
        const Game::cDumbEnemy* target = ghosts[static_cast<std::size_t>(frame * 7 % kGhosts)];
        ++frame;
        stroke.slashing = true;
        stroke.position = target->position;
        stroke.physics->GetShape()->UpdatePosition(stroke.position);
        stroke.physics->SetVelocity({kSlashSpeed, 0.0f, 0.0f});
        Game::cGameFactory::Instance().FlushDeletions();
        Engine::cSceneManager::Instance().Update(kFrame);
        Engine::cPhysicsWorld::Instance().Update(kFrame);
        Engine::cAnimationRegistry::Instance().UpdateAnimations(kFrame);
        Engine::cParticleManager::Instance().Update(kFrame);
    }

    std::int32_t Hits() const { return stroke.hits; }

private:
    void LoadData() {
        std::ofstream(dir.File("EnemyStats.xml")) << kStats;
        Game::cEnemyStatsTable::Instance().Load(dir.Path().string() + "/", "EnemyStats.xml");
        Game::cModelCatalogue::Instance().LoadPrefabs(dir.Write("PrefabData.xml", kPrefabs));
        TestSupport::Md2Description ghost;
        ghost.frameNames = {"GhostWalk1", "GhostWalk2", "GhostOnHit1", "GhostOnHit2", "GhostDeath1", "GhostDeath2"};
        ghost.frameScale = 0.1f;
        ghost.frameTranslate = -0.3f;
        const std::vector<uint8_t> bytes = TestSupport::MakeMd2(ghost);
        std::ofstream(dir.File("ghost.md2"), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        Engine::cResourceSystem::Instance().MeshManager()->LoadMesh("GhostMesh", "ghost.md2",
                                                                     dir.Path().string() + "/", {}, {}, true, true);
    }

    // A grid of ghosts two units apart, set up as the level loader does, risen and walking.
    void Populate() {
        for (int i = 0; i < kGhosts; ++i) {
            auto* ghost = Game::cGameFactory::Instance().CreateTyped<Game::cDumbEnemy>(Game::GAME_ENT_TYPES::DUMB_ENEMY);
            const Engine::Vector3 at{static_cast<float>(i % kColumns) * 2.0f - 20.0f, 0.0f,
                                     static_cast<float>(i / kColumns) * 2.0f};
            ghost->Init("BasicEnemy");
            ghost->Setup(at, {1.0f, 1.0f, 1.0f});
            ghost->kid = &kid;
            ghost->stroke = &stroke;
            ghosts.push_back(ghost);
        }
        // Rise, then a few seconds of chasing and slashing so every pool, list and ring is warm.
        for (int i = 0; i < 240; ++i) Step();
        // One step with the stroke touching every ghost at once sizes the collision
        // pass's contact lists for the worst frame the run can bring.
        Engine::cCollisionAABB* reach = Engine::cCollisionAABB::Of(stroke.physics->GetShape());
        Engine::SetHalfExtents(*reach, {1000.0f, 1000.0f, 1000.0f});
        Step();
        Engine::SetHalfExtents(*reach, {0.5f, 0.5f, 0.5f});
        for (int i = 0; i < 60; ++i) Step();
    }

    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory in_dir{dir.Path()};
    Game::cKid kid;
    Game::cStroke stroke;
    std::vector<Game::cDumbEnemy*> ghosts;
    std::int64_t frame = 0;
};

void BM_GameplayStep(benchmark::State& state) {
    Crowd crowd;
    const std::int32_t hits_before = crowd.Hits();
    const std::size_t before = TestSupport::AllocationCount();
    for (auto _ : state) crowd.Step();
    const std::size_t allocations = TestSupport::AllocationCount() - before;
    state.counters["allocs_per_step"] =
        benchmark::Counter(static_cast<double>(allocations) / static_cast<double>(state.iterations()));
    state.counters["hits_per_step"] =
        benchmark::Counter(static_cast<double>(crowd.Hits() - hits_before) / static_cast<double>(state.iterations()));
}

BENCHMARK(BM_GameplayStep)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
