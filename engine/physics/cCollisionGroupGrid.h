#pragma once
// cCollisionGroupGrid: a group binned into the cells of the shared grid
// layout, for the many objects of a level that never move (walls, traps,
// checkpoints). Each member is listed in every cell its box covers. Binning
// happens when the grid is built and when the collision manager configures
// the grids after a level has loaded; objects added or moved afterwards are
// not seen in the cells until the next rebuild. An object removed from the
// group is never proposed again, even before the next rebuild.
//
// Against a singular group the grid looks up only the cells each of the other
// group's members covers; against another grid it pairs what shares a cell.
// Either way a pair found in several cells is proposed once, and the pairs go
// out ordered by the identity of the grid member, then of the other object.

#include <cstdint>
#include <list>
#include <span>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

#include "engine/physics/CollisionGridLayout.h"
#include "engine/physics/iCollisionGroupCmp.h"

namespace Engine {

class cCollisionGroupGrid : public iCollisionGroupCmp {
public:
    // A grid on layout (kept by reference; the manager's shared record),
    // built at once: cells for the layout, no members.
    explicit cCollisionGroupGrid(const CollisionGridLayout& layout);

    // Nothing to do each frame: the cells keep their last rebuild.
    void Update(float dt) override;
    // Releases every member once and empties the cells as well.
    void Clear() override;
    // Appends to the member list; the cells wait for the next rebuild.
    void Add(iPhysicsCmp* object) override;
    // Takes the object out of the member list and out of play in the cells.
    void Remove(iPhysicsCmp* object) override;
    // Candidates with a singular group or another grid, once each, in identity order.
    void GeneratePairs(std::vector<cCollisionPairObj>& candidates, iCollisionGroupCmp* other) override;
    // Naming, counting and the member list as described in iCollisionGroupCmp.
    void SetName(const std::string& new_name) override;
    std::string GetName() const override;
    std::int32_t GetCount() const override;
    eCollisionGroupKind GetKind() const override;
    const std::list<iPhysicsCmp*>& GetMembers() const override;

    // Bins every member afresh on the present layout: each shape is moved to
    // its object's position and the object listed in every cell it covers.
    void Rebuild();
    // One member listed in a cell, with the rank of its address among the
    // members, which orders pairs without comparing addresses.
    struct cCellEntry {
        iPhysicsCmp* object;
        std::int32_t rank;
    };

    // The number of cells of the last rebuild (0 on an unusable layout).
    std::int32_t GetCellCount() const { return builtLayout.cellCount; }
    // The members binned into one cell at the last rebuild, in member order.
    std::span<const cCellEntry> GetCell(std::int32_t cell) const;

    eCollisionGroupKind kind = eCollisionGroupKind::Grid;
    std::string name;
    std::list<iPhysicsCmp*> members;  // insertion order, not owned

protected:
    // A grid member, by rank, and an object sharing a cell with it. Sixteen
    // bytes: the member itself is rankedMembers[rank].
    struct cPairKey {
        std::int32_t rank;
        iPhysicsCmp* second;
    };

    // Pairs with a singular group through the cells its members cover.
    void PairWithList(const std::list<iPhysicsCmp*>& others);
    // Pairs with another grid cell by cell.
    void PairWithGrid(const cCollisionGroupGrid& other);
    // Orders the keys, drops repeats and pairs out of play, and appends the rest.
    void AppendOrdered(std::vector<cCollisionPairObj>& candidates, const cCollisionGroupGrid* other);
    // Sorts the keys by rank, then by the other object's address.
    void OrderKeys();
    // Whether a cell entry has left the group since the last rebuild.
    bool HasLeft(const iPhysicsCmp* object) const;
    // Lists the distinct members in address order for ranking.
    void RankMembers();
    // The rank of a member among the ranked members.
    std::int32_t RankOf(const iPhysicsCmp* object) const;

    const CollisionGridLayout& layout;
    CollisionGridLayout builtLayout;  // the layout of the cells as last built
    // The cells in one array: cell c holds cellEntries[cellStart[c]] up to
    // cellEntries[cellStart[c + 1]], so a lookup is one indirection and a
    // rebuild allocates nothing once the arrays have grown.
    std::vector<std::int32_t> cellStart;
    std::vector<cCellEntry> cellEntries;
    std::vector<iPhysicsCmp*> rankedMembers;  // the distinct binned members by address
    std::unordered_set<const iPhysicsCmp*> leftSinceRebuild;
    // Scratch kept from frame to frame so that passes do not allocate.
    std::vector<std::int32_t> coveredScratch;
    std::vector<std::pair<std::int32_t, cCellEntry>> binScratch;
    std::vector<cPairKey> pairScratch;
    std::vector<cPairKey> orderedScratch;
    std::vector<std::int32_t> rankStart;
};

}  // namespace Engine
