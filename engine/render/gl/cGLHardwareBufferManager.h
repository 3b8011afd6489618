#pragma once
// cGLHardwareBufferManager: the hardware buffer manager of the OpenGL device
// layer: pooled vertex buffers, index buffers and declarations over buffer
// objects of the renderer's context. It must be made after the renderer is
// initialised and destroyed before the renderer shuts down.

#include "engine/render/cPooledHardwareBufferManager.h"
#include "engine/render/gl/cGLIndexBuffer.h"
#include "engine/render/gl/cGLRenderer.h"
#include "engine/render/gl/cGLVertexBuffer.h"

namespace Engine {

class cGLHardwareBufferManager
    : public cPooledHardwareBufferManager<cGLVertexBuffer, cGLIndexBuffer, cGLRenderer> {
public:
    // Buffers record their bindings in the renderer's record and bind into its vertex array.
    explicit cGLHardwareBufferManager(cGLRenderer& renderer)
        : cPooledHardwareBufferManager(renderer.Bindings(), renderer) {}
};

}  // namespace Engine
