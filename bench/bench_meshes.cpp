// Mesh benchmarks. Load: parse a 200-frame, 500-triangle MD2 file and build
// its keyframe-pair buffers on the null device (reports the milliseconds per
// load and the bytes of vertex data built). Advance: one frame of 1,000
// model animation sets (update and pair choice, no vertex upload); the goal
// is under 0.1 ms with no heap allocation, counted by the counting operator
// new.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>  // getpid names the temporary folder

#include "engine/render/cNullHardwareBufferManager.h"
#include "engine/render/cNullRenderer.h"
#include "engine/render/iVertexBuffer.h"
#include "engine/resource/cAnimationRegistry.h"
#include "engine/resource/cMeshManager.h"
#include "tests/support/Md2FileWriter.h"
#include "tests/support/alloc/AllocationCounter.h"

namespace {

constexpr uint32_t kFrames = 200;
constexpr uint32_t kTriangles = 500;
constexpr int kAnimatedModels = 1000;

// The null device and a mesh manager over it, with the benchmark's model file written to a temporary folder.
struct MeshWorld {
    MeshWorld() : buffers(renderer), manager(buffers) {
        TestSupport::Md2Description model;
        model.vertexCount = 300;
        model.triangleCount = kTriangles;
        model.frameNames = TestSupport::NumberedFrames("walk", 100);
        for (const std::string& name : TestSupport::NumberedFrames("run", 100)) model.frameNames.push_back(name);
        const std::vector<uint8_t> bytes = TestSupport::MakeMd2(model);
        folder = std::filesystem::temp_directory_path() / ("bench_meshes_" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        std::ofstream(folder / "model.md2", std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    ~MeshWorld() {
        manager.ReleaseAll();
        Engine::cAnimationRegistry::Destroy();
        std::filesystem::remove_all(folder);
    }

    Engine::cMesh* Load(const std::string& name) {
        return manager.LoadMesh(name, "model.md2", folder.string() + "/", {}, {}, true, true);
    }

    std::filesystem::path folder;
    Engine::cNullRenderer renderer;
    Engine::cNullHardwareBufferManager buffers;
    Engine::cMeshManager manager;
};

uint64_t VertexBytes(const Engine::cMesh& mesh) {
    uint64_t bytes = 0;
    for (const auto* pairs : {&mesh.FramePairs(), &mesh.LoopPairs()})
        for (const Engine::iVertexBuffer* pair : *pairs) bytes += uint64_t(pair->GetCount()) * pair->GetStride();
    return bytes;
}

// Each iteration parses the file afresh and builds every buffer.
void BM_LoadMd2(benchmark::State& state) {
    MeshWorld world;
    uint64_t vertex_bytes = 0;
    double total_ms = 0.0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        Engine::cMesh* mesh = world.Load("model");
        total_ms += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        state.PauseTiming();
        vertex_bytes = VertexBytes(*mesh);
        world.manager.Release(mesh);
        world.manager.FreeModelData();
        state.ResumeTiming();
    }
    state.counters["ms_per_load"] = total_ms / double(state.iterations());
    state.counters["vertex_bytes"] = double(vertex_bytes);
}
BENCHMARK(BM_LoadMd2)->Unit(benchmark::kMillisecond);

// One frame of 1,000 animated models: every set advances by one frame and chooses its pair.
void BM_AdvanceAnimationSets(benchmark::State& state) {
    MeshWorld world;
    Engine::cMesh* mesh = world.Load("model");
    Engine::cAnimationRegistry& registry = Engine::cAnimationRegistry::Instance();
    std::vector<Engine::cModelAnimationSet*> sets;
    for (int i = 0; i < kAnimatedModels; ++i) {
        Engine::cModelAnimationSet* set = registry.TakeModelSet();
        set->AttachModel(nullptr, mesh);
        set->Play(i % 2 ? "walk" : "run");
        sets.push_back(set);
    }
    const std::size_t before = TestSupport::AllocationCount();
    for (auto _ : state) {
        registry.UpdateAnimations(1.0f / 30.0f + 1e-4f);
        for (Engine::cModelAnimationSet* set : sets) set->SelectPair();
        benchmark::DoNotOptimize(mesh->PairIndex());
    }
    state.counters["allocs_per_frame"] =
        double(TestSupport::AllocationCount() - before) / double(state.iterations());
    state.counters["sets"] = kAnimatedModels;
}
BENCHMARK(BM_AdvanceAnimationSets)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
