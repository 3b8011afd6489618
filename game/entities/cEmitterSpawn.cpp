#include "game/entities/cEmitterSpawn.h"

#include "game/entities/EmitterRandom.h"

namespace Game {

void cEmitterSpawn::FillDefaults(Engine::ParticleRecord& record) {
    record.lifetime = 1.5f;
    record.alpha_birth = 1.0f;
    record.size_death = 0.5f;
    record.size_birth = 0.5f;
    record.spin_birth = (RndFloat(200) + 100.0f) / 100.0f;
}

void cEmitterSpawn::Burst(const Engine::Vector3& point) {
    for (Engine::ParticleRecord& record : Claim(1)) {
        record.position = point;
        record.life = record.lifetime;
        record.velocity = {};
        record.acceleration = {};
    }
}

}  // namespace Game
