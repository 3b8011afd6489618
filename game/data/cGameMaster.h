#pragma once
// cGameMaster: the play run's handle on its two leading entities, the kid and
// the stroke, found by name when a run starts.
//
// The play states call Register when a run starts and Unregister when it ends.
// It listens to the scene manager so that later game rules can react to
// entities coming and going; for now it reacts to none of them.
//
// Until the kid and stroke classes exist the two are held as base entities,
// recognised by their type identifiers; their classes will narrow the getters.

#include "engine/core/Singleton.h"
#include "engine/entity/iSceneManagerListener.h"

namespace Engine {
class iBaseEntity;
}

namespace Game {

class cGameMaster : public Engine::Singleton<cGameMaster>, public Engine::iSceneManagerListener {
public:
    // Finds the entity named "Kid" (if it is a kid) and "Stroke" (if it is a stroke), and starts listening.
    void Register();
    // Forgets the kid and stops listening.
    void Unregister();

    Engine::iBaseEntity* Kid() const { return kid; }
    Engine::iBaseEntity* Stroke() const { return stroke; }

    void OnEntityAdded(Engine::iBaseEntity*) override {}
    void OnEntityRemoved(Engine::iBaseEntity*) override {}
    void OnSceneCleared() override {}

private:
    friend class Engine::Singleton<cGameMaster>;
    cGameMaster() = default;

    Engine::iBaseEntity* kid = nullptr;
    Engine::iBaseEntity* stroke = nullptr;
};

}  // namespace Game
