#pragma once
// cAnimationRegistry: the pools of model and sprite animation sets and the
// lists of the sets that are animating, with the per-frame step over them.
//
// The scene renderer will own the two lists and call UpdateAnimations once a
// frame when it arrives; until then this registry stands in for it, with the
// same rules: sprites first, then models, each list in the order its sets
// were entered. Entering and leaving the lists may allocate; the per-frame
// step never does.

#include <cstddef>
#include <vector>

#include "engine/core/Singleton.h"
#include "engine/render/cBlockPool.h"
#include "engine/resource/cModelAnimationSet.h"
#include "engine/resource/cSpriteAnimationSet.h"

namespace Engine {

class cAnimationRegistry : public Singleton<cAnimationRegistry> {
public:
    static constexpr std::size_t kPoolBlock = 64;

    // A detached model set from the front of the pool.
    cModelAnimationSet* TakeModelSet();
    // Detaches the set and returns it to the back of the pool; null does nothing.
    void GiveBackModelSet(cModelAnimationSet*& set);
    // A reset, paused sprite set from the front of the pool.
    cSpriteAnimationSet* TakeSpriteSet();
    // Resets the set and returns it to the back of the pool; null does nothing.
    void GiveBackSpriteSet(cSpriteAnimationSet*& set);

    // Enters a set at the end of its list; one already there is not entered twice.
    void AddModel(cModelAnimationSet* set);
    void AddSprite(cSpriteAnimationSet* set);
    // Takes a set out of its list, keeping the order of the others.
    void RemoveModel(cModelAnimationSet* set);
    void RemoveSprite(cSpriteAnimationSet* set);

    // Advances every animated sprite, then every animated model, by dt seconds.
    void UpdateAnimations(float dt);

    const std::vector<cModelAnimationSet*>& AnimatedModels() const { return models; }
    const std::vector<cSpriteAnimationSet*>& AnimatedSprites() const { return sprites; }

private:
    friend class Singleton<cAnimationRegistry>;
    cAnimationRegistry() = default;

    cBlockPool<cModelAnimationSet, kPoolBlock> model_pool;
    cBlockPool<cSpriteAnimationSet, kPoolBlock> sprite_pool;
    std::vector<cModelAnimationSet*> models;
    std::vector<cSpriteAnimationSet*> sprites;
};

}  // namespace Engine
