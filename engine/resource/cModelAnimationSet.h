#pragma once
// cModelAnimationSet: plays the named keyframe animations of one model's mesh.
//
// Each frame Update advances time and the current frame; before the mesh is
// drawn SelectPair tells the mesh which pair of keyframes to draw and sets
// interpolant, the blend between them that the shader receives. While a
// looping animation passes its last frame the set draws the mesh's loop pair
// of the animation (last back to first) instead of a frame pair.
//
// Sets are pooled (cAnimationRegistry hands them out); AttachModel gives one
// to a model's mesh and enters it in the list of animated models, DetachModel
// takes it out again. owner is the model component that holds the set, kept
// opaque here.
//
// An animation of no frames (first == last, nothing played yet) is never
// advanced: its range would divide by zero.

#include <cstdint>
#include <string>

#include "engine/resource/AnimationTable.h"

namespace Engine {

class cMesh;

class cModelAnimationSet {
public:
    enum eFlag : uint32_t {
        AF_Loop = 1u << 0,
        AF_FrameAdvanced = 1u << 1,
        AF_Finished = 1u << 2,
        AF_Stopped = 1u << 3,
        AF_LoopPair = 1u << 4,
    };

    static constexpr float kFrameTime = 1.0f / 30.0f;

    virtual ~cModelAnimationSet() = default;

    // Binds the set to a model and its mesh: looping, 30 frames a second, no
    // animation chosen; takes the mesh's animation table when it has at least
    // two loop pairs; enters the list of animated models.
    void AttachModel(const void* owner, cMesh* mesh);
    // Leaves the list of animated models and clears everything; the set is stopped.
    void DetachModel();
    // Adds an animation (a name already present keeps its range); the only entry is played at once.
    void AddAnimation(const std::string& name, uint32_t first, uint32_t last);
    // Starts the named animation from its first frame; false, changing nothing, for an unknown name.
    bool Play(const std::string& name);
    // Advances time and frame by dt seconds.
    void Update(float dt);
    // Computes the interpolant and tells the mesh which pair to draw.
    void SelectPair();

    void SetLooping(bool loop);
    void SetSpeed(float factor) { speed = factor; }

    const AnimationTable& Animations() const { return animations; }
    const std::string& Current() const { return current; }
    uint32_t Frame() const { return frame; }
    uint32_t First() const { return first; }
    uint32_t Last() const { return last; }
    float FrameTime() const { return frameTime; }
    float Time() const { return time; }
    float Speed() const { return speed; }
    uint32_t Flags() const { return flags; }
    bool HasFlag(eFlag flag) const { return (flags & flag) != 0; }
    float Interpolant() const { return interpolant; }
    const void* Owner() const { return owner; }
    cMesh* Mesh() const { return mesh; }

private:
    void Clear();
    // The position of the current animation among the names, in name order.
    uint32_t CurrentPosition() const;

    AnimationTable animations;
    std::string current;
    uint32_t frame = 0;
    uint32_t first = 0;
    uint32_t last = 0;
    float frameTime = kFrameTime;
    float time = 0.0f;
    float speed = 1.0f;
    const void* owner = nullptr;
    cMesh* mesh = nullptr;
    uint32_t flags = AF_Stopped;
    float interpolant = 0.0f;
};

}  // namespace Engine
