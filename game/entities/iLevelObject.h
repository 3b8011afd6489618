#pragma once
// iLevelObject: an entity class that a level file creates and that has a
// set-up of its own beyond name and transform. The level loader takes the
// object from the game factory, names and places it, then calls SetUpFromLevel
// with the element's values. A class that cannot set itself up (a missing
// catalogue entry or tuning record) answers false; the loader logs that and
// hands the object back to the factory instead of keeping a half-made object.

#include "game/entities/LevelObjectValues.h"

namespace Game {

class iLevelObject {
public:
    virtual ~iLevelObject() = default;

    // Finishes the set-up from the level's values; false when the object must be dropped.
    virtual bool SetUpFromLevel(const LevelObjectValues& values) = 0;
};

}  // namespace Game
