#include "engine/render/gl/cGLBufferObject.h"

#include "engine/render/eBufferUsage.h"
#include "engine/render/eLockFlag.h"

namespace Engine {

namespace {

GLbitfield MapAccess(int32_t lock_flag) {
    switch (lock_flag) {
        case LOCK_ReadOnly: return GL_MAP_READ_BIT;
        // Only the range is given up: bytes outside it keep their values.
        case LOCK_Discard: return GL_MAP_WRITE_BIT | GL_MAP_INVALIDATE_RANGE_BIT;
        default: return GL_MAP_READ_BIT | GL_MAP_WRITE_BIT;
    }
}

}  // namespace

cGLBufferObject::~cGLBufferObject() { Release(); }

bool cGLBufferObject::Create(std::size_t bytes, int32_t usage) {
    Release();
    while (glGetError() != GL_NO_ERROR) {
    }
    glGenBuffers(1, &name);
    glBindBuffer(GL_COPY_WRITE_BUFFER, name);
    glBufferData(GL_COPY_WRITE_BUFFER, static_cast<GLsizeiptr>(bytes), nullptr,
                 usage == BU_Dynamic ? GL_DYNAMIC_DRAW : GL_STATIC_DRAW);
    if (glGetError() != GL_NO_ERROR) {
        Release();
        return false;
    }
    return true;
}

void cGLBufferObject::Release() {
    if (name == 0) return;
    glDeleteBuffers(1, &name);
    name = 0;
}

uint8_t* cGLBufferObject::Map(std::size_t offset, std::size_t bytes, int32_t lock_flag) {
    glBindBuffer(GL_COPY_WRITE_BUFFER, name);
    return static_cast<uint8_t*>(glMapBufferRange(GL_COPY_WRITE_BUFFER, static_cast<GLintptr>(offset),
                                                  static_cast<GLsizeiptr>(bytes), MapAccess(lock_flag)));
}

void cGLBufferObject::Unmap() {
    glBindBuffer(GL_COPY_WRITE_BUFFER, name);
    glUnmapBuffer(GL_COPY_WRITE_BUFFER);
}

void cGLBufferObject::Upload(std::size_t offset, std::size_t bytes, const uint8_t* source) {
    glBindBuffer(GL_COPY_WRITE_BUFFER, name);
    glBufferSubData(GL_COPY_WRITE_BUFFER, static_cast<GLintptr>(offset), static_cast<GLsizeiptr>(bytes), source);
}

}  // namespace Engine
