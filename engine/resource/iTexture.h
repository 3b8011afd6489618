#pragma once
// iTexture: a named, shared texture of the texture manager.
//
// A texture is a 1D or 2D image, a cube of six faces, a render target (a
// colour texture the device draws into, such as a shadow map) or a depth
// surface (the depth buffer drawn with a render target). Besides its size,
// format index (eTextureFormat) and mipmap level count it carries the
// texture stage it binds to, so that binding a texture set binds each of its
// textures to its own stage.
//
// Sampler states and stage operations set through a texture act on its
// stage, not on the texture: they stay with the stage when another texture
// is bound there.
//
// Render targets and depth surfaces are drawn into between a Begin and
// EndTarget; only one render target and one depth surface are current at a
// time, and the target they replaced (the back buffer's, or another
// texture's) is saved in a device-wide slot and put back by EndTarget.
// Device layers implement the device side (cGLTexture, cNullTexture).

#include <cstdint>
#include <string>

#include "engine/resource/cResource.h"

namespace Engine {

class iTexture : public cResource {
public:
    ~iTexture() override = default;

    // Releases the device objects and clears name and source.
    void Unload() override = 0;
    // Stores the description of a new texture: refCount 1, stage 0.
    virtual void Setup(const std::string& new_name, const std::string& new_source, int32_t new_type,
                       int32_t new_width, int32_t new_height, int32_t new_mip_levels, int32_t new_format);
    // Sets a sampler state (eSamplerState) of the texture's stage to a value
    // index (eSamplerFilter, eSamplerAddress); unknown states do nothing.
    virtual void SetSamplerState(int32_t state, int32_t value) = 0;
    // How the stage combines the texture's colour with an argument (eTextureOp, eTextureArg).
    virtual void SetColorOp(int32_t operation, int32_t argument) = 0;
    // How the stage combines the texture's alpha with an argument.
    virtual void SetAlphaOp(int32_t operation, int32_t argument) = 0;
    // Binds the texture to its stage; a depth surface binds nothing.
    virtual void Bind() = 0;
    // Leaves the texture's stage without a texture.
    virtual void Unbind() = 0;
    // The stage Bind uses from now on.
    virtual void SetStage(int32_t new_stage) { stage = new_stage; }
    // A render target: makes it the colour target, saving the current one.
    virtual void BeginRenderTarget() = 0;
    // A depth surface: makes it the depth target, saving the current one.
    virtual void BeginDepthTarget() = 0;
    // Puts back the target saved by the Begin of this texture's kind.
    virtual void EndTarget() = 0;
    // Releases the device objects that do not survive a device reset.
    virtual void OnDeviceLost() = 0;
    // Makes those device objects again (their contents are not kept).
    virtual void OnDeviceReset() = 0;

    // Makes the device texture of a set-up texture from pixels (four bytes a
    // texel, bottom row first) or, with null pixels, uninitialised; false,
    // with a log line, when the device cannot.
    virtual bool CreateDeviceTexture(const uint8_t* pixels) = 0;
    // Makes the device cube of a set-up cube texture from its six faces in
    // the order +X, -X, +Y, -Y, +Z, -Z; false, with a log line, on failure.
    virtual bool CreateDeviceCube(const uint8_t* const faces[6]) = 0;

    int32_t Type() const { return type; }
    int32_t Width() const { return width; }
    int32_t Height() const { return height; }
    int32_t MipLevels() const { return mipLevels; }
    int32_t Format() const { return format; }
    int32_t Stage() const { return stage; }

protected:
    // Clears the description, as Unload does besides freeing the device objects.
    void ClearDescription();

    int32_t type = 0;
    int32_t width = 0;
    int32_t height = 0;
    int32_t mipLevels = 0;
    int32_t format = 0;
    int32_t stage = 0;
};

}  // namespace Engine
