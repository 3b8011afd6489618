#pragma once
// cFence: a fence the kid cannot pass (type 44). It never moves and does
// nothing each frame; its body, in the "Wall" group, is half the fence's
// scale on each axis and sends what runs into it straight back.

#include <cstdint>

#include "engine/entity/cEntity.h"
#include "game/entities/eGameEntityTypes.h"
#include "game/entities/iLevelObject.h"

namespace Game {

class cFence : public Engine::cEntity, public iLevelObject {
public:
    static constexpr const char* kEntityName = "Fence";
    static constexpr const char* kCollisionGroup = "Wall";
    static constexpr const char* kBodyName = "Fence";
    static constexpr float kRestitution = 1.0f;

    std::int32_t GetType() const override { return GAME_ENT_TYPES::FENCE; }

    // Places the fence as the level says, with its model and static body.
    bool SetUpFromLevel(const LevelObjectValues& values) override;
    // A fence has nothing to do.
    void Update(float /*dt*/) override {}
};

}  // namespace Game
