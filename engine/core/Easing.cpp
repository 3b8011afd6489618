#include "engine/core/Easing.h"

#include <algorithm>  // std::min, std::max, std::clamp
#include <cmath>      // std::cos, std::exp2

#include "engine/core/MathConstants.h"  // kPi for the pulse

namespace Engine {

namespace {

// True when the duration leaves no time for the curve to run.
bool NoDuration(float duration) { return !(duration > 0.0f); }

// Value of the bounce's unit curve at h (0 at h = 0, 1 at h = 1).
float BounceCurve(float h) {
    if (h < 1.0f / 2.75f) return 7.5625f * h * h;
    if (h < 2.0f / 2.75f) {
        h -= 1.5f / 2.75f;
        return 7.5625f * h * h + 0.75f;
    }
    if (h < 2.5f / 2.75f) {
        h -= 2.25f / 2.75f;
        return 7.5625f * h * h + 0.9375f;
    }
    h -= 2.625f / 2.75f;
    return 7.5625f * h * h + 0.984375f;
}

}  // namespace

float EaseLinear(float t, float from, float to, float duration) {
    if (NoDuration(duration)) return to;
    return from + (to - from) * t / duration;
}

float EaseLinearClamped(float t, float from, float to, float duration) {
    const float value = EaseLinear(t, from, to, duration);
    return std::clamp(value, std::min(from, to), std::max(from, to));
}

float EaseQuadOut(float t, float from, float to, float duration) {
    if (NoDuration(duration)) return to;
    const float e = t / duration;
    return from - (to - from) * e * (e - 2.0f);
}

float EaseQuadInOut(float t, float from, float to, float duration) {
    if (NoDuration(duration)) return to;
    float e = t / (duration / 2.0f);
    const float half_change = (to - from) / 2.0f;
    if (e < 1.0f) return from + half_change * e * e;
    e -= 1.0f;
    return from - half_change * (e * (e - 2.0f) - 1.0f);
}

float EaseBackOut(float t, float from, float to, float duration, float overshoot_factor_k) {
    if (NoDuration(duration)) return to;
    const float s = 1.70158f * overshoot_factor_k;
    const float g = t / duration - 1.0f;
    return from + (to - from) * (((s + 1.0f) * g + s) * g * g + 1.0f);
}

float EaseBackInOut(float t, float from, float to, float duration) {
    if (NoDuration(duration)) return to;
    float e = t / (duration / 2.0f);
    const float half_change = (to - from) / 2.0f;
    if (e < 1.0f) return from + half_change * (3.5949094f * e - 2.5949094f) * e * e;
    e -= 2.0f;
    return from + half_change * ((3.5949094f * e + 2.5949094f) * e * e + 2.0f);
}

float EaseBounceOut(float t, float from, float change, float duration) {
    if (NoDuration(duration)) return from + change;
    return from + change * BounceCurve(t / duration);
}

float EaseExpoIn(float t, float from, float to, float duration) {
    if (t <= 0.0f) return from;
    if (NoDuration(duration)) return to;
    return from + (to - from) * std::exp2(10.0f * (t / duration - 1.0f));
}

float EaseCosinePulse(float t, float from, float to, float duration) {
    if (NoDuration(duration)) return from;
    return from + (std::cos(2.0f * kPi * t / duration + kPi) + 1.0f) / 2.0f * (to - from);
}

}  // namespace Engine
