// The shader manager: every program owns its stages, releases change only
// what the manager holds, the current stage of each kind, and what a stage
// of the null device reads from a source file.
#include "engine/resource/cNullShaderManager.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/core/cLog.h"
#include "engine/resource/iGPUProgram.h"
#include "tests/support/TempDir.h"

namespace Engine {
namespace {

constexpr const char* kStagedShader = R"(// Stages: vertex VS, pixel PS
uniform float gShared;
#ifdef VERTEX_STAGE
uniform mat4 WVPMatrix;
void VS() {}
#else
layout(binding = 6) uniform sampler2D gKidLightShadowMapSampler;
uniform sampler2D gDiffuseMap;
#ifndef PIXEL_STAGE
uniform float gNeverSeen;
#endif
void PS() {}
#endif
)";

class ShaderManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        cLog::Destroy();
        renderer.Initialise();
        dir.Write("staged.shader", kStagedShader);
    }
    void TearDown() override { cLog::Destroy(); }

    iGPUProgram* Make() {
        const std::string directory = dir.Path().string() + "/";
        return shaders.CreateShaderProgram("staged.shader", directory, "VS", "staged.shader", directory, "PS");
    }

    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory cwd{dir.Path()};
    cNullRenderer renderer;
    cNullShaderManager shaders{renderer};
};

TEST_F(ShaderManagerTest, EveryProgramOwnsItsStages) {
    iGPUProgram* first = Make();
    iGPUProgram* second = Make();
    ASSERT_NE(first, second);
    EXPECT_NE(first->VertexStage(), second->VertexStage());
    EXPECT_NE(first->PixelStage(), second->PixelStage());
    EXPECT_NE(first->VertexStage(), first->PixelStage());
    EXPECT_EQ(first->VertexStage()->Name(), "staged.shader");
    EXPECT_EQ(first->VertexStage()->Source(), dir.Path().string() + "/");

    iShader* kept = second->PixelStage();
    shaders.ReleaseProgram(first);
    EXPECT_EQ(first, nullptr);
    EXPECT_TRUE(kept->IsCompiled());
    EXPECT_EQ(kept->Name(), "staged.shader");
    EXPECT_EQ(shaders.LiveStageCount(), 2u);
    EXPECT_EQ(shaders.LiveProgramCount(), 1u);
}

TEST_F(ShaderManagerTest, ReleasingWhatTheManagerDoesNotHoldChangesNothing) {
    iGPUProgram* program = Make();
    iGPUProgram* stale = program;
    shaders.ReleaseProgram(program);
    shaders.ReleaseProgram(program);  // null already
    shaders.ReleaseProgram(stale);    // back in the pool
    iShader* none = nullptr;
    shaders.ReleaseStage(none);

    iGPUProgram* live = Make();
    cNullShaderManager other(renderer);
    iShader* foreign = live->VertexStage();
    other.ReleaseStage(foreign);
    EXPECT_EQ(foreign, nullptr);
    EXPECT_TRUE(live->VertexStage()->IsCompiled());
    EXPECT_EQ(shaders.LiveStageCount(), 2u);
    EXPECT_EQ(shaders.LiveProgramCount(), 1u);
}

TEST_F(ShaderManagerTest, AStageUnloadsWhenItsLastUserReleasesIt) {
    iGPUProgram* program = Make();
    iShader* stage = program->VertexStage();
    stage->AddRef();
    iShader* handle = stage;
    shaders.ReleaseStage(handle);
    EXPECT_TRUE(stage->IsCompiled());
    handle = stage;
    shaders.ReleaseStage(handle);
    EXPECT_FALSE(stage->IsCompiled());
    EXPECT_EQ(stage->Name(), "");
    EXPECT_EQ(shaders.LiveStageCount(), 1u);
}

TEST_F(ShaderManagerTest, ReleaseAllFreesEveryStageAndProgram) {
    Make();
    iGPUProgram* bound = Make();
    bound->Bind();
    shaders.ReleaseAll();
    EXPECT_EQ(shaders.LiveStageCount(), 0u);
    EXPECT_EQ(shaders.LiveProgramCount(), 0u);
    EXPECT_EQ(shaders.GetCurrentVertexStage(), nullptr);
    EXPECT_EQ(renderer.Shader(false), 0u) << "a bound stage that unloads leaves the device";
}

