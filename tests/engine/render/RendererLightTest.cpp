// The renderer's light slots: what each of the eight holds and whether it is
// on, the ambient colour, the revision that tells a device layer to upload
// them again, slots past the last, and lights that cannot light anything.

#include <gtest/gtest.h>

#include <cmath>  // NAN
#include <string>

#include "engine/render/RenderLight.h"
#include "tests/engine/render/RenderFixture.h"

namespace {

using namespace Engine;

using RendererLightTest = NullRendererFixture;

RenderLight Lamp(float red, const Vector3& position) {
    RenderLight light;
    light.type = RLT_Point;
    light.diffuse = {red, 0.5f, 0.25f, 1};
    light.position = position;
    light.range = 50.0f;
    light.attenuation0 = 1.0f;
    return light;
}

TEST_F(RendererLightTest, EachSlotKeepsItsLightAndSwitchAndTheAmbientColourIsKept) {
    struct Step {
        uint32_t slot;
        RenderLight light;
        bool on;
    };
    RenderLight spot = Lamp(0.1f, {0, 5, 0});
    spot.type = RLT_Spot;
    spot.direction = {0, -1, 0};
    spot.theta = 0.2618f;
    spot.phi = 0.5236f;
    const Step steps[] = {
        {0, Lamp(1.0f, {1, 2, 3}), true},
        {3, spot, true},
        {7, Lamp(0.5f, {-4, 0, 9}), false},
    };
    for (const Step& s : steps) {
        EXPECT_TRUE(renderer->SetLight(s.slot, s.light)) << s.slot;
        EXPECT_TRUE(renderer->LightEnable(s.slot, s.on)) << s.slot;
    }
    for (const Step& s : steps) {
        EXPECT_EQ(renderer->Light(s.slot), s.light) << s.slot;
        EXPECT_EQ(renderer->LightEnabled(s.slot), s.on) << s.slot;
    }
    for (uint32_t untouched : {1u, 2u, 4u, 5u, 6u}) {
        EXPECT_FALSE(renderer->LightEnabled(untouched)) << untouched;
        EXPECT_EQ(renderer->Light(untouched), RenderLight{}) << untouched;
    }
    EXPECT_TRUE(renderer->LightEnable(3, false));
    EXPECT_FALSE(renderer->LightEnabled(3));
    EXPECT_EQ(renderer->Light(3), spot) << "switching a slot off keeps its light";

    EXPECT_EQ(renderer->Ambient(), ColorRGBA(0, 0, 0, 1));
    renderer->SetAmbient({0.2f, 0.3f, 0.4f, 1});
    EXPECT_EQ(renderer->Ambient(), ColorRGBA(0.2f, 0.3f, 0.4f, 1));
}

TEST_F(RendererLightTest, ASlotPastTheLastIsRefusedWithAnErrorAndChangesNothing) {
    const uint64_t revision = renderer->LightRevision();
    for (uint32_t slot : {8u, 255u}) {
        EXPECT_FALSE(renderer->SetLight(slot, Lamp(1.0f, {0, 0, 0}))) << slot;
        EXPECT_FALSE(renderer->LightEnable(slot, true)) << slot;
        EXPECT_FALSE(renderer->LightEnabled(slot)) << slot;
    }
    EXPECT_EQ(renderer->LightRevision(), revision);
    EXPECT_EQ(renderer->Light(0), RenderLight{});
    EXPECT_FALSE(renderer->LightEnabled(0));
    EXPECT_TRUE(Logged("Error: [cNullRenderer] SetLight of light slot 8 refused: the device has slots 0 to 7"));
    EXPECT_TRUE(Logged("Error: [cNullRenderer] LightEnable of light slot 255 refused"));
}

TEST_F(RendererLightTest, TheRevisionCountsChangesOnly) {
    struct Change {
        const char* what;
        void (*apply)(cRendererBase&);
        bool changes;
    };
    const Change changes[] = {
        {"a new light", [](cRendererBase& r) { r.SetLight(2, Lamp(1.0f, {1, 1, 1})); }, true},
        {"the same light", [](cRendererBase& r) { r.SetLight(2, Lamp(1.0f, {1, 1, 1})); }, false},
        {"the light moved", [](cRendererBase& r) { r.SetLight(2, Lamp(1.0f, {1, 1, 2})); }, true},
        {"switched on", [](cRendererBase& r) { r.LightEnable(2, true); }, true},
        {"on again", [](cRendererBase& r) { r.LightEnable(2, true); }, false},
        {"switched off", [](cRendererBase& r) { r.LightEnable(2, false); }, true},
        {"an ambient colour", [](cRendererBase& r) { r.SetAmbient({0.5f, 0.5f, 0.5f, 1}); }, true},
        {"the same ambient colour", [](cRendererBase& r) { r.SetAmbient({0.5f, 0.5f, 0.5f, 1}); }, false},
    };
    for (const Change& c : changes) {
        const uint64_t before = renderer->LightRevision();
        c.apply(*renderer);
        EXPECT_EQ(renderer->LightRevision() != before, c.changes) << c.what;
    }
}

TEST_F(RendererLightTest, ALightThatCannotLightAnythingIsKeptAndLoggedOnce) {
    struct Case {
        const char* what;
        RenderLight light;
        std::string fault;  // empty: a sound light
    };
    RenderLight unknown = Lamp(1, {});
    unknown.type = 0;
    RenderLight not_a_number = Lamp(1, {});
    not_a_number.diffuse.g = NAN;
    RenderLight negative_range = Lamp(1, {});
    negative_range.range = -1.0f;
    RenderLight negative_attenuation = Lamp(1, {});
    negative_attenuation.attenuation2 = -0.5f;
    RenderLight sun = Lamp(1, {});
    sun.type = RLT_Directional;
    RenderLight spot = Lamp(1, {});
    spot.type = RLT_Spot;
    RenderLight aimed_spot = spot;
    aimed_spot.direction = {0, 0, 1};
    const Case cases[] = {
        {"a point light needs no direction", Lamp(1, {}), ""},
        {"a spot with a direction", aimed_spot, ""},
        {"unknown type", unknown, "its type 0 is not point (1), spot (2) or directional (3)"},
        {"not a number", not_a_number, "a value of it is not a finite number"},
        {"negative range", negative_range, "its range is negative"},
        {"negative attenuation", negative_attenuation, "an attenuation factor is negative"},
        {"directional without direction", sun, "it has no direction"},
        {"spot without direction", spot, "it has no direction"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RenderLightFault(c.light), c.fault) << c.what;
        // From a sound light to this one, twice, as an owner sending it every frame would.
        renderer->SetLight(5, Lamp(0.5f, {9, 9, 9}));
        const std::string line = "Error: [cNullRenderer] The light in slot 5 lights nothing: " + c.fault;
        const int before = LinesEqualTo(line);
        EXPECT_TRUE(renderer->SetLight(5, c.light)) << c.what;
        EXPECT_TRUE(renderer->SetLight(5, c.light)) << c.what;
        EXPECT_EQ(renderer->Light(5).type, c.light.type) << c.what << ": the light is kept";
        EXPECT_EQ(LinesEqualTo(line) - before, c.fault.empty() ? 0 : 1) << c.what;
    }
}

TEST_F(RendererLightTest, LightsAndTheAmbientColourOutliveADeviceReset) {
    renderer->SetLight(1, Lamp(1.0f, {3, 2, 1}));
    renderer->LightEnable(1, true);
    renderer->SetAmbient({0.1f, 0.2f, 0.3f, 1});
    renderer->SimulateDeviceLoss(true);
    ASSERT_TRUE(renderer->BeginFrame());
    EXPECT_EQ(renderer->ResetAttempts(), 1u);
    EXPECT_EQ(renderer->Light(1), Lamp(1.0f, {3, 2, 1}));
    EXPECT_TRUE(renderer->LightEnabled(1));
    EXPECT_EQ(renderer->Ambient(), ColorRGBA(0.1f, 0.2f, 0.3f, 1));
}

}  // namespace
