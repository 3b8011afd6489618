#pragma once
// Easing: the curves that entities, cameras, menus, cutscenes and particles
// use to move a value over time. Each takes the time elapsed t, the start
// value, the end value (the change, for the bounce) and the duration, and
// returns the value at t. t is not clamped (only EaseLinearClamped limits its
// result), so callers that run past the duration see the curve continue.
//
// A duration of 0 or less leaves no time to move: every curve then returns
// the value it reaches at its end (the start value again for the pulse)
// instead of dividing by zero and handing NaN or infinity to a position.

namespace Engine {

// from + (to - from) * t / d.
float EaseLinear(float t, float from, float to, float duration);

// The linear value limited to the range between from and to, in either order.
float EaseLinearClamped(float t, float from, float to, float duration);

// Quadratic ease-out: fast start, slowing to a stop at to.
float EaseQuadOut(float t, float from, float to, float duration);

// Quadratic ease-in-out: accelerates over the first half, slows over the second.
float EaseQuadInOut(float t, float from, float to, float duration);

// Back ease-out: overshoots to and settles back; the overshoot is
// 1.70158 * overshoot_factor_k (0 gives a plain cubic ease-out).
float EaseBackOut(float t, float from, float to, float duration, float overshoot_factor_k);

// Back ease-in-out: dips below from at the start and overshoots to at the end.
float EaseBackInOut(float t, float from, float to, float duration);

// Bounce ease-out from `from` to from + change, in four bounces.
float EaseBounceOut(float t, float from, float change, float duration);

// Exponential ease-in: from while t <= 0, then from + (to - from) * 2^(10 (t/d - 1)).
float EaseExpoIn(float t, float from, float to, float duration);

// Cosine pulse: from, up to `to` at half the duration, back to from at the end.
float EaseCosinePulse(float t, float from, float to, float duration);

}  // namespace Engine
