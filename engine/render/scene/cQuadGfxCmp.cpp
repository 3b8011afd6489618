#include "engine/render/scene/cQuadGfxCmp.h"

#include "engine/core/cLog.h"
#include "engine/render/eMatrixMode.h"
#include "engine/resource/cAnimationRegistry.h"
#include "engine/resource/cMaterial.h"
#include "engine/resource/cMesh.h"
#include "engine/resource/cResourceSystem.h"
#include "engine/resource/cSpriteAnimationSet.h"
#include "engine/resource/cTextureSet.h"
#include "engine/resource/iShader.h"
#include "engine/resource/iTexture.h"

namespace Engine {

bool cQuadGfxCmp::SetCellSize(uint32_t cell_width, uint32_t cell_height) {
    const iTexture* texture = textureSet && !textureSet->Textures().empty() ? textureSet->Textures().front() : nullptr;
    if (texture == nullptr) {
        LogError("sprite cells need a texture; texture set \"" + (textureSet ? textureSet->Name() : std::string{}) +
                 "\" has none, so the cell size is not set");
        return false;
    }
    cells = SpriteCells::Cut(cell_width, cell_height, texture->Width(), texture->Height());
    textureScale = cells.Scale();
    textureMatrix = CellTextureMatrix(textureScale, CurrentOffsets());
    return SpriteCells::Fits(cell_width, cell_height, texture->Width(), texture->Height());
}

void cQuadGfxCmp::StartAnimation(const std::string& name, uint32_t first, uint32_t last, float seconds_per_frame) {
    if (animation == nullptr) {
        cAnimationRegistry& registry = cAnimationRegistry::Instance();
        animation = registry.TakeSpriteSet();
        animation->SetFrameTime(seconds_per_frame);
        registry.AddSprite(animation);
    }
    animation->AddAnimation(name, first, last);
}

TextureOffsets cQuadGfxCmp::CurrentOffsets() const {
    return animation ? cells.Offsets(animation->Frame()) : TextureOffsets{};
}

void cQuadGfxCmp::LoadTextureMatrix(iRenderer& renderer) {
    textureMatrix = CellTextureMatrix(textureScale, CurrentOffsets());
    renderer.SetMatrix(MM_Texture, textureMatrix, 0);
}

void cQuadGfxCmp::TakeResources(cMesh* new_quad, const std::string& texture_set_name,
                                const std::string& material_name) {
    quad = new_quad;
    cResourceSystem& resources = cResourceSystem::Instance();
    if (cMaterialManager* materials = resources.MaterialManager()) material = materials->GetMaterial(material_name);
    if (iTextureManager* textures = resources.TextureManager()) textureSet = textures->GetTextureSet(texture_set_name);
    cells = SpriteCells{};
    textureScale = Vector3{1.0f, 1.0f, 1.0f};
    textureMatrix = Matrix4x4::Identity();
}

void cQuadGfxCmp::ReleaseResources() {
    cAnimationRegistry::Instance().GiveBackSpriteSet(animation);
    cResourceSystem& resources = cResourceSystem::Instance();
    if (cMaterialManager* materials = resources.MaterialManager()) materials->Release(material);
    if (iTextureManager* textures = resources.TextureManager()) textures->ReleaseTextureSet(textureSet);
    if (cMeshManager* meshes = resources.MeshManager()) meshes->Release(quad);
    material = nullptr;
    textureSet = nullptr;
    quad = nullptr;
    width = height = 0.0f;
    cells = SpriteCells{};
}

bool cQuadGfxCmp::ReplaceTextureSet(const std::string& name) {
    iTextureManager* textures = cResourceSystem::Instance().TextureManager();
    if (textures == nullptr) return false;
    textures->ReleaseTextureSet(textureSet);
    textureSet = textures->GetTextureSet(name);
    return textureSet != nullptr;
}

void cQuadGfxCmp::BindOwn(iRenderer& renderer) {
    if (material) material->Apply(renderer);
    if (textureSet) textureSet->Bind();
}

void cQuadGfxCmp::UnbindOwnTextures() {
    if (textureSet == nullptr) return;
    for (iTexture* texture : textureSet->Textures()) texture->Unbind();
}

void cQuadGfxCmp::UploadToBoundStages() {
    iShaderManager* shaders = cResourceSystem::Instance().ShaderManager();
    if (shaders == nullptr) return;
    if (iShader* vertex = shaders->GetCurrentVertexStage()) {
        vertex->UploadBindings();
        vertex->UploadMatrices();
    }
    if (iShader* pixel = shaders->GetCurrentPixelStage()) {
        const float colour[4] = {emissive.r, emissive.g, emissive.b, emissive.a};
        pixel->SetFloat4(kEmissiveConstant, colour);
    }
}

void cQuadGfxCmp::DrawQuad(iRenderer& renderer) {
    if (quad) quad->Draw(renderer);
}

}  // namespace Engine
