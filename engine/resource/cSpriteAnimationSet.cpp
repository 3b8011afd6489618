#include "engine/resource/cSpriteAnimationSet.h"

#include "engine/resource/cAnimationRegistry.h"

namespace Engine {

void cSpriteAnimationSet::AddAnimation(const std::string& name, uint32_t first_frame, uint32_t last_frame) {
    animations.try_emplace(name, AnimationRange{first_frame, last_frame});
    if (animations.size() == 1) Play(name);
}

bool cSpriteAnimationSet::Play(const std::string& name) {
    const auto entry = animations.find(name);
    if (entry == animations.end()) return false;
    current = name;
    first = entry->second.first;
    last = entry->second.last;
    frame = first;
    time = 0.0f;
    speed = 1.0f;
    finished = 0;
    return true;
}

void cSpriteAnimationSet::Update(float dt) {
    if (finished || paused) return;
    time += dt * speed;
    if (!(time > frameTime)) return;
    ++frame;
    if (!loop && frame >= last) {
        // A one-cell animation (first == last) steps past last at once; it stops on last all the same.
        frame = last;
        finished = 1;
    } else if (loop && frame > last) {
        frame = first;
    }
    time = 0.0f;
}

void cSpriteAnimationSet::Reset() {
    cAnimationRegistry::Instance().RemoveSprite(this);
    animations.clear();
    current.clear();
    frame = first = last = 0;
    frameTime = time = speed = 0.0f;
    loop = finished = 0;
    paused = 1;
}

}  // namespace Engine
