#pragma once
// cDoor: a door that blocks the kid's way (type 39, the challenge door), and
// the base of the locked door. A door rises out of the ground where the
// level placed it and stands closed until it may open; then it sinks at one
// unit per second and leaves play once it is two units under the ground.
//
//   Rise ---risen---> Closed ---may open---> Sink ---at -2---> Gone (removed)
//
// The challenge door may open when no challenge runs (the kid's
// challenge_time is not above 0): one placed during a challenge stands until
// the challenge ends, one placed without a challenge rises and sinks again.
//
// Its body, in the "Door" group, is half the door's scale on each axis and
// static: the kid stops against it and cannot shove it aside. The stroke
// cannot grab a door either, or it could carry a locked door out of the way.

#include <cstdint>
#include <memory>  // std::unique_ptr owns the machine

#include "engine/entity/cStateMachine.h"
#include "game/entities/cBaseEnemy.h"
#include "game/entities/eGameEntityTypes.h"
#include "game/entities/iLevelObject.h"

namespace Engine {
class iState;
}

namespace Game {

// The door's states, for tests and the developer views.
enum class eDoorState { None, Rise, Closed, Sink, Gone };

class cDoor : public cBaseEnemy, public iLevelObject {
public:
    static constexpr const char* kEntityName = "Door";
    // The collision group and the name of every door's body.
    static constexpr const char* kCollisionGroup = "Door";
    static constexpr const char* kBodyName = "Door";
    static constexpr float kRestitution = 0.01f;
    // Sinking speed in units per second, and the height at which a sunk door is gone.
    static constexpr float kSinkSpeed = 1.0f;
    static constexpr float kGoneHeight = -2.0f;

    std::int32_t GetType() const override { return GAME_ENT_TYPES::DOOR; }

    // Places the door as the level says, with its model, body and machine,
    // rising; takes the level's kid and stroke.
    bool SetUpFromLevel(const LevelObjectValues& values) override;
    // Destroys the machine, then tears the enemy down.
    void Reset() override;
    // Runs the machine while the door is in play.
    void UpdateKind(float dt) override;

    eDoorState State() const;

protected:
    // The name the door's entity takes.
    virtual const char* EntityName() const { return kEntityName; }
    // Whether the closed door may sink now.
    virtual bool MayOpen() const;

private:
    void CreateBody();
    void BuildMachine();

    // State callbacks.
    void Nothing() {}
    void NothingUpdate(float /*dt*/) {}
    void RiseEnter();
    void RiseUpdate(float dt);
    void SinkUpdate(float dt);
    void GoneEnter();

    // Trigger conditions.
    bool Risen() { return RiseOver(); }
    bool Opens() { return MayOpen(); }
    bool Sunk() { return position.y <= kGoneHeight; }

    std::unique_ptr<Engine::cStateMachine<cDoor>> machine;
    Engine::iState* rise = nullptr;
    Engine::iState* closed = nullptr;
    Engine::iState* sink = nullptr;
    Engine::iState* gone = nullptr;
};

}  // namespace Game
