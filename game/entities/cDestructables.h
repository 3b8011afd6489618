#pragma once
// cDestructables: a crate the stroke can smash (type 45), and the base of the
// indestructible prop. A crate takes the health of the "Destructable" record
// of the enemy stats; slashes at speed add the stroke's attack power to its
// damage (each flashes it and counts a hit for the stroke), and holding it
// fills its meter in two seconds, which breaks it too.
//
//   Idle ---damage reaches health---> Break ---always---> Gone (removed)
//
// Break plays the breaking sound and stretches the crate on its one update;
// leaving it fires the splinters. The crate's body, in the "Destructable"
// group, stops the kid; while the stroke holds the crate it passes through
// things, and it stops them again once let go.

#include <cstdint>
#include <memory>  // std::unique_ptr owns the machine
#include <string_view>

#include "engine/core/Vector3.h"
#include "engine/entity/cStateMachine.h"
#include "game/data/SoundNames.h"
#include "game/entities/cBaseEnemy.h"
#include "game/entities/eGameEntityTypes.h"
#include "game/entities/iLevelObject.h"

namespace Engine {
class iState;
}

namespace Game {

// The crate's states, for tests and the developer views.
enum class eCrateState { None, Idle, Break, Gone };

class cDestructables : public cBaseEnemy, public iLevelObject {
public:
    static constexpr const char* kEntityName = "Destructable";
    static constexpr const char* kStatsName = "Destructable";
    static constexpr const char* kCollisionGroup = "Destructable";
    static constexpr float kRestitution = 0.01f;
    // Holding a crate fills its meter at this rate: full in two seconds.
    static constexpr float kCrateHoldRate = 50.0f;
    // The break stretches the crate to this height in kBreakTime seconds.
    static constexpr float kBreakHeight = 4.0f;
    static constexpr float kBreakTime = 0.25f;

    cDestructables() = default;

    std::int32_t GetType() const override { return GAME_ENT_TYPES::DESTRUCTABLES; }

    // Places the crate as the level says with its model, body, numbers and
    // machine; takes the level's kid and stroke. False, logged, with nothing
    // created, when the stats table has no "Destructable" record.
    bool SetUpFromLevel(const LevelObjectValues& values) override;
    // Destroys the machine, then tears the enemy down.
    void Reset() override;
    // The machine and the hit flash, while the crate is in play.
    void UpdateKind(float dt) override;
    // Held, the crate's body moves through things; let go, it stops them again.
    void SetHeld(bool is_held) override;
    // A slash at speed: damage, a flash, a sound and a hit for the stroke.
    void OnStrokeHit() override;

    eCrateState State() const;

protected:
    // What sets the prop apart from the crate.
    struct sCrateKind {
        const char* body_name;
        float hold_rate;
        std::string_view break_sound;
    };
    explicit cDestructables(const sCrateKind& crate_kind) : kind(crate_kind) {}

private:
    void CreateBody();
    void BuildMachine();

    // State callbacks.
    void Nothing() {}
    void NothingUpdate(float /*dt*/) {}
    void BreakEnter();
    void BreakUpdate(float dt);
    void BreakExit();
    void GoneEnter();

    // Trigger conditions.
    bool Broken() { return IsDead(); }
    bool Always() { return true; }

    sCrateKind kind{"Destructable", kCrateHoldRate, Content::kCrateBreakSound};
    float break_timer = 0.0f;
    bool break_started = false;
    Engine::Vector3 break_scale{1.0f, 1.0f, 1.0f};
    std::unique_ptr<Engine::cStateMachine<cDestructables>> machine;
    Engine::iState* idle = nullptr;
    Engine::iState* breaking = nullptr;
    Engine::iState* gone = nullptr;
};

}  // namespace Game
