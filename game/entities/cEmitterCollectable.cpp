#include "game/entities/cEmitterCollectable.h"

#include "game/entities/EmitterRandom.h"

namespace Game {

void cEmitterCollectable::FillDefaults(Engine::ParticleRecord& record) {
    record.lifetime = 1.0f;
    record.alpha_birth = 1.0f;
    record.size_birth = RndFloat(50) / 100.0f + 0.05f;
    record.spin_death = (RndFloat(100) - 50.0f) / 10.0f;
}

void cEmitterCollectable::Burst(const Engine::Vector3& point, float strength) {
    if (Room() < kBurstCount) return;
    for (Engine::ParticleRecord& record : Claim(kBurstCount)) {
        const Engine::Vector3 out = RndFlatDirection();
        record.life = record.lifetime;
        record.velocity = 2.0f * strength * out;
        record.acceleration = -record.velocity;
        record.position = point + 0.1f * out;
        record.position.y = point.y + (RndFloat(100) - 50.0f) / 100.0f;
    }
}

}  // namespace Game
