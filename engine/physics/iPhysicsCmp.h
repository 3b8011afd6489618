#pragma once
// iPhysicsCmp: a physics object as its entity sees it. Every entity that moves
// or can be touched owns one; the object points at the entity's position and
// moves it. The entity needs two things of it: to stop it while the entity is
// inactive (the Disabled flag: not stepped, never paired) and to have it taken
// out of the world when the entity is torn down (MarkRemoved: the next physics
// step removes it).
//
// The physics side adds the attachment, naming, callback and integration
// operations of the object around these when it is written.

namespace Engine {

class iPhysicsCmp {
public:
    virtual ~iPhysicsCmp() = default;

    // Asks the next physics step to take the object out of the world.
    virtual void MarkRemoved() = 0;
    // Whether MarkRemoved has been called since the object was handed out.
    virtual bool IsRemoved() const = 0;
    // Sets or clears the Disabled flag; a disabled object keeps its velocity.
    virtual void SetDisabled(bool disabled) = 0;
    // Whether the Disabled flag is set.
    virtual bool IsDisabled() const = 0;
};

}  // namespace Engine
