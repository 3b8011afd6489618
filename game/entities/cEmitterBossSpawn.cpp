#include "game/entities/cEmitterBossSpawn.h"

#include "game/entities/EmitterRandom.h"

namespace Game {

void cEmitterBossSpawn::FillDefaults(Engine::ParticleRecord& record) {
    record.lifetime = 1.0f;
    record.alpha_birth = 1.0f;
    record.size_death = 3.0f;
    const float spin = (RndFloat(200) + 100.0f) / 100.0f;
    record.spin_death = spin;
    record.spin_birth = 1.0f - spin;
}

void cEmitterBossSpawn::Emit(float dt) {
    if (!enabled) return;
    if (interval >= timer) {
        timer += dt;
        return;
    }
    for (Engine::ParticleRecord& record : Claim(1)) {
        record.position = position;
        record.life = record.lifetime;
        record.velocity = {};
        record.acceleration = {};
    }
    timer = 0.0f;
}

}  // namespace Game
