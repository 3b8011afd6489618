#pragma once
// cNullHardwareBufferManager: the hardware buffer manager of the null device
// layer, with the same pools and rules as every other layer's and buffers
// whose device bytes live in memory.

#include "engine/render/cNullIndexBuffer.h"
#include "engine/render/cNullRenderer.h"
#include "engine/render/cNullVertexBuffer.h"
#include "engine/render/cPooledHardwareBufferManager.h"

namespace Engine {

class cNullHardwareBufferManager
    : public cPooledHardwareBufferManager<cNullVertexBuffer, cNullIndexBuffer, cNullRenderer> {
public:
    // Buffers record their bindings in the renderer's record.
    explicit cNullHardwareBufferManager(cNullRenderer& renderer)
        : cPooledHardwareBufferManager(renderer.Bindings(), renderer) {}
};

}  // namespace Engine
