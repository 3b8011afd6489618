#pragma once
// cNullTexture: a texture of the null device layer. Its "device object" is a
// name from the device's counter and a copy of the texels it was given (the
// six faces one after the other for a cube), so tests can see what would
// have been uploaded; binds are recorded by the null renderer.

#include <cstdint>
#include <vector>

#include "engine/resource/cNullTextureDevice.h"
#include "engine/resource/iTexture.h"

namespace Engine {

class cNullTexture : public iTexture {
public:
    void Unload() override;
    void SetSamplerState(int32_t state, int32_t value) override;
    void SetColorOp(int32_t operation, int32_t argument) override;
    void SetAlphaOp(int32_t operation, int32_t argument) override;
    void Bind() override;
    void Unbind() override;
    void BeginRenderTarget() override;
    void BeginDepthTarget() override;
    void EndTarget() override;
    void OnDeviceLost() override;
    void OnDeviceReset() override;
    bool CreateDeviceTexture(const uint8_t* pixels) override;
    bool CreateDeviceCube(const uint8_t* const faces[6]) override;

    // The device this texture is made on; set before it is made.
    void SetDevice(cNullTextureDevice& new_device) { device = &new_device; }

    // The device name, 0 when there is no device object.
    uint32_t DeviceName() const { return device_name; }
    // The texels of level 0 as uploaded (empty when made without pixels).
    const std::vector<uint8_t>& Texels() const { return texels; }

private:
    // Bytes of one face's level 0.
    std::size_t FaceBytes() const;

    cNullTextureDevice* device = nullptr;
    uint32_t device_name = 0;
    std::vector<uint8_t> texels;
};

}  // namespace Engine
