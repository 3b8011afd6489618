// The light manager: eight device slots handed out from the front of the
// free-slot queue and given back to its end, a ninth light without a slot,
// the device table, the ambient colour, and what reaches an installed renderer.
#include "engine/render/scene/cLightManager.h"

#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <iterator>  // std::size
#include <memory>

#include "engine/core/cLog.h"
#include "engine/platform/cWindow.h"
#include "engine/render/cDeviceResetOrder.h"
#include "engine/render/cNullRenderer.h"
#include "engine/render/cRenderSystem.h"
#include "tests/support/TempDir.h"

namespace Engine {
namespace {

class LightManagerTest : public ::testing::Test {
protected:
    LightManagerTest() { cLog::Destroy(); }
    ~LightManagerTest() override { cLog::Destroy(); }

    std::string EngineLog() const { return TestSupport::ReadFile(dir.File("Engine.log")); }

    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory cwd{dir.Path()};
    cLightManager manager;
    std::array<LightRecord, 10> lights{};
};

TEST_F(LightManagerTest, StartsWithEightFreeSlotsInOrderAndOpaqueBlackAmbient) {
    EXPECT_EQ(manager.FreeSlots(), (std::deque<uint8_t>{0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_TRUE(manager.ActiveLights().empty());
    EXPECT_EQ(manager.Ambient(), ColorRGBA(0, 0, 0, 1));
    EXPECT_EQ(manager.AmbientWord(), 0xFF000000u);
}

TEST_F(LightManagerTest, NineLightsGetSlotsZeroToSevenThenNone) {
    for (int i = 0; i < 9; ++i) EXPECT_TRUE(manager.EnableLight(lights[i], true)) << i;
    for (int i = 0; i < 8; ++i) EXPECT_EQ(lights[i].slot, i);
    EXPECT_EQ(lights[8].slot, LightRecord::kNoSlot);
    EXPECT_TRUE(manager.FreeSlots().empty());
    EXPECT_EQ(manager.ActiveLights().size(), 9u);
    // Sending the ninth light again, as owners do each frame, logs nothing more.
    EXPECT_TRUE(manager.EnableLight(lights[8], true));
    const std::string log = EngineLog();
    const std::size_t first = log.find("device light slots are in use");
    EXPECT_NE(first, std::string::npos);
    EXPECT_EQ(log.find("device light slots are in use", first + 1), std::string::npos);
}

TEST_F(LightManagerTest, AFreedSlotGoesToTheNextLightAndTheNinthNeverPutsNoSlotInTheQueue) {
    for (int i = 0; i < 9; ++i) manager.EnableLight(lights[i], true);
    // The light without a slot leaves: nothing may enter the queue.
    EXPECT_TRUE(manager.EnableLight(lights[8], false));
    EXPECT_TRUE(manager.FreeSlots().empty());

    EXPECT_TRUE(manager.EnableLight(lights[3], false));
    EXPECT_EQ(lights[3].slot, LightRecord::kNoSlot);
    EXPECT_EQ(manager.FreeSlots(), std::deque<uint8_t>{3});
    EXPECT_FALSE(manager.Device(3).enabled);

    EXPECT_TRUE(manager.EnableLight(lights[9], true));
    EXPECT_EQ(lights[9].slot, 3);
    EXPECT_TRUE(manager.Device(3).enabled);
}

TEST_F(LightManagerTest, EnablingTwiceKeepsOneSlotAndSendsTheChangedRecord) {
    lights[0].type = LT_Spot;
    lights[0].diffuse = {1, 0, 0, 1};
    manager.EnableLight(lights[0], true);
    lights[0].diffuse = {0, 1, 0, 1};
    EXPECT_EQ(manager.Device(0).record.diffuse, ColorRGBA(1, 0, 0, 1)) << "the device holds a copy";
    EXPECT_TRUE(manager.EnableLight(lights[0], true));
    EXPECT_EQ(lights[0].slot, 0);
    EXPECT_EQ(manager.ActiveLights().size(), 1u);
    EXPECT_EQ(manager.FreeSlots().size(), 7u);
    EXPECT_EQ(manager.Device(0).record.diffuse, ColorRGBA(0, 1, 0, 1));
    EXPECT_EQ(manager.Device(0).record.type, LT_Spot);

    EXPECT_TRUE(manager.EnableLight(lights[0], false));
    EXPECT_EQ(manager.FreeSlots().size(), 8u);
    EXPECT_EQ(manager.FreeSlots().back(), 0) << "a freed slot goes to the back";
}

TEST_F(LightManagerTest, DisablingALightThatIsNotEnabledOnlyClearsItsSlot) {
    lights[0].slot = 5;
    EXPECT_FALSE(manager.EnableLight(lights[0], false));
    EXPECT_EQ(lights[0].slot, LightRecord::kNoSlot);
    EXPECT_EQ(manager.FreeSlots().size(), 8u);
    EXPECT_FALSE(manager.Device(5).enabled);
}

TEST_F(LightManagerTest, AmbientPacksAlphaRedGreenBlueTruncatedAndClamped) {
    struct Case {
        ColorRGBA colour;
        uint32_t word;
    };
    const Case cases[] = {
        {{1, 0.5f, 0.25f, 1}, 0xFFFF7F3Fu},
        {{0.2f, 0.4f, 0.6f, 0.8f}, 0xCC336699u},
        {{1.5f, -0.5f, 0, 2}, 0xFFFF0000u},  // out of range: clamped, never wrapped
    };
    for (const Case& c : cases) {
        manager.SetAmbient(c.colour);
        EXPECT_EQ(manager.Ambient(), c.colour);
        EXPECT_EQ(manager.AmbientWord(), c.word) << std::hex << c.word;
    }
}

// The same manager with a null renderer installed in the render system.
class LightManagerRendererTest : public LightManagerTest {
protected:
    LightManagerRendererTest() {
        ResetRenderServices();
        auto made = std::make_unique<cNullRenderer>();
        made->Initialise();
        renderer = made.get();
        cRenderSystem::Instance().InstallRenderer(std::move(made));
    }
    ~LightManagerRendererTest() override { ResetRenderServices(); }

    static void ResetRenderServices() {
        cRenderSystem::Destroy();
        cDeviceResetOrder::Destroy();
        cWindow::Destroy();
    }

    cNullRenderer* renderer = nullptr;
};

TEST_F(LightManagerRendererTest, EnablingALightGivesTheRendererItsRecordWithTheDeviceTypeAndSwitchesItsSlotOn) {
    struct Case {
        int32_t type;
        int32_t device_type;
    };
    const Case cases[] = {{LT_Point, RLT_Point}, {LT_Directional, RLT_Directional}, {LT_Spot, RLT_Spot}, {7, 7}};
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        LightRecord& light = lights[i];
        light.type = cases[i].type;
        light.diffuse = {1, 0.5f, 0.25f, 1};
        light.specular = {0.1f, 0.2f, 0.3f, 1};
        light.ambient = {0.05f, 0.06f, 0.07f, 1};
        light.position = {1, 2, 3};
        light.direction = {0, -1, 0.5f};
        light.range = 40.0f + static_cast<float>(i);
        light.falloff = 2.0f;
        light.attenuation0 = 0.5f;
        light.attenuation1 = 0.25f;
        light.attenuation2 = 0.125f;
        light.innerCone = 0.3f;
        light.outerCone = 0.9f;
        ASSERT_TRUE(manager.EnableLight(light, true));
        const RenderLight& sent = renderer->Light(light.slot);
        EXPECT_EQ(sent.type, cases[i].device_type) << cases[i].type;
        EXPECT_EQ(sent.diffuse, light.diffuse);
        EXPECT_EQ(sent.specular, light.specular);
        EXPECT_EQ(sent.ambient, light.ambient);
        EXPECT_EQ(sent.position, light.position);
        EXPECT_EQ(sent.direction, light.direction);
        EXPECT_EQ(sent.range, light.range);
        EXPECT_EQ(sent.falloff, 2.0f);
        EXPECT_EQ(sent.attenuation0, 0.5f);
        EXPECT_EQ(sent.attenuation1, 0.25f);
        EXPECT_EQ(sent.attenuation2, 0.125f);
        EXPECT_EQ(sent.theta, 0.3f);
        EXPECT_EQ(sent.phi, 0.9f);
        EXPECT_TRUE(renderer->LightEnabled(light.slot));
    }
}

TEST_F(LightManagerRendererTest, AChangedRecordReachesTheRendererAndDisablingSwitchesItsSlotOff) {
    lights[0].type = LT_Point;
    lights[0].range = 10.0f;
    manager.EnableLight(lights[1], true);
    manager.EnableLight(lights[0], true);
    ASSERT_EQ(lights[0].slot, 1);
    lights[0].position = {4, 5, 6};
    manager.EnableLight(lights[0], true);
    EXPECT_EQ(renderer->Light(1).position, Vector3(4, 5, 6));

    EXPECT_TRUE(manager.EnableLight(lights[0], false));
    EXPECT_FALSE(renderer->LightEnabled(1));
    EXPECT_TRUE(renderer->LightEnabled(0)) << "the other light stays on";
    EXPECT_FALSE(manager.EnableLight(lights[0], false));
    EXPECT_FALSE(renderer->LightEnabled(1));
}

TEST_F(LightManagerRendererTest, ANinthLightNeverReachesTheRenderer) {
    for (int i = 0; i < 8; ++i) manager.EnableLight(lights[i], true);
    const uint64_t revision = renderer->LightRevision();
    lights[8].diffuse = {1, 1, 1, 1};
    EXPECT_TRUE(manager.EnableLight(lights[8], true));
    EXPECT_TRUE(manager.EnableLight(lights[8], false));
    EXPECT_EQ(renderer->LightRevision(), revision);
    EXPECT_EQ(EngineLog().find("refused"), std::string::npos) << "no slot 255 is asked of the renderer";
}

TEST_F(LightManagerRendererTest, TheAmbientColourReachesTheRenderer) {
    manager.SetAmbient({0.25f, 0.5f, 0.75f, 1});
    EXPECT_EQ(renderer->Ambient(), ColorRGBA(0.25f, 0.5f, 0.75f, 1));
    EXPECT_EQ(manager.Ambient(), ColorRGBA(0.25f, 0.5f, 0.75f, 1));
}

}  // namespace
}  // namespace Engine
