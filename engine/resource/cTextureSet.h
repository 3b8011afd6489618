#pragma once
// cTextureSet: the textures a model draws with, in catalogue order, each
// bound to its own stage (diffuse on 0, specular on 1). Sets are resources
// of the texture manager, which hands them out by name ("TextureSet" entries
// of the texture catalogue); the set holds one reference to each of its
// textures and gives them back to the manager when it is unloaded.

#include <cstdint>
#include <vector>

#include "engine/resource/cResource.h"

namespace Engine {

class iTexture;
class iTextureManager;

class cTextureSet : public cResource {
public:
    // The last stage an empty set clears when bound.
    static constexpr uint32_t kLastClearedStage = 4;

    ~cTextureSet() override = default;

    // Releases every texture through the manager, empties the list, clears name and source.
    void Unload() override;

    // Binds each texture to its stage, in order; an empty set leaves stages 0 to 4 without textures.
    void Bind();

    // Appends a texture whose reference the set now holds.
    void AddTexture(iTexture* texture) { textures.push_back(texture); }
    // Drops the list without releasing: the manager has unloaded every texture already.
    void ForgetTextures() { textures.clear(); }
    // The manager that hands the set out and takes its textures back.
    void SetManager(iTextureManager* owner) { manager = owner; }

    const std::vector<iTexture*>& Textures() const { return textures; }

private:
    std::vector<iTexture*> textures;
    iTextureManager* manager = nullptr;
};

}  // namespace Engine
