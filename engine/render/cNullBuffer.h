#pragma once
// cNullBuffer: a hardware buffer of the null device layer, for either kind.
//
// Its "device object" is a byte array in memory, so writes, reads, locks and
// the shadow copy behave as on a real device and tests can look at both
// copies. It counts the binds that reached the device. Base is the buffer
// kind's device-neutral class (cVertexBufferBase or cIndexBufferBase).

#include <cstdint>
#include <cstring>  // std::memcpy for uploads
#include <vector>

namespace Engine {

class cNullRenderer;

template <typename Base>
class cNullBuffer : public Base {
public:
    // The null device needs nothing to reach.
    void SetDevice(cNullRenderer&) {}

    // The device bytes; empty while the device object is released.
    const std::vector<uint8_t>& DeviceBytes() const { return device_bytes; }
    // Binds that reached the device since the buffer was built.
    uint32_t DeviceBinds() const { return device_binds; }

protected:
    bool DeviceCreate(std::size_t bytes, int32_t) override {
        device_bytes.assign(bytes, 0);
        return true;
    }
    void DeviceRelease() override {
        device_bytes.clear();
        device_bytes.shrink_to_fit();
    }
    uint8_t* DeviceMap(std::size_t offset, std::size_t, int32_t) override { return device_bytes.data() + offset; }
    void DeviceUnmap() override {}
    void DeviceUpload(std::size_t offset, std::size_t bytes, const uint8_t* source) override {
        std::memcpy(device_bytes.data() + offset, source, bytes);
    }
    void DeviceBind() override { ++device_binds; }
    void DeviceUnbind() override {}

private:
    std::vector<uint8_t> device_bytes;
    uint32_t device_binds = 0;
};

}  // namespace Engine
