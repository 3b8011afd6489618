#pragma once
// RenderNode: one node of the render tree. The tree has four levels below
// its root: material nodes, texture-set nodes under them, and model nodes
// under those, either directly or inside a bounding-volume node that groups
// static models which touch, so that the whole group is culled at once.
//
// data points at the node's object (camera or shadow caster for the root
// while a pass runs, material, texture set, model component), or is null: a
// model without a material or a texture set still has its nodes, with null
// data. box is used by bounding-volume nodes only. name is a readable label
// for logs and tests; the tree finds nodes by the objects themselves.
//
// Nodes come from a pool (engine/entity/Pool.h): Reset returns one to the
// inert state it is handed out in.

#include <cstdint>
#include <string>
#include <vector>

#include "engine/core/AABB.h"

namespace Engine {

class RenderTree;

enum eRenderNodeType : uint32_t {
    RNT_Root = 0,            // the root between passes
    RNT_Camera = 1,          // the root while the main pass runs
    RNT_Light = 2,           // the root while a shadow pass runs
    RNT_Material = 3,        // data: cMaterial*, or null
    RNT_TextureSet = 4,      // data: cTextureSet*, or null
    RNT_Model = 5,           // data: cModelGfxCmp*
    RNT_BoundingVolume = 6,  // no data; box holds the volume of its models
};

struct RenderNode {
    // Clears every field; the node belongs to no tree and has no children.
    void Reset();
    // Appends a child and makes this node its parent.
    void AddChild(RenderNode* child);
    // Takes a child out of the children, keeping the order of the others; its parent becomes null.
    void RemoveChild(RenderNode* child);

    uint32_t type = RNT_Root;
    void* data = nullptr;
    AABB box;
    RenderNode* parent = nullptr;
    std::vector<RenderNode*> children;
    RenderTree* tree = nullptr;
    std::string name;
};

}  // namespace Engine
