#pragma once
// eClearFlag: the bits of iRenderer::Clear's flags; other bits are ignored.

#include <cstdint>

namespace Engine {

enum eClearFlag : uint32_t {
    CLEAR_Colour = 1,
    CLEAR_Depth = 2,
    CLEAR_Stencil = 4,
    CLEAR_All = CLEAR_Colour | CLEAR_Depth | CLEAR_Stencil,
};

}  // namespace Engine
