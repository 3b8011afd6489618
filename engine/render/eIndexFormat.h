#pragma once
// eIndexFormat: the width of the indices in an index buffer.

#include <cstdint>

namespace Engine {

enum eIndexFormat : int32_t {
    IF_Index16 = 0,
    IF_Index32 = 1,
};

// Bytes per index of a format; 0 for an unknown one.
constexpr uint32_t IndexSize(int32_t format) {
    return format == IF_Index16 ? 2u : format == IF_Index32 ? 4u : 0u;
}

}  // namespace Engine
