#include "engine/entity/cSceneManager.h"

#include <algorithm>  // std::find for the first occurrence

#include "engine/entity/cEntity.h"
#include "engine/entity/iCameraEntity.h"
#include "engine/entity/iSceneManagerListener.h"

namespace Engine {

namespace {

// Erases the first occurrence of value, keeping the order of the rest.
template <typename T>
bool EraseFirst(std::vector<T>& list, const T& value) {
    auto found = std::find(list.begin(), list.end(), value);
    if (found == list.end()) return false;
    list.erase(found);
    return true;
}

}  // namespace

void cSceneManager::Add(cEntity* entity) {
    pending.PushBack(entity);
    // By index: a listener may register or remove listeners while being told.
    for (std::size_t i = 0; i < listeners.size(); ++i) listeners[i]->OnEntityAdded(entity);
}

void cSceneManager::Remove(cEntity* entity) {
    for (std::size_t i = 0; i < listeners.size(); ++i) listeners[i]->OnEntityRemoved(entity);
    for (std::size_t i = 0; i < pending.Size(); ++i) {
        if (pending[i] == entity) {
            pending.Erase(i);
            return;
        }
    }
    EraseFirst(entities, entity);
}

void cSceneManager::AddCamera(iCameraEntity* camera) { cameras.push_back(camera); }

void cSceneManager::RemoveCamera(iCameraEntity* camera) { EraseFirst(cameras, camera); }

void cSceneManager::AddListener(iSceneManagerListener* listener) { listeners.push_back(listener); }

void cSceneManager::RemoveListener(iSceneManagerListener* listener) { EraseFirst(listeners, listener); }

iBaseEntity* cSceneManager::FindByName(const std::string& name) const {
    for (std::size_t i = 0; i < pending.Size(); ++i) {
        if (pending[i]->name == name) return pending[i];
    }
    for (cEntity* entity : entities) {
        if (entity->name == name) return entity;
    }
    return nullptr;
}

void cSceneManager::Update(float dt) {
    Flush();
    // By index and re-reading the size: an entity must not leave the list
    // during the walk, but if one does the walk stays in bounds.
    for (std::size_t i = 0; i < entities.size(); ++i) entities[i]->Update(dt);
    for (std::size_t i = 0; i < cameras.size(); ++i) cameras[i]->Update(dt);
    // Only those that registered during the two walks above; anything that
    // registers from here on is stepped after the next Flush.
    const std::size_t newcomers = pending.Size();
    for (std::size_t i = 0; i < newcomers && i < pending.Size(); ++i) pending[i]->Update(dt);
}

void cSceneManager::Flush() {
    while (!pending.Empty()) {
        entities.push_back(pending.Front());
        pending.PopFront();
    }
}

void cSceneManager::Clear() {
    for (std::size_t i = 0; i < listeners.size(); ++i) listeners[i]->OnSceneCleared();
    entities.clear();
}

}  // namespace Engine
