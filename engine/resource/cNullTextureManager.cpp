#include "engine/resource/cNullTextureManager.h"

namespace Engine {

cNullTextureManager::cNullTextureManager(cNullRenderer& renderer) : cPooledTextureManager(renderer, renderer) {
    ApplyDefaultSamplerStates();
}

}  // namespace Engine
