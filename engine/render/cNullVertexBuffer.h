#pragma once
// cNullVertexBuffer: a vertex buffer of the null device layer (see cNullBuffer).

#include "engine/render/cNullBuffer.h"
#include "engine/render/cVertexBufferBase.h"

namespace Engine {

using cNullVertexBuffer = cNullBuffer<cVertexBufferBase>;

}  // namespace Engine
