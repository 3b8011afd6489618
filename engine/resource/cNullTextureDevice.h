#pragma once
// cNullTextureDevice: the texture device of the null device layer. Binds go
// to the null renderer's record, so tests see which texture each stage
// holds; texture names are handed out from a counter, as a device would.

#include <cstdint>

#include "engine/render/cNullRenderer.h"
#include "engine/resource/cTextureDevice.h"

namespace Engine {

class cNullTextureDevice : public cTextureDevice {
public:
    explicit cNullTextureDevice(cNullRenderer& renderer) : cTextureDevice(renderer), null_renderer(renderer) {}

    // A device name for a new texture, never 0.
    uint32_t NewName() { return ++last_name; }
    cNullRenderer& NullRenderer() const { return null_renderer; }
    // Sampler and target changes that reached the device.
    uint32_t SamplerChanges() const { return sampler_changes; }
    uint32_t TargetChanges() const { return target_changes; }

protected:
    void DeviceApplySampler(uint32_t) override { ++sampler_changes; }
    void DeviceApplyTargets() override { ++target_changes; }

private:
    cNullRenderer& null_renderer;
    uint32_t last_name = 0;
    uint32_t sampler_changes = 0;
    uint32_t target_changes = 0;
};

}  // namespace Engine
