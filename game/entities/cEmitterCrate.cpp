#include "game/entities/cEmitterCrate.h"

#include <cmath>  // std::cos, std::sin

#include "game/entities/EmitterRandom.h"

namespace Game {

namespace {
// The spin factor is written with this shortened pi.
constexpr float kSplinterPi = 3.141592f;
}  // namespace

void cEmitterCrate::FillDefaults(Engine::ParticleRecord& record) {
    record.lifetime = 2.0f;
    record.alpha_birth = 1.0f;
    record.size_birth = RndFloat(10) / 100.0f + 0.075f;
    record.acceleration = {0.0f, -5.0f, 0.0f};
}

void cEmitterCrate::Burst(const Engine::Vector3& point) {
    for (Engine::ParticleRecord& record : Claim(kBurstCount)) {
        const float k1 = RndRadians();
        const float k2 = RndRadians();
        const float k3 = RndRadians();
        const Engine::Vector3 out = Engine::Normalise({std::cos(k3), std::cos(k2), std::sin(k1)});
        record.position = point + Engine::Vector3{0.0f, 0.5f, 0.0f};
        record.life = RndFloat(25) / 100.0f + 1.75f;
        record.velocity = out * (RndFloat(50) * 0.01f + 2.5f);
        record.spin_death = RndFloat(100) * 0.01f * kSplinterPi;
        record.spin_birth = (RndFloat(50) * 0.01f + 1.0f) * record.spin_death;
    }
}

}  // namespace Game
