#pragma once
// cPowerUpEnergy: an energy power-up (type 32). It stands and turns like the
// other items but gives nothing: the kid's touch does nothing, and a touch of
// the stroke only takes it out of play. (The gameplay pairs the item group
// with the kid alone, so in play the stroke never reaches one.)

#include <cstdint>

#include "game/entities/cItem.h"
#include "game/entities/eGameEntityTypes.h"

namespace Game {

class cPowerUpEnergy : public cItem {
public:
    // Its model is the prefab of identifier 20.
    static constexpr std::int32_t kPrefabId = 20;
    static constexpr sItemKind kKind{"powerup", "PowerUp_Energy", kPrefabId, false};

    cPowerUpEnergy() : cItem(kKind) {}

    std::int32_t GetType() const override { return GAME_ENT_TYPES::POWER_UP_ENERGY; }

    void OnStrokeTouch() override { Remove(); }
};

}  // namespace Game
