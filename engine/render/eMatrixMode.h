#pragma once
// eMatrixMode: which transform iRenderer::GetMatrix and SetMatrix address.

#include <cstdint>

namespace Engine {

enum eMatrixMode : int32_t {
    MM_Projection = 0,
    MM_World = 1,
    MM_View = 2,
    MM_Texture = 3,   // the texture-coordinate transform of stage 0
    MM_Combined = 4,  // projection * view * world; read only
};

}  // namespace Engine
