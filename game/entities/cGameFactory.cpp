#include "game/entities/cGameFactory.h"

#include "engine/core/cLog.h"

namespace Game {

bool cGameFactory::Register() {
    if (IsRegistered()) {
        Engine::LogError("cGameFactory::Register: the entity types are already registered");
        return false;
    }
    SetTypeCount(kEntityTypeCount);
    // Each entity class adds its RegisterType<class>(identifier) here when it
    // is written; none of the table's classes exists yet.
    return true;
}

void cGameFactory::Shutdown() {
    ReleaseAll();
    DestroyFactories();
}

}  // namespace Game
