// One model of each kind, looked up through the shipped catalogues as the
// game looks it up, drawn by OpenGL with its own material and texture set:
// its pixels land inside the screen rectangle of its bounding box, and
// nowhere else. A model written in the wrong axes, scale or winding, a
// texture set that binds nothing, or a material whose program fails all
// show up here as an empty or misplaced picture.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <string>

#include "engine/render/eMatrixMode.h"
#include "engine/render/gl/cGLShaderManager.h"
#include "engine/render/gl/cGLTextureManager.h"
#include "engine/resource/MaterialCatalogue.h"
#include "engine/resource/cAnimationRegistry.h"
#include "engine/resource/cMaterialManager.h"
#include "engine/resource/cMesh.h"
#include "engine/resource/cMeshManager.h"
#include "engine/resource/iGPUProgram.h"
#include "engine/resource/iShader.h"
#include "game/data/cModelCatalogue.h"
#include "tests/engine/render/gl/GLFixture.h"

namespace {

using namespace Engine;
using Game::cModelCatalogue;
using Game::sModelNames;

const std::string kResources = "./GameData/XML_Resources/";
// A colour no model of the night palette is painted in.
constexpr float kBackground[3] = {1.0f, 0.0f, 1.0f};

struct ScreenRect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    bool Contains(int32_t x, int32_t y, int32_t margin) const {
        return x >= left - margin && x <= right + margin && y >= top - margin && y <= bottom + margin;
    }
};

class ContentDrawTest : public GLFixture {
protected:
    void SetUp() override {
        GLFixture::SetUp();
        if (IsSkipped()) return;
        std::filesystem::create_directory_symlink(std::filesystem::path(BRAMBLEBY_SOURCE_DIR) / "GameData",
                                                  dir.Path() / "GameData");
        textures = std::make_unique<cGLTextureManager>(*renderer);
        meshes = std::make_unique<cMeshManager>(*buffers);
        shaders = std::make_unique<cGLShaderManager>(*renderer);
        materials = std::make_unique<cMaterialManager>();
        ASSERT_TRUE(textures->LoadTextureCatalogue(kResources, "TextureData.xml"));
        ASSERT_TRUE(LoadMaterialCatalogue(kResources, "MaterialData.xml", *materials, shaders.get()));
        ASSERT_TRUE(meshes->LoadMeshCatalogue(kResources, "MeshData.xml"));
        cModelCatalogue& models = cModelCatalogue::Instance();
        ASSERT_TRUE(models.LoadPrefabs(kResources + "PrefabData.xml"));
        ASSERT_TRUE(models.LoadDecorations(kResources + "decorations.xml"));
        ASSERT_TRUE(models.LoadTiles(kResources + "binaryTiles.xml"));
    }

    void TearDown() override {
        materials.reset();
        shaders.reset();
        meshes.reset();
        textures.reset();
        cAnimationRegistry::Destroy();
        cModelCatalogue::Destroy();
        GLFixture::TearDown();
    }

    // Draws the model from above and in front, as the game camera sees it,
    // framed by its bounding sphere; returns the frame and the box's screen rectangle.
    std::pair<Frame, ScreenRect> Draw(const sModelNames& names) {
        cMesh* mesh = meshes->Find(names.mesh);
        cTextureSet* set = textures->TextureSets().Find(names.texture_set);
        cMaterial* material = materials->Find(names.material);
        EXPECT_TRUE(mesh && set && material) << names.mesh << " " << names.texture_set << " " << names.material;
        if (!(mesh && set && material)) return {};
        const AABB box = mesh->BoundingBox();
        const Vector3 centre = (box.min + box.max) * 0.5f;
        const float radius = Length(box.max - box.min) * 0.5f;
        const float fov = 0.7f;
        const Vector3 eye = centre + Normalise(Vector3{0.3f, 1.0f, -0.8f}) * (radius / std::sin(fov / 2) * 1.1f);
        EXPECT_TRUE(renderer->BeginFrame());
        renderer->Clear(3, kBackground[0], kBackground[1], kBackground[2], 1, 1, 0);
        renderer->SetPerspective(fov, 0.05f, 1000.0f, static_cast<float>(kWidth) / kHeight);
        renderer->LookAt(eye, centre, {0, 1, 0});
        renderer->SetMatrix(MM_World, Matrix4x4::Identity(), 0);
        material->Apply(*renderer);
        // What the scene renderer does per draw: the automatic matrices, and a light to see by.
        iGPUProgram* program = material->Program();
        EXPECT_NE(program, nullptr) << names.material;
        if (program == nullptr) return {};
        program->VertexStage()->UploadMatrices();
        program->PixelStage()->UploadMatrices();
        const float moonlight[4] = {1.0f, 1.0f, 1.0f, 1.0f};
        program->PixelStage()->SetFloat4("gAmbientLight", moonlight);
        set->Bind();
        mesh->Draw(*renderer);
        Frame frame = Capture();
        renderer->EndFrame();
        return {frame, ProjectedRect(box)};
    }

