#include "game/entities/cGameFactory.h"

#include "engine/core/cLog.h"
#include "engine/render/scene/cLightEntity.h"

namespace Game {

bool cGameFactory::Register() {
    if (IsRegistered()) {
        Engine::LogError("cGameFactory::Register: the entity types are already registered");
        return false;
    }
    SetTypeCount(kEntityTypeCount);
    // Each entity class adds its RegisterType<class>(identifier) here when it is written.
    return RegisterType<Engine::cLightEntity>(EntityTypeId::FromValue(Engine::ENGINE_ENT_TYPES::LIGHT_ENTITY));
}

void cGameFactory::Shutdown() {
    ReleaseAll();
    DestroyFactories();
}

}  // namespace Game
