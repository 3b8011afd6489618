#pragma once
// cPath: the kid's walking path (type 7), the way points the chaser enemy
// follows. The level loader appends the kid's way points and the scene
// editor the ones it places; the kid owns the path and hands it back to the
// factory when it is torn down.

#include <cstdint>
#include <vector>

#include "engine/core/Vector3.h"
#include "engine/entity/cEntity.h"
#include "game/entities/eGameEntityTypes.h"

namespace Game {

class cPath : public Engine::cEntity {
public:
    std::int32_t GetType() const override { return GAME_ENT_TYPES::PATH; }

    // Appends a way point.
    void AddPoint(const Engine::Vector3& point) { points.push_back(point); }
    // The entity reset, then no points.
    void Reset() override {
        cEntity::Reset();
        points.clear();
    }

    std::vector<Engine::Vector3> points;
};

}  // namespace Game
