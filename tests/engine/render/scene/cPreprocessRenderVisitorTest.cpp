// The shadow pass: the light's view and the shadow projection, the shadow
// material instead of the models' own, culling from the light.

#include "engine/render/scene/cPreprocessRenderVisitor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/render/ProjectionMatrices.h"
#include "engine/render/eMatrixMode.h"
#include "engine/render/scene/iShadowCaster.h"
#include "tests/engine/render/scene/RenderTreeFixture.h"

using namespace Engine;

namespace {

// A spotlight above the origin looking straight down.
class cTestCaster : public iShadowCaster {
public:
    explicit cTestCaster(std::string light_name) : name(std::move(light_name)) {}
    Matrix4x4 ViewMatrix() const override { return LookAtRH({0, 10, 0}, {0, 0, 0}, {0, 0, -1}); }
    float OuterCone() const override { return 0.5236f; }
    const std::string& Name() const override { return name; }
    // The pass under test never switches targets: the scene renderer does.
    bool BeginShadowTarget() override { return true; }
    void EndShadowTarget() override {}
    void UploadShadowParameters() override {}
    std::string name;
};

class PreprocessRenderVisitorTest : public RenderTreeFixture {
protected:
    PreprocessRenderVisitorTest() {
        MakeMaterial("M1", 3);
        MakeMaterial("Shadow", 7);
    }

    uint32_t Walk(const iShadowCaster* caster) {
        renderer.events.clear();
        tree.Root().type = RNT_Light;
        tree.Root().data = const_cast<iShadowCaster*>(caster);
        cPreprocessRenderVisitor visitor(renderer, materials->Find("Shadow"));
        visitor.Begin();
        tree.Traverse(visitor);
        tree.Root().type = RNT_Root;
        tree.Root().data = nullptr;
        return visitor.Rendered();
    }
};

TEST(ShadowProjection, HoldsTheNearAndFarTermsAndTheFieldOfView) {
    const Matrix4x4 projection = cPreprocessRenderVisitor::ShadowProjection(0.5f);
    Matrix4x4 expected;
    expected.m[0][0] = expected.m[1][1] = 1.0f / std::tan(0.5f);
    expected.m[2][2] = -1.006018f;
    expected.m[2][3] = -0.60180545f;
    expected.m[3][2] = -1.0f;
    EXPECT_EQ(projection, expected);
}

TEST_F(PreprocessRenderVisitorTest, TheLightsViewAndConeMakeTheProjectionAndTheKidsLightSeesSeventyDegrees) {
    struct Case {
        const char* name;
        float view_angle;
    };
    for (const Case& c : {Case{"gSpot", 0.5236f}, Case{"gKidLight", 1.2217305f}}) {
        SCOPED_TRACE(c.name);
        const cTestCaster caster(c.name);
        Walk(&caster);
        Matrix4x4 view, projection;
        renderer.GetMatrix(MM_View, view);
        renderer.GetMatrix(MM_Projection, projection);
        EXPECT_EQ(view, caster.ViewMatrix());
        EXPECT_EQ(projection, cPreprocessRenderVisitor::ShadowProjection(c.view_angle));
    }
}

TEST_F(PreprocessRenderVisitorTest, DrawsWhatTheLightSeesWithTheShadowMaterialOnly) {
    const Vector3 below{0, 0, 0};
    const Vector3 aside{50, 0, 0};
    const Vector3 above_the_light{0, 20, 0};
    AddModel("M1", "T1", &below);
    AddModel("M1", "T1", &aside);
    AddModel("M1", "T2", &above_the_light);
    cModelGfxCmp* hidden = AddModel("M1", "T1", &below);
    hidden->visible = false;
    const cTestCaster caster("gSpot");
    EXPECT_EQ(Walk(&caster), 1u);
    EXPECT_EQ(renderer.Count("draw"), 1u);
    EXPECT_EQ(renderer.Count(MaterialApplied(7)), 1u) << "the shadow material, once, at Begin";
    EXPECT_EQ(renderer.Count(MaterialApplied(3)), 0u) << "the models' own material is never applied";
    EXPECT_EQ(renderer.Count(kSetBound), 0u);
}

TEST_F(PreprocessRenderVisitorTest, ARootWithoutALightIsLoggedAndKeepsTheCurrentView) {
    const Vector3 ahead{0, 0, 0};
    AddModel("M1", "T1", &ahead);
    EXPECT_EQ(Walk(nullptr), 1u) << "the camera set up by the fixture still sees the model";
    EXPECT_NE(EngineLog().find("Error: shadow pass without a light"), std::string::npos);
}

}  // namespace
