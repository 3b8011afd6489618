// The shipped content against the names the code looks up: every catalogue
// entry names a file that exists with exactly that case and that the engine's
// own loaders accept; every prefab, decoration, tile and billboard names
// resources the catalogues define; every model holds the animations its
// entity plays; the GUI pictures hold whole frames and the achievement
// banners' layout names its art; and the MD2 writer of the asset generator
// round-trips through the engine's loader.
//
// The tests run in a temporary folder that links "GameData" to the shipped
// data, so the catalogues' relative paths resolve as in the game and the log
// stays out of the source tree. No device is needed: the null renderer's
// managers decode every image and build every mesh.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "engine/core/cLog.h"
#include "engine/core/cXmlFile.h"
#include "engine/render/cNullHardwareBufferManager.h"
#include "engine/render/cNullRenderer.h"
#include "engine/resource/MaterialCatalogue.h"
#include "engine/resource/Md2Model.h"
#include "engine/resource/cAnimationRegistry.h"
#include "engine/resource/cMaterialManager.h"
#include "engine/resource/cMeshManager.h"
#include "engine/resource/cNullShaderManager.h"
#include "engine/resource/cNullTextureManager.h"
#include "game/data/ContentNames.h"
#include "game/data/cModelCatalogue.h"
#include "tests/support/TempDir.h"

namespace {

using namespace Engine;
using Game::cModelCatalogue;
namespace fs = std::filesystem;
namespace Content = Game::Content;

const std::string kResources = "./GameData/XML_Resources/";

// True when folder holds an entry spelled exactly name: the game runs on
// case-sensitive file systems, so "Kid.png" is not "kid.png".
bool ExistsWithExactCase(const std::string& folder, const std::string& name) {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        if (entry.path().filename().string() == name) return true;
    }
    return false;
}

// Every (path, file name) pair of the catalogue elements named element.
std::vector<std::pair<std::string, std::string>> FilesNamedBy(const std::string& catalogue, const char* element,
                                                              const char* file_attribute) {
    cXmlFile file(kResources + catalogue);
    std::vector<std::pair<std::string, std::string>> files;
    std::vector<const tinyxml2::XMLElement*> pending{file.First().element};
    while (!pending.empty()) {
        const tinyxml2::XMLElement* at = pending.back();
        pending.pop_back();
        if (at == nullptr) continue;
        if (std::string(at->Name()) == element) {
            files.emplace_back(at->Attribute("path") ? at->Attribute("path") : "",
                               at->Attribute(file_attribute) ? at->Attribute(file_attribute) : "");
        }
        for (auto* child = at->FirstChildElement(); child != nullptr; child = child->NextSiblingElement()) {
            pending.push_back(child);
        }
    }
    return files;
}

class ContentTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetServices();
        fs::create_directory_symlink(fs::path(BRAMBLEBY_SOURCE_DIR) / "GameData", dir.Path() / "GameData");
        renderer.Initialise();
    }

    void TearDown() override {
        meshes.FreeModelData();
        ResetServices();
    }

    static void ResetServices() {
        cModelCatalogue::Destroy();
        cAnimationRegistry::Destroy();
        cLog::Destroy();
    }

    // Loads the catalogues in the game's start-up order.
    void LoadCatalogues() {
        ASSERT_TRUE(textures.LoadTextureCatalogue(kResources, "TextureData.xml")) << EngineLog();
        ASSERT_TRUE(LoadMaterialCatalogue(kResources, "MaterialData.xml", materials, &shaders)) << EngineLog();
        ASSERT_TRUE(meshes.LoadMeshCatalogue(kResources, "MeshData.xml")) << EngineLog();
        cModelCatalogue& models = cModelCatalogue::Instance();
        ASSERT_TRUE(models.LoadPrefabs(kResources + "PrefabData.xml"));
        ASSERT_TRUE(models.LoadDecorations(kResources + "decorations.xml"));
        ASSERT_TRUE(models.LoadTiles(kResources + "binaryTiles.xml"));
        ASSERT_TRUE(models.LoadBillboards(kResources + "billboards.xml"));
    }

    // The file a catalogued mesh was loaded from.
    std::string MeshFile(const std::string& mesh) const {
        for (const auto& [path, file] : FilesNamedBy("MeshData.xml", "MeshFile", "filename")) {
            if (meshes.Find(mesh) != nullptr && meshes.Find(mesh)->Source() == path + file) return path + file;
        }
        return {};
    }

    bool TextureSetHoldsATexture(const std::string& name) const {
        const cTextureSet* set = textures.TextureSets().Find(name);
        return set != nullptr && !set->Textures().empty();
    }

    // Every resource a model names is defined; failures say which.
    void ExpectDefined(const std::string& owner, const Game::sModelNames& model) const {
        EXPECT_NE(meshes.Find(model.mesh), nullptr) << owner << " names the mesh " << model.mesh;
        EXPECT_TRUE(TextureSetHoldsATexture(model.texture_set)) << owner << " names the texture set "
                                                                << model.texture_set;
        EXPECT_NE(materials.Find(model.material), nullptr) << owner << " names the material " << model.material;
    }

    std::string EngineLog() const { return TestSupport::ReadFile(dir.File("Engine.log")); }

    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory cwd{dir.Path()};
    cNullRenderer renderer;
    cNullHardwareBufferManager buffers{renderer};
    cNullTextureManager textures{renderer};
    cMeshManager meshes{buffers};
    cNullShaderManager shaders{renderer};
    cMaterialManager materials;
};

// ---- Files -------------------------------------------------------------------

TEST_F(ContentTest, EveryCatalogueEntryNamesAFileThatExistsWithExactlyThatCase) {
    const auto textures_named = FilesNamedBy("TextureData.xml", "Texture", "filename");
    const auto meshes_named = FilesNamedBy("MeshData.xml", "MeshFile", "filename");
    ASSERT_FALSE(textures_named.empty());
    ASSERT_FALSE(meshes_named.empty());
    for (const auto& named : {textures_named, meshes_named}) {
        for (const auto& [path, file] : named) {
            EXPECT_TRUE(ExistsWithExactCase(path, file)) << path << file;
        }
    }
}

TEST_F(ContentTest, EveryTextureDecodesAndEveryMeshLoadsThroughTheEngine) {
    LoadCatalogues();
    for (const auto& [name, set] : textures.TextureSets().Registry()) {
        if (name == "defaultTS") continue;
        EXPECT_FALSE(set->Textures().empty()) << "texture set " << name << " lost its texture";
    }
    for (const auto& [path, file] : FilesNamedBy("MeshData.xml", "MeshFile", "filename")) {
        bool loaded = false;
        for (const auto& [name, mesh] : meshes.Registry()) loaded |= mesh->Source() == path + file;
        EXPECT_TRUE(loaded) << path << file << " made no mesh";
    }
    EXPECT_EQ(EngineLog().find("Error"), std::string::npos) << EngineLog();
}

// ---- Catalogues against each other and against the code ------------------------

TEST_F(ContentTest, EveryPrefabDecorationTileAndBillboardNamesResourcesTheCataloguesDefine) {
    LoadCatalogues();
    const cModelCatalogue& models = cModelCatalogue::Instance();
    EXPECT_FALSE(models.FindPrefab(Content::kUnknownPrefab).has_value())
        << "a prefab whose text the game does not know";
    for (const auto& [id, model] : models.Prefabs()) ExpectDefined("prefab " + std::to_string(id), model);
    for (const auto& [id, decoration] : models.Decorations()) ExpectDefined("decoration " + id, decoration.model);
    for (const auto& [index, tile] : models.Tiles()) {
        ExpectDefined("tile " + tile.name, tile.model);
        EXPECT_EQ(tile.model.mesh, Content::kTileMesh) << "tile layers draw every kind over one mesh";
    }
    for (const auto& [name, board] : models.Billboards()) {
        EXPECT_TRUE(TextureSetHoldsATexture(board.texture_set)) << "billboard " << name;
        EXPECT_NE(materials.Find(board.material), nullptr) << "billboard " << name;
    }
    EXPECT_GE(models.Decorations().size(), 12u);
    EXPECT_GE(models.Tiles().size(), 6u);
    EXPECT_EQ(models.TileSize(), 2);
}

