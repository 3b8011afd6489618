#pragma once
// cNullVertexBuffer: a vertex buffer of the null device layer. Its "device
// object" is a byte array in memory, so writes, reads, locks and the shadow
// copy behave as on a real device and tests can look at both copies. It
// counts the binds that reached the device.

#include <cstdint>
#include <vector>

#include "engine/render/cVertexBufferBase.h"

namespace Engine {

class cNullRenderer;

class cNullVertexBuffer : public cVertexBufferBase {
public:
    // The null device needs nothing to reach.
    void SetDevice(cNullRenderer&) {}

    // The device bytes; empty while the device object is released.
    const std::vector<uint8_t>& DeviceBytes() const { return device_bytes; }
    // Binds that reached the device since the buffer was built.
    uint32_t DeviceBinds() const { return device_binds; }

protected:
    bool DeviceCreate(std::size_t bytes, int32_t usage) override;
    void DeviceRelease() override;
    uint8_t* DeviceMap(std::size_t offset, std::size_t bytes, int32_t lock_flag) override;
    void DeviceUnmap() override {}
    void DeviceUpload(std::size_t offset, std::size_t bytes, const uint8_t* source) override;
    void DeviceBind() override { ++device_binds; }
    void DeviceUnbind() override {}

private:
    std::vector<uint8_t> device_bytes;
    uint32_t device_binds = 0;
};

}  // namespace Engine
