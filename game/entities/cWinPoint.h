#pragma once
// cWinPoint: the end of a level (type 41). While the kid touches it, the
// kid's won bit is set (the gameplay state ends the level on it); the first
// touch also hands the level's gameplay camera the win point's closing shot
// and shows a red halo above it, which fades in over a second to 0.6 while
// aura sparks rise around the point at 100 a second. Before the kid comes it
// shows only its model.
//
// Its body belongs to the "Enemy" group, so that it meets the kid wherever
// enemies do; it has no collision response.

#include <cstdint>

#include "engine/core/Vector3.h"
#include "engine/entity/cEntity.h"
#include "engine/physics/iPhysicsCmp.h"
#include "engine/render/scene/cBillBoardGfxCmp.h"
#include "game/entities/LevelObjectValues.h"
#include "game/entities/eGameEntityTypes.h"
#include "game/entities/iLevelObject.h"

namespace Game {

class cKid;

class cWinPoint : public Engine::cEntity, public iLevelObject {
public:
    static constexpr const char* kCollisionGroup = "Enemy";
    static constexpr const char* kBodyName = "Win";
    static constexpr float kRestitution = 0.01f;
    static constexpr float kHaloSize = 3.5f;
    static constexpr float kHaloHeight = 1.2f;
    static constexpr float kHaloAlpha = 0.6f;
    static constexpr float kSparksPerSecond = 100.0f;

    std::int32_t GetType() const override { return GAME_ENT_TYPES::WIN_POINT; }

    // Setup at the level's place, size and turn, with the level's camera and
    // closing shot (the loader's defaults when the element has none).
    bool SetUpFromLevel(const LevelObjectValues& values) override;
    // Names the win point and creates its model, body and hidden halo; not triggered.
    void Setup(const Engine::Vector3& at, const Engine::Vector3& size, float rotation_degrees);
    // Releases the halo, then tears the entity down.
    void Reset() override;
    // Once triggered: the halo's fade-in and the sparks.
    void Update(float dt) override;

    // The kid touched the win point this frame.
    void TouchedByKid(cKid& kid);
    // The body's callback: a body named "Kid..." reaches TouchedByKid.
    static std::int32_t OnCollision(Engine::iPhysicsCmp* self, Engine::iPhysicsCmp* other);

    // The camera that plays the closing shot; an entity that is no
    // iCinematicCamera (or none) plays nothing.
    Engine::iBaseEntity* game_camera = nullptr;
    CinematicTarget shot;
    bool triggered = false;
    Engine::cBillBoardGfxCmp halo;
    float timer = 0.0f;
    float halo_alpha = 0.0f;
    float particle_carry = 0.0f;

private:
    void CreateModel();
    void CreateBody();
    void CreateHalo();
};

}  // namespace Game
