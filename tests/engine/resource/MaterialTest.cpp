// Applying a material: render states in id order, its program or no shader
// at all, bound constants read when uploaded, the automatic matrices.
#include "engine/resource/cMaterial.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "engine/core/cLog.h"
#include "engine/render/cNullRenderer.h"
#include "engine/render/eMatrixMode.h"
#include "engine/render/eRenderStateId.h"
#include "engine/resource/cMaterialManager.h"
#include "engine/resource/cNullShaderManager.h"
#include "engine/resource/iGPUProgram.h"
#include "tests/support/TempDir.h"

namespace Engine {
namespace {

constexpr const char* kLitShader = R"(// Stages: vertex VS, pixel PS
#ifdef VERTEX_STAGE
uniform mat4 WVPMatrix;
uniform mat4 WorldMatrix;
uniform float gAnimationInterpolant;
void VS() {}
#else
uniform vec4 gEmissiveMaterial;
uniform vec4 gKidLightDiffuse;
uniform int gKidLightType;
void PS() {}
#endif
)";

// A null renderer that remembers the order render states are set in.
class cStateOrderRenderer : public cNullRenderer {
public:
    bool SetRenderState(int32_t id, int32_t value) override {
        order.emplace_back(id, value);
        return cNullRenderer::SetRenderState(id, value);
    }
    std::vector<std::pair<int32_t, int32_t>> order;
};

class MaterialTest : public ::testing::Test {
protected:
    void SetUp() override {
        cLog::Destroy();
        renderer.Initialise();
        dir.Write("lit.shader", kLitShader);
        material = materials.GetMaterial("Lit");
    }
    void TearDown() override { cLog::Destroy(); }

    iGPUProgram* GiveProgram() {
        const std::string directory = dir.Path().string() + "/";
        iGPUProgram* program =
            shaders.CreateShaderProgram("lit.shader", directory, "VS", "lit.shader", directory, "PS");
        material->SetProgram(program, &shaders);
        return program;
    }

