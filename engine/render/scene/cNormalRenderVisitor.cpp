#include "engine/render/scene/cNormalRenderVisitor.h"

#include <cmath>

#include "engine/physics/GeometricQueries.h"
#include "engine/render/eMatrixMode.h"
#include "engine/render/iRenderer.h"
#include "engine/render/scene/RenderNode.h"
#include "engine/render/scene/cModelGfxCmp.h"
#include "engine/resource/cMaterial.h"
#include "engine/resource/cTextureSet.h"
#include "engine/resource/iGPUProgram.h"

namespace Engine {

namespace {

// Row r of the matrix as a plane.
Vector4 Row(const Matrix4x4& matrix, int r) {
    return {matrix.m[r][0], matrix.m[r][1], matrix.m[r][2], matrix.m[r][3]};
}

// The plane -(a + sign * b), scaled to a unit normal: inside becomes negative.
Vector4 OutwardPlane(const Vector4& a, const Vector4& b, float sign) {
    Vector4 plane{-(a.x + sign * b.x), -(a.y + sign * b.y), -(a.z + sign * b.z), -(a.w + sign * b.w)};
    const float length = Length(plane.Xyz());
    if (length <= kNormaliseMinLength) return plane;
    return {plane.x / length, plane.y / length, plane.z / length, plane.w / length};
}

// The program a material draws with, or null when it draws with the built-in one.
iGPUProgram* ProgramOf(const RenderNode* material_node) {
    const auto* material = material_node ? static_cast<const cMaterial*>(material_node->data) : nullptr;
    return material && material->UseShader() ? material->Program() : nullptr;
}

}  // namespace

cNormalRenderVisitor::cNormalRenderVisitor(iRenderer& device) : renderer(device) {
    frustum = RendererFrustum(renderer);
}

Frustum cNormalRenderVisitor::FrustumOf(const Matrix4x4& projection_view) {
    const Vector4 x = Row(projection_view, 0);
    const Vector4 y = Row(projection_view, 1);
    const Vector4 z = Row(projection_view, 2);
    const Vector4 w = Row(projection_view, 3);
    Frustum result;
    result.planes[0] = OutwardPlane(w, x, 1.0f);   // left
    result.planes[1] = OutwardPlane(w, x, -1.0f);  // right
    result.planes[2] = OutwardPlane(w, y, 1.0f);   // bottom
    result.planes[3] = OutwardPlane(w, y, -1.0f);  // top
    result.planes[4] = OutwardPlane(w, z, 1.0f);   // near
    result.planes[5] = OutwardPlane(w, z, -1.0f);  // far
    return result;
}

Frustum cNormalRenderVisitor::RendererFrustum(const iRenderer& renderer) {
    Matrix4x4 projection, view;
    renderer.GetMatrix(MM_Projection, projection);
    renderer.GetMatrix(MM_View, view);
    return FrustumOf(projection * view);
}

void cNormalRenderVisitor::Begin() {
    frustum = RendererFrustum(renderer);
    material_node = texture_set_node = nullptr;
    materialApplied = textureSetApplied = false;
}

bool cNormalRenderVisitor::Visit(RenderNode& node) {
    switch (node.type) {
        case RNT_Root:
        case RNT_Camera:
            frustum = RendererFrustum(renderer);
            return true;
        case RNT_Material:
            material_node = &node;
            return true;
        case RNT_TextureSet:
            texture_set_node = &node;
            return true;
        case RNT_Model:
            DrawModel(*static_cast<cModelGfxCmp*>(node.data));
            return true;
        case RNT_BoundingVolume:
            return BoxInFrustum(frustum, node.box);
        default:
            return true;
    }
}

void cNormalRenderVisitor::Leave(RenderNode& node) {
    if (node.type == RNT_Material) materialApplied = false;
    if (node.type == RNT_TextureSet) textureSetApplied = false;
}

void cNormalRenderVisitor::DrawModel(cModelGfxCmp& model) {
    if (!model.PassesCull(frustum)) return;
    if (!materialApplied) ApplyMaterialNode();
    if (!textureSetApplied) BindTextureSetNode();
    model.ApplyTransform(renderer);
    model.DrawMeshes(renderer, ProgramOf(material_node));
    ++rendered;
}

void cNormalRenderVisitor::ApplyMaterialNode() {
    materialApplied = true;
    const auto* material = material_node ? static_cast<const cMaterial*>(material_node->data) : nullptr;
    if (material) {
        material->Apply(renderer);
        return;
    }
    renderer.UnbindShader(false);
    renderer.UnbindShader(true);
}

void cNormalRenderVisitor::BindTextureSetNode() {
    textureSetApplied = true;
    auto* set = texture_set_node ? static_cast<cTextureSet*>(texture_set_node->data) : nullptr;
    if (set) {
        set->Bind();
        return;
    }
    renderer.UnbindTextures(cTextureSet::kLastClearedStage);
}

}  // namespace Engine
