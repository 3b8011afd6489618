#pragma once
// cEmitterWalk: the little puffs of dust at the kid's feet while it walks.
// The timer counts up to interval; once past it, five puffs leave the feet
// every frame until a one-in-four draw restarts the timer. Each puff drifts
// out and up and would come to rest after one second, but fades out in half
// of one.

#include "engine/core/Vector3.h"
#include "game/entities/cStagingEmitter.h"

namespace Game {

class cEmitterWalk : public cStagingEmitter {
public:
    static constexpr uint32_t kStagingSize = 100;
    static constexpr uint32_t kPuffsPerFrame = 5;

    cEmitterWalk() : cStagingEmitter(kStagingSize) {}

    // While enabled: counts the timer up, or puffs once the interval has passed.
    void Emit(float dt) override;

    Engine::Vector3 position;
    bool enabled = false;
    float interval = 1.0f;
    float timer = 0.0f;

protected:
    void FillDefaults(Engine::ParticleRecord& record) override;
};

}  // namespace Game
