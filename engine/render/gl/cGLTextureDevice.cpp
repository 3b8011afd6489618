#include "engine/render/gl/cGLTextureDevice.h"

#include <string>

#include "engine/core/cLog.h"
#include "engine/render/gl/cGLTexture.h"
#include "engine/resource/eSamplerState.h"

namespace Engine {
namespace {

GLint GLMinFilter(int32_t min_filter, int32_t mip_filter) {
    const bool linear = min_filter == SF_Linear || min_filter == SF_Anisotropic;
    switch (mip_filter) {
        case SF_Point: return linear ? GL_LINEAR_MIPMAP_NEAREST : GL_NEAREST_MIPMAP_NEAREST;
        case SF_Linear:
        case SF_Anisotropic: return linear ? GL_LINEAR_MIPMAP_LINEAR : GL_NEAREST_MIPMAP_LINEAR;
        default: return linear ? GL_LINEAR : GL_NEAREST;
    }
}

GLint GLMagFilter(int32_t mag_filter) {
    return mag_filter == SF_Linear || mag_filter == SF_Anisotropic ? GL_LINEAR : GL_NEAREST;
}

GLint GLWrap(int32_t address) {
    switch (address) {
        case SA_Mirror: return GL_MIRRORED_REPEAT;
        case SA_Clamp: return GL_CLAMP_TO_EDGE;
        default: return GL_REPEAT;
    }
}

}  // namespace

cGLTextureDevice::cGLTextureDevice(cGLRenderer& renderer)
    : cTextureDevice(renderer),
      gl_renderer(renderer),
      anisotropy(renderer.IsInitialised() && (epoxy_has_gl_extension("GL_ARB_texture_filter_anisotropic") ||
                                              epoxy_has_gl_extension("GL_EXT_texture_filter_anisotropic"))) {}

cGLTextureDevice::~cGLTextureDevice() {
    if (framebuffer != 0 && gl_renderer.IsInitialised()) glDeleteFramebuffers(1, &framebuffer);
}

void cGLTextureDevice::BindToStage(uint32_t stage, cGLTexture& texture) {
    gl_renderer.BindTexture(stage, texture.GLTarget(), texture.GLName());
    if (stage >= kStages) return;
    bound[stage] = &texture;
    ApplySampler(stage, texture);
}

void cGLTextureDevice::UnbindStage(uint32_t stage, GLenum target) { gl_renderer.BindTexture(stage, target, 0); }

void cGLTextureDevice::UnbindEverywhere(cGLTexture& texture) {
    for (uint32_t stage = 0; stage < kStages; ++stage) {
        if (bound[stage] == &texture) bound[stage] = nullptr;
        if (texture.GLName() != 0 && gl_renderer.Texture(stage) == texture.GLName()) {
            UnbindStage(stage, texture.GLTarget());
        }
    }
}

void cGLTextureDevice::DeviceApplySampler(uint32_t stage) {
    cGLTexture* texture = bound[stage];
    if (texture != nullptr && texture->GLName() != 0 && gl_renderer.Texture(stage) == texture->GLName()) {
        ApplySampler(stage, *texture);
    }
}

void cGLTextureDevice::DeviceApplyTargets() {
    auto* colour = static_cast<cGLTexture*>(ColourTarget());
    auto* depth = static_cast<cGLTexture*>(DepthTarget());
    if (colour == nullptr && depth == nullptr) {
        const Presentation& back_buffer = gl_renderer.GetPresentation();
        gl_renderer.SetDrawTarget(0, back_buffer.width, back_buffer.height);
        return;
    }
    if (framebuffer == 0) glGenFramebuffers(1, &framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D,
                           colour != nullptr ? colour->GLName() : 0, 0);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_TEXTURE_2D,
                           depth != nullptr ? depth->GLName() : 0, 0);
    glDrawBuffer(colour != nullptr ? GL_COLOR_ATTACHMENT0 : GL_NONE);
    glReadBuffer(colour != nullptr ? GL_COLOR_ATTACHMENT0 : GL_NONE);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        LogError("the render target " + (colour != nullptr ? colour->Name() : depth->Name()) +
                 " cannot be drawn into; the drawing is lost");
    }
    const cGLTexture& sized = colour != nullptr ? *colour : *depth;
    gl_renderer.SetDrawTarget(framebuffer, sized.Width(), sized.Height());
}

void cGLTextureDevice::ApplySampler(uint32_t stage, cGLTexture& texture) {
    const int32_t max_anisotropy =
        SamplerState(stage, SS_MinFilter) == SF_Anisotropic || SamplerState(stage, SS_MagFilter) == SF_Anisotropic
            ? MaxAnisotropy(stage)
            : 1;
    const cGLTexture::SamplerParameters wanted{
        SamplerState(stage, SS_MinFilter), SamplerState(stage, SS_MagFilter), SamplerState(stage, SS_MipFilter),
        SamplerState(stage, SS_AddressU),  SamplerState(stage, SS_AddressV),  SamplerState(stage, SS_AddressW),
        max_anisotropy};
    if (texture.AppliedSampler() == wanted) return;
    const GLenum target = texture.GLTarget();
    glActiveTexture(GL_TEXTURE0 + stage);
    glTexParameteri(target, GL_TEXTURE_MIN_FILTER, GLMinFilter(wanted[SS_MinFilter], wanted[SS_MipFilter]));
    glTexParameteri(target, GL_TEXTURE_MAG_FILTER, GLMagFilter(wanted[SS_MagFilter]));
    glTexParameteri(target, GL_TEXTURE_WRAP_S, GLWrap(wanted[SS_AddressU]));
    glTexParameteri(target, GL_TEXTURE_WRAP_T, GLWrap(wanted[SS_AddressV]));
    glTexParameteri(target, GL_TEXTURE_WRAP_R, GLWrap(wanted[SS_AddressW]));
    if (anisotropy) glTexParameterf(target, GL_TEXTURE_MAX_ANISOTROPY_EXT, static_cast<GLfloat>(max_anisotropy));
    glActiveTexture(GL_TEXTURE0);
    texture.AppliedSampler() = wanted;
}

}  // namespace Engine
