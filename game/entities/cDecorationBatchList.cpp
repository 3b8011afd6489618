#include "game/entities/cDecorationBatchList.h"

namespace Game {

std::string cDecorationBatchList::BatchMeshName(const std::string& id, std::int32_t group) {
    return id + "decorbatch" + std::to_string(group);
}

void cDecorationBatchList::Record(const std::string& id, const Engine::Matrix4x4& world) {
    instances[id].push_back(world);
}

std::vector<std::string> cDecorationBatchList::Ids() const {
    std::vector<std::string> ids;
    ids.reserve(instances.size());
    for (const auto& [id, list] : instances) ids.push_back(id);
    return ids;
}

const std::vector<Engine::Matrix4x4>& cDecorationBatchList::Instances(const std::string& id) const {
    static const std::vector<Engine::Matrix4x4> kNone;
    const auto found = instances.find(id);
    return found == instances.end() ? kNone : found->second;
}

PartitionGroups cDecorationBatchList::Partition(const std::string& id, const Engine::AABB& mesh_box) const {
    return GroupInstances(mesh_box, Instances(id));
}

}  // namespace Game
