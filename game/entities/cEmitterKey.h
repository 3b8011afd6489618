#pragma once
// cEmitterKey: the sparkles when the kid picks up a key. They behave exactly
// as the collectable's (the key fires a second, weaker burst itself); the
// kind keeps its own name so the global effects table can tell them apart.

#include "game/entities/cEmitterCollectable.h"

namespace Game {

class cEmitterKey : public cEmitterCollectable {};

}  // namespace Game
