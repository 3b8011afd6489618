// The main pass: what is drawn, and how often materials and texture sets are
// bound, counted from what the null renderer was asked.

#include "engine/render/scene/cNormalRenderVisitor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/physics/GeometricQueries.h"
#include "tests/engine/render/scene/RenderTreeFixture.h"

using namespace Engine;

namespace {

const Vector3 kInView{0, 0, 0};
const Vector3 kOutOfView{1000, 0, 0};

class NormalRenderVisitorTest : public RenderTreeFixture {
protected:
    NormalRenderVisitorTest() {
        MakeMaterial("M1", 3);
        MakeMaterial("M2", 4);
    }

    // Walks the tree once with a fresh main-pass visitor; returns the models it drew.
    uint32_t Walk() {
        renderer.events.clear();
        cNormalRenderVisitor visitor(renderer);
        visitor.Begin();
        tree.Traverse(visitor);
        return visitor.Rendered();
    }

    // Index of the first recorded event equal to the text, or the event count.
    std::size_t IndexOf(const std::string& event) const {
        const auto& e = renderer.events;
        return static_cast<std::size_t>(std::find(e.begin(), e.end(), event) - e.begin());
    }
};

TEST_F(NormalRenderVisitorTest, MaterialsAndSetsBindOncePerNodeAndOnlyForDrawnModels) {
    struct Case {
        const char* what;
        std::vector<bool> in_view;  // a, b (M1/T1), c (M1/T2), d (M2/T3)
        std::vector<bool> shown;
        std::size_t m1_applies, m2_applies, set_binds;
        uint32_t rendered;
    };
    const Case cases[] = {
        {"all drawn", {true, true, true, true}, {true, true, true, true}, 1, 1, 3, 4},
        {"T2's only model out of view", {true, true, false, true}, {true, true, true, true}, 1, 1, 2, 3},
        {"T1's models out of view", {false, false, true, true}, {true, true, true, true}, 1, 1, 2, 2},
        {"M2's only model out of view", {true, true, true, false}, {true, true, true, true}, 1, 0, 2, 3},
        {"nothing in view", {false, false, false, false}, {true, true, true, true}, 0, 0, 0, 0},
        {"a hidden model draws nothing", {true, true, true, true}, {false, true, true, true}, 1, 1, 3, 3},
        {"M1's models all hidden", {true, true, true, true}, {false, false, false, true}, 0, 1, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const char* materials_of[] = {"M1", "M1", "M1", "M2"};
        const char* sets_of[] = {"T1", "T1", "T2", "T3"};
        for (int i = 0; i < 4; ++i) {
            cModelGfxCmp* model = AddModel(materials_of[i], sets_of[i], c.in_view[i] ? &kInView : &kOutOfView);
            model->visible = c.shown[i];
        }
        EXPECT_EQ(Walk(), c.rendered);
        EXPECT_EQ(renderer.Count(MaterialApplied(3)), c.m1_applies);
        EXPECT_EQ(renderer.Count(MaterialApplied(4)), c.m2_applies);
        EXPECT_EQ(renderer.Count(kSetBound), c.set_binds);
        EXPECT_EQ(renderer.Count("draw"), c.rendered);
        for (auto& model : models) model->Release();
        models.clear();
    }
}

TEST_F(NormalRenderVisitorTest, EachNodeIsBoundBeforeItsFirstDrawnModel) {
    AddModel("M1", "T1", &kOutOfView);
    AddModel("M1", "T1", &kInView);
    AddModel("M2", "T2", &kInView);
    EXPECT_EQ(Walk(), 2u);
    const std::vector<std::string> expected{MaterialApplied(3), kSetBound, "draw",
                                            MaterialApplied(4), kSetBound, "draw"};
    EXPECT_EQ(renderer.events, expected);
}

TEST_F(NormalRenderVisitorTest, ModelsWithoutTransformAlwaysPassAndModelsWithoutMeshesNeverDraw) {
    renderer.LookAt({0, 0, 10}, {0, 0, 20}, {0, 1, 0});  // looking away from the origin
    AddModel("M1", "T1", nullptr);
    AddModel("M1", "T1", &kInView);
    AddModel("M1", "T1", nullptr, false, "no such mesh");
    EXPECT_EQ(Walk(), 1u);
    EXPECT_NE(EngineLog().find("Error: model mesh \"no such mesh\" is not loaded"), std::string::npos);
    EXPECT_TRUE(tree.FindModelNode(models[2].get())) << "a model without meshes is still in the tree";
}

TEST_F(NormalRenderVisitorTest, AFailedBoundingVolumeHidesItsModelsUntested) {
    // Two touching static models become one group.
    const Vector3 left{-0.5f, 0, 0};
    const Vector3 right{0.5f, 0, 0};
    AddModel("M1", "T1", &left);
    AddModel("M1", "T1", &right);
    tree.Optimise();
    RenderNode* volume = tree.FindModelNode(models[0].get())->parent;
    ASSERT_EQ(volume->type, RNT_BoundingVolume);
    EXPECT_EQ(Walk(), 2u);

    // The box out of view: the group is skipped though both spheres are in view.
    const AABB in_view_box = volume->box;
    volume->box = {{999, -1, -1}, {1001, 1, 1}};
    EXPECT_EQ(Walk(), 0u);
    EXPECT_EQ(renderer.Count(MaterialApplied(3)), 0u);
    EXPECT_EQ(renderer.Count(kSetBound), 0u);

    // The box in view: each member is still tested on its own.
    volume->box = in_view_box;
    transforms[1] = Matrix4x4::Translation(kOutOfView);
    EXPECT_EQ(Walk(), 1u);
}

TEST_F(NormalRenderVisitorTest, TheFrustumIsTheRenderersProjectionTimesView) {
    cNormalRenderVisitor visitor(renderer);
    visitor.Begin();
    struct Case {
        Vector4 sphere;
        bool inside;
    };
    const Case cases[] = {
        {{0, 0, 0, 0.5f}, true},     // straight ahead
        {{0, 0, 20, 0.5f}, false},   // behind the eye
        {{0, 0, -95, 0.5f}, false},  // beyond the far plane (eye at 10, far 100)
        {{0, 0, -85, 0.5f}, true},
        {{30, 0, 0, 0.5f}, false},   // far to the side
        {{0, 30, 0, 0.5f}, false},
        {{0, 0, 9.95f, 0.01f}, false},  // nearer than the near plane (eye at 10, near 0.1)
        {{0, 0, 9.85f, 0.01f}, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SphereInFrustum(visitor.CurrentFrustum(), c.sphere), c.inside)
            << c.sphere.x << " " << c.sphere.y << " " << c.sphere.z;
    }
}

}  // namespace
