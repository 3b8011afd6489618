#pragma once
// eDeclUsage: what a vertex element carries.

#include <cstdint>

namespace Engine {

enum eDeclUsage : int32_t {
    DU_Position = 0,
    DU_Normal = 1,
    DU_Colour = 2,
    DU_TexCoord = 3,
    DU_BlendIndices = 4,
};

}  // namespace Engine
