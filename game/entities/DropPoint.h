#pragma once
// DropPoint: where one rain drop falls this frame, as a point of the ground
// plane. The environment effects rebuild the list every frame; the rain and
// its splashes read it.

namespace Game {

struct DropPoint {
    float x = 0.0f;
    float z = 0.0f;
};

}  // namespace Game
