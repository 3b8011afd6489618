// Shader stages on OpenGL: every shipped shader compiles and runs as a
// pipeline, constants are known by name with their kinds and reach the
// pixels, broken sources are reported without harm, and every program owns
// its stages.

#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>
#include <sstream>
#include <vector>

#include "engine/render/eBufferUsage.h"
#include "engine/render/eDeclType.h"
#include "engine/render/eDeclUsage.h"
#include "engine/render/ePrimitiveType.h"
#include "engine/render/eRenderStateId.h"
#include "engine/render/gl/cGLShaderManager.h"
#include "engine/resource/MaterialCatalogue.h"
#include "engine/resource/cMaterialManager.h"
#include "engine/resource/iGPUProgram.h"
#include "tests/engine/render/gl/GLFixture.h"

namespace {

using namespace Engine;

// A stage pair whose constants cover every kind; all of them are used, so
// the driver keeps them active.
constexpr const char* kProbeShader = R"(// Stages: vertex ProbeVS, pixel ProbePS
#ifdef VERTEX_STAGE
layout(location = LOCATION_POSITION) in vec3 aPosition;
uniform mat4 WVPMatrix = mat4(1.0);
uniform float gScale = 1.0;
uniform int gCount = 0;
uniform bool gFlag = false;
uniform vec2 gOffset = vec2(0.0);
uniform vec3 gAxis = vec3(0.0);
void ProbeVS() {
    vec3 moved = aPosition * gScale + gAxis * float(gCount) + vec3(gOffset, 0.0) * (gFlag ? 1.0 : 0.0);
    gl_Position = WVPMatrix * vec4(moved, 1.0);
}
#endif
#ifdef PIXEL_STAGE
uniform vec4 gTint = vec4(1.0);
uniform float gDetailWeight = 0.0;
layout(binding = 3) uniform sampler2D gDetail;
out vec4 fragColour;
void ProbePS() { fragColour = mix(gTint, texture(gDetail, vec2(0.5)), gDetailWeight); }
#endif
)";

struct StageEntries {
    std::string vertex;
    std::string pixel;
};

// The entry points a shipped shader names on its first line: "// Stages: vertex X, pixel Y".
bool ReadStageLine(const std::string& path, StageEntries& entries) {
    std::ifstream file(path);
    std::string first;
    std::getline(file, first);
    std::smatch match;
    if (!std::regex_search(first, match, std::regex(R"(^// Stages: vertex (\w+), pixel (\w+)\s*$)"))) return false;
    entries = {match[1], match[2]};
    return true;
}

bool Is(const Pixel& p, uint8_t r, uint8_t g, uint8_t b) { return p.r == r && p.g == g && p.b == b; }

// Corners laid out as a keyframed model's vertices: two frames of position and normal.
struct KeyframeVertex {
    float position_a[3];
    float normal_a[3];
    float texcoord[2];
    float position_b[3];
    float normal_b[3];
};

class GLShaderTest : public GLFixture {
protected:
    void SetUp() override {
        GLFixture::SetUp();
        if (IsSkipped()) return;
        shaders = std::make_unique<cGLShaderManager>(*renderer);
    }

    void TearDown() override {
        if (!textures.empty()) glDeleteTextures(static_cast<GLsizei>(textures.size()), textures.data());
        materials.reset();
        shaders.reset();
        GLFixture::TearDown();
    }

    iGPUProgram* Probe() {
        dir.Write("probe.shader", kProbeShader);
        return shaders->CreateShaderProgram("probe.shader", dir.Path().string() + "/", "ProbeVS", "probe.shader",
                                            dir.Path().string() + "/", "ProbePS");
    }

