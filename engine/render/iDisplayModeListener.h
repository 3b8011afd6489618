#pragma once
// iDisplayModeListener: told after a change of resolution or full screen,
// once every device object is back and the default states are applied, so
// that it can recompute what depends on the back-buffer size (the scene
// renderer's viewports).

namespace Engine {

class iDisplayModeListener {
public:
    virtual ~iDisplayModeListener() = default;
    // The back buffer has a new size or mode.
    virtual void OnDisplayModeChanged() = 0;
};

}  // namespace Engine
