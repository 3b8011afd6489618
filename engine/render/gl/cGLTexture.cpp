#include "engine/render/gl/cGLTexture.h"

#include <string>

#include "engine/core/cLog.h"
#include "engine/render/gl/cGLTextureDevice.h"
#include "engine/resource/eSamplerState.h"
#include "engine/resource/eTextureFormat.h"
#include "engine/resource/eTextureType.h"

namespace Engine {
namespace {

constexpr int32_t kCubeFaces = 6;

struct GLFormat {
    GLint internal_format;
    GLenum format;
    GLenum type;
};

GLFormat GLFormatOf(int32_t type, int32_t format) {
    if (type == TT_DepthSurface) return {GL_DEPTH24_STENCIL8, GL_DEPTH_STENCIL, GL_UNSIGNED_INT_24_8};
    switch (format) {
        case TF_ARGB8: return {GL_RGBA8, GL_BGRA, GL_UNSIGNED_BYTE};
        case TF_R32F: return {GL_R32F, GL_RED, GL_FLOAT};
        default: return {GL_RGB8, GL_BGRA, GL_UNSIGNED_BYTE};
    }
}

// Keeps stage 0's binding of a target as the renderer left it while a texture is uploaded there.
class ScopedUploadBinding {
public:
    explicit ScopedUploadBinding(GLenum target_) : target(target_) {
        glActiveTexture(GL_TEXTURE0);
        glGetIntegerv(target == GL_TEXTURE_CUBE_MAP ? GL_TEXTURE_BINDING_CUBE_MAP : GL_TEXTURE_BINDING_2D, &previous);
    }
    ~ScopedUploadBinding() { glBindTexture(target, static_cast<GLuint>(previous)); }
    ScopedUploadBinding(const ScopedUploadBinding&) = delete;
    ScopedUploadBinding& operator=(const ScopedUploadBinding&) = delete;

private:
    GLenum target;
    GLint previous = 0;
};

}  // namespace

void cGLTexture::Unload() {
    if (device != nullptr) device->Forget(this);
    DeleteObject();
    ClearDescription();
}

void cGLTexture::SetSamplerState(int32_t state, int32_t value) {
    if (IsSamplerValue(value)) device->SetSamplerState(static_cast<uint32_t>(stage), state, value);
}

void cGLTexture::SetColorOp(int32_t operation, int32_t argument) {
    device->SetTextureOperation(static_cast<uint32_t>(stage), false, operation, argument);
}

void cGLTexture::SetAlphaOp(int32_t operation, int32_t argument) {
    device->SetTextureOperation(static_cast<uint32_t>(stage), true, operation, argument);
}

void cGLTexture::Bind() {
    if (type != TT_DepthSurface) device->BindToStage(static_cast<uint32_t>(stage), *this);
}

void cGLTexture::Unbind() { device->UnbindStage(static_cast<uint32_t>(stage), gl_target); }

void cGLTexture::BeginRenderTarget() {
    if (type == TT_RenderTarget && gl_name != 0) device->BeginColourTarget(this);
}

void cGLTexture::BeginDepthTarget() {
    if (type == TT_DepthSurface && gl_name != 0) device->BeginDepthTarget(this);
}

void cGLTexture::EndTarget() {
    if (type == TT_DepthSurface && device->DepthTarget() == this) device->EndDepthTarget();
    if (type == TT_RenderTarget && device->ColourTarget() == this) device->EndColourTarget();
}

void cGLTexture::OnDeviceLost() {
    if (!IsRenderTargetType(type)) return;
    device->Forget(this);
    DeleteObject();
}

void cGLTexture::OnDeviceReset() {
    if (IsRenderTargetType(type) && gl_name == 0) CreateDeviceTexture(nullptr);
}

bool cGLTexture::CreateDeviceTexture(const uint8_t* pixels) {
    gl_target = GL_TEXTURE_2D;
    const uint8_t* const faces[1] = {IsRenderTargetType(type) ? nullptr : pixels};
    return Upload(GL_TEXTURE_2D, faces, 1);
}

bool cGLTexture::CreateDeviceCube(const uint8_t* const faces[6]) {
    gl_target = GL_TEXTURE_CUBE_MAP;
    return Upload(GL_TEXTURE_CUBE_MAP_POSITIVE_X, faces, kCubeFaces);
}

bool cGLTexture::Upload(GLenum first_face, const uint8_t* const faces[], int32_t face_count) {
    const ScopedUploadBinding keep(gl_target);
    const GLFormat gl_format = GLFormatOf(type, format);
    // Render targets and depth surfaces are drawn at level 0 only.
    const int32_t levels = IsRenderTargetType(type) || mipLevels <= 0 ? 1 : mipLevels;
    glGenTextures(1, &gl_name);
    glBindTexture(gl_target, gl_name);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    for (int32_t face = 0; face < face_count; ++face) {
        glTexImage2D(first_face + static_cast<GLenum>(face), 0, gl_format.internal_format, width, height, 0,
                     gl_format.format, gl_format.type, faces[face]);
    }
    glTexParameteri(gl_target, GL_TEXTURE_BASE_LEVEL, 0);
    glTexParameteri(gl_target, GL_TEXTURE_MAX_LEVEL, levels - 1);
    glTexParameteri(gl_target, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(gl_target, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    if (levels > 1) glGenerateMipmap(gl_target);
    applied_sampler.fill(-1);
    const GLenum error = glGetError();
    if (error != GL_NO_ERROR) {
        LogError("the device could not make texture " + name + " (GL error " + std::to_string(error) + ")");
        DeleteObject();
        return false;
    }
    return true;
}

void cGLTexture::DeleteObject() {
    if (gl_name == 0) return;
    device->UnbindEverywhere(*this);
    glDeleteTextures(1, &gl_name);
    gl_name = 0;
}

}  // namespace Engine
