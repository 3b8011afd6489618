#include "engine/render/scene/cOptimizeVisitor.h"

#include <algorithm>
#include <deque>

#include "engine/physics/BoxOperations.h"
#include "engine/render/scene/RenderNode.h"
#include "engine/render/scene/RenderTree.h"
#include "engine/render/scene/cModelGfxCmp.h"
#include "engine/resource/cMesh.h"

namespace Engine {

namespace {

const cModelGfxCmp& ModelOf(const RenderNode* node) { return *static_cast<const cModelGfxCmp*>(node->data); }

bool SpheresTouch(const Vector4& a, const Vector4& b) {
    const float reach = a.w + b.w;
    return LengthSquared(a.Xyz() - b.Xyz()) <= reach * reach;
}

// The union of the model's mesh boxes, each moved into the world by the model's transform.
AABB WorldBox(const cModelGfxCmp& model) {
    const Matrix4x4 world = model.transform ? *model.transform : Matrix4x4::Identity();
    AABB total;
    bool first = true;
    for (const cMesh* mesh : model.Meshes()) {
        AABB box = mesh->BoundingBox();
        TransformBox(world, box);
        if (first) {
            total = box;
            first = false;
            continue;
        }
        total.min = {std::min(total.min.x, box.min.x), std::min(total.min.y, box.min.y),
                     std::min(total.min.z, box.min.z)};
        total.max = {std::max(total.max.x, box.max.x), std::max(total.max.y, box.max.y),
                     std::max(total.max.z, box.max.z)};
    }
    return total;
}

AABB Union(const AABB& a, const AABB& b) {
    return {{std::min(a.min.x, b.min.x), std::min(a.min.y, b.min.y), std::min(a.min.z, b.min.z)},
            {std::max(a.max.x, b.max.x), std::max(a.max.y, b.max.y), std::max(a.max.z, b.max.z)}};
}

}  // namespace

void cOptimizeVisitor::Begin() {
    collection.clear();
    batches.clear();
}

bool cOptimizeVisitor::Visit(RenderNode& node) {
    if (node.type != RNT_Model) return true;
    const cModelGfxCmp& model = ModelOf(&node);
    const bool ungrouped = node.parent && node.parent->type == RNT_TextureSet;
    if (model.Moving() == 0 && !model.Meshes().empty() && ungrouped) collection.push_back(&node);
    return true;
}

void cOptimizeVisitor::Leave(RenderNode& node) {
    if (node.type != RNT_TextureSet || collection.empty()) return;
    batches.push_back({&node, collection});
    collection.clear();
}

std::vector<std::vector<RenderNode*>> cOptimizeVisitor::FloodFill(const std::vector<RenderNode*>& models) {
    std::deque<RenderNode*> pool(models.begin(), models.end());
    std::vector<std::vector<RenderNode*>> groups;
    while (!pool.empty()) {
        std::vector<RenderNode*> group{pool.front()};
        pool.pop_front();
        for (std::size_t examined = 0; examined < group.size(); ++examined) {
            const Vector4 sphere = ModelOf(group[examined]).WorldBoundingSphere();
            for (auto it = pool.begin(); it != pool.end();) {
                if (SpheresTouch(sphere, ModelOf(*it).WorldBoundingSphere())) {
                    group.push_back(*it);
                    it = pool.erase(it);
                } else {
                    ++it;
                }
            }
        }
        groups.push_back(std::move(group));
    }
    return groups;
}

void cOptimizeVisitor::GroupBatches(RenderTree& tree) {
    for (const Batch& batch : batches) {
        uint32_t index = 0;
        for (const std::vector<RenderNode*>& group : FloodFill(batch.models)) {
            if (group.size() < 2) continue;
            AABB box = WorldBox(ModelOf(group.front()));
            for (const RenderNode* member : group) box = Union(box, WorldBox(ModelOf(member)));
            RenderNode* volume = tree.AddBoundingVolume(*batch.texture_set_node, box, index++);
            for (RenderNode* member : group) {
                member->parent->RemoveChild(member);
                volume->AddChild(member);
            }
        }
    }
    batches.clear();
}

}  // namespace Engine
