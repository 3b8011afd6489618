#pragma once
// cParticleSystem: one named particle effect: a fixed ring of particle
// records, the emitters that feed it, one dynamic vertex buffer of
// camera-facing quads and the material and texture set it draws with.
//
// Every frame Update lets each emitter emit, copies its staged records into
// the ring at write_index (wrapping to the front, overwriting whatever is
// there, alive or not), removes emitters that have expired, moves every live
// record by plain kinematics (life, velocity, position) and keeps the ones
// inside the view frustum. For those it writes two triangles each into the
// vertex buffer: a square of half size s turned by the spin angle in the
// plane of the quad axes (the active camera's right and up, so the quad
// faces the eye), with only the alpha byte of the colour set.
//
// Each quantity follows a curve of the record's age fraction a:
//   a = life_curve(life, 0, 1, lifetime)      (1 at birth, 0 at death when linear)
//   s = size_curve(a, size_death, size_birth, 1), likewise spin and alpha.
// All four curves are linear after construction; an owner may replace any of
// them with another easing function (engine/core/Easing.h). A curve set to
// null is logged at the next update and drawn as linear.
//
// Drawing binds the texture set named like the system (the texture decides
// the colour, the vertex alpha scales its alpha) and sets the destination
// blend: inverse source alpha for alpha blending (1), one for additive (2).
// The material of the system's name is held while the system lives, when
// the catalogue has one.
//
// The capacity is fixed at construction and is at least 1: a request for 0
// is logged and made 1. The ring, the vertex data and the vertex buffer
// exist while the system is created (CreateResources); until then emitters
// are only kept, Update does nothing, and Init runs for each emitter when
// the resources are made.
// Emitters belong to the system from the moment they are added.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/Vector3.h"
#include "engine/particles/ParticleRecord.h"
#include "engine/particles/iParticleEmitter.h"

namespace Engine {

class cMaterial;
class cTextureSet;
class iCameraSlot;
class iHardwareBufferManager;
class iRenderer;
class iVertexBuffer;
struct Matrix4x4;

// One corner of a particle quad as the vertex buffer holds it (24 bytes).
struct ParticleVertex {
    Vector3 position;
    uint32_t colour;  // 0xAARRGGBB; only the alpha byte is set
    float u;
    float v;
};

static_assert(sizeof(ParticleVertex) == 24, "a particle vertex is 24 bytes");

class cParticleSystem {
public:
    // (time, from, to, duration) -> value, as the easing functions.
    using Curve = float (*)(float t, float from, float to, float duration);

    static constexpr int32_t kKind = 0;
    static constexpr int32_t kAlphaBlend = 1;
    static constexpr int32_t kAdditiveBlend = 2;
    static constexpr uint32_t kVerticesPerParticle = 6;
    static constexpr uint32_t kVisibleReserve = 256;

    // A capacity of 0 is logged and made 1; a blend other than 1 or 2 is logged and made 1.
    cParticleSystem(const std::string& name, uint32_t capacity, int32_t blend);
    virtual ~cParticleSystem();
    cParticleSystem(const cParticleSystem&) = delete;
    cParticleSystem& operator=(const cParticleSystem&) = delete;

    // One frame: emit and merge, drop expired emitters, move, cull, build the quads.
    virtual void Update(float dt);

    // Takes ownership; Init runs at once when the system is created. Null is logged and ignored.
    void AddEmitter(std::unique_ptr<iParticleEmitter> emitter);
    // Allocates the zeroed ring and the vertex data, Inits every emitter and
    // makes the vertex buffer; nothing when created already.
    void CreateResources();
    // Frees the ring, releases and deletes every emitter, releases the vertex
    // buffer; the system is not created afterwards.
    void ReleaseResources();
    // The vertex buffer gives up its device objects, or makes them again and
    // writes its vertices back (a device reset); emitters and ring stay.
    void OnDeviceLost();
    void OnDeviceReset();

    // Draws visible_count quads from the vertex buffer with the system's
    // blend and textures; the particle material must be applied already.
    void Draw(iRenderer& device);

    // The device the system culls against and makes its vertex buffer on;
    // while both are null, those installed in cRenderSystem. Set it before
    // CreateResources: a buffer already made stays with its manager.
    void SetDevice(iRenderer* device_renderer, iHardwareBufferManager* device_buffers) {
        renderer = device_renderer;
        buffers = device_buffers;
    }
    // Where the camera-facing axes come from; without a camera slot or an
    // active camera they are read from the renderer's view matrix.
    void SetCameraSlot(const iCameraSlot* camera_slot) { cameras = camera_slot; }

    const std::string& Name() const { return name; }
    uint32_t Capacity() const { return capacity; }
    int32_t Blend() const { return blend; }
    int32_t Kind() const { return kind; }
    bool Created() const { return created; }
    uint32_t WriteIndex() const { return write_index; }
    uint32_t VisibleCount() const { return visible_count; }
    // The ring (capacity records), or null while the system is not created.
    ParticleRecord* Particles() { return particles.get(); }
    const ParticleRecord* Particles() const { return particles.get(); }
    // Ring indices of the records drawn this frame, in ring order.
    const std::vector<uint32_t>& VisibleIndices() const { return visible; }
    // The vertices written by the last Update: VisibleCount() * 6 of them.
    const ParticleVertex* Vertices() const { return vertices.get(); }
    const std::vector<std::unique_ptr<iParticleEmitter>>& Emitters() const { return emitters; }
    iVertexBuffer* VertexBuffer() const { return vertex_buffer; }
    cMaterial* Material() const { return material; }
    cTextureSet* TextureSet() const { return texture_set; }

    Curve life_curve;
    Curve size_curve;
    Curve spin_curve;
    Curve alpha_curve;

protected:
    // Effect systems use fixed axes; kind 1.
    cParticleSystem(const std::string& name, uint32_t capacity, int32_t blend, int32_t system_kind);
    // The two unit axes the quads are built on this frame.
    virtual void QuadAxes(const iRenderer* view, Vector3& right, Vector3& up) const;

private:
    void MergeStaged(iParticleEmitter& emitter);
    void RemoveExpired();
    void MoveAndCull(float dt, const iRenderer* view);
    void BuildQuads(const iRenderer* view);
    void WriteQuad(const ParticleRecord& record, const Vector3& right, const Vector3& up, ParticleVertex* out) const;
    void CheckCurves();
    void MakeVertexBuffer();
    const iRenderer* Renderer() const;
    iHardwareBufferManager* Buffers() const;
    void FetchLooks();
    void ReleaseLooks();

    std::string name;
    uint32_t capacity = 1;
    int32_t blend = kAlphaBlend;
    int32_t kind = kKind;
    bool created = false;
    std::unique_ptr<ParticleRecord[]> particles;
    uint32_t write_index = 0;
    std::vector<std::unique_ptr<iParticleEmitter>> emitters;
    std::vector<iParticleEmitter*> removal;
    std::vector<uint32_t> visible;
    std::unique_ptr<ParticleVertex[]> vertices;
    iVertexBuffer* vertex_buffer = nullptr;
    iHardwareBufferManager* vertex_buffer_owner = nullptr;
    uint32_t visible_count = 0;
    cMaterial* material = nullptr;
    cTextureSet* texture_set = nullptr;
    const iCameraSlot* cameras = nullptr;
    iRenderer* renderer = nullptr;
    iHardwareBufferManager* buffers = nullptr;
    bool null_curve_logged = false;
};

}  // namespace Engine
