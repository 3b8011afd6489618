#pragma once
// cSceneManager: the process-wide registry of live entities and cameras.
// Entities register in Init and leave in Reset; once per frame the current
// game state calls Update, which steps every entity and then every camera.
// Registration during an update goes to the pending list: pending entities
// are stepped in the same update but join the main list only at the next
// Flush, so the main list never changes while it is walked. Listeners hear
// about additions, removals and clears, in the order they registered.
//
// The lists hold cEntity pointers because the per-frame step is cEntity's
// Update; nothing here owns an entity, a camera or a listener.

#include <string>
#include <vector>

#include "engine/core/Singleton.h"
#include "engine/entity/RingDeque.h"

namespace Engine {

class cEntity;
class iBaseEntity;
class iCameraEntity;
class iSceneManagerListener;

class cSceneManager : public Singleton<cSceneManager> {
    friend class Singleton<cSceneManager>;

public:
    // Appends the entity to pending, then tells every listener.
    void Add(cEntity* entity);
    // Tells every listener, then takes the entity out of pending or, failing
    // that, its first place in the admitted entities; unknown entities are ignored.
    void Remove(cEntity* entity);

    // Appends a camera to the cameras stepped after the entities.
    void AddCamera(iCameraEntity* camera);
    // Removes the camera's first occurrence, keeping the order of the rest.
    void RemoveCamera(iCameraEntity* camera);

    // Appends a listener.
    void AddListener(iSceneManagerListener* listener);
    // Removes the listener's first occurrence, keeping the order of the rest.
    void RemoveListener(iSceneManagerListener* listener);

    // The first entity named exactly name, pending ones first; null if none.
    iBaseEntity* FindByName(const std::string& name) const;

    // Flush, step every admitted entity, every camera, then every entity that
    // registered during those steps (those stay pending until the next Flush).
    void Update(float dt);
    // Admits the pending entities in the order they registered.
    void Flush();
    // Tells the listeners, then forgets the admitted entities without
    // resetting them; pending entities and cameras stay.
    void Clear();

    // The admitted entities in order of admission, for whole-scene queries.
    const std::vector<cEntity*>& GetEntities() const { return entities; }
    // The entities registered since the last flush, first registered first.
    const RingDeque<cEntity*>& GetPending() const { return pending; }
    // The registered cameras in order of registration.
    const std::vector<iCameraEntity*>& GetCameras() const { return cameras; }

private:
    cSceneManager() = default;

    std::vector<cEntity*> entities;
    RingDeque<cEntity*> pending;
    std::vector<iCameraEntity*> cameras;
    std::vector<iSceneManagerListener*> listeners;
};

}  // namespace Engine