TEST_F(ShaderManagerTest, TheNullStageSeesOnlyItsOwnConstants) {
    iGPUProgram* program = Make();
    eShaderConstantType type = SCT_Other;
    struct Case {
        bool pixel;
        const char* name;
        bool present;
        eShaderConstantType type;
    };
    const Case cases[] = {
        {false, "gShared", true, SCT_Float},   {true, "gShared", true, SCT_Float},
        {false, "WVPMatrix", true, SCT_Matrix}, {true, "WVPMatrix", false, SCT_Other},
        {true, "gDiffuseMap", true, SCT_Sampler}, {false, "gDiffuseMap", false, SCT_Other},
        {true, "gNeverSeen", false, SCT_Other},
    };
    for (const Case& c : cases) {
        iShader* stage = c.pixel ? program->PixelStage() : program->VertexStage();
        EXPECT_EQ(stage->FindConstant(c.name, type), c.present) << c.name;
        EXPECT_EQ(type, c.type) << c.name;
    }
    EXPECT_EQ(program->PixelStage()->GetSamplerIndex("gKidLightShadowMapSampler"), 6u);
    EXPECT_EQ(program->PixelStage()->GetSamplerIndex("gDiffuseMap"), 0u);
    EXPECT_EQ(program->VertexStage()->GetSamplerIndex("gDiffuseMap"), 99u);
}

TEST_F(ShaderManagerTest, AMissingEntryPointOrFileIsReportedAndTheStageStaysUnbound) {
    const std::string directory = dir.Path().string() + "/";
    iGPUProgram* program =
        shaders.CreateShaderProgram("staged.shader", directory, "Nowhere", "gone.shader", directory, "PS");
    EXPECT_FALSE(program->VertexStage()->IsCompiled());
    EXPECT_FALSE(program->PixelStage()->IsCompiled());
    const std::string log = TestSupport::ReadFile(dir.File("Engine.log"));
    EXPECT_NE(log.find("Error: the vertex shader " + directory + "staged.shader (entry Nowhere) does not compile"),
              std::string::npos)
        << log;
    EXPECT_NE(log.find("Error: the pixel shader " + directory + "gone.shader (entry PS) does not compile: the file "
                       "cannot be read"),
              std::string::npos)
        << log;
    renderer.BindShader(false, 77);
    program->Bind();
    EXPECT_EQ(renderer.Shader(false), 0u);
    EXPECT_EQ(shaders.GetCurrentVertexStage(), program->VertexStage());
}

TEST_F(ShaderManagerTest, AnEntryPointThatIsNotAPlainNameIsRefused) {
    const std::string directory = dir.Path().string() + "/";
    for (const char* entry : {"", "V(S", "VS\n#error", "9VS", "VS PS", "V*"}) {
        iGPUProgram* program = shaders.CreateShaderProgram("staged.shader", directory, entry, "", "", "");
        EXPECT_FALSE(program->VertexStage()->IsCompiled()) << "entry \"" << entry << "\"";
        shaders.ReleaseProgram(program);
    }
    const std::string log = TestSupport::ReadFile(dir.File("Engine.log"));
    EXPECT_NE(log.find("(entry V(S) does not compile: the entry point is not a plain name"), std::string::npos) << log;
    iGPUProgram* plain = shaders.CreateShaderProgram("staged.shader", directory, "VS", "", "", "");
    EXPECT_TRUE(plain->VertexStage()->IsCompiled());
    shaders.ReleaseProgram(plain);
}

TEST_F(ShaderManagerTest, AProgramWithOneStageBindsItAndUnbindsTheOtherKind) {
    const std::string directory = dir.Path().string() + "/";
    iGPUProgram* program = shaders.CreateShaderProgram("staged.shader", directory, "VS", "", directory, "");
    EXPECT_EQ(program->PixelStage(), nullptr);
    renderer.BindShader(true, 77);
    program->BindVertex();
    program->BindPixel();
    EXPECT_NE(renderer.Shader(false), 0u);
    EXPECT_EQ(renderer.Shader(true), 0u);
}

}  // namespace
}  // namespace Engine
