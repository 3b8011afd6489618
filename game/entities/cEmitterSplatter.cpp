#include "game/entities/cEmitterSplatter.h"

#include "game/entities/EmitterRandom.h"

namespace Game {

void cEmitterSplatter::FillDefaults(Engine::ParticleRecord& record) {
    record.lifetime = 0.5f;
    record.alpha_birth = 1.0f;
    record.size_birth = RndFloat(10) / 100.0f + 0.05f;
}

void cEmitterSplatter::Burst(const Engine::Vector3& point) {
    for (Engine::ParticleRecord& record : Claim(kBurstCount)) {
        record.position = point + Engine::Vector3{0.0f, 0.5f, 0.0f};
        record.life = RndFloat(25) / 100.0f + 0.75f;
        const float speed = RndFloat(5) + 1.0f;
        const float x = RndFloat(100) / 100.0f - 0.5f;
        const float y = RndFloat(100) / 100.0f;
        const float z = RndFloat(100) / 100.0f - 0.5f;
        record.velocity = speed * Engine::Vector3{x, y, z};
        record.acceleration = {0.0f, -20.0f, 0.0f};
    }
}

}  // namespace Game
