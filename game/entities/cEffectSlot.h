#pragma once
// cEffectSlot: a named particle system of the particle manager and the one
// emitter the game keeps for it, so that any entity can fire the effect.
//
// The emitter belongs to its system, and the manager deletes both when it is
// cleared at the end of a state (or the system deletes an expired emitter).
// So the slot never hands out the pointer it remembers blindly: Get returns
// it only while a system of the slot's name and kind in the manager still
// holds that emitter, and null after the system or the emitter is gone.
// Fill makes the system (a system that exists keeps its own capacity and
// blend) and adds a new emitter, unless the slot's emitter is still live, in
// which case that one is kept and no second emitter joins the system.

#include <cstdint>
#include <memory>
#include <string>

#include "engine/particles/cParticleSystem.h"
#include "engine/particles/iParticleEmitter.h"

namespace Game {

class cEffectSlot {
public:
    // kind is cParticleSystem::kKind (camera-facing) or cEffectSystem::kKind (ground-lying).
    cEffectSlot(std::string system_name, int32_t system_kind, uint32_t system_capacity, int32_t system_blend);

    // The emitter while its system still holds it, or null.
    Engine::iParticleEmitter* Get() const;
    // The manager's system of this name and kind, or null.
    Engine::cParticleSystem* System() const;

    // The live emitter, or a new Emitter added to the system (made when missing).
    template <typename Emitter>
    Emitter* Fill() {
        if (Engine::iParticleEmitter* live = Get()) return static_cast<Emitter*>(live);
        return static_cast<Emitter*>(Attach(std::make_unique<Emitter>()));
    }

    // Drops the remembered emitter without touching the manager.
    void Forget() { emitter = nullptr; }

    const std::string& Name() const { return name; }
    int32_t Kind() const { return kind; }
    uint32_t Capacity() const { return capacity; }
    int32_t Blend() const { return blend; }

private:
    // Gets or makes the system and hands it the emitter.
    Engine::iParticleEmitter* Attach(std::unique_ptr<Engine::iParticleEmitter> fresh);

    std::string name;
    int32_t kind;
    uint32_t capacity;
    int32_t blend;
    Engine::iParticleEmitter* emitter = nullptr;
};

}  // namespace Game
