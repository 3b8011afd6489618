// The material catalogue: render states with their defaults and presets,
// skipped entries, shader programs and their automatic matrices, and the
// user counts of catalogued materials.
#include "engine/resource/MaterialCatalogue.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <vector>
#include <string>

#include "engine/core/cLog.h"
#include "engine/render/cNullRenderer.h"
#include "engine/resource/cMaterialManager.h"
#include "engine/resource/cNullShaderManager.h"
#include "engine/resource/iGPUProgram.h"
#include "tests/support/TempDir.h"

namespace Engine {
namespace {

// The fixture shader: one matrix of each automatic kind in the vertex stage.
constexpr const char* kMatrixShader = R"(// Stages: vertex VS, pixel PS
#ifdef VERTEX_STAGE
uniform mat4 WVPMatrix;
uniform mat4 WorldViewMatrix;
uniform mat4 ViewMatrix;
uniform mat4 WorldMatrix;
uniform mat4 ProjectionMatrix;
uniform mat4 TextureMatrix;
void VS() {}
#endif
#ifdef PIXEL_STAGE
uniform mat4 WorldMatrix;
void PS() {}
#endif
)";

class MaterialCatalogueTest : public ::testing::Test {
protected:
    // Each test logs into its own folder.
    void SetUp() override {
        cLog::Destroy();
        renderer.Initialise();
        dir.Write("fixture.shader", kMatrixShader);
    }

    void TearDown() override { cLog::Destroy(); }

    // Writes a catalogue of the given Material elements and reads it.
    bool Load(const std::string& materials_xml) {
        dir.Write("MaterialData.xml", "<Materials>" + materials_xml + "</Materials>");
        return LoadMaterialCatalogue(dir.Path().string() + "/", "MaterialData.xml", materials, &shaders);
    }

    std::string ShaderElement(const std::string& params) const {
        return "<Shader vsfilename=\"fixture.shader\" psfilename=\"fixture.shader\" pathdir=\"" + dir.Path().string() +
               "/\" vsstartfunc=\"VS\" psstartfunc=\"PS\">" + params + "</Shader>";
    }

