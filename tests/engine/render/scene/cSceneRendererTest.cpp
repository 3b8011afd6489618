// Tests for cSceneRenderer: viewports and letterbox bars, the order of the
// sprite layers, texture-set binds in the 2D pass, the depth range of the
// 2D projection, and the count of models drawn with shadows off and on.

#include "engine/render/scene/cSceneRenderer.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/Vector4.h"
#include "engine/core/cLog.h"
#include "engine/render/ProjectionMatrices.h"
#include "engine/render/cNullHardwareBufferManager.h"
#include "engine/render/cNullRenderer.h"
#include "engine/render/eMatrixMode.h"
#include "engine/render/eRenderStateId.h"
#include "engine/render/scene/cBillBoardGfxCmp.h"
#include "engine/render/scene/cCameraGfxCmp.h"
#include "engine/render/scene/cFontGfxCmp.h"
#include "engine/render/iFontManager.h"
#include "engine/render/scene/cModelGfxCmp.h"
#include "engine/render/scene/cShadowCasterList.h"
#include "engine/render/scene/cSpriteGfxCmp.h"
#include "engine/render/scene/iShadowCaster.h"
#include "engine/resource/cAnimationRegistry.h"
#include "engine/resource/cMaterialManager.h"
#include "engine/resource/cMesh.h"
#include "engine/resource/cMeshManager.h"
#include "engine/resource/cNullShaderManager.h"
#include "engine/resource/cNullTextureManager.h"
#include "engine/resource/cResourceSystem.h"
#include "engine/resource/cTextureSet.h"
#include "engine/resource/eTextureFormat.h"
#include "engine/resource/eTextureType.h"
#include "tests/support/TempDir.h"

using namespace Engine;

namespace {

// Writes down viewports, clears and draws; a draw records the texture bound
// on stage 0 and the projection in force.
class cFrameRecorder : public cNullRenderer {
public:
    bool SetViewport(float x, float y, float width, float height) override {
        events.push_back("viewport " + Rect(x, y, width, height));
        return cNullRenderer::SetViewport(x, y, width, height);
    }
    void Clear(uint32_t flags, float r, float g, float b, float a, float depth, uint32_t stencil) override {
        events.push_back("clear " + std::to_string(flags));
        cNullRenderer::Clear(flags, r, g, b, a, depth, stencil);
    }
    void DrawIndexedPrimitives(int32_t type, uint32_t start, uint32_t count) override {
        draws.push_back("sprite " + std::to_string(Texture(0)));
        draw_textures.push_back(Texture(0));
        Matrix4x4 projection;
        GetMatrix(MM_Projection, projection);
        draw_projections.push_back(projection);
        Matrix4x4 world;
        GetMatrix(MM_World, world);
        draw_worlds.push_back(world);
        draw_zwrites.push_back(RenderState(RS_ZWrite));
        draw_cullings.push_back(RenderState(RS_Culling));
        cNullRenderer::DrawIndexedPrimitives(type, start, count);
    }
    static std::string Rect(float x, float y, float w, float h) {
        return std::to_string(int(x)) + "," + std::to_string(int(y)) + "," + std::to_string(int(w)) + "," +
               std::to_string(int(h));
    }

    std::vector<std::string> events;
    // Sprite and model draws ("sprite <texture>") and, from cTextLog, texts ("text <string>"), in order.
    std::vector<std::string> draws;
    std::vector<uint32_t> draw_textures;
    std::vector<Matrix4x4> draw_projections;
    std::vector<Matrix4x4> draw_worlds;
    std::vector<int32_t> draw_zwrites;
    std::vector<int32_t> draw_cullings;
};

// A font manager that writes each text it is asked to draw into the recorder's draw list.
class cTextLog : public iFontManager {
public:
    explicit cTextLog(std::vector<std::string>& sink) : draws(sink) {}
    int32_t CreateFont(const std::string&, bool, bool) override { return 0; }
    void DrawTextInRect(const std::string& text, const Vector4&, uint32_t, const ColorRGBA&, int32_t) override {
        draws.push_back("text " + text);
    }
    void DrawTextAt(const std::string& text, int32_t, int32_t, const ColorRGBA&, int32_t) override {
        draws.push_back("text " + text);
    }
    void OnDeviceLost() override {}
    void OnDeviceReset() override {}
    int32_t GetFontCount() const override { return 1; }

