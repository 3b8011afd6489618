#include "engine/particles/cEffectSystem.h"

namespace Engine {

cEffectSystem::cEffectSystem(const std::string& name, uint32_t capacity, int32_t blend)
    : cParticleSystem(name, capacity, blend, kKind) {}

void cEffectSystem::QuadAxes(const iRenderer*, Vector3& right, Vector3& up) const {
    right = axis_u;
    up = axis_v;
}

}  // namespace Engine
