// Particles drawn through the scene renderer on OpenGL: a system's quads
// show its texture where its particles are, with the vertex alpha, and the
// blend decides how overlapping particles add up. The picture around them
// stays as cleared.

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "engine/particles/cParticleManager.h"
#include "engine/render/gl/cGLShaderManager.h"
#include "engine/render/gl/cGLTextureManager.h"
#include "engine/render/scene/cCameraGfxCmp.h"
#include "engine/render/scene/cSceneRenderer.h"
#include "engine/resource/cMaterialManager.h"
#include "engine/resource/cMeshManager.h"
#include "engine/resource/cResourceSystem.h"
#include "engine/resource/cTextureSet.h"
#include "engine/resource/eTextureFormat.h"
#include "engine/resource/eTextureType.h"
#include "engine/resource/iGPUProgram.h"
#include "engine/resource/iShader.h"
#include "engine/resource/iShaderManager.h"
#include "tests/engine/particles/ParticleFixture.h"
#include "tests/engine/render/gl/GLFixture.h"

namespace {

using namespace Engine;

class ParticleGLTest : public GLFixture {
protected:
    static constexpr int32_t kCentreX = kWidth / 2;
    static constexpr int32_t kCentreY = kHeight / 2;

    void SetUp() override {
        GLFixture::SetUp();
        if (IsSkipped()) return;
        cResourceSystem& resources = cResourceSystem::Instance();
        auto texture_manager = std::make_unique<cGLTextureManager>(*renderer);
        textures = texture_manager.get();
        resources.InstallTextureManager(std::move(texture_manager));
        resources.InstallMeshManager(std::make_unique<cMeshManager>(*buffers));
        resources.InstallShaderManager(std::make_unique<cGLShaderManager>(*renderer));
        resources.InstallMaterialManager(std::make_unique<cMaterialManager>());
        scene = std::make_unique<cSceneRenderer>(*renderer);
        scene->ComputeViewports({false, 0, 0, kWidth, kHeight, false});
        camera.Initialise({0, 0, 10}, {0, 0, 0}, {0, 1, 0}, 45.0f, 0.1f, 100.0f);
        camera.aspect = static_cast<float>(kWidth) / kHeight;
        scene->SetCamera(&camera);
        MakeWhiteSheet("Glow");
        cParticleManager& manager = cParticleManager::Instance();
        manager.SetDevice(renderer.get(), buffers.get());
        manager.AttachTo(*scene);
        manager.Start();
    }

    void TearDown() override {
        cParticleManager::Destroy();
        scene.reset();
        for (auto& set : sets) textures->ReleaseTextureSet(set);
        cResourceSystem::Destroy();
        GLFixture::TearDown();
    }

    void MakeWhiteSheet(const std::string& name) {
        const std::vector<uint8_t> pixels(4 * 4 * 4, 255);
        cTextureSet* set = textures->GetTextureSet(name);
        set->AddTexture(textures->CreateTexture(name + ".tga", TT_2D, 4, 4, TF_ARGB8, pixels.data()));
        sets.push_back(set);
    }

    // A system of the white sheet with the records staged at its next update.
    void AddParticles(int32_t blend, const std::vector<ParticleRecord>& records) {
        cParticleManager& manager = cParticleManager::Instance();
        ScriptedEmitter* emitter =
            manager.AddEmitter(manager.GetSystem("Glow", 16, blend), std::make_unique<ScriptedEmitter>(16, log));
        emitter->next = records;
    }

    Frame DrawFrame() {
        EXPECT_TRUE(renderer->BeginFrame());
        scene->RenderFrame();
        Frame frame = Capture();
        renderer->EndFrame();
        return frame;
    }

    // A frame for the camera, the update that culls against it, and the frame that shows the particles.
    Frame UpdateAndDraw() {
        DrawFrame();
        cParticleManager::Instance().Update(0.0f);
        return DrawFrame();
    }

