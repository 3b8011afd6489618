#pragma once
// DecorationPartition: how the decoration batcher splits a level's props into
// a few large static meshes. The play area is cut into 16 fixed cells of
// 15 x 10 x 15 units around the origin; each decoration instance goes into
// the first cell, in table order, whose box meets the instance's box
// (touching counts), and instances that meet none share a 17th group,
// "outside". Grouping by cell lets the renderer cull a whole batch at once.

#include <array>
#include <cstdint>
#include <vector>

#include "engine/core/AABB.h"
#include "engine/core/Matrix4x4.h"

namespace Game {

inline constexpr std::int32_t kPartitionCellCount = 16;
// The group of instances that lie in no cell.
inline constexpr std::int32_t kOutsideGroup = kPartitionCellCount;
inline constexpr std::int32_t kPartitionGroupCount = kPartitionCellCount + 1;

// The box of cell index (0 to 15); an index outside that range logs and gives
// an empty box at the origin.
Engine::AABB PartitionCellBox(std::int32_t index);

// The first cell whose box overlaps box, or kOutsideGroup.
std::int32_t PartitionGroupOf(const Engine::AABB& box);

// Instance matrices of one decoration id, sorted into the 17 groups: each
// matrix transforms mesh_box and joins the group of the result, keeping the
// order the instances were recorded in.
using PartitionGroups = std::array<std::vector<Engine::Matrix4x4>, kPartitionGroupCount>;
PartitionGroups GroupInstances(const Engine::AABB& mesh_box, const std::vector<Engine::Matrix4x4>& instances);

}  // namespace Game
