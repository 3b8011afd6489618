#pragma once
// cLevelManager: turns a level file into live entities and remembers which
// level is current. A level is one XML file whose single root element holds
// one child element per object; the loader reads the kinds in a fixed order
// (the kid first, then enemies, spawners, triggers, light, decorations,
// billboards, items and the tile layers), each through the game factory.
//
// The manager also keeps the level number, counts the candy of the level for
// the results screen, and applies the checkpoint record: a restart of the same
// level puts the kid back at the checkpoint and leaves out the items already
// used, while loading from the menu, the results screen or another level
// starts the record afresh.
//
// Entity classes are still being written. An element whose type has no class
// in the factory is skipped with one log line; an element whose class exists
// is taken from the factory, named, placed and appended to the lists, and its
// class's own set-up (kid and stroke pointers, ordinals, spawner hand-over,
// cinematic targets) is wired in when that class arrives. The game state, the
// end-state request and the results screen are reached through the hooks
// below, which start-up sets.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "engine/core/Singleton.h"
#include "engine/core/Vector3.h"
#include "game/data/cCheckpointRecord.h"
#include "game/entities/cTileLayerCells.h"
#include "game/entities/eGameEntityTypes.h"

namespace tinyxml2 {
class XMLElement;
}

namespace Engine {
class iBaseEntity;
}

namespace Game {

class cLevelManager : public Engine::Singleton<cLevelManager> {
    friend class Engine::Singleton<cLevelManager>;

public:
    // Game state numbers the loader looks at.
    static constexpr int STATE_MAIN_MENU = 3;
    static constexpr int STATE_SCENE_EDITOR = 5;
    static constexpr int STATE_RESULTS = 13;
    static constexpr int STATE_END = 16;

    using Entity = Engine::iBaseEntity;
    using NamedEntity = std::pair<std::string, Entity*>;

    // Reads the level file (see LevelPath) and creates its objects; false when
    // the file cannot be read, which ends the game: the level number goes back
    // to 0, the checkpoint record is cleared and the end state is requested.
    bool Load(const std::string& name, const std::string& directory);

    // The file Load reads for these arguments and the current fields.
    std::string LevelPath(const std::string& name, const std::string& directory) const;

    // Hooks to the rest of the game; each has a harmless default.
    std::function<int()> current_state = [] { return 0; };
    std::function<void(int)> request_state = [](int) {};
    std::function<void(unsigned)> publish_candy = [](unsigned) {};

    std::uint32_t loaded_number = 65535;
    std::string level_name;
    std::string editor_name;
    std::int32_t current_number = 0;
    std::uint32_t candy_total = 0;
    Entity* kid = nullptr;
    Entity* stroke = nullptr;
    Entity* game_camera = nullptr;
    bool editor_play_test = false;
    // Set when the play-test flag picked the file, so that the scene editor
    // reopens the edited level when it comes back; the editor clears it.
    bool resume_editor_level = false;
    std::uint32_t billboard_counter = 0;
    std::uint32_t decoration_counter = 0;
    std::vector<Engine::Vector3> waypoints;
    std::vector<NamedEntity> decorations;
    std::vector<NamedEntity> billboards;
    std::vector<Entity*> level_entities;
    std::vector<Entity*> spawners;
    Entity* tile_layer = nullptr;
    // The cells of the last tile layer read.
    cTileLayerCells tile_cells;
    // The ambient colour (red, green, blue, alpha) of the last level read.
    std::array<float, 4> ambient{1.0f, 1.0f, 1.0f, 1.0f};
    cCheckpointRecord checkpoint;

private:
    cLevelManager() = default;

    void ApplyCheckpointRule();
    void CreateStroke();
    void ReadRoot(tinyxml2::XMLElement* root);
    void ReadKid(tinyxml2::XMLElement* root);
    void ReadEnemies(tinyxml2::XMLElement* root);
    void ReadSpawners(tinyxml2::XMLElement* root);
    void ReadAmbientLight(tinyxml2::XMLElement* root);
    void ReadDecorations(tinyxml2::XMLElement* root);
    void ReadBillboards(tinyxml2::XMLElement* root);
    void ReadItems(tinyxml2::XMLElement* root);
    void ReadOrdered(tinyxml2::XMLElement* root, const char* element_name, EntityTypeId type,
                     const std::vector<unsigned>& used);
    void ReadTileLayers(tinyxml2::XMLElement* root);

    // Takes an object of type for element from the factory and places it with
    // the transform values the kind uses; null (logged) when the type has no class.
    Entity* Place(tinyxml2::XMLElement* element, EntityTypeId type, const std::string& entity_name,
                  bool use_scale, bool use_rotation);
    // Place, then appends the object to level_entities.
    Entity* PlaceLevelEntity(tinyxml2::XMLElement* element, EntityTypeId type, bool use_scale,
                             bool use_rotation);
};

}  // namespace Game
