// The light manager: eight device slots handed out from the front of the
// free-slot queue and given back to its end, a ninth light without a slot,
// the device table, the ambient colour.
#include "engine/render/scene/cLightManager.h"

#include <gtest/gtest.h>

#include <array>
#include <deque>

#include "engine/core/cLog.h"
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

}  // namespace
}  // namespace Engine
