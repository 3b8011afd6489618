#pragma once
// eShaderStage: the two programmable stages of the device, as shader stages
// and the shader manager number them.

#include <cstdint>

namespace Engine {

enum eShaderStage : int32_t {
    SS_Vertex = 0,
    SS_Pixel = 1,
};

}  // namespace Engine
