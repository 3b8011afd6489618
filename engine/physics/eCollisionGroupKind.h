#pragma once
// eCollisionGroupKind: how a collision group finds candidate pairs. A
// singular group pairs every member with every member of the other group;
// the two grid kinds bin their members into ground-plane cells and pair only
// what shares a cell, the grid binned when asked (static level objects), the
// active grid binned again every frame (many moving objects).

#include <cstdint>

namespace Engine {

enum class eCollisionGroupKind : std::int32_t {
    Singular = 0,
    Grid = 1,
    ActiveGrid = 2,
};

}  // namespace Engine
