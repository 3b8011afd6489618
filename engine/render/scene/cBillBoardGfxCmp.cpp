#include "engine/render/scene/cBillBoardGfxCmp.h"

#include "engine/core/cLog.h"
#include "engine/render/eMatrixMode.h"
#include "engine/render/scene/cCameraGfxCmp.h"
#include "engine/render/scene/iCameraSlot.h"
#include "engine/render/scene/iSpriteLayers.h"
#include "engine/resource/cResourceSystem.h"

namespace Engine {

namespace {

constexpr float kMinAxisLengthSquared = 1e-12f;

void SetColumn(Matrix4x4& matrix, int column, const Vector3& axis) {
    matrix.m[0][column] = axis.x;
    matrix.m[1][column] = axis.y;
    matrix.m[2][column] = axis.z;
}

}  // namespace

Matrix4x4 cBillBoardGfxCmp::FacingMatrix(const Vector3& position, const Vector3& eye, bool flat,
                                         float height_offset) {
    Matrix4x4 matrix = Matrix4x4::Identity();
    if (flat) {
        SetColumn(matrix, 0, {0.0f, 0.0f, 1.0f});
        SetColumn(matrix, 1, {-1.0f, 0.0f, 0.0f});
        SetColumn(matrix, 2, {0.0f, 1.0f, 0.0f});
    } else {
        const Vector3 f = Normalise(eye - position);
        Vector3 r = Normalise(Cross(Vector3{0.0f, -1.0f, 0.0f}, f));
        // Seen from straight above or below, the world's up gives no side
        // axis; the ground's -z stands in for it so the quad keeps its size.
        if (LengthSquared(r) < kMinAxisLengthSquared) r = Normalise(Cross(Vector3{0.0f, 0.0f, -1.0f}, f));
        const Vector3 u = Normalise(Cross(r, f));
        SetColumn(matrix, 0, r);
        SetColumn(matrix, 1, u);
        SetColumn(matrix, 2, f);
    }
    SetColumn(matrix, 3, {position.x, position.y + height_offset, position.z});
    return matrix;
}

Vector3 cBillBoardGfxCmp::Eye(const iRenderer& renderer) const {
    if (cameras) {
        if (const cCameraGfxCmp* camera = cameras->ActiveCamera()) return camera->eye;
    }
    Matrix4x4 view;
    renderer.GetMatrix(MM_View, view);
    return view.Inverse().TransformPoint(Vector3{});
}

void cBillBoardGfxCmp::ApplyTransform(iRenderer& renderer) {
    const Matrix4x4 world =
        position ? FacingMatrix(*position, Eye(renderer), flat, heightOffset) : Matrix4x4::Identity();
    renderer.SetMatrix(MM_World, world, 0);
}

void cBillBoardGfxCmp::Draw(iRenderer& renderer) {
    if (!visible) return;
    LoadTextureMatrix(renderer);
    BindOwn(renderer);
    ApplyTransform(renderer);
    UploadToBoundStages();
    DrawQuad(renderer);
    UnbindOwnTextures();
}

void cBillBoardGfxCmp::Initialise(const std::string& mesh_name, float new_width, float new_height,
                                  const std::string& texture_set_name, const std::string& material_name) {
    if (kind != kReleasedKind) Release();
    Activate(kBillboardKind);
    matrixMode = MM_World;
    transform = nullptr;
    position = nullptr;
    width = new_width;
    height = new_height;
    cMeshManager* meshes = cResourceSystem::Instance().MeshManager();
    TakeResources(meshes ? meshes->CreateBillboardQuad(mesh_name, new_width, new_height) : nullptr,
                  texture_set_name, material_name);
    if (quad == nullptr) LogError("billboard quad \"" + mesh_name + "\" could not be made; it draws nothing");
    if (layers) {
        layers->AddBillboard(*this);
        layers_entered = layers;
    }
}

void cBillBoardGfxCmp::Release() {
    flat = false;
    heightOffset = 0.0f;
    position = nullptr;
    ReleaseResources();
    if (layers_entered) layers_entered->RemoveBillboard(*this);
    layers_entered = nullptr;
    emissive = kReleasedEmissive;
    iGraphicsCmp::Release();
}

void cBillBoardGfxCmp::Reset() {
    if (kind != kReleasedKind) Release();
}

}  // namespace Engine
