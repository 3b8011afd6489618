#pragma once
// ePhysicsFlags: the behaviour bits of a physics object. Entities set Static,
// Gravity and NoResponse right after creating their object; the entity
// framework drives Disabled from the entity's active state; Removed is set
// when the entity is torn down and takes the object out at the next step.

#include <cstdint>

namespace Engine {

enum class ePhysicsFlags : std::uint8_t {
    Removed = 1,     // taken out of the world at the next step
    Static = 2,      // never integrated, never moved by collision response
    Gravity = 4,     // gravity is added to its velocity each step
    NoResponse = 8,  // its contacts move neither object; callbacks still run
    Disabled = 16,   // not stepped, never paired
};

}  // namespace Engine
