#pragma once
// cCameraGfxCmp: where a scene is seen from. Eye, target and up place the
// view (right-handed look-at); the vertical field of view in degrees, the
// aspect and the near and far planes make the perspective; the viewport size
// in pixels turns projected points into screen positions. The game state
// that owns a camera copies the aspect and viewport size from the
// renderer's main viewport; the scene renderer makes one camera the active
// one (iCameraSlot) and applies it each frame.
//
// ProjectToScreen takes a world point through view and projection to pixels
// from the top-left corner of the viewport; z is the projected depth, which
// runs from 1 at the near plane to -1 at the far plane. ProjectToUnit gives
// the same point as (u, v) from 0 to 1 with v up. MouseRay goes the other
// way: from the eye through a pixel's point on the near plane.
//
// A reset camera (eye, target and up at the origin, field of view 90,
// aspect and planes 0) stops being the active camera if it was. Camera
// entities derive from this component and override SetEye, SetTarget and
// Initialise to keep their orbit angles.

#include <cstdint>

#include "engine/core/Matrix4x4.h"
#include "engine/core/Vector3.h"
#include "engine/physics/Ray.h"

namespace Engine {

class iCameraSlot;

// A point on the viewport as fractions of its width and height, v up.
struct UnitPoint {
    float u = 0.0f;
    float v = 0.0f;
};

class cCameraGfxCmp {
public:
    static constexpr float kDegreesToRadians = 0.017453292f;
    static constexpr float kResetFieldOfView = 90.0f;

    virtual void SetEye(const Vector3& point) { eye = point; }
    virtual void SetTarget(const Vector3& point) { target = point; }
    // Stores the view and the field of view (degrees) and planes; aspect and viewport stay.
    virtual void Initialise(const Vector3& new_eye, const Vector3& new_target, const Vector3& new_up,
                            float field_of_view, float near_plane, float far_plane);
    virtual ~cCameraGfxCmp() = default;

    // Clears the view and projection and leaves the active-camera slot if it holds this camera.
    void Reset();
    // Takes the picture's size in pixels and its aspect from it (1 for a picture without height).
    void FitToViewport(float width, float height);
    // The slot Reset checks; the scene renderer's.
    void SetCameraSlot(iCameraSlot* camera_slot) { slot = camera_slot; }

    // The point in viewport pixels from the top left, with its projected depth.
    Vector3 ProjectToScreen(const Vector3& point) const;
    // The point as fractions of the viewport, v up.
    UnitPoint ProjectToUnit(const Vector3& point) const;
    // The ray from the eye through a pixel (from the viewport's top left);
    // a viewport without a size is logged and the ray goes through its middle.
    Ray MouseRay(uint32_t pixel_x, uint32_t pixel_y) const;
    // ProjectToScreen through the slot's active camera; (0, 0, 0) when there is none.
    static Vector3 ProjectThroughActive(const iCameraSlot& camera_slot, const Vector3& point);

    // The look-at matrix of eye, target and up.
    Matrix4x4 ViewMatrix() const;
    // The projection ProjectToScreen uses.
    Matrix4x4 ProjectionMatrix() const;

    Vector3 eye;
    Vector3 target;
    Vector3 up;
    float fieldOfView = kResetFieldOfView;
    float aspect = 0.0f;
    float near = 0.0f;
    float far = 0.0f;
    float viewportWidth = 0.0f;
    float viewportHeight = 0.0f;

private:
    // The point in normalised device coordinates (x, y and depth from -1 to 1).
    Vector3 ProjectToDevice(const Vector3& point) const;

    iCameraSlot* slot = nullptr;
};

}  // namespace Engine
