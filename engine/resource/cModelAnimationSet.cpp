#include "engine/resource/cModelAnimationSet.h"

#include <iterator>

#include "engine/resource/cAnimationRegistry.h"
#include "engine/resource/cMesh.h"

namespace Engine {

void cModelAnimationSet::AttachModel(const void* model, cMesh* model_mesh) {
    Clear();
    owner = model;
    mesh = model_mesh;
    flags = AF_Loop;
    frameTime = kFrameTime;
    speed = 1.0f;
    if (mesh != nullptr) {
        if (mesh->LoopPairs().size() >= 2) animations = mesh->Animations();
        mesh->SetPairIndex(0);
        mesh->SetUseLoopPair(false);
    }
    cAnimationRegistry::Instance().AddModel(this);
}

void cModelAnimationSet::DetachModel() {
    cAnimationRegistry::Instance().RemoveModel(this);
    Clear();
    flags = AF_Stopped;
}

void cModelAnimationSet::AddAnimation(const std::string& name, uint32_t first_frame, uint32_t last_frame) {
    animations.try_emplace(name, AnimationRange{first_frame, last_frame});
    if (animations.size() == 1) Play(animations.begin()->first);
}

bool cModelAnimationSet::Play(const std::string& name) {
    const auto entry = animations.find(name);
    if (entry == animations.end()) return false;
    current = name;
    first = entry->second.first;
    last = entry->second.last;
    time = 0.0f;
    frame = first;
    flags &= ~AF_FrameAdvanced;
    return true;
}

void cModelAnimationSet::Update(float dt) {
    if (flags & (AF_Finished | AF_Stopped)) return;
    if (last == first || !(frameTime > 0.0f)) return;
    time += dt * speed;
    flags &= ~AF_FrameAdvanced;
    if (!(time > frameTime)) return;
    const auto passed = static_cast<uint32_t>(time / frameTime);
    frame += passed;
    time -= float(passed) * frameTime;
    if (flags & AF_Loop) {
        if (frame >= last) {
            const uint32_t k = (frame - first) % (last - first);
            if (k != 0) {
                frame = first + k - 1;
                flags &= ~AF_LoopPair;
            } else {
                flags |= AF_LoopPair;
            }
        }
        flags |= AF_FrameAdvanced;
        return;
    }
    if (frame >= last) {
        time = 0.0f;
        flags |= AF_Finished;
        flags &= ~AF_Stopped;
        frame = last;
    }
    flags &= ~AF_LoopPair;
}

void cModelAnimationSet::SelectPair() {
    interpolant = frameTime > 0.0f ? time / frameTime : 0.0f;
    if (mesh == nullptr) return;
    const bool loop_pair = (flags & AF_LoopPair) != 0;
    mesh->SetPairIndex(loop_pair ? CurrentPosition() : frame);
    mesh->SetUseLoopPair(loop_pair);
}

void cModelAnimationSet::SetLooping(bool loop) {
    if (loop) {
        flags |= AF_Loop;
    } else {
        flags &= ~AF_Loop;
    }
}

void cModelAnimationSet::Clear() {
    animations.clear();
    current.clear();
    frame = first = last = 0;
    frameTime = 0.0f;
    time = 0.0f;
    speed = 0.0f;
    owner = nullptr;
    mesh = nullptr;
    flags = 0;
    interpolant = 0.0f;
}

uint32_t cModelAnimationSet::CurrentPosition() const {
    return static_cast<uint32_t>(std::distance(animations.begin(), animations.find(current)));
}

}  // namespace Engine
