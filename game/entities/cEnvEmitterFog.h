#pragma once
// cEnvEmitterFog: the fog banks around the kid. While switched on, density
// sets how many banks per second appear (fifty per unit of density); the
// fractions carry over from frame to frame, so a thin fog still gets its
// bank now and then and a density of 0 gives none. Banks appear three units
// up, mostly near the edge of a circle of 5.5 units around position, and
// sink slowly.

#include "engine/core/Vector3.h"
#include "game/entities/cStagingEmitter.h"

namespace Game {

class cEnvEmitterFog : public cStagingEmitter {
public:
    static constexpr uint32_t kStagingSize = 100;
    static constexpr float kBanksPerDensity = 50.0f;
    static constexpr float kRadius = 5.5f;

    cEnvEmitterFog() : cStagingEmitter(kStagingSize) {}

    // While enabled: adds this frame's share to carry and stages its whole part.
    void Emit(float dt) override;

    Engine::Vector3 position;
    float density = 0.0f;
    float carry = 0.0f;
    bool enabled = false;

protected:
    void FillDefaults(Engine::ParticleRecord& record) override;
};

}  // namespace Game
