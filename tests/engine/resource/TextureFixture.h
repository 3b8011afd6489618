#pragma once
// TextureFixture: a texture test in a folder of its own (image files are
// written there and Engine.log read back), with fresh process-wide services,
// a null renderer and a null texture manager over it.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/core/cLog.h"
#include "engine/render/cDeviceResetOrder.h"
#include "engine/render/cNullRenderer.h"
#include "engine/resource/cNullTexture.h"
#include "engine/resource/cNullTextureManager.h"
#include "tests/support/TempDir.h"

class TextureFixture : public ::testing::Test {
protected:
    TextureFixture() {
        ResetServices();
        renderer = std::make_unique<Engine::cNullRenderer>();
        manager = std::make_unique<Engine::cNullTextureManager>(*renderer);
    }
    ~TextureFixture() override {
        manager.reset();
        renderer.reset();
        ResetServices();
    }

    static void ResetServices() {
        Engine::cDeviceResetOrder::Destroy();
        Engine::cLog::Destroy();
    }

    // The folder the test's files live in, with a trailing "/".
    std::string Folder() const { return dir.Path().string() + "/"; }
    std::string EngineLog() const { return TestSupport::ReadFile(dir.File("Engine.log")); }
    bool Logged(const std::string& text) const { return EngineLog().find(text) != std::string::npos; }
    // The null device name of a texture.
    static uint32_t DeviceName(const Engine::iTexture* texture) {
        return static_cast<const Engine::cNullTexture*>(texture)->DeviceName();
    }

    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory cwd{dir.Path()};
    std::unique_ptr<Engine::cNullRenderer> renderer;
    std::unique_ptr<Engine::cNullTextureManager> manager;
};
