#pragma once
// cEmitterPTPlayer: the markers of the playtest telemetry view for the
// player's own events. They behave exactly as the enemy markers; the kind
// keeps its own name so the view can feed the two into different systems.

#include "game/entities/cEmitterPTEnemy.h"

namespace Game {

class cEmitterPTPlayer : public cEmitterPTEnemy {};

}  // namespace Game
