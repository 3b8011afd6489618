#pragma once
// cGLVertexBuffer: a vertex buffer in an OpenGL buffer object. Binding it
// points the vertex attributes of the renderer's vertex array at it, each
// element at its fixed location (GLVertexLayout.h).

#include "engine/render/cVertexBufferBase.h"
#include "engine/render/gl/cGLBufferObject.h"

namespace Engine {

class cGLRenderer;

class cGLVertexBuffer : public cVertexBufferBase {
public:
    // The renderer whose vertex array the buffer binds into.
    void SetDevice(cGLRenderer& renderer_) { renderer = &renderer_; }

    // The buffer object, 0 while released.
    GLuint BufferName() const { return object.Name(); }

protected:
    bool DeviceCreate(std::size_t bytes, int32_t usage) override;
    void DeviceRelease() override { object.Release(); }
    uint8_t* DeviceMap(std::size_t offset, std::size_t bytes, int32_t lock_flag) override;
    void DeviceUnmap() override { object.Unmap(); }
    void DeviceUpload(std::size_t offset, std::size_t bytes, const uint8_t* source) override;
    void DeviceBind() override;
    void DeviceUnbind() override;

private:
    cGLRenderer* renderer = nullptr;
    cGLBufferObject object;
    bool layout_reported = false;  // an unfed element is logged once per buffer life
};

}  // namespace Engine
