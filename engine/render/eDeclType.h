#pragma once
// eDeclType: the data type of a vertex element and its size in bytes.

#include <cstdint>

namespace Engine {

enum eDeclType : int32_t {
    DT_Float1 = 0,
    DT_Float2 = 1,
    DT_Float3 = 2,
    DT_Float4 = 3,
    DT_UByte4 = 4,       // four unsigned bytes, read as 0..255
    DT_PackedColour = 5, // a 32-bit 0xAARRGGBB colour, read as four channels in 0..1
};

// Bytes of an element of the type; an unknown type counts 0 bytes.
constexpr uint32_t DeclTypeSize(int32_t type) {
    switch (type) {
        case DT_Float1: return 4;
        case DT_Float2: return 8;
        case DT_Float3: return 12;
        case DT_Float4: return 16;
        case DT_UByte4:
        case DT_PackedColour: return 4;
        default: return 0;
    }
}

}  // namespace Engine
