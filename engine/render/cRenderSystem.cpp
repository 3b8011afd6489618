#include "engine/render/cRenderSystem.h"

#include "engine/render/cDeviceResetOrder.h"

namespace Engine {

cRenderSystem::cRenderSystem() { cDeviceResetOrder::Instance(); }

cRenderSystem::~cRenderSystem() { Shutdown(); }

void cRenderSystem::InstallRenderer(std::unique_ptr<iRenderer> new_renderer) {
    Shutdown();
    renderer = std::move(new_renderer);
}

void cRenderSystem::InstallBufferManager(std::unique_ptr<iHardwareBufferManager> manager) {
    buffers = std::move(manager);
}

void cRenderSystem::InstallFontManager(std::unique_ptr<iFontManager> manager) { fonts = std::move(manager); }

void cRenderSystem::Shutdown() {
    fonts.reset();
    buffers.reset();
    if (renderer) renderer->Shutdown();
    renderer.reset();
}

}  // namespace Engine
