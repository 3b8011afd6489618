#include "engine/particles/cParticleSystem.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "engine/core/Easing.h"
#include "engine/core/Matrix4x4.h"
#include "engine/core/cLog.h"
#include "engine/physics/GeometricQueries.h"
#include "engine/render/cRenderSystem.h"
#include "engine/render/cVertexDeclaration.h"
#include "engine/render/eBlendFactor.h"
#include "engine/render/eBufferUsage.h"
#include "engine/render/eDeclType.h"
#include "engine/render/eDeclUsage.h"
#include "engine/render/eMatrixMode.h"
#include "engine/render/ePrimitiveType.h"
#include "engine/render/eRenderStateId.h"
#include "engine/render/iHardwareBufferManager.h"
#include "engine/render/iRenderer.h"
#include "engine/render/iVertexBuffer.h"
#include "engine/render/scene/cCameraGfxCmp.h"
#include "engine/render/scene/cNormalRenderVisitor.h"
#include "engine/render/scene/iCameraSlot.h"
#include "engine/resource/cMaterialManager.h"
#include "engine/resource/cResourceSystem.h"
#include "engine/resource/cTextureSet.h"
#include "engine/resource/iTexture.h"
#include "engine/resource/iTextureManager.h"

namespace Engine {

namespace {

constexpr uint32_t kTrianglesPerParticle = 2;
constexpr float kAlphaScale = 255.0f;
constexpr uint32_t kAlphaShift = 24;

uint32_t ValidCapacity(const std::string& name, uint32_t capacity) {
    if (capacity > 0) return capacity;
    LogError("particle system \"" + name + "\" asked for a capacity of 0; it holds 1 particle");
    return 1;
}

int32_t ValidBlend(const std::string& name, int32_t blend) {
    if (blend == cParticleSystem::kAlphaBlend || blend == cParticleSystem::kAdditiveBlend) return blend;
    LogError("particle system \"" + name + "\" has an unknown blend " + std::to_string(blend) +
             "; it draws with alpha blending");
    return cParticleSystem::kAlphaBlend;
}

uint32_t AlphaColour(float alpha) {
    const float clamped = std::clamp(alpha, 0.0f, 1.0f);
    return static_cast<uint32_t>(clamped * kAlphaScale) << kAlphaShift;
}

}  // namespace

cParticleSystem::cParticleSystem(const std::string& name, uint32_t capacity, int32_t blend)
    : cParticleSystem(name, capacity, blend, kKind) {}

cParticleSystem::cParticleSystem(const std::string& system_name, uint32_t requested_capacity,
                                 int32_t requested_blend, int32_t system_kind)
    : life_curve(EaseLinear),
      size_curve(EaseLinear),
      spin_curve(EaseLinear),
      alpha_curve(EaseLinear),
      name(system_name),
      capacity(ValidCapacity(system_name, requested_capacity)),
      blend(ValidBlend(system_name, requested_blend)),
      kind(system_kind) {
    visible.reserve(kVisibleReserve);
    FetchLooks();
}

cParticleSystem::~cParticleSystem() {
    ReleaseResources();
    ReleaseLooks();
}

void cParticleSystem::FetchLooks() {
    if (!cResourceSystem::Exists()) return;
    cResourceSystem& resources = cResourceSystem::Instance();
    // Acquire, not Get: a system without a material of its own name keeps none
    // rather than filling the catalogue with empty ones.
    if (cMaterialManager* materials = resources.MaterialManager()) material = materials->Acquire(name);
    if (iTextureManager* textures = resources.TextureManager()) texture_set = textures->GetTextureSet(name);
}

void cParticleSystem::ReleaseLooks() {
    if (!cResourceSystem::Exists()) return;
    cResourceSystem& resources = cResourceSystem::Instance();
    if (cMaterialManager* materials = resources.MaterialManager()) materials->Release(material);
    if (iTextureManager* textures = resources.TextureManager()) textures->ReleaseTextureSet(texture_set);
    material = nullptr;
    texture_set = nullptr;
}

void cParticleSystem::AddEmitter(std::unique_ptr<iParticleEmitter> emitter) {
    if (!emitter) {
        LogError("particle system \"" + name + "\" was given no emitter; nothing added");
        return;
    }
    if (created) emitter->Init();
    emitters.push_back(std::move(emitter));
}

void cParticleSystem::CreateResources() {
    if (created) return;
    created = true;
    particles = std::make_unique<ParticleRecord[]>(capacity);
    vertices = std::make_unique<ParticleVertex[]>(static_cast<std::size_t>(capacity) * kVerticesPerParticle);
    write_index = 0;
    visible_count = 0;
    visible.clear();
    for (auto& emitter : emitters) emitter->Init();
    MakeVertexBuffer();
}

const iRenderer* cParticleSystem::Renderer() const {
    if (renderer != nullptr || buffers != nullptr) return renderer;
    return cRenderSystem::Exists() ? cRenderSystem::Instance().Renderer() : nullptr;
}

iHardwareBufferManager* cParticleSystem::Buffers() const {
    if (renderer != nullptr || buffers != nullptr) return buffers;
    return cRenderSystem::Exists() ? cRenderSystem::Instance().BufferManager() : nullptr;
}

void cParticleSystem::MakeVertexBuffer() {
    iHardwareBufferManager* owner = Buffers();
    if (owner == nullptr) return;
    cVertexDeclaration* declaration = owner->TakeVertexDeclaration();
    declaration->AddElement(DU_Position, DT_Float3, 0);
    declaration->AddElement(DU_Colour, DT_PackedColour, 0);
    declaration->AddElement(DU_TexCoord, DT_Float2, 0);
    const uint32_t count = capacity * kVerticesPerParticle;
    vertex_buffer = owner->CreateVertexBuffer(declaration, count, BU_Dynamic);
    if (vertex_buffer == nullptr) {
        LogError("particle system \"" + name + "\" has no vertex buffer; it draws nothing");
        return;
    }
    vertex_buffer_owner = owner;
    vertex_buffer->Write(vertices.get(), 0, count);
}

void cParticleSystem::ReleaseResources() {
    particles.reset();
    vertices.reset();
    for (auto& emitter : emitters) emitter->Release();
    emitters.clear();
    removal.clear();
    visible.clear();
    visible_count = 0;
    if (vertex_buffer != nullptr) vertex_buffer_owner->ReleaseVertexBuffer(vertex_buffer);
    vertex_buffer = nullptr;
    vertex_buffer_owner = nullptr;
    created = false;
}

void cParticleSystem::OnDeviceLost() {
    if (vertex_buffer != nullptr) vertex_buffer->OnDeviceLost();
}

void cParticleSystem::OnDeviceReset() {
    if (vertex_buffer != nullptr) vertex_buffer->OnDeviceReset();
}

void cParticleSystem::Update(float dt) {
    // Emitters have no staging until the system is created; they wait for it.
    if (!created) return;
    CheckCurves();
    for (auto& emitter : emitters) {
        emitter->Emit(dt);
        MergeStaged(*emitter);
        if (emitter->expired) removal.push_back(emitter.get());
    }
    RemoveExpired();
    const iRenderer* view = Renderer();
    MoveAndCull(dt, view);
    BuildQuads(view);
}

void cParticleSystem::CheckCurves() {
    Curve* curves[] = {&life_curve, &size_curve, &spin_curve, &alpha_curve};
    for (Curve* curve : curves) {
        if (*curve != nullptr) continue;
        if (!null_curve_logged) LogError("particle system \"" + name + "\" has a missing curve; it runs linear");
        null_curve_logged = true;
        *curve = EaseLinear;
    }
}

void cParticleSystem::MergeStaged(iParticleEmitter& emitter) {
    uint32_t left = emitter.staged;
    emitter.staged = 0;
    const ParticleRecord* source = emitter.staging.get();
    if (source == nullptr || left == 0) return;
    // More records than the ring holds would only overwrite one another: the
    // last capacity of them survive, landing where writing all would leave them.
    if (left > capacity) {
        const uint32_t skipped = left - capacity;
        write_index = static_cast<uint32_t>((static_cast<uint64_t>(write_index) + skipped) % capacity);
        source += skipped;
        left = capacity;
    }
    while (left > 0) {
        const uint32_t run = std::min(left, capacity - write_index);
        std::memcpy(&particles[write_index], source, sizeof(ParticleRecord) * run);
        source += run;
        left -= run;
        write_index += run;
        if (write_index == capacity) write_index = 0;
    }
}

void cParticleSystem::RemoveExpired() {
    for (iParticleEmitter* gone : removal) {
        gone->Release();
        auto owned = std::find_if(emitters.begin(), emitters.end(),
                                  [gone](const std::unique_ptr<iParticleEmitter>& e) { return e.get() == gone; });
        if (owned != emitters.end()) emitters.erase(owned);
    }
    removal.clear();
}

void cParticleSystem::MoveAndCull(float dt, const iRenderer* view) {
    visible.clear();
    // Without a renderer there is no view to cull against: every live record counts.
    Frustum frustum{};
    if (view != nullptr) frustum = cNormalRenderVisitor::RendererFrustum(*view);
    for (uint32_t i = 0; i < capacity; ++i) {
        ParticleRecord& record = particles[i];
        if (!(record.life > 0.0f)) continue;
        record.life -= dt;
        record.velocity += dt * record.acceleration;
        record.position += dt * record.velocity;
        if (view == nullptr || PointInFrustum(frustum, record.position)) visible.push_back(i);
    }
    visible_count = static_cast<uint32_t>(visible.size());
}

void cParticleSystem::QuadAxes(const iRenderer* view, Vector3& right, Vector3& up) const {
    const cCameraGfxCmp* camera = cameras ? cameras->ActiveCamera() : nullptr;
    if (camera != nullptr) {
        const Vector3 forward = Normalise(camera->target - camera->eye);
        right = Normalise(Cross(forward, camera->up));
        up = Normalise(Cross(right, forward));
        return;
    }
    if (view == nullptr) {
        right = {1.0f, 0.0f, 0.0f};
        up = {0.0f, 1.0f, 0.0f};
        return;
    }
    // A look-at view matrix holds the camera's right and up as its first two rows.
    Matrix4x4 matrix;
    view->GetMatrix(MM_View, matrix);
    right = Normalise(Vector3{matrix.m[0][0], matrix.m[0][1], matrix.m[0][2]});
    up = Normalise(Vector3{matrix.m[1][0], matrix.m[1][1], matrix.m[1][2]});
}

void cParticleSystem::BuildQuads(const iRenderer* view) {
    if (visible_count == 0) return;
    Vector3 right;
    Vector3 up;
    QuadAxes(view, right, up);
    ParticleVertex* out = vertices.get();
    for (uint32_t index : visible) {
        WriteQuad(particles[index], right, up, out);
        out += kVerticesPerParticle;
    }
    if (vertex_buffer != nullptr) vertex_buffer->Write(vertices.get(), 0, visible_count * kVerticesPerParticle);
}

void cParticleSystem::WriteQuad(const ParticleRecord& record, const Vector3& right, const Vector3& up,
                                ParticleVertex* out) const {
    const float age = life_curve(record.life, 0.0f, 1.0f, record.lifetime);
    const float size = size_curve(age, record.size_death, record.size_birth, 1.0f);
    const float spin = spin_curve(age, record.spin_death, record.spin_birth, 1.0f);
    const uint32_t colour = AlphaColour(alpha_curve(age, record.alpha_death, record.alpha_birth, 1.0f));
    const float c = std::cos(spin);
    const float s = std::sin(spin);
    // The half-diagonals: the axes turned by the spin in their plane.
    const Vector3 across = size * (c * right + s * up);
    const Vector3 along = size * (c * up - s * right);
    const Vector3& p = record.position;
    const ParticleVertex left_corner{p - across, colour, 0.0f, 0.0f};
    const ParticleVertex bottom_corner{p - along, colour, 1.0f, 0.0f};
    const ParticleVertex top_corner{p + along, colour, 0.0f, 1.0f};
    const ParticleVertex right_corner{p + across, colour, 1.0f, 1.0f};
    out[0] = left_corner;
    out[1] = bottom_corner;
    out[2] = top_corner;
    out[3] = top_corner;
    out[4] = bottom_corner;
    out[5] = right_corner;
}

void cParticleSystem::Draw(iRenderer& device) {
    if (visible_count == 0 || vertex_buffer == nullptr) return;
    device.SetRenderState(RS_DestBlend, blend == kAdditiveBlend ? BLEND_One : BLEND_InverseSourceAlpha);
    if (texture_set != nullptr) texture_set->Bind();
    vertex_buffer->Bind();
    device.DrawPrimitives(PT_TriangleList, 0, visible_count * kTrianglesPerParticle);
    vertex_buffer->Unbind();
    if (texture_set != nullptr) {
        for (iTexture* texture : texture_set->Textures()) texture->Unbind();
    }
}

}  // namespace Engine
