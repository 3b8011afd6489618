#pragma once
// RenderFixture: each renderer test runs in a folder of its own (so its
// Engine.log can be read) with fresh process-wide services and a 640 x 480
// window on SDL's dummy driver. NullRendererFixture adds an initialised null
// renderer, optionally allowed to change display modes.

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "engine/core/cEngineSettings.h"
#include "engine/core/cLog.h"
#include "engine/platform/cWindow.h"
#include "engine/render/cDeviceResetOrder.h"
#include "engine/render/cNullRenderer.h"
#include "engine/render/cRenderSystem.h"
#include "tests/support/TempDir.h"

class RenderFixture : public ::testing::Test {
protected:
    static constexpr int32_t kWidth = 640;
    static constexpr int32_t kHeight = 480;

    RenderFixture() {
        ResetServices();
        Engine::WindowDesc desc;
        desc.width = kWidth;
        desc.height = kHeight;
        window_made = Engine::cWindow::Instance().CreateMainWindow(desc);
    }
    ~RenderFixture() override { ResetServices(); }

    static void ResetServices() {
        Engine::cRenderSystem::Destroy();
        Engine::cDeviceResetOrder::Destroy();
        Engine::cWindow::Destroy();
        Engine::cEngineSettings::Destroy();
        Engine::cLog::Destroy();
    }

    // Everything the Engine category logged in this test.
    std::string EngineLog() const { return TestSupport::ReadFile(dir.File("Engine.log")); }
    // True when the Engine log holds text.
    bool Logged(const std::string& text) const { return EngineLog().find(text) != std::string::npos; }
    // How many lines of the Engine log are exactly line.
    int LinesEqualTo(const std::string& line) const {
        std::istringstream log(EngineLog());
        int count = 0;
        for (std::string logged; std::getline(log, logged);) count += logged == line ? 1 : 0;
        return count;
    }

    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory cwd{dir.Path()};
    bool window_made = false;
};

class NullRendererFixture : public RenderFixture {
protected:
    // Makes and initialises the renderer; display-mode changes only when asked.
    void StartRenderer(bool allow_display_changes = false) {
        Engine::cEngineSettings::Instance().config.renderer_flag = allow_display_changes;
        renderer = std::make_unique<Engine::cNullRenderer>();
        ASSERT_TRUE(window_made) << "the dummy window is needed for the renderer's size";
        ASSERT_TRUE(renderer->Initialise());
    }

    void SetUp() override { StartRenderer(); }

    std::unique_ptr<Engine::cNullRenderer> renderer;
};
