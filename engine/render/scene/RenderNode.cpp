#include "engine/render/scene/RenderNode.h"

#include <algorithm>

namespace Engine {

void RenderNode::Reset() {
    type = RNT_Root;
    data = nullptr;
    box = AABB{};
    parent = nullptr;
    children.clear();
    tree = nullptr;
    name.clear();
}

void RenderNode::AddChild(RenderNode* child) {
    child->parent = this;
    children.push_back(child);
}

void RenderNode::RemoveChild(RenderNode* child) {
    auto found = std::find(children.begin(), children.end(), child);
    if (found == children.end()) return;
    children.erase(found);
    child->parent = nullptr;
}

}  // namespace Engine
