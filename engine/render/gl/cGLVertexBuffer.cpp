#include "engine/render/gl/cGLVertexBuffer.h"

#include "engine/core/cLog.h"
#include "engine/render/gl/GLVertexLayout.h"
#include "engine/render/gl/cGLRenderer.h"

namespace Engine {

bool cGLVertexBuffer::DeviceCreate(std::size_t bytes, int32_t usage) {
    layout_reported = false;
    return object.Create(bytes, usage);
}

uint8_t* cGLVertexBuffer::DeviceMap(std::size_t offset, std::size_t bytes, int32_t lock_flag) {
    return object.Map(offset, bytes, lock_flag);
}

void cGLVertexBuffer::DeviceUpload(std::size_t offset, std::size_t bytes, const uint8_t* source) {
    object.Upload(offset, bytes, source);
}

void cGLVertexBuffer::DeviceBind() {
    glBindBuffer(GL_ARRAY_BUFFER, object.Name());
    if (!ApplyVertexLayout(*GetDeclaration(), renderer->EnabledAttributes()) && !layout_reported) {
        LogError("a vertex buffer has elements of no known type or usage index; programs do not see them");
        layout_reported = true;
    }
}

void cGLVertexBuffer::DeviceUnbind() { DisableVertexLayout(renderer->EnabledAttributes()); }

}  // namespace Engine
