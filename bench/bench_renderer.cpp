// Draw-call cost of the OpenGL renderer: frames of 1,000 and 5,000 small
// quads, one DrawPrimitives each from one vertex buffer, with or without a
// render-state change (blending toggled) between draws. A frame is
// BeginFrame, a clear, the draws and EndFrame with its buffer swap.
//
// Needs a GL window: run under Xvfb (xvfb-run), or without a display through
// SDL's offscreen driver. Reports frames as iterations and draws per second.

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "bench/BenchWindow.h"
#include "engine/render/eBufferUsage.h"
#include "engine/render/eClearFlag.h"
#include "engine/render/eDeclType.h"
#include "engine/render/eDeclUsage.h"
#include "engine/render/ePrimitiveType.h"
#include "engine/render/eRenderStateId.h"
#include "engine/render/gl/cGLHardwareBufferManager.h"
#include "engine/render/gl/cGLRenderer.h"

namespace {

using namespace Engine;

constexpr int32_t kWidth = 320;
constexpr int32_t kHeight = 240;
constexpr uint32_t kMaxQuads = 5000;
constexpr float kQuadSide = 4.0f;

struct QuadVertex {
    float x, y, z;
    uint32_t colour;
};

// The renderer and a vertex buffer of kMaxQuads quads as triangle strips, made once.
struct Scene {
    std::unique_ptr<cGLRenderer> renderer;
    std::unique_ptr<cGLHardwareBufferManager> buffers;
    iVertexBuffer* quads = nullptr;
};

Scene* MakeScene() {
    if (!Bench::OpenBenchWindow(kWidth, kHeight)) return nullptr;
    auto scene = std::make_unique<Scene>();
    scene->renderer = std::make_unique<cGLRenderer>();
    if (!scene->renderer->Initialise()) return nullptr;
    scene->buffers = std::make_unique<cGLHardwareBufferManager>(*scene->renderer);
    cVertexDeclaration* declaration = scene->buffers->TakeVertexDeclaration();
    declaration->AddElement(DU_Position, DT_Float3, 0);
    declaration->AddElement(DU_Colour, DT_PackedColour, 0);
    std::vector<QuadVertex> vertices;
    for (uint32_t i = 0; i < kMaxQuads; ++i) {
        const float x = static_cast<float>(i % 64) * 5.0f;
        const float y = static_cast<float>((i / 64) % 48) * 5.0f;
        const uint32_t colour = 0xFF000000u | (i * 2654435761u >> 8);
        vertices.push_back({x, y, 0, colour});
        vertices.push_back({x + kQuadSide, y, 0, colour});
        vertices.push_back({x, y + kQuadSide, 0, colour});
        vertices.push_back({x + kQuadSide, y + kQuadSide, 0, colour});
    }
    scene->quads = scene->buffers->CreateVertexBuffer(declaration, kMaxQuads * 4, BU_Managed);
    scene->quads->Write(vertices.data(), 0, kMaxQuads * 4);
    scene->renderer->SetOrthographic(0, kWidth, kHeight, 0, -1.0f, 1.0f);
    return scene.release();  // lives until the process ends, with the window and context
}

Scene* TheScene() {
    static Scene* scene = MakeScene();
    return scene;
}

void BM_QuadFrame(benchmark::State& state) {
    Scene* scene = TheScene();
    if (scene == nullptr) {
        state.SkipWithError("no OpenGL 3.3 window: run under xvfb-run or where SDL's offscreen driver works");
        return;
    }
    const auto quads = static_cast<uint32_t>(state.range(0));
    const bool change_state = state.range(1) != 0;
    iRenderer& renderer = *scene->renderer;
    for (auto _ : state) {
        renderer.BeginFrame();
        renderer.Clear(CLEAR_All, 0, 0, 0, 1, 1, 0);
        scene->quads->Bind();
        for (uint32_t i = 0; i < quads; ++i) {
            if (change_state) renderer.SetRenderState(RS_Blending, static_cast<int32_t>(i & 1));
            renderer.DrawPrimitives(PT_TriangleStrip, i * 4, 2);
        }
        renderer.EndFrame();
    }
    state.counters["draws/s"] =
        benchmark::Counter(static_cast<double>(quads) * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

BENCHMARK(BM_QuadFrame)
    ->ArgNames({"quads", "state_change"})
    ->Args({1000, 0})
    ->Args({1000, 1})
    ->Args({5000, 0})
    ->Args({5000, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
