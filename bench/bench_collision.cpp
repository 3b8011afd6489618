// Collision pass benchmarks. One pass (group updates, pair generation, the
// swept and overlap tests, resolution and both callbacks of every contact)
// over N moving boxes resting on a floor of 10,000 static tiles, one per grid
// cell:
//   grid/N    the floor as a static grid, the movers a singular group;
//   single/N  the floor as a singular group: every mover against every tile,
//             the brute-force baseline; its candidate array holds N x 10,000
//             pairs of 24 bytes, so it stops at 1,000 movers (240 MB) to run
//             on a small machine;
//   active/N  the movers alone in an active grid paired with itself, rebinned
//             every pass.
// Reported per pass: the candidate pairs and the pairs whose boxes met.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

#include "engine/physics/BoxOperations.h"
#include "engine/physics/cCollisionAABB.h"
#include "engine/physics/cCollisionManager.h"
#include "engine/physics/cPhysicsWorld.h"
#include "engine/physics/iPhysicsCmp.h"

namespace {

using Engine::eCollisionGroupKind;
using Engine::ePhysicsFlags;
using Engine::Vector3;

enum class eLayout { Grid, Single, Active };

constexpr int kFloorSide = 100;  // tiles per side, one per grid cell
constexpr float kFrameTime = 1.0f / 60;

std::int64_t contacts = 0;

// Every contact counts, so the callbacks cost what a trivial handler costs.
std::int32_t CountContact(Engine::iPhysicsCmp* /*self*/, Engine::iPhysicsCmp* /*other*/) {
    ++contacts;
    return 0;
}

// A fresh world with the floor and the movers of one benchmark case.
class cScene {
public:
    cScene(eLayout layout, std::int64_t movers) {
        Reset();
        Engine::cCollisionManager& manager = Engine::cCollisionManager::Instance();
        manager.ConfigureGrids();
        positions.reserve(static_cast<std::size_t>(kFloorSide * kFloorSide + movers));
        if (layout != eLayout::Active) MakeFloor(layout == eLayout::Grid ? eCollisionGroupKind::Grid : eCollisionGroupKind::Singular);
        manager.GetGroup("Movers", layout == eLayout::Active ? eCollisionGroupKind::ActiveGrid : eCollisionGroupKind::Singular);
        MakeMovers(movers);
        manager.ConfigureGrids();
        if (layout == eLayout::Active) {
            manager.AddGroupPair("Movers", "Movers");
        } else {
            manager.AddGroupPair("Movers", "Floor");
        }
    }
    ~cScene() { Reset(); }
    cScene(const cScene&) = delete;
    cScene& operator=(const cScene&) = delete;

private:
    static void Reset() {
        Engine::cCollisionManager::Destroy();
        Engine::cPhysicsWorld::Destroy();
    }

    // Tiles 0.9 wide and 1 deep with their tops at y = 0, centred in their cells.
    void MakeFloor(eCollisionGroupKind kind) {
        Engine::cCollisionManager::Instance().GetGroup("Floor", kind);
        for (int z = 0; z < kFloorSide; ++z) {
            for (int x = 0; x < kFloorSide; ++x) {
                Engine::iPhysicsCmp* tile = Make("Floor", "Tile", {x + 0.5f, -0.5f, z + 0.5f}, {0.45f, 0.5f, 0.45f});
                tile->SetFlag(ePhysicsFlags::Static, true);
            }
        }
    }

    // Half-unit boxes scattered over the floor, sunk 0.05 into it, sliding.
    void MakeMovers(std::int64_t count) {
        std::mt19937 random(12345);
        std::uniform_real_distribution<float> across(0.5f, kFloorSide - 0.5f);
        for (std::int64_t i = 0; i < count; ++i) {
            const float x = across(random);
            const float z = across(random);
            Engine::iPhysicsCmp* mover = Make("Movers", "Mover", {x, 0.2f, z}, {0.25f, 0.25f, 0.25f});
            mover->SetVelocity({1, 0, 0.5f});
        }
    }

    Engine::iPhysicsCmp* Make(const char* group, const char* name, const Vector3& at, const Vector3& half) {
        positions.push_back(at);
        auto* box = new Engine::cCollisionAABB();
        Engine::SetHalfExtents(*box, half);
        box->UpdatePosition(at);
        Engine::iPhysicsCmp* object = Engine::cPhysicsWorld::Instance().CreateObject(group, box, name, &positions.back());
        object->SetCallback(&CountContact);
        return object;
    }

    std::vector<Vector3> positions;  // reserved up front, so the addresses stay put
};

void BM_CollisionPass(benchmark::State& state, eLayout layout) {
    cScene scene(layout, state.range(0));
    Engine::cCollisionManager& manager = Engine::cCollisionManager::Instance();
    manager.Update(kFrameTime);  // settles the first push-outs and sizes the arrays
    contacts = 0;
    for (auto _ : state) {
        manager.Update(kFrameTime);
        benchmark::DoNotOptimize(contacts);
    }
    state.counters["candidates"] = static_cast<double>(manager.GetCandidates().size());
    state.counters["colliding"] = static_cast<double>(manager.GetColliding().size());
}

BENCHMARK_CAPTURE(BM_CollisionPass, grid, eLayout::Grid)
    ->Arg(100)->Arg(1000)->Arg(2000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_CollisionPass, single, eLayout::Single)
    ->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_CollisionPass, active, eLayout::Active)
    ->Arg(100)->Arg(1000)->Arg(2000)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
