#include "tests/support/PlaythroughBot.h"

#include <cmath>
#include <limits>

#include "engine/entity/cEntity.h"
#include "engine/entity/cSceneManager.h"
#include "engine/platform/VirtualKeys.h"
#include "engine/platform/cInputScript.h"
#include "engine/render/scene/cCameraGfxCmp.h"
#include "game/data/cLevelManager.h"
#include "game/entities/cBaseEnemy.h"
#include "game/entities/cKid.h"
#include "game/entities/cStroke.h"

namespace TestSupport {

using Engine::Vector3;
using eAction = Engine::cInputScript::eAction;

namespace {

// sin 22.5 degrees: beyond it a direction's component presses its key, so
// the eight key combinations each cover 45 degrees. A key held stays held a
// little inside the line and a free one needs a little beyond it, so that a
// way along the line does not press and release the key every frame.
constexpr float kKeyThreshold = 0.38268343f;
constexpr float kKeyHysteresis = 0.05f;
// Below this the kid stands on the point she heads for: no key is needed.
constexpr float kOnThePoint = 0.05f;
constexpr int kLeftButton = 0;

Vector3 Flat(const Vector3& v) { return {v.x, 0.0f, v.z}; }

float FlatDistance(const Vector3& a, const Vector3& b) { return Engine::Length(Flat(a - b)); }

// The point over p where the stroke flies: it reads the mouse on its own plane.
Vector3 OnStrokePlane(const Vector3& p) { return {p.x, Game::cStroke::kPlaneHeight, p.z}; }

Vector3 CameraLook(const Engine::cCameraGfxCmp& camera) { return Flat(camera.target - camera.eye); }

// The camera's right on the ground, as the kid reads D.
Vector3 CameraRight(const Engine::cCameraGfxCmp& camera) {
    return Engine::Normalise(Engine::Cross(Engine::Normalise(CameraLook(camera)), {0.0f, 1.0f, 0.0f}));
}

void Push(eAction action, int32_t first, int32_t second = 0) {
    Engine::cInputScript::Event event;
    event.action = action;
    event.first = first;
    event.second = second;
    Engine::cInputScript::Push(event);
}

void PushKey(int key, bool down) { Push(down ? eAction::KeyDown : eAction::KeyUp, key); }

}  // namespace

PlaythroughBot::Keys PlaythroughBot::KeysToward(const Vector3& direction, const Vector3& camera_look,
                                                const Keys& held) {
    Keys keys;
    const Vector3 way = Flat(direction);
    if (Engine::Length(way) < kOnThePoint || Engine::Length(Flat(camera_look)) < kOnThePoint) return keys;
    const Vector3 unit = Engine::Normalise(way);
    const Vector3 forward = Engine::Normalise(Flat(camera_look));
    const Vector3 right = Engine::Normalise(Engine::Cross(forward, {0.0f, 1.0f, 0.0f}));
    const float ahead = Engine::Dot(unit, forward);
    const float across = Engine::Dot(unit, right);
    const auto threshold = [](bool was_held) { return kKeyThreshold + (was_held ? -kKeyHysteresis : kKeyHysteresis); };
    keys.w = ahead > threshold(held.w);
    keys.s = -ahead > threshold(held.s);
    keys.d = across > threshold(held.d);
    keys.a = -across > threshold(held.a);
    return keys;
}

void PlaythroughBot::Step(float dt) {
    Game::cLevelManager& levels = Game::cLevelManager::Instance();
    const auto* kid = dynamic_cast<const Game::cKid*>(levels.kid);
    const auto* camera = dynamic_cast<const Engine::cCameraGfxCmp*>(levels.game_camera);
    if (kid == nullptr || camera == nullptr || won) return;
    if (!started) {
        if (!own_path) waypoints = levels.waypoints;
        armed_from = kid->position;
        started = true;
    }
    if (kid->HasWon()) {
        won = true;
        ReleaseAll();
        return;
    }
    if (kid->IsDead()) {
        was_dead = true;
        ReleaseAll();
        return;
    }
    if (was_dead) ResumeAfterDeath(kid->position);
    Walk(*kid, *camera, dt);
    Fight(*kid, *camera, dt);
}

void PlaythroughBot::ReleaseAll() {
    HoldKeys(Keys{});
    HoldButton(false);
}

// ---- Walking ---------------------------------------------------------------------

void PlaythroughBot::Walk(const Game::cKid& kid, const Engine::cCameraGfxCmp& camera, float dt) {
    AdvanceWaypoints(kid.position);
    Vector3 way = WayFrom(kid.position);
    if (kid.IsFrozen()) {
        check_timer = 0.0f;
        check_point = kid.position;
    } else if (SteppingAside(kid.position, dt)) {
        way = Engine::Cross(Engine::Normalise(way), {0.0f, aside_sign, 0.0f});
    }
    HoldKeys(KeysToward(way, CameraLook(camera), held));
}

void PlaythroughBot::AdvanceWaypoints(const Vector3& at) {
    while (next_waypoint + 1 < waypoints.size() && FlatDistance(at, waypoints[next_waypoint]) < tuning.arrive_radius) {
        ++next_waypoint;
    }
    if (next_waypoint + 1 == waypoints.size() && FlatDistance(at, waypoints.back()) < tuning.arrive_radius) {
        next_waypoint = waypoints.size();
    }
}

// Toward the next waypoint, or the last one once all are passed.
Vector3 PlaythroughBot::WayFrom(const Vector3& at) const {
    if (waypoints.empty()) return {};
    const std::size_t index = next_waypoint < waypoints.size() ? next_waypoint : waypoints.size() - 1;
    return Flat(waypoints[index] - at);
}

bool PlaythroughBot::SteppingAside(const Vector3& at, float dt) {
    if (!armed) {
        // The kid may stand through an intro first; the rule starts once she walks.
        armed = FlatDistance(at, armed_from) > tuning.stuck_distance;
        check_point = at;
        check_timer = 0.0f;
        return false;
    }
    if (aside_timer > 0.0f) {
        aside_timer -= dt;
        return true;
    }
    check_timer += dt;
    if (check_timer < tuning.stuck_seconds) return false;
    const bool stuck = FlatDistance(at, check_point) < tuning.stuck_distance && next_waypoint < waypoints.size();
    check_timer = 0.0f;
    check_point = at;
    if (!stuck) return false;
    ++unsticks;
    aside_sign = -aside_sign;
    aside_timer = tuning.unstick_seconds;
    return true;
}

void PlaythroughBot::ResumeAfterDeath(const Vector3& at) {
    was_dead = false;
    armed = false;
    armed_from = at;
    aside_timer = 0.0f;
    float nearest = std::numeric_limits<float>::max();
    for (std::size_t i = 0; i < waypoints.size(); ++i) {
        const float distance = FlatDistance(at, waypoints[i]);
        if (distance < nearest) {
            nearest = distance;
            next_waypoint = i;
        }
    }
}

// ---- Fighting --------------------------------------------------------------------

void PlaythroughBot::Fight(const Game::cKid& kid, const Engine::cCameraGfxCmp& camera, float dt) {
    const Game::cBaseEnemy* enemy = NearestEnemy(kid.position);
    if (enemy == nullptr) {
        HoldButton(false);
        MoveMouseTo(camera, OnStrokePlane(kid.position));
        return;
    }
    // A triangle wave across the enemy: the stroke moves every frame, fast
    // enough to slash, and passes through the enemy twice a period.
    sweep_phase = std::fmod(sweep_phase + dt / tuning.sweep_period, 2.0f);
    const float across = sweep_phase < 1.0f ? 2.0f * sweep_phase - 1.0f : 3.0f - 2.0f * sweep_phase;
    const Vector3 side = CameraRight(camera) * (across * tuning.sweep_half_width);
    MoveMouseTo(camera, OnStrokePlane(enemy->position) + side);
    HoldButton(true);
    ++sweep_frames;
}

const Game::cBaseEnemy* PlaythroughBot::NearestEnemy(const Vector3& at) const {
    const Game::cBaseEnemy* nearest = nullptr;
    float best = tuning.engage_range;
    for (Engine::cEntity* entity : Engine::cSceneManager::Instance().GetEntities()) {
        const auto* enemy = dynamic_cast<const Game::cBaseEnemy*>(entity);
        if (enemy == nullptr || !enemy->active || enemy->IsDead() || enemy->dying) continue;
        const float distance = FlatDistance(at, enemy->position);
        if (distance <= best) {
            best = distance;
            nearest = enemy;
        }
    }
    return nearest;
}

// ---- Input -----------------------------------------------------------------------

void PlaythroughBot::HoldKeys(const Keys& wanted) {
    const struct {
        bool Keys::*key;
        int code;
    } kKeys[] = {{&Keys::w, Engine::kVK_W}, {&Keys::a, Engine::kVK_A}, {&Keys::s, Engine::kVK_S}, {&Keys::d, Engine::kVK_D}};
    for (const auto& entry : kKeys) {
        if (held.*entry.key != wanted.*entry.key) PushKey(entry.code, wanted.*entry.key);
    }
    held = wanted;
}

void PlaythroughBot::HoldButton(bool down) {
    if (button_held == down) return;
    Push(down ? eAction::ButtonDown : eAction::ButtonUp, kLeftButton);
    button_held = down;
}

// The point's pixel, as the stroke reads the mouse: from the viewport's top left.
void PlaythroughBot::MoveMouseTo(const Engine::cCameraGfxCmp& camera, const Vector3& point) {
    const Vector3 pixel = camera.ProjectToScreen(point);
    if (!std::isfinite(pixel.x) || !std::isfinite(pixel.y)) return;
    const auto x = static_cast<int32_t>(std::lround(pixel.x));
    const auto y = static_cast<int32_t>(std::lround(pixel.y));
    if (x == mouse_x && y == mouse_y) return;
    Push(eAction::Move, x, y);
    mouse_x = x;
    mouse_y = y;
}

}  // namespace TestSupport
