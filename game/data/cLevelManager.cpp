#include "game/data/cLevelManager.h"

#include <tinyxml2.h>

#include <cstring>
#include <iterator>

#include "engine/core/ColorRGBA.h"
#include "engine/core/Quaternion.h"
#include "engine/core/XmlAttributes.h"
#include "engine/core/cLog.h"
#include "engine/core/cXmlFile.h"
#include "engine/entity/cEntity.h"
#include "engine/render/scene/cLightManager.h"
#include "engine/render/scene/cLightPool.h"
#include "game/entities/cGameFactory.h"
#include "game/entities/eGameEntityTypes.h"
#include "game/entities/iLevelObject.h"
#include "game/entities/iLevelSpawner.h"

namespace Game {

namespace {

namespace Types = GAME_ENT_TYPES;

const char* const DEFAULT_DIRECTORY = "./GameData/Level/";
const char* const DIRECTIONAL_LIGHT = "gDirectional";
constexpr float PI = 3.14159265358979f;
constexpr Engine::ColorRGBA DIRECTIONAL_DIFFUSE{0.071f, 0.065f, 0.057f, 1.0f};

}  // namespace

// The enemy group, in the order the loader reads it; spawners take these as their spawns.
constexpr cLevelManager::ElementKind ENEMY_KINDS[] = {
    {"BombEnemy", Types::BOMB_ENEMY, {true, true, true}, cLevelManager::KID_AND_STROKE},
    {"WitchEnemy", Types::WITCH_ENEMY, {true, true, true}, cLevelManager::KID_AND_STROKE},
    {"WitchEnemy2", Types::WITCH_ENEMY2, {true, true, true}, cLevelManager::KID_AND_STROKE},
    {"WitchEnemy3", Types::WITCH_ENEMY3, {true, true, true}, cLevelManager::KID_AND_STROKE},
    {"TeleportEnemy", Types::TELEPORT_ENEMY, {true, true, false}, cLevelManager::KID_AND_STROKE},
    {"BasicEnemy", Types::DUMB_ENEMY, {true, true, false}, cLevelManager::KID_AND_STROKE},
    {"BasicEnemyHP", Types::DUMB_ENEMY_HP, {true, true, false}, cLevelManager::KID_AND_STROKE},
    {"BasicEnemyFast", Types::DUMB_ENEMY_FAST, {true, true, false}, cLevelManager::KID_AND_STROKE},
    {"JackInBox", Types::JACK_IN_BOX, {true, true, true}, cLevelManager::KID_AND_STROKE},
    {"DollEnemy", Types::SHIELD_ENEMY, {true, true, true}, cLevelManager::KID_AND_STROKE},
    {"SpikeTrap", Types::SPIKE_TRAP, {true, false, false}, cLevelManager::KID_AND_STROKE},
    {"StaticSpikeTrap", Types::STATIC_SPIKE, {true, false, false}, cLevelManager::KID_AND_STROKE},
    {"BossEnemy", Types::BOSS_ENEMY, {true, true, true}, cLevelManager::KID_AND_STROKE},
    {"BasicTrap", Types::TRAP_BASIC, {true, true, true}, cLevelManager::KID_AND_STROKE},
    {"Door", Types::DOOR, {true, true, true}, cLevelManager::KID_AND_STROKE},
    {"ChaserEnemy", Types::CHASER_ENEMY, {true, false, true}, cLevelManager::KID_AND_STROKE},
    {"DragEnemy", Types::DRAG_ENEMY, {true, true, true}, cLevelManager::KID_AND_STROKE},
};

// Items and triggers read before the ordered items.
constexpr cLevelManager::ElementKind ITEM_KINDS_BEFORE[] = {
    {"HealingLampPost", Types::HEALING_LAMP_POST, {true, true, true}, 0},
    {"NormalWall", Types::NORMAL_WALL, {true, true, true}, 0},
    {"CheckPoint", Types::CHECK_POINT, {true, false, false}, 0},
    {"ArrowTrap", Types::ARROW_TRAP, {true, true, true}, 0},
    {"WinPoint", Types::WIN_POINT, {true, true, true}, cLevelManager::CINEMATIC | cLevelManager::GAME_CAMERA},
    {"ChallengePoint", Types::CHALLENGE_POINT, {true, true, false}, 0},
    {"Fence", Types::FENCE, {true, true, false}, 0},
};

// Items and triggers read after the ordered items.
constexpr cLevelManager::ElementKind ITEM_KINDS_AFTER[] = {
    {"PowerUpEnergy", Types::POWER_UP_ENERGY, {true, true, true}, 0},
    {"Destructable", Types::DESTRUCTABLES, {true, true, true}, cLevelManager::KID_AND_STROKE},
    {"Undestructable", Types::UNDESTRUCTABLE, {true, true, true}, cLevelManager::KID_AND_STROKE},
    {"RainTriggerOff", Types::RAIN_TRIGGER_OFF, {true, true, false}, 0},
    {"RainTriggerOn", Types::RAIN_TRIGGER_ON, {true, true, false}, cLevelManager::INTENSITY},
    {"FogTriggerOff", Types::FOG_TRIGGER_OFF, {true, true, false}, 0},
    {"FogTriggerOn", Types::FOG_TRIGGER_ON, {true, true, false}, cLevelManager::INTENSITY},
};

namespace {

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

// The enemy-group row for an element name, or null.
const cLevelManager::ElementKind* EnemyKind(const char* name) {
    for (const cLevelManager::ElementKind& kind : ENEMY_KINDS) {
        if (std::strcmp(kind.name, name) == 0) return &kind;
    }
    return nullptr;
}

CinematicTarget ReadCinematic(const tinyxml2::XMLElement* e) {
    CinematicTarget shot;
    shot.azimuth = Engine::ReadFloat(e, "azimuth", 1.0f);
    shot.latitude = Engine::ReadFloat(e, "latitude", 1.0f);
    shot.distance = Engine::ReadFloat(e, "distance", 1.0f);
    shot.target = ReadVector(e, "targetX", "targetY", "targetZ");
    return shot;
}

// Top-level elements after root that carry its name.
int RepeatedRoots(const tinyxml2::XMLElement* root) {
    int count = 0;
    for (const tinyxml2::XMLElement* e = root->NextSiblingElement(root->Name()); e != nullptr;
         e = e->NextSiblingElement(root->Name())) {
        ++count;
    }
    return count;
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
    // Menu and results backdrops are loaded by name; only the game's own run
    // of numbered levels ends when a file is missing.
    const bool numbered = !editor_play_test && name.empty();
    // The scene editor opens levels still being built, kid or not.
    const bool playable = (editor_play_test || name.empty()) && current_state() != STATE_SCENE_EDITOR;
    const std::string path = LevelPath(name, directory);
    Engine::cXmlFile file(path);
    tinyxml2::XMLElement* root = file.IsOpen() ? file.Document().FirstChildElement() : nullptr;
    // The lists point at the previous level's entities, which are gone by now.
    ClearLists();
    if (root == nullptr) return Fail("cannot read " + path, numbered);
    if (playable && root->FirstChildElement("Kid") == nullptr) {
        return Fail(path + " has no Kid; the level cannot be played", false);
    }
    if (const int repeated = RepeatedRoots(root); repeated > 0) {
        Engine::LogError("Level: " + path + " repeats its root element " + std::to_string(repeated) +
                         " time(s); only the first is read");
    }
    level_name = editor_play_test ? editor_name : (name.empty() ? "Level" + std::to_string(current_number) : name);
    ApplyCheckpointRule();
    CreateStroke();
    ReadRoot(root);
    publish_candy(candy_total);
    return true;
}

bool cLevelManager::Fail(const std::string& why, bool numbered) {
    if (!numbered) {
        Engine::LogError("Level: " + why + "; nothing loaded");
        return false;
    }
    Engine::LogError("Level: " + why + "; the game ends");
    current_number = 0;
    checkpoint.Clear();
    request_state(STATE_END);
    return false;
}

void cLevelManager::ClearLists() {
    waypoints.clear();
    decorations.clear();
    level_entities.clear();
    spawners.clear();
    billboards.clear();
    tile_layer = nullptr;
    tile_cells = cTileLayerCells();
    decoration_counter = 0;
    billboard_counter = 0;
}

void cLevelManager::ApplyCheckpointRule() {
    const int state = current_state();
    const bool other_level = loaded_number != static_cast<std::uint32_t>(current_number);
    if ((other_level && state != STATE_SCENE_EDITOR) || state == STATE_MAIN_MENU || state == STATE_RESULTS) {
        checkpoint.Clear();
        loaded_number = static_cast<std::uint32_t>(current_number);
    }
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

// The stroke follows the kid, so its own set-up waits until the kid is known.
void cLevelManager::SetUpStroke() {
    auto* object = dynamic_cast<iLevelObject*>(stroke);
    if (object == nullptr) return;
    LevelObjectValues values;
    values.name = "Stroke";
    values.game_state = current_state();
    values.kid = kid;
    values.stroke = stroke;
    if (object->SetUpFromLevel(values)) return;
    Engine::LogError("Level: the stroke refused its set-up and was dropped");
    cGameFactory::Instance().Destroy(&stroke);
    stroke = nullptr;
}

void cLevelManager::ReadRoot(tinyxml2::XMLElement* root) {
    ReadKid(root);
    SetUpStroke();
    ReadKinds(root, ENEMY_KINDS, std::size(ENEMY_KINDS));
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
    LevelObjectValues values = ValuesOf(element, "Kid", {true, true, false});
    if (checkpoint.reached) {
        values.position = checkpoint.position;
        values.checkpoint_id = checkpoint.checkpoint_id;
    }
    // The items the record lists are left out of this load (ReadItems), so the
    // kid starts holding what it took from them: no key it needs is lost and no
    // candy is counted twice when it is collected again.
    values.key_count = checkpoint.KeysHeld();
    values.candy_count = checkpoint.CandyTaken();
    ForEachChild(element, "waypoint", [&](tinyxml2::XMLElement* point) {
        values.waypoints.push_back(ReadVector(point, "posX", "posY", "posZ"));
    });
    waypoints = values.waypoints;
    kid = MakeLevelEntity(element, Types::KID, values, {true, true, false});
}

void cLevelManager::ReadKinds(tinyxml2::XMLElement* root, const ElementKind* kinds, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        ForEachChild(root, kinds[i].name, [&](tinyxml2::XMLElement* e) {
            if (Entity* created = MakeKind(e, kinds[i])) level_entities.push_back(created);
        });
    }
}

void cLevelManager::ReadSpawners(tinyxml2::XMLElement* root) {
    ForEachChild(root, "SpawnEnemy", [&](tinyxml2::XMLElement* e) { ReadSpawnEnemy(e); });
    ForEachChild(root, "TimeSpawnEnemy", [&](tinyxml2::XMLElement* e) { ReadTimeSpawnEnemy(e); });
    ForEachChild(root, "CameraTrigger", [&](tinyxml2::XMLElement* e) {
        LevelObjectValues values = ValuesOf(e, e->Name(), {true, true, false});
        AddExtras(e, CINEMATIC | GAME_CAMERA, values);
        MakeLevelEntity(e, Types::CAMERA_TRIGGER, values, {true, true, false});
    });
}

void cLevelManager::ReadSpawnEnemy(tinyxml2::XMLElement* element) {
    const Reach reach{true, true, false};
    Entity* spawner = MakeLevelEntity(element, Types::SPAWN_ENEMY, ValuesOf(element, element->Name(), reach), reach);
    if (spawner == nullptr) return;
    spawners.push_back(spawner);
    ReadSpawns(element, spawner, true);
}

// The waves are handed over before the spawner takes its place.
void cLevelManager::ReadTimeSpawnEnemy(tinyxml2::XMLElement* element) {
    const Reach reach{false, false, false};
    LevelObjectValues values = ValuesOf(element, element->Name(), reach);
    values.position = ReadVector(element, "posX", "posY", "posZ");
    values.time_interval = Engine::ReadFloat(element, "TimeInterval", 1.0f);
    values.no_of_waves = Engine::ReadUnsigned(element, "NoOfWaves", 1);
    if (values.no_of_waves > MAX_WAVES) {
        Engine::LogError("Level: TimeSpawnEnemy asks for " + std::to_string(values.no_of_waves) + " waves; " +
                         std::to_string(MAX_WAVES) + " are read");
        values.no_of_waves = MAX_WAVES;
    }
    Entity* spawner = MakeLevelEntity(element, Types::TIME_SPAWN_ENEMY, values, reach);
    if (spawner == nullptr) return;
    spawners.push_back(spawner);
    // A spawner that takes no spawns is told so once, not once per wave.
    const bool one_pass = current_state() == STATE_SCENE_EDITOR || dynamic_cast<iLevelSpawner*>(spawner) == nullptr;
    const std::uint32_t passes = one_pass ? 1 : values.no_of_waves;
    for (std::uint32_t wave = 0; wave < passes; ++wave) ReadSpawns(element, spawner, false);
    if (auto* entity = dynamic_cast<Engine::cEntity*>(spawner)) entity->SetPosition(values.position);
}

void cLevelManager::ReadSpawns(tinyxml2::XMLElement* element, Entity* spawner, bool nested) {
    auto* receiver = dynamic_cast<iLevelSpawner*>(spawner);
    if (receiver == nullptr) {
        if (element->FirstChildElement() != nullptr) {
            Engine::LogError(std::string("Level: the class of ") + element->Name() +
                             " takes no spawns; its child elements are skipped");
        }
        return;
    }
    const auto hand_over = [receiver](Entity* spawn) {
        if (spawn == nullptr) return;
        if (auto* entity = dynamic_cast<Engine::cEntity*>(spawn)) entity->SetActive(false);
        receiver->AddSpawn(spawn);
    };
    for (tinyxml2::XMLElement* child = element->FirstChildElement(); child != nullptr;
         child = child->NextSiblingElement()) {
        if (const ElementKind* kind = EnemyKind(child->Name())) {
            Entity* spawn = MakeKind(child, *kind);
            if (spawn != nullptr) level_entities.push_back(spawn);
            hand_over(spawn);
        } else if (nested && std::strcmp(child->Name(), "SpawnEnemy") == 0) {
            const Reach reach{true, true, false};
            Entity* inner = MakeLevelEntity(child, Types::SPAWN_ENEMY, ValuesOf(child, child->Name(), reach), reach);
            if (inner != nullptr) ReadSpawns(child, inner, false);
            hand_over(inner);
        }
    }
}

void cLevelManager::ReadAmbientLight(tinyxml2::XMLElement* root) {
    if (tinyxml2::XMLElement* e = root->FirstChildElement("GlobalAmbientLight")) {
        Engine::cLightManager::Instance().SetAmbient(
            {Engine::ReadFloat(e, "Red", 1.0f), Engine::ReadFloat(e, "Green", 1.0f), Engine::ReadFloat(e, "Blue", 1.0f),
             Engine::ReadFloat(e, "Alpha", 1.0f)});
    }
    // The level's sun: the light left from an earlier load is set up again
    // rather than joined by a second one.
    Engine::cLightPool& pool = Engine::cLightPool::Instance();
    Engine::cLightGfxCmp* sun = nullptr;
    for (Engine::cLightGfxCmp* light : pool.Lights()) {
        if (light->Name() == DIRECTIONAL_LIGHT) sun = light;
    }
    if (sun == nullptr) sun = pool.CreateLight(DIRECTIONAL_LIGHT);
    sun->light.type = Engine::LT_Directional;
    sun->light.diffuse = DIRECTIONAL_DIFFUSE;
    sun->Place({0.0f, 0.0f, 0.0f}, Engine::Normalise(Engine::Vector3{-1.0f, -1.0f, -1.0f}));
    Engine::cLightManager::Instance().EnableLight(sun->light, true);
}

void cLevelManager::ReadDecorations(tinyxml2::XMLElement* root) {
    const Reach reach{true, true, true};
    ForEachChild(root, "Decoration", [&](tinyxml2::XMLElement* e) {
        const std::string id = Engine::ReadString(e, "id", "noName");
        LevelObjectValues values = ValuesOf(e, "Deco_" + id + std::to_string(decoration_counter++), reach);
        values.catalogue_id = id;
        Entity* decoration = Make(e, Types::DECORATION, values, reach);
        if (decoration != nullptr) decorations.emplace_back(id, decoration);
    });
    if (current_state() != STATE_SCENE_EDITOR) bake_decorations();
}

void cLevelManager::ReadBillboards(tinyxml2::XMLElement* root) {
    const Reach reach{true, false, false};
    ForEachChild(root, "Billboard", [&](tinyxml2::XMLElement* e) {
        const std::string id = Engine::ReadString(e, "BillboardID", "noName");
        billboard_counter += 1;
        LevelObjectValues values = ValuesOf(e, id + std::to_string(billboard_counter), reach);
        billboard_counter += 1;
        values.catalogue_id = id;
        Entity* billboard = Make(e, Types::BILLBOARD_OBJ, values, reach);
        if (billboard != nullptr) billboards.emplace_back(id, billboard);
    });
}

void cLevelManager::ReadItems(tinyxml2::XMLElement* root) {
    ReadKinds(root, ITEM_KINDS_BEFORE, std::size(ITEM_KINDS_BEFORE));
    ReadOrdered(root, "LockedDoor", Types::LOCKED_DOOR, checkpoint.opened_doors);
    ReadOrdered(root, "Key", Types::KEY, checkpoint.collected_keys);
    ForEachChild(root, "Collectable", [this](tinyxml2::XMLElement*) { ++candy_total; });
    ReadOrdered(root, "Collectable", Types::COLLECTABLE, checkpoint.collected_candy);
    ReadKinds(root, ITEM_KINDS_AFTER, std::size(ITEM_KINDS_AFTER));
}

void cLevelManager::ReadOrdered(tinyxml2::XMLElement* root, const char* element_name, EntityTypeId type,
                                const std::vector<std::uint32_t>& used) {
    const Reach reach{true, true, true};
    std::uint32_t ordinal = 0;
    ForEachChild(root, element_name, [&](tinyxml2::XMLElement* e) {
        if (!cCheckpointRecord::Holds(used, ordinal)) {
            LevelObjectValues values = ValuesOf(e, element_name, reach);
            AddExtras(e, KID_AND_STROKE, values);
            values.ordinal = ordinal;
            MakeLevelEntity(e, type, values, reach);
        }
        ++ordinal;
    });
}

// A layer without text ends the reading of layers.
void cLevelManager::ReadTileLayers(tinyxml2::XMLElement* root) {
    const Reach reach{false, false, false};
    for (tinyxml2::XMLElement* e = root->FirstChildElement("BinaryMapLayer"); e != nullptr;
         e = e->NextSiblingElement("BinaryMapLayer")) {
        const char* text = e->GetText();
        if (text == nullptr) return;
        const int width = Engine::ReadInt(e, "width", 1);
        const int height = Engine::ReadInt(e, "height", 1);
        if (width <= 0 || height <= 0 || width > MAX_TILE_LAYER_SIDE || height > MAX_TILE_LAYER_SIDE ||
            static_cast<long long>(width) * height > MAX_TILE_LAYER_CELLS) {
            Engine::LogError("Level: BinaryMapLayer of " + std::to_string(width) + " x " + std::to_string(height) +
                             " cells refused");
            continue;
        }
        tile_cells = cTileLayerCells(width, height, Engine::ReadFloat(e, "minX", 0.0f),
                                     Engine::ReadFloat(e, "minZ", 0.0f), Engine::ReadFloat(e, "yPos", 0.0f), text);
        LevelObjectValues values = ValuesOf(e, "BinaryTile", reach);
        values.tile_cells = &tile_cells;
        if (Entity* layer = Make(e, Types::BINARY_TILE, values, reach)) tile_layer = layer;
    }
}

LevelObjectValues cLevelManager::ValuesOf(tinyxml2::XMLElement* element, const std::string& entity_name,
                                          Reach reach) const {
    LevelObjectValues values;
    values.name = entity_name;
    values.game_state = current_state();
    if (reach.position) values.position = ReadVector(element, "posX", "posY", "posZ");
    if (reach.scale) values.scale = ReadVector(element, "scaleX", "scaleY", "scaleZ");
    if (reach.rotation) values.rotation_degrees = Engine::ReadFloat(element, "rotation", 0.0f);
    return values;
}

void cLevelManager::AddExtras(tinyxml2::XMLElement* element, unsigned extras, LevelObjectValues& values) const {
    if (extras & KID_AND_STROKE) {
        values.kid = kid;
        values.stroke = stroke;
    }
    if (extras & GAME_CAMERA) values.game_camera = game_camera;
    if (extras & CINEMATIC) {
        if (const tinyxml2::XMLElement* target = element->FirstChildElement("CinematicTarget")) {
            values.cinematic = ReadCinematic(target);
        }
    }
    if (extras & INTENSITY) values.intensity = Engine::ReadFloat(element, "Intensity", 0.5f);
}

cLevelManager::Entity* cLevelManager::Make(tinyxml2::XMLElement* element, EntityTypeId type,
                                           const LevelObjectValues& values, Reach reach) {
    cGameFactory& factory = cGameFactory::Instance();
    if (factory.GetFactory(type) == nullptr) {
        Engine::LogError(std::string("Level: ") + element->Name() + " skipped: no entity class for type " +
                         std::to_string(type));
        return nullptr;
    }
    Entity* created = factory.Create(type);
    if (auto* entity = dynamic_cast<Engine::cEntity*>(created)) {
        entity->Init(values.name);
        if (reach.position) entity->position = values.position;
        if (reach.scale) entity->scale = values.scale;
        if (reach.rotation) {
            entity->rotation =
                Engine::Quaternion::FromAxisAngle({0.0f, 1.0f, 0.0f}, values.rotation_degrees * PI / 180.0f);
        }
        entity->RebuildWorld();
    }
    auto* object = dynamic_cast<iLevelObject*>(created);
    if (object == nullptr || object->SetUpFromLevel(values)) return created;
    Engine::LogError(std::string("Level: ") + element->Name() + " \"" + values.name +
                     "\" refused its set-up and was dropped");
    factory.Destroy(&created);
    return nullptr;
}

cLevelManager::Entity* cLevelManager::MakeLevelEntity(tinyxml2::XMLElement* element, EntityTypeId type,
                                                      const LevelObjectValues& values, Reach reach) {
    Entity* created = Make(element, type, values, reach);
    if (created != nullptr) level_entities.push_back(created);
    return created;
}

cLevelManager::Entity* cLevelManager::MakeKind(tinyxml2::XMLElement* element, const ElementKind& kind) {
    LevelObjectValues values = ValuesOf(element, element->Name(), kind.reach);
    AddExtras(element, kind.extras, values);
    return Make(element, kind.type, values, kind.reach);
}

}  // namespace Game
