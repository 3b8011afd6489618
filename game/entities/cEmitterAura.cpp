#include "game/entities/cEmitterAura.h"

#include <cmath>  // std::cos, std::sin

#include "game/entities/EmitterRandom.h"

namespace Game {

void cEmitterAura::FillDefaults(Engine::ParticleRecord& record) {
    record.lifetime = 1.0f;
    record.size_birth = 0.01f;
}

void cEmitterAura::Burst(int count, const Engine::Vector3& point) {
    const uint32_t wanted = count > 0 ? static_cast<uint32_t>(count) : 0u;
    for (Engine::ParticleRecord& record : Claim(wanted)) {
        const float spread = RndFloat(100) * 0.02f;
        const float k1 = RndRadians();
        const float k2 = RndRadians();
        const float k3 = RndRadians();
        const float k4 = RndRadians();
        const Engine::Vector3 out = Engine::Normalise({std::cos(k2), 0.0f, std::sin(k1)});
        record.position = point + spread * out;
        record.life = 1.0f;
        record.alpha_birth = 1.25f - spread / 2.0f;
        record.acceleration = Engine::Normalise({std::cos(k4), std::cos(k2), std::sin(k3)});
    }
}

}  // namespace Game
