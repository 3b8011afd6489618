#pragma once
// cDevCamera: the free developer camera (type 6), steered with the mouse by
// polling the mouse and keyboard state each frame:
//
//   Alt + wheel up          one unit closer to the target, unless already within the
//                           square root of 2 of it
//   Alt + wheel down        one unit away from the target, without limit
//   Alt + middle button     orbit: half a degree per pixel around the target
//                           (sideways for horizontal motion; moving down raises the eye)
//   middle button alone     pan: slides eye and target over the ground at 50 units
//                           per second, against the mouse sideways and with it forward
//
// The scene editor steers its view with it; the menu and results screens
// freeze theirs, which then keeps whatever eye and target they gave it.

#include <cstdint>

#include "engine/render/scene/cCameraEntity.h"
#include "game/entities/eGameEntityTypes.h"

namespace Game {

class cDevCamera : public Engine::cCameraEntity {
public:
    static constexpr float kPanSpeed = 50.0f;
    static constexpr float kOrbitDegreesPerPixel = 0.5f;
    // Squared distance to the target at or below which the wheel brings the eye no closer.
    static constexpr float kClosestSquared = 2.0f;

    std::int32_t GetType() const override { return GAME_ENT_TYPES::DEV_CAMERA; }

    // A view from (0, 0, -1) at the origin, field of view 90, not frozen; the
    // mouse position now is where the next motion counts from.
    void Setup();
    // One frame of mouse steering, unless frozen.
    void Update(float dt) override;

    bool frozen = false;
    std::int32_t last_mouse_x = 0;
    std::int32_t last_mouse_y = 0;

private:
    void Orbit(std::int32_t x, std::int32_t y);
    void Pan(std::int32_t x, std::int32_t y, float dt);
};

}  // namespace Game
