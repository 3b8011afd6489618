#pragma once
// cCheckPoint: a lantern post where the kid restarts after a death (type 48).
// While the kid touches it, the checkpoint record takes its position (and
// its place among the level's checkpoints), so that the next load of the
// same level puts the kid here with the items used so far left out.
//
// It lights on the second frame of contact: the first frame only makes it the
// kid's last checkpoint; on a later frame it finds itself the kid's last
// checkpoint and still dark, and lights (playing "LightsOn"). A lit
// checkpoint stays lit until the level's entities are reset; lighting another
// does not put it out.
//
// Lit, it shows a red halo above the post and sends up aura sparks. The glow
// fades in over half a second after lighting and is strongest for a
// checkpoint near the middle of the screen: the halo's alpha is the glow
// level minus the point's distance from the screen centre (in screen units)
// plus 0.2, kept in [0, 0.9], and the sparks come at 50 a second times that
// alpha. The halo hides while the level's kid is dead.

#include <cstdint>

#include "engine/core/Vector3.h"
#include "engine/entity/cEntity.h"
#include "engine/physics/iPhysicsCmp.h"
#include "engine/render/scene/cBillBoardGfxCmp.h"
#include "game/entities/eGameEntityTypes.h"
#include "game/entities/iLevelObject.h"

namespace Game {

class cKid;

class cCheckPoint : public Engine::cEntity, public iLevelObject {
public:
    static constexpr const char* kCollisionGroup = "CheckPoint";
    static constexpr const char* kBodyName = "Checkpoint";
    static constexpr float kRestitution = 0.01f;
    static constexpr float kHaloSize = 2.5f;
    static constexpr float kHaloHeight = 2.7f;
    static constexpr float kGlowHeight = 2.32f;   // where the glow and the sparks sit above the post
    static constexpr float kSparksPerSecond = 50.0f;
    static constexpr float kMaxGlowAlpha = 0.9f;

    std::int32_t GetType() const override { return GAME_ENT_TYPES::CHECK_POINT; }

    // Setup at the level's place.
    bool SetUpFromLevel(const LevelObjectValues& values) override;
    // Names the checkpoint and creates its model, static body and hidden halo; unlit.
    void Setup(const Engine::Vector3& at);
    // Releases the halo, then tears the entity down.
    void Reset() override;
    // The glow of a lit checkpoint, the halo hidden for a dead kid, the timer.
    void Update(float dt) override;

    // Lights or puts out the checkpoint, restarting its timer; plays "LightsOn" either way.
    void SetLit(bool on);
    // The kid touched the checkpoint this frame.
    void TouchedByKid(cKid& kid);
    // The body's callback: a body named "Kid..." reaches TouchedByKid.
    static std::int32_t OnCollision(Engine::iPhysicsCmp* self, Engine::iPhysicsCmp* other);

    Engine::cBillBoardGfxCmp halo;
    float timer = 0.0f;
    float halo_level = 0.0f;
    bool lit = false;
    float particle_carry = 0.0f;

private:
    void CreateModel();
    void CreateBody();
    void CreateHalo();
    void Glow(float dt);
    // The checkpoint's place among the level's checkpoints in file order (0 outside a level).
    int LevelOrdinal() const;
};

}  // namespace Game
