#include "engine/render/scene/SceneRendererAccess.h"

#include <memory>

#include "engine/core/cEngineSettings.h"
#include "engine/entity/cEntity.h"
#include "engine/platform/cWindow.h"
#include "engine/render/cDeviceResetOrder.h"
#include "engine/render/iDisplayModeListener.h"
#include "engine/render/scene/cLightManager.h"
#include "engine/render/scene/cLightPool.h"
#include "engine/render/scene/cModelGfxCmpPool.h"
#include "engine/render/scene/cSceneRenderer.h"
#include "engine/render/scene/cShadowCasterList.h"

namespace Engine {
namespace {

// Keeps the viewports in step with the window after every display-mode change.
class cViewportFollower : public iDisplayModeListener {
public:
    explicit cViewportFollower(cSceneRenderer& scene) : scene(scene) {}
    void OnDisplayModeChanged() override { scene.ComputeViewports(CurrentDisplayMode()); }

private:
    cSceneRenderer& scene;
};

struct SceneServices {
    std::unique_ptr<cSceneRenderer> scene;
    std::unique_ptr<cModelGfxCmpPool> models;
    std::unique_ptr<cViewportFollower> follower;
};

SceneServices& Services() {
    static SceneServices services;
    return services;
}

}  // namespace

DisplayMode CurrentDisplayMode() {
    const cWindow& window = cWindow::Instance();
    DisplayMode mode;
    mode.fullscreen = window.IsFullscreen();
    mode.desktopWidth = static_cast<float>(window.DesktopWidth());
    mode.desktopHeight = static_cast<float>(window.DesktopHeight());
    mode.windowWidth = static_cast<float>(window.Width());
    mode.windowHeight = static_cast<float>(window.Height());
    mode.enforceRes = cEngineSettings::Instance().enforce_res;
    return mode;
}

cSceneRenderer& CreateSceneRenderer(iRenderer& renderer, const DisplayMode& mode) {
    DestroySceneRenderer();
    SceneServices& services = Services();
    services.scene = std::make_unique<cSceneRenderer>(renderer);
    services.scene->ComputeViewports(mode);
    services.models = std::make_unique<cModelGfxCmpPool>(&services.scene->Tree());
    cEntity::SetModelPool(services.models.get());
    services.follower = std::make_unique<cViewportFollower>(*services.scene);
    cDeviceResetOrder::Instance().AddDisplayModeListener(services.follower.get());
    cLightManager::Instance();
    return *services.scene;
}

cSceneRenderer* GetSceneRenderer() {
    return Services().scene.get();
}

cModelGfxCmpPool* GetModelPool() {
    return Services().models.get();
}

// Lights and models hold resources and tree nodes: they go first, then the
// lists that point at them, then the renderer that owns the tree.
void DestroySceneRenderer() {
    SceneServices& services = Services();
    if (cLightPool::Exists()) cLightPool::Destroy();
    if (cShadowCasterList::Exists()) cShadowCasterList::Destroy();
    if (services.models) {
        services.models->ReleaseAll();
        if (cEntity::GetModelPool() == services.models.get()) cEntity::SetModelPool(nullptr);
        services.models.reset();
    }
    if (services.follower) {
        if (cDeviceResetOrder::Exists()) cDeviceResetOrder::Instance().RemoveDisplayModeListener(services.follower.get());
        services.follower.reset();
    }
    services.scene.reset();
    if (cLightManager::Exists()) cLightManager::Destroy();
}

}  // namespace Engine
