#include "engine/resource/cTextureSet.h"

#include "engine/render/iRenderer.h"
#include "engine/resource/iTexture.h"
#include "engine/resource/iTextureManager.h"

namespace Engine {

void cTextureSet::Unload() {
    if (manager != nullptr) {
        for (iTexture*& texture : textures) manager->Release(texture);
    }
    textures.clear();
    ClearIdentity();
}

void cTextureSet::Bind() {
    if (textures.empty()) {
        if (manager != nullptr) manager->Renderer().UnbindTextures(kLastClearedStage);
        return;
    }
    for (iTexture* texture : textures) texture->Bind();
}

}  // namespace Engine
