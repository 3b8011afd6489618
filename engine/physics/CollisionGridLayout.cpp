#include "engine/physics/CollisionGridLayout.h"

#include <algorithm>  // std::find
#include <cstdlib>    // std::llabs

namespace Engine {

namespace {

// Beyond this many units a coordinate is clamped before truncation, so that
// far-off or non-finite boxes never overflow the integer conversion.
constexpr float kCoordinateLimit = 1.0e9f;

// Truncation toward zero of a coordinate; NaN counts as 0.
long long TruncateCoordinate(float v) {
    if (!(v == v)) return 0;
    if (v > kCoordinateLimit) v = kCoordinateLimit;
    if (v < -kCoordinateLimit) v = -kCoordinateLimit;
    return static_cast<long long>(v);
}

// The cell index along one axis of a coordinate already divided by the cell size.
std::int32_t Fold(long long quotient, std::int32_t count) {
    return static_cast<std::int32_t>(std::llabs(quotient % count));
}

// The distinct indices along one axis for coordinates lo..hi. Once the span
// holds twice the count, every index is covered whatever the signs, so a huge
// box costs no more than the grid is wide.
void AxisIndices(float lo, float hi, std::int32_t size, std::int32_t count, std::vector<std::int32_t>& out) {
    out.clear();
    const long long first = TruncateCoordinate(lo) / size;
    const long long last = TruncateCoordinate(hi) / size;
    if (last < first) return;
    if (last - first + 1 >= 2LL * count) {
        for (std::int32_t i = 0; i < count; ++i) out.push_back(i);
        return;
    }
    for (long long q = first; q <= last; ++q) {
        const std::int32_t index = Fold(q, count);
        if (std::find(out.begin(), out.end(), index) == out.end()) out.push_back(index);
    }
}

}  // namespace

CollisionGridLayout StandardGridLayout() { return CollisionGridLayout{100, 100, 1, 1, 10000}; }

bool IsUsable(const CollisionGridLayout& layout) {
    return layout.columns > 0 && layout.rows > 0 && layout.cellWidth > 0 && layout.cellDepth > 0 &&
           static_cast<long long>(layout.columns) * layout.rows == layout.cellCount;
}

std::int32_t CellOfPoint(const CollisionGridLayout& layout, float x, float z) {
    const std::int32_t column = Fold(TruncateCoordinate(x) / layout.cellWidth, layout.columns);
    const std::int32_t row = Fold(TruncateCoordinate(z) / layout.cellDepth, layout.rows);
    return layout.columns * row + column;
}

void CoveredCells(const CollisionGridLayout& layout, const AABB& box, std::vector<std::int32_t>& cells) {
    cells.clear();
    if (!IsUsable(layout)) return;
    thread_local std::vector<std::int32_t> columns;
    thread_local std::vector<std::int32_t> rows;
    AxisIndices(box.min.x, box.max.x, layout.cellWidth, layout.columns, columns);
    AxisIndices(box.min.z, box.max.z, layout.cellDepth, layout.rows, rows);
    for (std::int32_t row : rows) {
        for (std::int32_t column : columns) cells.push_back(layout.columns * row + column);
    }
}

}  // namespace Engine
