#pragma once
// cParticleManager: the process-wide list of particle systems, by name.
//
// Systems are asked for by name and kind: GetSystem for camera-facing
// systems, GetEffectSystem for ground-lying ones. The first ask makes the
// system (with its device resources at once when the manager is started);
// every later ask of the same name and kind returns that system unchanged,
// whatever capacity and blend it names, so an effect keeps the capacity it
// was made with. A camera-facing and an effect system may share a name and
// are still two systems. Systems are updated and drawn in creation order.
//
// A game state calls Start when it enters (device resources for every
// system, and the shared material "ParticleMat" with its blending states),
// Update once per frame, and Clear when it leaves (every system and its
// emitters deleted). The scene renderer draws the systems through
// iParticleDrawer once the manager is attached to it.
//
// Device resets: the manager stands in the particle stage of
// cDeviceResetOrder; a reset has every system's vertex buffer give up its
// device objects and make them again, with the vertices written back.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/Singleton.h"
#include "engine/particles/cEffectSystem.h"
#include "engine/particles/cParticleSystem.h"
#include "engine/particles/iParticleEmitter.h"
#include "engine/render/iDeviceResetListener.h"
#include "engine/render/scene/iParticleDrawer.h"

namespace Engine {

class cMaterial;
class cSceneRenderer;
class iHardwareBufferManager;
class iRenderer;

class cParticleManager : public Singleton<cParticleManager>, public iParticleDrawer, public iDeviceResetListener {
public:
    static constexpr const char* kMaterialName = "ParticleMat";

    ~cParticleManager() override;

    // The first kind-0 system of that name, or a new one appended to the list.
    cParticleSystem* GetSystem(const std::string& name, uint32_t capacity, int32_t blend);
    // The first kind-1 system of that name, or a new one appended to the list.
    cEffectSystem* GetEffectSystem(const std::string& name, uint32_t capacity, int32_t blend);

    // Hands the emitter to the system (Init at once when the system is
    // created) and returns it for the caller's use, or null (logged) for a
    // null system or emitter.
    iParticleEmitter* AddEmitter(cParticleSystem* system, std::unique_ptr<iParticleEmitter> emitter);
    template <typename Emitter>
    Emitter* AddEmitter(cParticleSystem* system, std::unique_ptr<Emitter> emitter) {
        return static_cast<Emitter*>(AddEmitter(system, std::unique_ptr<iParticleEmitter>(std::move(emitter))));
    }

    // Once per state: device resources for every system and "ParticleMat"
    // with ZWrite 0, Blending 1, SourceBlend 5, DestBlend 6, BlendOp 1.
    // Nothing when started already.
    void Start();
    // Releases and deletes every system, gives "ParticleMat" back; not started afterwards.
    void Clear();
    // Releases and deletes the first kind-0 system of that name; nothing when there is none.
    void Remove(const std::string& name);
    // Update of every system, in creation order.
    void Update(float dt);

    // The system's device resources and emitters' Init; nothing when created already.
    void CreateResources(cParticleSystem& system);
    // The system's ring, emitters and vertex buffer go.
    void ReleaseResources(cParticleSystem& system);

    // BeginParticles then DrawParticles.
    void Draw(iRenderer& renderer);
    // Applies "ParticleMat": its render states and program.
    void BeginParticles(iRenderer& renderer) override;
    // Each system with visible particles, with its blend; then both shader kinds unbound.
    void DrawParticles(iRenderer& renderer) override;

    // Becomes the scene renderer's particle drawer and takes its camera slot
    // for every system; Detach undoes it.
    void AttachTo(cSceneRenderer& scene_renderer);
    void Detach();
    // The attached scene renderer is going: the manager forgets it and its camera.
    void SceneRendererGone() override;

    // The device every system culls against and makes its vertex buffer on,
    // for systems made from now on; while both are null, those installed in
    // cRenderSystem.
    void SetDevice(iRenderer* renderer, iHardwareBufferManager* buffers);

    void OnDeviceLost() override;
    void OnDeviceReset() override;

    bool DeviceReady() const { return device_ready; }
    cMaterial* Material() const { return material; }
    const std::vector<std::unique_ptr<cParticleSystem>>& Systems() const { return systems; }

private:
    friend class Singleton<cParticleManager>;
    cParticleManager();

    cParticleSystem* Find(const std::string& name, int32_t kind) const;
    void Adopt(std::unique_ptr<cParticleSystem> system);

    bool device_ready = false;
    std::vector<std::unique_ptr<cParticleSystem>> systems;
    cMaterial* material = nullptr;
    cSceneRenderer* scene = nullptr;
    iRenderer* device_renderer = nullptr;
    iHardwareBufferManager* device_buffers = nullptr;
};

}  // namespace Engine
