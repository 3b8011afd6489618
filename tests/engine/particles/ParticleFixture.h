#pragma once
// ParticleFixture: a headless setting for the particle tests. Each test runs
// in a temporary folder (Engine.log lands there) with a null renderer and
// buffer manager installed in cRenderSystem and the null device's resource
// managers in cResourceSystem. The renderer looks from (0, 0, 10) at the
// origin, so the origin is in view and anything behind z = 10 is not.
//
// ScriptedEmitter stages exactly the records a test queues for its next
// Emit and counts its Init, Emit and Release calls; a shared flag tells when
// it has been deleted.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/core/cLog.h"
#include "engine/particles/ParticleRecord.h"
#include "engine/particles/cParticleManager.h"
#include "engine/particles/iParticleEmitter.h"
#include "engine/render/cDeviceResetOrder.h"
#include "engine/render/cNullHardwareBufferManager.h"
#include "engine/render/cNullRenderer.h"
#include "engine/render/cRenderSystem.h"
#include "engine/resource/cMaterialManager.h"
#include "engine/resource/cNullShaderManager.h"
#include "engine/resource/cNullTextureManager.h"
#include "engine/resource/cResourceSystem.h"
#include "tests/support/TempDir.h"

struct EmitterLog {
    int inits = 0;
    int emits = 0;
    int releases = 0;
    bool deleted = false;
};

class ScriptedEmitter : public Engine::iParticleEmitter {
public:
    ScriptedEmitter(uint32_t staging_size, EmitterLog& emitter_log) : size(staging_size), log(emitter_log) {}
    ~ScriptedEmitter() override { log.deleted = true; }

    void Init() override {
        ++log.inits;
        staging = std::make_unique<Engine::ParticleRecord[]>(size);
    }
    void Emit(float) override {
        ++log.emits;
        for (const Engine::ParticleRecord& record : next) {
            if (staged == size) break;
            staging[staged++] = record;
        }
        next.clear();
    }
    void Release() override {
        ++log.releases;
        iParticleEmitter::Release();
    }

    std::vector<Engine::ParticleRecord> next;

private:
    uint32_t size;
    EmitterLog& log;
};

// A live record at a point, with a given life, lifetime and constant looks.
inline Engine::ParticleRecord Particle(const Engine::Vector3& position, float life = 1.0f, float lifetime = 1.0f) {
    Engine::ParticleRecord record{};
    record.position = position;
    record.life = life;
    record.lifetime = lifetime;
    record.alpha_death = record.alpha_birth = 1.0f;
    record.size_death = record.size_birth = 0.5f;
    return record;
}

class ParticleFixture : public ::testing::Test {
protected:
    ParticleFixture() {
        ResetServices();
        auto null_renderer = std::make_unique<Engine::cNullRenderer>();
        renderer = null_renderer.get();
        renderer->Initialise();
        Engine::cRenderSystem& render = Engine::cRenderSystem::Instance();
        render.InstallRenderer(std::move(null_renderer));
        auto null_buffers = std::make_unique<Engine::cNullHardwareBufferManager>(*renderer);
        buffers = null_buffers.get();
        render.InstallBufferManager(std::move(null_buffers));
        Engine::cResourceSystem& resources = Engine::cResourceSystem::Instance();
        auto texture_manager = std::make_unique<Engine::cNullTextureManager>(*renderer);
        textures = texture_manager.get();
        resources.InstallTextureManager(std::move(texture_manager));
        resources.InstallShaderManager(std::make_unique<Engine::cNullShaderManager>(*renderer));
        auto material_manager = std::make_unique<Engine::cMaterialManager>();
        materials = material_manager.get();
        resources.InstallMaterialManager(std::move(material_manager));
        renderer->SetPerspective(0.7853982f, 0.1f, 100.0f, 4.0f / 3.0f);
        renderer->LookAt({0.0f, 0.0f, 10.0f}, {0.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f});
    }

    ~ParticleFixture() override { ResetServices(); }

    static void ResetServices() {
        Engine::cParticleManager::Destroy();
        Engine::cResourceSystem::Destroy();
        Engine::cRenderSystem::Destroy();
        Engine::cDeviceResetOrder::Destroy();
        Engine::cLog::Destroy();
    }

    // Adds a scripted emitter of the staging size to the system and returns it.
    ScriptedEmitter* AddScripted(Engine::cParticleSystem& system, EmitterLog& log, uint32_t staging_size = 64) {
        auto emitter = std::make_unique<ScriptedEmitter>(staging_size, log);
        ScriptedEmitter* raw = emitter.get();
        system.AddEmitter(std::move(emitter));
        return raw;
    }

    std::string EngineLog() const { return TestSupport::ReadFile(dir.File("Engine.log")); }

    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory cwd{dir.Path()};
    Engine::cNullRenderer* renderer = nullptr;
    Engine::cNullHardwareBufferManager* buffers = nullptr;
    Engine::cNullTextureManager* textures = nullptr;
    Engine::cMaterialManager* materials = nullptr;
};
