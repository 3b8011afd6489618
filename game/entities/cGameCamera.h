#pragma once
// cGameCamera: the camera of play (type 5). It follows the entity that
// `follow` points at (the gameplay state's kid pointer, read afresh every
// frame) from the fixed angle and distance of "GameCamera.xml": the eye sits
// at the azimuth and latitude given, seen from one unit above the kid, about
// the distance away. A camera trigger or the win point hands it a cinematic
// shot: the camera glides to the shot over the blend time (eased in and out),
// holds it for three seconds and glides back, and has_control is set for the
// whole of it so that the gameplay state holds the kid still.
//
//   Follow --shot pending--> BlendIn --blend done--> Hold --hold over--> BlendOut --blend done--> Follow
//
// A blend time of 0 finishes its blend at once: the camera takes the end pose
// in the blend's first frame. At set-up a pending empty shot runs the machine
// once through its states in four frames (the set-up's hold of 0 counts as
// pending); until a real shot has been given, every pose is the follow pose.
// A shot started while another runs takes over at once, whatever the state.
// The machine runs only while `follow` is set.

#include <cstdint>
#include <memory>  // std::unique_ptr owns the machine

#include "engine/core/Vector3.h"
#include "engine/entity/cStateMachine.h"
#include "engine/render/scene/cCameraEntity.h"
#include "game/entities/LevelObjectValues.h"
#include "game/entities/iCinematicCamera.h"
#include "game/entities/eGameEntityTypes.h"

namespace Engine {
class iState;
}

namespace Game {

// Where the game camera's machine is.
enum class eGameCameraState { None, Follow, BlendIn, Hold, BlendOut };

class cGameCamera : public Engine::cCameraEntity, public iCinematicCamera {
public:
    static constexpr float kShotHold = 3.0f;
    // The follow pose looks this far above the followed entity's position.
    static constexpr float kLookHeight = 1.0f;

    std::int32_t GetType() const override { return GAME_ENT_TYPES::GAME_CAMERA; }

    // Initialises the view (field of view 10), reads "GameCamera.xml" and
    // starts the machine in Follow. Called once after the factory made it.
    void Setup();
    // Plays shot: its angles, distance and target, a hold of three seconds
    // and its blend time; the blend restarts from 0.
    void StartShot(const CinematicTarget& shot) override;
    // One step of the machine, while follow is set.
    void Update(float dt) override;
    // Drops the machine, tears the camera down and forgets the followed pointer.
    void Reset() override;

    // The state the machine is in; None before Setup.
    eGameCameraState State() const;

    float base_azimuth = 0.0f;
    float base_latitude = 0.0f;
    float base_distance = 0.0f;
    float shot_azimuth = 0.0f;
    float shot_latitude = 0.0f;
    float shot_distance = 1.0f;
    Engine::Vector3 shot_target{1.0f, 1.0f, 1.0f};
    float shot_hold = 0.0f;    // seconds of hold left; a shot is pending or running while >= 0
    bool has_control = false;  // from the start of BlendIn to the end of BlendOut
    float blend_time = 0.0f;
    float blend_timer = 0.0f;
    // The owner's pointer to the entity to follow; the camera reads it every frame.
    Engine::iBaseEntity* const* follow = nullptr;

private:
    using Machine = Engine::cStateMachine<cGameCamera>;

    void BuildMachine();

    // Where the followed entity stands; the origin when it is gone or not placed.
    Engine::Vector3 FollowPoint() const;
    // Looks at look_at from eye_start swung to the azimuth and latitude around it.
    void Pose(const Engine::Vector3& look_at, const Engine::Vector3& eye_start, float at_azimuth, float at_latitude);
    void FollowPose();
    void ShotPose();
    // The pose a fraction w of the way from the follow values to the shot's.
    void BlendPose(float w);
    // The eased share of the blend done, at most 1; 1 for a blend time of 0.
    float BlendWeight() const;

    void Nothing() {}
    void FollowUpdate(float dt);
    void BlendInEnter();
    void BlendInUpdate(float dt);
    void HoldUpdate(float dt);
    void BlendOutEnter();
    void BlendOutUpdate(float dt);
    void BlendOutExit();
    bool ShotPending();
    bool BlendDone();
    bool HoldOver();

    std::unique_ptr<Machine> machine;
    Engine::iState* follow_state = nullptr;
    Engine::iState* blend_in_state = nullptr;
    Engine::iState* hold_state = nullptr;
    Engine::iState* blend_out_state = nullptr;
    // Whether a shot has been started; until then the shot poses show the follow pose.
    bool has_shot = false;
};

}  // namespace Game