    // Which automatic matrices a stage sends when asked to.
    static std::set<std::string> SentMatrices(iShader* stage) {
        stage->UploadMatrices();
        std::set<std::string> sent;
        std::vector<float> values;
        for (const char* name : {"WVPMatrix", "WorldViewMatrix", "ViewMatrix", "WorldMatrix", "ProjectionMatrix",
                                 "TextureMatrix"}) {
            if (static_cast<cNullShader*>(stage)->SentValues(name, values)) sent.insert(name);
        }
        return sent;
    }

    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory cwd{dir.Path()};
    cNullRenderer renderer;
    cNullShaderManager shaders{renderer};
    cMaterialManager materials;
};

TEST_F(MaterialCatalogueTest, RenderStatesTakeTheirValuesDefaultsAndPresets) {
    struct Case {
        const char* what;
        std::string states;
        std::map<int32_t, int32_t> expected;
    };
    const Case cases[] = {
        {"a missing value stores 1", R"(<MaterialRS RSName="Culling"/>)", {{3, 1}}},
        {"every single name", R"(<MaterialRS RSName="Shading" value="0"/><MaterialRS RSName="DepthTesting" value="2"/>
          <MaterialRS RSName="Culling" value="2"/><MaterialRS RSName="Fillmode" value="1"/>
          <MaterialRS RSName="Lighting" value="0"/><MaterialRS RSName="AlphaTest" value="0"/>
          <MaterialRS RSName="Blending" value="1"/><MaterialRS RSName="TextureMode" value="0"/>
          <MaterialRS RSName="ZWrite" value="0"/>)",
         {{1, 0}, {2, 2}, {3, 2}, {4, 1}, {5, 0}, {6, 0}, {7, 1}, {8, 0}, {9, 0}}},
        {"a later entry replaces", R"(<MaterialRS RSName="ZWrite" value="0"/><MaterialRS RSName="ZWrite" value="1"/>)",
         {{9, 1}}},
        {"alpha blending", R"(<MaterialRS RSName="AlphaBlending"/>)", {{7, 1}, {10, 5}, {11, 6}, {12, 1}}},
        {"additive blending", R"(<MaterialRS RSName="AdditiveBlending" value="1"/>)",
         {{7, 1}, {10, 5}, {11, 2}, {12, 1}}},
        {"a preset switched off after another",
         R"(<MaterialRS RSName="AdditiveBlending" value="1"/><MaterialRS RSName="AlphaBlending" value="0"/>)",
         {{7, 0}, {10, 2}, {11, 1}, {12, 1}}},
        {"unknown names and a missing name are ignored",
         R"(<MaterialRS RSName="Sparkle" value="4"/><MaterialRS value="3"/><MaterialRS RSName="Lighting" value="7"/>)",
         {{5, 7}}},
        {"text that is no number stores 1", R"(<MaterialRS RSName="Fillmode" value="solid"/>)", {{4, 1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        cMaterialManager fresh;
        dir.Write("MaterialData.xml", "<Materials><Material name=\"M\">" + c.states + "</Material></Materials>");
        ASSERT_TRUE(LoadMaterialCatalogue(dir.Path().string() + "/", "MaterialData.xml", fresh, &shaders));
        cMaterial* material = fresh.Find("M");
        ASSERT_NE(material, nullptr);
        EXPECT_EQ(material->RenderStates(), c.expected);
        EXPECT_EQ(material->Program(), nullptr);
        EXPECT_TRUE(material->UseShader());
    }
}

TEST_F(MaterialCatalogueTest, UnnamedMaterialsAreSkippedAndAMissingFileLoadsNothing) {
    ASSERT_TRUE(Load(R"(<Material><MaterialRS RSName="Culling"/></Material><Material name="Nomat"/>
                        <Material name=""><MaterialRS RSName="Culling"/></Material><Material name="Real"/>)"));
    EXPECT_EQ(materials.Registry().size(), 1u);
    EXPECT_NE(materials.Find("Real"), nullptr);

    cMaterialManager empty;
    EXPECT_FALSE(LoadMaterialCatalogue(dir.Path().string() + "/", "Absent.xml", empty, &shaders));
    EXPECT_TRUE(empty.Registry().empty());
    EXPECT_NE(TestSupport::ReadFile(dir.File("Engine.log")).find("Error: Cannot read the material catalogue"),
              std::string::npos);
}

TEST_F(MaterialCatalogueTest, CataloguedMaterialsCountTheCatalogueAsAUser) {
    ASSERT_TRUE(Load(R"(<Material name="Stone"/>)"));
    cMaterial* first = materials.GetMaterial("Stone");
    cMaterial* second = materials.GetMaterial("Stone");
    EXPECT_EQ(first, second);
    EXPECT_EQ(first->RefCount(), 3);
    const std::size_t free_before = materials.PoolOf().FreeCount();
    cMaterial* held = first;
    materials.Release(first);
    materials.Release(second);
    EXPECT_EQ(materials.Find("Stone"), held);
    cMaterial* last = held;
    materials.Release(last);
    EXPECT_EQ(materials.Find("Stone"), nullptr);
    EXPECT_EQ(held->Name(), "");
    EXPECT_EQ(materials.PoolOf().FreeCount(), free_before + 1);
}

TEST_F(MaterialCatalogueTest, AShaderElementGivesAProgramWithTheLastParamsSwitches) {
    ASSERT_TRUE(Load(R"(<Material name="Lit">)" +
                     ShaderElement(R"(<ShaderParams WVPMatrix="1" ViewMatrix="1"/>
                                     <ShaderParams WVPMatrix="1" WorldMatrix="2" TextureMatrix="0"/>)") +
                     R"(<Shader vsfilename="other.shader"/></Material>)"));
    cMaterial* lit = materials.Find("Lit");
    ASSERT_NE(lit, nullptr);
    ASSERT_NE(lit->Program(), nullptr);
    iShader* vertex = lit->Program()->VertexStage();
    iShader* pixel = lit->Program()->PixelStage();
    ASSERT_TRUE(vertex && pixel && vertex->IsCompiled() && pixel->IsCompiled());
    EXPECT_EQ(vertex->Name(), "fixture.shader") << "only the first Shader element counts";
    EXPECT_EQ(SentMatrices(vertex), (std::set<std::string>{"WVPMatrix", "WorldMatrix"}));
    EXPECT_EQ(SentMatrices(pixel), (std::set<std::string>{"WorldMatrix"})) << "the switches apply to both stages";
}

TEST_F(MaterialCatalogueTest, AShaderWithoutFileNamesGivesNoProgram) {
    ASSERT_TRUE(
        Load(R"(<Material name="Plain"><Shader pathdir="./"><ShaderParams WVPMatrix="1"/></Shader></Material>)"));
    EXPECT_EQ(materials.Find("Plain")->Program(), nullptr);
    EXPECT_EQ(shaders.LiveStageCount(), 0u);
}

TEST_F(MaterialCatalogueTest, ReadingTheCatalogueAgainReplacesThePrograms) {
    const std::string catalogue = R"(<Material name="Lit">)" + ShaderElement("") + "</Material>";
    ASSERT_TRUE(Load(catalogue));
    ASSERT_TRUE(Load(catalogue));
    EXPECT_EQ(shaders.LiveProgramCount(), 1u);
    EXPECT_EQ(shaders.LiveStageCount(), 2u);
    EXPECT_EQ(materials.Find("Lit")->RefCount(), 2);
}

TEST_F(MaterialCatalogueTest, TheShippedCatalogueGivesEveryShaderMaterialACompiledProgram) {
    std::filesystem::create_directory_symlink(std::string(BRAMBLEBY_SOURCE_DIR) + "/GameData", dir.Path() / "GameData");
    ASSERT_TRUE(LoadMaterialCatalogue("./GameData/XML_Resources/", "MaterialData.xml", materials, &shaders));
    ASSERT_NE(materials.Find("defaultMat"), nullptr);
    EXPECT_EQ(materials.Find("defaultMat")->Program(), nullptr);
    for (const char* name : {"StandardMat", "FairyMat", "ShadowMat"}) {
        cMaterial* material = materials.Find(name);
        ASSERT_NE(material, nullptr) << name;
        ASSERT_NE(material->Program(), nullptr) << name;
        EXPECT_TRUE(material->Program()->VertexStage()->IsCompiled()) << name;
        EXPECT_TRUE(material->Program()->PixelStage()->IsCompiled()) << name;
        EXPECT_EQ(SentMatrices(material->Program()->VertexStage()),
                  (std::set<std::string>{"WVPMatrix", "WorldMatrix"}))
            << name << ": the matrices the vertex stage uses";
        EXPECT_EQ(material->Program()->PixelStage()->GetSamplerIndex("gKidLightShadowMapSampler"), 6u) << name;
    }
    EXPECT_EQ(TestSupport::ReadFile(dir.File("Engine.log")).find("Error: "), std::string::npos);
}

}  // namespace
}  // namespace Engine
