#include "engine/particles/cParticleManager.h"

#include <algorithm>
#include <utility>

#include "engine/core/cLog.h"
#include "engine/render/cDeviceResetOrder.h"
#include "engine/render/eBlendFactor.h"
#include "engine/render/eBlendOp.h"
#include "engine/render/eRenderStateId.h"
#include "engine/render/eTextureOp.h"
#include "engine/render/iRenderer.h"
#include "engine/render/scene/cSceneRenderer.h"
#include "engine/resource/cMaterial.h"
#include "engine/resource/cMaterialManager.h"
#include "engine/resource/cResourceSystem.h"
#include "engine/resource/iGPUProgram.h"
#include "engine/resource/iTextureManager.h"

namespace Engine {

namespace {

constexpr int32_t kOff = 0;
constexpr int32_t kOn = 1;
constexpr uint32_t kTextureStage = 0;

// The states every particle draw starts from; DestBlend changes per system.
constexpr std::pair<int32_t, int32_t> kParticleStates[] = {
    {RS_ZWrite, kOff},
    {RS_Blending, kOn},
    {RS_SourceBlend, BLEND_SourceAlpha},
    {RS_DestBlend, BLEND_InverseSourceAlpha},
    {RS_BlendOp, BLENDOP_Add},
};

iTextureManager* Textures() {
    return cResourceSystem::Exists() ? cResourceSystem::Instance().TextureManager() : nullptr;
}

}  // namespace

cParticleManager::cParticleManager() {
    cDeviceResetOrder::Instance().Register(eDeviceResetStage::ParticleSystems, this);
}

cParticleManager::~cParticleManager() {
    Detach();
    Clear();
    if (cDeviceResetOrder::Exists()) cDeviceResetOrder::Instance().Unregister(this);
}

cParticleSystem* cParticleManager::Find(const std::string& name, int32_t kind) const {
    for (const auto& system : systems) {
        if (system->Kind() == kind && system->Name() == name) return system.get();
    }
    return nullptr;
}

void cParticleManager::Adopt(std::unique_ptr<cParticleSystem> system) {
    system->SetCameraSlot(scene);
    system->SetDevice(device_renderer, device_buffers);
    if (device_ready) system->CreateResources();
    systems.push_back(std::move(system));
}

cParticleSystem* cParticleManager::GetSystem(const std::string& name, uint32_t capacity, int32_t blend) {
    if (cParticleSystem* existing = Find(name, cParticleSystem::kKind)) return existing;
    auto made = std::make_unique<cParticleSystem>(name, capacity, blend);
    cParticleSystem* system = made.get();
    Adopt(std::move(made));
    return system;
}

cEffectSystem* cParticleManager::GetEffectSystem(const std::string& name, uint32_t capacity, int32_t blend) {
    if (cParticleSystem* existing = Find(name, cEffectSystem::kKind)) return static_cast<cEffectSystem*>(existing);
    auto made = std::make_unique<cEffectSystem>(name, capacity, blend);
    cEffectSystem* system = made.get();
    Adopt(std::move(made));
    return system;
}

iParticleEmitter* cParticleManager::AddEmitter(cParticleSystem* system, std::unique_ptr<iParticleEmitter> emitter) {
    if (system == nullptr) {
        LogError("an emitter was added to no particle system; it is dropped");
        return nullptr;
    }
    if (!emitter) {
        LogError("particle system \"" + system->Name() + "\" was given no emitter; nothing added");
        return nullptr;
    }
    iParticleEmitter* added = emitter.get();
    system->AddEmitter(std::move(emitter));
    return added;
}

void cParticleManager::Start() {
    if (device_ready) return;
    device_ready = true;
    for (auto& system : systems) system->CreateResources();
    if (!cResourceSystem::Exists()) return;
    cMaterialManager* materials = cResourceSystem::Instance().MaterialManager();
    if (materials == nullptr) return;
    material = materials->GetMaterial(kMaterialName);
    for (const auto& [id, value] : kParticleStates) material->SetRenderState(id, value);
}

void cParticleManager::Clear() {
    for (auto& system : systems) system->ReleaseResources();
    systems.clear();
    device_ready = false;
    if (material != nullptr && cResourceSystem::Exists()) {
        if (cMaterialManager* materials = cResourceSystem::Instance().MaterialManager()) materials->Release(material);
    }
    material = nullptr;
}

void cParticleManager::Remove(const std::string& name) {
    auto found = std::find_if(systems.begin(), systems.end(), [&name](const std::unique_ptr<cParticleSystem>& s) {
        return s->Kind() == cParticleSystem::kKind && s->Name() == name;
    });
    if (found == systems.end()) return;
    (*found)->ReleaseResources();
    systems.erase(found);
}

void cParticleManager::Update(float dt) {
    for (auto& system : systems) system->Update(dt);
}

void cParticleManager::CreateResources(cParticleSystem& system) { system.CreateResources(); }

void cParticleManager::ReleaseResources(cParticleSystem& system) { system.ReleaseResources(); }

void cParticleManager::Draw(iRenderer& renderer) {
    BeginParticles(renderer);
    DrawParticles(renderer);
}

void cParticleManager::BeginParticles(iRenderer& renderer) {
    if (material != nullptr) {
        material->Apply(renderer);
        return;
    }
    // Without the material (no resource managers) the blending still holds.
    for (const auto& [id, value] : kParticleStates) renderer.SetRenderState(id, value);
}

void cParticleManager::DrawParticles(iRenderer& renderer) {
    // Ground-lying quads are seen from above and below alike: no face is culled.
    renderer.SetRenderState(RS_Culling, kOff);
    iTextureManager* textures = Textures();
    // The texture gives the colour and the vertex only the alpha.
    if (textures != nullptr) textures->SetColorOp(kTextureStage, TOP_Add, TA_Diffuse);
    iGPUProgram* program = material != nullptr ? material->Program() : nullptr;
    for (auto& system : systems) {
        if (system->VisibleCount() == 0) continue;
        if (material != nullptr) material->UploadProgramBindings(renderer);
        // The quads are in world space: the program needs this frame's view and projection.
        if (program != nullptr) program->UploadMatrices();
        system->Draw(renderer);
    }
    if (textures != nullptr) textures->SetColorOp(kTextureStage, TOP_Modulate, TA_Current);
    renderer.UnbindShader(false);
    renderer.UnbindShader(true);
}

void cParticleManager::AttachTo(cSceneRenderer& scene_renderer) {
    Detach();
    scene = &scene_renderer;
    scene->SetParticleDrawer(this);
    for (auto& system : systems) system->SetCameraSlot(scene);
}

void cParticleManager::Detach() {
    if (scene != nullptr && scene->ParticleDrawer() == this) scene->SetParticleDrawer(nullptr);
    scene = nullptr;
    for (auto& system : systems) system->SetCameraSlot(nullptr);
}

void cParticleManager::SceneRendererGone() {
    scene = nullptr;
    for (auto& system : systems) system->SetCameraSlot(nullptr);
}

void cParticleManager::SetDevice(iRenderer* renderer, iHardwareBufferManager* buffers) {
    device_renderer = renderer;
    device_buffers = buffers;
}

void cParticleManager::OnDeviceLost() {
    for (auto& system : systems) system->OnDeviceLost();
}

void cParticleManager::OnDeviceReset() {
    for (auto& system : systems) system->OnDeviceReset();
}

}  // namespace Engine
