#pragma once
// cEffectSystem: a particle system whose quads lie in a fixed plane instead
// of facing the camera: splashes, rings and shock waves on the ground. The
// plane is spanned by two axes, (1, 0, 0) and (0, 0, 1) from construction
// (the ground, normal (0, -1, 0)); the quads are built on them exactly as a
// camera-facing system builds its quads on the camera's right and up.
// Everything else is a cParticleSystem's.

#include <cstdint>
#include <string>

#include "engine/core/Vector3.h"
#include "engine/particles/cParticleSystem.h"

namespace Engine {

class cEffectSystem : public cParticleSystem {
public:
    static constexpr int32_t kKind = 1;

    cEffectSystem(const std::string& name, uint32_t capacity, int32_t blend);

    // The plane's two axes.
    const Vector3& AxisU() const { return axis_u; }
    const Vector3& AxisV() const { return axis_v; }

protected:
    void QuadAxes(const iRenderer* view, Vector3& right, Vector3& up) const override;

private:
    Vector3 axis_u{1.0f, 0.0f, 0.0f};
    Vector3 axis_v{0.0f, 0.0f, 1.0f};
};

}  // namespace Engine
