#include "game/entities/cEmitterSlashed.h"

#include "game/entities/EmitterRandom.h"

namespace Game {

void cEmitterSlashed::FillDefaults(Engine::ParticleRecord& record) {
    record.lifetime = 0.5f;
    record.alpha_birth = 1.0f;
    record.size_birth = RndFloat(10) / 100.0f + 0.05f;
}

void cEmitterSlashed::Burst(const Engine::Vector3& point, const Engine::Vector3& direction) {
    const Engine::Vector3 cut = Engine::Normalise(direction);
    for (Engine::ParticleRecord& record : Claim(kBurstCount, kBurstLimit)) {
        const Engine::Vector3 jitter = RndFlatDirection();
        record.position = point + (RndFloat(10) / 100.0f) * jitter - 0.25f * cut;
        record.life = 0.5f;
        const float x = (RndFloat(100) - 50.0f) / 100.0f;
        const float z = (RndFloat(100) - 50.0f) / 100.0f;
        const Engine::Vector3 rise = Engine::Normalise({x, 0.5f, z});
        record.velocity = (rise + cut) * (RndFloat(400) / 100.0f);
        record.acceleration = {0.0f, -record.velocity.y, 0.0f};
    }
}

}  // namespace Game
