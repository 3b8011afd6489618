#include "game/data/cLevelWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>

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

// The kinds a spawner takes as its spawns.
constexpr std::int32_t ENEMY_GROUP[] = {
    Types::BOMB_ENEMY,   Types::WITCH_ENEMY, Types::WITCH_ENEMY2,    Types::WITCH_ENEMY3, Types::TELEPORT_ENEMY,
    Types::DUMB_ENEMY,   Types::DUMB_ENEMY_HP, Types::DUMB_ENEMY_FAST, Types::JACK_IN_BOX, Types::SHIELD_ENEMY,
    Types::SPIKE_TRAP,   Types::STATIC_SPIKE, Types::BOSS_ENEMY,      Types::TRAP_BASIC,  Types::DOOR,
    Types::CHASER_ENEMY, Types::DRAG_ENEMY,
};

bool InEnemyGroup(std::int32_t type) {
    return std::find(std::begin(ENEMY_GROUP), std::end(ENEMY_GROUP), type) != std::end(ENEMY_GROUP);
}

std::string Decimal(float value) {
    char text[64];
    std::snprintf(text, sizeof text, "%f", static_cast<double>(value));
    return text;
}

void SetNumber(tinyxml2::XMLElement* e, const char* name, float value) {
    e->SetAttribute(name, Decimal(value).c_str());
}

void SetPosition(tinyxml2::XMLElement* e, const Engine::Vector3& point) {
    SetNumber(e, "posX", point.x);
    SetNumber(e, "posY", point.y);
    SetNumber(e, "posZ", point.z);
}

void AddCinematic(tinyxml2::XMLElement* parent, const CinematicTarget& shot) {
    tinyxml2::XMLElement* e = parent->InsertNewChildElement("CinematicTarget");
    SetNumber(e, "azimuth", shot.azimuth);
    SetNumber(e, "latitude", shot.latitude);
    SetNumber(e, "distance", shot.distance);
    SetNumber(e, "targetX", shot.target.x);
    SetNumber(e, "targetY", shot.target.y);
    SetNumber(e, "targetZ", shot.target.z);
}

std::string CatalogueId(const LevelObjectValues& values) {
    return values.catalogue_id.empty() ? "noName" : values.catalogue_id;
}

// The values beyond the transform that the loader reads for a kind.
void AddExtras(tinyxml2::XMLElement* e, std::int32_t type, const LevelObjectValues& values) {
    switch (type) {
        case Types::KID:
            for (const Engine::Vector3& point : values.waypoints) {
                SetPosition(e->InsertNewChildElement("waypoint"), point);
            }
            break;
        case Types::TIME_SPAWN_ENEMY:
            SetNumber(e, "TimeInterval", values.time_interval);
            e->SetAttribute("NoOfWaves", values.no_of_waves);
            break;
        case Types::CAMERA_TRIGGER:
        case Types::WIN_POINT:
            if (values.cinematic) AddCinematic(e, *values.cinematic);
            break;
        case Types::RAIN_TRIGGER_ON:
        case Types::FOG_TRIGGER_ON:
            SetNumber(e, "Intensity", values.intensity);
            break;
        case Types::DECORATION:
            e->SetAttribute("id", CatalogueId(values).c_str());
            break;
        case Types::BILLBOARD_OBJ:
            e->SetAttribute("BillboardID", CatalogueId(values).c_str());
            break;
        default:
            break;
    }
}

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

tinyxml2::XMLElement* cLevelWriter::AddObject(const Engine::cEntity& entity, const LevelObjectValues& values) {
    return Append(file.Document().FirstChildElement(), entity, values);
}

tinyxml2::XMLElement* cLevelWriter::AddSpawn(tinyxml2::XMLElement* spawner_element, const Engine::cEntity& spawn,
                                             const LevelObjectValues& values) {
    const std::string spawner = spawner_element != nullptr ? spawner_element->Name() : "missing";
    const bool outer_spawner =
        spawner == "SpawnEnemy" && spawner_element->Parent() == file.Document().FirstChildElement();
    const bool readable = (spawner == "SpawnEnemy" || spawner == "TimeSpawnEnemy") &&
                          (InEnemyGroup(spawn.GetType()) || (outer_spawner && spawn.GetType() == Types::SPAWN_ENEMY));
    if (!readable) {
        Engine::LogError("Level writer: " + spawn.name + " not saved: a " + spawner + " element cannot hold type " +
                         std::to_string(spawn.GetType()));
        return nullptr;
    }
    return Append(spawner_element, spawn, values);
}

tinyxml2::XMLElement* cLevelWriter::Append(tinyxml2::XMLElement* parent, const Engine::cEntity& entity,
                                           const LevelObjectValues& values) {
    const char* name = ElementName(entity.GetType());
    if (name == nullptr) {
        Engine::LogError("Level writer: " + entity.name + " not saved: levels do not store type " +
                         std::to_string(entity.GetType()));
        return nullptr;
    }
    tinyxml2::XMLElement* e = parent->InsertNewChildElement(name);
    SetPosition(e, entity.position);
    SetNumber(e, "scaleX", entity.scale.x);
    SetNumber(e, "scaleY", entity.scale.y);
    SetNumber(e, "scaleZ", entity.scale.z);
    // acos of a w rounded just past 1 would be NaN and spoil the file.
    const float w = std::fmin(1.0f, std::fmax(-1.0f, entity.rotation.w));
    SetNumber(e, "rotation", 2.0f * std::acos(w) * 180.0f / 3.14159265358979f);
    AddExtras(e, entity.GetType(), values);
    return e;
}

void cLevelWriter::AddWaypoint(tinyxml2::XMLElement* kid_element, const Engine::Vector3& point) {
    SetPosition(kid_element->InsertNewChildElement("waypoint"), point);
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
