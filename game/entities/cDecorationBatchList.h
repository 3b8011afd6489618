#pragma once
// cDecorationBatchList: the decorations a level load has placed, waiting to
// be merged into a few large static meshes. Each decoration records its
// catalogue id and world matrix as it is set up (not in the scene editor,
// where every prop stays its own model); once the loader has read all
// decorations, the batcher takes each id's instances, sorts them into the
// partition groups and empties the list. Batch meshes are named id +
// "decorbatch" + group number so that every level load finds the same names.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "engine/core/AABB.h"
#include "engine/core/Matrix4x4.h"
#include "engine/core/Singleton.h"
#include "game/entities/DecorationPartition.h"

namespace Game {

class cDecorationBatchList : public Engine::Singleton<cDecorationBatchList> {
public:
    // The name of the batch mesh of group (0 to 16) of id.
    static std::string BatchMeshName(const std::string& id, std::int32_t group);

    // Adds one instance of id at world.
    void Record(const std::string& id, const Engine::Matrix4x4& world);
    // The ids with at least one instance, in id order.
    std::vector<std::string> Ids() const;
    // The instances of id in the order they were recorded; none for an unknown id.
    const std::vector<Engine::Matrix4x4>& Instances(const std::string& id) const;
    // The instances of id sorted into the partition groups by mesh_box, the
    // bounding box of id's mesh.
    PartitionGroups Partition(const std::string& id, const Engine::AABB& mesh_box) const;
    // Forgets every instance.
    void Clear() { instances.clear(); }
    bool Empty() const { return instances.empty(); }

private:
    friend class Engine::Singleton<cDecorationBatchList>;
    cDecorationBatchList() = default;

    std::map<std::string, std::vector<Engine::Matrix4x4>> instances;
};

}  // namespace Game
