// Whole frames of the scene renderer through OpenGL at 1280 x 720: 2,000
// models (spheres) over 20 materials of the standard program and 40 texture
// sets on a grid, one spotlight casting shadows, and 60 sprites over 6 sheets
// in the 2D pass. A frame is BeginFrame, RenderFrame and EndFrame with its
// buffer swap.
//
// The passes are told apart by switching parts off: shadows (the shadow
// passes), models hidden (the tree is still walked, nothing drawn) and
// sprites hidden. Shadow pass = full frame - frame without shadows; 2D pass
// = frame without shadows - the same without sprites; main pass = frame
// without shadows or sprites - the same with the models hidden.
// Counters: models drawn and material applies per frame (every material
// sets DestBlend once when applied; the goal is one apply per material with
// a model in view, per pass).
//
// Needs a GL window: run under Xvfb (xvfb-run), or without a display through
// SDL's offscreen driver.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "bench/BenchWindow.h"
#include "engine/platform/cWindow.h"
#include "engine/render/eRenderStateId.h"
#include "engine/render/gl/cGLHardwareBufferManager.h"
#include "engine/render/gl/cGLRenderer.h"
#include "engine/render/gl/cGLShaderManager.h"
#include "engine/render/gl/cGLTextureManager.h"
#include "engine/render/scene/LightRecord.h"
#include "engine/render/scene/cCameraGfxCmp.h"
#include "engine/render/scene/cLightGfxCmp.h"
#include "engine/render/scene/cModelGfxCmp.h"
#include "engine/render/scene/cSceneRenderer.h"
#include "engine/render/scene/cSpriteGfxCmp.h"
#include "engine/resource/ShadowMaterials.h"
#include "engine/resource/cMaterial.h"
#include "engine/resource/cMaterialManager.h"
#include "engine/resource/cMeshManager.h"
#include "engine/resource/cResourceSystem.h"
#include "engine/resource/cTextureSet.h"
#include "engine/resource/eTextureFormat.h"
#include "engine/resource/eTextureType.h"
#include "engine/resource/iGPUProgram.h"
#include "engine/resource/iShader.h"