TEST_F(ContentTest, EveryPrefabTheGameKnowsHasAModel) {
    LoadCatalogues();
    for (const Content::sPrefabName& prefab : Content::kPrefabNames) {
        EXPECT_TRUE(cModelCatalogue::Instance().FindPrefab(prefab.id).has_value()) << prefab.text;
    }
}

TEST_F(ContentTest, EveryModelHoldsTheAnimationsItsEntityPlays) {
    LoadCatalogues();
    for (const Content::sPlayedAnimations& played : Content::kPlayedAnimations) {
        const auto prefab = cModelCatalogue::Instance().FindPrefab(played.prefab);
        ASSERT_TRUE(prefab.has_value()) << "prefab " << played.prefab;
        const std::string file = MeshFile(prefab->mesh);
        Md2Model model;
        ASSERT_TRUE(model.LoadFile(file)) << prefab->mesh << " is not an MD2 file: " << file;
        for (std::string_view name : played.animations) {
            EXPECT_TRUE(model.Animations().count(std::string(name))) << file << " lacks " << name;
        }
    }
}

TEST_F(ContentTest, TheResourcesTheCodeNamesOutrightExist) {
    LoadCatalogues();
    for (std::string_view name : {Content::kStandardMaterial, Content::kShadowMaterial,
                                  Content::kShadowPreprocessMaterial, Content::kParticleMaterial,
                                  Content::kBillboardLampMaterial}) {
        EXPECT_NE(materials.Find(std::string(name)), nullptr) << name;
    }
    EXPECT_TRUE(TextureSetHoldsATexture(std::string(Content::kHaloTextureSet)));
    EXPECT_NE(meshes.Find(std::string(Content::kGhostMesh)), nullptr);
    EXPECT_NE(meshes.Find(std::string(Content::kTileMesh)), nullptr);
    for (std::string_view system : Content::kParticleSystems) {
        EXPECT_NE(materials.Find(std::string(system)), nullptr) << "material of " << system;
        EXPECT_TRUE(TextureSetHoldsATexture(std::string(system))) << "texture set of " << system;
    }
    const std::string sky_dir(Content::kSkyBoxDirectory);
    const std::string sky_file(Content::kSkyBoxFile);
    iTexture* face = textures.LoadTexture(sky_file, sky_dir);
    EXPECT_NE(face, nullptr) << "the face the sky box repeats";
    // Textures are shared by name: the face goes before its name is asked for as a cube.
    textures.Release(face);
    const iTexture* cube = textures.LoadCubeTexture(sky_file, sky_dir);
    ASSERT_NE(cube, nullptr) << EngineLog();
    EXPECT_EQ(cube->Type(), 2);
}

// ---- GUI art --------------------------------------------------------------------

// Texture sets the screens draw with, in the frame grid their elements expect:
// frames side by side, so the picture is frames x frame width wide.
struct GuiArt {
    const char* texture_set;
    int frame_width;
    int frame_height;
    int frames;
};

constexpr GuiArt kGuiArt[] = {
    {"buttonTS", 512, 256, 4},       {"MuteButtonTS", 512, 256, 4}, {"UnmuteButtonTS", 512, 256, 4},
    {"closebuttonTS", 32, 32, 4},    {"textboxTS", 64, 64, 2},      {"MouseCursorTS", 128, 128, 4},
};

TEST_F(ContentTest, EveryGuiPictureHoldsWholeFramesOfTheSizeItsElementsCut) {
    LoadCatalogues();
    for (const GuiArt& art : kGuiArt) {
        const cTextureSet* set = textures.TextureSets().Find(art.texture_set);
        ASSERT_TRUE(set != nullptr && !set->Textures().empty()) << art.texture_set;
        const iTexture* picture = set->Textures().front();
        EXPECT_EQ(picture->Width(), art.frame_width * art.frames) << art.texture_set;
        EXPECT_EQ(picture->Height(), art.frame_height) << art.texture_set;
    }
    // One picture each, stretched to the element: any size will do.
    for (const char* stretched : {"panelTS", "BlackOverlayTS"}) {
        EXPECT_TRUE(TextureSetHoldsATexture(stretched)) << stretched;
    }
}

