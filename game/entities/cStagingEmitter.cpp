#include "game/entities/cStagingEmitter.h"

#include <algorithm>  // std::min

namespace Game {

void cStagingEmitter::Init() {
    staging = std::make_unique<Engine::ParticleRecord[]>(staging_size);
    staged = 0;
    for (uint32_t i = 0; i < staging_size; ++i) FillDefaults(staging[i]);
}

void cStagingEmitter::Emit(float) {}

uint32_t cStagingEmitter::Room(uint32_t limit) const {
    if (!staging) return 0;
    const uint32_t end = std::min(limit, staging_size);
    return staged < end ? end - staged : 0;
}

std::span<Engine::ParticleRecord> cStagingEmitter::Claim(uint32_t wanted, uint32_t limit) {
    const uint32_t count = std::min(wanted, Room(limit));
    if (count == 0) return {};
    const uint32_t first = staged;
    staged += count;
    return {staging.get() + first, count};
}

uint32_t cStagingEmitter::TruncatedCount(float value, uint32_t cap) {
    if (!(value > 0.0f)) return 0;
    if (value >= static_cast<float>(cap)) return cap;
    return static_cast<uint32_t>(value);
}

}  // namespace Game
