#include "game/entities/cEmitterBurrow.h"

#include "game/entities/EmitterRandom.h"

namespace Game {

void cEmitterBurrow::FillDefaults(Engine::ParticleRecord& record) {
    record.lifetime = 0.5f;
    record.alpha_birth = 1.0f;
    record.size_birth = RndFloat(35) / 200.0f + 0.05f;
}

void cEmitterBurrow::Place(const Engine::Vector3& point) {
    for (Engine::ParticleRecord& record : Claim(1)) {
        record.position = point;
        record.life = record.lifetime;
    }
}

}  // namespace Game
