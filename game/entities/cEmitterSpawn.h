#pragma once
// cEmitterSpawn: the spinning mark on the ground where an enemy rises or the
// boss summons one. One mark per burst, still, fading in over its life.

#include "engine/core/Vector3.h"
#include "game/entities/cStagingEmitter.h"

namespace Game {

class cEmitterSpawn : public cStagingEmitter {
public:
    static constexpr uint32_t kStagingSize = 100;

    cEmitterSpawn() : cStagingEmitter(kStagingSize) {}

    // One mark at point, when there is room.
    void Burst(const Engine::Vector3& point);

protected:
    void FillDefaults(Engine::ParticleRecord& record) override;
};

}  // namespace Game
