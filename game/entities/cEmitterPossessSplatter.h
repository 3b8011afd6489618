#pragma once
// cEmitterPossessSplatter: the splash when an enemy is grabbed and shrunk.
// Ten drops rise straight up from the point at random speeds and slow to a
// stop over one second.

#include "engine/core/Vector3.h"
#include "game/entities/cStagingEmitter.h"

namespace Game {

class cEmitterPossessSplatter : public cStagingEmitter {
public:
    static constexpr uint32_t kStagingSize = 50;
    static constexpr uint32_t kBurstCount = 10;

    cEmitterPossessSplatter() : cStagingEmitter(kStagingSize) {}

    // Ten drops at point, or as many as still fit.
    void Burst(const Engine::Vector3& point);

protected:
    void FillDefaults(Engine::ParticleRecord& record) override;
};

}  // namespace Game
