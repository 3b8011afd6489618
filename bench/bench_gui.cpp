// GUI benchmarks on the null device: a layout of 200 elements, ten panels
// of nineteen children each (five buttons, five images, five text boxes,
// two editable boxes, two interactive images), over a 1024 x 768 viewport.
// LoadLayout: Clear (untimed) and LoadLayout of the file, pools warm.
// Frame: one frame's GUI work on the CPU: a mouse move routed to every
// interactive element, a press and release every tenth frame, and the GUI
// update. FrameWithDrawing: the same plus the scene renderer's frame on the
// null device, whose only content is the GUI, so it measures the 2D draw
// submission (sorting by layer and texture set, transforms, draw calls).

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/cLog.h"
#include "engine/platform/cMouseState.h"
#include "engine/render/cNullHardwareBufferManager.h"
#include "engine/render/cNullRenderer.h"
#include "engine/render/scene/cSceneRenderer.h"
#include "engine/resource/cAnimationRegistry.h"
#include "engine/resource/cMaterialManager.h"
#include "engine/resource/cMeshManager.h"
#include "engine/resource/cNullShaderManager.h"
#include "engine/resource/cNullTextureManager.h"
#include "engine/resource/cResourceSystem.h"
#include "engine/resource/cTextureSet.h"
#include "engine/resource/eTextureFormat.h"
#include "engine/resource/eTextureType.h"
#include "engine/ui/cGUIManager.h"

namespace {

using namespace Engine;

constexpr int kPanels = 10;

// One panel's children at relative positions spread over it.
std::string PanelXml(int panel) {
    std::string xml = "<UIPanel name=\"Panel" + std::to_string(panel) + "\" TSname=\"panelTS\" normwidth=\"0.09\"" +
                      " normheight=\"0.9\" normPosX=\"" + std::to_string(0.05 + 0.1 * panel) +
                      "\" normPosY=\"0.5\">";
    auto child = [&xml](const char* kind, int n, const char* extra) {
        xml += std::string("<") + kind + " normwidth=\"0.08\" normheight=\"0.04\" normPosX=\"0.5\" normPosY=\"" +
               std::to_string(0.05 * n) + "\" " + extra + "/>";
    };
    for (int i = 0; i < 5; ++i) {
        child("UIButton", i, "TSname=\"buttonTS\" text=\"Go\" framewidth=\"64\" frameheight=\"64\"");
        child("UIImage", 5 + i, "TSname=\"panelTS\"");
        child("UITextbox", 10 + i, "text=\"Label\"");
    }
    for (int i = 0; i < 2; ++i) {
        child("UIEditableTextbox", 15 + i, "");
        child("UIInteractiveImage", 17 + i, "TSname=\"panelTS\"");
    }
    return xml + "</UIPanel>";
}

struct GUIScene {
    GUIScene() : buffers(renderer) {
        renderer.Initialise();
        cResourceSystem& resources = cResourceSystem::Instance();
        auto texture_manager = std::make_unique<cNullTextureManager>(renderer);
        textures = texture_manager.get();
        resources.InstallTextureManager(std::move(texture_manager));
        resources.InstallMeshManager(std::make_unique<cMeshManager>(buffers));
        resources.InstallShaderManager(std::make_unique<cNullShaderManager>(renderer));
        resources.InstallMaterialManager(std::make_unique<cMaterialManager>());
        // Sheets of the sizes the art has, held all run long.
        MakeSheet("buttonTS", 256, 64);
        MakeSheet("textboxTS", 128, 64);
        MakeSheet("panelTS", 256, 256);
        std::string xml = "<Screen>";
        for (int p = 0; p < kPanels; ++p) xml += PanelXml(p);
        std::ofstream(path) << xml << "</Screen>";
        cGUIManager::Instance().OnViewportResize(ScreenRect{0.0f, 0.0f, 1024.0f, 768.0f});
    }
    ~GUIScene() {
        cGUIManager::Destroy();
        for (cTextureSet*& set : sheets) textures->ReleaseTextureSet(set);
        cResourceSystem::Destroy();
        cAnimationRegistry::Destroy();
        std::filesystem::remove(path);
    }

    void MakeSheet(const std::string& name, int32_t width, int32_t height) {
        cTextureSet* set = textures->GetTextureSet(name);
        set->AddTexture(textures->CreateTexture(name + ".tga", TT_2D, width, height, TF_ARGB8, nullptr));
        sheets.push_back(set);
    }

    cNullRenderer renderer;
    cNullHardwareBufferManager buffers;
    cNullTextureManager* textures = nullptr;
    std::vector<cTextureSet*> sheets;
    std::string path = (std::filesystem::temp_directory_path() / "bench_gui_layout.xml").string();
};

void BM_LoadLayout(benchmark::State& state) {
    GUIScene scene;
    cGUIManager& gui = cGUIManager::Instance();
    for (auto _ : state) {
        state.PauseTiming();
        gui.Clear();
        state.ResumeTiming();
        benchmark::DoNotOptimize(gui.LoadLayout(scene.path));
    }
    state.counters["elements"] = static_cast<double>(gui.Elements().size());
}
BENCHMARK(BM_LoadLayout)->Unit(benchmark::kMillisecond);

// One frame's input routing and update; with drawing, also the 2D layers
// submitted through a scene renderer on the device the sprites were made on.
void RunFrames(benchmark::State& state, bool drawing) {
    GUIScene scene;
    std::unique_ptr<cSceneRenderer> scene_renderer;
    if (drawing) {
        scene_renderer = std::make_unique<cSceneRenderer>(scene.renderer);
        scene_renderer->ComputeViewports({false, 0, 0, 1024, 768, false});
    }
    cGUIManager& gui = cGUIManager::Instance();
    if (drawing) gui.SetSpriteLayers(scene_renderer.get());
    gui.LoadLayout(scene.path);
    cMouseState& mouse = cMouseState::Instance();
    int frame = 0;
    for (auto _ : state) {
        mouse.Move(50 + (frame * 37) % 1000, 20 + (frame * 53) % 700);
        if (frame % 10 == 0) {
            mouse.ButtonDown(0);
            mouse.ButtonUp(0);
        }
        gui.Update(1.0f / 60.0f);
        if (drawing) scene_renderer->RenderFrame();
        ++frame;
    }
    state.counters["interactive"] = static_cast<double>(gui.Interactive().size());
    gui.Clear();
}

void BM_Frame(benchmark::State& state) { RunFrames(state, false); }
BENCHMARK(BM_Frame)->Unit(benchmark::kMicrosecond);

void BM_FrameWithDrawing(benchmark::State& state) { RunFrames(state, true); }
BENCHMARK(BM_FrameWithDrawing)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
