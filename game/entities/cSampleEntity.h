#pragma once
// cSampleEntity: the smallest complete entity, kept as a template for new
// kinds and as a test subject for the developer states. It owns a state
// machine whose one state does nothing, rebuilds its world matrix every
// frame, and while an arrow key is held pushes its physics body (when it
// has one) along x (Left, Right) or z (Up, Down) by 5 units per second each
// second. The engine has no watch panels yet, so it shows none.

#include <cstdint>
#include <memory>  // std::unique_ptr owns the machine

#include "engine/entity/cEntity.h"
#include "engine/entity/cStateMachine.h"
#include "game/entities/eGameEntityTypes.h"

namespace Game {

class cSampleEntity : public Engine::cEntity {
public:
    // Velocity added per second while an arrow key is held.
    static constexpr float kPush = 5.0f;

    std::int32_t GetType() const override { return GAME_ENT_TYPES::SAMPLE_ENTITY; }

    // Names the entity "sample_entity" and starts its machine.
    void Setup();
    // Steps the machine, rebuilds the world matrix and applies the arrow keys.
    void Update(float dt) override;
    // Destroys the machine, then runs the entity reset.
    void Reset() override;

    const Engine::cStateMachine<cSampleEntity>* Machine() const { return machine.get(); }

private:
    // The idle state's callbacks: nothing to do.
    void Idle() {}
    void IdleUpdate(float /*dt*/) {}

    std::unique_ptr<Engine::cStateMachine<cSampleEntity>> machine;
};

}  // namespace Game
