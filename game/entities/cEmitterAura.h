#pragma once
// cEmitterAura: the sparks that rise around checkpoints and the win point.
// Each burst scatters sparks up to two units out from a point in the ground
// plane; the further out a spark starts, the fainter it is born, and each
// drifts along its own random direction.

#include "engine/core/Vector3.h"
#include "game/entities/cStagingEmitter.h"

namespace Game {

class cEmitterAura : public cStagingEmitter {
public:
    static constexpr uint32_t kStagingSize = 200;

    cEmitterAura() : cStagingEmitter(kStagingSize) {}

    // Stages count sparks around point (a negative count stages none).
    void Burst(int count, const Engine::Vector3& point);

protected:
    void FillDefaults(Engine::ParticleRecord& record) override;
};

}  // namespace Game
