// Easing curves at hand-computed points: start, middle and end, both branches
// of the piecewise curves, the four bounce segments, values past the end
// (t is not clamped) and durations that leave no time to move.

#include <gtest/gtest.h>

#include <cmath>

#include "engine/core/Easing.h"

namespace {

using Curve = float (*)(float t, float from, float to, float duration);

float BackOutK1(float t, float from, float to, float d) { return Engine::EaseBackOut(t, from, to, d, 1.0f); }
float BackOutK2(float t, float from, float to, float d) { return Engine::EaseBackOut(t, from, to, d, 2.0f); }
float BackOutK0(float t, float from, float to, float d) { return Engine::EaseBackOut(t, from, to, d, 0.0f); }

struct EaseCase {
    const char* name;
    Curve curve;
    float t, from, to, duration;
    float expected;
};

// Expected values worked out by hand from each curve's formula.
const EaseCase kCases[] = {
    {"linear start", Engine::EaseLinear, 0, 2, 6, 4, 2},
    {"linear quarter", Engine::EaseLinear, 1, 2, 6, 4, 3},
    {"linear end", Engine::EaseLinear, 4, 2, 6, 4, 6},
    {"linear before start", Engine::EaseLinear, -1, 2, 6, 4, 1},
    {"linear past end", Engine::EaseLinear, 6, 2, 6, 4, 8},

    {"clamped quarter", Engine::EaseLinearClamped, 1, 2, 6, 4, 3},
    {"clamped before start", Engine::EaseLinearClamped, -1, 2, 6, 4, 2},
    {"clamped past end", Engine::EaseLinearClamped, 6, 2, 6, 4, 6},
    {"clamped falling quarter", Engine::EaseLinearClamped, 1, 6, 2, 4, 5},
    {"clamped falling before start", Engine::EaseLinearClamped, -1, 6, 2, 4, 6},
    {"clamped falling past end", Engine::EaseLinearClamped, 6, 6, 2, 4, 2},

    {"quad out start", Engine::EaseQuadOut, 0, 1, 5, 2, 1},
    {"quad out middle", Engine::EaseQuadOut, 1, 1, 5, 2, 4},
    {"quad out end", Engine::EaseQuadOut, 2, 1, 5, 2, 5},
    {"quad out past end turns back", Engine::EaseQuadOut, 3, 1, 5, 2, 4},

    {"quad in-out start", Engine::EaseQuadInOut, 0, 1, 5, 2, 1},
    {"quad in-out first half", Engine::EaseQuadInOut, 0.5f, 1, 5, 2, 1.5f},
    {"quad in-out middle", Engine::EaseQuadInOut, 1, 1, 5, 2, 3},
    {"quad in-out second half", Engine::EaseQuadInOut, 1.5f, 1, 5, 2, 4.5f},
    {"quad in-out end", Engine::EaseQuadInOut, 2, 1, 5, 2, 5},

    {"back out start", BackOutK1, 0, 0, 10, 2, 0},
    {"back out middle", BackOutK1, 1, 0, 10, 2, 10.876975f},
    {"back out end", BackOutK1, 2, 0, 10, 2, 10},
    {"back out doubled overshoot", BackOutK2, 1, 0, 10, 2, 13.00395f},
    {"back out without overshoot is cubic", BackOutK0, 1, 0, 10, 2, 8.75f},

    {"back in-out start", Engine::EaseBackInOut, 0, 0, 10, 2, 0},
    {"back in-out dips below start", Engine::EaseBackInOut, 0.5f, 0, 10, 2, -0.99681838f},
    {"back in-out middle", Engine::EaseBackInOut, 1, 0, 10, 2, 5},
    {"back in-out overshoots end", Engine::EaseBackInOut, 1.5f, 0, 10, 2, 10.996818f},
    {"back in-out end", Engine::EaseBackInOut, 2, 0, 10, 2, 10},

    // Bounce: from 2 by a change of 10 over 4; h = t / 4.
    {"bounce start", Engine::EaseBounceOut, 0, 2, 10, 4, 2},
    {"bounce first drop", Engine::EaseBounceOut, 0.8f, 2, 10, 4, 5.025f},
    {"bounce second segment", Engine::EaseBounceOut, 2, 2, 10, 4, 9.65625f},
    {"bounce third segment", Engine::EaseBounceOut, 3.2f, 2, 10, 4, 11.4f},
    {"bounce fourth segment", Engine::EaseBounceOut, 3.8f, 2, 10, 4, 11.8453125f},
    {"bounce end is from plus change", Engine::EaseBounceOut, 4, 2, 10, 4, 12},

    {"expo in at zero", Engine::EaseExpoIn, 0, 1, 3, 2, 1},
    {"expo in before start", Engine::EaseExpoIn, -1, 1, 3, 2, 1},
    {"expo in middle", Engine::EaseExpoIn, 1, 1, 3, 2, 1.0625f},
    {"expo in late", Engine::EaseExpoIn, 1.8f, 1, 3, 2, 2},
    {"expo in end", Engine::EaseExpoIn, 2, 1, 3, 2, 3},

    {"pulse start", Engine::EaseCosinePulse, 0, 2, 6, 4, 2},
    {"pulse quarter", Engine::EaseCosinePulse, 1, 2, 6, 4, 4},
    {"pulse peak", Engine::EaseCosinePulse, 2, 2, 6, 4, 6},
    {"pulse three quarters", Engine::EaseCosinePulse, 3, 2, 6, 4, 4},
    {"pulse back at start", Engine::EaseCosinePulse, 4, 2, 6, 4, 2},
};

TEST(EasingTest, CurvesMatchTheirFormulas) {
    for (const EaseCase& c : kCases) {
        SCOPED_TRACE(c.name);
        const float value = c.curve(c.t, c.from, c.to, c.duration);
        EXPECT_NEAR(c.expected, value, 1e-5f * (1.0f + std::fabs(c.expected)));
    }
}

TEST(EasingTest, PiecewiseCurvesJoinWithoutAJump) {
    const Curve joined[] = {Engine::EaseQuadInOut, Engine::EaseBackInOut};
    for (Curve curve : joined) {
        EXPECT_NEAR(curve(0.99999f, 0, 10, 2), curve(1.0f, 0, 10, 2), 1e-3f);
    }
    const float bounce_joins[] = {1.0f / 2.75f, 2.0f / 2.75f, 2.5f / 2.75f};
    for (float h : bounce_joins) {
        SCOPED_TRACE(h);
        EXPECT_NEAR(Engine::EaseBounceOut(h * 4 - 1e-4f, 0, 1, 4), Engine::EaseBounceOut(h * 4, 0, 1, 4), 1e-3f);
    }
}

TEST(EasingTest, NoDurationGivesTheEndValueInsteadOfNaN) {
    struct Case {
        const char* name;
        Curve curve;
        float expected;  // from 2 toward 6 (change 6 for the bounce)
    };
    const Case cases[] = {
        {"linear", Engine::EaseLinear, 6},         {"clamped", Engine::EaseLinearClamped, 6},
        {"quad out", Engine::EaseQuadOut, 6},      {"quad in-out", Engine::EaseQuadInOut, 6},
        {"back out", BackOutK1, 6},                {"back in-out", Engine::EaseBackInOut, 6},
        {"bounce", Engine::EaseBounceOut, 8},      {"expo in", Engine::EaseExpoIn, 6},
        {"pulse", Engine::EaseCosinePulse, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.expected, c.curve(0.5f, 2, 6, 0.0f));
        EXPECT_EQ(c.expected, c.curve(0.5f, 2, 6, -1.0f));
    }
    EXPECT_EQ(6.0f, Engine::EaseLinear(0.0f, 2, 6, 0.0f));  // 0 / 0 would be NaN
    EXPECT_EQ(2.0f, Engine::EaseExpoIn(0.0f, 2, 6, 0.0f));  // t <= 0 still gives from
}

}  // namespace
