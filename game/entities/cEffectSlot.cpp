#include "game/entities/cEffectSlot.h"

#include <algorithm>  // std::any_of
#include <utility>    // std::move

#include "engine/particles/cEffectSystem.h"
#include "engine/particles/cParticleManager.h"

namespace Game {

cEffectSlot::cEffectSlot(std::string system_name, int32_t system_kind, uint32_t system_capacity,
                         int32_t system_blend)
    : name(std::move(system_name)), kind(system_kind), capacity(system_capacity), blend(system_blend) {}

Engine::cParticleSystem* cEffectSlot::System() const {
    if (!Engine::cParticleManager::Exists()) return nullptr;
    for (const auto& system : Engine::cParticleManager::Instance().Systems())
        if (system->Kind() == kind && system->Name() == name) return system.get();
    return nullptr;
}

Engine::iParticleEmitter* cEffectSlot::Get() const {
    if (emitter == nullptr) return nullptr;
    const Engine::cParticleSystem* system = System();
    if (system == nullptr) return nullptr;
    const auto& held = system->Emitters();
    const bool live = std::any_of(held.begin(), held.end(), [this](const auto& e) { return e.get() == emitter; });
    return live ? emitter : nullptr;
}

Engine::iParticleEmitter* cEffectSlot::Attach(std::unique_ptr<Engine::iParticleEmitter> fresh) {
    Engine::cParticleManager& manager = Engine::cParticleManager::Instance();
    Engine::cParticleSystem* system = kind == Engine::cEffectSystem::kKind
                                          ? manager.GetEffectSystem(name, capacity, blend)
                                          : manager.GetSystem(name, capacity, blend);
    emitter = manager.AddEmitter(system, std::move(fresh));
    return emitter;
}

}  // namespace Game
