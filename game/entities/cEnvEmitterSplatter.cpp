#include "game/entities/cEnvEmitterSplatter.h"

#include <algorithm>  // std::min

namespace Game {

void cEnvEmitterSplatter::FillDefaults(Engine::ParticleRecord& record) {
    record.lifetime = 1.0f;
    record.alpha_birth = 1.0f;
    record.size_death = 0.2f;
}

void cEnvEmitterSplatter::Emit(float) {
    staged = 0;
    if (!drop_points) return;
    const auto wanted = static_cast<uint32_t>(std::min<size_t>(drop_points->size() / 2, kStagingSize));
    uint32_t i = 0;
    for (Engine::ParticleRecord& record : Claim(wanted)) {
        const DropPoint& drop = (*drop_points)[i++];
        record.position = {drop.x, 0.1f, drop.z};
        record.life = 1.0f;
    }
}

}  // namespace Game
