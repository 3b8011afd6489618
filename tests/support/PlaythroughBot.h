#pragma once
// PlaythroughBot: a player for tests that walks the kid through a level and
// fights on the way, through the real input path only. Each frame, before
// the game's input step, it reads the game (the level manager's kid, game
// camera and waypoints, the live enemies) and pushes SDL events: W, A, S, D
// key downs and ups, mouse moves and the left button. It never writes an
// entity, so whatever it does a person could do, and a record of its run
// replays like one.
//
// Walking: the kid heads for the level's waypoints in order; the keys are the
// one of eight directions (relative to the camera, as the kid reads them)
// nearest the way to the next point. A waypoint counts as reached within
// arrive_radius; after the last one the bot keeps heading there until the
// kid has won, then lets go of everything.
//
// Fighting: when a live enemy is within engage_range of the kid, the left
// button is held and the mouse swings to and fro across the nearest one
// (sweep_half_width either side, across the camera's view, one way in
// sweep_period), every frame, so the stroke slashes through it; with no
// enemy near, the button is released and the mouse rests over the kid.
//
// Holds and setbacks: while the kid is frozen (the camera plays a shot) or
// dead, nothing counts as stuck; after a death the walk resumes from the
// waypoint nearest where she stands again. Unsticking: when the kid, free and
// walking, has moved less than stuck_distance in stuck_seconds, she walks
// across the way (left, then right the next time) for unstick_seconds.

#include <cstdint>
#include <utility>
#include <vector>

#include "engine/core/Vector3.h"

namespace Engine {
class cCameraGfxCmp;
}

namespace Game {
class cKid;
class cBaseEnemy;
}  // namespace Game

namespace TestSupport {

class PlaythroughBot {
public:
    struct Tuning {
        float arrive_radius = 0.75f;
        float engage_range = 6.0f;
        float sweep_half_width = 1.5f;
        float sweep_period = 0.2f;  // seconds for one pass across the enemy
        float stuck_seconds = 0.8f;
        float stuck_distance = 0.25f;
        float unstick_seconds = 0.6f;
    };

    // The movement keys held.
    struct Keys {
        bool w = false;
        bool a = false;
        bool s = false;
        bool d = false;
        bool operator==(const Keys&) const = default;
    };

    PlaythroughBot() = default;
    explicit PlaythroughBot(Tuning tuning) : tuning(tuning) {}

    // A path of the caller's own instead of the level's waypoints (set before the first Step).
    void SetWaypoints(std::vector<Engine::Vector3> path) {
        waypoints = std::move(path);
        own_path = true;
    }

    // One frame's play; dt is the frame's step. Does nothing while the level
    // has no kid or no game camera.
    void Step(float dt);
    // Pushes the releases of every key and button held.
    void ReleaseAll();

    // The keys of the one of eight directions nearest direction (on the
    // ground), with the camera looking along camera_look; none for a null
    // direction. Keys in held keep their place a few degrees past the border
    // between two directions.
    static Keys KeysToward(const Engine::Vector3& direction, const Engine::Vector3& camera_look,
                           const Keys& held);
    static Keys KeysToward(const Engine::Vector3& direction, const Engine::Vector3& camera_look) {
        return KeysToward(direction, camera_look, Keys{});
    }

    bool KidHasWon() const { return won; }
    // The index of the waypoint headed for; the waypoint count once all are passed.
    std::size_t NextWaypoint() const { return next_waypoint; }
    std::size_t WaypointCount() const { return waypoints.size(); }
    unsigned Unsticks() const { return unsticks; }
    // Frames spent with the button held over an enemy.
    unsigned SweepFrames() const { return sweep_frames; }

private:
    void Walk(const Game::cKid& kid, const Engine::cCameraGfxCmp& camera, float dt);
    void AdvanceWaypoints(const Engine::Vector3& at);
    Engine::Vector3 WayFrom(const Engine::Vector3& at) const;
    // The stuck rule's clock; true while the bot steps aside.
    bool SteppingAside(const Engine::Vector3& at, float dt);
    void Fight(const Game::cKid& kid, const Engine::cCameraGfxCmp& camera, float dt);
    const Game::cBaseEnemy* NearestEnemy(const Engine::Vector3& at) const;
    void ResumeAfterDeath(const Engine::Vector3& at);

    void HoldKeys(const Keys& wanted);
    void HoldButton(bool down);
    void MoveMouseTo(const Engine::cCameraGfxCmp& camera, const Engine::Vector3& point);

    Tuning tuning;
    std::vector<Engine::Vector3> waypoints;
    bool own_path = false;
    bool started = false;
    std::size_t next_waypoint = 0;
    bool won = false;
    bool was_dead = false;

    // The stuck rule: armed once the kid has moved; the place and time of the last check.
    bool armed = false;
    Engine::Vector3 armed_from;
    Engine::Vector3 check_point;
    float check_timer = 0.0f;
    float aside_timer = 0.0f;
    float aside_sign = 1.0f;
    unsigned unsticks = 0;

    float sweep_phase = 0.0f;  // 0 to 2: out across the enemy and back
    unsigned sweep_frames = 0;

    Keys held;
    bool button_held = false;
    int32_t mouse_x = -1;
    int32_t mouse_y = -1;
};

}  // namespace TestSupport
