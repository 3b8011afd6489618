#pragma once
// cNullTextureManager: the texture manager of the null device layer, for
// headless runs and tests: textures decode and register as on any device,
// their device objects are cNullTexture records, and binds reach the null
// renderer's record.

#include "engine/render/cNullRenderer.h"
#include "engine/resource/cNullTexture.h"
#include "engine/resource/cNullTextureDevice.h"
#include "engine/resource/cPooledTextureManager.h"

namespace Engine {

class cNullTextureManager : public cPooledTextureManager<cNullTexture, cNullTextureDevice> {
public:
    // Makes "defaultTS" and applies the default sampler states.
    explicit cNullTextureManager(cNullRenderer& renderer);
};

}  // namespace Engine
