#pragma once
// iCameraSlot: the one camera a scene is drawn from. The scene renderer
// holds it; billboards turn to face its eye and screen projections go
// through it. A camera that is reset leaves the slot if it holds it.

namespace Engine {

class cCameraGfxCmp;

class iCameraSlot {
public:
    virtual ~iCameraSlot() = default;

    // The active camera, or null.
    virtual cCameraGfxCmp* ActiveCamera() const = 0;
    // Makes the camera the active one; null leaves no camera active.
    virtual void SetCamera(cCameraGfxCmp* camera) = 0;
};

}  // namespace Engine
