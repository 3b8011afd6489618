#pragma once
// cNormalRenderVisitor: the main pass over the render tree.
//
// The frustum comes from the renderer's projection x view, taken when the
// walk begins and again at the root (the scene renderer has applied the
// camera by then), so culling never uses planes from an earlier frame.
// Material and texture-set nodes are only remembered when entered: a
// material is applied, and a texture set bound, just before the first model
// under its node that is actually drawn, so a node whose models are all out
// of view costs no state change. A model node without a material unbinds
// both shaders (the built-in program draws it) and one without a texture set
// unbinds the texture stages, rather than drawing with what the previous
// node left bound. A bounding-volume node outside the frustum hides its
// whole group without testing its models.

#include <cstdint>

#include "engine/core/Matrix4x4.h"
#include "engine/physics/Frustum.h"
#include "engine/render/scene/iRenderVisitor.h"

namespace Engine {

class cModelGfxCmp;
class iRenderer;

class cNormalRenderVisitor : public iRenderVisitor {
public:
    explicit cNormalRenderVisitor(iRenderer& renderer);

    // Takes the frustum from the renderer and forgets the nodes of an earlier walk.
    void Begin() override;
    bool Visit(RenderNode& node) override;
    // Leaving a material or texture-set node ends its applied state.
    void Leave(RenderNode& node) override;

    // Models drawn by this visitor.
    uint32_t Rendered() const { return rendered; }
    const Frustum& CurrentFrustum() const { return frustum; }

    // The six planes, normals outward, of the volume a projection x view
    // matrix maps into clip space (-w to w on every axis).
    static Frustum FrustumOf(const Matrix4x4& projection_view);
    // The frustum of the renderer's current projection and view.
    static Frustum RendererFrustum(const iRenderer& renderer);

private:
    void DrawModel(cModelGfxCmp& model);
    void ApplyMaterialNode();
    void BindTextureSetNode();

    iRenderer& renderer;
    Frustum frustum;
    RenderNode* material_node = nullptr;
    RenderNode* texture_set_node = nullptr;
    bool materialApplied = false;
    bool textureSetApplied = false;
    uint32_t rendered = 0;
};

}  // namespace Engine
