#pragma once
// cLevelWriter: builds a level file in the format cLevelManager reads, for the
// scene editor's save. The document starts with the level root and the fixed
// ambient light; the editor appends one element per object (named from the
// entity's type), the kid's waypoints, and last the tile layer; Save writes
// the file atomically. The extras of an object (the kid's waypoints, a time
// spawner's waves, cinematic targets, trigger intensity, catalogue ids) come
// from the same LevelObjectValues the loader hands to the object; a spawner's
// enemies are written inside its element. Numbers are written with six fractional digits, and the
// rotation as the angle in degrees about the entity's rotation axis, which is
// what the loader reads back.

#include <tinyxml2.h>  // callers add extras to the returned elements

#include <cstdint>
#include <string>

#include "engine/core/Vector3.h"
#include "engine/core/cXmlFile.h"
#include "game/entities/LevelObjectValues.h"
#include "game/entities/cTileLayerCells.h"

namespace Engine {
class cEntity;
}

namespace Game {

class cLevelWriter {
public:
    // A new document to be saved at path.
    explicit cLevelWriter(const std::string& path);

    // The level element name for an entity type, or null when levels do not store that type.
    static const char* ElementName(std::int32_t type);

    // Appends the element of entity with its transform and the extras of its
    // kind from values; null (logged) when levels do not store its type.
    tinyxml2::XMLElement* AddObject(const Engine::cEntity& entity, const LevelObjectValues& values = {});
    // Appends spawn inside the element of its spawner, as the loader reads it
    // back: an enemy-group object in any spawner, or a "SpawnEnemy" inside a
    // "SpawnEnemy" of the root. Null (logged) for anything else.
    tinyxml2::XMLElement* AddSpawn(tinyxml2::XMLElement* spawner_element, const Engine::cEntity& spawn,
                                   const LevelObjectValues& values = {});
    // Appends a "waypoint" child to the kid's element.
    void AddWaypoint(tinyxml2::XMLElement* kid_element, const Engine::Vector3& point);
    // Appends the tile layer element; the editor calls it after every object.
    void AddTileLayer(const cTileLayerCells& cells);
    // Writes the file; false (logged by the XML layer) when it cannot.
    bool Save();

private:
    // Appends entity's element under parent (see AddObject).
    tinyxml2::XMLElement* Append(tinyxml2::XMLElement* parent, const Engine::cEntity& entity,
                                 const LevelObjectValues& values);

    Engine::cXmlFile file;
};

}  // namespace Game
