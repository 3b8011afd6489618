#pragma once
// cEmitterCrate: the splinters of a breaking crate. Thirty splinters leave
// half a unit above the point in random directions, spinning, and fall back
// under their own gravity.

#include "engine/core/Vector3.h"
#include "game/entities/cStagingEmitter.h"

namespace Game {

class cEmitterCrate : public cStagingEmitter {
public:
    static constexpr uint32_t kStagingSize = 150;
    static constexpr uint32_t kBurstCount = 30;

    cEmitterCrate() : cStagingEmitter(kStagingSize) {}

    // Thirty splinters from point, or as many as still fit.
    void Burst(const Engine::Vector3& point);

protected:
    void FillDefaults(Engine::ParticleRecord& record) override;
};

}  // namespace Game
