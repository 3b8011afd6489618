#pragma once
// ParticleRecord: one particle of a particle system's ring, as plain data.
//
// A particle is alive while life > 0. Its age fraction runs from 1 at birth
// (life == lifetime) to 0 at death, and the *_birth / *_death pairs are the
// values the system's curves blend between at those two ends. Emitters stage
// records with their start values; the system moves them and builds quads.

#include "engine/core/Vector3.h"

namespace Engine {

struct ParticleRecord {
    Vector3 position;      // world position
    Vector3 velocity;      // units per second
    Vector3 acceleration;  // units per second squared
    float life;            // seconds left
    float lifetime;        // seconds of a full life: the divisor of the age fraction
    float alpha_death;     // alpha at age fraction 0
    float alpha_birth;     // alpha at age fraction 1
    float size_death;      // half size of the quad at fraction 0
    float size_birth;      // half size at fraction 1
    float spin_death;      // quad rotation in radians at fraction 0
    float spin_birth;      // quad rotation at fraction 1
};

static_assert(sizeof(ParticleRecord) == 68, "a particle record is 17 floats");

}  // namespace Engine
