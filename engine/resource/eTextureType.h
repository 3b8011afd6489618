#pragma once
// eTextureType: what a texture is on the device, as the texture code numbers it.

#include <cstdint>

namespace Engine {

enum eTextureType : int32_t {
    TT_1D = 0,             // one row of texels
    TT_2D = 1,             // an image, with mipmap levels
    TT_Cube = 2,           // six square faces
    TT_RenderTarget = 3,   // a colour texture the device draws into
    TT_DepthSurface = 4,   // a depth buffer for a render target, never sampled by Bind
};

// True for the numbers a texture type can take.
constexpr bool IsTextureType(int32_t value) { return value >= TT_1D && value <= TT_DepthSurface; }
// True for the types that do not survive a device reset and are made again afterwards.
constexpr bool IsRenderTargetType(int32_t type) { return type == TT_RenderTarget || type == TT_DepthSurface; }

}  // namespace Engine
