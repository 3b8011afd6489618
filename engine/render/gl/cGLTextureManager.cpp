#include "engine/render/gl/cGLTextureManager.h"

namespace Engine {

cGLTextureManager::cGLTextureManager(cGLRenderer& renderer) : cPooledTextureManager(renderer, renderer) {
    ApplyDefaultSamplerStates();
}

}  // namespace Engine