    // One triangle in the keyframe layout.
    iVertexBuffer* Triangle(const KeyframeVertex (&corners)[3]) {
        cVertexDeclaration* declaration = buffers->TakeVertexDeclaration();
        declaration->AddElement(DU_Position, DT_Float3, 0);
        declaration->AddElement(DU_Normal, DT_Float3, 0);
        declaration->AddElement(DU_TexCoord, DT_Float2, 0);
        declaration->AddElement(DU_Position, DT_Float3, 1);
        declaration->AddElement(DU_Normal, DT_Float3, 1);
        iVertexBuffer* vertices = buffers->CreateVertexBuffer(declaration, 3, BU_Managed);
        vertices->Write(corners, 0, 3);
        return vertices;
    }

    void Draw(const KeyframeVertex (&corners)[3]) {
        Triangle(corners)->Bind();
        renderer->DrawPrimitives(PT_TriangleList, 0, 1);
    }

    // One triangle over the whole 320 x 240 window in pixel coordinates.
    void DrawScreen() {
        const KeyframeVertex corners[3] = {
            {{0, 0, 0}, {0, 0, 1}, {0, 0}, {0, 0, 0}, {0, 0, 1}},
            {{640, 0, 0}, {0, 0, 1}, {2, 0}, {640, 0, 0}, {0, 0, 1}},
            {{0, 480, 0}, {0, 0, 1}, {0, 2}, {0, 480, 0}, {0, 0, 1}},
        };
        Draw(corners);
    }

    // A texture of one stage, size x size texels of one GL format, filled with one value per texel.
    GLuint MakeTexture(uint32_t stage, GLint format, GLenum channels, GLenum type, int32_t size, const void* texels) {
        GLuint texture = 0;
        glGenTextures(1, &texture);
        glActiveTexture(GL_TEXTURE0 + stage);  // the upload leaves the other stages as they are
        glBindTexture(GL_TEXTURE_2D, texture);
        glTexImage2D(GL_TEXTURE_2D, 0, format, size, size, 0, channels, type, texels);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        glActiveTexture(GL_TEXTURE0);
        renderer->BindTexture(stage, GL_TEXTURE_2D, texture);
        textures.push_back(texture);
        return texture;
    }

    std::vector<GLuint> textures;

    std::unique_ptr<cGLShaderManager> shaders;
    std::unique_ptr<cMaterialManager> materials;
};

TEST_F(GLShaderTest, EveryShippedShaderCompilesAndDrawsAsOnePipeline) {
    const std::filesystem::path folder = std::filesystem::path(BRAMBLEBY_SOURCE_DIR) / "GameData" / "Shaders";
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() == ".shader") files.push_back(entry.path());
    }
    ASSERT_GE(files.size(), 4u);
    ASSERT_TRUE(renderer->BeginFrame());
    for (const auto& path : files) {
        SCOPED_TRACE(path.filename().string());
        StageEntries entries;
        ASSERT_TRUE(ReadStageLine(path.string(), entries))
            << "the first line must name the entry points: // Stages: vertex <name>, pixel <name>";
        const std::string directory = folder.string() + "/";
        iGPUProgram* program = shaders->CreateShaderProgram(path.filename().string(), directory, entries.vertex,
                                                            path.filename().string(), directory, entries.pixel);
        ASSERT_TRUE(program->VertexStage()->IsCompiled()) << EngineLog();
        ASSERT_TRUE(program->PixelStage()->IsCompiled()) << EngineLog();
        program->Bind();
        GLint pipeline = 0;
        glGetIntegerv(GL_PROGRAM_PIPELINE_BINDING, &pipeline);
        glValidateProgramPipeline(static_cast<GLuint>(pipeline));
        GLint valid = GL_FALSE;
        glGetProgramPipelineiv(static_cast<GLuint>(pipeline), GL_VALIDATE_STATUS, &valid);
        EXPECT_EQ(valid, GL_TRUE) << "the two stages do not fit together";
        DrawScreen();
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        program->Unbind();
        shaders->ReleaseProgram(program);
    }
    renderer->EndFrame();
}

