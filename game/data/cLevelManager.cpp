#include "game/data/cLevelManager.h"

#include <tinyxml2.h>

#include <cmath>

#include "engine/core/Quaternion.h"
#include "engine/core/XmlAttributes.h"
#include "engine/core/cLog.h"
#include "engine/core/cXmlFile.h"
#include "engine/entity/cEntity.h"
#include "game/entities/cGameFactory.h"
#include "game/entities/eGameEntityTypes.h"

namespace Game {

namespace {

namespace Types = GAME_ENT_TYPES;

const char* const DEFAULT_DIRECTORY = "./GameData/Level/";
constexpr float PI = 3.14159265358979f;

// One kind of level element read the plain way: its name, its entity type and
// which of the transform values reach the object.
struct ElementKind {
    const char* name;
    EntityTypeId type;
    bool scale;
    bool rotation;
};

// The enemy group, in the order the loader reads it.
constexpr ElementKind ENEMY_KINDS[] = {
    {"BombEnemy", Types::BOMB_ENEMY, true, true},       {"WitchEnemy", Types::WITCH_ENEMY, true, true},
    {"WitchEnemy2", Types::WITCH_ENEMY2, true, true},   {"WitchEnemy3", Types::WITCH_ENEMY3, true, true},
    {"TeleportEnemy", Types::TELEPORT_ENEMY, true, false}, {"BasicEnemy", Types::DUMB_ENEMY, true, false},
    {"BasicEnemyHP", Types::DUMB_ENEMY_HP, true, false}, {"BasicEnemyFast", Types::DUMB_ENEMY_FAST, true, false},
    {"JackInBox", Types::JACK_IN_BOX, true, true},      {"DollEnemy", Types::SHIELD_ENEMY, true, true},
    {"SpikeTrap", Types::SPIKE_TRAP, false, false},     {"StaticSpikeTrap", Types::STATIC_SPIKE, false, false},
    {"BossEnemy", Types::BOSS_ENEMY, true, true},       {"BasicTrap", Types::TRAP_BASIC, true, true},
    {"Door", Types::DOOR, true, true},                  {"ChaserEnemy", Types::CHASER_ENEMY, false, true},
    {"DragEnemy", Types::DRAG_ENEMY, true, true},
};

// Items and triggers read before the ordered items.
constexpr ElementKind ITEM_KINDS_BEFORE[] = {
    {"HealingLampPost", Types::HEALING_LAMP_POST, true, true}, {"NormalWall", Types::NORMAL_WALL, true, true},
    {"CheckPoint", Types::CHECK_POINT, false, false},           {"ArrowTrap", Types::ARROW_TRAP, true, true},
    {"WinPoint", Types::WIN_POINT, true, true},                 {"ChallengePoint", Types::CHALLENGE_POINT, true, false},
    {"Fence", Types::FENCE, true, false},
};

// Items and triggers read after the ordered items.
constexpr ElementKind ITEM_KINDS_AFTER[] = {
    {"PowerUpEnergy", Types::POWER_UP_ENERGY, true, true},  {"Destructable", Types::DESTRUCTABLES, true, true},
    {"Undestructable", Types::UNDESTRUCTABLE, true, true},  {"RainTriggerOff", Types::RAIN_TRIGGER_OFF, true, false},
    {"RainTriggerOn", Types::RAIN_TRIGGER_ON, true, false}, {"FogTriggerOff", Types::FOG_TRIGGER_OFF, true, false},
    {"FogTriggerOn", Types::FOG_TRIGGER_ON, true, false},
};

// The children of parent named name, in document order.
template <typename Visit>
void ForEachChild(tinyxml2::XMLElement* parent, const char* name, Visit visit) {
    for (tinyxml2::XMLElement* e = parent->FirstChildElement(name); e != nullptr;
         e = e->NextSiblingElement(name)) {
        visit(e);
    }
}

Engine::Vector3 ReadVector(const tinyxml2::XMLElement* e, const char* x, const char* y, const char* z) {
    return {Engine::ReadFloat(e, x, 1.0f), Engine::ReadFloat(e, y, 1.0f), Engine::ReadFloat(e, z, 1.0f)};
}

}  // namespace

std::string cLevelManager::LevelPath(const std::string& name, const std::string& directory) const {
    const std::string folder = directory.empty() ? DEFAULT_DIRECTORY : directory;
    if (editor_play_test) return folder + editor_name + ".xml";
    if (!name.empty()) return folder + name + ".xml";
    return folder + "Level" + std::to_string(current_number) + ".xml";
}

bool cLevelManager::Load(const std::string& name, const std::string& directory) {
    candy_total = 0;
    kid = nullptr;
    stroke = nullptr;
    if (editor_play_test) resume_editor_level = true;
    const std::string path = LevelPath(name, directory);
    Engine::cXmlFile file(path);
    tinyxml2::XMLElement* root = file.IsOpen() ? file.Document().FirstChildElement() : nullptr;
    if (root == nullptr) {
        Engine::LogError("Level: cannot read " + path + "; the game ends");
        current_number = 0;
        checkpoint.Clear();
        request_state(STATE_END);
        return false;
    }
    level_name = editor_play_test ? editor_name : (name.empty() ? "Level" + std::to_string(current_number) : name);
    waypoints.clear();
    decorations.clear();
    level_entities.clear();
    spawners.clear();
    billboards.clear();
    tile_layer = nullptr;
    tile_cells = cTileLayerCells();
    decoration_counter = 0;
    billboard_counter = 0;
    ApplyCheckpointRule();
    CreateStroke();
    ReadRoot(root);
    publish_candy(candy_total);
    return true;
}

void cLevelManager::CreateStroke() {
    cGameFactory& factory = cGameFactory::Instance();
    if (factory.GetFactory(Types::STROKE) == nullptr) {
        Engine::LogError("Level: no stroke: no entity class for type " + std::to_string(Types::STROKE));
        return;
    }
    stroke = factory.Create(Types::STROKE);
    if (auto* entity = dynamic_cast<Engine::cEntity*>(stroke)) entity->Init("Stroke");
}

void cLevelManager::ApplyCheckpointRule() {
    const int state = current_state();
    const bool other_level = loaded_number != static_cast<std::uint32_t>(current_number);
    if ((other_level && state != STATE_SCENE_EDITOR) || state == STATE_MAIN_MENU || state == STATE_RESULTS) {
        checkpoint.Clear();
        loaded_number = static_cast<std::uint32_t>(current_number);
    }
}

void cLevelManager::ReadRoot(tinyxml2::XMLElement* root) {
    ReadKid(root);
    ReadEnemies(root);
    ReadSpawners(root);
    ReadAmbientLight(root);
    ReadDecorations(root);
    ReadBillboards(root);
    ReadItems(root);
    ReadTileLayers(root);
}

void cLevelManager::ReadKid(tinyxml2::XMLElement* root) {
    tinyxml2::XMLElement* element = root->FirstChildElement("Kid");
    if (element == nullptr) return;
    kid = PlaceLevelEntity(element, Types::KID, true, false);
    if (kid != nullptr && checkpoint.has_checkpoint) {
        if (auto* entity = dynamic_cast<Engine::cEntity*>(kid)) entity->SetPosition(checkpoint.position);
    }
    ForEachChild(element, "waypoint", [this](tinyxml2::XMLElement* point) {
        waypoints.push_back(ReadVector(point, "posX", "posY", "posZ"));
    });
}

void cLevelManager::ReadEnemies(tinyxml2::XMLElement* root) {
    for (const ElementKind& kind : ENEMY_KINDS) {
        ForEachChild(root, kind.name, [&](tinyxml2::XMLElement* e) {
            PlaceLevelEntity(e, kind.type, kind.scale, kind.rotation);
        });
    }
}

void cLevelManager::ReadSpawners(tinyxml2::XMLElement* root) {
    const auto read = [&](const char* name, EntityTypeId type, bool use_scale) {
        ForEachChild(root, name, [&](tinyxml2::XMLElement* e) {
            Entity* spawner = PlaceLevelEntity(e, type, use_scale, false);
            if (spawner != nullptr) spawners.push_back(spawner);
        });
    };
    read("SpawnEnemy", Types::SPAWN_ENEMY, true);
    read("TimeSpawnEnemy", Types::TIME_SPAWN_ENEMY, false);
    ForEachChild(root, "CameraTrigger", [&](tinyxml2::XMLElement* e) {
        PlaceLevelEntity(e, Types::CAMERA_TRIGGER, true, false);
    });
}

void cLevelManager::ReadAmbientLight(tinyxml2::XMLElement* root) {
    tinyxml2::XMLElement* e = root->FirstChildElement("GlobalAmbientLight");
    ambient = {1.0f, 1.0f, 1.0f, 1.0f};
    if (e == nullptr) return;
    ambient = {Engine::ReadFloat(e, "Red", 1.0f), Engine::ReadFloat(e, "Green", 1.0f),
               Engine::ReadFloat(e, "Blue", 1.0f), Engine::ReadFloat(e, "Alpha", 1.0f)};
}

void cLevelManager::ReadDecorations(tinyxml2::XMLElement* root) {
    ForEachChild(root, "Decoration", [&](tinyxml2::XMLElement* e) {
        const std::string id = Engine::ReadString(e, "id", "noName");
        const std::string entity_name = "Deco_" + id + std::to_string(decoration_counter++);
        Entity* decoration = Place(e, Types::DECORATION, entity_name, true, true);
        if (decoration != nullptr) decorations.emplace_back(id, decoration);
    });
}

void cLevelManager::ReadBillboards(tinyxml2::XMLElement* root) {
    ForEachChild(root, "Billboard", [&](tinyxml2::XMLElement* e) {
        const std::string id = Engine::ReadString(e, "BillboardID", "noName");
        billboard_counter += 1;
        const std::string entity_name = id + std::to_string(billboard_counter);
        billboard_counter += 1;
        Entity* billboard = Place(e, Types::BILLBOARD_OBJ, entity_name, false, false);
        if (billboard != nullptr) billboards.emplace_back(id, billboard);
    });
}

void cLevelManager::ReadItems(tinyxml2::XMLElement* root) {
    for (const ElementKind& kind : ITEM_KINDS_BEFORE) {
        ForEachChild(root, kind.name, [&](tinyxml2::XMLElement* e) {
            PlaceLevelEntity(e, kind.type, kind.scale, kind.rotation);
        });
    }
    ReadOrdered(root, "LockedDoor", Types::LOCKED_DOOR, checkpoint.opened_doors);
    ReadOrdered(root, "Key", Types::KEY, checkpoint.taken_keys);
    ForEachChild(root, "Collectable", [this](tinyxml2::XMLElement*) { ++candy_total; });
    ReadOrdered(root, "Collectable", Types::COLLECTABLE, checkpoint.collected_candy);
    for (const ElementKind& kind : ITEM_KINDS_AFTER) {
        ForEachChild(root, kind.name, [&](tinyxml2::XMLElement* e) {
            PlaceLevelEntity(e, kind.type, kind.scale, kind.rotation);
        });
    }
}

void cLevelManager::ReadOrdered(tinyxml2::XMLElement* root, const char* element_name, EntityTypeId type,
                                const std::vector<unsigned>& used) {
    unsigned ordinal = 0;
    ForEachChild(root, element_name, [&](tinyxml2::XMLElement* e) {
        if (!cCheckpointRecord::Holds(used, ordinal)) PlaceLevelEntity(e, type, true, true);
        ++ordinal;
    });
}

void cLevelManager::ReadTileLayers(tinyxml2::XMLElement* root) {
    for (tinyxml2::XMLElement* e = root->FirstChildElement("BinaryMapLayer"); e != nullptr;
         e = e->NextSiblingElement("BinaryMapLayer")) {
        const char* text = e->GetText();
        if (text == nullptr) return;
        tile_cells = cTileLayerCells(Engine::ReadInt(e, "width", 1), Engine::ReadInt(e, "height", 1),
                                     Engine::ReadFloat(e, "minX", 0.0f), Engine::ReadFloat(e, "minZ", 0.0f),
                                     Engine::ReadFloat(e, "yPos", 0.0f), text);
        Entity* layer = Place(e, Types::BINARY_TILE, "BinaryTile", false, false);
        if (layer != nullptr) tile_layer = layer;
    }
}

cLevelManager::Entity* cLevelManager::Place(tinyxml2::XMLElement* element, EntityTypeId type,
                                            const std::string& entity_name, bool use_scale, bool use_rotation) {
    cGameFactory& factory = cGameFactory::Instance();
    if (factory.GetFactory(type) == nullptr) {
        Engine::LogError(std::string("Level: ") + element->Name() + " skipped: no entity class for type " +
                         std::to_string(type));
        return nullptr;
    }
    Entity* created = factory.Create(type);
    auto* entity = dynamic_cast<Engine::cEntity*>(created);
    if (entity == nullptr) return created;
    entity->Init(entity_name);
    entity->position = ReadVector(element, "posX", "posY", "posZ");
    if (use_scale) entity->scale = ReadVector(element, "scaleX", "scaleY", "scaleZ");
    if (use_rotation) {
        const float degrees = Engine::ReadFloat(element, "rotation", 0.0f);
        entity->rotation = Engine::Quaternion::FromAxisAngle({0.0f, 1.0f, 0.0f}, degrees * PI / 180.0f);
    }
    entity->RebuildWorld();
    return created;
}

cLevelManager::Entity* cLevelManager::PlaceLevelEntity(tinyxml2::XMLElement* element, EntityTypeId type,
                                                       bool use_scale, bool use_rotation) {
    Entity* created = Place(element, type, element->Name(), use_scale, use_rotation);
    if (created != nullptr) level_entities.push_back(created);
    return created;
}

}  // namespace Game
