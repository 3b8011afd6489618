#pragma once
// GLFixture: an OpenGL renderer with its buffer and font managers on a small
// window, for tests that look at real pixels. The window uses X11 when a
// display is set (./test runs the tests under Xvfb) and SDL's offscreen EGL
// driver otherwise; a test is skipped, with the reason, when neither gives an
// OpenGL 3.3 context.
//
// Frames are read back before they are presented; Frame::At takes pixel
// coordinates from the top left, as the engine's viewports do.

#include <SDL.h>
#include <epoxy/gl.h>
#include <gtest/gtest.h>

#include <cstdlib>  // getenv, setenv
#include <memory>
#include <string>
#include <vector>

#include "engine/core/cEngineSettings.h"
#include "engine/core/cLog.h"
#include "engine/platform/cWindow.h"
#include "engine/render/cDeviceResetOrder.h"
#include "engine/render/cRenderSystem.h"
#include "engine/render/gl/cGLFontManager.h"
#include "engine/render/gl/cGLHardwareBufferManager.h"
#include "engine/render/gl/cGLRenderer.h"
#include "tests/support/TempDir.h"

struct Pixel {
    uint8_t r = 0, g = 0, b = 0, a = 0;
};

// One read-back frame.
struct Frame {
    std::vector<uint8_t> rgba;
    int32_t width = 0;
    int32_t height = 0;

    Pixel At(int32_t x, int32_t y) const {
        const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 4;
        return {rgba[i], rgba[i + 1], rgba[i + 2], rgba[i + 3]};
    }
};

class GLFixture : public ::testing::Test {
protected:
    static constexpr int32_t kWidth = 320;
    static constexpr int32_t kHeight = 240;

    void SetUp() override {
        ResetServices();
        setenv("SDL_VIDEODRIVER", std::getenv("DISPLAY") != nullptr ? "x11" : "offscreen", 1);
        Engine::WindowDesc desc;
        desc.width = kWidth;
        desc.height = kHeight;
        desc.opengl = true;
        if (!Engine::cWindow::Instance().CreateMainWindow(desc)) {
            GTEST_SKIP() << "no window for OpenGL: DISPLAY is unset and SDL's offscreen driver failed ("
                         << SDL_GetError() << ")";
        }
        Engine::EngineConfig& config = Engine::cEngineSettings::Instance().config;
        config.present_mode = 1;
        config.renderer_flag = true;
        renderer = std::make_unique<Engine::cGLRenderer>();
        if (!renderer->Initialise()) GTEST_SKIP() << "no OpenGL 3.3 context: " << EngineLog();
        buffers = std::make_unique<Engine::cGLHardwareBufferManager>(*renderer);
        fonts = std::make_unique<Engine::cGLFontManager>(*renderer, std::string(BRAMBLEBY_SOURCE_DIR) + "/GameData/Fonts/");
        // Pixel coordinates from the top left, depth -1 to 1.
        renderer->SetOrthographic(0, kWidth, kHeight, 0, -1.0f, 1.0f);
    }

    void TearDown() override {
        if (renderer && renderer->IsInitialised()) {
            EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        }
        fonts.reset();
        buffers.reset();
        renderer.reset();
        ResetServices();
    }

    static void ResetServices() {
        Engine::cRenderSystem::Destroy();
        Engine::cDeviceResetOrder::Destroy();
        Engine::cWindow::Destroy();
        Engine::cEngineSettings::Destroy();
        Engine::cLog::Destroy();
    }

    // The back buffer as it is now.
    Frame Capture() const {
        Frame frame;
        EXPECT_TRUE(renderer->ReadBackBuffer(frame.rgba, frame.width, frame.height));
        return frame;
    }

    std::string EngineLog() const { return TestSupport::ReadFile(dir.File("Engine.log")); }

    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory cwd{dir.Path()};
    std::unique_ptr<Engine::cGLRenderer> renderer;
    std::unique_ptr<Engine::cGLHardwareBufferManager> buffers;
    std::unique_ptr<Engine::cGLFontManager> fonts;
};