TEST_F(GLShaderTest, ConstantsAreKnownByNameWithTheirKinds) {
    iGPUProgram* program = Probe();
    ASSERT_TRUE(program->VertexStage()->IsCompiled()) << EngineLog();
    ASSERT_TRUE(program->PixelStage()->IsCompiled()) << EngineLog();
    struct Case {
        bool pixel;
        const char* name;
        eShaderConstantType type;
    };
    const Case cases[] = {
        {false, "WVPMatrix", SCT_Matrix}, {false, "gScale", SCT_Float},  {false, "gCount", SCT_Int},
        {false, "gFlag", SCT_Int},        {false, "gOffset", SCT_Float2}, {false, "gAxis", SCT_Float3},
        {true, "gTint", SCT_Float4},      {true, "gDetail", SCT_Sampler}, {true, "gDetailWeight", SCT_Float},
    };
    for (const Case& c : cases) {
        iShader* stage = c.pixel ? program->PixelStage() : program->VertexStage();
        iShader* other = c.pixel ? program->VertexStage() : program->PixelStage();
        eShaderConstantType type = SCT_Other;
        EXPECT_TRUE(stage->FindConstant(c.name, type)) << c.name;
        EXPECT_EQ(type, c.type) << c.name;
        EXPECT_FALSE(other->FindConstant(c.name, type)) << c.name << " belongs to the other stage only";
    }
    EXPECT_EQ(program->PixelStage()->GetSamplerIndex("gDetail"), 3u);
    EXPECT_EQ(program->PixelStage()->GetSamplerIndex("gTint"), 99u) << "not a sampler";
    EXPECT_EQ(program->PixelStage()->GetSamplerIndex("gMissing"), 99u);
}

TEST_F(GLShaderTest, ConstantsAndAutomaticMatricesReachThePixels) {
    iGPUProgram* program = Probe();
    ASSERT_TRUE(renderer->BeginFrame());
    renderer->Clear(1, 0, 0, 0, 1, 1, 0);
    program->Bind();
    // The fixture's orthographic projection maps pixels: the triangle covers the window only through WVPMatrix.
    program->VertexStage()->EnableWVPMatrix(true);
    program->UploadMatrices();
    const float green[4] = {0, 1, 0, 1};
    program->PixelStage()->SetFloat4("gTint", green);
    DrawScreen();
    Frame frame = Capture();
    EXPECT_TRUE(Is(frame.At(5, 5), 0, 255, 0));
    EXPECT_TRUE(Is(frame.At(314, 234), 0, 255, 0)) << "the whole window, so WVPMatrix arrived as the engine's matrix";

    // A value of the wrong kind changes nothing; the right kind does.
    program->PixelStage()->SetFloat("gTint", 0.0f);
    const float offset[2] = {-1000, 0};
    program->VertexStage()->SetFloat2("gOffset", offset);
    program->VertexStage()->SetInt("gFlag", 1);
    DrawScreen();
    frame = Capture();
    EXPECT_TRUE(Is(frame.At(5, 5), 0, 255, 0)) << "the triangle moved off screen: nothing new drawn";
    renderer->EndFrame();
}

TEST_F(GLShaderTest, UnbindingOneStageKeepsTheOther) {
    iGPUProgram* program = Probe();
    program->Bind();
    const GLuint vertex = static_cast<GLuint>(renderer->Shader(false));
    EXPECT_NE(vertex, 0u);
    program->PixelStage()->Unbind();
    EXPECT_EQ(renderer->Shader(true), 0u);
    EXPECT_EQ(renderer->Shader(false), vertex);
    EXPECT_EQ(shaders->GetCurrentPixelStage(), nullptr);
    EXPECT_EQ(shaders->GetCurrentVertexStage(), program->VertexStage());
}

