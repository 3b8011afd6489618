#pragma once
// cEmitterRing: the glowing ring under the stroke. While switched on it
// places ten short-lived sparks on a circle of radius around centre every
// frame, just above the ground.

#include "engine/core/Vector3.h"
#include "game/entities/cStagingEmitter.h"

namespace Game {

class cEmitterRing : public cStagingEmitter {
public:
    static constexpr uint32_t kStagingSize = 200;
    static constexpr uint32_t kSparksPerFrame = 10;
    // Degrees to radians as the ring has always converted them.
    static constexpr float kRingDegToRad = 0.017452778f;

    cEmitterRing() : cStagingEmitter(kStagingSize) {}

    // While enabled: ten sparks at random angles on the circle.
    void Emit(float dt) override;

    float radius = 0.0f;
    Engine::Vector3 centre;
    bool enabled = false;

protected:
    void FillDefaults(Engine::ParticleRecord& record) override;
};

}  // namespace Game
