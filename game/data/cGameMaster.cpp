#include "game/data/cGameMaster.h"

#include <cstdint>
#include <string>

#include "engine/entity/cSceneManager.h"
#include "engine/entity/iBaseEntity.h"
#include "game/entities/eGameEntityTypes.h"

namespace Game {

namespace {

// The entity named name when it has the expected type; a same-named entity of another type is not taken.
Engine::iBaseEntity* FindTyped(const std::string& name, std::int32_t type) {
    Engine::iBaseEntity* entity = Engine::cSceneManager::Instance().FindByName(name);
    return entity != nullptr && entity->GetType() == type ? entity : nullptr;
}

}  // namespace

void cGameMaster::Register() {
    kid = FindTyped("Kid", GAME_ENT_TYPES::KID);
    stroke = FindTyped("Stroke", GAME_ENT_TYPES::STROKE);
    Engine::cSceneManager::Instance().AddListener(this);
}

void cGameMaster::Unregister() {
    kid = nullptr;
    Engine::cSceneManager::Instance().RemoveListener(this);
}

}  // namespace Game
