#pragma once
// iParticleEmitter: what feeds a particle system with new particles.
//
// An emitter owns a staging array of records. Init allocates it and writes
// the kind's start values into every record; Emit (once per frame) or a
// kind's own burst operation fills records at the front of it and counts
// them in staged; the system then copies the staged records into its ring
// and sets staged back to 0. An emitter that sets expired is released and
// deleted by its system after the system's next update.
//
// Emitters belong to their system from the moment they are added to it.

#include <cstdint>
#include <memory>

#include "engine/particles/ParticleRecord.h"

namespace Engine {

class iParticleEmitter {
public:
    virtual ~iParticleEmitter() = default;

    // Allocates staging and fills every record with the kind's defaults.
    virtual void Init() = 0;
    // Per-frame generation into staging; empty for kinds fired on request.
    virtual void Emit(float dt) = 0;
    // Frees staging; the emitter may be given a new Init afterwards.
    virtual void Release() { staging.reset(); }

    std::unique_ptr<ParticleRecord[]> staging;
    uint32_t staged = 0;
    bool expired = false;
};

}  // namespace Engine
