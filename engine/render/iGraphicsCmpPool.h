#pragma once
// iGraphicsCmpPool: the pool a model component came from and goes back to.
// Model components are pre-built and handed out by the graphics component
// registry; when an entity is reset it gives its model back through this
// interface, so the entity framework needs no knowledge of the registry
// itself. The registry registers itself with cEntity::SetModelPool at engine
// start-up.

namespace Engine {

class iGraphicsCmp;

class iGraphicsCmpPool {
public:
    virtual ~iGraphicsCmpPool() = default;

    // Puts a component at the back of the pool's free list.
    virtual void GiveBack(iGraphicsCmp* component) = 0;
};

}  // namespace Engine
