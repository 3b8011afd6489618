#include "game/entities/cEmitterWalk.h"

#include "engine/core/Random.h"
#include "game/entities/EmitterRandom.h"

namespace Game {

void cEmitterWalk::FillDefaults(Engine::ParticleRecord& record) {
    record.lifetime = 1.0f;
    record.alpha_birth = 0.5f;
    record.size_death = 0.5f;
}

void cEmitterWalk::Emit(float dt) {
    if (!enabled) return;
    if (interval > timer) {
        timer += dt;
        return;
    }
    for (Engine::ParticleRecord& record : Claim(kPuffsPerFrame)) {
        record.position = position + Engine::Vector3{0.0f, 0.2f, 0.0f};
        record.life = 0.5f;
        // Out along the ground and a little up: the feet kick dust sideways.
        const float x = (RndFloat(100) - 50.0f) / 100.0f;
        const float y = RndFloat(50) / 100.0f;
        const float z = (RndFloat(100) - 50.0f) / 100.0f;
        record.velocity = {x, y, z};
        record.acceleration = -record.velocity;
    }
    if (Engine::rnd(4) == 0) timer = 0.0f;
}

}  // namespace Game
