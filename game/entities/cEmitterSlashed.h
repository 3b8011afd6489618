#pragma once
// cEmitterSlashed: the sparks where the stroke cuts an enemy. Twenty sparks
// start a quarter unit back along the cut and fly on along it and upwards at
// random speeds, their rise cancelled over one second.

#include "engine/core/Vector3.h"
#include "game/entities/cStagingEmitter.h"

namespace Game {

class cEmitterSlashed : public cStagingEmitter {
public:
    static constexpr uint32_t kStagingSize = 201;
    // A burst stops at this many staged records, one short of the staging size.
    static constexpr uint32_t kBurstLimit = 200;
    static constexpr uint32_t kBurstCount = 20;

    cEmitterSlashed() : cStagingEmitter(kStagingSize) {}

    // Twenty sparks at point along the cut's direction (any length).
    void Burst(const Engine::Vector3& point, const Engine::Vector3& direction);

protected:
    void FillDefaults(Engine::ParticleRecord& record) override;
};

}  // namespace Game
