#include "engine/render/scene/RenderTree.h"

#include <sstream>
#include <utility>
#include <vector>

#include "engine/render/scene/cModelGfxCmp.h"
#include "engine/render/scene/cOptimizeVisitor.h"
#include "engine/render/scene/iRenderVisitor.h"
#include "engine/resource/cMaterial.h"
#include "engine/resource/cTextureSet.h"

namespace Engine {

namespace {

std::string MaterialLabel(const cMaterial* material) { return material ? material->Name() : "nullmat"; }
std::string SetLabel(const cTextureSet* set) { return set ? set->Name() : "nullts"; }

}  // namespace

RenderTree::RenderTree() { MakeRoot(); }

std::string RenderTree::MaterialNodeName(const cMaterial* material) {
    return MaterialLabel(material) + "_materialnode";
}

std::string RenderTree::TextureSetNodeName(const cMaterial* material, const cTextureSet* set) {
    return MaterialLabel(material) + "_" + SetLabel(set) + "_tsnode";
}

std::string RenderTree::ModelNodeName(const cMaterial* material, const cTextureSet* set,
                                      const cModelGfxCmp* model) {
    std::ostringstream address;
    address << static_cast<const void*>(model);
    return MaterialLabel(material) + "_" + SetLabel(set) + "_modelnode_" + address.str();
}

void RenderTree::AddModel(cModelGfxCmp& model) {
    cMaterial* material = model.Material();
    cTextureSet* set = model.TextureSet();
    RenderNode* material_node =
        FindOrMake({RNT_Material, material, nullptr}, *root, material, MaterialNodeName(material));
    RenderNode* set_node =
        FindOrMake({RNT_TextureSet, material, set}, *material_node, set, TextureSetNodeName(material, set));
    FindOrMake({RNT_Model, &model, nullptr}, *set_node, &model, ModelNodeName(material, set, &model));
}

void RenderTree::RemoveModel(const cModelGfxCmp& model) {
    const Key model_key{RNT_Model, &model, nullptr};
    RenderNode* model_node = Find(model_key);
    if (model_node == nullptr) return;
    RenderNode* set_node = model_node->parent;
    if (set_node->type == RNT_BoundingVolume) {
        RenderNode* volume = set_node;
        set_node = volume->parent;
        volume->RemoveChild(model_node);
        DropIfEmpty(volume, {RNT_BoundingVolume, volume, nullptr});
    }
    Drop(model_node, model_key);
    RenderNode* material_node = set_node->parent;
    DropIfEmpty(set_node, {RNT_TextureSet, material_node->data, set_node->data});
    DropIfEmpty(material_node, {RNT_Material, material_node->data, nullptr});
}

void RenderTree::Reset() {
    registry.clear();
    pool.ReleaseAll();
    MakeRoot();
}

void RenderTree::Optimise() {
    cOptimizeVisitor optimiser;
    optimiser.Begin();
    Traverse(optimiser);
    optimiser.GroupBatches(*this);
}

void RenderTree::Traverse(iRenderVisitor& visitor) {
    // pending is a stack whose top is the front of the walk's queue: children
    // go on in reverse so that the first child is taken next.
    pending.assign(1, root);
    leave.clear();
    while (!pending.empty()) {
        RenderNode* node = pending.back();
        pending.pop_back();
        const std::size_t parent_entry = leave.size();
        if (visitor.Visit(*node) && !node->children.empty()) {
            pending.insert(pending.end(), node->children.rbegin(), node->children.rend());
            leave.emplace_back(node, node->children.size());
            ++visitor.depth;
        }
        if (parent_entry > 0) --leave[parent_entry - 1].second;
        while (!leave.empty() && leave.back().second == 0) {
            visitor.Leave(*leave.back().first);
            leave.pop_back();
            --visitor.depth;
        }
    }
}

RenderNode* RenderTree::FindMaterialNode(const cMaterial* material) const {
    return Find({RNT_Material, material, nullptr});
}

RenderNode* RenderTree::FindTextureSetNode(const cMaterial* material, const cTextureSet* set) const {
    return Find({RNT_TextureSet, material, set});
}

RenderNode* RenderTree::FindModelNode(const cModelGfxCmp* model) const { return Find({RNT_Model, model, nullptr}); }

RenderNode* RenderTree::AddBoundingVolume(RenderNode& texture_set_node, const AABB& box, uint32_t index) {
    RenderNode* volume = pool.Take();
    volume->type = RNT_BoundingVolume;
    volume->box = box;
    volume->tree = this;
    volume->name = texture_set_node.name + "_bvnode" + std::to_string(index);
    texture_set_node.AddChild(volume);
    registry.emplace(Key{RNT_BoundingVolume, volume, nullptr}, volume);
    return volume;
}

RenderNode* RenderTree::Find(const Key& key) const {
    auto entry = registry.find(key);
    return entry == registry.end() ? nullptr : entry->second;
}

RenderNode* RenderTree::FindOrMake(const Key& key, RenderNode& parent, void* data, std::string name) {
    if (RenderNode* existing = Find(key)) return existing;
    RenderNode* node = pool.Take();
    node->type = std::get<0>(key);
    node->data = data;
    node->tree = this;
    node->name = std::move(name);
    parent.AddChild(node);
    registry.emplace(key, node);
    return node;
}

void RenderTree::Drop(RenderNode* node, const Key& key) {
    if (node->parent) node->parent->RemoveChild(node);
    registry.erase(key);
    pool.GiveBack(node);
}

void RenderTree::DropIfEmpty(RenderNode* node, const Key& key) {
    if (node->children.empty()) Drop(node, key);
}

void RenderTree::MakeRoot() {
    root = pool.Take();
    root->type = RNT_Root;
    root->tree = this;
    root->name = "root";
}

}  // namespace Engine
