#pragma once
// cRenderSystem: the process-wide home of the device layer in use: the
// renderer, the hardware buffer manager and the font manager. Start-up
// installs them in that order (the managers reach their device through the
// renderer); shut-down destroys them the other way round, so that no manager
// outlives the device it holds objects of. A run without a renderer leaves
// all three null, and callers then draw nothing.

#include <memory>  // std::unique_ptr owns each part

#include "engine/core/Singleton.h"
#include "engine/render/iFontManager.h"
#include "engine/render/iHardwareBufferManager.h"
#include "engine/render/iRenderer.h"

namespace Engine {

class cRenderSystem : public Singleton<cRenderSystem> {
public:
    ~cRenderSystem();

    // Takes an initialised renderer; replaces (and shuts down) a previous layer.
    void InstallRenderer(std::unique_ptr<iRenderer> renderer);
    // Takes the buffer manager made over the installed renderer.
    void InstallBufferManager(std::unique_ptr<iHardwareBufferManager> manager);
    // Takes the font manager made over the installed renderer.
    void InstallFontManager(std::unique_ptr<iFontManager> manager);
    // Destroys the font manager, the buffer manager, then shuts the renderer down and destroys it.
    void Shutdown();

    // The renderer, or null when there is none.
    iRenderer* Renderer() const { return renderer.get(); }
    // The hardware buffer manager, or null.
    iHardwareBufferManager* BufferManager() const { return buffers.get(); }
    // The font manager, or null.
    iFontManager* FontManager() const { return fonts.get(); }

private:
    friend class Singleton<cRenderSystem>;
    // Makes sure the device-reset order exists first, so that it outlives the
    // font manager, which leaves it when destroyed.
    cRenderSystem();

    std::unique_ptr<iRenderer> renderer;
    std::unique_ptr<iHardwareBufferManager> buffers;
    std::unique_ptr<iFontManager> fonts;
};

}  // namespace Engine
