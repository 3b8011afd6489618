#pragma once
// A fresh collision manager and physics world for every test, with helpers
// that make boxed physics objects at positions the fixture keeps alive, and a
// journal of contact callbacks.

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "engine/core/Vector3.h"
#include "engine/physics/BoxOperations.h"
#include "engine/physics/cCollisionAABB.h"
#include "engine/physics/cCollisionManager.h"
#include "engine/physics/cPhysicsWorld.h"
#include "engine/physics/iPhysicsCmp.h"

namespace PhysicsTests {

// Every contact callback of a test, as "self>other" tag pairs, in call order.
inline std::vector<std::string>& ContactJournal() {
    static std::vector<std::string> journal;
    return journal;
}

// A callback that journals the contact.
inline std::int32_t JournalContact(Engine::iPhysicsCmp* self, Engine::iPhysicsCmp* other) {
    ContactJournal().push_back(self->GetName() + ">" + other->GetName());
    return 0;
}

class PhysicsFixture : public ::testing::Test {
protected:
    void SetUp() override {
        Fresh();
        ContactJournal().clear();
    }
    void TearDown() override { Fresh(); }

    // The manager goes first: its groups point into the world's pool.
    static void Fresh() {
        Engine::cCollisionManager::Destroy();
        Engine::cPhysicsWorld::Destroy();
    }

    static Engine::cCollisionManager& Manager() { return Engine::cCollisionManager::Instance(); }
    static Engine::cPhysicsWorld& World() { return Engine::cPhysicsWorld::Instance(); }

    // A physics object tagged name in group, a box of the given half extents
    // already placed at position, with the journaling callback.
    Engine::iPhysicsCmp* Make(const std::string& group, const std::string& name, const Engine::Vector3& at,
                              const Engine::Vector3& half = {0.5f, 0.5f, 0.5f}) {
        positions.push_back(at);
        auto* box = new Engine::cCollisionAABB();
        Engine::SetHalfExtents(*box, half);
        box->UpdatePosition(at);
        Engine::iPhysicsCmp* object = World().CreateObject(group, box, name, &positions.back());
        object->SetCallback(&JournalContact);
        return object;
    }

    // The box of an object.
    static const Engine::cCollisionAABB& BoxOf(const Engine::iPhysicsCmp* object) {
        return *Engine::cCollisionAABB::Of(object->GetShape());
    }

    // The candidates of the last pass as "first>second" tags.
    static std::vector<std::string> CandidateTags() {
        std::vector<std::string> tags;
        for (const Engine::cCollisionPairObj& pair : Manager().GetCandidates()) {
            tags.push_back(pair.first->GetName() + ">" + pair.second->GetName());
        }
        return tags;
    }

    std::deque<Engine::Vector3> positions;  // a deque keeps every address stable
};

}  // namespace PhysicsTests
