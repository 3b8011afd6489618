// The device layer's home: what it hands out and the order it tears down in.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/render/cNullFontManager.h"
#include "engine/render/cNullHardwareBufferManager.h"
#include "tests/engine/render/RenderFixture.h"

namespace {

using namespace Engine;
using Calls = std::vector<std::string>;

class RecordingRenderer : public cNullRenderer {
public:
    explicit RecordingRenderer(Calls& calls_) : calls(calls_) {}
    ~RecordingRenderer() override { calls.push_back("renderer destroyed"); }
    void Shutdown() override {
        calls.push_back("renderer shut down");
        cNullRenderer::Shutdown();
    }

private:
    Calls& calls;
};

class RecordingBuffers : public cNullHardwareBufferManager {
public:
    RecordingBuffers(cNullRenderer& renderer, Calls& calls_) : cNullHardwareBufferManager(renderer), calls(calls_) {}
    ~RecordingBuffers() override { calls.push_back("buffers destroyed"); }

private:
    Calls& calls;
};

class RecordingFonts : public cNullFontManager {
public:
    explicit RecordingFonts(Calls& calls_) : calls(calls_) {}
    ~RecordingFonts() override { calls.push_back("fonts destroyed"); }

private:
    Calls& calls;
};

using RenderSystemTest = RenderFixture;

TEST_F(RenderSystemTest, WithoutALayerEveryPartIsNull) {
    EXPECT_EQ(cRenderSystem::Instance().Renderer(), nullptr);
    EXPECT_EQ(cRenderSystem::Instance().BufferManager(), nullptr);
    EXPECT_EQ(cRenderSystem::Instance().FontManager(), nullptr);
}

TEST_F(RenderSystemTest, ShutdownDestroysTheManagersBeforeTheRenderer) {
    Calls calls;
    auto renderer = std::make_unique<RecordingRenderer>(calls);
    ASSERT_TRUE(renderer->Initialise());
    RecordingRenderer& device = *renderer;
    cRenderSystem& system = cRenderSystem::Instance();
    system.InstallRenderer(std::move(renderer));
    system.InstallBufferManager(std::make_unique<RecordingBuffers>(device, calls));
    system.InstallFontManager(std::make_unique<RecordingFonts>(calls));
    EXPECT_EQ(system.Renderer(), &device);
    cRenderSystem::Destroy();
    EXPECT_EQ(calls, (Calls{"fonts destroyed", "buffers destroyed", "renderer shut down", "renderer destroyed"}));
}

}  // namespace
