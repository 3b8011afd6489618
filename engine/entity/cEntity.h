#pragma once
// cEntity: the common base of the level's things. An entity is a plain object
// with a name, a transform and at most one model component and one physics
// object; its behaviour lives in derived classes. Entities come from the
// factory's pools, never from new: Init turns a pooled object into a live one
// registered with the scene manager, Update steps it once per frame, and
// Reset tears it down to its pooled state before it goes back.
//
// The fields are public: collision callbacks and other entities talk to an
// entity by writing its fields, and its own update reacts on the next frame.

#include <string>

#include "engine/core/Matrix4x4.h"
#include "engine/core/Quaternion.h"
#include "engine/core/Vector3.h"
#include "engine/entity/iBaseEntity.h"

namespace Engine {

class iGraphicsCmp;
class iGraphicsCmpPool;
class iPhysicsCmp;
class iPhysicsCmpPool;

class cEntity : public iBaseEntity {
public:
    // An inert pooled object: identity transform, no components, inactive.
    cEntity() = default;

    // Makes a pooled object live: active, named, registered with the scene
    // manager (pending until its next flush), components cleared for the
    // derived set-up to create.
    virtual void Init(const std::string& entity_name);
    // Tears the entity down to its pooled state: transform cleared, model
    // handed back and released, physics object handed back to the physics
    // world's pool and forgotten, and the entity taken out of the scene
    // manager. A second Reset finds nothing left to hand back.
    virtual void Reset();
    // The per-frame step; the base rebuilds the world matrix.
    virtual void Update(float dt);
    // Shows or hides the model and enables or disables the physics object.
    virtual void SetActive(bool on);
    // The model component, or null.
    virtual iGraphicsCmp* GetModel() const;
    // Stores the model component.
    virtual void SetModel(iGraphicsCmp* component);
    // Flips the editor's toggle flag and returns the new value.
    virtual bool Toggle();
    // Called by the scene editor on each of its entities every editor frame.
    virtual void EditorUpdate();

    // Moves the entity and rebuilds its world matrix.
    void SetPosition(const Vector3& v);
    // world = scaled rotation rows with the position in the last column.
    void RebuildWorld();

    // The pool model components go back to on Reset (the graphics component registry).
    static void SetModelPool(iGraphicsCmpPool* pool);
    // The registered model component pool, or null.
    static iGraphicsCmpPool* GetModelPool();
    // The pool physics objects go back to on Reset (the physics world).
    static void SetPhysicsPool(iPhysicsCmpPool* pool);
    // The registered physics object pool, or null.
    static iPhysicsCmpPool* GetPhysicsPool();

    std::string name;      // set by Init; empty while pooled
    bool queued = false;   // on the factory's deletion queue, so queued at most once
    bool toggle = false;   // the editor's toggle flag
    Vector3 position;
    Vector3 scale{1, 1, 1};
    Quaternion rotation;   // unit quaternion, w first
    Matrix4x4 world = Matrix4x4::Identity();  // the model component points at it
    iGraphicsCmp* model = nullptr;   // borrowed from the model component pool
    iPhysicsCmp* physics = nullptr;  // moves position; owned until Reset hands it back
    bool active = false;   // true from Init until Reset or SetActive(false)
};

}  // namespace Engine
