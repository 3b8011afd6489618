#include "engine/render/scene/cCameraEntity.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "engine/core/MathConstants.h"
#include "engine/entity/cSceneManager.h"

namespace Engine {

void cCameraEntity::Reset() {
    distance = latitude = azimuth = 0.0f;
    cSceneManager::Instance().RemoveCamera(this);
    cCameraGfxCmp::Reset();
}

void cCameraEntity::Update(float) {}

void cCameraEntity::SetEye(const Vector3& point) {
    eye = point;
    UpdateAngles();
}

void cCameraEntity::SetTarget(const Vector3& point) {
    target = point;
    UpdateAngles();
}

void cCameraEntity::Initialise(const Vector3& new_eye, const Vector3& new_target, const Vector3& new_up,
                               float field_of_view, float near_plane, float far_plane) {
    cCameraGfxCmp::Initialise(new_eye, new_target, new_up, field_of_view, near_plane, far_plane);
    UpdateAngles();
    // Stepping a camera twice a frame would run its blends at double speed.
    cSceneManager& scene = cSceneManager::Instance();
    const auto& cameras = scene.GetCameras();
    if (std::find(cameras.begin(), cameras.end(), this) == cameras.end()) scene.AddCamera(this);
}

void cCameraEntity::UpdateAngles() {
    const Vector3 d = target - eye;
    distance = Length(d);
    const float r = d.y / distance;
    // A zero distance makes r undefined (NaN), which fails the test below and counts as straight down.
    if (!(r > -1.0f)) {
        latitude = -90.0f;
    } else if (r >= 1.0f) {
        latitude = 90.0f;
    } else {
        latitude = RadToDeg(std::asin(r));
    }
    azimuth = RadToDeg(std::atan2(-d.z, d.x));
}

void cCameraEntity::PlaceTarget() {
    const float lat = DegToRad(latitude);
    const float az = DegToRad(azimuth);
    target = eye + distance * Vector3{std::cos(lat) * std::cos(az), std::sin(lat), -std::cos(lat) * std::sin(az)};
}

void cCameraEntity::SetOrbitLatitude(float l) {
    SwapEyeAndTarget();
    UpdateAngles();
    latitude = l;
    PlaceTarget();
    SwapEyeAndTarget();
    UpdateAngles();
}

void cCameraEntity::SetOrbitAzimuth(float a) {
    SwapEyeAndTarget();
    UpdateAngles();
    azimuth = a;
    PlaceTarget();
    SwapEyeAndTarget();
    UpdateAngles();
}

void cCameraEntity::MoveLocal(const Vector3& v) {
    const Vector3 f = Normalise(target - eye);
    const Vector3 r = Normalise(Cross(f, Vector3{0.0f, 1.0f, 0.0f}));
    const Vector3 u = Normalise(Cross(-f, r));
    eye += v.x * r + v.y * u + v.z * f;
    PlaceTarget();
}

void cCameraEntity::SwapEyeAndTarget() { std::swap(eye, target); }

}  // namespace Engine
