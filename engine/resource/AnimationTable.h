#pragma once
// AnimationTable: the named animations of a keyframed model, each a range of
// keyframes. Names sort in the map's order, and that order is the one loop
// pairs are built and looked up in, so the position of a name in the table is
// the index of its loop pair in the mesh.

#include <cstdint>
#include <map>
#include <string>

namespace Engine {

struct AnimationRange {
    uint32_t first = 0;
    uint32_t last = 0;
    float framesPerSecond = 30.0f;
};

using AnimationTable = std::map<std::string, AnimationRange>;

}  // namespace Engine
