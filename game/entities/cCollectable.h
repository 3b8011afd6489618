#pragma once
// cCollectable: a candy (type 33). The kid that touches it counts one candy
// more for the level's results, and the player's lifetime candy count grows
// by one and is saved; from the 100th candy over all plays on, the candy
// achievement is unlocked (a banner shows only the first time). The
// checkpoint record keeps the candy's ordinal so that a restart leaves it out.
//
// The kid can touch a candy again in the frames before it leaves play; such
// a touch counts nothing, neither for the level nor for the lifetime count.

#include <cstdint>

#include "game/entities/cItem.h"
#include "game/entities/eGameEntityTypes.h"

namespace Game {

class cCollectable : public cItem {
public:
    static constexpr sItemKind kKind{"Collectable", "Collectable", GAME_ENT_TYPES::COLLECTABLE, true};
    // The achievement of a hundred candies, and the lifetime count that unlocks it.
    static constexpr std::int32_t kCandyAchievement = 5;
    static constexpr std::int32_t kCandyForAchievement = 100;

    cCollectable() : cItem(kKind) {}

    std::int32_t GetType() const override { return GAME_ENT_TYPES::COLLECTABLE; }

    void OnKidTouch() override;

private:
    // One candy more in the player's lifetime count, saved, and the achievement at 100.
    static void CountLifetimeCandy();
};

}  // namespace Game
