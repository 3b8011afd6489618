#pragma once
// iTextureManager: the owner of every texture and texture set.
//
// Textures are registered by name (a loaded texture by its file name) and
// counted like every resource: a load or create of a registered name gives
// the registered texture with one more user, unchanged, whatever type, size
// or file is asked for; the last release unloads it and returns it to the
// pool. Images are decoded by ReadImageFile. Render targets and depth
// surfaces are also listed in renderTargets, since they are released before
// a device reset or display-mode change and made again afterwards (the
// manager registers in the textures stage of cDeviceResetOrder).
//
// Texture sets come from the "TextureSet" entries of the texture catalogue
// ("TextureData.xml"); an empty set "defaultTS" exists from construction and
// answers GetTextureSet with an empty name.
//
// The device side (texture objects, sampler states, stage operations) comes
// from the device layer's manager (cGLTextureManager, cNullTextureManager),
// built on cPooledTextureManager.

#include <cstdint>
#include <string>
#include <vector>

#include "engine/render/iDeviceResetListener.h"
#include "engine/resource/ResourceManager.h"
#include "engine/resource/cTextureSet.h"

namespace Engine {

class iRenderer;
class iTexture;

class iTextureManager : public iDeviceResetListener {
public:
    static constexpr std::size_t kTextureSetBlock = 64;
    static constexpr const char* kDefaultTextureSet = "defaultTS";
    // Mipmap levels of every texture made from now on (0: one level, no mipmapping).
    static constexpr int32_t kDefaultMipLevels = 4;

    using TextureSetRegistry = ResourceManager<cTextureSet, cTextureSet, kTextureSetBlock>;

    // Leaves the device-reset order; the device layer's manager has given up
    // every set and texture by then (ReleaseEverything).
    ~iTextureManager() override;

    // A texture of a type (eTextureType), size and format index
    // (eTextureFormat) filled from pixels (four bytes a texel, bottom row
    // first) or left uninitialised; null, with a log line, for a description
    // the device cannot make.
    virtual iTexture* CreateTexture(const std::string& name, int32_t type, int32_t width, int32_t height,
                                    int32_t format, const uint8_t* pixels);
    // A one-row texture from the image path + file_name; null when the file
    // cannot be read or has more than one row.
    virtual iTexture* Load1DTexture(const std::string& file_name, const std::string& path);
    // A 2D texture from the image path + file_name; null when it cannot be read.
    virtual iTexture* LoadTexture(const std::string& file_name, const std::string& path);
    // A cube texture from six face images named after file_name (sky.tga:
    // sky_rt.tga, sky_lf.tga, sky_up.tga, sky_dn.tga, sky_fr.tga, sky_bk.tga);
    // null when a face cannot be read or the faces are not square and of one size.
    virtual iTexture* LoadCubeTexture(const std::string& file_name, const std::string& path);
    // Empties the texture registry: every texture object is unloaded and free
    // again, and texture sets forget the textures they held.
    virtual void ReleaseAll();
    // One user fewer for the texture; the pointer becomes null.
    virtual void Release(iTexture*& texture);
    // One user fewer for the texture of that name; the last one unloads it.
    virtual void ReleaseByName(const std::string& name);
    // Reads the texture sets of a catalogue; false when the file cannot be opened.
    virtual bool LoadTextureCatalogue(const std::string& directory, const std::string& file_name);
    // How a stage combines its texture's colour with an argument (eTextureOp, eTextureArg).
    virtual void SetColorOp(uint32_t stage, int32_t operation, int32_t argument) = 0;
    // Releases every render target and depth surface.
    void OnDeviceLost() override;
    // Makes them again, then applies the default sampler states.
    void OnDeviceReset() override;
    // Anisotropic filtering and clamped addressing on stages 0 to 2, no filtering on stages 3 and 5.
    virtual void ApplyDefaultSamplerStates() = 0;

    // The texture set of that name with one more user, made empty when new;
    // an empty name gives "defaultTS".
    cTextureSet* GetTextureSet(const std::string& name);
    // One user fewer for the set; the last one releases its textures. The pointer becomes null.
    void ReleaseTextureSet(cTextureSet*& set);

    // The registered texture, its count unchanged, or null.
    virtual iTexture* FindTexture(const std::string& name) const = 0;
    // The renderer the textures bind through.
    iRenderer& Renderer() const { return renderer; }
    const TextureSetRegistry& TextureSets() const { return texture_sets; }
    const std::vector<iTexture*>& RenderTargets() const { return renderTargets; }
    int32_t MipLevels() const { return mipLevels; }
    // The mipmap level count of textures made from now on.
    void SetMipLevels(int32_t levels) { mipLevels = levels < 0 ? 0 : levels; }

protected:
    // Registers in the device-reset order and makes "defaultTS".
    explicit iTextureManager(iRenderer& renderer);

    // A pool texture registered under a new name with refCount 1, ready for Setup.
    virtual iTexture* NewTexture(const std::string& name) = 0;
    // One user fewer for the registered texture of that name.
    virtual void DropTexture(const std::string& name) = 0;
    // Unloads every texture object and empties the registry.
    virtual void DropAllTextures() = 0;

    // Releases every texture set and every texture; for the device layer's destructor.
    void ReleaseEverything();

private:
    // The registered texture with one more user, or null.
    iTexture* Reuse(const std::string& name);
    // Sets up a new registered texture and makes its device object from
    // faces[0] (the six faces of a cube); null (and unregistered) on failure.
    iTexture* Make(const std::string& name, const std::string& source, int32_t type, int32_t width,
                   int32_t height, int32_t format, const uint8_t* const faces[6]);

    iRenderer& renderer;
    TextureSetRegistry texture_sets{kDefaultTextureSet};
    std::vector<iTexture*> renderTargets;
    int32_t mipLevels = kDefaultMipLevels;
};

}  // namespace Engine
