#include "engine/render/gl/DeviceLayer.h"

#include <memory>

#include "engine/core/cLog.h"
#include "engine/render/cNullFontManager.h"
#include "engine/render/cNullHardwareBufferManager.h"
#include "engine/render/cNullRenderer.h"
#include "engine/render/cRenderSystem.h"
#include "engine/render/gl/cGLFontManager.h"
#include "engine/render/gl/cGLHardwareBufferManager.h"
#include "engine/render/gl/cGLRenderer.h"
#include "engine/render/gl/cGLShaderManager.h"
#include "engine/render/gl/cGLTextureManager.h"
#include "engine/resource/cNullShaderManager.h"
#include "engine/resource/cNullTextureManager.h"
#include "engine/resource/cResourceSystem.h"

namespace Engine {

namespace {

// The managers that follow the font manager, over the installed renderer and buffer manager.
void InstallResourceManagers(std::unique_ptr<iShaderManager> shaders) {
    cResourceSystem& resources = cResourceSystem::Instance();
    resources.InstallMeshManager(std::make_unique<cMeshManager>(*cRenderSystem::Instance().BufferManager()));
    resources.InstallShaderManager(std::move(shaders));
    resources.InstallMaterialManager(std::make_unique<cMaterialManager>());
}

bool CreateNullLayer() {
    auto renderer = std::make_unique<cNullRenderer>();
    renderer->Initialise();
    cNullRenderer& device = *renderer;
    cRenderSystem& system = cRenderSystem::Instance();
    system.InstallRenderer(std::move(renderer));
    system.InstallBufferManager(std::make_unique<cNullHardwareBufferManager>(device));
    cResourceSystem::Instance().InstallTextureManager(std::make_unique<cNullTextureManager>(device));
    system.InstallFontManager(std::make_unique<cNullFontManager>());
    InstallResourceManagers(std::make_unique<cNullShaderManager>(device));
    return true;
}

bool CreateGLLayer(const std::string& font_directory) {
    auto renderer = std::make_unique<cGLRenderer>();
    if (!renderer->Initialise()) return false;
    cGLRenderer& device = *renderer;
    cRenderSystem& system = cRenderSystem::Instance();
    system.InstallRenderer(std::move(renderer));
    system.InstallBufferManager(std::make_unique<cGLHardwareBufferManager>(device));
    cResourceSystem::Instance().InstallTextureManager(std::make_unique<cGLTextureManager>(device));
    system.InstallFontManager(std::make_unique<cGLFontManager>(device, font_directory));
    InstallResourceManagers(std::make_unique<cGLShaderManager>(device));
    return true;
}

}  // namespace

bool CreateDeviceLayer(eDeviceLayer layer, const std::string& font_directory) {
    // Resources live on the device: they go before a previous layer does.
    cResourceSystem::Instance().Shutdown();
    return layer == eDeviceLayer::Null ? CreateNullLayer() : CreateGLLayer(font_directory);
}

bool RequestScreenshot(uint32_t frame, const std::string& path) {
    auto* renderer = dynamic_cast<cGLRenderer*>(cRenderSystem::Instance().Renderer());
    if (renderer == nullptr) {
        LogError("a screenshot needs the OpenGL renderer; " + path + " is not written");
        return false;
    }
    renderer->RequestScreenshot(frame, path);
    return true;
}

}  // namespace Engine
