#pragma once
// cEmitterSpawnOneUpwards: a single sign that floats up from above the kid,
// for a locked door and for a door that opens. Each burst replaces whatever
// was staged with one whole record, so firing twice in a frame still shows
// one sign.

#include "engine/core/Vector3.h"
#include "game/entities/cStagingEmitter.h"

namespace Game {

class cEmitterSpawnOneUpwards : public cStagingEmitter {
public:
    static constexpr uint32_t kStagingSize = 2;
    static constexpr float kLifetime = 2.0f;

    cEmitterSpawnOneUpwards() : cStagingEmitter(kStagingSize) {}

    // One sign three units above position, rising faster and faster.
    void Burst();

    Engine::Vector3 position;

protected:
    // The burst writes whole records: the staging starts zeroed.
    void FillDefaults(Engine::ParticleRecord& record) override;
};

}  // namespace Game
