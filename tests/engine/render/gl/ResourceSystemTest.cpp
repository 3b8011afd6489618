// The resource managers of each device layer: what start-up installs and
// the order shut-down takes them down in.

#include <gtest/gtest.h>

#include <cstdlib>  // getenv, setenv
#include <string>
#include <vector>

#include "engine/core/cEngineSettings.h"
#include "engine/core/cLog.h"
#include "engine/platform/cWindow.h"
#include "engine/render/cDeviceResetOrder.h"
#include "engine/render/cRenderSystem.h"
#include "engine/render/gl/DeviceLayer.h"
#include "engine/render/gl/cGLShaderManager.h"
#include "engine/render/gl/cGLTextureManager.h"
#include "engine/resource/ShadowMaterials.h"
#include "engine/resource/cNullShaderManager.h"
#include "engine/resource/cNullTextureManager.h"
#include "engine/resource/cResourceSystem.h"
#include "engine/resource/iGPUProgram.h"
#include "tests/support/TempDir.h"

namespace {

using namespace Engine;
using Calls = std::vector<std::string>;

class RecordingShaders : public cNullShaderManager {
public:
    RecordingShaders(cNullRenderer& renderer, Calls& calls_) : cNullShaderManager(renderer), calls(calls_) {}
    ~RecordingShaders() override {
        calls.push_back("shaders destroyed with " + std::to_string(LiveProgramCount()) + " programs");
    }

private:
    Calls& calls;
};

class RecordingMaterials : public cMaterialManager {
public:
    explicit RecordingMaterials(Calls& calls_) : calls(calls_) {}
    ~RecordingMaterials() override { calls.push_back("materials destroyed"); }

private:
    Calls& calls;
};

class ResourceSystemTest : public ::testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }

    static void Reset() {
        cResourceSystem::Destroy();
        cRenderSystem::Destroy();
        cDeviceResetOrder::Destroy();
        cWindow::Destroy();
        cEngineSettings::Destroy();
        cLog::Destroy();
    }

    const std::string shipped = std::string(BRAMBLEBY_SOURCE_DIR) + "/GameData/Shaders/";
    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory cwd{dir.Path()};
};

TEST_F(ResourceSystemTest, TheNullLayerInstallsEveryManagerOverTheNullDevice) {
    ASSERT_TRUE(CreateDeviceLayer(eDeviceLayer::Null));
    cResourceSystem& resources = cResourceSystem::Instance();
    EXPECT_NE(dynamic_cast<cNullTextureManager*>(resources.TextureManager()), nullptr);
    ASSERT_NE(resources.MeshManager(), nullptr);
    EXPECT_NE(resources.MeshManager()->CreateSpriteQuad("quad", 1, 1), nullptr) << "buffers from the null device";
    ASSERT_NE(dynamic_cast<cNullShaderManager*>(resources.ShaderManager()), nullptr);
    ASSERT_NE(resources.MaterialManager(), nullptr);
    EXPECT_TRUE(CreateShadowMaterials(*resources.MaterialManager(), *resources.ShaderManager(), shipped));
    cResourceSystem::Destroy();
    cRenderSystem::Destroy();
}

TEST_F(ResourceSystemTest, ShutdownTakesMaterialsDownBeforeTheShadersTheyHold) {
    Calls calls;
    cNullRenderer renderer;
    renderer.Initialise();
    cResourceSystem& resources = cResourceSystem::Instance();
    resources.InstallShaderManager(std::make_unique<RecordingShaders>(renderer, calls));
    resources.InstallMaterialManager(std::make_unique<RecordingMaterials>(calls));
    ASSERT_TRUE(CreateShadowMaterials(*resources.MaterialManager(), *resources.ShaderManager(), shipped));
    cResourceSystem::Destroy();
    EXPECT_EQ(calls, (Calls{"materials destroyed", "shaders destroyed with 0 programs"}));
}

TEST_F(ResourceSystemTest, TheOpenGLLayerInstallsGLShadersThatCompileTheShippedSources) {
    setenv("SDL_VIDEODRIVER", std::getenv("DISPLAY") != nullptr ? "x11" : "offscreen", 1);
    WindowDesc desc;
    desc.width = 160;
    desc.height = 120;
    desc.opengl = true;
    if (!cWindow::Instance().CreateMainWindow(desc)) GTEST_SKIP() << "no window for OpenGL";
    cEngineSettings::Instance().config.renderer_flag = true;
    if (!CreateDeviceLayer(eDeviceLayer::OpenGL, std::string(BRAMBLEBY_SOURCE_DIR) + "/GameData/Fonts/")) {
        GTEST_SKIP() << "no OpenGL 3.3 context";
    }
    cResourceSystem& resources = cResourceSystem::Instance();
    EXPECT_NE(dynamic_cast<cGLTextureManager*>(resources.TextureManager()), nullptr);
    ASSERT_NE(resources.MeshManager(), nullptr);
    EXPECT_NE(resources.MeshManager()->CreateSpriteQuad("quad", 1, 1), nullptr);
    ASSERT_NE(dynamic_cast<cGLShaderManager*>(resources.ShaderManager()), nullptr);
    EXPECT_TRUE(CreateShadowMaterials(*resources.MaterialManager(), *resources.ShaderManager(), shipped))
        << TestSupport::ReadFile(dir.File("Engine.log"));
    cMaterial* shadow = resources.MaterialManager()->Find("ShadowMat");
    ASSERT_NE(shadow, nullptr);
    auto* pixel = static_cast<cGLShader*>(shadow->Program()->PixelStage());
    EXPECT_EQ(pixel->GetSamplerIndex("gKidLightShadowMapSampler"), 6u);

    // A second layer replaces the first: the old resources go while their context still exists.
    ASSERT_TRUE(CreateDeviceLayer(eDeviceLayer::Null));
    EXPECT_NE(dynamic_cast<cNullShaderManager*>(resources.ShaderManager()), nullptr);
    cResourceSystem::Destroy();
    cRenderSystem::Destroy();
    cWindow::Instance().DestroyMainWindow();
}

}  // namespace
