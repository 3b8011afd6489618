#include "engine/physics/cCollisionGroupGrid.h"

#include <algorithm>   // std::sort, std::unique, std::min
#include <functional>  // std::less orders pairs by object identity

#include "engine/physics/cCollisionAABB.h"
#include "engine/physics/cPhysicsWorld.h"
#include "engine/physics/iPhysicsCmp.h"

namespace Engine {

cCollisionGroupGrid::cCollisionGroupGrid(const CollisionGridLayout& layout_) : layout(layout_) { Rebuild(); }

void cCollisionGroupGrid::Update(float /*dt*/) {}

void cCollisionGroupGrid::Clear() {
    cPhysicsWorld::Instance().RemoveMembers(members);
    cellStart.assign(cellStart.size(), 0);
    cellEntries.clear();
    leftSinceRebuild.clear();
}

void cCollisionGroupGrid::Add(iPhysicsCmp* object) {
    members.push_back(object);
    leftSinceRebuild.erase(object);
}

void cCollisionGroupGrid::Remove(iPhysicsCmp* object) {
    members.remove(object);
    leftSinceRebuild.insert(object);
}

std::span<const cCollisionGroupGrid::cCellEntry> cCollisionGroupGrid::GetCell(std::int32_t cell) const {
    if (cell < 0 || cell >= builtLayout.cellCount) return {};
    const std::size_t begin = static_cast<std::size_t>(cellStart[static_cast<std::size_t>(cell)]);
    const std::size_t end = static_cast<std::size_t>(cellStart[static_cast<std::size_t>(cell) + 1]);
    return std::span<const cCellEntry>(cellEntries.data() + begin, end - begin);
}

void cCollisionGroupGrid::GeneratePairs(std::vector<cCollisionPairObj>& candidates, iCollisionGroupCmp* other) {
    if (other == nullptr) return;
    pairScratch.clear();
    const eCollisionGroupKind other_kind = other->GetKind();
    if (other_kind == eCollisionGroupKind::Singular) {
        PairWithList(other->GetMembers());
        AppendOrdered(candidates, nullptr);
    } else if (other_kind == eCollisionGroupKind::Grid || other_kind == eCollisionGroupKind::ActiveGrid) {
        const auto* grid = dynamic_cast<const cCollisionGroupGrid*>(other);
        if (grid == nullptr) return;
        PairWithGrid(*grid);
        AppendOrdered(candidates, grid);
    }
}

// Grid members are checked for being out of play only after ordering, when
// they are visited in address order rather than at random.
void cCollisionGroupGrid::PairWithList(const std::list<iPhysicsCmp*>& others) {
    for (iPhysicsCmp* d : others) {
        if (d->IsDisabled()) continue;
        const cCollisionAABB* box = cCollisionAABB::Of(d->GetShape());
        if (box == nullptr) continue;
        CoveredCells(builtLayout, *box, coveredScratch);
        for (std::int32_t cell : coveredScratch) {
            for (const cCellEntry& m : GetCell(cell)) {
                if (m.object != d) pairScratch.push_back(cPairKey{m.rank, d});
            }
        }
    }
}

void cCollisionGroupGrid::PairWithGrid(const cCollisionGroupGrid& other) {
    const std::int32_t count = std::min(GetCellCount(), other.GetCellCount());
    for (std::int32_t i = 0; i < count; ++i) {
        const std::span<const cCellEntry> theirs = other.GetCell(i);
        if (theirs.empty()) continue;
        for (const cCellEntry& m : GetCell(i)) {
            for (const cCellEntry& d : theirs) {
                if (m.object != d.object) pairScratch.push_back(cPairKey{m.rank, d.object});
            }
        }
    }
}

void cCollisionGroupGrid::AppendOrdered(std::vector<cCollisionPairObj>& candidates, const cCollisionGroupGrid* other) {
    OrderKeys();
    const auto end = std::unique(orderedScratch.begin(), orderedScratch.end(), [](const cPairKey& a, const cPairKey& b) {
        return a.rank == b.rank && a.second == b.second;
    });
    std::int32_t last_rank = -1;
    iPhysicsCmp* first = nullptr;
    bool first_in_play = false;
    for (auto it = orderedScratch.begin(); it != end; ++it) {
        if (it->rank != last_rank) {
            last_rank = it->rank;
            first = rankedMembers[static_cast<std::size_t>(it->rank)];
            first_in_play = !first->IsDisabled() && !HasLeft(first);
        }
        if (!first_in_play) continue;
        if (other != nullptr && (it->second->IsDisabled() || other->HasLeft(it->second))) continue;
        candidates.push_back(cCollisionPairObj{first, it->second, 0, 0});
    }
}

// Few keys against many members: a comparison sort. Otherwise a counting sort
// by rank, linear in keys and members, then each member's few keys by the
// other object's address. Both give address order, as rank order is address order.
void cCollisionGroupGrid::OrderKeys() {
    const std::less<const iPhysicsCmp*> before;
    const auto by_rank_then_second = [&before](const cPairKey& a, const cPairKey& b) {
        return a.rank != b.rank ? a.rank < b.rank : before(a.second, b.second);
    };
    const std::size_t ranks = rankedMembers.size();
    if (pairScratch.size() * 16 < ranks) {
        orderedScratch.assign(pairScratch.begin(), pairScratch.end());
        std::sort(orderedScratch.begin(), orderedScratch.end(), by_rank_then_second);
        return;
    }
    rankStart.assign(ranks + 1, 0);
    for (const cPairKey& key : pairScratch) ++rankStart[static_cast<std::size_t>(key.rank) + 1];
    for (std::size_t i = 1; i <= ranks; ++i) rankStart[i] += rankStart[i - 1];
    orderedScratch.resize(pairScratch.size());
    for (const cPairKey& key : pairScratch) {
        orderedScratch[static_cast<std::size_t>(rankStart[static_cast<std::size_t>(key.rank)]++)] = key;
    }
    // rankStart[r] now holds the end of rank r's run, which is where rank r + 1 begins.
    std::size_t begin = 0;
    for (std::size_t r = 0; r < ranks; ++r) {
        const std::size_t end = static_cast<std::size_t>(rankStart[r]);
        if (end - begin > 1) std::sort(orderedScratch.begin() + static_cast<std::ptrdiff_t>(begin),
                                       orderedScratch.begin() + static_cast<std::ptrdiff_t>(end), by_rank_then_second);
        begin = end;
    }
}

bool cCollisionGroupGrid::HasLeft(const iPhysicsCmp* object) const {
    return !leftSinceRebuild.empty() && leftSinceRebuild.count(object) != 0;
}

// Every member's covered cells are listed first, then counted into cell
// starts and scattered in member order, so each cell keeps the member order.
void cCollisionGroupGrid::Rebuild() {
    builtLayout = IsUsable(layout) ? layout : CollisionGridLayout{};
    leftSinceRebuild.clear();
    RankMembers();
    binScratch.clear();
    for (iPhysicsCmp* object : members) {
        iCollisionCmp* shape = object->GetShape();
        if (shape == nullptr) continue;
        shape->UpdatePosition(object->GetPosition());
        const cCollisionAABB* box = cCollisionAABB::Of(shape);
        if (box == nullptr) continue;
        CoveredCells(builtLayout, *box, coveredScratch);
        const cCellEntry entry{object, RankOf(object)};
        for (std::int32_t cell : coveredScratch) binScratch.emplace_back(cell, entry);
    }
    cellStart.assign(static_cast<std::size_t>(builtLayout.cellCount) + 1, 0);
    for (const auto& [cell, entry] : binScratch) ++cellStart[static_cast<std::size_t>(cell) + 1];
    for (std::size_t i = 1; i < cellStart.size(); ++i) cellStart[i] += cellStart[i - 1];
    cellEntries.resize(binScratch.size());
    std::vector<std::int32_t>& next = coveredScratch;  // the write position of each cell
    next.assign(cellStart.begin(), cellStart.end() - 1);
    for (const auto& [cell, entry] : binScratch) {
        cellEntries[static_cast<std::size_t>(next[static_cast<std::size_t>(cell)]++)] = entry;
    }
}

void cCollisionGroupGrid::RankMembers() {
    rankedMembers.assign(members.begin(), members.end());
    const std::less<const iPhysicsCmp*> before;
    std::sort(rankedMembers.begin(), rankedMembers.end(), before);
    rankedMembers.erase(std::unique(rankedMembers.begin(), rankedMembers.end()), rankedMembers.end());
}

std::int32_t cCollisionGroupGrid::RankOf(const iPhysicsCmp* object) const {
    const auto it = std::lower_bound(rankedMembers.begin(), rankedMembers.end(), object,
                                     std::less<const iPhysicsCmp*>());
    return static_cast<std::int32_t>(it - rankedMembers.begin());
}

void cCollisionGroupGrid::SetName(const std::string& new_name) { name = new_name; }

std::string cCollisionGroupGrid::GetName() const { return name; }

std::int32_t cCollisionGroupGrid::GetCount() const { return static_cast<std::int32_t>(members.size()); }

eCollisionGroupKind cCollisionGroupGrid::GetKind() const { return kind; }

const std::list<iPhysicsCmp*>& cCollisionGroupGrid::GetMembers() const { return members; }

}  // namespace Engine
