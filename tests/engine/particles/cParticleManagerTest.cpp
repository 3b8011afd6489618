// The particle manager: systems by name and kind, Start, Clear, Remove,
// emitters handed over, drawing through the scene renderer and device resets.

#include "engine/particles/cParticleManager.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/render/cDeviceResetOrder.h"
#include "engine/render/cNullVertexBuffer.h"
#include "engine/render/eBlendFactor.h"
#include "engine/render/eBlendOp.h"
#include "engine/render/eRenderStateId.h"
#include "engine/render/scene/cSceneRenderer.h"
#include "engine/resource/cMaterial.h"
#include "tests/engine/particles/ParticleFixture.h"

namespace {

using namespace Engine;

// The manager outlives a test's body, so the emitters' logs are the fixture's
// and the manager goes before them.
class ParticleManagerTest : public ParticleFixture {
protected:
    ~ParticleManagerTest() override { cParticleManager::Destroy(); }

    cParticleManager& manager = cParticleManager::Instance();
    EmitterLog log;
    EmitterLog first_log;
    EmitterLog second_log;
    EmitterLog logs[3];
};

TEST_F(ParticleManagerTest, TheSameNameOfTheOtherKindIsAnotherSystem) {
    cParticleSystem* facing = manager.GetSystem("Splash", 10, 2);
    cEffectSystem* ground = manager.GetEffectSystem("Splash", 20, 1);
    EXPECT_NE(static_cast<cParticleSystem*>(ground), facing);
    EXPECT_EQ(facing->Kind(), cParticleSystem::kKind);
    EXPECT_EQ(ground->Kind(), cEffectSystem::kKind);
    EXPECT_EQ(manager.GetSystem("Splash", 10, 2), facing);
    EXPECT_EQ(manager.GetEffectSystem("Splash", 20, 1), ground);
    ASSERT_EQ(manager.Systems().size(), 2u);
    EXPECT_EQ(manager.Systems()[0].get(), facing);
    EXPECT_EQ(manager.Systems()[1].get(), static_cast<cParticleSystem*>(ground));
}

TEST_F(ParticleManagerTest, ASecondAskKeepsCapacityAndBlendAndNeverOverrunsTheRing) {
    manager.Start();
    cParticleSystem* first = manager.GetSystem("SplatterPTS", 200, 2);
    cParticleSystem* again = manager.GetSystem("SplatterPTS", 1000, 1);
    ASSERT_EQ(again, first);
    EXPECT_EQ(again->Capacity(), 200u);
    EXPECT_EQ(again->Blend(), 2);
    ScriptedEmitter* emitter = manager.AddEmitter(again, std::make_unique<ScriptedEmitter>(1000, log));
    for (int i = 0; i < 1000; ++i) emitter->next.push_back(Particle({static_cast<float>(i), 0, 0}));
    manager.Update(0.0f);
    EXPECT_EQ(again->WriteIndex(), 0u);
    EXPECT_EQ(again->Particles()[199].position.x, 999.0f);
}

TEST_F(ParticleManagerTest, StartGivesResourcesAndTheParticleMaterialItsStates) {
    cParticleSystem* before = manager.GetSystem("Before", 4, 1);
    EXPECT_FALSE(before->Created());
    manager.Start();
    EXPECT_TRUE(manager.DeviceReady());
    EXPECT_TRUE(before->Created());
    EXPECT_TRUE(manager.GetEffectSystem("After", 4, 1)->Created());
    ASSERT_NE(manager.Material(), nullptr);
    EXPECT_EQ(manager.Material()->Name(), "ParticleMat");
    const std::map<int32_t, int32_t> expected{{RS_Blending, 1},
                                              {RS_ZWrite, 0},
                                              {RS_SourceBlend, BLEND_SourceAlpha},
                                              {RS_DestBlend, BLEND_InverseSourceAlpha},
                                              {RS_BlendOp, BLENDOP_Add}};
    EXPECT_EQ(manager.Material()->RenderStates(), expected);
    manager.Start();
    EXPECT_EQ(manager.Material()->RefCount(), 1);
}

TEST_F(ParticleManagerTest, AddEmitterInitsOnlyOnACreatedSystem) {
    cParticleSystem* system = manager.GetSystem("Dust", 8, 1);
    manager.AddEmitter(system, std::make_unique<ScriptedEmitter>(4, first_log));
    EXPECT_EQ(first_log.inits, 0);
    manager.Start();
    EXPECT_EQ(first_log.inits, 1);
    manager.AddEmitter(system, std::make_unique<ScriptedEmitter>(4, second_log));
    EXPECT_EQ(second_log.inits, 1);
    EXPECT_EQ(first_log.inits, 1);
    EXPECT_EQ(system->Emitters().size(), 2u);
}

TEST_F(ParticleManagerTest, ANullSystemOrEmitterIsLoggedAndNothingIsAdded) {
    EXPECT_EQ(manager.AddEmitter(nullptr, std::make_unique<ScriptedEmitter>(4, log)), nullptr);
    EXPECT_TRUE(log.deleted);
    cParticleSystem* system = manager.GetSystem("Dust", 8, 1);
    EXPECT_EQ(manager.AddEmitter(system, std::unique_ptr<iParticleEmitter>()), nullptr);
    EXPECT_TRUE(system->Emitters().empty());
    EXPECT_NE(EngineLog().find("Error: an emitter was added to no particle system"), std::string::npos);
    EXPECT_NE(EngineLog().find("Error: particle system \"Dust\" was given no emitter"), std::string::npos);
}

TEST_F(ParticleManagerTest, ClearDeletesEverySystemAndGivesTheMaterialBack) {
    manager.Start();
    manager.AddEmitter(manager.GetSystem("A", 4, 1), std::make_unique<ScriptedEmitter>(4, log));
    manager.GetEffectSystem("B", 4, 2);
    manager.Clear();
    EXPECT_TRUE(manager.Systems().empty());
    EXPECT_FALSE(manager.DeviceReady());
    EXPECT_EQ(manager.Material(), nullptr);
    EXPECT_EQ(materials->Find("ParticleMat"), nullptr);
    EXPECT_TRUE(log.deleted);
    EXPECT_EQ(log.releases, 1);
    EXPECT_FALSE(manager.GetSystem("A", 4, 1)->Created());
}

TEST_F(ParticleManagerTest, RemoveTakesOnlyTheFacingSystemOfThatName) {
    manager.Start();
    cEffectSystem* ground = manager.GetEffectSystem("Gone", 4, 1);
    manager.GetSystem("First", 4, 1);
    manager.AddEmitter(manager.GetSystem("Gone", 4, 1), std::make_unique<ScriptedEmitter>(4, log));
    manager.Remove("Gone");
    manager.Remove("Unknown");
    ASSERT_EQ(manager.Systems().size(), 2u);
    EXPECT_EQ(manager.Systems()[0].get(), static_cast<cParticleSystem*>(ground));
    EXPECT_EQ(manager.Systems()[1]->Name(), "First");
    EXPECT_TRUE(log.deleted);
}

TEST_F(ParticleManagerTest, UpdateRunsEverySystemAndDropsExpiredEmitters) {
    manager.Start();
    auto* first = manager.AddEmitter(manager.GetSystem("One", 4, 1), std::make_unique<ScriptedEmitter>(4, first_log));
    manager.AddEmitter(manager.GetEffectSystem("Two", 4, 1), std::make_unique<ScriptedEmitter>(4, second_log));
    first->expired = true;
    manager.Update(0.1f);
    EXPECT_EQ(first_log.emits, 1);
    EXPECT_EQ(second_log.emits, 1);
    EXPECT_TRUE(first_log.deleted);
    EXPECT_TRUE(manager.Systems()[0]->Emitters().empty());
    EXPECT_FALSE(second_log.deleted);
}

TEST_F(ParticleManagerTest, ADeviceResetReleasesAndRestoresEveryVertexBuffer) {
    manager.Start();
    cParticleSystem* system = manager.GetSystem("Reset", 4, 2);
    manager.AddEmitter(system, std::make_unique<ScriptedEmitter>(4, log))->next = {Particle({0, 0, 0})};
    manager.Update(0.0f);
    const auto* buffer = dynamic_cast<const cNullVertexBuffer*>(system->VertexBuffer());
    ASSERT_NE(buffer, nullptr);
    const std::vector<uint8_t> before = buffer->DeviceBytes();
    ASSERT_FALSE(before.empty());
    cDeviceResetOrder::Instance().ReleaseAll();
    EXPECT_TRUE(buffer->DeviceBytes().empty());
    cDeviceResetOrder::Instance().RestoreAll();
    EXPECT_EQ(buffer->DeviceBytes(), before);
    EXPECT_EQ(log.inits, 1);
    EXPECT_EQ(system->Emitters().size(), 1u);
}

class CountingRenderer : public cNullRenderer {
public:
    void DrawPrimitives(int32_t type, uint32_t start, uint32_t count) override {
        draws.push_back(count);
        dest_blends.push_back(RenderState(RS_DestBlend));
        cNullRenderer::DrawPrimitives(type, start, count);
    }
    std::vector<uint32_t> draws;
    std::vector<int32_t> dest_blends;
};

TEST_F(ParticleManagerTest, TheSceneRendererDrawsEachVisibleSystemWithItsBlend) {
    CountingRenderer counting;
    counting.Initialise();
    cSceneRenderer scene(counting);
    manager.SetDevice(&counting, buffers);
    manager.AttachTo(scene);
    EXPECT_EQ(scene.ParticleDrawer(), &manager);
    manager.Start();
    const std::vector<std::pair<cParticleSystem*, int>> systems{
        {manager.GetSystem("Glow", 8, 2), 2}, {manager.GetSystem("Empty", 8, 1), 0}, {manager.GetEffectSystem("Soft", 8, 1), 1}};
    for (std::size_t i = 0; i < systems.size(); ++i) {
        auto* emitter = manager.AddEmitter(systems[i].first, std::make_unique<ScriptedEmitter>(4, logs[i]));
        for (int n = 0; n < systems[i].second; ++n) emitter->next.push_back(Particle({0, 0, -5}));
    }
    // The first frame sets the view the update culls against.
    scene.RenderFrame();
    manager.Update(0.0f);
    scene.RenderFrame();
    EXPECT_EQ(counting.draws, (std::vector<uint32_t>{4, 2}));
    EXPECT_EQ(counting.dest_blends, (std::vector<int32_t>{BLEND_One, BLEND_InverseSourceAlpha}));
    manager.Detach();
    EXPECT_EQ(scene.ParticleDrawer(), nullptr);
}

}  // namespace

namespace {

TEST_F(ParticleManagerTest, AManagerOutlivingItsSceneRendererForgetsItAndGoesQuietly) {
    CountingRenderer counting;
    counting.Initialise();
    auto scene = std::make_unique<cSceneRenderer>(counting);
    manager.AttachTo(*scene);
    scene.reset();
    // Detaching (as the manager's own destructor does) must not reach the destroyed renderer.
    manager.Detach();
    manager.Start();
    manager.GetSystem("Late", 4, 1);
    manager.Update(0.0f);
}

}  // namespace
