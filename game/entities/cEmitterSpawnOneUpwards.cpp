#include "game/entities/cEmitterSpawnOneUpwards.h"

namespace Game {

void cEmitterSpawnOneUpwards::FillDefaults(Engine::ParticleRecord&) {}

void cEmitterSpawnOneUpwards::Burst() {
    if (!staging) return;
    Engine::ParticleRecord& record = staging[0];
    record = {};
    record.position = position + Engine::Vector3{0.0f, 3.0f, 0.0f};
    record.life = kLifetime;
    record.lifetime = kLifetime;
    record.alpha_birth = 1.0f;
    record.size_death = 0.5f;
    record.size_birth = 0.5f;
    record.acceleration = {0.0f, 2.0f, 0.0f};
    staged = 1;
}

}  // namespace Game