TEST_F(GLShaderTest, ABrokenStageIsReportedAndDrawingGoesOnWithoutIt) {
    std::string broken = kProbeShader;
    broken.replace(broken.find("fragColour = mix"), 3, "frag Colour");  // a syntax error in the pixel stage
    dir.Write("broken.shader", broken);
    const std::string directory = dir.Path().string() + "/";
    iGPUProgram* program =
        shaders->CreateShaderProgram("broken.shader", directory, "ProbeVS", "broken.shader", directory, "ProbePS");
    ASSERT_NE(program, nullptr);
    EXPECT_TRUE(program->VertexStage()->IsCompiled());
    EXPECT_FALSE(program->PixelStage()->IsCompiled());
    const std::string log = EngineLog();
    EXPECT_NE(log.find("Error: the pixel shader " + directory + "broken.shader (entry ProbePS) does not compile: "),
              std::string::npos)
        << log;
    EXPECT_NE(log.find("rror"), log.rfind("Error: ")) << "the driver's own message follows: " << log;

    iGPUProgram* missing =
        shaders->CreateShaderProgram("absent.shader", directory, "ProbeVS", "", directory, "ProbePS");
    EXPECT_FALSE(missing->VertexStage()->IsCompiled());
    EXPECT_EQ(missing->PixelStage(), nullptr);
    EXPECT_NE(EngineLog().find("Error: the vertex shader " + directory +
                               "absent.shader (entry ProbeVS) does not compile: the file cannot be read"),
              std::string::npos);

    // The pixel kind stays unbound and the built-in program draws: white where nothing else would.
    ASSERT_TRUE(renderer->BeginFrame());
    renderer->Clear(1, 0, 0, 0, 1, 1, 0);
    program->Bind();
    EXPECT_EQ(renderer->Shader(true), 0u);
    DrawScreen();
    EXPECT_TRUE(Is(Capture().At(100, 100), 255, 255, 255));
    renderer->EndFrame();
    shaders->ReleaseProgram(program);
    shaders->ReleaseProgram(missing);
    EXPECT_EQ(shaders->LiveStageCount(), 0u);
}

TEST_F(GLShaderTest, TwoMaterialsNamingOneFileOwnTheirStages) {
    dir.Write("probe.shader", kProbeShader);
    const std::string directory = dir.Path().string() + "/";
    const std::string shader = "<Shader vsfilename=\"probe.shader\" psfilename=\"probe.shader\" pathdir=\"" +
                               directory + "\" vsstartfunc=\"ProbeVS\" psstartfunc=\"ProbePS\"/>";
    dir.Write("MaterialData.xml", "<Materials><Material name=\"A\">" + shader + "</Material><Material name=\"B\">" +
                                      shader + "</Material></Materials>");
    materials = std::make_unique<cMaterialManager>();
    ASSERT_TRUE(LoadMaterialCatalogue(directory, "MaterialData.xml", *materials, shaders.get()));
    cMaterial* a = materials->Find("A");
    cMaterial* b = materials->Find("B");
    ASSERT_TRUE(a && b && a->Program() && b->Program());
    auto* a_pixel = static_cast<cGLShader*>(a->Program()->PixelStage());
    auto* b_pixel = static_cast<cGLShader*>(b->Program()->PixelStage());
    EXPECT_NE(a_pixel, b_pixel);
    EXPECT_NE(a_pixel->ProgramObject(), b_pixel->ProgramObject());
    EXPECT_EQ(shaders->LiveStageCount(), 4u);

    materials->ReleaseByName("A");
    EXPECT_EQ(shaders->LiveStageCount(), 2u);
    ASSERT_TRUE(b_pixel->IsCompiled());
    ASSERT_TRUE(renderer->BeginFrame());
    b->Apply(*renderer);
    b->Program()->VertexStage()->EnableWVPMatrix(true);
    b->Program()->UploadMatrices();
    const float blue[4] = {0, 0, 1, 1};
    b_pixel->SetFloat4("gTint", blue);
    DrawScreen();
    EXPECT_TRUE(Is(Capture().At(50, 50), 0, 0, 255));
    renderer->EndFrame();
}

