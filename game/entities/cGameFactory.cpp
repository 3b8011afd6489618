#include "game/entities/cGameFactory.h"

#include "engine/core/cLog.h"
#include "engine/render/scene/cLightEntity.h"
#include "game/entities/cGroundPlane.h"

namespace Game {

bool cGameFactory::Register() {
    if (IsRegistered()) {
        Engine::LogError("cGameFactory::Register: the entity types are already registered");
        return false;
    }
    SetTypeCount(kEntityTypeCount);
    // Each entity class adds its RegisterType<class>(identifier) here when it is written.
    bool ok = RegisterType<Engine::cLightEntity>(EntityTypeId::FromValue(Engine::ENGINE_ENT_TYPES::LIGHT_ENTITY));
    ok = RegisterType<cGroundPlane>(GAME_ENT_TYPES::GROUND_PLANE) && ok;
    return ok;
}

void cGameFactory::Shutdown() {
    ReleaseAll();
    DestroyFactories();
}

}  // namespace Game
