#include "game/entities/cEnvEmitterRain.h"

#include <algorithm>  // std::min

namespace Game {

void cEnvEmitterRain::FillDefaults(Engine::ParticleRecord& record) {
    record.lifetime = 0.5f;
    record.alpha_death = 1.0f;
    record.alpha_birth = 1.0f;
    record.size_death = 0.05f;
    record.size_birth = 0.1f;
    record.velocity = {0.0f, -18.0f, 0.0f};
    record.acceleration = {0.0f, -3.0f, 0.0f};
}

void cEnvEmitterRain::Emit(float) {
    staged = 0;
    if (!drop_points) return;
    const auto wanted = static_cast<uint32_t>(std::min<size_t>(drop_points->size(), kStagingSize));
    uint32_t i = 0;
    for (Engine::ParticleRecord& record : Claim(wanted)) {
        const DropPoint& drop = (*drop_points)[i++];
        record.position = {drop.x, 10.0f, drop.z};
        record.life = 0.5f;
        record.velocity.x = wind.x;
        record.velocity.z = wind.z;
        record.spin_death = tilt;
        record.spin_birth = tilt;
    }
}

}  // namespace Game
