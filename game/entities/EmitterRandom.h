#pragma once
// EmitterRandom: the random draws several emitter kinds share, on the game's
// process generator (engine/core/Random.h).
//
// The draws happen in the order the arguments are listed, left to right, so
// a kind's sequence of rnd calls is fixed and a seeded run repeats exactly.

#include "engine/core/Random.h"
#include "engine/core/Vector3.h"

namespace Game {

// rnd(n) as a float, for the many "rnd(n) / 100" start values.
inline float RndFloat(int n) { return static_cast<float>(Engine::rnd(n)); }

// A whole number from 0 to 44 used directly as an angle in radians. It
// spreads directions unevenly on purpose: that is the look of the sprays.
inline float RndRadians() { return RndFloat(45); }

// A unit direction in the ground plane from two draws of (rnd(100) - 50) / 100,
// x first; the zero vector stays zero.
inline Engine::Vector3 RndFlatDirection() {
    const float x = (RndFloat(100) - 50.0f) / 100.0f;
    const float z = (RndFloat(100) - 50.0f) / 100.0f;
    return Engine::Normalise({x, 0.0f, z});
}

}  // namespace Game