    ScreenRect ProjectedRect(const AABB& box) const {
        Matrix4x4 projection, view;
        renderer->GetMatrix(MM_Projection, projection);
        renderer->GetMatrix(MM_View, view);
        const Matrix4x4 to_clip = projection * view;
        ScreenRect rect{kWidth, kHeight, 0, 0};
        for (int corner = 0; corner < 8; ++corner) {
            const Vector4 p{corner & 1 ? box.max.x : box.min.x, corner & 2 ? box.max.y : box.min.y,
                            corner & 4 ? box.max.z : box.min.z, 1.0f};
            const Vector4 clip = to_clip * p;
            const int32_t x = static_cast<int32_t>((clip.x / clip.w + 1) / 2 * kWidth);
            const int32_t y = static_cast<int32_t>((1 - clip.y / clip.w) / 2 * kHeight);
            rect = {std::min(rect.left, x), std::min(rect.top, y), std::max(rect.right, x), std::max(rect.bottom, y)};
        }
        return rect;
    }

    static bool IsBackground(const Pixel& p) { return p.r > 250 && p.g < 5 && p.b > 250; }

    // Pixels drawn inside the rectangle, and outside it (allowing a pixel of rounding).
    static std::pair<int, int> CountDrawn(const Frame& frame, const ScreenRect& rect) {
        int inside = 0, outside = 0;
        for (int32_t y = 0; y < frame.height; ++y) {
            for (int32_t x = 0; x < frame.width; ++x) {
                if (IsBackground(frame.At(x, y))) continue;
                (rect.Contains(x, y, 2) ? inside : outside) += 1;
            }
        }
        return {inside, outside};
    }

    std::unique_ptr<cGLTextureManager> textures;
    std::unique_ptr<cMeshManager> meshes;
    std::unique_ptr<cGLShaderManager> shaders;
    std::unique_ptr<cMaterialManager> materials;
};

TEST_F(ContentDrawTest, OneModelOfEachKindLandsInsideItsProjectedBoundingBox) {
    const cModelCatalogue& models = cModelCatalogue::Instance();
    const struct {
        const char* kind;
        std::optional<sModelNames> names;
    } cases[] = {
        {"character (MD2): the kid", models.FindPrefab(cModelCatalogue::PrefabId("kid"))},
        {"additive character (MD2): the fairy", models.FindPrefab(cModelCatalogue::PrefabId("Fairy"))},
        {"boss (MD2)", models.FindPrefab(cModelCatalogue::PrefabId("Boss"))},
        {"animated prop (MD2): the spikes", models.FindPrefab(cModelCatalogue::PrefabId("SpikeTrap"))},
        {"item (.X): the candy", models.FindPrefab(cModelCatalogue::PrefabId("Collectable"))},
        {"door (.X)", models.FindPrefab(cModelCatalogue::PrefabId("LockedDoor"))},
        {"decoration (.X): a leafy tree",
         models.FindDecoration("TreeLeafy") ? std::optional(models.FindDecoration("TreeLeafy")->model) : std::nullopt},
        {"floor tile", models.FindTile(1) ? std::optional(models.FindTile(1)->model) : std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        ASSERT_TRUE(c.names.has_value());
        const auto [frame, rect] = Draw(*c.names);
        ASSERT_GT(frame.width, 0);
        const auto [inside, outside] = CountDrawn(frame, rect);
        const int area = std::max(1, (rect.right - rect.left) * (rect.bottom - rect.top));
        EXPECT_GT(inside, area / 20) << "the model covers too little of its box: " << inside << " of " << area;
        EXPECT_EQ(outside, 0) << "pixels outside the box of " << c.names->mesh;
    }
}

}  // namespace
