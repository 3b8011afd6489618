#pragma once
// cCollisionPairObj: two physics objects that may be touching this frame.
// Groups produce them as candidates (time 0); the collision pass keeps those
// whose boxes meet, with the time and axis of first contact from the swept
// test, or time -1 when the boxes simply overlap. Held by value in the
// manager's arrays, which keep their capacity from frame to frame.

#include <cstdint>

namespace Engine {

class iPhysicsCmp;

struct cCollisionPairObj {
    iPhysicsCmp* first = nullptr;   // the member of the generating group
    iPhysicsCmp* second = nullptr;  // the member of the other group
    float time = 0;                 // first contact within the frame; -1 when already overlapping
    std::int32_t axis = 0;          // axis of first contact (0 x, 1 y, 2 z) when time > 0
};

}  // namespace Engine
