// Grouping static models that touch into bounding-volume nodes.

#include "engine/render/scene/cOptimizeVisitor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/engine/render/scene/RenderTreeFixture.h"

using namespace Engine;

namespace {

class OptimizeVisitorTest : public RenderTreeFixture {
protected:
    // The names of a node's children, models given by their index in models.
    std::vector<std::string> Children(const RenderNode& node) const {
        std::vector<std::string> names;
        for (const RenderNode* child : node.children) {
            if (child->type != RNT_Model) {
                names.push_back(child->name + "[" + Join(Children(*child)) + "]");
                continue;
            }
            for (std::size_t i = 0; i < models.size(); ++i) {
                if (child->data == models[i].get()) names.push_back(std::string(1, static_cast<char>('A' + i)));
            }
        }
        return names;
    }
    static std::string Join(const std::vector<std::string>& parts) {
        std::string joined;
        for (const std::string& part : parts) joined += (joined.empty() ? "" : " ") + part;
        return joined;
    }
};

TEST_F(OptimizeVisitorTest, StaticModelsThatTouchDirectlyOrThroughAChainShareOneVolume) {
    struct Model {
        float x;
        const char* set;
        bool moving;
    };
    struct Case {
        const char* what;
        std::vector<Model> models;  // radius 1 each, named A, B, C, ... in order
        std::string t1, t2;         // the children of T1's and T2's nodes afterwards
    };
    const Case cases[] = {
        {"a chain and one apart",
         {{0, "T1", false}, {1.8f, "T1", false}, {3.6f, "T1", false}, {20, "T1", false}},
         "D M_T1_tsnode_bvnode0[A B C]", ""},
        {"all apart", {{0, "T1", false}, {5, "T1", false}, {10, "T1", false}}, "A B C", ""},
        {"spheres that just touch", {{0, "T1", false}, {2, "T1", false}}, "M_T1_tsnode_bvnode0[A B]", ""},
        {"a moving model breaks the chain", {{0, "T1", false}, {1.8f, "T1", true}, {3.6f, "T1", false}}, "A B C", ""},
        {"models of other sets never group", {{0, "T1", false}, {1, "T2", false}}, "A", "B"},
        {"two groups in one set",
         {{0, "T1", false}, {10, "T1", false}, {1, "T1", false}, {11, "T1", false}},
         "M_T1_tsnode_bvnode0[A C] M_T1_tsnode_bvnode1[B D]", ""},
    };
    MakeMaterial("M", 3);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const Model& m : c.models) {
            const Vector3 at{m.x, 0, 0};
            AddModel("M", m.set, &at, m.moving);
        }
        tree.Optimise();
        const RenderNode* material_node = tree.Root().children.at(0);
        EXPECT_EQ(Join(Children(*material_node->children.at(0))), c.t1);
        EXPECT_EQ(material_node->children.size() > 1 ? Join(Children(*material_node->children[1])) : "", c.t2);
        for (auto& model : models) model->Release();
        models.clear();
        transforms.clear();
        EXPECT_EQ(tree.NodeCount(), 0u) << "every node, volumes included, leaves with the models";
    }
}

TEST_F(OptimizeVisitorTest, TheVolumeIsTheUnionOfTheMembersWorldBoxes) {
    MakeMaterial("M", 3);
    const Vector3 a{0, 0, 0};
    const Vector3 b{1.5f, 1, 0};
    AddModel("M", "T1", &a);
    AddModel("M", "T1", &b);
    tree.Optimise();
    const RenderNode* volume = tree.FindModelNode(models[0].get())->parent;
    ASSERT_EQ(volume->type, RNT_BoundingVolume);
    const float tolerance = 1e-5f;
    EXPECT_NEAR(volume->box.min.x, -1, tolerance);
    EXPECT_NEAR(volume->box.min.y, -1, tolerance);
    EXPECT_NEAR(volume->box.min.z, -1, tolerance);
    EXPECT_NEAR(volume->box.max.x, 2.5f, tolerance);
    EXPECT_NEAR(volume->box.max.y, 2, tolerance);
    EXPECT_NEAR(volume->box.max.z, 1, tolerance);
}

TEST_F(OptimizeVisitorTest, AVolumeLeftEmptyIsDroppedAndAGroupIsNeverRegrouped) {
    MakeMaterial("M", 3);
    for (float x : {0.0f, 1.5f, 20.0f}) {
        const Vector3 at{x, 0, 0};
        AddModel("M", "T1", &at);
    }
    tree.Optimise();
    tree.Optimise();
    const RenderNode* set_node = tree.Root().children.at(0)->children.at(0);
    EXPECT_EQ(Join(Children(*set_node)), "C M_T1_tsnode_bvnode0[A B]");
    EXPECT_EQ(tree.NodeCount(), 6u);

    models[0]->Release();
    EXPECT_EQ(Join(Children(*set_node)), "C M_T1_tsnode_bvnode0[B]");
    models[1]->Release();
    EXPECT_EQ(Join(Children(*set_node)), "C");
    EXPECT_EQ(tree.NodeCount(), 3u);
}

}  // namespace
