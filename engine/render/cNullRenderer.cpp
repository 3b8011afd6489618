#include "engine/render/cNullRenderer.h"

#include "engine/platform/cWindow.h"

namespace Engine {

cNullRenderer::cNullRenderer() : cRendererBase("cNullRenderer") {}

cNullRenderer::~cNullRenderer() { Shutdown(); }

bool cNullRenderer::Initialise() {
    cWindow& window = cWindow::Instance();
    Presentation initial{window.IsFullscreen(), window.Width(), window.Height()};
    if (initial.fullscreen) {
        initial.width = window.DesktopWidth();
        initial.height = window.DesktopHeight();
        window.ApplyWindowMode(initial.width, initial.height);
    }
    status = eDeviceStatus::Ready;
    initialised = true;
    CompleteInitialise(initial);
    return true;
}

void cNullRenderer::Shutdown() { initialised = false; }

void cNullRenderer::EndFrame() { ++frames_ended; }

void cNullRenderer::SimulateDeviceLoss(bool resettable) {
    status = resettable ? eDeviceStatus::Resettable : eDeviceStatus::Lost;
}

bool cNullRenderer::DeviceReset(const Presentation&) {
    ++reset_attempts;
    if (failing_resets > 0) {
        --failing_resets;
        return false;
    }
    status = eDeviceStatus::Ready;
    return true;
}

}  // namespace Engine
