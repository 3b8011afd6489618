#pragma once
// iCameraEntity: what the scene manager needs of a camera entity. Cameras are
// entities that are also camera components; they do not use cEntity's slots
// but have their own reset and per-frame update, and they register with the
// scene manager's camera list rather than its entity lists. The scene manager
// steps every registered camera once per frame, after the entities.

#include "engine/entity/iBaseEntity.h"

namespace Engine {

class iCameraEntity : public iBaseEntity {
public:
    // Tears the camera down to its pooled state.
    virtual void Reset() = 0;
    // The camera's per-frame step, dt in seconds.
    virtual void Update(float dt) = 0;
};

}  // namespace Engine
