#pragma once
// iShadowCaster: what the shadow pass needs of a light that casts shadows.
// The light side implements it; while a shadow pass runs, the render tree's
// root is a light node whose data is the caster (an iShadowCaster*).

#include <string>

#include "engine/core/Matrix4x4.h"

namespace Engine {

class iShadowCaster {
public:
    virtual ~iShadowCaster() = default;
    // The view matrix from the light's position along its direction.
    virtual Matrix4x4 ViewMatrix() const = 0;
    // The outer cone angle in radians, the field of view of the shadow pass.
    virtual float OuterCone() const = 0;
    // The light's name; the kid's light ("gKidLight") has a fixed wide view.
    virtual const std::string& Name() const = 0;
};

}  // namespace Engine
