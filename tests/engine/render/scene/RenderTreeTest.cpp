// The render tree: models filed under their material and texture set, nodes
// shared and dropped, the walk's order, and the grouping of static models.

#include "engine/render/scene/RenderTree.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/render/scene/cNormalRenderVisitor.h"
#include "engine/render/scene/iRenderVisitor.h"
#include "engine/resource/cMaterial.h"
#include "engine/resource/cTextureSet.h"
#include "tests/engine/render/scene/RenderTreeFixture.h"

using namespace Engine;

namespace {

class RenderTreeTest : public RenderTreeFixture {};

TEST_F(RenderTreeTest, ModelsOfOnePairShareTheirNodesUntilTheLastLeaves) {
    cModelGfxCmp* first = AddModel("Stone", "StoneTS", nullptr);
    cModelGfxCmp* second = AddModel("Stone", "StoneTS", nullptr);
    AddModel("Stone", "MossTS", nullptr);

    RenderNode* material_node = tree.FindMaterialNode(first->Material());
    ASSERT_NE(material_node, nullptr);
    EXPECT_EQ(material_node->name, "Stone_materialnode");
    EXPECT_EQ(material_node->type, RNT_Material);
    EXPECT_EQ(material_node->data, first->Material());
    ASSERT_EQ(material_node->children.size(), 2u);
    RenderNode* set_node = material_node->children[0];
    EXPECT_EQ(set_node->name, "Stone_StoneTS_tsnode");
    EXPECT_EQ(set_node->data, first->TextureSet());
    ASSERT_EQ(set_node->children.size(), 2u);
    EXPECT_EQ(set_node->children[0]->data, first);
    EXPECT_EQ(set_node->children[1]->data, second);
    EXPECT_EQ(tree.NodeCount(), 6u);  // one material, two sets, three models

    first->Release();
    EXPECT_EQ(tree.FindModelNode(first), nullptr);
    EXPECT_EQ(tree.FindTextureSetNode(second->Material(), second->TextureSet()), set_node);
    EXPECT_EQ(set_node->children.size(), 1u);

    cMaterial* material = second->Material();
    cTextureSet* set = second->TextureSet();
    second->Release();
    EXPECT_EQ(tree.FindTextureSetNode(material, set), nullptr);
    EXPECT_EQ(tree.FindMaterialNode(material), material_node) << "the moss set still uses the material";
    EXPECT_EQ(tree.NodeCount(), 3u);

    models[2]->Release();
    EXPECT_EQ(tree.NodeCount(), 0u);
    EXPECT_TRUE(tree.Root().children.empty());
}

TEST_F(RenderTreeTest, PairsWhoseJoinedNamesAgreeStillGetNodesOfTheirOwn) {
    // "a_b" + "_" + "c" and "a" + "_" + "b_c" both read "a_b_c".
    cModelGfxCmp* one = AddModel("a_b", "c", nullptr);
    cModelGfxCmp* other = AddModel("a", "b_c", nullptr);
    RenderNode* one_set = tree.FindTextureSetNode(one->Material(), one->TextureSet());
    RenderNode* other_set = tree.FindTextureSetNode(other->Material(), other->TextureSet());
    ASSERT_NE(one_set, nullptr);
    ASSERT_NE(other_set, nullptr);
    EXPECT_NE(one_set, other_set);
    EXPECT_EQ(one_set->name, other_set->name) << "the labels agree; the nodes must not";
    EXPECT_EQ(one_set->parent, tree.FindMaterialNode(one->Material()));
    EXPECT_EQ(other_set->parent, tree.FindMaterialNode(other->Material()));

    // One texture set under two materials: a node under each.
    cModelGfxCmp* third = AddModel("a", "c", nullptr);
    RenderNode* third_set = tree.FindTextureSetNode(third->Material(), third->TextureSet());
    EXPECT_EQ(third->TextureSet(), one->TextureSet());
    EXPECT_NE(third_set, one_set);
    EXPECT_EQ(third_set->parent, other_set->parent);

    one->Release();
    EXPECT_EQ(tree.FindModelNode(other)->parent, other_set) << "releasing one left the other's model in place";
    EXPECT_EQ(tree.FindModelNode(third)->parent, third_set);
    EXPECT_EQ(tree.NodeCount(), 5u);
}

TEST_F(RenderTreeTest, AddingAModelTwiceKeepsOneNode) {
    cModelGfxCmp* model = AddModel("Stone", "StoneTS", nullptr);
    tree.AddModel(*model);
    EXPECT_EQ(tree.NodeCount(), 3u);
    EXPECT_EQ(tree.FindModelNode(model)->parent->children.size(), 1u);
    // Removing a model that is not in the tree changes nothing.
    cModelGfxCmp stranger;
    tree.RemoveModel(stranger);
    EXPECT_EQ(tree.NodeCount(), 3u);
}

TEST_F(RenderTreeTest, ResetEmptiesTheTreeAndGivesANewRoot) {
    AddModel("Stone", "StoneTS", nullptr);
    tree.Reset();
    EXPECT_EQ(tree.NodeCount(), 0u);
    EXPECT_EQ(tree.Root().name, "root");
    EXPECT_TRUE(tree.Root().children.empty());
    // The model no longer has a node: releasing it leaves the new tree alone.
    models[0]->Release();
    AddModel("Stone", "StoneTS", nullptr);
    EXPECT_EQ(tree.NodeCount(), 3u);
}

class NoTextureManagerTest : public RenderTreeFixture {
protected:
    NoTextureManagerTest() : RenderTreeFixture(false) {}
};

TEST_F(NoTextureManagerTest, AModelWithoutMaterialOrTextureSetLivesUnderTheNullNodes) {
    cModelGfxCmp* model = AddModel("", "", nullptr);
    ASSERT_EQ(model->Material(), nullptr) << "no \"defaultMat\" is registered";
    ASSERT_EQ(model->TextureSet(), nullptr);
    const RenderNode* model_node = tree.FindModelNode(model);
    ASSERT_NE(model_node, nullptr);
    EXPECT_EQ(model_node->parent->name, "nullmat_nullts_tsnode");
    EXPECT_EQ(model_node->parent->parent->name, "nullmat_materialnode");
    EXPECT_EQ(model_node->name.rfind("nullmat_nullts_modelnode_0x", 0), 0u) << model_node->name;

    // Drawn with the built-in program and no textures, not with what an earlier node left bound.
    renderer.BindShader(false, 5);
    renderer.BindShader(true, 6);
    renderer.events.clear();
    cNormalRenderVisitor visitor(renderer);
    visitor.Begin();
    tree.Traverse(visitor);
    EXPECT_EQ(visitor.Rendered(), 1u);
    EXPECT_EQ(renderer.events, (std::vector<std::string>{kSetBound, "draw"}));
    EXPECT_EQ(renderer.Shader(false), 0u);
    EXPECT_EQ(renderer.Shader(true), 0u);

    model->Release();
    EXPECT_EQ(tree.NodeCount(), 0u);
}

// A visitor that writes down the walk and can refuse to enter named nodes.
class cTracingVisitor : public iRenderVisitor {
public:
    bool Visit(RenderNode& node) override {
        trace.push_back(node.name + "@" + std::to_string(depth));
        for (const std::string& name : refused) {
            if (name == node.name) return false;
        }
        return true;
    }
    void Leave(RenderNode& node) override { trace.push_back("leave " + node.name); }
    void Begin() override {}
    std::vector<std::string> trace;
    std::vector<std::string> refused;
};

// Hand-made nodes under the tree's root: the walk needs only names and children.
struct HandTree {
    RenderNode top, a, a1, a2, b, b1, b1x;
    HandTree() {
        for (auto [node, name] : {std::pair{&top, "top"}, {&a, "a"}, {&a1, "a1"}, {&a2, "a2"}, {&b, "b"},
                                  {&b1, "b1"}, {&b1x, "b1x"}}) {
            node->name = name;
        }
        top.AddChild(&a);
        top.AddChild(&b);
        a.AddChild(&a1);
        a.AddChild(&a2);
        b.AddChild(&b1);
        b1.AddChild(&b1x);
    }
};

TEST(RenderTreeWalk, PreOrderWithLeaveAfterEachEnteredSubtree) {
    struct Case {
        std::vector<std::string> refused;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {{},
         {"root@0", "top@1", "a@2", "a1@3", "a2@3", "leave a", "b@2", "b1@3", "b1x@4", "leave b1", "leave b",
          "leave top", "leave root"}},
        // A refused node's subtree is skipped and it gets no Leave.
        {{"a"}, {"root@0", "top@1", "a@2", "b@2", "b1@3", "b1x@4", "leave b1", "leave b", "leave top", "leave root"}},
        {{"b1"}, {"root@0", "top@1", "a@2", "a1@3", "a2@3", "leave a", "b@2", "b1@3", "leave b", "leave top",
                  "leave root"}},
        {{"top"}, {"root@0", "top@1", "leave root"}},
    };
    for (const Case& c : cases) {
        HandTree hand;
        RenderTree tree;
        tree.Root().AddChild(&hand.top);
        cTracingVisitor visitor;
        visitor.refused = c.refused;
        tree.Traverse(visitor);
        EXPECT_EQ(visitor.trace, c.expected);
        EXPECT_EQ(visitor.depth, 0);
        tree.Root().RemoveChild(&hand.top);
    }
}

}  // namespace
