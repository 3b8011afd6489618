#pragma once
// cCollisionManager: the collision pass and the collision groups it runs
// over, one per process. Gameplay never tests two objects itself: it names a
// group when it creates a physics object, registers which groups can touch
// which, and reacts in contact callbacks. Once per frame, right after the
// physics step, Update asks every group to update itself, collects candidate
// pairs from every registered group pair in registration order, keeps the
// pairs whose boxes meet (swept over the frame, or simply overlapping),
// resolves each in order and calls both objects' callbacks: first with
// (first, second), then second with (second, first).
//
// Every pair found colliding is resolved and both callbacks run, even when an
// earlier callback of the same pass deactivated or removed one of its
// objects: such objects still exist until the next step, and what touched
// this frame has touched (a ghost slashed this frame may still have reached
// the kid). Only a pair whose object was handed back to the pool by a
// callback (its shape gone) is passed over, and a Clear from a callback ends
// the pass.

#include <list>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/Singleton.h"
#include "engine/physics/CollisionGridLayout.h"
#include "engine/physics/cCollisionGroupPairObj.h"
#include "engine/physics/cCollisionPairObj.h"
#include "engine/physics/eCollisionGroupKind.h"
#include "engine/physics/iCollisionGroupCmp.h"

namespace Engine {

class cCollisionManager : public Singleton<cCollisionManager> {
    friend class Singleton<cCollisionManager>;

public:
    // Deletes the groups and pairs; their members are left to the physics world.
    ~cCollisionManager();

    // The first group named name, whatever its kind; when there is none, a new
    // group of the given kind (grids built at once on the present layout).
    // Null, and nothing made, for a kind that does not exist.
    iCollisionGroupCmp* GetGroup(const std::string& name, eCollisionGroupKind kind);
    // The first group named name, or null; never creates one.
    iCollisionGroupCmp* FindGroup(const std::string& name) const;
    // Registers the two existing groups as touching, once in either order.
    void AddGroupPair(const std::string& first_name, const std::string& second_name);
    // Removes the first registered pair joining the two named groups, in either order.
    void RemoveGroupPair(const std::string& first_name, const std::string& second_name);
    // Sets the standard grid layout and rebuilds every static grid on it.
    void ConfigureGrids();
    // The per-frame collision pass over a frame of dt seconds.
    void Update(float dt);
    // Empties the physics world's object list, then removes every group pair
    // and group and empties the pair arrays (keeping their capacity).
    void Clear();

    // The layout grids are built on.
    const CollisionGridLayout& GetGridLayout() const { return gridLayout; }
    // The groups in creation order.
    const std::list<std::unique_ptr<iCollisionGroupCmp>>& GetGroups() const { return groups; }
    // The group pairs in registration order.
    const std::list<cCollisionGroupPairObj>& GetGroupPairs() const { return groupPairs; }
    // The candidate pairs of the last pass.
    const std::vector<cCollisionPairObj>& GetCandidates() const { return candidates; }
    // The pairs of the last pass whose boxes met.
    const std::vector<cCollisionPairObj>& GetColliding() const { return colliding; }

private:
    cCollisionManager() = default;

    // Candidate pairs of every group pair, the non-singular side generating.
    void GenerateCandidates();
    // Keeps the candidates whose boxes meet within the frame.
    void FindColliding(float dt);
    // Resolves every colliding pair in order and runs its callbacks.
    void ResolveColliding(float dt);

    CollisionGridLayout gridLayout;
    std::list<std::unique_ptr<iCollisionGroupCmp>> groups;
    std::list<cCollisionGroupPairObj> groupPairs;
    std::vector<cCollisionPairObj> candidates;
    std::vector<cCollisionPairObj> colliding;
};

}  // namespace Engine
