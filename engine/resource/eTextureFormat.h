#pragma once
// eTextureFormat: the texel formats of colour textures. Pixel data always
// comes as four bytes per texel: blue, green, red, alpha for the 8-bit
// formats (alpha 255 and ignored for TF_RGB8), or one 32-bit float for
// TF_R32F. Depth surfaces take the device's depth format whatever they are given.

#include <cstdint>

namespace Engine {

enum eTextureFormat : int32_t {
    TF_RGB8 = 0,   // colour without alpha (24-bit images)
    TF_ARGB8 = 1,  // colour with alpha (32-bit images)
    TF_R32F = 2,   // one float per texel (shadow maps)
};

// True for the format indices a colour texture can have.
constexpr bool IsTextureFormat(int32_t value) { return value >= TF_RGB8 && value <= TF_R32F; }

}  // namespace Engine
