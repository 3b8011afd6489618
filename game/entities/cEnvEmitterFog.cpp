#include "game/entities/cEnvEmitterFog.h"

#include <cmath>  // std::cos, std::sin, std::exp2

#include "game/entities/EmitterRandom.h"

namespace Game {

void cEnvEmitterFog::FillDefaults(Engine::ParticleRecord& record) {
    record.lifetime = 6.0f;
    record.alpha_birth = 0.05f;
    record.size_death = 2.5f;
    record.size_birth = 2.5f;
    record.velocity = {0.0f, -0.5f, 0.0f};
}

void cEnvEmitterFog::Emit(float dt) {
    if (!enabled) return;
    carry += density * dt * kBanksPerDensity;
    const uint32_t banks = TruncatedCount(carry, kStagingSize);
    carry -= static_cast<float>(banks);
    for (Engine::ParticleRecord& record : Claim(banks)) {
        const float angle = RndFloat(360);
        const float e = RndFloat(1000) * 0.001f;
        // An exponential ease-out of the distance: most banks near the rim.
        const float distance = e >= 1.0f ? kRadius : kRadius * (1.0f - std::exp2(-10.0f * e));
        record.position = position + Engine::Vector3{distance * std::cos(angle), 3.0f, distance * std::sin(angle)};
        record.life = 6.0f;
    }
}

}  // namespace Game
