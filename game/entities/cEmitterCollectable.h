#pragma once
// cEmitterCollectable: the burst of sparkles when the kid picks something up.
// A burst is all or nothing: twenty sparkles fly out flat from the point and
// slow to a stop over their life, or, when twenty no longer fit, none do.

#include "engine/core/Vector3.h"
#include "game/entities/cStagingEmitter.h"

namespace Game {

class cEmitterCollectable : public cStagingEmitter {
public:
    static constexpr uint32_t kStagingSize = 200;
    static constexpr uint32_t kBurstCount = 20;

    cEmitterCollectable() : cStagingEmitter(kStagingSize) {}

    // Twenty sparkles at point, flying out at twice strength units per second.
    void Burst(const Engine::Vector3& point, float strength);

protected:
    void FillDefaults(Engine::ParticleRecord& record) override;
};

}  // namespace Game
