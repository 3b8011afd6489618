#include "game/data/cLevelWriter.h"

#include <cmath>
#include <cstdio>

#include "engine/core/cLog.h"
#include "engine/entity/cEntity.h"
#include "game/entities/eGameEntityTypes.h"

namespace Game {

namespace {

namespace Types = GAME_ENT_TYPES;

const char* const START_TEXT =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<LevelRoot>\n"
    "<GlobalAmbientLight Red=\"0.2f\" Green=\"0.3f\" Blue=\"0.5f\" Alpha=\"0.1f\"/>\n</LevelRoot>";

struct TypeName {
    std::int32_t type;
    const char* name;
};

constexpr TypeName ELEMENT_NAMES[] = {
    {Types::KID, "Kid"}, {Types::DECORATION, "Decoration"}, {Types::BILLBOARD_OBJ, "Billboard"},
    {Types::DUMB_ENEMY, "BasicEnemy"}, {Types::DUMB_ENEMY_HP, "BasicEnemyHP"},
    {Types::DUMB_ENEMY_FAST, "BasicEnemyFast"}, {Types::TRAP_BASIC, "BasicTrap"}, {Types::SHIELD_ENEMY, "DollEnemy"},
    {Types::BOMB_ENEMY, "BombEnemy"}, {Types::TELEPORT_ENEMY, "TeleportEnemy"}, {Types::JACK_IN_BOX, "JackInBox"},
    {Types::WITCH_ENEMY, "WitchEnemy"}, {Types::WITCH_ENEMY2, "WitchEnemy2"}, {Types::WITCH_ENEMY3, "WitchEnemy3"},
    {Types::CHASER_ENEMY, "ChaserEnemy"}, {Types::DRAG_ENEMY, "DragEnemy"}, {Types::SPAWN_ENEMY, "SpawnEnemy"},
    {Types::TIME_SPAWN_ENEMY, "TimeSpawnEnemy"}, {Types::POWER_UP_ENERGY, "PowerUpEnergy"},
    {Types::COLLECTABLE, "Collectable"}, {Types::KEY, "Key"}, {Types::DOOR, "Door"}, {Types::LOCKED_DOOR, "LockedDoor"},
    {Types::WIN_POINT, "WinPoint"}, {Types::CHALLENGE_POINT, "ChallengePoint"},
    {Types::CAMERA_TRIGGER, "CameraTrigger"}, {Types::FENCE, "Fence"}, {Types::DESTRUCTABLES, "Destructable"},
    {Types::UNDESTRUCTABLE, "Undestructable"}, {Types::SPIKE_TRAP, "SpikeTrap"}, {Types::CHECK_POINT, "CheckPoint"},
    {Types::ARROW_TRAP, "ArrowTrap"}, {Types::STATIC_SPIKE, "StaticSpikeTrap"}, {Types::BOSS_ENEMY, "BossEnemy"},
    {Types::FOG_TRIGGER_OFF, "FogTriggerOff"}, {Types::FOG_TRIGGER_ON, "FogTriggerOn"},
    {Types::RAIN_TRIGGER_OFF, "RainTriggerOff"}, {Types::RAIN_TRIGGER_ON, "RainTriggerOn"},
};

std::string Decimal(float value) {
    char text[64];
    std::snprintf(text, sizeof text, "%f", static_cast<double>(value));
    return text;
}

void SetNumber(tinyxml2::XMLElement* e, const char* name, float value) { e->SetAttribute(name, Decimal(value).c_str()); }

}  // namespace

cLevelWriter::cLevelWriter(const std::string& path) : file(Engine::cXmlFile::CreateEmpty(path)) {
    file.Document().Parse(START_TEXT);
}

const char* cLevelWriter::ElementName(std::int32_t type) {
    for (const TypeName& entry : ELEMENT_NAMES) {
        if (entry.type == type) return entry.name;
    }
    return nullptr;
}

tinyxml2::XMLElement* cLevelWriter::AddObject(const Engine::cEntity& entity) {
    const char* name = ElementName(entity.GetType());
    if (name == nullptr) {
        Engine::LogError("Level writer: " + entity.name + " not saved: levels do not store type " +
                         std::to_string(entity.GetType()));
        return nullptr;
    }
    tinyxml2::XMLElement* e = file.Document().FirstChildElement()->InsertNewChildElement(name);
    SetNumber(e, "posX", entity.position.x);
    SetNumber(e, "posY", entity.position.y);
    SetNumber(e, "posZ", entity.position.z);
    SetNumber(e, "scaleX", entity.scale.x);
    SetNumber(e, "scaleY", entity.scale.y);
    SetNumber(e, "scaleZ", entity.scale.z);
    // acos of a w rounded just past 1 would be NaN and spoil the file.
    const float w = std::fmin(1.0f, std::fmax(-1.0f, entity.rotation.w));
    SetNumber(e, "rotation", 2.0f * std::acos(w) * 180.0f / 3.14159265358979f);
    return e;
}

void cLevelWriter::AddWaypoint(tinyxml2::XMLElement* kid_element, const Engine::Vector3& point) {
    tinyxml2::XMLElement* e = kid_element->InsertNewChildElement("waypoint");
    SetNumber(e, "posX", point.x);
    SetNumber(e, "posY", point.y);
    SetNumber(e, "posZ", point.z);
}

void cLevelWriter::AddTileLayer(const cTileLayerCells& cells) {
    tinyxml2::XMLElement* e = file.Document().FirstChildElement()->InsertNewChildElement("BinaryMapLayer");
    e->SetAttribute("width", cells.Width());
    e->SetAttribute("height", cells.Height());
    SetNumber(e, "minX", cells.MinX());
    SetNumber(e, "minZ", cells.MinZ());
    SetNumber(e, "yPos", cells.YPos());
    e->SetText(cells.Text().c_str());
}

bool cLevelWriter::Save() { return file.Save(); }

}  // namespace Game
