#pragma once
// eBufferUsage: how a vertex or index buffer lives on the device. Static and
// managed buffers survive a device reset; dynamic buffers keep a copy in
// system memory, are released before a reset and written back after it.

#include <cstdint>

namespace Engine {

enum eBufferUsage : int32_t {
    BU_Static = 0,
    BU_Managed = 1,
    BU_Dynamic = 2,
};

// True for the three usages.
constexpr bool IsBufferUsage(int32_t value) { return value >= BU_Static && value <= BU_Dynamic; }

}  // namespace Engine
