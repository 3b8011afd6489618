#pragma once
// cPreprocessRenderVisitor: the shadow pass over the render tree, one walk
// per shadow material and shadow-casting light. Begin applies the shadow
// material (its render states and program, or no shaders when it has none);
// the light root sets the renderer's view to the light's and its projection
// to the shadow projection, and culls against the frustum of the two. Every
// visible model is drawn with the shadow material's program, whatever its
// own material; bounding-volume groups are culled as in the main pass.
//
// The shadow projection is a perspective of near 0.3 and far 100 whose field
// of view is the light's outer cone, or 70 degrees for the kid's light.

#include <cstdint>

#include "engine/core/Matrix4x4.h"
#include "engine/physics/Frustum.h"
#include "engine/render/scene/iRenderVisitor.h"

namespace Engine {

class cMaterial;
class iRenderer;

class cPreprocessRenderVisitor : public iRenderVisitor {
public:
    // The field of view of the kid's light, 70 degrees.
    static constexpr float kKidLightView = 1.2217305f;
    static constexpr const char* kKidLightName = "gKidLight";

    // shadow_material may be null: the pass then draws with the built-in program.
    cPreprocessRenderVisitor(iRenderer& renderer, const cMaterial* shadow_material);

    // Applies the shadow material.
    void Begin() override;
    bool Visit(RenderNode& node) override;
    void Leave(RenderNode&) override {}

    uint32_t Rendered() const { return rendered; }
    const Frustum& CurrentFrustum() const { return frustum; }

    // The shadow projection for a field of view of the given angle in radians.
    static Matrix4x4 ShadowProjection(float field_of_view);

private:
    // Sets the light's view and the shadow projection and culls against them.
    void EnterLight(const RenderNode& node);

    iRenderer& renderer;
    const cMaterial* material;
    Frustum frustum;
    uint32_t rendered = 0;
};

}  // namespace Engine
