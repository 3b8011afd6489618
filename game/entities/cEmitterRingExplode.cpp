#include "game/entities/cEmitterRingExplode.h"

#include "game/entities/EmitterRandom.h"

namespace Game {

void cEmitterRingExplode::FillDefaults(Engine::ParticleRecord& record) {
    record.lifetime = 1.0f;
    record.alpha_birth = 1.0f;
    record.size_birth = RndFloat(50) / 100.0f + 0.05f;
}

void cEmitterRingExplode::Burst(const Engine::Vector3& point, float radius) {
    const uint32_t wanted = TruncatedCount(kSparksPerUnit * radius, kStagingSize);
    for (Engine::ParticleRecord& record : Claim(wanted)) {
        const Engine::Vector3 out = RndFlatDirection();
        record.life = RndFloat(25) / 100.0f + 0.75f;
        record.velocity = 2.0f * radius * out;
        record.velocity.y += RndFloat(5);
        record.acceleration = -record.velocity;
        record.position = point + 0.1f * out;
        record.position.y = point.y + (RndFloat(100) - 50.0f) / 100.0f;
    }
}

}  // namespace Game
