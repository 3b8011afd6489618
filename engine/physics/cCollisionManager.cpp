#include "engine/physics/cCollisionManager.h"

#include "engine/physics/BoxOperations.h"
#include "engine/physics/CollisionResponse.h"
#include "engine/physics/cCollisionAABB.h"
#include "engine/physics/cCollisionGroupActiveGrid.h"
#include "engine/physics/cCollisionGroupGrid.h"
#include "engine/physics/cCollisionGroupSingular.h"
#include "engine/physics/cPhysicsWorld.h"
#include "engine/physics/iPhysicsCmp.h"

namespace Engine {

namespace {

// A new, empty group of the kind, or null for a kind that does not exist.
std::unique_ptr<iCollisionGroupCmp> MakeGroup(eCollisionGroupKind kind, const CollisionGridLayout& layout) {
    switch (kind) {
        case eCollisionGroupKind::Singular: return std::make_unique<cCollisionGroupSingular>();
        case eCollisionGroupKind::Grid: return std::make_unique<cCollisionGroupGrid>(layout);
        case eCollisionGroupKind::ActiveGrid: return std::make_unique<cCollisionGroupActiveGrid>(layout);
    }
    return nullptr;
}

// Whether the pair joins the two groups, in either order.
bool Joins(const cCollisionGroupPairObj& pair, const iCollisionGroupCmp* x, const iCollisionGroupCmp* y) {
    return (pair.groupA == x && pair.groupB == y) || (pair.groupA == y && pair.groupB == x);
}

// Handed back to the pool by an earlier callback: released, it has no box left to resolve.
bool IsReleased(const iPhysicsCmp& object) { return object.GetShape() == nullptr; }

// Calls the object's callback, when it has one, with the other party.
void Notify(iPhysicsCmp* self, iPhysicsCmp* other) {
    if (PhysicsCallback callback = self->GetCallback()) callback(self, other);
}

}  // namespace

cCollisionManager::~cCollisionManager() = default;

iCollisionGroupCmp* cCollisionManager::GetGroup(const std::string& name, eCollisionGroupKind kind) {
    if (iCollisionGroupCmp* found = FindGroup(name)) return found;
    std::unique_ptr<iCollisionGroupCmp> group = MakeGroup(kind, gridLayout);
    if (!group) return nullptr;
    group->SetName(name);
    groups.push_back(std::move(group));
    return groups.back().get();
}

iCollisionGroupCmp* cCollisionManager::FindGroup(const std::string& name) const {
    for (const std::unique_ptr<iCollisionGroupCmp>& group : groups) {
        if (group->GetName() == name) return group.get();
    }
    return nullptr;
}

void cCollisionManager::AddGroupPair(const std::string& first_name, const std::string& second_name) {
    iCollisionGroupCmp* first = FindGroup(first_name);
    iCollisionGroupCmp* second = FindGroup(second_name);
    if (first == nullptr || second == nullptr) return;
    for (const cCollisionGroupPairObj& pair : groupPairs) {
        if (Joins(pair, first, second)) return;
    }
    groupPairs.push_back(cCollisionGroupPairObj{second, first});
}

void cCollisionManager::RemoveGroupPair(const std::string& first_name, const std::string& second_name) {
    const iCollisionGroupCmp* first = FindGroup(first_name);
    const iCollisionGroupCmp* second = FindGroup(second_name);
    if (first == nullptr || second == nullptr) return;
    for (auto it = groupPairs.begin(); it != groupPairs.end(); ++it) {
        if (Joins(*it, first, second)) {
            groupPairs.erase(it);
            return;
        }
    }
}

void cCollisionManager::ConfigureGrids() {
    gridLayout = StandardGridLayout();
    for (const std::unique_ptr<iCollisionGroupCmp>& group : groups) {
        if (group->GetKind() != eCollisionGroupKind::Grid) continue;
        if (auto* grid = dynamic_cast<cCollisionGroupGrid*>(group.get())) grid->Rebuild();
    }
}

void cCollisionManager::Update(float dt) {
    for (const std::unique_ptr<iCollisionGroupCmp>& group : groups) group->Update(dt);
    GenerateCandidates();
    FindColliding(dt);
    ResolveColliding(dt);
}

void cCollisionManager::GenerateCandidates() {
    candidates.clear();
    for (const cCollisionGroupPairObj& pair : groupPairs) {
        if (pair.groupA->GetKind() != eCollisionGroupKind::Singular) {
            pair.groupA->GeneratePairs(candidates, pair.groupB);
        } else {
            pair.groupB->GeneratePairs(candidates, pair.groupA);
        }
    }
}

void cCollisionManager::FindColliding(float dt) {
    colliding.clear();
    for (cCollisionPairObj pair : candidates) {
        const cCollisionAABB* box_a = cCollisionAABB::Of(pair.first->GetShape());
        const cCollisionAABB* box_b = cCollisionAABB::Of(pair.second->GetShape());
        if (box_a == nullptr || box_b == nullptr) continue;
        if (SweptBoxTest(*box_a, pair.first->GetVelocity(), *box_b, pair.second->GetVelocity(), dt, pair.time,
                         pair.axis)) {
            colliding.push_back(pair);
        } else if (BoxesOverlap(*box_a, *box_b)) {
            pair.time = -1;
            colliding.push_back(pair);
        }
    }
}

// Indexed, re-reading the size: a callback may clear the manager, and the
// objects of a pair stay valid because the physics pool never frees them.
void cCollisionManager::ResolveColliding(float dt) {
    for (std::size_t i = 0; i < colliding.size(); ++i) {
        const cCollisionPairObj pair = colliding[i];
        if (IsReleased(*pair.first) || IsReleased(*pair.second)) continue;
        ResolveContact(pair, dt);
        Notify(pair.first, pair.second);
        Notify(pair.second, pair.first);
    }
}

void cCollisionManager::Clear() {
    cPhysicsWorld::Instance().ClearObjects();
    groupPairs.clear();
    groups.clear();
    candidates.clear();
    colliding.clear();
}

}  // namespace Engine
