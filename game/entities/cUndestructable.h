#pragma once
// cUndestructable: a prop that looks and answers like a crate but never breaks
// (type 46). Its damage goes back to 0 every frame and holding it fills no
// meter; slashing it still flashes it and still counts a hit for the stroke.

#include <cstdint>

#include "game/entities/cDestructables.h"
#include "game/entities/eGameEntityTypes.h"

namespace Game {

class cUndestructable : public cDestructables {
public:
    cUndestructable() : cDestructables(sCrateKind{"Undestructable", 0.0f, Content::kEngineSound}) {}

    std::int32_t GetType() const override { return GAME_ENT_TYPES::UNDESTRUCTABLE; }

    // Forgets all damage, then runs the crate's step.
    void UpdateKind(float dt) override {
        damage = 0.0f;
        cDestructables::UpdateKind(dt);
    }
};

}  // namespace Game
