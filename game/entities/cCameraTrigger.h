#pragma once
// cCameraTrigger: an invisible box (type 43, group "Trigger") that plays one
// cinematic camera shot. When a body named "Kid..." touches it, it hands its
// shot to the game camera and then switches itself off and queues itself for
// deletion, so each trigger plays its shot once per level run. The level
// loader gives it its place, its size (the box's half extents) and the shot
// of its "CinematicTarget" child, and the gameplay camera to hand it to.

#include <cstdint>

#include "engine/core/Vector3.h"
#include "engine/entity/cEntity.h"
#include "engine/physics/iPhysicsCmp.h"
#include "game/entities/LevelObjectValues.h"
#include "game/entities/eGameEntityTypes.h"
#include "game/entities/iLevelObject.h"

namespace Game {

class cGameCamera;

class cCameraTrigger : public Engine::cEntity, public iLevelObject {
public:
    static constexpr const char* kCollisionGroup = "Trigger";
    static constexpr const char* kName = "CameraTrigger";

    std::int32_t GetType() const override { return GAME_ENT_TYPES::CAMERA_TRIGGER; }

    // Setup at the level's place and size with its camera and shot; a level
    // that names no game camera is logged and the trigger stays silent.
    bool SetUpFromLevel(const LevelObjectValues& values) override;
    // Names the trigger and gives it a box of half extents size at the place.
    void Setup(const Engine::Vector3& at, const Engine::Vector3& size);
    // Forgets the camera and the shot, then tears the trigger down.
    void Reset() override;

    // Starts the shot on the camera, switches off and queues the deletion.
    void Fire();
    // The box's callback: a live trigger touched by the kid fires.
    static std::int32_t OnCollision(Engine::iPhysicsCmp* self, Engine::iPhysicsCmp* other);

    cGameCamera* game_camera = nullptr;
    CinematicTarget shot;
};

}  // namespace Game