    static std::vector<float> Sent(iShader* stage, const char* name) {
        std::vector<float> values;
        static_cast<cNullShader*>(stage)->SentValues(name, values);
        return values;
    }

    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory cwd{dir.Path()};
    cStateOrderRenderer renderer;
    cNullShaderManager shaders{renderer};
    cMaterialManager materials;
    cMaterial* material = nullptr;
};

TEST_F(MaterialTest, RenderStatesApplyInIdOrder) {
    material->SetRenderState(RS_Blending, 1);
    material->SetRenderState(RS_DepthTesting, 0);
    renderer.order.clear();
    material->Apply(renderer);
    const std::vector<std::pair<int32_t, int32_t>> expected = {{RS_DepthTesting, 0}, {RS_Blending, 1}};
    EXPECT_EQ(renderer.order, expected);
    EXPECT_EQ(renderer.RenderState(RS_Blending), 1);
}

TEST_F(MaterialTest, ApplyBindsBothStagesAndMakesThemCurrent) {
    iGPUProgram* program = GiveProgram();
    material->Apply(renderer);
    EXPECT_EQ(renderer.Shader(false), static_cast<cNullShader*>(program->VertexStage())->Id());
    EXPECT_EQ(renderer.Shader(true), static_cast<cNullShader*>(program->PixelStage())->Id());
    EXPECT_NE(renderer.Shader(false), renderer.Shader(true)) << "one file, two stage objects";
    EXPECT_EQ(shaders.GetCurrentVertexStage(), program->VertexStage());
    EXPECT_EQ(shaders.GetCurrentPixelStage(), program->PixelStage());

    material->UnbindProgram(renderer);
    EXPECT_EQ(renderer.Shader(false), 0u);
    EXPECT_EQ(renderer.Shader(true), 0u);
    EXPECT_EQ(shaders.GetCurrentVertexStage(), nullptr);
}

TEST_F(MaterialTest, WithShadersOffApplyUnbindsBothShadersEvenWithAProgram) {
    GiveProgram();
    material->Apply(renderer);
    ASSERT_NE(renderer.Shader(false), 0u);
    material->SetUseShader(false);
    material->Apply(renderer);
    EXPECT_EQ(renderer.Shader(false), 0u);
    EXPECT_EQ(renderer.Shader(true), 0u);

    // Handing the material out again switches shaders back on.
    material->SetUseShader(false);
    materials.ReleaseByName("Lit");
    cMaterial* again = materials.GetMaterial("Lit");
    EXPECT_TRUE(again->UseShader());
    EXPECT_TRUE(again->RenderStates().empty());
}

TEST_F(MaterialTest, UploadBindingsSendsTheValueAtUploadTime) {
    iGPUProgram* program = GiveProgram();
    float diffuse[4] = {0.1f, 0.2f, 0.3f, 1.0f};
    int32_t type = 2;
    float interpolant = 0.25f;
    program->PixelStage()->BindFloat4("gKidLightDiffuse", diffuse);
    program->PixelStage()->BindInt("gKidLightType", &type);
    program->VertexStage()->BindFloat("gAnimationInterpolant", &interpolant);
    float ignored[4] = {9, 9, 9, 9};
    program->PixelStage()->BindFloat4("gKidLightDiffuse", ignored);  // the first binding stays
    diffuse[0] = 0.9f;
    type = 1;
    interpolant = 0.75f;
    material->UploadProgramBindings(renderer);
    EXPECT_EQ(Sent(program->PixelStage(), "gKidLightDiffuse"), (std::vector<float>{0.9f, 0.2f, 0.3f, 1.0f}));
    EXPECT_EQ(Sent(program->PixelStage(), "gKidLightType"), (std::vector<float>{1.0f}));
    EXPECT_EQ(Sent(program->VertexStage(), "gAnimationInterpolant"), (std::vector<float>{0.75f}));

    program->PixelStage()->UnbindFloat4("gKidLightDiffuse");
    diffuse[0] = 0.5f;
    material->UploadProgramBindings(renderer);
    EXPECT_EQ(Sent(program->PixelStage(), "gKidLightDiffuse")[0], 0.9f) << "unbound: no longer sent";
}

TEST_F(MaterialTest, UnknownNamesAndWrongKindsChangeNothing) {
    iGPUProgram* program = GiveProgram();
    const float colour[4] = {1, 0, 0, 1};
    program->VertexStage()->SetFloat4("gEmissiveMaterial", colour);  // a constant of the pixel stage only
    program->PixelStage()->SetFloat("gEmissiveMaterial", 1.0f);     // the wrong kind
    EXPECT_TRUE(Sent(program->VertexStage(), "gEmissiveMaterial").empty());
    EXPECT_TRUE(Sent(program->PixelStage(), "gEmissiveMaterial").empty());
    program->PixelStage()->SetFloat4("gEmissiveMaterial", colour);
    EXPECT_EQ(Sent(program->PixelStage(), "gEmissiveMaterial"), (std::vector<float>{1, 0, 0, 1}));
    EXPECT_EQ(program->PixelStage()->GetSamplerIndex("gEmissiveMaterial"), 99u);
    EXPECT_EQ(program->PixelStage()->GetSamplerIndex("gNothing"), 99u);
}

TEST_F(MaterialTest, WorldAndCombinedMatricesAgreeUnderIdentityViewAndProjection) {
    iGPUProgram* program = GiveProgram();
    iShader* vertex = program->VertexStage();
    vertex->EnableWVPMatrix(true);
    vertex->EnableWorldMatrix(true);
    Matrix4x4 world = Matrix4x4::Translation(Vector3(1, 2, 3));
    renderer.SetMatrix(MM_World, world, 0);
    renderer.SetMatrix(MM_View, Matrix4x4::Identity(), 0);
    renderer.SetMatrix(MM_Projection, Matrix4x4::Identity(), 0);
    program->UploadMatrices();
    const std::vector<float> expected(&world.m[0][0], &world.m[0][0] + 16);
    EXPECT_EQ(Sent(vertex, "WVPMatrix"), expected);
    EXPECT_EQ(Sent(vertex, "WorldMatrix"), expected);

    renderer.SetMatrix(MM_View, Matrix4x4::Translation(Vector3(0, 0, -5)), 0);
    vertex->EnableWorldMatrix(false);
    program->UploadMatrices();
    EXPECT_EQ(Sent(vertex, "WVPMatrix")[11], -2.0f) << "projection * view * world";
    EXPECT_EQ(Sent(vertex, "WorldMatrix")[11], 3.0f) << "switched off: not sent again";
}

TEST_F(MaterialTest, UnloadReleasesTheProgramAndItsStages) {
    GiveProgram();
    EXPECT_EQ(shaders.LiveStageCount(), 2u);
    materials.ReleaseByName("Lit");
    EXPECT_EQ(shaders.LiveStageCount(), 0u);
    EXPECT_EQ(shaders.LiveProgramCount(), 0u);
    EXPECT_EQ(material->Program(), nullptr);
}

}  // namespace
}  // namespace Engine
