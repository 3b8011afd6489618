#pragma once
// iSceneManagerListener: hears about entities joining and leaving the scene.
// Listeners register with cSceneManager::AddListener, are called in the order
// they registered, and must remove themselves before they are destroyed: the
// manager does not own them.

namespace Engine {

class iBaseEntity;

class iSceneManagerListener {
public:
    virtual ~iSceneManagerListener() = default;

    // After an entity has been appended to the pending list.
    virtual void OnEntityAdded(iBaseEntity* entity) = 0;
    // Before an entity is taken out of the lists (also for one never registered).
    virtual void OnEntityRemoved(iBaseEntity* entity) = 0;
    // Before the admitted entities are dropped by Clear.
    virtual void OnSceneCleared() = 0;
};

}  // namespace Engine
