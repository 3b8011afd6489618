#pragma once
// cLevelWriter: builds a level file in the format cLevelManager reads, for the
// scene editor's save. The document starts with the level root and the fixed
// ambient light; the editor appends one element per object (named from the
// entity's type), the kid's waypoints, and last the tile layer; Save writes
// the file atomically. Numbers are written with six fractional digits, and the
// rotation as the angle in degrees about the entity's rotation axis, which is
// what the loader reads back.

#include <tinyxml2.h>  // callers add extras to the returned elements

#include <cstdint>
#include <string>

#include "engine/core/Vector3.h"
#include "engine/core/cXmlFile.h"
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

    // Appends the element of entity with its transform; null (logged) when
    // levels do not store its type.
    tinyxml2::XMLElement* AddObject(const Engine::cEntity& entity);
    // Appends a "waypoint" child to the kid's element.
    void AddWaypoint(tinyxml2::XMLElement* kid_element, const Engine::Vector3& point);
    // Appends the tile layer element; the editor calls it after every object.
    void AddTileLayer(const cTileLayerCells& cells);
    // Writes the file; false (logged by the XML layer) when it cannot.
    bool Save();

private:
    Engine::cXmlFile file;
};

}  // namespace Game
