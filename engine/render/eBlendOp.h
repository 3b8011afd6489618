#pragma once
// eBlendOp: how a blended pixel combines source and destination, as the
// material data numbers it.

#include <cstdint>

namespace Engine {

enum eBlendOp : int32_t {
    BLENDOP_Add = 1,
    BLENDOP_Subtract = 2,         // source - destination
    BLENDOP_ReverseSubtract = 3,  // destination - source
    BLENDOP_Min = 4,
    BLENDOP_Max = 5,
};

// True for the numbers the blend-operation state accepts.
constexpr bool IsBlendOp(int32_t value) { return value >= BLENDOP_Add && value <= BLENDOP_Max; }

}  // namespace Engine
