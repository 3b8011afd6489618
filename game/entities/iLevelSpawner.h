#pragma once
// iLevelSpawner: an entity that releases other entities during play. In a
// level file its spawns are child elements of its own element; the loader
// creates each, deactivates it and hands it over here, in document order.

namespace Engine {
class iBaseEntity;
}

namespace Game {

class iLevelSpawner {
public:
    virtual ~iLevelSpawner() = default;

    // Takes an inactive entity to release later; the entity stays the factory's.
    virtual void AddSpawn(Engine::iBaseEntity* spawn) = 0;
};

}  // namespace Game
