#include "engine/render/scene/cLightEntity.h"

namespace Engine {

void cLightEntity::Init(const std::string& light_name) {
    Initialise(light_name);
    cEntity::Init(kEntityName);
}

void cLightEntity::Reset() {
    cEntity::Reset();
    Release();
}

void cLightEntity::Update(float dt) {
    light.position = position;
    cEntity::Update(dt);
}

}  // namespace Engine
