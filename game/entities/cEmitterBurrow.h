#pragma once
// cEmitterBurrow: dirt thrown up where something digs into the ground, for
// the developer states. It emits nothing by itself; its owner places clods
// one at a time with Place.

#include "engine/core/Vector3.h"
#include "game/entities/cStagingEmitter.h"

namespace Game {

class cEmitterBurrow : public cStagingEmitter {
public:
    static constexpr uint32_t kStagingSize = 1000;

    cEmitterBurrow() : cStagingEmitter(kStagingSize) {}

    // Stages one clod at point with a full life, when there is room.
    void Place(const Engine::Vector3& point);

protected:
    void FillDefaults(Engine::ParticleRecord& record) override;
};

}  // namespace Game
