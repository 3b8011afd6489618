#include "game/entities/cEmitterFairy.h"

#include <cmath>  // std::cos, std::sin

#include "game/entities/EmitterRandom.h"

namespace Game {

void cEmitterFairy::FillDefaults(Engine::ParticleRecord& record) {
    record.lifetime = 0.5f;
    record.alpha_death = 1.0f;
    record.size_birth = 0.1f;
}

void cEmitterFairy::Emit(float) {
    if (!enabled) return;
    const Engine::Vector3 moved = current - previous;
    const uint32_t wanted = TruncatedCount(Engine::Length(moved) * kSpecksPerUnit, kStagingSize);
    const Engine::Vector3 behind = Engine::Normalise(direction) * 0.2f;
    for (Engine::ParticleRecord& record : Claim(wanted)) {
        record.position = previous + moved * (RndFloat(100) / 100.0f) - behind;
        record.life = RndFloat(50) / 100.0f;
        const float k1 = RndRadians();
        const float k2 = RndRadians();
        record.velocity = -Engine::Normalise({std::cos(k2), 0.0f, std::sin(k1)});
    }
}

}  // namespace Game
