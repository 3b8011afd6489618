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
// Each object is taken from the game factory, named and placed with the
// transform values its kind uses; when its class has a set-up of its own
// (iLevelObject) it then gets every value its element holds (catalogue id,
// kid and stroke, ordinal, waypoints, cinematic target, trigger values, tile
// cells). A class that refuses its values is logged and given back to the
// factory. A spawner (iLevelSpawner) receives its nested enemies inactive.
// An element whose type has no class in the factory is skipped with one log
// line. The game state, the end-state request, the results screen and the
// decoration batching are reached through the hooks below, which start-up sets.
//
// Only a failed numbered load ends the game (that is how the game ends after
// its last level). A missing named level or play-test level, or a playable
// level without a kid (outside the scene editor), fails softly: logged,
// false, no other change.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "engine/core/Singleton.h"
#include "engine/core/Vector3.h"
#include "game/data/cCheckpointRecord.h"
#include "game/entities/LevelObjectValues.h"
#include "game/entities/cTileLayerCells.h"
#include "game/entities/cDecorationBatches.h"
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

    // Which transform values of an element reach its object.
    struct Reach {
        bool position;
        bool scale;
        bool rotation;
    };
    // One kind of element read the plain way; extras is a set of the Extra bits.
    struct ElementKind {
        const char* name;
        EntityTypeId type;
        Reach reach;
        unsigned extras;
    };
    enum Extra : unsigned { KID_AND_STROKE = 1, CINEMATIC = 2, INTENSITY = 4, GAME_CAMERA = 8 };

    // Limits on what a level file may ask for, so that a damaged file cannot
    // make the loader allocate without end.
    static constexpr int MAX_TILE_LAYER_SIDE = 4096;
    static constexpr long long MAX_TILE_LAYER_CELLS = 1 << 22;
    static constexpr std::uint32_t MAX_WAVES = 100;

    // Reads the level file (see LevelPath) and creates its objects. False when
    // the file cannot be read: a numbered level then ends the game (the level
    // number goes back to 0, the checkpoint record is cleared and the end
    // state is requested); a named or play-test level only logs. False with a
    // log line, too, for a numbered or play-test level that has no kid, except
    // in the scene editor, where a level may still be waiting for its kid.
    bool Load(const std::string& name, const std::string& directory);

    // The file Load reads for these arguments and the current fields.
    std::string LevelPath(const std::string& name, const std::string& directory) const;

    // Hooks to the rest of the game, which start-up connects; each has a harmless default.
    std::function<int()> current_state = [] { return 0; };
    std::function<void(int)> request_state = [](int) {};
    std::function<void(unsigned)> publish_candy = [](unsigned) {};
    // Groups the decorations just read into render batches; not called in the scene editor.
    std::function<void()> bake_decorations = [] { cDecorationBatches::Instance().Bake(); };

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
    cCheckpointRecord checkpoint;

private:
    cLevelManager() = default;

    // Logs the failure and applies what it means for this kind of load; false.
    bool Fail(const std::string& why, bool numbered);
    void ClearLists();
    void ApplyCheckpointRule();
    void CreateStroke();
    void SetUpStroke();
    void ReadRoot(tinyxml2::XMLElement* root);
    void ReadKid(tinyxml2::XMLElement* root);
    void ReadKinds(tinyxml2::XMLElement* root, const ElementKind* kinds, std::size_t count);
    void ReadSpawners(tinyxml2::XMLElement* root);
    void ReadSpawnEnemy(tinyxml2::XMLElement* element);
    void ReadTimeSpawnEnemy(tinyxml2::XMLElement* element);
    // Creates the enemy-group children of element inactive and hands them to
    // spawner; with nested, "SpawnEnemy" children become inner spawners.
    void ReadSpawns(tinyxml2::XMLElement* element, Entity* spawner, bool nested);
    void ReadAmbientLight(tinyxml2::XMLElement* root);
    void ReadDecorations(tinyxml2::XMLElement* root);
    void ReadBillboards(tinyxml2::XMLElement* root);
    void ReadItems(tinyxml2::XMLElement* root);
    void ReadOrdered(tinyxml2::XMLElement* root, const char* element_name, EntityTypeId type,
                     const std::vector<std::uint32_t>& used);
    void ReadTileLayers(tinyxml2::XMLElement* root);

    // The values of element for an object named entity_name: the transform
    // values that reach it (the others at their defaults) and the game state.
    LevelObjectValues ValuesOf(tinyxml2::XMLElement* element, const std::string& entity_name, Reach reach) const;
    // Adds the extras a kind receives to values.
    void AddExtras(tinyxml2::XMLElement* element, unsigned extras, LevelObjectValues& values) const;
    // Takes an object of type from the factory, names and places it from
    // values and runs its own set-up; null (logged) when the type has no class
    // or the class refuses the values (the object then goes back to the factory).
    Entity* Make(tinyxml2::XMLElement* element, EntityTypeId type, const LevelObjectValues& values, Reach reach);
    // Make, then appends the object to level_entities.
    Entity* MakeLevelEntity(tinyxml2::XMLElement* element, EntityTypeId type, const LevelObjectValues& values,
                            Reach reach);
    // Make for a kind of the table, named after its element, with its extras.
    Entity* MakeKind(tinyxml2::XMLElement* element, const ElementKind& kind);
};

}  // namespace Game
