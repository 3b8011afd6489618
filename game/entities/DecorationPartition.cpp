#include "game/entities/DecorationPartition.h"

#include <string>

#include "engine/core/cLog.h"
#include "engine/physics/BoxOperations.h"

namespace Game {

namespace {

// Lower x and z corners of each cell; every cell spans 15 units in x and z
// and 0 to 10 in y.
struct sCellCorner {
    float x;
    float z;
};

constexpr float kCellEdge = 15.0f;
constexpr float kCellHeight = 10.0f;

constexpr std::array<sCellCorner, kPartitionCellCount> kCellCorners{{
    {0, 0}, {15, 0}, {0, 15}, {15, 15},
    {-30, 0}, {-15, 0}, {-30, 15}, {-15, 15},
    {-30, -30}, {-15, -30}, {-30, -15}, {-15, -15},
    {0, -30}, {15, -30}, {0, -15}, {15, -15},
}};

}  // namespace

Engine::AABB PartitionCellBox(std::int32_t index) {
    if (index < 0 || index >= kPartitionCellCount) {
        Engine::LogError("PartitionCellBox: no partition cell " + std::to_string(index));
        return {};
    }
    const sCellCorner& c = kCellCorners[static_cast<std::size_t>(index)];
    return {{c.x, 0.0f, c.z}, {c.x + kCellEdge, kCellHeight, c.z + kCellEdge}};
}

std::int32_t PartitionGroupOf(const Engine::AABB& box) {
    for (std::int32_t i = 0; i < kPartitionCellCount; ++i) {
        if (Engine::BoxesOverlap(PartitionCellBox(i), box)) return i;
    }
    return kOutsideGroup;
}

PartitionGroups GroupInstances(const Engine::AABB& mesh_box, const std::vector<Engine::Matrix4x4>& instances) {
    PartitionGroups groups;
    for (const Engine::Matrix4x4& m : instances) {
        Engine::AABB box = mesh_box;
        Engine::TransformBox(m, box);
        groups[static_cast<std::size_t>(PartitionGroupOf(box))].push_back(m);
    }
    return groups;
}

}  // namespace Game
