#pragma once
// cNullIndexBuffer: an index buffer of the null device layer (see cNullBuffer).

#include "engine/render/cIndexBufferBase.h"
#include "engine/render/cNullBuffer.h"

namespace Engine {

using cNullIndexBuffer = cNullBuffer<cIndexBufferBase>;

}  // namespace Engine
