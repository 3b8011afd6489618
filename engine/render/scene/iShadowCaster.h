#pragma once
// iShadowCaster: what the shadow pass needs of a light that casts shadows.
// While a shadow pass runs, the render tree's root is a light node whose data
// is the caster (an iShadowCaster*).
// The pass makes the light's shadow target current, draws the scene's depth
// as the light sees it (its view matrix, and a projection whose angle comes
// from its name and outer cone, see LightShadowMatrices.h), then ends the
// target, which puts back the target and viewport it replaced.

#include <string>

#include "engine/core/Matrix4x4.h"

namespace Engine {

class iShadowCaster {
public:
    virtual ~iShadowCaster() = default;

    // The light's view: from its position along its direction.
    virtual Matrix4x4 ViewMatrix() const = 0;
    // The light's outer cone angle in radians.
    virtual float OuterCone() const = 0;
    // The light's name, the prefix of the shader constants it provides.
    virtual const std::string& Name() const = 0;
    // Makes the shadow map and its depth surface the targets drawn into, with
    // a viewport over the whole map; false (nothing changed) for a light
    // without a shadow map, which the shadow pass then skips.
    virtual bool BeginShadowTarget() = 0;
    // Puts back the targets and the viewport BeginShadowTarget replaced.
    virtual void EndShadowTarget() = 0;
    // Hands the shadow map and the light's shadow matrices to the programs
    // that draw with this light's shadow; runs after the depth passes.
    virtual void UploadShadowParameters() = 0;
};

}  // namespace Engine
