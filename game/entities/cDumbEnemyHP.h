#pragma once
// cDumbEnemyHP: the tough ghost (type 14): more health and a slow turn, so it swings wide.
// Apart from its numbers and names it is the plain ghost (cDumbEnemy), except
// that it forgets a touch of the kid whenever it comes back to Walk: it
// possesses the kid only on a contact made while walking.

#include <cstdint>

#include "game/entities/cDumbEnemy.h"
#include "game/entities/eGameEntityTypes.h"

namespace Game {

class cDumbEnemyHP : public cDumbEnemy {
public:
    static constexpr sGhostKind kKind{"DollEnemyHP", "DumbEnemyHP", "DumbEnemyHP", 25.0f, true};

    cDumbEnemyHP() : cDumbEnemy(kKind) {}

    std::int32_t GetType() const override { return GAME_ENT_TYPES::DUMB_ENEMY_HP; }
};

}  // namespace Game
