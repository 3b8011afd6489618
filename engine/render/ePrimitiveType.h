#pragma once
// ePrimitiveType: the primitive-type indices the draw operations take and
// meshes store.

#include <cstdint>

namespace Engine {

enum ePrimitiveType : int32_t {
    PT_PointList = 0,
    PT_TriangleList = 1,
    PT_TriangleStrip = 2,
    PT_TriangleFan = 3,
    PT_LineList = 4,
    PT_LineStrip = 5,
};

// The number of vertices (or indices) that primitive_count primitives of the
// given type use; 0 for an unknown type or no primitives.
constexpr uint32_t VerticesForPrimitives(int32_t type, uint32_t primitive_count) {
    if (primitive_count == 0) return 0;
    switch (type) {
        case PT_PointList: return primitive_count;
        case PT_TriangleList: return primitive_count * 3;
        case PT_TriangleStrip:
        case PT_TriangleFan: return primitive_count + 2;
        case PT_LineList: return primitive_count * 2;
        case PT_LineStrip: return primitive_count + 1;
        default: return 0;
    }
}

}  // namespace Engine
