#pragma once
// ParticleServices: a headless particle manager for the game's effect tests.
// Each test runs in a temporary folder (Engine.log lands there) with the null
// renderer and buffer manager installed in cRenderSystem and the null
// resource managers in cResourceSystem; the renderer looks from (0, 0, 30)
// at the origin. The fixture starts from fresh services and tears them down
// again, the particle manager first.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/core/cLog.h"
#include "engine/particles/cParticleManager.h"
#include "engine/render/cDeviceResetOrder.h"
#include "engine/render/cNullHardwareBufferManager.h"
#include "engine/render/cNullRenderer.h"
#include "engine/render/cRenderSystem.h"
#include "engine/resource/cMaterialManager.h"
#include "engine/resource/cNullShaderManager.h"
#include "engine/resource/cNullTextureManager.h"
#include "engine/resource/cResourceSystem.h"
#include "tests/support/TempDir.h"

class ParticleServices : public ::testing::Test {
protected:
    ParticleServices() {
        ResetServices();
        auto null_renderer = std::make_unique<Engine::cNullRenderer>();
        Engine::cNullRenderer& renderer = *null_renderer;
        renderer.Initialise();
        Engine::cRenderSystem& render = Engine::cRenderSystem::Instance();
        render.InstallRenderer(std::move(null_renderer));
        render.InstallBufferManager(std::make_unique<Engine::cNullHardwareBufferManager>(renderer));
        Engine::cResourceSystem& resources = Engine::cResourceSystem::Instance();
        resources.InstallTextureManager(std::make_unique<Engine::cNullTextureManager>(renderer));
        resources.InstallShaderManager(std::make_unique<Engine::cNullShaderManager>(renderer));
        resources.InstallMaterialManager(std::make_unique<Engine::cMaterialManager>());
        renderer.SetPerspective(0.7853982f, 0.1f, 100.0f, 4.0f / 3.0f);
        renderer.LookAt({0.0f, 0.0f, 30.0f}, {0.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f});
    }

    ~ParticleServices() override { ResetServices(); }

    static void ResetServices() {
        Engine::cParticleManager::Destroy();
        Engine::cResourceSystem::Destroy();
        Engine::cRenderSystem::Destroy();
        Engine::cDeviceResetOrder::Destroy();
        Engine::cLog::Destroy();
    }

    // The process-wide manager, made afresh for each test.
    static Engine::cParticleManager& Manager() { return Engine::cParticleManager::Instance(); }

    // The whole Engine.log written so far.
    std::string LogText() {
        Engine::cLog::Destroy();
        return TestSupport::ReadFile(dir.File("Engine.log"));
    }

    // Records of the system's ring that are alive.
    static int LiveCount(const Engine::cParticleSystem& system) {
        int live = 0;
        for (uint32_t i = 0; i < system.Capacity(); ++i) live += system.Particles()[i].life > 0.0f ? 1 : 0;
        return live;
    }

    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory in_dir{dir.Path()};
};
