#include "game/entities/cDevCamera.h"

#include "engine/platform/VirtualKeys.h"
#include "engine/platform/cKeyboardState.h"
#include "engine/platform/cMouseState.h"

namespace Game {

namespace {

using Engine::Vector3;

constexpr int kMiddleButton = 2;

}  // namespace

void cDevCamera::Setup() {
    Initialise({0.0f, 0.0f, -1.0f}, {0.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f}, 90.0f, 0.1f, 100.0f);
    const Engine::cMouseState& mouse = Engine::cMouseState::Instance();
    last_mouse_x = mouse.X();
    last_mouse_y = mouse.Y();
    frozen = false;
}

void cDevCamera::Update(float dt) {
    if (frozen) return;
    const Engine::cMouseState& mouse = Engine::cMouseState::Instance();
    const bool alt = Engine::cKeyboardState::Instance().IsDown(Engine::kVK_MENU);
    const std::int32_t x = mouse.X();
    const std::int32_t y = mouse.Y();
    if (alt && mouse.WheelUp()) {
        const Vector3 d = target - eye;
        if (LengthSquared(d) > kClosestSquared) SetEye(eye + Normalise(d));
    } else if (!(alt && mouse.WheelDown()) && mouse.IsButtonDown(kMiddleButton)) {
        if (alt) {
            Orbit(x, y);
        } else {
            Pan(x, y, dt);
        }
    }
    if (alt && mouse.WheelDown()) SetEye(eye - Normalise(target - eye));
    last_mouse_x = x;
    last_mouse_y = y;
}

// The angles given are the eye's as seen from the target, the opposite of the camera's own.
void cDevCamera::Orbit(std::int32_t x, std::int32_t y) {
    SetOrbitAzimuth(azimuth - 180.0f + kOrbitDegreesPerPixel * static_cast<float>(last_mouse_x - x));
    SetOrbitLatitude(kOrbitDegreesPerPixel * static_cast<float>(y - last_mouse_y) - latitude);
}

// The speed is fixed; the mouse gives only the direction.
void cDevCamera::Pan(std::int32_t x, std::int32_t y, float dt) {
    Vector3 f = target - eye;
    f.y = 0.0f;
    f = Normalise(f);
    const Vector3 r{-f.z, 0.0f, f.x};
    const Vector3 m =
        Normalise(Vector3{static_cast<float>(last_mouse_x - x), static_cast<float>(y - last_mouse_y), 0.0f});
    const Vector3 move = kPanSpeed * dt * (m.x * r + m.y * f);
    SetTarget(target + move);
    SetEye(eye + move);
}

}  // namespace Game