// The standard shader on a floor at z = 0 filling the window (identity
// world, view-projection and light matrices), the kid's lantern one unit
// above it pointing down with a 90 degree cone, a white texture, and a
// shadow map whose left half holds a caster in front of the floor.
class StandardShaderTest : public GLShaderTest {
protected:
    void SetUp() override {
        GLShaderTest::SetUp();
        if (IsSkipped()) return;
        const std::string directory = std::string(BRAMBLEBY_SOURCE_DIR) + "/GameData/Shaders/";
        program = shaders->CreateShaderProgram("standard.shader", directory, "StandardVS", "standard.shader",
                                               directory, "StandardPS");
        ASSERT_TRUE(program->VertexStage()->IsCompiled() && program->PixelStage()->IsCompiled()) << EngineLog();
        const uint32_t white = 0xFFFFFFFFu;
        MakeTexture(0, GL_RGBA8, GL_RGBA, GL_UNSIGNED_BYTE, 1, &white);
        // One minus the caster's depth: 0.8 (a caster at depth 0.2) on the left, 0 (nothing) on the right.
        std::vector<float> depths(64 * 64, 0.0f);
        for (int32_t y = 0; y < 64; ++y) {
            for (int32_t x = 0; x < 32; ++x) depths[y * 64 + x] = 0.8f;
        }
        MakeTexture(6, GL_R32F, GL_RED, GL_FLOAT, 64, depths.data());
        renderer->SetRenderState(RS_Culling, 0);
    }

    void Light() {
        iShader* pixel = program->PixelStage();
        const float diffuse[4] = {1, 1, 1, 1};
        const float position[3] = {0, 0, 1};
        const float direction[3] = {0, 0, -1};
        pixel->SetFloat4("gKidLightDiffuse", diffuse);
        pixel->SetFloat3("gKidLightPosition", position);
        pixel->SetFloat3("gKidLightDirection", direction);
        pixel->SetInt("gKidLightType", 2);
        pixel->SetFloat("gKidLightOuterCone", 1.5707964f);
        pixel->SetFloat("gKidLightInnerCone", 1.0471976f);
        pixel->SetMatrix("ViewMatrix", Matrix4x4::Translation(Vector3(0, 0, -3)));
    }

    // A floor triangle covering the window; the second frame sits shift units to the right.
    void DrawFloor(float shift) {
        const KeyframeVertex corners[3] = {
            {{-1, -1, 0}, {0, 0, 1}, {0, 0}, {-1 + shift, -1, 0}, {0, 0, 1}},
            {{3, -1, 0}, {0, 0, 1}, {1, 0}, {3 + shift, -1, 0}, {0, 0, 1}},
            {{-1, 3, 0}, {0, 0, 1}, {0, 1}, {-1 + shift, 3, 0}, {0, 0, 1}},
        };
        Draw(corners);
    }

    // The pixel showing floor point (x, y).
    static Pixel FloorAt(const Frame& frame, float x, float y) {
        return frame.At(static_cast<int32_t>((x + 1) / 2 * kWidth), static_cast<int32_t>((1 - y) / 2 * kHeight));
    }

    static int32_t Brightness(const Pixel& p) { return p.r + p.g + p.b; }

    iGPUProgram* program = nullptr;
};

TEST_F(StandardShaderTest, TheLanternIsWarmAndBrightInItsConeAndTheNightIsCoolOutside) {
    ASSERT_TRUE(renderer->BeginFrame());
    renderer->Clear(3, 0, 0, 0, 1, 1, 0);
    program->Bind();
    Light();
    DrawFloor(0);
    const Frame frame = Capture();
    const Pixel centre = FloorAt(frame, 0.3f, 0.0f);   // lit side of the shadow map
    const Pixel edge = FloorAt(frame, 0.0f, 0.75f);    // between the inner and outer cone
    const Pixel outside = FloorAt(frame, 0.95f, 0.95f);
    EXPECT_GT(centre.r, 200) << "the lantern is the brightest thing";
    EXPECT_GT(centre.r, centre.g);
    EXPECT_GT(centre.g, centre.b) << "and warm";
    EXPECT_LT(Brightness(edge), Brightness(centre)) << "the cone fades toward its edge";
    EXPECT_GT(Brightness(edge), Brightness(outside)) << "smoothly, not cut off";
    EXPECT_LT(Brightness(outside), 60) << "night outside the cone";
    EXPECT_GT(outside.b, outside.r) << "and cool";
    renderer->EndFrame();
}

