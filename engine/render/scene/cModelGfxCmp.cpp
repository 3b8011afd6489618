#include "engine/render/scene/cModelGfxCmp.h"

#include <algorithm>
#include <cmath>

#include "engine/core/cLog.h"
#include "engine/physics/GeometricQueries.h"
#include "engine/render/scene/RenderTree.h"
#include "engine/resource/cAnimationRegistry.h"
#include "engine/resource/cMaterial.h"
#include "engine/resource/cMesh.h"
#include "engine/resource/cModelAnimationSet.h"
#include "engine/resource/cResourceSystem.h"
#include "engine/resource/cTextureSet.h"
#include "engine/resource/iGPUProgram.h"
#include "engine/resource/iShader.h"

namespace Engine {

namespace {

constexpr const char* kInterpolantConstant = "gAnimationInterpolant";
constexpr const char* kEmissiveConstant = "gEmissiveMaterial";

// The length of column c of the upper 3x3: how much the matrix scales that axis.
float AxisScale(const Matrix4x4& matrix, int c) {
    return Length(Vector3{matrix.m[0][c], matrix.m[1][c], matrix.m[2][c]});
}

}  // namespace

void cModelGfxCmp::ApplyTransform(iRenderer& renderer) {
    if (visible) iGraphicsCmp::ApplyTransform(renderer);
}

void cModelGfxCmp::Draw(iRenderer& renderer) {
    if (!visible) return;
    if (material) material->Apply(renderer);
    if (textureSet) textureSet->Bind();
    ApplyTransform(renderer);
    DrawMeshes(renderer, material && material->UseShader() ? material->Program() : nullptr);
}

void cModelGfxCmp::DrawPlain(iRenderer& renderer) {
    if (!visible) return;
    ApplyTransform(renderer);
    DrawMeshes(renderer, nullptr);
}

void cModelGfxCmp::Initialise(const std::string& mesh_name, const std::string& texture_set_name,
                              const std::string& material_name, bool is_moving) {
    if (kind != kReleasedKind) Release();
    emissive = ColorRGBA{0, 0, 0, 0};
    Activate(kModelKind);
    matrixMode = MM_World;
    transform = nullptr;
    moving = is_moving ? 1 : 0;
    cResourceSystem& resources = cResourceSystem::Instance();
    if (cMaterialManager* materials = resources.MaterialManager()) material = materials->GetMaterial(material_name);
    if (iTextureManager* textures = resources.TextureManager()) textureSet = textures->GetTextureSet(texture_set_name);
    AddMesh(mesh_name);
    if (tree) {
        tree->AddModel(*this);
        tree_entered = tree;
    }
}

void cModelGfxCmp::AddMesh(const std::string& mesh_name) {
    cMeshManager* mesh_manager = cResourceSystem::Instance().MeshManager();
    cMesh* mesh = mesh_manager ? mesh_manager->GetMesh(mesh_name) : nullptr;
    if (mesh == nullptr) {
        LogError("model mesh \"" + mesh_name + "\" is not loaded; the model draws nothing");
        return;
    }
    if (meshes.empty()) boundingSphere = mesh->BoundingSphere();
    meshes.push_back(mesh);
    if (mesh->FramePairs().size() < 2) return;
    cModelAnimationSet* set = cAnimationRegistry::Instance().TakeModelSet();
    set->AttachModel(this, mesh);
    // A model file with a single named animation has one loop pair, and the
    // set copies the table only from two on: without this it could never play.
    if (set->Animations().empty()) {
        for (const auto& [name, range] : mesh->Animations()) set->AddAnimation(name, range.first, range.last);
    }
    animationSets[mesh] = set;
}

void cModelGfxCmp::Release() {
    if (tree_entered) tree_entered->RemoveModel(*this);
    tree_entered = nullptr;
    ReleaseResources();
    emissive = ColorRGBA{0, 0, 0, 0};
    moving = kReleasedMoving;
    boundingSphere = Vector4{0.0f, 0.0f, 0.0f, kReleasedRadius};
    matrixMode = MM_World;
    iGraphicsCmp::Release();
}

void cModelGfxCmp::Reset() {
    if (kind != kReleasedKind) Release();
}

void cModelGfxCmp::ReleaseResources() {
    cResourceSystem& resources = cResourceSystem::Instance();
    if (cMaterialManager* materials = resources.MaterialManager()) materials->Release(material);
    if (iTextureManager* textures = resources.TextureManager()) textures->ReleaseTextureSet(textureSet);
    for (auto& [mesh, set] : animationSets) cAnimationRegistry::Instance().GiveBackModelSet(set);
    animationSets.clear();
    if (cMeshManager* mesh_manager = resources.MeshManager()) {
        for (cMesh*& mesh : meshes) mesh_manager->Release(mesh);
    }
    meshes.clear();
    material = nullptr;
    textureSet = nullptr;
}

void cModelGfxCmp::DrawMeshes(iRenderer& renderer, iGPUProgram* program) {
    iShader* vertex = program ? program->VertexStage() : nullptr;
    iShader* pixel = program ? program->PixelStage() : nullptr;
    if (vertex) vertex->UploadMatrices();
    if (pixel) pixel->UploadMatrices();
    const float colour[4] = {emissive.r, emissive.g, emissive.b, emissive.a};
    for (cMesh* mesh : meshes) {
        float interpolant = 0.0f;
        auto animated = animationSets.find(mesh);
        if (animated != animationSets.end()) {
            animated->second->SelectPair();
            interpolant = animated->second->Interpolant();
        }
        if (vertex) vertex->SetFloat(kInterpolantConstant, interpolant);
        if (pixel) pixel->SetFloat4(kEmissiveConstant, colour);
        mesh->Draw(renderer);
    }
}

bool cModelGfxCmp::PassesCull(const Frustum& frustum) const {
    if (meshes.empty() || !visible) return false;
    if (transform == nullptr) return true;
    return SphereInFrustum(frustum, WorldBoundingSphere());
}

Vector4 cModelGfxCmp::WorldBoundingSphere() const {
    if (transform == nullptr) return boundingSphere;
    const float scale = std::max({AxisScale(*transform, 0), AxisScale(*transform, 1), AxisScale(*transform, 2)});
    return Vector4{transform->TransformPoint(boundingSphere.Xyz()), boundingSphere.w * scale};
}

bool cModelGfxCmp::Play(const std::string& name) {
    bool played = false;
    for (auto& [mesh, set] : animationSets) {
        set->SetSpeed(1.0f);
        played = set->Play(name) || played;
    }
    return played;
}

bool cModelGfxCmp::HoldFirstFrame(const std::string& name) {
    const bool played = Play(name);
    SetSpeed(0.0f);
    return played;
}

void cModelGfxCmp::SetLooping(bool loop) {
    for (auto& [mesh, set] : animationSets) set->SetLooping(loop);
}

void cModelGfxCmp::SetSpeed(float speed) {
    for (auto& [mesh, set] : animationSets) set->SetSpeed(speed);
}

const cModelAnimationSet* cModelGfxCmp::FirstAnimationSet() const {
    for (cMesh* mesh : meshes) {
        auto animated = animationSets.find(mesh);
        if (animated != animationSets.end()) return animated->second;
    }
    return nullptr;
}

std::string cModelGfxCmp::CurrentAnimation() const {
    const cModelAnimationSet* set = FirstAnimationSet();
    return set ? set->Current() : std::string{};
}

bool cModelGfxCmp::AnimationFinished() const {
    const cModelAnimationSet* set = FirstAnimationSet();
    return set && set->HasFlag(cModelAnimationSet::AF_Finished);
}

}  // namespace Engine
