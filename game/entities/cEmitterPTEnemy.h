#pragma once
// cEmitterPTEnemy: the markers of the playtest telemetry view, one per
// recorded enemy event. A marker never dies and never moves: its owner, the
// developer state that shows the harvested records, places one per record
// with Place.

#include "engine/core/Vector3.h"
#include "game/entities/cStagingEmitter.h"

namespace Game {

class cEmitterPTEnemy : public cStagingEmitter {
public:
    static constexpr uint32_t kStagingSize = 1000;

    cEmitterPTEnemy() : cStagingEmitter(kStagingSize) {}

    // Stages one marker at point, when there is room.
    void Place(const Engine::Vector3& point);

protected:
    void FillDefaults(Engine::ParticleRecord& record) override;
};

}  // namespace Game
