#pragma once
// eGameEntityTypes: the game's entity type identifiers, continuing after the
// engine's own (camera 0, light 1). Each identifier is the index of its class's
// pool in the game factory and the key of the game's model table. A few
// identifiers have no class: 10, 52 and 54 are unused or name only models
// (52 the "Swat" model, 54 the "Hammer" model), 22 and 37 are level element
// kinds without a class ("HealingLampPost", "NormalWall"), and 36 is kept for
// the target box, which the factory does not make.

#include <cstdint>

#include "engine/entity/InheritedEnum.h"
#include "engine/entity/eEngineEntityTypes.h"

namespace Game::GAME_ENT_TYPES {

enum eGameEntityTypes : std::int32_t {
    SAMPLE_ENTITY = Engine::ENGINE_ENT_TYPES::ENGINE_ENT_TYPES_END,  // 2, cSampleEntity
    KID,                // 3, cKid
    KID_KEY,            // 4, cKidKey
    GAME_CAMERA,        // 5, cGameCamera
    DEV_CAMERA,         // 6, cDevCamera
    PATH,               // 7, cPath
    STROKE,             // 8, cStroke
    DECORATION,         // 9, cDecoration
    UNUSED_10,          // 10, no class
    BILLBOARD_OBJ,      // 11, cBillboardObj
    WAY_POINT,          // 12, cWayPoint
    DUMB_ENEMY,         // 13, cDumbEnemy
    DUMB_ENEMY_HP,      // 14, cDumbEnemyHP
    DUMB_ENEMY_FAST,    // 15, cDumbEnemyFast
    TRAP_BASIC,         // 16, cTrapBasic
    TRAP_SLOW,          // 17, cTrapSlow
    PROJECTILE,         // 18, cProjectile
    SHIELD_ENEMY,       // 19, cShieldEnemy
    BOMB_ENEMY,         // 20, cBombEnemy
    TELEPORT_ENEMY,     // 21, cTeleportEnemy
    HEALING_LAMP_POST,  // 22, no class
    JACK_IN_BOX,        // 23, cJackInBox
    WITCH_ENEMY,        // 24, cWitchEnemy
    WITCH_ENEMY2,       // 25, cWitchEnemy2
    WITCH_ENEMY3,       // 26, cWitchEnemy3
    CHASER_ENEMY,       // 27, cChaserEnemy
    HOVER_ENEMY,        // 28, cHoverEnemy
    DRAG_ENEMY,         // 29, cDragEnemy
    SPAWN_ENEMY,        // 30, cSpawnEnemy
    TIME_SPAWN_ENEMY,   // 31, cTimeSpawnEnemy
    POWER_UP_ENERGY,    // 32, cPowerUpEnergy
    COLLECTABLE,        // 33, cCollectable
    KEY,                // 34, cKey
    GROUND_PLANE,       // 35, cGroundPlane
    TARGET_BOX,         // 36, no factory class
    NORMAL_WALL,        // 37, no class
    BINARY_TILE,        // 38, cBinaryTile
    DOOR,               // 39, cDoor
    LOCKED_DOOR,        // 40, cLockedDoor
    WIN_POINT,          // 41, cWinPoint
    CHALLENGE_POINT,    // 42, cChallengePoint
    CAMERA_TRIGGER,     // 43, cCameraTrigger
    FENCE,              // 44, cFence
    DESTRUCTABLES,      // 45, cDestructables
    UNDESTRUCTABLE,     // 46, cUndestructable
    SPIKE_TRAP,         // 47, cSpikeTrap
    CHECK_POINT,        // 48, cCheckPoint
    ARROW_TRAP,         // 49, cArrowTrap
    STATIC_SPIKE,       // 50, cStaticSpike
    BOSS_ENEMY,         // 51, cBossEnemy
    SWAT,               // 52, no class
    WEAPON_ENEMY,       // 53, cWeaponEnemy
    HAMMER,             // 54, no class
    FOG_TRIGGER_OFF,    // 55, cFogTriggerOff
    FOG_TRIGGER_ON,     // 56, cFogTriggerOn
    RAIN_TRIGGER_OFF,   // 57, cRainTriggerOff
    RAIN_TRIGGER_ON,    // 58, cRainTriggerOn
    CUTSCENE_TRIGGER,   // 59, cCutsceneTrigger
    HEALTH_ICON,        // 60, cHealthIcon
    GAME_ENT_TYPES_END  // 61, the size of the table
};

static_assert(KID == 3 && DUMB_ENEMY == 13 && TARGET_BOX == 36 && BOSS_ENEMY == 51 && HEALTH_ICON == 60,
              "identifiers must keep their fixed values: level files and the model table use them");

}  // namespace Game::GAME_ENT_TYPES

namespace Game {

// The whole identifier space: engine types first, then the game's.
using EntityTypeId =
    Engine::InheritedEnum<GAME_ENT_TYPES::eGameEntityTypes, Engine::ENGINE_ENT_TYPES::eEngineEntityTypes>;

// Number of slots of the game's entity type table.
inline constexpr std::int32_t kEntityTypeCount = GAME_ENT_TYPES::GAME_ENT_TYPES_END;

}  // namespace Game
