// The slider track: positions read as values from 0 to 1 and values place the
// knob, held within the ends; a track whose ends coincide divides by nothing.

#include <gtest/gtest.h>

#include <cmath>

#include "engine/ui/UIGeometry.h"

namespace {

using Engine::UISliderTrack;

TEST(UISliderTrackTest, PositionsReadAsValuesWithinTheEnds) {
    const struct {
        UISliderTrack track;
        float x;
        float value;
    } cases[] = {
        {{0.2f, 0.6f}, 0.2f, 0.0f}, {{0.2f, 0.6f}, 0.4f, 0.5f}, {{0.2f, 0.6f}, 0.6f, 1.0f},
        {{0.2f, 0.6f}, -3.0f, 0.0f}, {{0.2f, 0.6f}, 9.0f, 1.0f}, {{0.6f, 0.2f}, 0.5f, 0.75f},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(c.track.ValueAt(c.x), c.value, 1e-6f) << c.track.left << ".." << c.track.right << " at " << c.x;
    }
}

TEST(UISliderTrackTest, ValuesPlaceTheKnobOnTheTrack) {
    const UISliderTrack track{0.2f, 0.6f};
    EXPECT_NEAR(track.KnobAt(0.25f), 0.3f, 1e-6f);
    EXPECT_NEAR(track.KnobAt(1.0f), 0.6f, 1e-6f);
    EXPECT_NEAR(track.KnobAt(4.0f), 0.6f, 1e-6f);
    EXPECT_NEAR(track.KnobAt(-1.0f), 0.2f, 1e-6f);
    EXPECT_NEAR(track.ValueAt(track.KnobAt(0.7f)), 0.7f, 1e-6f);
}

TEST(UISliderTrackTest, CoincidingEndsNeverDivideByZero) {
    const UISliderTrack track{0.4f, 0.4f};
    for (const float x : {0.0f, 0.4f, 1.0f}) {
        EXPECT_EQ(track.ValueAt(x), 0.0f) << x;
        EXPECT_EQ(track.Clamp(x), 0.4f) << x;
    }
    EXPECT_EQ(track.KnobAt(0.5f), 0.4f);
    EXPECT_FALSE(std::isnan(track.ValueAt(0.4f)));
}

}  // namespace
