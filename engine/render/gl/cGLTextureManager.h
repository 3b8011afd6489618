#pragma once
// cGLTextureManager: the texture manager of the OpenGL device layer. It must
// be made after the renderer is initialised (it sets the default sampler
// states at once) and destroyed before the renderer shuts down, since it
// deletes its texture objects in the renderer's context.

#include "engine/render/gl/cGLRenderer.h"
#include "engine/render/gl/cGLTexture.h"
#include "engine/render/gl/cGLTextureDevice.h"
#include "engine/resource/cPooledTextureManager.h"

namespace Engine {

class cGLTextureManager : public cPooledTextureManager<cGLTexture, cGLTextureDevice> {
public:
    // Makes "defaultTS" and applies the default sampler states.
    explicit cGLTextureManager(cGLRenderer& renderer);
};

}  // namespace Engine
