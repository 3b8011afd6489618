#pragma once
// cGLBufferObject: one OpenGL buffer object, the device storage of a vertex
// or an index buffer. Data moves through the GL_COPY_WRITE_BUFFER binding
// point, which no draw reads, so filling a buffer never disturbs the
// vertex-array state that the bound buffers set up.

#include <epoxy/gl.h>  // GLuint

#include <cstddef>
#include <cstdint>

namespace Engine {

class cGLBufferObject {
public:
    cGLBufferObject() = default;
    cGLBufferObject(const cGLBufferObject&) = delete;
    cGLBufferObject& operator=(const cGLBufferObject&) = delete;
    ~cGLBufferObject();

    // Allocates bytes bytes for an eBufferUsage; false when the driver is out of memory.
    bool Create(std::size_t bytes, int32_t usage);
    // Deletes the buffer object.
    void Release();
    // Maps a range for an eLockFlag; null when the driver refuses.
    uint8_t* Map(std::size_t offset, std::size_t bytes, int32_t lock_flag);
    // Ends the mapping.
    void Unmap();
    // Copies bytes into the buffer at offset.
    void Upload(std::size_t offset, std::size_t bytes, const uint8_t* source);

    // The buffer object, 0 when released.
    GLuint Name() const { return name; }

private:
    GLuint name = 0;
};

}  // namespace Engine