TEST_F(ContentTest, TheBannerLayoutHoldsTenHiddenBannersWithTheirOwnArt) {
    LoadCatalogues();
    cXmlFile layout("./GameData/XML_Game/AchievementLayout.xml");
    ASSERT_TRUE(layout.IsLoaded());
    std::map<std::string, std::string> art_of;
    for (const tinyxml2::XMLElement* image = layout.First().element->FirstChildElement("UIImage"); image != nullptr;
         image = image->NextSiblingElement("UIImage")) {
        ASSERT_TRUE(image->Attribute("name") && image->Attribute("TSname"));
        EXPECT_TRUE(image->Attribute("visible", "0")) << image->Attribute("name") << " shows before it is earned";
        EXPECT_GT(image->FloatAttribute("normwidth"), 0.0f);
        EXPECT_GT(image->FloatAttribute("normheight"), 0.0f);
        art_of[image->Attribute("name")] = image->Attribute("TSname");
    }
    EXPECT_EQ(art_of.size(), 10u);
    for (int index = 0; index < 10; ++index) {
        const std::string name = "AchievementArt" + std::to_string(index);
        ASSERT_EQ(art_of.count(name), 1u) << name;
        EXPECT_EQ(art_of[name], name);
        EXPECT_TRUE(TextureSetHoldsATexture(art_of[name])) << name;
    }
}

// Every element of every shipped layout, panel children included, names a texture set the catalogue
// holds ("nomat" asks for none), and every button cuts frames that fit in its picture.
TEST_F(ContentTest, EveryShippedLayoutNamesTextureSetsThatExist) {
    LoadCatalogues();
    EXPECT_TRUE(TextureSetHoldsATexture(std::string(Content::kCursorTextureSet)));
    EXPECT_TRUE(TextureSetHoldsATexture(std::string(Content::kTextboxTextureSet)));
    for (std::string_view file : Content::kGuiLayouts) {
        const std::string path = std::string(Content::kGuiFolder) + std::string(file);
        cXmlFile layout(path);
        ASSERT_TRUE(layout.IsLoaded()) << path;
        std::vector<const tinyxml2::XMLElement*> pending{layout.First().element};
        while (!pending.empty()) {
            const tinyxml2::XMLElement* parent = pending.back();
            pending.pop_back();
            for (const auto* e = parent->FirstChildElement(); e != nullptr; e = e->NextSiblingElement()) {
                pending.push_back(e);
                const char* set = e->Attribute("TSname");
                if (set == nullptr || std::string(set) == "nomat") continue;
                ASSERT_TRUE(TextureSetHoldsATexture(set)) << path << ": " << e->Name() << " names " << set;
                if (std::string(e->Name()) != "UIButton") continue;
                const iTexture* picture = textures.TextureSets().Find(set)->Textures().front();
                EXPECT_LE(e->IntAttribute("framewidth"), static_cast<int>(picture->Width())) << path << " " << set;
                EXPECT_EQ(e->IntAttribute("frameheight"), static_cast<int>(picture->Height())) << path << " " << set;
            }
        }
    }
}

// ---- Cutscenes and splash screens -----------------------------------------------------

