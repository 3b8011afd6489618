#include "engine/render/scene/cLightGfxCmp.h"

#include <algorithm>

#include "engine/core/cLog.h"
#include "engine/render/cRendererBase.h"
#include "engine/render/scene/LightShadowMatrices.h"
#include "engine/render/scene/cLightManager.h"
#include "engine/render/scene/cShadowCasterList.h"
#include "engine/resource/cResourceSystem.h"
#include "engine/resource/eTextureFormat.h"
#include "engine/resource/eTextureType.h"
#include "engine/resource/iShader.h"
#include "engine/resource/iTexture.h"
#include "engine/resource/iTextureManager.h"

namespace Engine {

namespace {

// Ties the thirteen constants of a light to its record on one stage.
void BindRecord(iShader& stage, const std::string& name, LightRecord& light) {
    stage.BindInt(name + "Type", &light.type);
    stage.BindFloat4(name + "Ambient", &light.ambient.r);
    stage.BindFloat4(name + "Diffuse", &light.diffuse.r);
    stage.BindFloat4(name + "Specular", &light.specular.r);
    stage.BindFloat3(name + "Position", &light.position.x);
    stage.BindFloat3(name + "Direction", &light.direction.x);
    stage.BindFloat(name + "Range", &light.range);
    stage.BindFloat(name + "FallOff", &light.falloff);
    stage.BindFloat(name + "ConstAttn", &light.attenuation0);
    stage.BindFloat(name + "LinAttn", &light.attenuation1);
    stage.BindFloat(name + "QuadAttn", &light.attenuation2);
    stage.BindFloat(name + "InnerCone", &light.innerCone);
    stage.BindFloat(name + "OuterCone", &light.outerCone);
}

// Unties the thirteen constants of a light on one stage.
void UnbindRecord(iShader& stage, const std::string& name) {
    stage.UnbindInt(name + "Type");
    for (const char* suffix : {"Ambient", "Diffuse", "Specular"}) stage.UnbindFloat4(name + suffix);
    for (const char* suffix : {"Position", "Direction"}) stage.UnbindFloat3(name + suffix);
    for (const char* suffix : {"Range", "FallOff", "ConstAttn", "LinAttn", "QuadAttn", "InnerCone", "OuterCone"}) {
        stage.UnbindFloat(name + suffix);
    }
}

iTextureManager* Textures() {
    return cResourceSystem::Exists() ? cResourceSystem::Instance().TextureManager() : nullptr;
}

}  // namespace

void cLightGfxCmp::Initialise(const std::string& new_name) {
    light.ResetKeepingType();
    light_name = new_name;
}

cLightGfxCmp::~cLightGfxCmp() {
    // Nothing may keep pointing at a destroyed light; its textures belong to
    // a manager that may be gone already, so they are left to Release.
    if (cShadowCasterList::Exists()) cShadowCasterList::Instance().Remove(this);
    if (cLightManager::Exists()) cLightManager::Instance().EnableLight(light, false);
}

void cLightGfxCmp::Release() {
    if (cLightManager::Exists()) cLightManager::Instance().EnableLight(light, false);
    SetCastsShadow(false, "");
    DetachPrograms();
    ReleaseShadowTextures();
    light_name.clear();
}

void cLightGfxCmp::AttachProgram(iShader* stage) {
    if (stage == nullptr) {
        LogError("the light " + light_name + " was given no shader stage to bind its constants on");
        return;
    }
    if (std::find(programs.begin(), programs.end(), stage) == programs.end()) programs.push_back(stage);
    for (iShader* attached : programs) BindRecord(*attached, light_name, light);
}

void cLightGfxCmp::DetachPrograms() {
    for (iShader* attached : programs) UnbindRecord(*attached, light_name);
    programs.clear();
}

void cLightGfxCmp::SetCastsShadow(bool on, const std::string& map_name) {
    if (!on) {
        if (cShadowCasterList::Exists()) cShadowCasterList::Instance().Remove(this);
        ReleaseShadowTextures();
        return;
    }
    cShadowCasterList::Instance().Add(this);
    if (shadowMap == nullptr) CreateShadowTextures(map_name);
}

void cLightGfxCmp::Place(const Vector3& position, const Vector3& direction) {
    light.position = position;
    light.direction = direction;
}

Matrix4x4 cLightGfxCmp::ViewMatrix() const { return LightViewMatrix(light.position, light.direction); }

void cLightGfxCmp::UploadShadowMatrices() {
    const Matrix4x4 view = ViewMatrix();
    const Matrix4x4 view_projection = LightProjectionMatrix(light_name, light.outerCone) * view;
    for (iShader* stage : programs) {
        stage->SetMatrix(light_name + "VPMatrix", view_projection);
        stage->SetMatrix(light_name + "ViewMatrix", view);
    }
}

void cLightGfxCmp::UploadShadowParameters() {
    BindShadowMap();
    UploadShadowMatrices();
}

void cLightGfxCmp::BindShadowMap() {
    if (shadowMap == nullptr) return;
    for (iShader* stage : programs) {
        const uint32_t sampler = stage->GetSamplerIndex(light_name + "ShadowMapSampler");
        if (sampler == iShader::kNoSampler) continue;
        shadowMap->SetStage(static_cast<int32_t>(sampler));
        shadowMap->Bind();
        return;
    }
}

bool cLightGfxCmp::BeginShadowTarget() {
    iTextureManager* textures = Textures();
    if (shadowMap == nullptr || shadowDepth == nullptr || textures == nullptr || target_open) return false;
    auto* base = dynamic_cast<cRendererBase*>(&textures->Renderer());
    if (base != nullptr) saved_viewport = base->GetViewport();
    shadowMap->BeginRenderTarget();
    shadowDepth->BeginDepthTarget();
    textures->Renderer().SetViewport(0.0f, 0.0f, static_cast<float>(shadowMap->Width()),
                                     static_cast<float>(shadowMap->Height()));
    target_open = true;
    return true;
}

void cLightGfxCmp::EndShadowTarget() {
    iTextureManager* textures = Textures();
    if (!target_open || textures == nullptr) return;
    target_open = false;
    shadowDepth->EndTarget();
    shadowMap->EndTarget();
    textures->Renderer().SetViewport(static_cast<float>(saved_viewport.x), static_cast<float>(saved_viewport.y),
                                     static_cast<float>(saved_viewport.width),
                                     static_cast<float>(saved_viewport.height));
}

bool cLightGfxCmp::CreateShadowTextures(const std::string& map_name) {
    iTextureManager* textures = Textures();
    if (textures == nullptr) {
        LogError("the light " + light_name + " cannot cast shadows without a texture manager");
        return false;
    }
    std::string map = map_name;
    if (map.empty()) {
        map = light_name + "ShadowMap";
        LogError("the light " + light_name + " was given no shadow map name; it uses " + map);
    }
    shadowMap = textures->CreateTexture(map, TT_RenderTarget, kShadowMapSize, kShadowMapSize, TF_R32F, nullptr);
    shadowDepth = textures->CreateTexture(map + kDepthSuffix, TT_DepthSurface, kShadowMapSize, kShadowMapSize,
                                          TF_R32F, nullptr);
    if (shadowMap != nullptr && shadowDepth != nullptr) return true;
    LogError("the light " + light_name + " casts no shadow: its shadow map " + map + " could not be made");
    ReleaseShadowTextures();
    return false;
}

void cLightGfxCmp::ReleaseShadowTextures() {
    if (target_open) EndShadowTarget();
    iTextureManager* textures = Textures();
    if (textures == nullptr) {
        shadowMap = nullptr;
        shadowDepth = nullptr;
        return;
    }
    if (shadowMap != nullptr) textures->Release(shadowMap);
    if (shadowDepth != nullptr) textures->Release(shadowDepth);
}

}  // namespace Engine
