#pragma once
// cModelGfxCmpPool: the pre-built model components. Take hands one out,
// bound to the scene's render tree so that it enters the tree when its owner
// initialises it; GiveBack (the entity framework's door, iGraphicsCmpPool)
// releases it and puts it back. Only components this pool handed out and
// has not had back are taken back: anything else is logged and ignored, so
// one component is never handed to two owners.

#include <cstddef>
#include <unordered_set>

#include "engine/entity/Pool.h"
#include "engine/render/iGraphicsCmpPool.h"
#include "engine/render/scene/cModelGfxCmp.h"

namespace Engine {

class RenderTree;

class cModelGfxCmpPool : public iGraphicsCmpPool {
public:
    explicit cModelGfxCmpPool(RenderTree* tree) : tree(tree) {}

    // A released component bound to the tree.
    cModelGfxCmp* Take();
    // Releases the component and puts it back; a component not out of this pool is refused.
    void GiveBack(iGraphicsCmp* component) override;
    // Releases every component handed out and makes them all free again.
    void ReleaseAll();

    std::size_t InUse() const { return in_use.size(); }
    // Components built so far, in use or free.
    std::size_t BuiltCount() const { return pool.Objects().size(); }

private:
    RenderTree* tree;
    Pool<cModelGfxCmp> pool;
    std::unordered_set<cModelGfxCmp*> in_use;
};

}  // namespace Engine
