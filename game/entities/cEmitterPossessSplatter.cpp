#include "game/entities/cEmitterPossessSplatter.h"

#include "game/entities/EmitterRandom.h"

namespace Game {

void cEmitterPossessSplatter::FillDefaults(Engine::ParticleRecord& record) {
    record.lifetime = 0.5f;
    record.alpha_birth = 1.0f;
    record.size_birth = RndFloat(35) / 100.0f + 0.05f;
}

void cEmitterPossessSplatter::Burst(const Engine::Vector3& point) {
    for (Engine::ParticleRecord& record : Claim(kBurstCount)) {
        record.position = point;
        record.life = RndFloat(25) / 100.0f + 0.75f;
        const float scale = RndFloat(5) + 1.0f;
        record.velocity = {0.0f, scale * RndFloat(100) / 100.0f, 0.0f};
        record.acceleration = -record.velocity;
    }
}

}  // namespace Game
