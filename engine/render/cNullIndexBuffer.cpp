#include "engine/render/cNullIndexBuffer.h"

#include <cstring>  // std::memcpy

namespace Engine {

bool cNullIndexBuffer::DeviceCreate(std::size_t bytes, int32_t) {
    device_bytes.assign(bytes, 0);
    return true;
}

void cNullIndexBuffer::DeviceRelease() {
    device_bytes.clear();
    device_bytes.shrink_to_fit();
}

uint8_t* cNullIndexBuffer::DeviceMap(std::size_t offset, std::size_t, int32_t) { return device_bytes.data() + offset; }

void cNullIndexBuffer::DeviceUpload(std::size_t offset, std::size_t bytes, const uint8_t* source) {
    std::memcpy(device_bytes.data() + offset, source, bytes);
}

}  // namespace Engine
