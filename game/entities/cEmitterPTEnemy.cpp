#include "game/entities/cEmitterPTEnemy.h"

#include <limits>  // std::numeric_limits for the endless life

namespace Game {

void cEmitterPTEnemy::FillDefaults(Engine::ParticleRecord& record) {
    record.life = std::numeric_limits<float>::max();
    record.lifetime = std::numeric_limits<float>::max();
    record.alpha_death = 1.0f;
    record.alpha_birth = 1.0f;
    record.size_death = 1.0f;
    record.size_birth = 1.0f;
}

void cEmitterPTEnemy::Place(const Engine::Vector3& point) {
    for (Engine::ParticleRecord& record : Claim(1)) {
        record.position = point;
        record.life = record.lifetime;
    }
}

}  // namespace Game
