#include "engine/render/scene/cPreprocessRenderVisitor.h"

#include <cmath>

#include "engine/core/cLog.h"
#include "engine/physics/GeometricQueries.h"
#include "engine/render/eMatrixMode.h"
#include "engine/render/iRenderer.h"
#include "engine/render/scene/RenderNode.h"
#include "engine/render/scene/cModelGfxCmp.h"
#include "engine/render/scene/cNormalRenderVisitor.h"
#include "engine/render/scene/iShadowCaster.h"
#include "engine/resource/cMaterial.h"
#include "engine/resource/iGPUProgram.h"

namespace Engine {

namespace {

// The depth terms of near 0.3 and far 100, clip depth -w to w.
constexpr float kDepthScale = -1.006018f;
constexpr float kDepthOffset = -0.60180545f;

}  // namespace

cPreprocessRenderVisitor::cPreprocessRenderVisitor(iRenderer& device, const cMaterial* shadow_material)
    : renderer(device), material(shadow_material) {
    frustum = cNormalRenderVisitor::RendererFrustum(renderer);
}

Matrix4x4 cPreprocessRenderVisitor::ShadowProjection(float field_of_view) {
    Matrix4x4 projection;
    const float focal = 1.0f / std::tan(field_of_view);
    projection.m[0][0] = focal;
    projection.m[1][1] = focal;
    projection.m[2][2] = kDepthScale;
    projection.m[2][3] = kDepthOffset;
    projection.m[3][2] = -1.0f;
    return projection;
}

void cPreprocessRenderVisitor::Begin() {
    rendered = 0;
    frustum = cNormalRenderVisitor::RendererFrustum(renderer);
    iGPUProgram* program = material && material->UseShader() ? material->Program() : nullptr;
    if (material) material->ApplyRenderStates(renderer);
    if (program) {
        program->Bind();
        return;
    }
    renderer.UnbindShader(false);
    renderer.UnbindShader(true);
}

bool cPreprocessRenderVisitor::Visit(RenderNode& node) {
    switch (node.type) {
        case RNT_Light:
            EnterLight(node);
            return true;
        case RNT_Model: {
            auto& model = *static_cast<cModelGfxCmp*>(node.data);
            if (!model.PassesCull(frustum)) return true;
            model.ApplyTransform(renderer);
            iGPUProgram* program = material && material->UseShader() ? material->Program() : nullptr;
            model.DrawMeshes(renderer, program);
            ++rendered;
            return true;
        }
        case RNT_BoundingVolume:
            return BoxInFrustum(frustum, node.box);
        default:
            return true;
    }
}

void cPreprocessRenderVisitor::EnterLight(const RenderNode& node) {
    const auto* caster = static_cast<const iShadowCaster*>(node.data);
    if (caster == nullptr) {
        LogError("shadow pass without a light; the current view and projection are kept");
        frustum = cNormalRenderVisitor::RendererFrustum(renderer);
        return;
    }
    const float view_angle = caster->Name() == kKidLightName ? kKidLightView : caster->OuterCone();
    const Matrix4x4 projection = ShadowProjection(view_angle);
    const Matrix4x4 view = caster->ViewMatrix();
    frustum = cNormalRenderVisitor::FrustumOf(projection * view);
    renderer.SetMatrix(MM_View, view, 0);
    renderer.SetMatrix(MM_Projection, projection, 0);
}

}  // namespace Engine
