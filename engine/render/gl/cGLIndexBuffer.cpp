#include "engine/render/gl/cGLIndexBuffer.h"

namespace Engine {

uint8_t* cGLIndexBuffer::DeviceMap(std::size_t offset, std::size_t bytes, int32_t lock_flag) {
    return object.Map(offset, bytes, lock_flag);
}

void cGLIndexBuffer::DeviceUpload(std::size_t offset, std::size_t bytes, const uint8_t* source) {
    object.Upload(offset, bytes, source);
}

}  // namespace Engine
