#pragma once
// cNullRenderer: the device layer without a device, for headless runs and
// tests. It keeps everything cRendererBase records (render states, matrices,
// viewport, bindings, the presentation) so that the engine logic runs and
// tests can inspect it, and draws nothing.
//
// Tests can make the device behave like one that gets lost: SimulateDeviceLoss
// marks it lost or resettable, and FailResets makes the next resets fail, to
// exercise the reset path of BeginFrame.

#include <cstdint>

#include "engine/render/cRendererBase.h"

namespace Engine {

class cNullRenderer : public cRendererBase {
public:
    cNullRenderer();
    ~cNullRenderer() override;

    // Takes the window's size (or the desktop size when full screen) as its back buffer; never fails.
    bool Initialise() override;
    void Shutdown() override;
    void EndFrame() override;

    // Records a texture binding, as a texture would on a real device.
    void BindTexture(uint32_t stage, uint32_t texture) { RecordTexture(stage, texture); }
    // Records a shader binding, as a shader stage would on a real device.
    void BindShader(bool pixel, uint32_t shader) { RecordShader(pixel, shader); }

    // Marks the device lost; resettable: it can be reset at the next BeginFrame.
    void SimulateDeviceLoss(bool resettable);
    // The next count resets fail.
    void FailResets(uint32_t count) { failing_resets = count; }

    bool IsInitialised() const { return initialised; }
    // Frames begun and ended since initialisation.
    uint64_t FramesBegun() const { return frames_begun; }
    uint64_t FramesEnded() const { return frames_ended; }
    // Resets tried, successful or not.
    uint32_t ResetAttempts() const { return reset_attempts; }
    // Render-state values that reached the device.
    uint64_t DeviceStateChanges() const { return device_state_changes; }

protected:
    // The device steps: there is no device, so they only count what would have reached one.
    eDeviceStatus DeviceStatus() override { return status; }
    bool DeviceReset(const Presentation& next) override;
    void DeviceBeginScene() override { ++frames_begun; }
    void DeviceClear(const ClearRecord&) override {}
    void DeviceApplyRenderState(int32_t) override { ++device_state_changes; }
    void DeviceSetViewport() override {}
    void DeviceDraw(int32_t, uint32_t, uint32_t, bool) override {}
    void DeviceUnbindTexture(uint32_t) override {}
    void DeviceUnbindShader(bool) override {}
    void DeviceReadDesktopSize() override {}

private:
    bool initialised = false;
    eDeviceStatus status = eDeviceStatus::Ready;
    uint32_t failing_resets = 0;
    uint32_t reset_attempts = 0;
    uint64_t frames_begun = 0;
    uint64_t frames_ended = 0;
    uint64_t device_state_changes = 0;
};

}  // namespace Engine