TEST_F(StandardShaderTest, ACasterInTheShadowMapDarkensTheFloorWithASoftEdge) {
    ASSERT_TRUE(renderer->BeginFrame());
    renderer->Clear(3, 0, 0, 0, 1, 1, 0);
    program->Bind();
    Light();
    DrawFloor(0);
    const Frame frame = Capture();
    const Pixel lit = FloorAt(frame, 0.3f, 0.0f);
    const Pixel shadowed = FloorAt(frame, -0.3f, 0.0f);
    EXPECT_GT(Brightness(lit), 3 * Brightness(shadowed)) << "lit " << int(lit.r) << ", shadowed " << int(shadowed.r);
    // Across the shadow's edge (x = 0, two texels of filter) the light ramps over several pixels.
    std::vector<int32_t> ramp;
    for (int32_t x = kWidth / 2 - 8; x <= kWidth / 2 + 8; ++x) ramp.push_back(Brightness(frame.At(x, kHeight / 2)));
    std::size_t steps = 0;
    for (std::size_t i = 1; i < ramp.size(); ++i) steps += ramp[i] > ramp[i - 1] ? 1 : 0;
    EXPECT_GE(steps, 3u) << "a filtered edge climbs in several steps";
    renderer->EndFrame();
}

TEST_F(StandardShaderTest, KeyframesBlendByTheAnimationInterpolant) {
    ASSERT_TRUE(renderer->BeginFrame());
    renderer->Clear(3, 0, 0, 0, 1, 1, 0);
    program->Bind();
    Light();
    program->VertexStage()->SetFloat("gAnimationInterpolant", 0.5f);
    DrawFloor(2.0f);  // half way to a frame two units to the right: the floor starts at x = 0
    const Frame frame = Capture();
    EXPECT_EQ(Brightness(FloorAt(frame, -0.5f, 0.0f)), 0) << "uncovered";
    EXPECT_GT(Brightness(FloorAt(frame, 0.5f, 0.0f)), 0);
    renderer->EndFrame();
}

TEST_F(GLShaderTest, AFileMayCarryItsOwnVersionLine) {
    dir.Write("versioned.shader", std::string("  #version 330 core\n") + kProbeShader);
    const std::string directory = dir.Path().string() + "/";
    iGPUProgram* program = shaders->CreateShaderProgram("versioned.shader", directory, "ProbeVS", "versioned.shader",
                                                        directory, "ProbePS");
    EXPECT_TRUE(program->VertexStage()->IsCompiled()) << EngineLog();
    EXPECT_TRUE(program->PixelStage()->IsCompiled()) << EngineLog();
}

// The shipped shaders of the 2D layers and of the depth pass, on pixels.
class ShippedShaderTest : public GLShaderTest {
protected:
    iGPUProgram* Shipped(const std::string& file, const std::string& vertex_entry, const std::string& pixel_entry) {
        const std::string directory = std::string(BRAMBLEBY_SOURCE_DIR) + "/GameData/Shaders/";
        iGPUProgram* program =
            shaders->CreateShaderProgram(file, directory, vertex_entry, file, directory, pixel_entry);
        EXPECT_TRUE(program->VertexStage()->IsCompiled() && program->PixelStage()->IsCompiled()) << EngineLog();
        return program;
    }
};

