#pragma once
// cOptimizeVisitor: the pass that groups static models into bounding-volume
// nodes, run once after a level has loaded (RenderTree::Optimise).
//
// The walk collects, per texture-set node, the model nodes of static models
// that have a mesh and are not in a group yet. Each such batch is then split
// by flood fill into groups of models whose world bounding spheres touch,
// directly or through a chain of others (A touches B, B touches C: one
// group). A group of two or more gets a bounding-volume node under the
// texture-set node, with the union of its members' mesh boxes in world
// space, and its model nodes move under it; a model alone stays where it is.

#include <cstdint>
#include <vector>

#include "engine/render/scene/iRenderVisitor.h"

namespace Engine {

class RenderTree;

class cOptimizeVisitor : public iRenderVisitor {
public:
    // The static model nodes of one texture-set node.
    struct Batch {
        RenderNode* texture_set_node = nullptr;
        std::vector<RenderNode*> models;
    };

    void Begin() override;
    bool Visit(RenderNode& node) override;
    void Leave(RenderNode& node) override;

    // Groups every batch collected by the walk into bounding-volume nodes of the tree.
    void GroupBatches(RenderTree& tree);

    const std::vector<Batch>& Batches() const { return batches; }

    // The batch's model nodes split into groups whose spheres touch, each
    // group in the order the flood fill reached its members.
    static std::vector<std::vector<RenderNode*>> FloodFill(const std::vector<RenderNode*>& models);

private:
    std::vector<RenderNode*> collection;
    std::vector<Batch> batches;
};

}  // namespace Engine
