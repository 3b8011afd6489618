#pragma once
// cTriggerVolume: an invisible box in the level that does something when the
// kid walks into it: the base of the challenge point and the weather
// triggers. The box is a physics object of the "Trigger" group, with no
// collision response, named like the entity; its callback calls OnKidTouch
// with the kid every frame a body named "Kid..." overlaps it. A class that
// acts once switches itself off from OnKidTouch.
//
// The box's half extents are the level scale times HalfExtentScale (the
// weather triggers take the scale itself as half extents, the challenge point
// half of it). The base Update only rebuilds the world matrix.

#include <cstdint>

#include "engine/core/Vector3.h"
#include "engine/entity/cEntity.h"
#include "engine/physics/iPhysicsCmp.h"
#include "game/entities/iLevelObject.h"

namespace Game {

class cKid;

class cTriggerVolume : public Engine::cEntity, public iLevelObject {
public:
    static constexpr const char* kCollisionGroup = "Trigger";

    // Setup at the level's place and size, then TakeValues.
    bool SetUpFromLevel(const LevelObjectValues& values) override;
    // Names the entity and creates its box at position with half extents size x HalfExtentScale.
    void Setup(const Engine::Vector3& at, const Engine::Vector3& size);

    // The box's callback: the kid touching the box reaches OnKidTouch.
    static std::int32_t OnCollision(Engine::iPhysicsCmp* self, Engine::iPhysicsCmp* other);

    // The entity and body name.
    virtual const char* EntityName() const = 0;

protected:
    // What the trigger does while the kid is in it (kid may be null when the
    // body named "Kid..." belongs to no kid entity).
    virtual void OnKidTouch(cKid* kid) = 0;
    // The level values beyond place and size that the trigger keeps.
    virtual void TakeValues(const LevelObjectValues& /*values*/) {}
    // Half extents per unit of level scale.
    virtual float HalfExtentScale() const { return 1.0f; }
};

}  // namespace Game
