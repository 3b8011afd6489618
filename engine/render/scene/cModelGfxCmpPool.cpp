#include "engine/render/scene/cModelGfxCmpPool.h"

#include "engine/core/cLog.h"

namespace Engine {

cModelGfxCmp* cModelGfxCmpPool::Take() {
    cModelGfxCmp* component = pool.Take();
    component->SetTree(tree);
    in_use.insert(component);
    return component;
}

void cModelGfxCmpPool::GiveBack(iGraphicsCmp* component) {
    auto* model = dynamic_cast<cModelGfxCmp*>(component);
    if (model == nullptr || in_use.erase(model) == 0) {
        LogError("a graphics component that is not an unreturned model of this pool was given back; ignored");
        return;
    }
    pool.GiveBack(model);
}

void cModelGfxCmpPool::ReleaseAll() {
    in_use.clear();
    pool.ReleaseAll();
}

}  // namespace Engine
