#include "game/entities/cGameFactory.h"

#include "engine/core/cLog.h"
#include "engine/render/scene/cLightEntity.h"
#include "game/entities/cBillboardObj.h"
#include "game/entities/cBinaryTile.h"
#include "game/entities/cCameraTrigger.h"
#include "game/entities/cChallengePoint.h"
#include "game/entities/cCheckPoint.h"
#include "game/entities/cCollectable.h"
#include "game/entities/cDecoration.h"
#include "game/entities/cDecorationBatches.h"
#include "game/entities/cDestructables.h"
#include "game/entities/cDevCamera.h"
#include "game/entities/cDoor.h"
#include "game/entities/cDumbEnemy.h"
#include "game/entities/cDumbEnemyFast.h"
#include "game/entities/cDumbEnemyHP.h"
#include "game/entities/cFence.h"
#include "game/entities/cFogTriggerOff.h"
#include "game/entities/cFogTriggerOn.h"
#include "game/entities/cGameCamera.h"
#include "game/entities/cGroundPlane.h"
#include "game/entities/cKey.h"
#include "game/entities/cKid.h"
#include "game/entities/cKidKey.h"
#include "game/entities/cLockedDoor.h"
#include "game/entities/cPath.h"
#include "game/entities/cPowerUpEnergy.h"
#include "game/entities/cRainTriggerOff.h"
#include "game/entities/cRainTriggerOn.h"
#include "game/entities/cSampleEntity.h"
#include "game/entities/cSpawnEnemy.h"
#include "game/entities/cStroke.h"
#include "game/entities/cTimeSpawnEnemy.h"
#include "game/entities/cUndestructable.h"
#include "game/entities/cWinPoint.h"

namespace Game {

bool cGameFactory::Register() {
    if (IsRegistered()) {
        Engine::LogError("cGameFactory::Register: the entity types are already registered");
        return false;
    }
    SetTypeCount(kEntityTypeCount);
    // Each entity class adds its RegisterType<class>(identifier) here when it is written.
    bool ok = RegisterType<Engine::cLightEntity>(EntityTypeId::FromValue(Engine::ENGINE_ENT_TYPES::LIGHT_ENTITY));
    ok = RegisterType<cSampleEntity>(GAME_ENT_TYPES::SAMPLE_ENTITY) && ok;
    ok = RegisterType<cDecoration>(GAME_ENT_TYPES::DECORATION) && ok;
    ok = RegisterType<cBillboardObj>(GAME_ENT_TYPES::BILLBOARD_OBJ) && ok;
    ok = RegisterType<cGroundPlane>(GAME_ENT_TYPES::GROUND_PLANE) && ok;
    ok = RegisterType<cBinaryTile>(GAME_ENT_TYPES::BINARY_TILE) && ok;
    ok = RegisterType<cKid>(GAME_ENT_TYPES::KID) && ok;
    ok = RegisterType<cKidKey>(GAME_ENT_TYPES::KID_KEY) && ok;
    ok = RegisterType<cPath>(GAME_ENT_TYPES::PATH) && ok;
    ok = RegisterType<cStroke>(GAME_ENT_TYPES::STROKE) && ok;
    ok = RegisterType<cDumbEnemy>(GAME_ENT_TYPES::DUMB_ENEMY) && ok;
    ok = RegisterType<cDumbEnemyHP>(GAME_ENT_TYPES::DUMB_ENEMY_HP) && ok;
    ok = RegisterType<cDumbEnemyFast>(GAME_ENT_TYPES::DUMB_ENEMY_FAST) && ok;
    ok = RegisterType<cSpawnEnemy>(GAME_ENT_TYPES::SPAWN_ENEMY) && ok;
    ok = RegisterType<cTimeSpawnEnemy>(GAME_ENT_TYPES::TIME_SPAWN_ENEMY) && ok;
    ok = RegisterType<cGameCamera>(GAME_ENT_TYPES::GAME_CAMERA) && ok;
    ok = RegisterType<cDevCamera>(GAME_ENT_TYPES::DEV_CAMERA) && ok;
    ok = RegisterType<cCameraTrigger>(GAME_ENT_TYPES::CAMERA_TRIGGER) && ok;
    ok = RegisterType<cCheckPoint>(GAME_ENT_TYPES::CHECK_POINT) && ok;
    ok = RegisterType<cWinPoint>(GAME_ENT_TYPES::WIN_POINT) && ok;
    ok = RegisterType<cChallengePoint>(GAME_ENT_TYPES::CHALLENGE_POINT) && ok;
    ok = RegisterType<cFogTriggerOff>(GAME_ENT_TYPES::FOG_TRIGGER_OFF) && ok;
    ok = RegisterType<cFogTriggerOn>(GAME_ENT_TYPES::FOG_TRIGGER_ON) && ok;
    ok = RegisterType<cRainTriggerOff>(GAME_ENT_TYPES::RAIN_TRIGGER_OFF) && ok;
    ok = RegisterType<cRainTriggerOn>(GAME_ENT_TYPES::RAIN_TRIGGER_ON) && ok;
    ok = RegisterType<cPowerUpEnergy>(GAME_ENT_TYPES::POWER_UP_ENERGY) && ok;
    ok = RegisterType<cCollectable>(GAME_ENT_TYPES::COLLECTABLE) && ok;
    ok = RegisterType<cKey>(GAME_ENT_TYPES::KEY) && ok;
    ok = RegisterType<cDoor>(GAME_ENT_TYPES::DOOR) && ok;
    ok = RegisterType<cLockedDoor>(GAME_ENT_TYPES::LOCKED_DOOR) && ok;
    ok = RegisterType<cFence>(GAME_ENT_TYPES::FENCE) && ok;
    ok = RegisterType<cDestructables>(GAME_ENT_TYPES::DESTRUCTABLES) && ok;
    ok = RegisterType<cUndestructable>(GAME_ENT_TYPES::UNDESTRUCTABLE) && ok;
    return ok;
}

void cGameFactory::ReleaseAll() {
    GenericFactoryManager::ReleaseAll();
    if (cDecorationBatches::Exists()) cDecorationBatches::Instance().Release();
}

void cGameFactory::Shutdown() {
    ReleaseAll();
    DestroyFactories();
}

}  // namespace Game
