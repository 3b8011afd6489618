#pragma once
// The process-wide scene renderer and the model components it draws.
//
// Start-up creates the scene renderer once the device and the resource
// managers exist, with the pool every entity takes its model from (bound to
// the renderer's tree); it then follows display-mode changes to keep its
// viewports right. Shut-down destroys it before the resource managers, with
// the light services that point into it: the shadow caster list, the light
// pool and the light manager. A run without a renderer has no scene
// renderer, and GetSceneRenderer answers null.

namespace Engine {

class cSceneRenderer;
class cModelGfxCmpPool;
class iRenderer;
struct DisplayMode;

// Makes the scene renderer over renderer (replacing any earlier one), sets
// its viewports for mode and installs its model pool as the entities' pool.
cSceneRenderer& CreateSceneRenderer(iRenderer& renderer, const DisplayMode& mode);
// The scene renderer, or null before start-up and after shut-down.
cSceneRenderer* GetSceneRenderer();
// The pool of model components bound to the scene renderer's tree, or null.
cModelGfxCmpPool* GetModelPool();
// Releases every model and light and destroys the scene renderer and the light services.
void DestroySceneRenderer();

// The display mode the window is in now, with EnforceRes from the engine settings.
DisplayMode CurrentDisplayMode();

}  // namespace Engine
