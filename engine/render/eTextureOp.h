#pragma once
// eTextureOp: how a texture stage combines its texture (the first argument)
// with a second argument, for colour and for alpha separately, as the
// texture code numbers them.

#include <cstdint>

namespace Engine {

enum eTextureOp : int32_t {
    TOP_SelectArg1 = 0,         // the texture alone
    TOP_Modulate = 1,           // texture * argument
    TOP_Add = 2,                // texture + argument
    TOP_BlendTextureAlpha = 3,  // texture * texture alpha + argument * (1 - texture alpha)
};

enum eTextureArg : int32_t {
    TA_Current = 0,  // what the stages before gave; at stage 0, the diffuse colour
    TA_Texture = 1,
    TA_Diffuse = 2,
};

// True for the operation indices a stage accepts.
constexpr bool IsTextureOp(int32_t value) { return value >= TOP_SelectArg1 && value <= TOP_BlendTextureAlpha; }
// True for the argument indices a stage accepts.
constexpr bool IsTextureArg(int32_t value) { return value >= TA_Current && value <= TA_Diffuse; }

// One stage operation; the argument is kept only when the operation uses it.
struct TextureOperation {
    int32_t op = TOP_Modulate;
    int32_t arg = TA_Current;

    bool operator==(const TextureOperation&) const = default;
};

}  // namespace Engine
