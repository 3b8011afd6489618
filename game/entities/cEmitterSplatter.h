#pragma once
// cEmitterSplatter: the splat when an enemy, the boss or a hammer dies.
// Thirty drops leave half a unit above the point, up and outwards at random
// speeds, and fall under strong gravity.

#include "engine/core/Vector3.h"
#include "game/entities/cStagingEmitter.h"

namespace Game {

class cEmitterSplatter : public cStagingEmitter {
public:
    static constexpr uint32_t kStagingSize = 200;
    static constexpr uint32_t kBurstCount = 30;

    cEmitterSplatter() : cStagingEmitter(kStagingSize) {}

    // Thirty drops from point, or as many as still fit.
    void Burst(const Engine::Vector3& point);

protected:
    void FillDefaults(Engine::ParticleRecord& record) override;
};

}  // namespace Game
