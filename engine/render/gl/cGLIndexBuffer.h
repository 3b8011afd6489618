#pragma once
// cGLIndexBuffer: an index buffer in an OpenGL buffer object, bound as the
// element array of the renderer's vertex array.

#include "engine/render/cIndexBufferBase.h"
#include "engine/render/gl/cGLBufferObject.h"

namespace Engine {

class cGLRenderer;

class cGLIndexBuffer : public cIndexBufferBase {
public:
    // Index buffers bind into whichever vertex array is current: the renderer's.
    void SetDevice(cGLRenderer&) {}

    // The buffer object, 0 while released.
    GLuint BufferName() const { return object.Name(); }

protected:
    bool DeviceCreate(std::size_t bytes, int32_t usage) override { return object.Create(bytes, usage); }
    void DeviceRelease() override { object.Release(); }
    uint8_t* DeviceMap(std::size_t offset, std::size_t bytes, int32_t lock_flag) override;
    void DeviceUnmap() override { object.Unmap(); }
    void DeviceUpload(std::size_t offset, std::size_t bytes, const uint8_t* source) override;
    void DeviceBind() override { glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, object.Name()); }
    void DeviceUnbind() override { glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0); }

private:
    cGLBufferObject object;
};

}  // namespace Engine
