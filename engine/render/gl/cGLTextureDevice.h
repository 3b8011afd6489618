#pragma once
// cGLTextureDevice: the texture device of the OpenGL layer.
//
// Sampler states belong to texture stages; GL keeps them in each texture
// object, so a texture takes its stage's states as parameters when it is
// bound, and a state changed while a texture is bound reaches that texture
// at once. (Sampler objects would also override the font manager's own
// atlas filtering on stage 0, which texture parameters leave alone.)
//
// Render targets and depth surfaces are drawn into through one framebuffer
// object holding the current colour target and depth target as
// attachments; with neither current the renderer draws into the window's
// back buffer again.

#include <epoxy/gl.h>  // GLuint, GLenum

#include <array>
#include <cstdint>

#include "engine/render/gl/cGLRenderer.h"
#include "engine/resource/cTextureDevice.h"

namespace Engine {

class cGLTexture;

class cGLTextureDevice : public cTextureDevice {
public:
    explicit cGLTextureDevice(cGLRenderer& renderer);
    // Deletes the framebuffer object.
    ~cGLTextureDevice() override;

    // Binds a texture of a target to a stage through the renderer and gives it the stage's sampler states.
    void BindToStage(uint32_t stage, cGLTexture& texture);
    // Leaves a stage without a texture of the target.
    void UnbindStage(uint32_t stage, GLenum target);
    // Unbinds every stage that holds the texture, before it is deleted.
    void UnbindEverywhere(cGLTexture& texture);

    cGLRenderer& GLRenderer() const { return gl_renderer; }
    // Whether the driver filters anisotropically.
    bool HasAnisotropy() const { return anisotropy; }

protected:
    void DeviceApplySampler(uint32_t stage) override;
    void DeviceApplyTargets() override;

private:
    // Sets the stage's sampler states as parameters of the texture bound to it.
    void ApplySampler(uint32_t stage, cGLTexture& texture);

    cGLRenderer& gl_renderer;
    GLuint framebuffer = 0;
    bool anisotropy = false;
    std::array<cGLTexture*, kStages> bound{};
};

}  // namespace Engine
