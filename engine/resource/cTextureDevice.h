#pragma once
// cTextureDevice: the device side that a layer's textures and its texture
// manager share: the sampler states of every texture stage, the stage
// operations (recorded in the renderer, whose built-in program applies
// stage 0's), and the current colour and depth targets with the one saved
// slot of each.
//
// Sampler states belong to stages, not textures, as on the original device;
// every stage starts with point filtering, no mipmap filter, wrapped
// addressing and anisotropy 1 until something sets it.
//
// Targets: null is the back buffer's own colour or depth buffer. A Begin
// saves the current target and makes a texture current; the matching End
// puts the saved one back. While a target is saved another Begin of the
// same kind is refused with a log line, since it would lose the target to
// go back to. A device layer derives from it and applies each change to its
// device (sampler objects, framebuffer attachments).

#include <array>
#include <cstdint>

#include "engine/render/cRendererBase.h"
#include "engine/resource/eSamplerState.h"

namespace Engine {

class iTexture;

class cTextureDevice {
public:
    static constexpr uint32_t kStages = cRendererBase::kTextureStages;

    virtual ~cTextureDevice() = default;
    cTextureDevice(const cTextureDevice&) = delete;
    cTextureDevice& operator=(const cTextureDevice&) = delete;

    // Sets a sampler state (eSamplerState) of a stage to a filter
    // (eSamplerFilter, SF_None for the filters too) or address value
    // (eSamplerAddress); false, changing nothing, for anything out of range.
    bool SetSamplerState(uint32_t stage, int32_t state, int32_t value);
    // The largest anisotropy anisotropic filtering of a stage may use (at least 1).
    bool SetMaxAnisotropy(uint32_t stage, int32_t value);
    // How a stage combines its texture with an argument, for colour or alpha.
    bool SetTextureOperation(uint32_t stage, bool alpha, int32_t operation, int32_t argument);

    // The value of a sampler state of a stage (stage 0's for a stage that does not exist).
    int32_t SamplerState(uint32_t stage, int32_t state) const;
    int32_t MaxAnisotropy(uint32_t stage) const;

    // Makes target the colour target; false (logged) while another is saved.
    bool BeginColourTarget(iTexture* target);
    // Makes target the depth target; false (logged) while another is saved.
    bool BeginDepthTarget(iTexture* target);
    // Puts the saved colour target back; false when none is saved.
    bool EndColourTarget();
    // Puts the saved depth target back; false when none is saved.
    bool EndDepthTarget();
    // A texture that goes away stops being a target; the saved targets come back.
    void Forget(const iTexture* texture);

    iTexture* ColourTarget() const { return colour_target; }
    iTexture* DepthTarget() const { return depth_target; }
    bool ColourSaved() const { return colour_saved; }
    bool DepthSaved() const { return depth_saved; }

    cRendererBase& Renderer() const { return renderer; }

protected:
    explicit cTextureDevice(cRendererBase& renderer);

    // Applies the stored sampler states and anisotropy of a stage.
    virtual void DeviceApplySampler(uint32_t stage) = 0;
    // Applies the current colour and depth targets.
    virtual void DeviceApplyTargets() = 0;

private:
    struct SamplerRecord {
        std::array<int32_t, kSamplerStateCount> states{SF_Point, SF_Point, SF_None, SA_Wrap, SA_Wrap, SA_Wrap};
        int32_t max_anisotropy = 1;
    };

    cRendererBase& renderer;
    std::array<SamplerRecord, kStages> samplers{};
    iTexture* colour_target = nullptr;
    iTexture* depth_target = nullptr;
    iTexture* saved_colour = nullptr;
    iTexture* saved_depth = nullptr;
    bool colour_saved = false;
    bool depth_saved = false;
};

}  // namespace Engine
