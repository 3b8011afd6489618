#pragma once
// cGLTexture: a texture of the OpenGL layer, a GL texture object.
//
// 1D, 2D and render-target textures are GL_TEXTURE_2D (a 1D texture is one
// row high), cubes GL_TEXTURE_CUBE_MAP, depth surfaces GL_TEXTURE_2D of
// depth and stencil that are only ever framebuffer attachments. Format
// indices map to GL_RGB8, GL_RGBA8 and GL_R32F; texels arrive as BGRA bytes
// (or floats for GL_R32F), bottom row first, which is GL's own row order.
// Images and cubes get their mipmap levels generated from level 0; render
// targets and depth surfaces have one level, since nothing ever draws the
// others.

#include <epoxy/gl.h>  // GLuint, GLenum

#include <array>
#include <cstdint>

#include "engine/resource/iTexture.h"

namespace Engine {

class cGLTextureDevice;

class cGLTexture : public iTexture {
public:
    void Unload() override;
    void SetSamplerState(int32_t state, int32_t value) override;
    void SetColorOp(int32_t operation, int32_t argument) override;
    void SetAlphaOp(int32_t operation, int32_t argument) override;
    void Bind() override;
    void Unbind() override;
    void BeginRenderTarget() override;
    void BeginDepthTarget() override;
    void EndTarget() override;
    void OnDeviceLost() override;
    void OnDeviceReset() override;
    bool CreateDeviceTexture(const uint8_t* pixels) override;
    bool CreateDeviceCube(const uint8_t* const faces[6]) override;

    // The device this texture is made on; set before it is made.
    void SetDevice(cGLTextureDevice& new_device) { device = &new_device; }

    // The GL texture object, 0 when there is none.
    GLuint GLName() const { return gl_name; }
    // GL_TEXTURE_2D or GL_TEXTURE_CUBE_MAP.
    GLenum GLTarget() const { return gl_target; }

    // The sampler parameters the texture object holds: the six states and
    // the anisotropy; a state of -1 was never set.
    using SamplerParameters = std::array<int32_t, 7>;
    SamplerParameters& AppliedSampler() { return applied_sampler; }

private:
    // Makes the texture object and level 0 of every face target, then the mipmaps; false, logged, on failure.
    bool Upload(GLenum target, const uint8_t* const faces[], int32_t face_count);
    // Deletes the texture object after unbinding it everywhere.
    void DeleteObject();

    cGLTextureDevice* device = nullptr;
    GLuint gl_name = 0;
    GLenum gl_target = GL_TEXTURE_2D;
    SamplerParameters applied_sampler{};
};

}  // namespace Engine
