#include "engine/render/scene/cCameraGfxCmp.h"

#include <cmath>
#include <string>

#include "engine/core/Vector4.h"
#include "engine/core/cLog.h"
#include "engine/render/ProjectionMatrices.h"
#include "engine/render/scene/iCameraSlot.h"

namespace Engine {

void cCameraGfxCmp::Initialise(const Vector3& new_eye, const Vector3& new_target, const Vector3& new_up,
                               float field_of_view, float near_plane, float far_plane) {
    eye = new_eye;
    target = new_target;
    up = new_up;
    fieldOfView = field_of_view;
    near = near_plane;
    far = far_plane;
}

void cCameraGfxCmp::FitToViewport(float width, float height) {
    viewportWidth = width;
    viewportHeight = height;
    aspect = height > 0.0f ? width / height : 1.0f;
}

void cCameraGfxCmp::Reset() {
    eye = target = up = Vector3{};
    fieldOfView = kResetFieldOfView;
    aspect = near = far = 0.0f;
    if (slot && slot->ActiveCamera() == this) slot->SetCamera(nullptr);
}

Matrix4x4 cCameraGfxCmp::ViewMatrix() const { return LookAtRH(eye, target, up); }

Matrix4x4 cCameraGfxCmp::ProjectionMatrix() const {
    const float c = 1.0f / std::tan(fieldOfView * kDegreesToRadians / 2.0f);
    Matrix4x4 projection{};
    projection.m[0][0] = c / aspect;
    projection.m[1][1] = c;
    projection.m[2][2] = (far + near) / (far - near);
    projection.m[2][3] = 2.0f * far * near / (far - near);
    projection.m[3][2] = -1.0f;
    return projection;
}

Vector3 cCameraGfxCmp::ProjectToDevice(const Vector3& point) const {
    const Vector4 q = ProjectionMatrix() * (ViewMatrix() * Vector4{point, 1.0f});
    return Vector3{q.x / q.w, q.y / q.w, q.z / q.w};
}

Vector3 cCameraGfxCmp::ProjectToScreen(const Vector3& point) const {
    const Vector3 n = ProjectToDevice(point);
    return Vector3{(n.x + 1.0f) / 2.0f * viewportWidth, viewportHeight - (n.y + 1.0f) / 2.0f * viewportHeight, n.z};
}

UnitPoint cCameraGfxCmp::ProjectToUnit(const Vector3& point) const {
    const Vector3 n = ProjectToDevice(point);
    return UnitPoint{(n.x + 1.0f) / 2.0f, (n.y + 1.0f) / 2.0f};
}

Ray cCameraGfxCmp::MouseRay(uint32_t pixel_x, uint32_t pixel_y) const {
    float x_n = 0.0f;
    float y_n = 0.0f;
    if (viewportWidth > 0.0f && viewportHeight > 0.0f) {
        x_n = 2.0f * static_cast<float>(pixel_x) / viewportWidth - 1.0f;
        y_n = 1.0f - 2.0f * static_cast<float>(pixel_y) / viewportHeight;
    } else {
        LogError("mouse ray through a camera viewport of " + std::to_string(viewportWidth) + " x " +
                 std::to_string(viewportHeight) + "; the ray goes through the middle");
    }
    const float h = near * std::tan(fieldOfView * kDegreesToRadians * 0.5f);
    const Vector3 c{aspect * h * x_n, h * y_n, -near};
    const Vector3 f = Normalise(target - eye);
    const Vector3 r = Normalise(Cross(f, Normalise(up)));
    const Vector3 u = Normalise(Cross(r, f));
    const Vector3 origin = eye + r * c.x + u * c.y - f * c.z;
    return Ray{origin, Normalise(origin - eye)};
}

Vector3 cCameraGfxCmp::ProjectThroughActive(const iCameraSlot& camera_slot, const Vector3& point) {
    const cCameraGfxCmp* camera = camera_slot.ActiveCamera();
    return camera ? camera->ProjectToScreen(point) : Vector3{};
}

}  // namespace Engine
