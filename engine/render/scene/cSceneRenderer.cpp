#include "engine/render/scene/cSceneRenderer.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/core/cLog.h"
#include "engine/render/eBlendFactor.h"
#include "engine/render/eBlendOp.h"
#include "engine/render/eClearFlag.h"
#include "engine/render/eMatrixMode.h"
#include "engine/render/eRenderStateId.h"
#include "engine/render/iRenderer.h"
#include "engine/render/scene/cBillBoardGfxCmp.h"
#include "engine/render/scene/cCameraGfxCmp.h"
#include "engine/render/scene/cFontGfxCmp.h"
#include "engine/render/scene/cNormalRenderVisitor.h"
#include "engine/render/scene/cPreprocessRenderVisitor.h"
#include "engine/render/scene/cShadowCasterList.h"
#include "engine/render/scene/cSpriteGfxCmp.h"
#include "engine/render/scene/iShadowCaster.h"
#include "engine/resource/cAnimationRegistry.h"
#include "engine/resource/cMaterial.h"
#include "engine/resource/ProceduralMeshes.h"
#include "engine/resource/cMaterialManager.h"
#include "engine/resource/cMesh.h"
#include "engine/resource/cMeshManager.h"
#include "engine/resource/cResourceSystem.h"
#include "engine/resource/cTextureSet.h"
#include "engine/resource/iGPUProgram.h"
#include "engine/resource/iShader.h"
#include "engine/resource/iShaderManager.h"
#include "engine/resource/iTexture.h"
#include "engine/resource/iTextureManager.h"