// Every story of the cutscene file shows a picture the catalogue holds, in at
// least one framing; so do the pictures the stories and the splash screens
// name in code. The stories the game tells are there.
TEST_F(ContentTest, EveryTextureTheCutsceneFileNamesExists) {
    LoadCatalogues();
    cXmlFile cutscenes{std::string(Content::kCutsceneFile)};
    ASSERT_TRUE(cutscenes.IsLoaded()) << Content::kCutsceneFile;
    std::vector<std::string> stories;
    for (const tinyxml2::XMLElement* story = cutscenes.First().element->FirstChildElement(); story != nullptr;
         story = story->NextSiblingElement()) {
        stories.push_back(story->Name());
        const char* texture = story->Attribute("texture");
        ASSERT_NE(texture, nullptr) << story->Name() << " names no picture";
        EXPECT_TRUE(TextureSetHoldsATexture(texture)) << story->Name() << " names " << texture;
        EXPECT_NE(story->FirstChildElement("Section"), nullptr) << story->Name() << " has no framing";
        for (const auto* section = story->FirstChildElement("Section"); section != nullptr;
             section = section->NextSiblingElement("Section")) {
            for (const char* attribute : {"posX", "posY", "scaleX", "scaleY"}) {
                float value = 0.0f;
                EXPECT_EQ(section->QueryFloatAttribute(attribute, &value), tinyxml2::XML_SUCCESS)
                    << story->Name() << " gives its " << attribute << " as a plain number";
            }
        }
    }
    for (std::string_view shipped : Content::kShippedStories) {
        EXPECT_NE(std::find(stories.begin(), stories.end(), shipped), stories.end()) << shipped;
    }
    for (std::string_view named : Content::kScreenTextureSets) {
        EXPECT_TRUE(TextureSetHoldsATexture(std::string(named))) << named;
    }
}

// ---- The asset generator's MD2 writer -----------------------------------------

struct WrittenFrame {
    std::string name;
    std::vector<Vector3> positions;
};

// The fixture's record of what the generator handed to its writer.
std::vector<WrittenFrame> ReadWrittenFrames(const std::string& path) {
    std::ifstream in(path);
    std::vector<WrittenFrame> frames;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream words(line);
        if (line.rfind("frame ", 0) == 0) {
            frames.push_back({line.substr(6), {}});
        } else if (!frames.empty()) {
            Vector3 p;
            words >> p.x >> p.y >> p.z;
            frames.back().positions.push_back(p);
        }
    }
    return frames;
}

TEST(Md2WriterRoundTrip, TheEngineReadsBackWhatTheGeneratorWroteWithinTheFormatsPrecision) {
    const std::string fixtures = std::string(BRAMBLEBY_SOURCE_DIR) + "/tests/game/data/fixtures/";
    const std::vector<WrittenFrame> written = ReadWrittenFrames(fixtures + "roundtrip.txt");
    ASSERT_EQ(written.size(), 5u);
    Md2Model model;
    ASSERT_TRUE(model.LoadFile(fixtures + "roundtrip.md2"));
    ASSERT_EQ(model.FrameCount(), written.size());
    ASSERT_EQ(model.VertexCount(), written[0].positions.size());
    for (std::size_t f = 0; f < written.size(); ++f) {
        const Md2Frame& frame = model.Frames()[f];
        EXPECT_EQ(frame.name, written[f].name);
        for (std::size_t v = 0; v < frame.vertices.size(); ++v) {
            const Md2Vertex& q = frame.vertices[v];
            const Vector3 read{q.x * frame.scale.x + frame.translate.x, q.y * frame.scale.y + frame.translate.y,
                               q.z * frame.scale.z + frame.translate.z};
            const Vector3& want = written[f].positions[v];
            // Each axis is quantised to 256 steps of the frame's own scale: at most half a step off.
            EXPECT_NEAR(read.x, want.x, frame.scale.x / 2 + 1e-5f) << frame.name << " vertex " << v;
            EXPECT_NEAR(read.y, want.y, frame.scale.y / 2 + 1e-5f) << frame.name << " vertex " << v;
            EXPECT_NEAR(read.z, want.z, frame.scale.z / 2 + 1e-5f) << frame.name << " vertex " << v;
        }
    }
    const AnimationTable& animations = model.Animations();
    ASSERT_EQ(animations.size(), 2u);
    EXPECT_EQ(animations.at("Hop").first, 0u);
    EXPECT_EQ(animations.at("Hop").last, 2u);
    EXPECT_EQ(animations.at("LongNameSpin").first, 3u) << "a 15-character frame name keeps its number";
    EXPECT_EQ(animations.at("LongNameSpin").last, 4u);
}

}  // namespace
