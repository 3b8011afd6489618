#pragma once
// SpriteFixture: a headless setting for the sprite, billboard and text
// tests. Each test runs in a temporary folder (Engine.log lands there) with
// a null renderer that counts draws, the null device's resource managers
// installed in cResourceSystem, a 256 x 256 texture in the texture set
// "sheet" (and a 128 x 64 one in "strip"), and layers that write down every
// registration.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/core/cLog.h"
#include "engine/render/cNullHardwareBufferManager.h"
#include "engine/render/cNullRenderer.h"
#include "engine/render/scene/cBillBoardGfxCmp.h"
#include "engine/render/scene/cFontGfxCmp.h"
#include "engine/render/scene/cSpriteGfxCmp.h"
#include "engine/render/scene/iSpriteLayers.h"
#include "engine/resource/cAnimationRegistry.h"
#include "engine/resource/cMaterialManager.h"
#include "engine/resource/cMeshManager.h"
#include "engine/resource/cNullShaderManager.h"
#include "engine/resource/cNullTextureManager.h"
#include "engine/resource/cResourceSystem.h"
#include "engine/resource/cTextureSet.h"
#include "engine/resource/eTextureFormat.h"
#include "engine/resource/eTextureType.h"
#include "tests/support/TempDir.h"

class DrawCountingRenderer : public Engine::cNullRenderer {
public:
    void DrawIndexedPrimitives(int32_t type, uint32_t start, uint32_t count) override {
        ++draws;
        cNullRenderer::DrawIndexedPrimitives(type, start, count);
    }
    int draws = 0;
};

// Writes each registration as a line: "add-sprite <layer> <texture set>",
// "remove-sprite", "add-text <layer>", "remove-text", "add-billboard",
// "remove-billboard".
class RecordingSpriteLayers : public Engine::iSpriteLayers {
public:
    void AddSprite(Engine::cSpriteGfxCmp& sprite, uint8_t layer) override {
        const Engine::cTextureSet* set = sprite.TextureSet();
        events.push_back("add-sprite " + std::to_string(layer) + " " + (set ? set->Name() : "none"));
    }
    void RemoveSprite(Engine::cSpriteGfxCmp&) override { events.push_back("remove-sprite"); }
    void AddText(Engine::cFontGfxCmp&, uint8_t layer) override {
        events.push_back("add-text " + std::to_string(layer));
    }
    void RemoveText(Engine::cFontGfxCmp&) override { events.push_back("remove-text"); }
    void AddBillboard(Engine::cBillBoardGfxCmp&) override { events.push_back("add-billboard"); }
    void RemoveBillboard(Engine::cBillBoardGfxCmp&) override { events.push_back("remove-billboard"); }

    std::vector<std::string> events;
};

class SpriteFixture : public ::testing::Test {
protected:
    SpriteFixture() {
        ResetServices();
        renderer.Initialise();
        Engine::cResourceSystem& resources = Engine::cResourceSystem::Instance();
        auto texture_manager = std::make_unique<Engine::cNullTextureManager>(renderer);
        textures = texture_manager.get();
        resources.InstallTextureManager(std::move(texture_manager));
        auto mesh_manager = std::make_unique<Engine::cMeshManager>(buffers);
        meshes = mesh_manager.get();
        resources.InstallMeshManager(std::move(mesh_manager));
        resources.InstallShaderManager(std::make_unique<Engine::cNullShaderManager>(renderer));
        resources.InstallMaterialManager(std::make_unique<Engine::cMaterialManager>());
        MakeSheet("sheet", 256, 256);
        MakeSheet("strip", 128, 64);
    }

    ~SpriteFixture() override {
        for (auto& set : held_sets) textures->ReleaseTextureSet(set);
        ResetServices();
    }

    static void ResetServices() {
        Engine::cResourceSystem::Destroy();
        Engine::cAnimationRegistry::Destroy();
        Engine::cLog::Destroy();
    }

    // A texture set holding one texture of the size; the fixture keeps a reference so it lives all test long.
    void MakeSheet(const std::string& name, int32_t width, int32_t height) {
        Engine::cTextureSet* set = textures->GetTextureSet(name);
        set->AddTexture(
            textures->CreateTexture(name + ".tga", Engine::TT_2D, width, height, Engine::TF_ARGB8, nullptr));
        held_sets.push_back(set);
    }

    std::string EngineLog() const { return TestSupport::ReadFile(dir.File("Engine.log")); }

    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory cwd{dir.Path()};
    DrawCountingRenderer renderer;
    Engine::cNullHardwareBufferManager buffers{renderer};
    Engine::cNullTextureManager* textures = nullptr;
    Engine::cMeshManager* meshes = nullptr;
    RecordingSpriteLayers layers;
    std::vector<Engine::cTextureSet*> held_sets;
};