namespace Engine {

namespace {

constexpr int32_t kFillSolid = 2;

cMaterial* DefaultMaterial() {
    const cResourceSystem* resources = cResourceSystem::Exists() ? &cResourceSystem::Instance() : nullptr;
    cMaterialManager* materials = resources ? resources->MaterialManager() : nullptr;
    return materials ? materials->Find(cSceneRenderer::kDefaultMaterial) : nullptr;
}

bool LayerInRange(uint8_t layer, const char* what) {
    if (layer < iSpriteLayers::kLayerCount) return true;
    LogError(std::string(what) + " layer " + std::to_string(layer) + " does not exist (0 to 10); not drawn");
    return false;
}

}  // namespace

cSceneRenderer::cSceneRenderer(iRenderer& device) : renderer(device) { LoadGuiProgram(); }

cSceneRenderer::~cSceneRenderer() {
    if (particles != nullptr) particles->SceneRendererGone();
    ReleaseSkyBox();
    ReleaseOwnGuiProgram();
}

void cSceneRenderer::SetGuiProgram(iGPUProgram* program) {
    ReleaseOwnGuiProgram();
    guiShader = program;
}

void cSceneRenderer::ReleaseOwnGuiProgram() {
    const bool owned = owns_gui_shader;
    owns_gui_shader = false;
    if (!owned || !cResourceSystem::Exists()) return;
    if (iShaderManager* shaders = cResourceSystem::Instance().ShaderManager()) shaders->ReleaseProgram(guiShader);
    guiShader = nullptr;
}

void cSceneRenderer::LoadGuiProgram() {
    iShaderManager* shaders = cResourceSystem::Exists() ? cResourceSystem::Instance().ShaderManager() : nullptr;
    if (shaders == nullptr) return;
    guiShader = shaders->CreateShaderProgram(kGuiShaderFile, kGuiShaderDirectory, "GUIVSMain", kGuiShaderFile,
                                             kGuiShaderDirectory, "GUIPSMain");
    owns_gui_shader = guiShader != nullptr;
    // Sprites are placed by the world-view-projection matrix and cut from their sheet by the texture matrix.
    if (iShader* vertex = guiShader ? guiShader->VertexStage() : nullptr) {
        vertex->EnableWVPMatrix(true);
        vertex->EnableTextureMatrix(true);
    }
}

void cSceneRenderer::SetSkyBox(const std::string& directory) {
    ReleaseSkyBox();
    cResourceSystem* resources = cResourceSystem::Exists() ? &cResourceSystem::Instance() : nullptr;
    cMeshManager* meshes = resources ? resources->MeshManager() : nullptr;
    iTextureManager* textures = resources ? resources->TextureManager() : nullptr;
    if (meshes == nullptr || textures == nullptr) {
        LogError("sky box from " + directory + " needs the mesh and texture managers; no sky box");
        return;
    }
    for (uint32_t face = 0; face < kSkyBoxFaces; ++face) {
        sky_faces[face] = meshes->CreateSkyBoxFace(kSkyBoxMesh + std::to_string(face), face, kSkyBoxHalf);
        sky_textures[face] = textures->LoadTexture(kSkyBoxTexture, directory);
    }
}

void cSceneRenderer::ReleaseSkyBox() {
    cResourceSystem* resources = cResourceSystem::Exists() ? &cResourceSystem::Instance() : nullptr;
    cMeshManager* meshes = resources ? resources->MeshManager() : nullptr;
    iTextureManager* textures = resources ? resources->TextureManager() : nullptr;
    for (uint32_t face = 0; face < kSkyBoxFaces; ++face) {
        if (meshes) meshes->Release(sky_faces[face]);
        if (textures) textures->Release(sky_textures[face]);
        sky_faces[face] = nullptr;
        sky_textures[face] = nullptr;
    }
}

void cSceneRenderer::ComputeViewports(const DisplayMode& mode) {
    DisplayMode checked = mode;
    auto fix = [](float& size, const char* what) {
        if (std::isfinite(size) && size >= 1.0f) return;
        LogError(std::string("display ") + what + " " + std::to_string(size) + " is not a size; 1 used");
        size = 1.0f;
    };
    fix(checked.windowWidth, "width");
    fix(checked.windowHeight, "height");
    if (checked.fullscreen) {
        fix(checked.desktopWidth, "desktop width");
        fix(checked.desktopHeight, "desktop height");
    }
    window_width = checked.windowWidth;
    window_height = checked.windowHeight;
    viewports = ComputeLetterbox(checked.fullscreen, checked.desktopWidth, checked.desktopHeight,
                                 checked.windowWidth, checked.windowHeight, checked.enforceRes);
}

void cSceneRenderer::AddSprite(cSpriteGfxCmp& sprite, uint8_t layer) {
    if (!LayerInRange(layer, "sprite")) return;
    RemoveSprite(sprite);
    spriteLayers[layer].emplace(sprite.TextureSet(), &sprite);
}

void cSceneRenderer::RemoveSprite(cSpriteGfxCmp& sprite) {
    // The key the sprite entered under may be stale, so every layer is searched by the sprite itself.
    for (SpriteLayer& layer : spriteLayers) {
        auto entry = std::find_if(layer.begin(), layer.end(), [&](const auto& pair) { return pair.second == &sprite; });
        if (entry != layer.end()) {
            layer.erase(entry);
            return;
        }
    }
}

void cSceneRenderer::AddText(cFontGfxCmp& text, uint8_t layer) {
    if (!LayerInRange(layer, "text")) return;
    RemoveText(text);
    textLayers[layer].push_back(&text);
}

void cSceneRenderer::RemoveText(cFontGfxCmp& text) {
    for (auto& layer : textLayers) std::erase(layer, &text);
}

void cSceneRenderer::AddBillboard(cBillBoardGfxCmp& billboard) {
    if (std::find(billboards.begin(), billboards.end(), &billboard) == billboards.end())
        billboards.push_back(&billboard);
}

void cSceneRenderer::RemoveBillboard(cBillBoardGfxCmp& billboard) { std::erase(billboards, &billboard); }

void cSceneRenderer::AddShadowLight(iShadowCaster& light) { cShadowCasterList::Instance().Add(&light); }

void cSceneRenderer::AddShadowMaterial(cMaterial& material) {
    if (std::find(shadowMaterials.begin(), shadowMaterials.end(), &material) == shadowMaterials.end())
        shadowMaterials.push_back(&material);
}

std::size_t cSceneRenderer::SpriteCount(uint8_t layer) const {
    return layer < kLayerCount ? spriteLayers[layer].size() : 0;
}

std::size_t cSceneRenderer::TextCount(uint8_t layer) const {
    return layer < kLayerCount ? textLayers[layer].size() : 0;
}

void cSceneRenderer::UpdateAnimations(float dt) { cAnimationRegistry::Instance().UpdateAnimations(dt); }

void cSceneRenderer::RenderFrame() {
    rendered = 0;
    if (viewports.bars) ClearBars();
    SetMainViewport();
    ApplyCamera();
    ClearPicture(CLEAR_All);
    renderer.SetMatrix(MM_World, Matrix4x4::Identity(), 0);
    renderer.SetRenderState(RS_Fillmode, kFillSolid);
    ApplyDefaultMaterial();
    if (shadowsEnabled) ShadowPasses();
    MainPass();
    ApplyCamera();
    renderer.SetMatrix(MM_World, Matrix4x4::Identity(), 0);
    DrawParticles();
    renderer.UnbindTextures(kLastFrameStage);
    DrawBillboards();
    ResetBlending();
    renderer.SetRenderState(RS_DepthTesting, 1);
    Pass2D();
    renderer.ApplyDefaultStates();
}

void cSceneRenderer::ClearBars() {
    for (const ScreenRect& bar : {viewports.bar_a, viewports.bar_b}) {
        renderer.SetViewport(bar.left, bar.top, bar.right - bar.left, bar.bottom - bar.top);
        renderer.Clear(CLEAR_All, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 0);
    }
}

void cSceneRenderer::SetMainViewport() {
    const ScreenRect& main = viewports.viewport;
    renderer.SetViewport(main.left, main.top, main.right - main.left, main.bottom - main.top);
}

void cSceneRenderer::ApplyCamera() {
    renderer.SetRenderState(RS_DepthTesting, 1);
    if (camera == nullptr) {
        renderer.SetPerspective(kDefaultFieldOfView, kDefaultNear, kDefaultFar, window_width / window_height);
        return;
    }
    const float aspect = camera->aspect > 0.0f ? camera->aspect : window_width / window_height;
    float near_plane = camera->near;
    float far_plane = camera->far;
    if (!(near_plane > 0.0f && far_plane > near_plane)) {
        if (!camera_planes_logged)
            LogError("camera planes near " + std::to_string(near_plane) + " far " + std::to_string(far_plane) +
                     " make no projection; near 0.1 and far 100 used");
        camera_planes_logged = true;
        near_plane = kDefaultNear;
        far_plane = kDefaultFar;
    }
    renderer.SetPerspective(camera->fieldOfView * cCameraGfxCmp::kDegreesToRadians, near_plane, far_plane, aspect);
    renderer.LookAt(camera->eye, camera->target, camera->up);
}

void cSceneRenderer::UnbindShaders() {
    renderer.UnbindShader(false);
    renderer.UnbindShader(true);
}

void cSceneRenderer::ClearPicture(uint32_t flags) { renderer.Clear(flags, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 0); }

void cSceneRenderer::ApplyDefaultMaterial() {
    if (const cMaterial* material = DefaultMaterial()) material->Apply(renderer);
}

void cSceneRenderer::ShadowPasses() {
    if (!cShadowCasterList::Exists()) return;
    // A copy: a light may leave the list while its pass runs.
    const std::vector<iShadowCaster*> lights = cShadowCasterList::Instance().Casters();
    for (cMaterial* material : shadowMaterials) {
        for (iShadowCaster* light : lights) ShadowPass(*material, *light);
        ApplyDefaultMaterial();
        renderer.UnbindTextures(kLastSetStage);
        UnbindShaders();
    }
    UploadShadowParameters();
}

void cSceneRenderer::ShadowPass(cMaterial& material, iShadowCaster& light) {
    if (!light.BeginShadowTarget()) return;
    RenderNode& root = tree.Root();
    root.type = RNT_Light;
    root.data = &light;
    ClearPicture(CLEAR_Colour | CLEAR_Depth);
    cPreprocessRenderVisitor visitor(renderer, &material);
    visitor.Begin();
    tree.Traverse(visitor);
    rendered += visitor.Rendered();
    renderer.SetMatrix(MM_World, Matrix4x4::Identity(), 0);
    light.EndShadowTarget();
}

void cSceneRenderer::UploadShadowParameters() {
    if (!cShadowCasterList::Exists()) return;
    for (iShadowCaster* light : cShadowCasterList::Instance().Casters()) light->UploadShadowParameters();
}

void cSceneRenderer::MainPass() {
    // Always from the camera root, so the walk never starts from a light left by a shadow pass.
    if (shadowsEnabled) {
        ApplyCamera();
        ClearPicture(CLEAR_Colour | CLEAR_Depth);
        SetMainViewport();
    }
    DrawSkyBox();
    RenderNode& root = tree.Root();
    root.type = RNT_Camera;
    root.data = camera;
    cNormalRenderVisitor visitor(renderer);
    visitor.Begin();
    tree.Traverse(visitor);
    rendered += visitor.Rendered();
    if (!shadowsEnabled) return;
    ApplyDefaultMaterial();
    renderer.UnbindTextures(kLastFrameStage);
    UnbindShaders();
    ApplyCamera();
    renderer.SetMatrix(MM_World, Matrix4x4::Identity(), 0);
    renderer.SetMatrix(MM_Texture, Matrix4x4::Identity(), 0);
}

void cSceneRenderer::DrawSkyBox() {
    if (!HasSkyBox()) return;
    // Scaled so its farthest corner stays inside the far plane, and drawn
    // without depth writes so the whole scene draws over it.
    const float far_plane = camera && camera->far > 0.0f ? camera->far : kDefaultFar;
    const float scale = 0.9f * far_plane / (kSkyBoxHalf * std::sqrt(3.0f));
    const Vector3 eye = camera ? camera->eye : Vector3{};
    renderer.SetMatrix(MM_World, Matrix4x4::Translation(eye) * Matrix4x4::Scaling({scale, scale, scale}), 0);
    renderer.SetRenderState(RS_ZWrite, 0);
    renderer.SetRenderState(RS_Culling, 0);
    renderer.SetRenderState(RS_Lighting, 0);
    UnbindShaders();
    for (uint32_t face = 0; face < kSkyBoxFaces; ++face) {
        if (sky_textures[face]) {
            sky_textures[face]->SetStage(0);
            sky_textures[face]->Bind();
        } else {
            renderer.UnbindTextures(0);
        }
        sky_faces[face]->Draw(renderer);
    }
    renderer.UnbindTextures(kLastSetStage);
    renderer.ApplyDefaultStates();
    ApplyDefaultMaterial();
    renderer.SetMatrix(MM_World, Matrix4x4::Identity(), 0);
}

void cSceneRenderer::DrawParticles() {
    if (particles == nullptr) return;
    particles->BeginParticles(renderer);
    // The particle material's program may read the shadow maps too.
    UploadShadowParameters();
    particles->DrawParticles(renderer);
}

void cSceneRenderer::DrawBillboards() {
    // A billboard's facing basis is mirror-handed, which turns its front
    // face around: with culling on, half the views would lose it.
    if (!billboards.empty()) renderer.SetRenderState(RS_Culling, 0);
    for (cBillBoardGfxCmp* billboard : billboards) billboard->Draw(renderer);
}

void cSceneRenderer::ResetBlending() {
    renderer.SetRenderState(RS_Blending, 0);
    renderer.SetRenderState(RS_SourceBlend, BLEND_One);
    renderer.SetRenderState(RS_DestBlend, BLEND_Zero);
    renderer.SetRenderState(RS_BlendOp, BLENDOP_Add);
}

void cSceneRenderer::Pass2D() {
    const ScreenRect& main = viewports.viewport;
    renderer.SetRenderState(RS_DepthTesting, 0);
    renderer.SetOrthographic(static_cast<int32_t>(main.left), static_cast<int32_t>(main.right),
                             static_cast<int32_t>(main.top), static_cast<int32_t>(main.bottom), kOrthoNear,
                             kOrthoFar);
    renderer.SetMatrix(MM_World, Matrix4x4::Identity(), 0);
    renderer.SetRenderState(RS_Blending, 1);
    renderer.SetRenderState(RS_SourceBlend, BLEND_SourceAlpha);
    renderer.SetRenderState(RS_DestBlend, BLEND_InverseSourceAlpha);
    renderer.SetRenderState(RS_BlendOp, BLENDOP_Add);
    if (guiShader) guiShader->Bind();
    const cTextureSet* bound = nullptr;
    bool any_bound = false;
    for (uint8_t layer = 0; layer < kLayerCount; ++layer) DrawLayer(layer, bound, any_bound);
    if (guiShader) guiShader->Unbind();
    renderer.UnbindTextures(kLastSetStage);
    ApplyCamera();
    renderer.SetMatrix(MM_Texture, Matrix4x4::Identity(), 0);
    ResetBlending();
}

void cSceneRenderer::DrawLayer(uint8_t layer, const cTextureSet*& bound, bool& any_bound) {
    for (const auto& [key, sprite] : spriteLayers[layer]) {
        if (!sprite->visible) continue;
        cTextureSet* set = sprite->TextureSet();
        if (!any_bound || set != bound) {
            if (set && !set->Textures().empty())
                set->Bind();
            else
                renderer.UnbindTextures(kLastSetStage);
            bound = set;
            any_bound = true;
        }
        sprite->DrawPlain(renderer);
    }
    for (cFontGfxCmp* text : textLayers[layer]) text->Draw(renderer);
}

}  // namespace Engine
