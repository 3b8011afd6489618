#pragma once
// cSpriteAnimationSet: steps a sprite through the cells of its texture, one
// frame number at a time.
//
// Frames advance by whole steps: once more than frameTime has passed, the
// frame moves on by one and the rest of the time is dropped. A looping
// animation goes back to first after last; one that does not loop stops on
// last and is finished.
//
// Sets are pooled (cAnimationRegistry hands them out). A reset set is
// paused: it shows the frame its animation chose (Play sets it) and does not
// advance until its owner unpauses it, so a sprite whose animations are
// single cells (a button's idle, hover and pressed looks) stays on them.

#include <cstdint>
#include <string>

#include "engine/resource/AnimationTable.h"

namespace Engine {

class cSpriteAnimationSet {
public:
    virtual ~cSpriteAnimationSet() = default;

    // Adds an animation (a name already present keeps its range); the first entry is played at once.
    void AddAnimation(const std::string& name, uint32_t first, uint32_t last);
    // Starts the named animation at its first frame at normal speed, running again even after it had
    // finished; false, changing nothing, for an unknown name.
    bool Play(const std::string& name);
    // Advances by dt seconds unless finished or paused.
    void Update(float dt);
    // Leaves the list of animated sprites, clears everything and pauses.
    void Reset();

    void SetFrameTime(float seconds) { frameTime = seconds; }
    void SetLooping(bool looping) { loop = looping ? 1 : 0; }
    void SetPaused(bool pause) { paused = pause ? 1 : 0; }
    void SetSpeed(float factor) { speed = factor; }

    const AnimationTable& Animations() const { return animations; }
    const std::string& Current() const { return current; }
    uint32_t Frame() const { return frame; }
    uint32_t First() const { return first; }
    uint32_t Last() const { return last; }
    float FrameTime() const { return frameTime; }
    float Time() const { return time; }
    float Speed() const { return speed; }
    bool Looping() const { return loop != 0; }
    bool Finished() const { return finished != 0; }
    bool Paused() const { return paused != 0; }

private:
    AnimationTable animations;
    std::string current;
    uint32_t frame = 0;
    uint32_t first = 0;
    uint32_t last = 0;
    float frameTime = 0.0f;
    float time = 0.0f;
    float speed = 1.0f;
    uint8_t loop = 0;
    uint8_t finished = 0;
    uint8_t paused = 1;
};

}  // namespace Engine