    std::vector<std::string>& draws;
};

// An uncompressed 24-bit TGA of 2 x 2 grey pixels.
void WriteTga(const std::filesystem::path& path) {
    std::string bytes(18, '\0');
    bytes[2] = 2;
    bytes[12] = 2;
    bytes[14] = 2;
    bytes[16] = 24;
    bytes += std::string(2 * 2 * 3, '\x80');
    std::ofstream(path, std::ios::binary) << bytes;
}

// A spotlight above the origin looking down; whether it has a shadow target is up to the test.
class cTestLight : public iShadowCaster {
public:
    explicit cTestLight(bool with_target) : has_target(with_target) {}
    Matrix4x4 ViewMatrix() const override { return LookAtRH({0, 30, 0}, {0, 0, 0}, {0, 0, -1}); }
    float OuterCone() const override { return 1.2f; }
    const std::string& Name() const override { return name; }
    bool BeginShadowTarget() override {
        ++begun;
        return has_target;
    }
    void EndShadowTarget() override { ++ended; }
    void UploadShadowParameters() override { ++uploads; }

    std::string name = "gTestLight";
    bool has_target;
    int begun = 0;
    int ended = 0;
    int uploads = 0;
};

class SceneRendererTest : public ::testing::Test {
protected:
    SceneRendererTest() {
        ResetServices();
        renderer.Initialise();
        cResourceSystem& resources = cResourceSystem::Instance();
        auto texture_manager = std::make_unique<cNullTextureManager>(renderer);
        textures = texture_manager.get();
        resources.InstallTextureManager(std::move(texture_manager));
        auto mesh_manager = std::make_unique<cMeshManager>(buffers);
        meshes = mesh_manager.get();
        resources.InstallMeshManager(std::move(mesh_manager));
        resources.InstallShaderManager(std::make_unique<cNullShaderManager>(renderer));
        auto material_manager = std::make_unique<cMaterialManager>();
        materials = material_manager.get();
        resources.InstallMaterialManager(std::move(material_manager));
        meshes->CreateSphereMesh("ball", {0, 0, 0, 1}, {1, 1, 1, 1});
        scene = std::make_unique<cSceneRenderer>(renderer);
        scene->ComputeViewports({false, 0, 0, 1280, 720, false});
        renderer.LookAt({0, 0, 10}, {0, 0, 0}, {0, 1, 0});
    }

    ~SceneRendererTest() override {
        for (auto& sprite : sprites) sprite->Release();
        for (auto& model : models) model->Release();
        for (auto& set : held_sets) textures->ReleaseTextureSet(set);
        scene.reset();
        ResetServices();
    }

    static void ResetServices() {
        cShadowCasterList::Destroy();
        cResourceSystem::Destroy();
        cAnimationRegistry::Destroy();
        cLog::Destroy();
    }

    // A texture set of one 64 x 64 texture; answers the texture's device id as bound on stage 0.
    uint32_t MakeSheet(const std::string& name) {
        cTextureSet* set = textures->GetTextureSet(name);
        set->AddTexture(textures->CreateTexture(name + ".tga", TT_2D, 64, 64, TF_ARGB8, nullptr));
        held_sets.push_back(set);
        set->Bind();
        const uint32_t id = renderer.Texture(0);
        renderer.UnbindTextures(4);
        return id;
    }

    cSpriteGfxCmp& AddSprite(const std::string& set, uint8_t layer, bool visible = true) {
        sprites.push_back(std::make_unique<cSpriteGfxCmp>());
        cSpriteGfxCmp& sprite = *sprites.back();
        sprite.SetLayers(scene.get());
        sprite.Initialise("quad", 32, 32, set, "", layer);
        sprite.visible = visible;
        return sprite;
    }

