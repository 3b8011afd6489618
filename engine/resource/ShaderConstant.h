#pragma once
// ShaderConstant: what a compiled shader stage tells about one of its
// top-level constants (uniforms): the kind of value it takes, where the
// device keeps it and, for samplers, the texture stage it reads.
//
// Setters look the kind up before they send anything: a value of another
// kind than the constant's is not sent, since the device would refuse it.

#include <cstdint>

namespace Engine {

enum eShaderConstantType : int32_t {
    SCT_Int = 0,      // int or bool
    SCT_Float = 1,
    SCT_Float2 = 2,
    SCT_Float3 = 3,
    SCT_Float4 = 4,
    SCT_Matrix = 5,   // 4x4, uploaded in the engine's row order
    SCT_Sampler = 6,  // a texture read through a texture stage
    SCT_Other = 7,    // any other kind; no setter reaches it
};

struct ShaderConstant {
    eShaderConstantType type = SCT_Other;
    int32_t location = -1;      // the device's handle of the constant
    uint32_t sampler_unit = 0;  // the texture stage of a sampler
};

}  // namespace Engine