    static ParticleRecord HalfBright(const Vector3& position) {
        ParticleRecord record = Particle(position, 10.0f, 10.0f);
        record.alpha_death = record.alpha_birth = 0.5f;
        record.size_death = record.size_birth = 1.0f;
        return record;
    }

    static bool Near(uint8_t value, int expected) { return std::abs(int(value) - expected) <= 4; }

    static void ExpectGrey(const Pixel& p, int expected, const char* where) {
        EXPECT_TRUE(Near(p.r, expected) && Near(p.g, expected) && Near(p.b, expected))
            << where << ": " << int(p.r) << " " << int(p.g) << " " << int(p.b) << ", expected " << expected;
    }

    EmitterLog log;
    cGLTextureManager* textures = nullptr;
    std::unique_ptr<cSceneRenderer> scene;
    std::vector<cTextureSet*> sets;
    cCameraGfxCmp camera;
};

TEST_F(ParticleGLTest, AnAdditiveParticleBrightensOnlyWhereItIs) {
    if (IsSkipped()) return;
    AddParticles(cParticleSystem::kAdditiveBlend, {HalfBright({0, 0, 0})});
    const Frame frame = UpdateAndDraw();
    ExpectGrey(frame.At(kCentreX, kCentreY), 128, "centre");
    ExpectGrey(frame.At(kCentreX + 10, kCentreY + 10), 128, "inside the quad");
    ExpectGrey(frame.At(kCentreX + 60, kCentreY), 0, "beside the quad");
    ExpectGrey(frame.At(5, 5), 0, "corner");
}

TEST_F(ParticleGLTest, TheGamesParticleProgramPlacesAndFadesTheParticleTheSame) {
    if (IsSkipped()) return;
    // The shipped program in the shared material, as the game draws every system.
    cParticleManager& manager = cParticleManager::Instance();
    manager.Clear();
    cResourceSystem& resources = cResourceSystem::Instance();
    const std::string directory = std::string(BRAMBLEBY_SOURCE_DIR) + "/GameData/Shaders/";
    iGPUProgram* program = resources.ShaderManager()->CreateShaderProgram(
        "particle.shader", directory, "ParticleVS", "particle.shader", directory, "ParticlePS");
    ASSERT_NE(program, nullptr);
    program->VertexStage()->EnableWVPMatrix(true);
    resources.MaterialManager()->GetMaterial(cParticleManager::kMaterialName)
        ->SetProgram(program, resources.ShaderManager());
    manager.Start();
    AddParticles(cParticleSystem::kAdditiveBlend, {HalfBright({0, 0, 0})});
    const Frame frame = UpdateAndDraw();
    ExpectGrey(frame.At(kCentreX, kCentreY), 128, "centre");
    ExpectGrey(frame.At(kCentreX + 60, kCentreY), 0, "beside the quad");
}

TEST_F(ParticleGLTest, OverlappingAdditiveParticlesAddUp) {
    if (IsSkipped()) return;
    AddParticles(cParticleSystem::kAdditiveBlend, {HalfBright({0, 0, 0}), HalfBright({0, 0, 0})});
    ExpectGrey(UpdateAndDraw().At(kCentreX, kCentreY), 255, "centre");
}

TEST_F(ParticleGLTest, OverlappingAlphaBlendedParticlesCoverWhatIsUnder) {
    if (IsSkipped()) return;
    AddParticles(cParticleSystem::kAlphaBlend, {HalfBright({0, 0, 0}), HalfBright({0, 0, 0})});
    ExpectGrey(UpdateAndDraw().At(kCentreX, kCentreY), 191, "centre");
}

TEST_F(ParticleGLTest, ParticlesOutOfViewDrawNothing) {
    if (IsSkipped()) return;
    AddParticles(cParticleSystem::kAdditiveBlend, {HalfBright({0, 0, 20})});
    const Frame frame = UpdateAndDraw();
    EXPECT_EQ(cParticleManager::Instance().Systems()[0]->VisibleCount(), 0u);
    ExpectGrey(frame.At(kCentreX, kCentreY), 0, "centre");
}

}  // namespace
