#pragma once
// The 162 unit normals of the MD2 format: each vertex of a frame stores a byte
// that indexes this table instead of a normal of its own.

#include <cstdint>

#include "engine/core/Vector3.h"

namespace Engine {

constexpr uint32_t kMd2NormalCount = 162;

// The normal an MD2 normal index stands for; index must be below kMd2NormalCount.
const Vector3& Md2Normal(uint32_t index);

}  // namespace Engine
