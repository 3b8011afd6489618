#pragma once
// cLightEntity: a light that lives in a level as an entity (engine type 1),
// so that it can be placed, moved and stepped like any other thing: it is
// both an entity and a light component. Creating it under a light name makes
// the light live and registers the entity (always named "lightent"); each
// step carries the entity's position into the light; resetting it tears
// down the entity and then releases the light with everything it holds.

#include <cstdint>
#include <string>

#include "engine/entity/cEntity.h"
#include "engine/entity/eEngineEntityTypes.h"
#include "engine/render/scene/cLightGfxCmp.h"

namespace Engine {

class cLightEntity : public cEntity, public cLightGfxCmp {
public:
    static constexpr const char* kEntityName = "lightent";

    // Makes the light live under light_name and the entity live as "lightent".
    void Init(const std::string& light_name) override;
    // Tears the entity down, then releases the light.
    void Reset() override;
    // The light takes the entity's position; the world matrix is rebuilt.
    void Update(float dt) override;

    std::int32_t GetType() const override { return ENGINE_ENT_TYPES::LIGHT_ENTITY; }
};

}  // namespace Engine
