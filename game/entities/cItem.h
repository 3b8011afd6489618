#pragma once
// cItem: the base of the things the kid picks up (keys, candy, power-ups).
// An item stands at its place and turns about the vertical axis, one turn
// every three seconds; when the kid touches it, the kind's OnKidTouch marks
// it collected, and on its next update the item plays the pick-up sound,
// fires its sparkles and leaves play.
//
//   Wait ---always---> Spin ---collected---> Collect (sound, sparkles, removal)
//
// The item's body is a box around its model in the "Item" group that moves
// nothing it touches; its contact callback calls OnStrokeTouch for a body
// named "Stroke..." and OnKidTouch for one named "Kid...". item_id is the
// item's ordinal among the level's elements of its kind, which the kinds
// write into the checkpoint record so that a restart leaves the item out.

#include <cstdint>
#include <memory>  // std::unique_ptr owns the machine
#include <string>

#include "engine/entity/cEntity.h"
#include "engine/entity/cStateMachine.h"
#include "engine/physics/iPhysicsCmp.h"
#include "game/entities/iLevelObject.h"

namespace Engine {
class iState;
}

namespace Game {

class cKid;

// The item's states, for tests and the developer views.
enum class eItemState { None, Wait, Spin, Collect };

// What sets one kind of item apart.
struct sItemKind {
    const char* entity_name;  // the entity's name once set up
    const char* body_name;    // its physics object's tag
    std::int32_t prefab_id;   // its model in the prefab table
    bool on_the_ground;       // placed at kGroundHeight whatever the level says
};

class cItem : public Engine::cEntity, public iLevelObject {
public:
    // The collision group of every item's body.
    static constexpr const char* kCollisionGroup = "Item";
    static constexpr float kRestitution = 0.01f;
    // Keys and candy hover half a unit above the ground (the ground plane's
    // top at -0.9), within reach of the kid's body standing on it.
    static constexpr float kGroundHeight = -0.9f + 0.5f;
    // Seconds of one full turn.
    static constexpr float kSpinPeriod = 3.0f;
    // A body without a loaded mesh is a cube of this half size.
    static constexpr float kDefaultHalfSize = 0.5f;

    // Places the item as the level says (keys and candy at kGroundHeight),
    // turned about the vertical axis, with its model, body and machine; takes
    // the level's kid and the item's ordinal.
    bool SetUpFromLevel(const LevelObjectValues& values) override;
    // Destroys the machine, then tears the entity down.
    void Reset() override;
    // Runs the machine while the item is in play.
    void Update(float dt) override;

    // The kid's body touched the item's.
    virtual void OnKidTouch();
    // The stroke's body touched the item's.
    virtual void OnStrokeTouch();

    // The callback every item's body carries: routes the contact by the other body's name.
    static std::int32_t OnCollision(Engine::iPhysicsCmp* self, Engine::iPhysicsCmp* other);

    eItemState State() const;
    const sItemKind& Kind() const { return kind; }

    cKid* kid = nullptr;
    std::uint32_t item_id = 0;
    bool collected = false;
    float spin_time = 0.0f;
    float spin_period = kSpinPeriod;

protected:
    explicit cItem(const sItemKind& item_kind) : kind(item_kind) {}

    // The kind's sparkles at the item's place as it is collected.
    virtual void FireCollectEffect();
    // Deactivates the item and queues it with the game factory, once.
    void Remove();

private:
    void CreateBody();
    void BuildMachine();

    // State callbacks.
    void Nothing() {}
    void NothingUpdate(float /*dt*/) {}
    void SpinEnter();
    void SpinUpdate(float dt);
    void CollectEnter();

    // Trigger conditions.
    bool Always() { return true; }
    bool Collected() { return collected; }

    sItemKind kind;
    std::unique_ptr<Engine::cStateMachine<cItem>> machine;
    Engine::iState* wait = nullptr;
    Engine::iState* spin = nullptr;
    Engine::iState* collect = nullptr;
};

}  // namespace Game
