// Render tree benchmarks on the null device: the CPU side of the passes,
// without any GPU cost. 2,000 models over 20 materials and 40 texture sets
// on a grid, about half of it in the camera's view.
// MainPass: one walk with the main-pass visitor; reports the models drawn,
// material applies and texture-set binds per walk (the goal for binds: one
// per material, and per texture set, with a model in view).
// MainPassGrouped: the same after Optimise has grouped touching models.
// AddRemove: taking every model out of the tree and putting it back.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/render/cNullHardwareBufferManager.h"
#include "engine/render/cNullRenderer.h"
#include "engine/render/eRenderStateId.h"
#include "engine/render/scene/RenderTree.h"
#include "engine/render/scene/cModelGfxCmp.h"
#include "engine/render/scene/cNormalRenderVisitor.h"
#include "engine/resource/cAnimationRegistry.h"
#include "engine/resource/cMaterialManager.h"
#include "engine/resource/cMeshManager.h"
#include "engine/resource/cNullShaderManager.h"
#include "engine/resource/cNullTextureManager.h"
#include "engine/resource/cResourceSystem.h"

namespace {

using namespace Engine;

constexpr int kModels = 2000;
constexpr int kMaterials = 20;
constexpr int kSetsPerMaterial = 2;
constexpr int kGridSide = 50;
constexpr float kSpacing = 2.5f;

// A null renderer that counts material applies (every test material sets
// DestBlend) and texture-set binds (the sets are empty and clear stages 0 to 4).
class cCountingRenderer : public cNullRenderer {
public:
    bool SetRenderState(int32_t id, int32_t value) override {
        if (id == RS_DestBlend) ++material_applies;
        return cNullRenderer::SetRenderState(id, value);
    }
    void UnbindTextures(uint32_t last_stage) override {
        if (last_stage == 4) ++set_binds;
        cNullRenderer::UnbindTextures(last_stage);
    }
    uint64_t material_applies = 0;
    uint64_t set_binds = 0;
};

struct Scene {
    Scene() : buffers(renderer) {
        renderer.Initialise();
        cResourceSystem& resources = cResourceSystem::Instance();
        resources.InstallTextureManager(std::make_unique<cNullTextureManager>(renderer));
        auto mesh_manager = std::make_unique<cMeshManager>(buffers);
        mesh_manager->CreateSphereMesh("ball", {0, 0, 0, 1}, {1, 1, 1, 1});
        resources.InstallMeshManager(std::move(mesh_manager));
        resources.InstallShaderManager(std::make_unique<cNullShaderManager>(renderer));
        auto materials = std::make_unique<cMaterialManager>();
        for (int m = 0; m < kMaterials; ++m) {
            materials->GetMaterial("Mat" + std::to_string(m))->SetRenderState(RS_DestBlend, 1 + m % 10);
        }
        resources.InstallMaterialManager(std::move(materials));
        transforms.reserve(kModels);
        for (int i = 0; i < kModels; ++i) {
            const int set = i % (kMaterials * kSetsPerMaterial);
            const Vector3 at{(i % kGridSide - kGridSide / 2) * kSpacing, 0, -(i / kGridSide) * kSpacing};
            transforms.push_back(Matrix4x4::Translation(at));
            models.push_back(std::make_unique<cModelGfxCmp>());
            models.back()->SetTree(&tree);
            models.back()->Initialise("ball", "Set" + std::to_string(set),
                                      "Mat" + std::to_string(set / kSetsPerMaterial), false);
            models.back()->transform = &transforms.back();
        }
        renderer.SetPerspective(0.7853982f, 0.1f, 60.0f, 16.0f / 9.0f);
        renderer.LookAt({0, 20, 20}, {0, 0, -30}, {0, 1, 0});
    }
    ~Scene() {
        for (auto& model : models) model->Release();
        cResourceSystem::Destroy();
        cAnimationRegistry::Destroy();
    }

    cCountingRenderer renderer;
    cNullHardwareBufferManager buffers;
    RenderTree tree;
    std::vector<Matrix4x4> transforms;
    std::vector<std::unique_ptr<cModelGfxCmp>> models;
};

void WalkMainPass(benchmark::State& state, bool grouped) {
    Scene scene;
    if (grouped) scene.tree.Optimise();
    scene.renderer.material_applies = scene.renderer.set_binds = 0;
    uint64_t rendered = 0;
    for (auto _ : state) {
        cNormalRenderVisitor visitor(scene.renderer);
        visitor.Begin();
        scene.tree.Traverse(visitor);
        rendered += visitor.Rendered();
    }
    const double walks = static_cast<double>(state.iterations());
    state.counters["drawn"] = static_cast<double>(rendered) / walks;
    state.counters["material_applies"] = static_cast<double>(scene.renderer.material_applies) / walks;
    state.counters["set_binds"] = static_cast<double>(scene.renderer.set_binds) / walks;
}

void BM_MainPass(benchmark::State& state) { WalkMainPass(state, false); }
void BM_MainPassGrouped(benchmark::State& state) { WalkMainPass(state, true); }

void BM_AddRemove(benchmark::State& state) {
    Scene scene;
    for (auto _ : state) {
        for (auto& model : scene.models) scene.tree.RemoveModel(*model);
        for (auto& model : scene.models) scene.tree.AddModel(*model);
    }
    state.SetItemsProcessed(state.iterations() * kModels);
}

BENCHMARK(BM_MainPass)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MainPassGrouped)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AddRemove)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
