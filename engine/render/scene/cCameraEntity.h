#pragma once
// cCameraEntity: a camera that is also an entity (engine type 0). It is its
// own camera component and keeps, beside eye and target, their orbit
// coordinates: the distance between them, the latitude (the target's
// elevation seen from the eye, degrees, positive up) and the azimuth (the
// target's direction seen from the eye in the ground plane, degrees from +X
// toward -Z). Every SetEye and SetTarget brings the three up to date, so game
// code can swing the eye around the target, or the target around the eye, by
// angle.
//
// Initialise registers the camera with the scene manager, which steps it once
// per frame after the entities; Reset takes it off again and clears the view.
// A camera initialised twice is still registered once.

#include <cstdint>

#include "engine/core/Vector3.h"
#include "engine/entity/eEngineEntityTypes.h"
#include "engine/entity/iCameraEntity.h"
#include "engine/render/scene/cCameraGfxCmp.h"

namespace Engine {

class cCameraEntity : public iCameraEntity, public cCameraGfxCmp {
public:
    std::int32_t GetType() const override { return ENGINE_ENT_TYPES::CAMERA_ENTITY; }
    // Clears the angles, leaves the scene manager's cameras and resets the view.
    void Reset() override;
    // Nothing for a plain camera entity.
    void Update(float dt) override;

    void SetEye(const Vector3& point) override;
    void SetTarget(const Vector3& point) override;
    // Stores the view as the component does, updates the angles and registers the camera.
    void Initialise(const Vector3& new_eye, const Vector3& new_target, const Vector3& new_up, float field_of_view,
                    float near_plane, float far_plane) override;

    // Distance, latitude and azimuth from the present eye and target; eye on
    // target gives distance 0 and latitude -90.
    void UpdateAngles();
    // Puts the target at distance, latitude and azimuth from the eye.
    void PlaceTarget();
    // Moves the eye on the sphere around the target to the elevation (or
    // direction) l seen from the target, keeping the distance and the other angle.
    void SetOrbitLatitude(float l);
    void SetOrbitAzimuth(float a);
    // Moves the eye along its own right, up and forward axes by v; the target goes along.
    void MoveLocal(const Vector3& v);

    float distance = 0.0f;
    float latitude = 0.0f;
    float azimuth = 0.0f;

private:
    // Exchanges eye and target (without touching the angles).
    void SwapEyeAndTarget();
};

}  // namespace Engine
