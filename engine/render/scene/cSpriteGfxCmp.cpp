#include "engine/render/scene/cSpriteGfxCmp.h"

#include <array>
#include <string>

#include "engine/core/cLog.h"
#include "engine/render/eMatrixMode.h"
#include "engine/render/iVertexBuffer.h"
#include "engine/resource/cMesh.h"
#include "engine/resource/cResourceSystem.h"
#include "engine/resource/cTextureSet.h"

namespace Engine {

namespace {

// A sprite quad vertex: position, normal, texture coordinate.
using QuadVertex = std::array<float, 8>;

}  // namespace

void cSpriteGfxCmp::Draw(iRenderer& renderer) {
    if (!visible) return;
    LoadTextureMatrix(renderer);
    BindOwn(renderer);
    ApplyTransform(renderer);
    DrawQuad(renderer);
    UnbindOwnTextures();
}

void cSpriteGfxCmp::DrawPlain(iRenderer& renderer) {
    if (!visible) return;
    LoadTextureMatrix(renderer);
    ApplyTransform(renderer);
    UploadToBoundStages();
    DrawQuad(renderer);
}

void cSpriteGfxCmp::Initialise(const std::string& mesh_name, float new_width, float new_height,
                               const std::string& texture_set_name, const std::string& material_name,
                               uint8_t new_layer) {
    if (kind != kReleasedKind) Release();
    Activate(kSpriteKind);
    matrixMode = MM_View;
    transform = nullptr;
    width = new_width;
    height = new_height;
    cMeshManager* meshes = cResourceSystem::Instance().MeshManager();
    TakeResources(meshes ? meshes->CreateSpriteQuad(mesh_name, new_width, new_height) : nullptr, texture_set_name,
                  material_name);
    if (quad == nullptr) LogError("sprite quad \"" + mesh_name + "\" could not be made; the sprite draws nothing");
    EnterLayer(new_layer);
}

void cSpriteGfxCmp::Release() {
    LeaveLayer();
    ReleaseResources();
    emissive = kReleasedEmissive;
    iGraphicsCmp::Release();
}

void cSpriteGfxCmp::Reset() {
    if (kind != kReleasedKind) Release();
}

void cSpriteGfxCmp::SetSize(float new_width, float new_height) {
    width = new_width;
    height = new_height;
    if (quad == nullptr || quad->FramePairs().empty()) return;
    const float w = new_width / 2.0f;
    const float h = new_height / 2.0f;
    const std::array<QuadVertex, 4> vertices{{{-w, -h, 0, 0, 0, -1, 0, 0},
                                              {w, -h, 0, 0, 0, -1, 1, 0},
                                              {w, h, 0, 0, 0, -1, 1, 1},
                                              {-w, h, 0, 0, 0, -1, 0, 1}}};
    quad->FramePairs().front()->Write(vertices.data(), 0, static_cast<uint32_t>(vertices.size()));
}

void cSpriteGfxCmp::SetTextureSet(const std::string& name) {
    if (textureSet && textureSet->Name() == name) return;
    const uint8_t kept_layer = layer;
    LeaveLayer();
    if (ReplaceTextureSet(name)) EnterLayer(kept_layer);
}

void cSpriteGfxCmp::EnterLayer(uint8_t new_layer) {
    if (new_layer == iSpriteLayers::kNoLayer) return;
    if (new_layer >= iSpriteLayers::kLayerCount) {
        LogError("sprite layer " + std::to_string(new_layer) + " does not exist (0 to 10); the sprite is in no layer");
        return;
    }
    layer = new_layer;
    if (layers == nullptr) return;
    layers->AddSprite(*this, layer);
    layers_entered = layers;
}

void cSpriteGfxCmp::LeaveLayer() {
    if (layers_entered) layers_entered->RemoveSprite(*this);
    layers_entered = nullptr;
    layer = iSpriteLayers::kNoLayer;
}

}  // namespace Engine
