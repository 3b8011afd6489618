#pragma once
// LevelObjectValues: everything a level file says about one object, as the
// level loader hands it to the object's class. The loader has already named
// the entity and placed it with the transform values its kind uses; the class
// reads what it needs from here (its catalogue entry, the kid and stroke it
// watches, its ordinal, its trigger values) and finishes its own set-up.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/core/Vector3.h"

namespace Engine {
class iBaseEntity;
}

namespace Game {

class cTileLayerCells;

// Where a cinematic camera looks while a camera trigger or win point holds it.
struct CinematicTarget {
    float azimuth = 1.0f;
    float latitude = 1.0f;
    float distance = 1.0f;
    Engine::Vector3 target{1.0f, 1.0f, 1.0f};
    float blend_time = 3.0f;  // fixed: levels do not store it
};

struct LevelObjectValues {
    std::string name;          // the entity name the loader gave
    std::string catalogue_id;  // decorations' "id", billboards' "BillboardID"
    Engine::Vector3 position{1.0f, 1.0f, 1.0f};
    Engine::Vector3 scale{1.0f, 1.0f, 1.0f};
    float rotation_degrees = 0.0f;
    int game_state = 0;  // the state loading the level (the scene editor skips batching)

    // Objects that receive the kid and the stroke; kid is null in a level without one.
    Engine::iBaseEntity* kid = nullptr;
    Engine::iBaseEntity* stroke = nullptr;
    // The gameplay camera, for camera triggers.
    Engine::iBaseEntity* game_camera = nullptr;

    // Locked doors, keys and candy: the place among the level's elements of the
    // same kind, which the checkpoint record lists once the item is used.
    std::optional<std::uint32_t> ordinal;
    // The kid: its walking path, the checkpoint it restarts from (-1: none)
    // and the keys and candy it holds from the items the level leaves out.
    std::vector<Engine::Vector3> waypoints;
    int checkpoint_id = -1;
    std::int32_t key_count = 0;
    std::int32_t candy_count = 0;
    // Camera triggers and win points.
    std::optional<CinematicTarget> cinematic;
    // Rain-on and fog-on triggers.
    float intensity = 0.5f;
    // Time spawners: seconds between waves and the number of waves.
    float time_interval = 1.0f;
    std::uint32_t no_of_waves = 1;
    // Floor-tile layers: the cells of the layer element.
    const cTileLayerCells* tile_cells = nullptr;
};

}  // namespace Game