TEST_F(ShippedShaderTest, GuiSpritesShowTheirTextureAndFadeWithTheirColourAlpha) {
    const uint32_t texel = 0xFF40C0FFu;  // bytes r = 0xFF, g = 0xC0, b = 0x40, a = 0xFF
    MakeTexture(0, GL_RGBA8, GL_RGBA, GL_UNSIGNED_BYTE, 1, &texel);
    iGPUProgram* program = Shipped("gui_blend.shader", "GUIVSMain", "GUIPSMain");
    ASSERT_TRUE(renderer->BeginFrame());
    renderer->Clear(1, 0, 0, 0, 1, 1, 0);
    program->Bind();
    program->VertexStage()->EnableWVPMatrix(true);
    program->UploadMatrices();
    DrawScreen();
    EXPECT_TRUE(Is(Capture().At(40, 40), 0xFF, 0xC0, 0x40))
        << "the colour defaults to (0, 0, 0, 1): the texture as it is";

    renderer->SetRenderState(RS_Blending, 1);
    renderer->SetRenderState(RS_SourceBlend, 5);
    renderer->SetRenderState(RS_DestBlend, 6);
    renderer->Clear(1, 0, 0, 0, 1, 1, 0);
    const float half[4] = {0, 0, 0, 0.5f};
    program->PixelStage()->SetFloat4("gEmissiveColor", half);
    DrawScreen();
    const Pixel faded = Capture().At(40, 40);
    EXPECT_NEAR(faded.r, 0x80, 2);
    EXPECT_NEAR(faded.g, 0x60, 2);
    renderer->EndFrame();
}

TEST_F(ShippedShaderTest, TheDepthPassStoresOneMinusTheCastersDepth) {
    iGPUProgram* program = Shipped("shadow_preprocess.shader", "ShadowPreprocessVS", "ShadowPreprocessPS");
    ASSERT_TRUE(renderer->BeginFrame());
    renderer->Clear(3, 0, 0, 0, 1, 1, 0);
    program->Bind();
    // Identity matrices: a caster at z = 0.5 in clip space has window depth 0.75.
    const KeyframeVertex corners[3] = {
        {{-1, -1, 0.5f}, {0, 0, 1}, {0, 0}, {-1, -1, 0.5f}, {0, 0, 1}},
        {{3, -1, 0.5f}, {0, 0, 1}, {0, 0}, {3, -1, 0.5f}, {0, 0, 1}},
        {{-1, 3, 0.5f}, {0, 0, 1}, {0, 0}, {-1, 3, 0.5f}, {0, 0, 1}},
    };
    Draw(corners);
    EXPECT_NEAR(Capture().At(100, 100).r, 64, 1);
    renderer->EndFrame();
}

TEST_F(GLShaderTest, StagesDrawAgainAfterTextAndAfterAResolutionChange) {
    iGPUProgram* program = Probe();
    program->VertexStage()->EnableWVPMatrix(true);
    const float green[4] = {0, 1, 0, 1};
    program->PixelStage()->SetFloat4("gTint", green);
    ASSERT_TRUE(renderer->BeginFrame());
    renderer->Clear(1, 0, 0, 0, 1, 1, 0);
    program->Bind();
    program->UploadMatrices();
    fonts->DrawTextAt("text between draws", 10, 10, ColorRGBA(0, 0, 1, 1), 0);
    DrawScreen();
    EXPECT_TRUE(Is(Capture().At(200, 200), 0, 255, 0)) << "the font's own program is gone again";
    renderer->EndFrame();

    if (std::string(SDL_GetCurrentVideoDriver()) != "x11") {
        GTEST_SKIP() << "the offscreen driver cannot resize its surface; this needs a display (Xvfb)";
    }
    cWindow::Instance().ApplyWindowMode(400, 300);
    ASSERT_TRUE(renderer->BeginFrame());
    EXPECT_EQ(renderer->Shader(false), 0u) << "a reset unbinds the stages";
    EXPECT_EQ(renderer->Shader(true), 0u);
    renderer->Clear(1, 0, 0, 0, 1, 1, 0);
    renderer->SetOrthographic(0, 400, 300, 0, -1.0f, 1.0f);
    program->Bind();
    program->UploadMatrices();
    DrawScreen();
    EXPECT_TRUE(Is(Capture().At(300, 200), 0, 255, 0)) << "bound again, with the constants it kept";
    renderer->EndFrame();
}

}  // namespace