    void AddModel(const Vector3& at) {
        models.push_back(std::make_unique<cModelGfxCmp>());
        cModelGfxCmp& model = *models.back();
        model.SetTree(&scene->Tree());
        model.Initialise("ball", "", "", false);
        transforms.push_back(Matrix4x4::Translation(at));
        model.transform = &transforms.back();
    }

    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory cwd{dir.Path()};
    cFrameRecorder renderer;
    cNullHardwareBufferManager buffers{renderer};
    cNullTextureManager* textures = nullptr;
    cMeshManager* meshes = nullptr;
    cMaterialManager* materials = nullptr;
    std::unique_ptr<cSceneRenderer> scene;
    std::vector<cTextureSet*> held_sets;
    std::vector<std::unique_ptr<cSpriteGfxCmp>> sprites;
    std::vector<std::unique_ptr<cModelGfxCmp>> models;
    std::deque<Matrix4x4> transforms;
};

struct ViewportCase {
    const char* name;
    DisplayMode mode;
    bool bars;
    ScreenRect picture;
    ScreenRect bar_a;
    ScreenRect bar_b;
};

class SceneViewportTest : public SceneRendererTest, public ::testing::WithParamInterface<ViewportCase> {};

TEST_P(SceneViewportTest, PictureAndBarsFitTheScreen) {
    const ViewportCase& c = GetParam();
    scene->ComputeViewports(c.mode);
    const Letterbox& v = scene->Viewports();
    EXPECT_EQ(v.bars, c.bars);
    EXPECT_EQ(v.viewport, c.picture);
    if (c.bars) {
        EXPECT_EQ(v.bar_a, c.bar_a);
        EXPECT_EQ(v.bar_b, c.bar_b);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, SceneViewportTest,
    ::testing::Values(
        ViewportCase{"Windowed", {false, 1920, 1200, 1280, 720, true}, false, {0, 0, 1280, 720}, {}, {}},
        ViewportCase{"Wide16by10", {true, 1920, 1200, 1280, 720, true}, true, {0, 60, 1920, 1140},
                     {0, 0, 1920, 60}, {0, 1140, 1920, 1200}},
        ViewportCase{"Exact16by9", {true, 1920, 1080, 1280, 720, true}, false, {0, 0, 1920, 1080}, {}, {}},
        ViewportCase{"Square4by3", {true, 1600, 1200, 1280, 720, true}, true, {0, 150, 1600, 1050},
                     {0, 0, 1600, 150}, {0, 1050, 1600, 1200}},
        ViewportCase{"Ultrawide", {true, 2560, 1080, 1280, 720, true}, true, {320, 0, 2240, 1080},
                     {0, 0, 320, 1080}, {2240, 0, 2560, 1080}},
        ViewportCase{"SettingsRatio", {true, 1920, 1080, 1024, 768, false}, true, {240, 0, 1680, 1080},
                     {0, 0, 240, 1080}, {1680, 0, 1920, 1080}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SceneRendererTest, LetterboxBarsAreClearedBeforeThePicture) {
    scene->ComputeViewports({true, 1920, 1200, 1280, 720, true});
    scene->RenderFrame();
    ASSERT_GE(renderer.events.size(), 6u);
    const std::vector<std::string> first(renderer.events.begin(), renderer.events.begin() + 6);
    EXPECT_EQ(first, (std::vector<std::string>{"viewport 0,0,1920,60", "clear 7", "viewport 0,1140,1920,60",
                                               "clear 7", "viewport 0,60,1920,1080", "clear 7"}));
}

TEST_F(SceneRendererTest, WithoutBarsOnlyThePictureIsCleared) {
    scene->ComputeViewports({true, 1920, 1080, 1280, 720, true});
    scene->RenderFrame();
    ASSERT_GE(renderer.events.size(), 2u);
    EXPECT_EQ(renderer.events[0], "viewport 0,0,1920,1080");
    EXPECT_EQ(renderer.events[1], "clear 7");
}

TEST_F(SceneRendererTest, AZeroSizedWindowIsLoggedAndGivesAPicture) {
    scene->ComputeViewports({false, 0, 0, 0, 720, false});
    EXPECT_EQ(scene->Viewports().viewport, (ScreenRect{0, 0, 1, 720}));
    EXPECT_NE(TestSupport::ReadFile(dir.File("Engine.log")).find("Error: display width"), std::string::npos);
}

TEST_F(SceneRendererTest, SpriteLayersDrawInLayerOrder) {
    const std::vector<uint8_t> layers = {5, 0, 10, 2, 7};
    std::vector<uint32_t> id_of_layer(11, 0);
    for (uint8_t layer : layers) {
        const std::string name = "layer" + std::to_string(layer);
        id_of_layer[layer] = MakeSheet(name);
        AddSprite(name, layer);
    }
    scene->RenderFrame();
    const std::vector<uint32_t> expected = {id_of_layer[0], id_of_layer[2], id_of_layer[5], id_of_layer[7],
                                            id_of_layer[10]};
    EXPECT_EQ(renderer.draw_textures, expected);
}

// Sprites in consecutive layers, so the walk order is the order written:
// each is a set name and whether it is visible.
struct BindCase {
    const char* name;
    std::vector<std::pair<std::string, bool>> sprites;
    std::vector<std::string> drawn_with;
};

class SceneBindTest : public SceneRendererTest, public ::testing::WithParamInterface<BindCase> {};

TEST_P(SceneBindTest, EachSpriteDrawsWithItsOwnSheet) {
    const BindCase& c = GetParam();
    std::map<std::string, uint32_t> ids{{"a", MakeSheet("a")}, {"b", MakeSheet("b")}};
    for (std::size_t i = 0; i < c.sprites.size(); ++i)
        AddSprite(c.sprites[i].first, static_cast<uint8_t>(i), c.sprites[i].second);
    scene->RenderFrame();
    std::vector<uint32_t> expected;
    for (const std::string& set : c.drawn_with) expected.push_back(ids[set]);
    EXPECT_EQ(renderer.draw_textures, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Walks, SceneBindTest,
    ::testing::Values(BindCase{"HiddenBetweenTwoSheets", {{"a", true}, {"b", false}, {"b", true}}, {"a", "b"}},
                      BindCase{"HiddenOfTheSameSheet", {{"a", true}, {"b", false}, {"a", true}}, {"a", "a"}},
                      BindCase{"HiddenFirst", {{"b", false}, {"a", true}, {"b", true}}, {"a", "b"}},
                      BindCase{"AllVisible", {{"a", true}, {"b", true}, {"a", true}}, {"a", "b", "a"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SceneRendererTest, TheTwoDProjectionKeepsDepthZeroAndOneInsideTheClipVolume) {
    MakeSheet("a");
    AddSprite("a", 0);
    scene->RenderFrame();
    ASSERT_EQ(renderer.draw_projections.size(), 1u);
    for (float z : {0.0f, -1.0f, 1.0f}) {
        const Vector4 clip = renderer.draw_projections[0] * Vector4{640, 360, z, 1};
        EXPECT_GT(clip.z / clip.w, -1.0f) << "depth " << z;
        EXPECT_LT(clip.z / clip.w, 1.0f) << "depth " << z;
    }
}

struct ShadowCase {
    const char* name;
    bool shadows;
    int materials;
    bool light_has_target;
    uint32_t rendered;
    int uploads;
};

class SceneShadowTest : public SceneRendererTest, public ::testing::WithParamInterface<ShadowCase> {};

// Three models in front of the camera and one behind it; the light above sees all four.
TEST_P(SceneShadowTest, RenderedCountsEveryPassThatRan) {
    const ShadowCase& c = GetParam();
    for (float x : {-2.0f, 0.0f, 2.0f}) AddModel({x, 0, 0});
    AddModel({0, 0, 20});
    cTestLight light(c.light_has_target);
    scene->AddShadowLight(light);
    scene->AddShadowLight(light);
    for (int i = 0; i < c.materials; ++i)
        scene->AddShadowMaterial(*materials->GetMaterial("Shadow" + std::to_string(i)));
    scene->SetShadowsEnabled(c.shadows);
    scene->RenderFrame();
    EXPECT_EQ(scene->Rendered(), c.rendered);
    EXPECT_EQ(light.uploads, c.uploads);
    EXPECT_EQ(light.begun, c.shadows ? c.materials : 0);
    EXPECT_EQ(light.ended, c.light_has_target && c.shadows ? c.materials : 0);
    EXPECT_EQ(scene->Tree().Root().type, static_cast<uint32_t>(RNT_Camera));
}

INSTANTIATE_TEST_SUITE_P(Passes, SceneShadowTest,
                         ::testing::Values(ShadowCase{"Off", false, 1, true, 3, 0},
                                           ShadowCase{"OneMaterial", true, 1, true, 7, 1},
                                           ShadowCase{"TwoMaterials", true, 2, true, 11, 1},
                                           ShadowCase{"LightWithoutTarget", true, 1, false, 3, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SceneRendererTest, LayersRefuseAnOutOfRangeLayerAndForgetReleasedSprites) {
    MakeSheet("a");
    cSpriteGfxCmp& sprite = AddSprite("a", 2);
    EXPECT_EQ(scene->SpriteCount(2), 1u);
    scene->AddSprite(sprite, 11);
    EXPECT_EQ(scene->SpriteCount(2), 1u);
    EXPECT_NE(TestSupport::ReadFile(dir.File("Engine.log")).find("Error: sprite layer 11"), std::string::npos);
    sprite.Release();
    EXPECT_EQ(scene->SpriteCount(2), 0u);
    scene->RenderFrame();
    EXPECT_TRUE(renderer.draw_textures.empty());
}

TEST_F(SceneRendererTest, TheSkyBoxIsSixSharedFacesOfOneTexture) {
    WriteTga(dir.File("blacksky.tga"));
    scene->SetSkyBox(dir.Path().string() + "/");
    ASSERT_TRUE(scene->HasSkyBox());
    for (int face = 0; face < 6; ++face) {
        const cMesh* mesh = meshes->Find("skyboxplane" + std::to_string(face));
        ASSERT_NE(mesh, nullptr) << face;
        EXPECT_EQ(mesh->PrimitiveCount(), 2u);
        // Each face lies on one side of the cube: one axis is +-550 at every corner.
        const AABB& box = mesh->BoundingBox();
        const int flat = (box.min.x == box.max.x) + (box.min.y == box.max.y) + (box.min.z == box.max.z);
        EXPECT_EQ(flat, 1) << face;
        EXPECT_FLOAT_EQ(std::max({std::abs(box.min.x), std::abs(box.max.x), std::abs(box.min.y)}), 550.0f);
    }
    const iTexture* sky = textures->FindTexture("blacksky.tga");
    ASSERT_NE(sky, nullptr);
    EXPECT_EQ(sky->RefCount(), 6);
    scene->ReleaseSkyBox();
    EXPECT_FALSE(scene->HasSkyBox());
    EXPECT_EQ(meshes->Find("skyboxplane0"), nullptr);
    EXPECT_EQ(textures->FindTexture("blacksky.tga"), nullptr);
}

TEST_F(SceneRendererTest, TheSkyBoxDrawsFirstAroundTheEyeWithoutDepthWrites) {
    WriteTga(dir.File("blacksky.tga"));
    scene->SetSkyBox(dir.Path().string() + "/");
    AddModel({0, 0, 0});
    cCameraGfxCmp camera;
    camera.Initialise({3, 2, 10}, {0, 0, 0}, {0, 1, 0}, 45.0f, 0.1f, 100.0f);
    scene->SetCamera(&camera);
    scene->RenderFrame();
    ASSERT_EQ(renderer.draw_worlds.size(), 7u);
    for (int face = 0; face < 6; ++face) {
        EXPECT_EQ(renderer.draw_zwrites[face], 0) << face;
        EXPECT_FLOAT_EQ(renderer.draw_worlds[face].m[0][3], 3.0f);
        EXPECT_FLOAT_EQ(renderer.draw_worlds[face].m[1][3], 2.0f);
        EXPECT_FLOAT_EQ(renderer.draw_worlds[face].m[2][3], 10.0f);
        // Every corner of the scaled cube stays inside the far plane.
        EXPECT_LT(renderer.draw_worlds[face].m[0][0] * 550.0f * std::sqrt(3.0f), 100.0f);
    }
    EXPECT_NE(renderer.draw_zwrites[6], 0);
    EXPECT_EQ(scene->Rendered(), 1u);
}

TEST_F(SceneRendererTest, ASkyBoxWithoutItsTextureIsLoggedAndStillDrawn) {
    scene->SetSkyBox(dir.Path().string() + "/");
    EXPECT_TRUE(scene->HasSkyBox());
    scene->RenderFrame();
    EXPECT_EQ(renderer.draw_worlds.size(), 6u);
    EXPECT_NE(TestSupport::ReadFile(dir.File("Engine.log")).find("Error: "), std::string::npos);
}

TEST_F(SceneRendererTest, TheCameraGivesTheMainPassItsProjectionAndView) {
    AddModel({0, 0, 0});
    AddModel({0, 0, -60});
    cCameraGfxCmp camera;
    camera.Initialise({0, 0, 10}, {0, 0, 0}, {0, 1, 0}, 60.0f, 1.0f, 50.0f);
    camera.aspect = 1.5f;
    scene->SetCamera(&camera);
    scene->RenderFrame();
    // The far model lies beyond the camera's far plane of 50.
    EXPECT_EQ(scene->Rendered(), 1u);
    ASSERT_EQ(renderer.draw_projections.size(), 1u);
    const Matrix4x4 expected = PerspectiveFovRH(60.0f * 0.017453292f, 1.5f, 1.0f, 50.0f);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) EXPECT_NEAR(renderer.draw_projections[0].m[r][c], expected.m[r][c], 1e-5f);
}

TEST_F(SceneRendererTest, BillboardsDrawAfterTheTreeWithCullingOff) {
    MakeSheet("a");
    AddModel({0, 0, 0});
    // The model's material culls; the billboard's mirror-handed quad must not be culled.
    materials->GetMaterial("Culled")->SetRenderState(RS_Culling, 1);
    models.back()->Release();
    models.back()->Initialise("ball", "", "Culled", false);
    models.back()->transform = &transforms.back();
    cBillBoardGfxCmp board;
    board.SetLayers(scene.get());
    board.Initialise("board", 1.0f, 1.0f, "a", "");
    EXPECT_EQ(scene->BillboardCount(), 1u);
    scene->RenderFrame();
    ASSERT_EQ(renderer.draw_cullings.size(), 2u);
    EXPECT_EQ(renderer.draw_cullings[0], 1) << "the model draws first, with its material's culling";
    EXPECT_EQ(renderer.draw_cullings[1], 0) << "then the billboard, with culling off";
    board.Release();
    EXPECT_EQ(scene->BillboardCount(), 0u);
}

TEST_F(SceneRendererTest, ACameraWithoutUsablePlanesIsLoggedOnceAndDrawsWithTheDefaults) {
    AddModel({0, 0, 0});
    cCameraGfxCmp camera;
    camera.Initialise({0, 0, 10}, {0, 0, 0}, {0, 1, 0}, 45.0f, 0.0f, 0.0f);
    scene->SetCamera(&camera);
    scene->RenderFrame();
    scene->RenderFrame();
    EXPECT_EQ(scene->Rendered(), 1u);
    const std::string log = TestSupport::ReadFile(dir.File("Engine.log"));
    const std::string line = "Error: camera planes near 0";
    ASSERT_NE(log.find(line), std::string::npos);
    EXPECT_EQ(log.find(line, log.find(line) + 1), std::string::npos) << "logged once, not every frame";
    ASSERT_FALSE(renderer.draw_projections.empty());
    const Matrix4x4 expected = PerspectiveFovRH(45.0f * 0.017453292f, 1280.0f / 720.0f, 0.1f, 100.0f);
    EXPECT_NEAR(renderer.draw_projections[0].m[2][2], expected.m[2][2], 1e-5f);
}

// Each layer draws its sprites, then its texts, before the next layer.
TEST_F(SceneRendererTest, TextsDrawAfterTheSpritesOfTheirLayer) {
    const uint32_t a = MakeSheet("a");
    cTextLog fonts(renderer.draws);
    AddSprite("a", 1);
    std::vector<std::unique_ptr<cFontGfxCmp>> texts;
    for (const auto& [words, layer] : {std::pair{"one", 1}, {"zero", 0}, {"ten", 10}, {"also-one", 1}}) {
        texts.push_back(std::make_unique<cFontGfxCmp>());
        texts.back()->SetFontManager(&fonts);
        texts.back()->SetLayers(scene.get());
        texts.back()->Initialise(words, {0, 0, 100, 20}, 0, static_cast<uint8_t>(layer));
    }
    scene->RenderFrame();
    EXPECT_EQ(renderer.draws, (std::vector<std::string>{"text zero", "sprite " + std::to_string(a), "text one",
                                                        "text also-one", "text ten"}));
    texts[0]->Release();
    EXPECT_EQ(scene->TextCount(1), 1u);
    for (auto& text : texts) text->Release();
}

// A registered set steps as far as the same set stepped by hand; an unregistered one stays.
TEST_F(SceneRendererTest, UpdateAnimationsStepsTheRegisteredSprites) {
    cAnimationRegistry& registry = cAnimationRegistry::Instance();
    auto make = [&] {
        cSpriteAnimationSet* set = registry.TakeSpriteSet();
        set->AddAnimation("walk", 0, 7);
        set->SetFrameTime(0.1f);
        set->SetLooping(true);
        set->SetPaused(false);
        return set;
    };
    cSpriteAnimationSet* registered = make();
    cSpriteAnimationSet* by_hand = make();
    cSpriteAnimationSet* idle = make();
    registry.AddSprite(registered);
    for (int i = 0; i < 3; ++i) {
        scene->UpdateAnimations(0.15f);
        by_hand->Update(0.15f);
    }
    EXPECT_NE(registered->Frame(), 0u);
    EXPECT_EQ(registered->Frame(), by_hand->Frame());
    EXPECT_EQ(idle->Frame(), 0u);
    for (cSpriteAnimationSet* set : {registered, by_hand, idle}) registry.GiveBackSpriteSet(set);
}

}  // namespace