namespace {

using namespace Engine;

constexpr int32_t kWidth = 1280;
constexpr int32_t kHeight = 720;
constexpr int kModels = 2000;
constexpr int kMaterials = 20;
constexpr int kSetsPerMaterial = 2;
constexpr int kGridSide = 50;
constexpr float kSpacing = 2.5f;
constexpr int kSprites = 60;
constexpr int kSheets = 6;

class cCountingGLRenderer : public cGLRenderer {
public:
    bool SetRenderState(int32_t id, int32_t value) override {
        if (id == RS_DestBlend) ++material_applies;
        return cGLRenderer::SetRenderState(id, value);
    }
    uint64_t material_applies = 0;
};

struct Scene {
    std::unique_ptr<cCountingGLRenderer> renderer;
    std::unique_ptr<cGLHardwareBufferManager> buffers;
    std::unique_ptr<cSceneRenderer> scene;
    std::vector<Matrix4x4> transforms;
    std::vector<std::unique_ptr<cModelGfxCmp>> models;
    std::vector<std::unique_ptr<cSpriteGfxCmp>> sprites;
    std::vector<Matrix4x4> sprite_places;
    cLightGfxCmp lamp;
    cCameraGfxCmp camera;
};

void MakeSheet(iTextureManager& textures, const std::string& name, uint8_t shade) {
    std::vector<uint8_t> pixels(8 * 8 * 4, shade);
    textures.GetTextureSet(name)->AddTexture(
        textures.CreateTexture(name + ".tga", TT_2D, 8, 8, TF_ARGB8, pixels.data()));
}

void MakeMaterials(Scene& s, const std::string& shaders_dir) {
    cResourceSystem& resources = cResourceSystem::Instance();
    iShaderManager& shaders = *resources.ShaderManager();
    for (int m = 0; m < kMaterials; ++m) {
        iGPUProgram* program = shaders.CreateShaderProgram("standard.shader", shaders_dir, "StandardVS",
                                                           "standard.shader", shaders_dir, "StandardPS");
        program->VertexStage()->EnableWVPMatrix(true);
        program->VertexStage()->EnableWorldMatrix(true);
        program->PixelStage()->EnableViewMatrix(true);
        cMaterial* material = resources.MaterialManager()->GetMaterial("Mat" + std::to_string(m));
        material->SetRenderState(RS_DestBlend, 1 + m % 10);
        material->SetProgram(program, &shaders);
        s.lamp.AttachProgram(program->VertexStage());
        s.lamp.AttachProgram(program->PixelStage());
    }
    CreateShadowMaterials(*resources.MaterialManager(), shaders, shaders_dir);
    s.scene->AddShadowMaterial(*resources.MaterialManager()->Find("ShadowPreprocessMat"));
}

void MakeModels(Scene& s) {
    s.transforms.reserve(kModels);
    for (int i = 0; i < kModels; ++i) {
        const int set = i % (kMaterials * kSetsPerMaterial);
        const Vector3 at{(i % kGridSide - kGridSide / 2) * kSpacing, 0, -(i / kGridSide) * kSpacing};
        s.transforms.push_back(Matrix4x4::Translation(at));
        s.models.push_back(std::make_unique<cModelGfxCmp>());
        s.models.back()->SetTree(&s.scene->Tree());
        s.models.back()->Initialise("ball", "Set" + std::to_string(set), "Mat" + std::to_string(set / kSetsPerMaterial),
                                    false);
        s.models.back()->transform = &s.transforms.back();
    }
}

void MakeSprites(Scene& s) {
    s.sprite_places.reserve(kSprites);
    for (int i = 0; i < kSprites; ++i) {
        s.sprite_places.push_back(Matrix4x4::Translation({40.0f + (i % 20) * 60.0f, 60.0f + (i / 20) * 60.0f, 0}));
        s.sprites.push_back(std::make_unique<cSpriteGfxCmp>());
        cSpriteGfxCmp& sprite = *s.sprites.back();
        sprite.SetLayers(s.scene.get());
        sprite.Initialise("hud" + std::to_string(i % kSheets), 48, 48, "Sheet" + std::to_string(i % kSheets), "",
                          static_cast<uint8_t>(i % 11));
        sprite.transform = &s.sprite_places.back();
    }
}

Scene* MakeScene() {
    if (!Bench::OpenBenchWindow(kWidth, kHeight)) return nullptr;
    auto s = std::make_unique<Scene>();
    s->renderer = std::make_unique<cCountingGLRenderer>();
    if (!s->renderer->Initialise()) return nullptr;
    s->buffers = std::make_unique<cGLHardwareBufferManager>(*s->renderer);
    cResourceSystem& resources = cResourceSystem::Instance();
    auto textures = std::make_unique<cGLTextureManager>(*s->renderer);
    for (int t = 0; t < kMaterials * kSetsPerMaterial; ++t) MakeSheet(*textures, "Set" + std::to_string(t), 200);
    for (int t = 0; t < kSheets; ++t) MakeSheet(*textures, "Sheet" + std::to_string(t), 255);
    resources.InstallTextureManager(std::move(textures));
    auto meshes = std::make_unique<cMeshManager>(*s->buffers);
    meshes->CreateSphereMesh("ball", {0, 0, 0, 1}, {1, 1, 1, 1});
    resources.InstallMeshManager(std::move(meshes));
    resources.InstallShaderManager(std::make_unique<cGLShaderManager>(*s->renderer));
    resources.InstallMaterialManager(std::make_unique<cMaterialManager>());
    const std::string shaders_dir = std::string(BRAMBLEBY_SOURCE_DIR) + "/GameData/Shaders/";
    s->scene = std::make_unique<cSceneRenderer>(*s->renderer);
    // The renderer looks for the GUI program under the working directory; the bench runs from anywhere.
    iGPUProgram* gui = resources.ShaderManager()->CreateShaderProgram("gui_blend.shader", shaders_dir, "GUIVSMain",
                                                                      "gui_blend.shader", shaders_dir, "GUIPSMain");
    gui->VertexStage()->EnableWVPMatrix(true);
    gui->VertexStage()->EnableTextureMatrix(true);
    s->scene->SetGuiProgram(gui);
    s->scene->ComputeViewports({false, 0, 0, kWidth, kHeight, false});
    s->lamp.Initialise("gKidLight");
    s->lamp.light.type = LT_Spot;
    s->lamp.light.diffuse = {1, 0.9f, 0.7f, 1};
    s->lamp.Place({0, 15, -20}, {0, -1, 0.2f});
    s->lamp.SetCastsShadow(true, "kidshadow");
    MakeMaterials(*s, shaders_dir);
    MakeModels(*s);
    MakeSprites(*s);
    s->camera.Initialise({0, 20, 20}, {0, 0, -30}, {0, 1, 0}, 45.0f, 0.1f, 60.0f);
    s->camera.aspect = static_cast<float>(kWidth) / kHeight;
    s->scene->SetCamera(&s->camera);
    return s.release();
}

std::unique_ptr<Scene>& SceneSlot() {
    static std::unique_ptr<Scene> scene(MakeScene());
    return scene;
}

Scene* TheScene() { return SceneSlot().get(); }

// Gives everything back while the context is still there: components, the
// scene renderer, the resources, then the device and the window.
void ReleaseScene() {
    std::unique_ptr<Scene>& s = SceneSlot();
    if (!s) return;
    for (auto& sprite : s->sprites) sprite->Release();
    for (auto& model : s->models) model->Release();
    s->lamp.Release();
    s->scene.reset();
    cResourceSystem::Destroy();
    s->buffers.reset();
    s->renderer.reset();
    s.reset();
    cWindow::Destroy();
}

void BM_SceneFrame(benchmark::State& state) {
    Scene* s = TheScene();
    if (s == nullptr) {
        state.SkipWithError("no OpenGL 3.3 window: run under xvfb-run or where SDL's offscreen driver works");
        return;
    }
    s->scene->SetShadowsEnabled(state.range(0) != 0);
    for (auto& model : s->models) model->visible = state.range(1) != 0;
    for (auto& sprite : s->sprites) sprite->visible = state.range(2) != 0;
    s->renderer->material_applies = 0;
    uint64_t drawn = 0;
    for (auto _ : state) {
        s->renderer->BeginFrame();
        s->scene->RenderFrame();
        s->renderer->EndFrame();
        drawn += s->scene->Rendered();
    }
    const double frames = static_cast<double>(state.iterations());
    state.counters["drawn"] = static_cast<double>(drawn) / frames;
    state.counters["material_applies"] = static_cast<double>(s->renderer->material_applies) / frames;
}

BENCHMARK(BM_SceneFrame)
    ->ArgNames({"shadows", "models", "sprites"})
    ->Args({1, 1, 1})
    ->Args({0, 1, 1})
    ->Args({0, 1, 0})
    ->Args({0, 0, 0})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ReleaseScene();
    return 0;
}
