#include "game/entities/cEmitterPoof.h"

#include "game/entities/EmitterRandom.h"

namespace Game {

void cEmitterPoof::FillDefaults(Engine::ParticleRecord& record) {
    record.lifetime = 1.0f;
    record.alpha_birth = 1.0f;
    record.size_birth = RndFloat(50) / 100.0f + 0.05f;
}

void cEmitterPoof::Burst(const Engine::Vector3& point) {
    for (Engine::ParticleRecord& record : Claim(kBurstCount, kBurstLimit)) {
        record.position = point;
        record.life = RndFloat(25) / 100.0f + 0.75f;
        const float speed = RndFloat(3) + 1.0f;
        const float x = (RndFloat(101) - 100.0f) / 100.0f;
        const float y = RndFloat(101) / 100.0f;
        const float z = (RndFloat(101) - 100.0f) / 100.0f;
        record.velocity = speed * Engine::Vector3{x, y, z};
        record.acceleration = -record.velocity;
    }
}

}  // namespace Game
