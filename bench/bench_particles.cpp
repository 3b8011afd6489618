// Particle update cost: 10,000 live particles across 20 systems of 500, each
// fed by an emitter that stages 25 new records a frame over the oldest ones.
// One iteration is one frame of cParticleManager::Update: merge, move, cull
// and the quads written into every system's vertex buffer. Measured on the
// null device (vertex bytes copied in memory) and on OpenGL (uploaded to the
// driver; needs a GL window: run under Xvfb, or SDL's offscreen driver).
// Reports the time per frame and the heap allocations per frame once warm
// (counted by the counting operator new).

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>

#include "bench/BenchWindow.h"
#include "engine/particles/cParticleManager.h"
#include "engine/render/cNullHardwareBufferManager.h"
#include "engine/render/cNullRenderer.h"
#include "engine/render/gl/cGLHardwareBufferManager.h"
#include "engine/render/gl/cGLRenderer.h"
#include "tests/support/alloc/AllocationCounter.h"

namespace {

using namespace Engine;

constexpr uint32_t kSystems = 20;
constexpr uint32_t kCapacity = 500;
constexpr uint32_t kPerFrame = 25;
constexpr float kFrame = 1.0f / 60.0f;

// Stages the same 25 long-lived records every frame, spread over the view.
class SteadyEmitter : public iParticleEmitter {
public:
    explicit SteadyEmitter(uint32_t seed) : seed(seed) {}

    void Init() override {
        staging = std::make_unique<ParticleRecord[]>(kPerFrame);
        for (uint32_t i = 0; i < kPerFrame; ++i) {
            const float k = static_cast<float>((seed * kPerFrame + i) % 97);
            ParticleRecord& record = staging[i];
            record = {};
            record.position = {k * 0.08f - 4.0f, static_cast<float>(i) * 0.1f - 1.0f, -static_cast<float>(seed) * 0.1f};
            record.velocity = {0.1f, 0.2f, 0.0f};
            record.acceleration = {0.0f, -0.1f, 0.0f};
            record.life = record.lifetime = 1.0e6f;
            record.alpha_birth = 1.0f;
            record.size_birth = 0.1f;
            record.spin_birth = 1.0f;
        }
    }
    void Emit(float) override { staged = kPerFrame; }

private:
    uint32_t seed;
};

// Twenty full systems on the manager, with the view looking at them.
void Populate(iRenderer& renderer, iHardwareBufferManager& buffers) {
    renderer.SetPerspective(0.7853982f, 0.1f, 100.0f, 4.0f / 3.0f);
    renderer.LookAt({0.0f, 0.0f, 10.0f}, {0.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f});
    cParticleManager& manager = cParticleManager::Instance();
    manager.SetDevice(&renderer, &buffers);
    manager.Start();
    for (uint32_t s = 0; s < kSystems; ++s) {
        cParticleSystem* system = manager.GetSystem("Bench" + std::to_string(s), kCapacity, 2);
        manager.AddEmitter(system, std::make_unique<SteadyEmitter>(s));
    }
    // Fill every ring and let the visible lists grow to their size.
    for (uint32_t frame = 0; frame < kCapacity / kPerFrame + 1; ++frame) manager.Update(kFrame);
}

void Measure(benchmark::State& state) {
    cParticleManager& manager = cParticleManager::Instance();
    uint64_t visible = 0;
    for (const auto& system : manager.Systems()) visible += system->VisibleCount();
    const std::size_t before = TestSupport::AllocationCount();
    for (auto _ : state) manager.Update(kFrame);
    const std::size_t allocations = TestSupport::AllocationCount() - before;
    state.counters["visible"] = benchmark::Counter(static_cast<double>(visible));
    state.counters["allocs_per_frame"] =
        benchmark::Counter(static_cast<double>(allocations) / static_cast<double>(state.iterations()));
    cParticleManager::Destroy();
}

void BM_UpdateNullDevice(benchmark::State& state) {
    cNullRenderer renderer;
    renderer.Initialise();
    cNullHardwareBufferManager buffers(renderer);
    Populate(renderer, buffers);
    Measure(state);
}

struct GLDevice {
    std::unique_ptr<cGLRenderer> renderer;
    std::unique_ptr<cGLHardwareBufferManager> buffers;
};

GLDevice* MakeGLDevice() {
    if (!Bench::OpenBenchWindow(320, 240)) return nullptr;
    auto device = std::make_unique<GLDevice>();
    device->renderer = std::make_unique<cGLRenderer>();
    if (!device->renderer->Initialise()) return nullptr;
    device->buffers = std::make_unique<cGLHardwareBufferManager>(*device->renderer);
    return device.release();  // lives until the process ends, with the window and context
}

void BM_UpdateOpenGL(benchmark::State& state) {
    static GLDevice* device = MakeGLDevice();
    if (device == nullptr) {
        state.SkipWithError("no OpenGL window: run under Xvfb");
        return;
    }
    Populate(*device->renderer, *device->buffers);
    Measure(state);
}

}  // namespace

BENCHMARK(BM_UpdateNullDevice)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UpdateOpenGL)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
