#pragma once
// cLightPool: where light components come from. Lights are pre-built in
// blocks like every graphics component, so a light handed out stays at one
// address for the whole run (the light manager, the shadow caster list and
// shader bindings all hold pointers into it). The pool keeps the lights in
// use in the order they were created.
//
// Game code creates its lights here ("gDirectional" from the level,
// "gKidLight" from the kid) and releases them through the pool, never
// directly, so that a released light is always back in the free queue once.

#include <cstddef>
#include <string>
#include <vector>

#include "engine/core/Singleton.h"
#include "engine/render/cBlockPool.h"
#include "engine/render/scene/cLightGfxCmp.h"

namespace Engine {

class cLightPool : public Singleton<cLightPool> {
public:
    static constexpr std::size_t kBlockSize = 64;

    // Releases every light still in use.
    ~cLightPool();

    // A light from the pool, initialised under name and listed as in use.
    cLightGfxCmp* CreateLight(const std::string& name);
    // Takes the light off the in-use list, releases it, gives it back and
    // nulls the reference; a light the pool did not hand out (or already
    // took back) is refused with a log line and left alone.
    void ReleaseLight(cLightGfxCmp*& light);
    // Releases every light in use, the newest first.
    void ReleaseAll();

    // The lights in use, in the order they were created.
    const std::vector<cLightGfxCmp*>& Lights() const { return lights; }
    std::size_t FreeCount() const { return pool.FreeCount(); }

private:
    cBlockPool<cLightGfxCmp, kBlockSize> pool;
    std::vector<cLightGfxCmp*> lights;
};

}  // namespace Engine
