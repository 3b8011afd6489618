#pragma once
// cEmitterPoof: the puff of smoke when the teleporting enemy vanishes or
// reappears. Five puffs leave the point up and towards negative x and z and
// slow to a stop over one second.

#include "engine/core/Vector3.h"
#include "game/entities/cStagingEmitter.h"

namespace Game {

class cEmitterPoof : public cStagingEmitter {
public:
    static constexpr uint32_t kStagingSize = 101;
    // A burst stops at this many staged records, one short of the staging size.
    static constexpr uint32_t kBurstLimit = 100;
    static constexpr uint32_t kBurstCount = 5;

    cEmitterPoof() : cStagingEmitter(kStagingSize) {}

    // Five puffs at point, limited to the room under the burst limit.
    void Burst(const Engine::Vector3& point);

protected:
    void FillDefaults(Engine::ParticleRecord& record) override;
};

}  // namespace Game
