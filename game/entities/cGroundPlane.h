#pragma once
// cGroundPlane: the invisible floor the kid walks on. It is no mesh but one
// huge, thin, static box in the "Floor" collision group, centred one unit
// below the origin so that its top face lies at height -0.9; anything that
// falls onto it is stopped there by the collision pass. The gameplay state
// creates one per level.

#include <cstdint>

#include "engine/core/Vector4.h"
#include "engine/entity/cEntity.h"
#include "game/entities/eGameEntityTypes.h"

namespace Game {

class cGroundPlane : public Engine::cEntity {
public:
    std::int32_t GetType() const override { return GAME_ENT_TYPES::GROUND_PLANE; }

    // Names the entity "groundplane" and gives it its floor slab in the
    // process's physics world; Reset hands the slab back.
    void Setup();

    // The plane the slab stands for: normal (0, 1, 0), distance 0.
    Engine::Vector4 plane{0.0f, 1.0f, 0.0f, -0.0f};
};

}  // namespace Game
