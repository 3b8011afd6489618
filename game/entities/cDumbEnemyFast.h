#pragma once
// cDumbEnemyFast: the fast ghost (type 15): quick and tight-turning; it homes in on the kid.
// Apart from its numbers and names it is the plain ghost (cDumbEnemy), except
// that it forgets a touch of the kid whenever it comes back to Walk: it
// possesses the kid only on a contact made while walking.

#include <cstdint>

#include "game/entities/cDumbEnemy.h"
#include "game/entities/eGameEntityTypes.h"

namespace Game {

class cDumbEnemyFast : public cDumbEnemy {
public:
    static constexpr sGhostKind kKind{"DollEnemyFast", "DumbEnemyFast", "DumbEnemyFast", 5.0f, true};

    cDumbEnemyFast() : cDumbEnemy(kKind) {}

    std::int32_t GetType() const override { return GAME_ENT_TYPES::DUMB_ENEMY_FAST; }
};

}  // namespace Game
