#pragma once
// RenderTreeFixture: a headless scene for the render tree tests. Each test
// runs in a temporary folder (Engine.log lands there) with a null renderer
// that writes down what the passes ask of it, the null device's resource
// managers installed in cResourceSystem, and a render tree the models enter.
//
// Binds are counted from the recording: each test material has one render
// state, DestBlend set to a value of its own, so "state 11=v" marks an
// apply of that material; the test texture sets are empty, and an empty or
// missing set clears stages 0 to 4, so "unbind-textures 4" marks a
// texture-set bind.

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/Matrix4x4.h"
#include "engine/core/cLog.h"
#include "engine/render/cNullHardwareBufferManager.h"
#include "engine/render/cNullRenderer.h"
#include "engine/render/eRenderStateId.h"
#include "engine/render/scene/RenderTree.h"
#include "engine/render/scene/cModelGfxCmp.h"
#include "engine/resource/cAnimationRegistry.h"
#include "engine/resource/cMaterialManager.h"
#include "engine/resource/cMeshManager.h"
#include "engine/resource/cNullShaderManager.h"
#include "engine/resource/cNullTextureManager.h"
#include "engine/resource/cResourceSystem.h"
#include "tests/support/Md2FileWriter.h"
#include "tests/support/TempDir.h"

class cRecordingRenderer : public Engine::cNullRenderer {
public:
    bool SetRenderState(int32_t id, int32_t value) override {
        events.push_back("state " + std::to_string(id) + "=" + std::to_string(value));
        return cNullRenderer::SetRenderState(id, value);
    }
    void UnbindTextures(uint32_t last_stage) override {
        events.push_back("unbind-textures " + std::to_string(last_stage));
        cNullRenderer::UnbindTextures(last_stage);
    }
    void DrawPrimitives(int32_t type, uint32_t start, uint32_t count) override {
        events.push_back("draw");
        cNullRenderer::DrawPrimitives(type, start, count);
    }
    void DrawIndexedPrimitives(int32_t type, uint32_t start, uint32_t count) override {
        events.push_back("draw");
        cNullRenderer::DrawIndexedPrimitives(type, start, count);
    }

    // How many recorded events are exactly the text.
    std::size_t Count(const std::string& event) const {
        std::size_t n = 0;
        for (const std::string& e : events) n += e == event;
        return n;
    }

    std::vector<std::string> events;
};

class RenderTreeFixture : public ::testing::Test {
protected:
    // The event that marks an apply of a test material.
    static std::string MaterialApplied(int32_t blend) {
        return "state " + std::to_string(Engine::RS_DestBlend) + "=" + std::to_string(blend);
    }
    static constexpr const char* kSetBound = "unbind-textures 4";

    explicit RenderTreeFixture(bool with_textures = true) {
        ResetServices();
        renderer.Initialise();
        Engine::cResourceSystem& resources = Engine::cResourceSystem::Instance();
        if (with_textures) resources.InstallTextureManager(std::make_unique<Engine::cNullTextureManager>(renderer));
        auto mesh_manager = std::make_unique<Engine::cMeshManager>(buffers);
        meshes = mesh_manager.get();
        resources.InstallMeshManager(std::move(mesh_manager));
        resources.InstallShaderManager(std::make_unique<Engine::cNullShaderManager>(renderer));
        auto material_manager = std::make_unique<Engine::cMaterialManager>();
        materials = material_manager.get();
        resources.InstallMaterialManager(std::move(material_manager));
        // A unit sphere mesh: bounding sphere (0, 0, 0) radius 1, box -1 to 1.
        meshes->CreateSphereMesh("ball", {0, 0, 0, 1}, {1, 1, 1, 1});
        renderer.SetPerspective(0.7853982f, 0.1f, 100.0f, 4.0f / 3.0f);
        renderer.LookAt({0, 0, 10}, {0, 0, 0}, {0, 1, 0});
    }

    ~RenderTreeFixture() override {
        for (auto& model : models) model->Release();
        models.clear();
        ResetServices();
    }

    void ResetServices() {
        Engine::cResourceSystem::Destroy();
        Engine::cAnimationRegistry::Destroy();
        Engine::cLog::Destroy();
    }

    // A material whose apply shows in the recording as MaterialApplied(blend).
    void MakeMaterial(const std::string& name, int32_t blend) {
        Engine::cMaterial* material = materials->GetMaterial(name);
        material->SetRenderState(Engine::RS_DestBlend, blend);
    }

    // A model in the tree at a position (null: no transform), static unless moving.
    Engine::cModelGfxCmp* AddModel(const std::string& material, const std::string& set, const Engine::Vector3* at,
                                   bool moving = false, const std::string& mesh = "ball") {
        models.push_back(std::make_unique<Engine::cModelGfxCmp>());
        Engine::cModelGfxCmp* model = models.back().get();
        model->SetTree(&tree);
        model->Initialise(mesh, set, material, moving);
        if (at) {
            transforms.push_back(Engine::Matrix4x4::Translation(*at));
            model->transform = &transforms.back();
        }
        return model;
    }

    std::string EngineLog() const { return TestSupport::ReadFile(dir.File("Engine.log")); }

    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory cwd{dir.Path()};
    cRecordingRenderer renderer;
    Engine::cNullHardwareBufferManager buffers{renderer};
    Engine::cMeshManager* meshes = nullptr;
    Engine::cMaterialManager* materials = nullptr;
    Engine::RenderTree tree;
    std::deque<Engine::Matrix4x4> transforms;
    std::vector<std::unique_ptr<Engine::cModelGfxCmp>> models;
};
