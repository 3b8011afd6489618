#pragma once
// cEmitterFairy: the dust trail behind the stroke. The stroke writes where it
// was (previous), where it is (current) and where it heads (direction) every
// frame; while switched on the emitter strews fifty specks per unit moved
// along that segment, a little behind the heading, drifting outwards.

#include "engine/core/Vector3.h"
#include "game/entities/cStagingEmitter.h"

namespace Game {

class cEmitterFairy : public cStagingEmitter {
public:
    static constexpr uint32_t kStagingSize = 1000;
    // Specks per unit of distance moved in a frame.
    static constexpr float kSpecksPerUnit = 0.5f * 100.0f;

    cEmitterFairy() : cStagingEmitter(kStagingSize) {}

    // While enabled: specks along the segment from previous to current.
    void Emit(float dt) override;

    Engine::Vector3 current;
    Engine::Vector3 previous;
    Engine::Vector3 direction;
    bool enabled = false;

protected:
    void FillDefaults(Engine::ParticleRecord& record) override;
};

}  // namespace Game
