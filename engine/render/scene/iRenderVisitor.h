#pragma once
// iRenderVisitor: what a walk of the render tree calls. RenderTree::Traverse
// visits the nodes depth first in pre-order; Visit answers whether to go
// into the node's children (a bounding-volume node outside the view answers
// false and hides its whole group), and Leave runs after the last node of a
// subtree that was entered, so a visitor can undo per-node state. depth is
// kept by the walk: the number of entered subtrees not yet left.

namespace Engine {

struct RenderNode;

class iRenderVisitor {
public:
    virtual ~iRenderVisitor() = default;
    // Handles a node; true to descend into its children.
    virtual bool Visit(RenderNode& node) = 0;
    // Called after the subtree of a node that was entered and has children.
    virtual void Leave(RenderNode& node) = 0;
    // Set-up before a walk.
    virtual void Begin() = 0;

    int depth = 0;
};

}  // namespace Engine
