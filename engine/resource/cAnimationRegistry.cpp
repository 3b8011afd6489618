#include "engine/resource/cAnimationRegistry.h"

#include <algorithm>

namespace Engine {
namespace {

template <typename T>
void AddOnce(std::vector<T*>& list, T* set) {
    if (set != nullptr && std::find(list.begin(), list.end(), set) == list.end()) list.push_back(set);
}

template <typename T>
void Remove(std::vector<T*>& list, T* set) {
    const auto found = std::find(list.begin(), list.end(), set);
    if (found != list.end()) list.erase(found);
}

}  // namespace

cModelAnimationSet* cAnimationRegistry::TakeModelSet() { return model_pool.Take(); }

void cAnimationRegistry::GiveBackModelSet(cModelAnimationSet*& set) {
    if (set == nullptr) return;
    set->DetachModel();
    model_pool.GiveBack(set);
    set = nullptr;
}

cSpriteAnimationSet* cAnimationRegistry::TakeSpriteSet() {
    cSpriteAnimationSet* set = sprite_pool.Take();
    set->Reset();
    return set;
}

void cAnimationRegistry::GiveBackSpriteSet(cSpriteAnimationSet*& set) {
    if (set == nullptr) return;
    set->Reset();
    sprite_pool.GiveBack(set);
    set = nullptr;
}

void cAnimationRegistry::AddModel(cModelAnimationSet* set) { AddOnce(models, set); }

void cAnimationRegistry::AddSprite(cSpriteAnimationSet* set) { AddOnce(sprites, set); }

void cAnimationRegistry::RemoveModel(cModelAnimationSet* set) { Remove(models, set); }

void cAnimationRegistry::RemoveSprite(cSpriteAnimationSet* set) { Remove(sprites, set); }

void cAnimationRegistry::UpdateAnimations(float dt) {
    for (cSpriteAnimationSet* sprite : sprites) sprite->Update(dt);
    for (cModelAnimationSet* model : models) model->Update(dt);
}

}  // namespace Engine
