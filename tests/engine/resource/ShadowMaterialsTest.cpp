// The two shadow materials from the shipped shader sources.
#include "engine/resource/ShadowMaterials.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/core/cLog.h"
#include "engine/render/cNullRenderer.h"
#include "engine/render/eRenderStateId.h"
#include "engine/resource/cMaterialManager.h"
#include "engine/resource/cNullShaderManager.h"
#include "engine/resource/iGPUProgram.h"
#include "tests/support/TempDir.h"

namespace Engine {
namespace {

class ShadowMaterialsTest : public ::testing::Test {
protected:
    void SetUp() override {
        cLog::Destroy();
        renderer.Initialise();
    }
    void TearDown() override { cLog::Destroy(); }

    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory cwd{dir.Path()};
    cNullRenderer renderer;
    cNullShaderManager shaders{renderer};
    cMaterialManager materials;
    const std::string shipped = std::string(BRAMBLEBY_SOURCE_DIR) + "/GameData/Shaders/";
};

TEST_F(ShadowMaterialsTest, BothMaterialsGetTheirProgramsWithWorldAndCombinedMatrices) {
    ASSERT_TRUE(CreateShadowMaterials(materials, shaders, shipped)) << TestSupport::ReadFile(dir.File("Engine.log"));
    struct Case {
        const char* material;
        const char* file;
    };
    const Case cases[] = {{"ShadowPreprocessMat", "shadow_preprocess.shader"}, {"ShadowMat", "light_shadow.shader"}};
    for (const Case& c : cases) {
        cMaterial* material = materials.Find(c.material);
        ASSERT_NE(material, nullptr) << c.material;
        EXPECT_EQ(material->RefCount(), 1);
        iGPUProgram* program = material->Program();
        ASSERT_NE(program, nullptr);
        EXPECT_EQ(program->VertexStage()->Name(), c.file);
        EXPECT_EQ(program->PixelStage()->Name(), c.file);
        program->UploadMatrices();
        std::vector<float> sent;
        EXPECT_TRUE(static_cast<cNullShader*>(program->VertexStage())->SentValues("WVPMatrix", sent)) << c.material;
    }
}

TEST_F(ShadowMaterialsTest, MakingThemAgainReplacesTheProgramsAndKeepsTheMaterial) {
    cMaterial* catalogued = materials.GetMaterial("ShadowMat");
    catalogued->SetRenderState(RS_Culling, 2);
    ASSERT_TRUE(CreateShadowMaterials(materials, shaders, shipped));
    ASSERT_TRUE(CreateShadowMaterials(materials, shaders, shipped));
    EXPECT_EQ(materials.Find("ShadowMat"), catalogued);
    EXPECT_EQ(catalogued->RefCount(), 1);
    EXPECT_EQ(catalogued->RenderStates().at(RS_Culling), 2);
    EXPECT_EQ(shaders.LiveProgramCount(), 2u);
    EXPECT_EQ(shaders.LiveStageCount(), 4u);
}

TEST_F(ShadowMaterialsTest, MissingSourcesAreReportedAndTheMaterialsStillExist) {
    EXPECT_FALSE(CreateShadowMaterials(materials, shaders, dir.Path().string() + "/"));
    EXPECT_NE(materials.Find("ShadowPreprocessMat"), nullptr);
    EXPECT_NE(materials.Find("ShadowMat"), nullptr);
    EXPECT_NE(TestSupport::ReadFile(dir.File("Engine.log")).find("shadow_preprocess.shader (entry ShadowPreprocessVS)"),
              std::string::npos);
}

}  // namespace
}  // namespace Engine
