#pragma once
// eBlendFactor: the blend factors materials store for the source and
// destination blend states. The numbers are those the game's material data
// was written with (the original device's blend numbers); every device layer
// maps them to its own factors.

#include <cstdint>

namespace Engine {

enum eBlendFactor : int32_t {
    BLEND_Zero = 1,
    BLEND_One = 2,
    BLEND_SourceColour = 3,
    BLEND_InverseSourceColour = 4,
    BLEND_SourceAlpha = 5,
    BLEND_InverseSourceAlpha = 6,
    BLEND_DestAlpha = 7,
    BLEND_InverseDestAlpha = 8,
    BLEND_DestColour = 9,
    BLEND_InverseDestColour = 10,
    BLEND_SourceAlphaSaturate = 11,
    // 12 and 13 set both factors at once on the original device; they are
    // obsolete there and are rejected here.
    BLEND_BlendFactor = 14,         // the constant blend colour (opaque white)
    BLEND_InverseBlendFactor = 15,  // one minus the constant blend colour
};

// True for the numbers a blend-factor state accepts.
constexpr bool IsBlendFactor(int32_t value) {
    return (value >= BLEND_Zero && value <= BLEND_SourceAlphaSaturate) || value == BLEND_BlendFactor ||
           value == BLEND_InverseBlendFactor;
}

}  // namespace Engine
