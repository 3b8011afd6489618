// Entity framework benchmarks. Churn: per frame, create, set up and queue for
// deletion N entities through the factory, then deliver the deletions.
// Update: step N live, trivial entities (the base update rebuilds the world
// matrix) through the scene manager. Both report the time per entity and the
// heap allocations per frame once the pools are warm (counted by the
// counting operator new).

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "engine/entity/GenericFactoryManager.h"
#include "engine/entity/cEntity.h"
#include "engine/entity/cSceneManager.h"
#include "game/entities/eGameEntityTypes.h"
#include "tests/support/alloc/AllocationCounter.h"

namespace {

// The smallest real entity: the base update only.
class cTrivialEntity : public Engine::cEntity {
public:
    std::int32_t GetType() const override { return Game::GAME_ENT_TYPES::SAMPLE_ENTITY; }
};

using Factory = Engine::GenericFactoryManager<Game::EntityTypeId, Engine::iBaseEntity>;

// The game's table with the trivial class in one slot and a fresh scene.
struct World {
    World() {
        Engine::cSceneManager::Destroy();
        factory.SetTypeCount(Game::kEntityTypeCount);
        factory.RegisterType<cTrivialEntity>(Game::GAME_ENT_TYPES::SAMPLE_ENTITY);
    }
    ~World() {
        factory.ReleaseAll();
        Engine::cSceneManager::Destroy();
    }

    cTrivialEntity* Spawn(float x) {
        cTrivialEntity* entity = factory.CreateTyped<cTrivialEntity>(Game::GAME_ENT_TYPES::SAMPLE_ENTITY);
        entity->Init("Trivial");
        entity->SetPosition({x, 0, 0});
        return entity;
    }

    Factory factory;
};

void ReportPerEntity(benchmark::State& state, std::int64_t entities_per_frame, std::size_t frame_allocations) {
    state.SetItemsProcessed(state.iterations() * entities_per_frame);
    // Seconds per entity, printed with an SI prefix: "35n" is 35 ns.
    state.counters["sec_per_entity"] = benchmark::Counter(static_cast<double>(state.iterations() * entities_per_frame),
                                                          benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["allocs_per_frame"] =
        benchmark::Counter(static_cast<double>(frame_allocations) / static_cast<double>(state.iterations()));
}

// One frame of churn: N created, set up and queued, then flushed. They are
// never admitted by a scene update, as nothing steps the scene in between.
void ChurnFrame(World& world, std::int64_t n) {
    for (std::int64_t i = 0; i < n; ++i) world.factory.QueueDeletion(world.Spawn(static_cast<float>(i)));
    world.factory.FlushDeletions();
}

void BM_Churn(benchmark::State& state) {
    const std::int64_t n = state.range(0);
    World world;
    ChurnFrame(world, n);  // warm the pools and queues
    const std::size_t before = TestSupport::AllocationCount();
    for (auto _ : state) ChurnFrame(world, n);
    ReportPerEntity(state, n, TestSupport::AllocationCount() - before);
}

void BM_Update(benchmark::State& state) {
    const std::int64_t n = state.range(0);
    World world;
    for (std::int64_t i = 0; i < n; ++i) world.Spawn(static_cast<float>(i));
    Engine::cSceneManager& scene = Engine::cSceneManager::Instance();
    scene.Flush();
    const std::size_t before = TestSupport::AllocationCount();
    for (auto _ : state) scene.Update(0.016f);
    ReportPerEntity(state, n, TestSupport::AllocationCount() - before);
}

BENCHMARK(BM_Churn)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Update)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
