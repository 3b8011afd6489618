#pragma once
// cPooledTextureManager: the texture registry and pool of one device layer,
// and the stage settings every layer applies the same way. TextureClass is
// the layer's texture class (derived from iTexture, default-constructible,
// with SetDevice(Device&)); Device is the layer's cTextureDevice, owned here
// and built from the constructor's extra arguments, so that it outlives
// every texture that uses it.

#include <cstddef>
#include <string>
#include <utility>  // std::forward of the device's arguments

#include "engine/render/eTextureOp.h"
#include "engine/resource/ResourceManager.h"
#include "engine/resource/eSamplerState.h"
#include "engine/resource/iTexture.h"
#include "engine/resource/iTextureManager.h"

namespace Engine {

template <typename TextureClass, typename Device>
class cPooledTextureManager : public iTextureManager {
public:
    static constexpr std::size_t kTextureBlock = 128;
    using TextureRegistry = ResourceManager<iTexture, TextureClass, kTextureBlock>;

    template <typename... DeviceArgs>
    explicit cPooledTextureManager(iRenderer& renderer, DeviceArgs&&... device_args)
        : iTextureManager(renderer), device(std::forward<DeviceArgs>(device_args)...) {}

    // Gives up every texture set and texture while the device is still there.
    ~cPooledTextureManager() override { ReleaseEverything(); }

    void SetColorOp(uint32_t stage, int32_t operation, int32_t argument) override {
        device.SetTextureOperation(stage, false, operation, argument);
    }

    void ApplyDefaultSamplerStates() override {
        for (uint32_t stage : {0u, 1u, 2u}) {
            for (int32_t filter : {SS_MinFilter, SS_MagFilter, SS_MipFilter}) {
                device.SetSamplerState(stage, filter, SF_Anisotropic);
            }
            device.SetMaxAnisotropy(stage, kDefaultMaxAnisotropy);
            for (int32_t address : {SS_AddressU, SS_AddressV, SS_AddressW}) {
                device.SetSamplerState(stage, address, SA_Clamp);
            }
        }
        for (uint32_t stage : {3u, 5u}) {
            for (int32_t filter : {SS_MinFilter, SS_MagFilter, SS_MipFilter}) {
                device.SetSamplerState(stage, filter, SF_None);
            }
        }
    }

    iTexture* FindTexture(const std::string& name) const override { return textures.Find(name); }

    const TextureRegistry& Textures() const { return textures; }
    Device& GetDevice() { return device; }

protected:
    static constexpr int32_t kDefaultMaxAnisotropy = 2;

    iTexture* NewTexture(const std::string& name) override {
        auto* texture = static_cast<TextureClass*>(textures.Get(name));
        texture->SetDevice(device);
        return texture;
    }
    void DropTexture(const std::string& name) override { textures.ReleaseByName(name); }
    void DropAllTextures() override { textures.ReleaseAll(); }

private:
    Device device;
    TextureRegistry textures;
};

}  // namespace Engine
