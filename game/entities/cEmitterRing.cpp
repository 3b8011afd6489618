#include "game/entities/cEmitterRing.h"

#include <cmath>  // std::cos, std::sin

#include "game/entities/EmitterRandom.h"

namespace Game {

void cEmitterRing::FillDefaults(Engine::ParticleRecord& record) {
    record.lifetime = 1.0f;
    record.alpha_birth = 1.0f;
    record.size_birth = RndFloat(50) / 100.0f + 0.05f;
}

void cEmitterRing::Emit(float) {
    if (!enabled) return;
    for (Engine::ParticleRecord& record : Claim(kSparksPerFrame)) {
        // Whole twentieths of a degree over one full turn: the generator
        // stops at 32767, so a draw over a wider range would leave a gap in
        // the circle.
        const float angle = RndFloat(7200) / 20.0f * kRingDegToRad;
        record.position = centre + radius * Engine::Vector3{std::cos(angle), 0.01f, std::sin(angle)};
        record.life = 0.2f;
        record.velocity = {};
        record.acceleration = {};
    }
}

}  // namespace Game
