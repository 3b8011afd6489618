#pragma once
// eEngineEntityTypes: the entity type identifiers the engine itself defines.
// They take the first values of the identifier space; the game's own types
// (eGameEntityTypes) continue from ENGINE_ENT_TYPES_END. The enumeration sits
// in a namespace of its own so its unscoped names do not collide with the
// game's.

#include <cstdint>

namespace Engine::ENGINE_ENT_TYPES {

enum eEngineEntityTypes : std::int32_t {
    CAMERA_ENTITY = 0,  // cCameraEntity
    LIGHT_ENTITY = 1,   // cLightEntity
    ENGINE_ENT_TYPES_END = 2
};

}  // namespace Engine::ENGINE_ENT_TYPES
