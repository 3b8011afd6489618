#pragma once
// RenderTree: the scene's models sorted by material, then texture set, so
// that a pass binds each material and each texture set once however many
// models use them.
//
//   root
//     material node (cMaterial*, or null for models without one)
//       texture-set node (cTextureSet*, or null)
//         model node (cModelGfxCmp*)
//         bounding-volume node (static models that touch, grouped by Optimise)
//           model node ...
//
// The registry finds each node by the objects it stands for, never by a
// name: a material node by its material, a texture-set node by the
// (material, texture set) pair, a model node by its component. Joined names
// such as "a_b" + "c" and "a" + "b_c" would otherwise make two different
// pairs share one node. Nodes still carry readable names for logs and tests.
//
// Nodes come from a pool; nodes that leave the tree go back to it.

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/entity/Pool.h"
#include "engine/render/scene/RenderNode.h"

namespace Engine {

class cMaterial;
class cModelGfxCmp;
class cTextureSet;
class iRenderVisitor;

class RenderTree {
public:
    RenderTree();
    RenderTree(const RenderTree&) = delete;
    RenderTree& operator=(const RenderTree&) = delete;

    // Files the model under the nodes of its material and texture set, making
    // those that do not exist yet; a model already in the tree stays as it is.
    void AddModel(cModelGfxCmp& model);
    // Takes the model out, and with it a bounding-volume, texture-set and
    // material node left without children; a model not in the tree changes nothing.
    void RemoveModel(const cModelGfxCmp& model);
    // Empties the registry and the pool and makes a new root.
    void Reset();
    // Groups the static models of each texture set that touch into bounding-volume nodes.
    void Optimise();
    // Walks the tree from the root with the visitor, depth first in
    // pre-order; the caller runs the visitor's Begin first. The walk's storage
    // is the tree's own, so a visitor must not start another walk of this tree.
    void Traverse(iRenderVisitor& visitor);

    RenderNode& Root() { return *root; }
    // The node of a material, of a (material, texture set) pair, of a model; null when absent.
    RenderNode* FindMaterialNode(const cMaterial* material) const;
    RenderNode* FindTextureSetNode(const cMaterial* material, const cTextureSet* set) const;
    RenderNode* FindModelNode(const cModelGfxCmp* model) const;
    // Nodes registered, the root not counted.
    std::size_t NodeCount() const { return registry.size(); }

    // Makes a bounding-volume node under the texture-set node, registered, with the box and the label index.
    RenderNode* AddBoundingVolume(RenderNode& texture_set_node, const AABB& box, uint32_t index);

    // The readable names of the nodes, from the objects' names.
    static std::string MaterialNodeName(const cMaterial* material);
    static std::string TextureSetNodeName(const cMaterial* material, const cTextureSet* set);
    static std::string ModelNodeName(const cMaterial* material, const cTextureSet* set, const cModelGfxCmp* model);

private:
    // A node's identity: its type and the one or two objects it stands for.
    using Key = std::tuple<uint32_t, const void*, const void*>;

    RenderNode* Find(const Key& key) const;
    // The registered node of the key, made under parent when absent.
    RenderNode* FindOrMake(const Key& key, RenderNode& parent, void* data, std::string name);
    // Detaches the node, unregisters it and gives it back to the pool.
    void Drop(RenderNode* node, const Key& key);
    // Drops the node when it has no children left.
    void DropIfEmpty(RenderNode* node, const Key& key);
    void MakeRoot();

    Pool<RenderNode> pool;
    RenderNode* root = nullptr;
    std::map<Key, RenderNode*> registry;
    // The walk's working storage, kept so that a walk allocates only when the tree has grown.
    std::vector<RenderNode*> pending;
    // Each entered node with the number of its children not yet taken.
    std::vector<std::pair<RenderNode*, std::size_t>> leave;
};

}  // namespace Engine
