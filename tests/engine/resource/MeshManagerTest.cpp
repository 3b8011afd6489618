// cMeshManager: loading by extension, sharing by name, the model-file cache,
// procedural meshes, static .X meshes and the "MeshData.xml" catalogue.
#include "engine/resource/cMeshManager.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "engine/render/eDeclType.h"
#include "engine/render/eDeclUsage.h"
#include "engine/render/ePrimitiveType.h"
#include "engine/render/iIndexBuffer.h"
#include "engine/resource/ProceduralMeshes.h"
#include "tests/engine/resource/MeshFixture.h"

namespace Engine {
namespace {

using TestSupport::Md2Description;

class MeshManagerTest : public MeshFixture {
protected:
    void SetUp() override {
        md2.frameNames = {"a1", "a2"};
        WriteBytes("ghost.md2", TestSupport::MakeMd2(md2));
    }

    cMesh* Load(const std::string& name, const std::string& file) {
        return manager.LoadMesh(name, file, Folder(), {}, {}, true, true);
    }
    std::string Folder() const { return dir.Path().string() + "/"; }

    template <typename T>
    static std::vector<T> Indices(const cMesh* mesh) {
        std::vector<T> indices(mesh->IndexBuffer()->GetCount());
        const_cast<iIndexBuffer*>(mesh->IndexBuffer())->Read(indices.data(), 0, uint32_t(indices.size()));
        return indices;
    }

    Md2Description md2;
};

TEST_F(MeshManagerTest, TheExtensionFromTheFirstDotPicksTheLoader) {
    struct Case {
        const char* file;
        bool loads;
    };
    const std::vector<Case> cases{{"ghost.md2", true}, {"tree.X.md2", false}, {"ghost.MD2", false},
                                  {"ghost.x", false},  {"ghost", false},      {"ghost.md2.bak", false}};
    for (const Case& c : cases) {
        cMesh* mesh = Load(std::string("mesh ") + c.file, c.file);
        EXPECT_EQ(mesh != nullptr, c.loads) << c.file;
        EXPECT_EQ(manager.Find(std::string("mesh ") + c.file) != nullptr, c.loads) << c.file;
    }
    EXPECT_TRUE(Logged("Error: mesh mesh tree.X.md2: no loader for the extension \".X.md2\""));
}

TEST_F(MeshManagerTest, ANameAlreadyRegisteredIsSharedWhateverFileIsAsked) {
    cMesh* first = Load("ghost", "ghost.md2");
    cMesh* second = Load("ghost", "other.X");
    EXPECT_EQ(first, second);
    EXPECT_EQ(first->RefCount(), 2);
    EXPECT_EQ(first->Source(), Folder() + "ghost.md2");
    EXPECT_EQ(manager.GetMesh("ghost"), first);
    EXPECT_EQ(first->RefCount(), 3);
    EXPECT_EQ(manager.GetMesh("nobody"), nullptr);
    EXPECT_TRUE(manager.Registry().count("nobody") == 0) << "GetMesh never makes a mesh";
}

TEST_F(MeshManagerTest, MeshesSharingAFileParseItOnce) {
    Load("ghost", "ghost.md2");
    Load("ghost copy", "ghost.md2");
    EXPECT_EQ(manager.ModelParseCount(), 1u);
    ASSERT_NE(manager.CachedModel(Folder() + "ghost.md2"), nullptr);
}

TEST_F(MeshManagerTest, AfterFreeModelDataALoadParsesTheFileAgain) {
    cMesh* built = Load("ghost", "ghost.md2");
    manager.FreeModelData();
    EXPECT_EQ(manager.CachedModelCount(), 0u);
    EXPECT_EQ(built->FramePairs().size(), 2u) << "built buffers stay";
    cMesh* again = Load("ghost again", "ghost.md2");
    EXPECT_EQ(manager.ModelParseCount(), 2u);
    EXPECT_EQ(again->FramePairs().size(), 2u);
    EXPECT_EQ(again->PrimitiveCount(), 2u);
}

TEST_F(MeshManagerTest, AnUnreadableModelGivesARegisteredMeshThatDrawsNothing) {
    WriteBytes("broken.md2", {'I', 'D', 'P', '2'});
    for (const char* file : {"missing.md2", "broken.md2"}) {
        cMesh* mesh = Load(file, file);
        ASSERT_NE(mesh, nullptr) << file;
        EXPECT_EQ(mesh->RefCount(), 1);
        EXPECT_TRUE(mesh->FramePairs().empty());
        mesh->Draw(renderer);
    }
    EXPECT_TRUE(renderer.draws.empty());
    EXPECT_EQ(manager.CachedModelCount(), 0u) << "a refused file is not cached";
    EXPECT_TRUE(Logged("Error: MD2 model " + Folder() + "missing.md2 could not be opened"));
}

TEST_F(MeshManagerTest, ReleasingTheLastUserGivesTheBuffersBack) {
    cMesh* mesh = Load("ghost", "ghost.md2");
    const std::size_t free_loaded = buffers.VertexBuffers().FreeCount();
    manager.Release(mesh);
    EXPECT_EQ(buffers.VertexBuffers().FreeCount(), free_loaded + 3) << "one loop pair and two frame pairs";
    EXPECT_EQ(manager.Find("ghost"), nullptr);
}

// Every face is a square of the cube's side on one of its six planes, with
// texture coordinates 0 to 1, and an index past 5 is logged.
TEST_F(MeshManagerTest, SkyBoxFacesCoverTheSixSidesOfTheCube) {
    std::vector<std::string> planes;
    for (uint32_t face = 0; face < 6; ++face) {
        cMesh* mesh = manager.CreateSkyBoxFace("sky" + std::to_string(face), face, 10.0f);
        ASSERT_EQ(mesh->FramePairs().size(), 1u);
        EXPECT_EQ(mesh->FramePairs()[0]->GetStride(), 20u);
        EXPECT_EQ(mesh->PrimitiveCount(), 2u);
        const std::vector<float> v = Floats(mesh->FramePairs()[0]);
        ASSERT_EQ(v.size(), 20u);
        std::string plane;
        for (int axis = 0; axis < 3; ++axis) {
            if (v[axis] == v[5 + axis] && v[axis] == v[10 + axis] && v[axis] == v[15 + axis])
                plane = {v[axis] > 0 ? '+' : '-', "xyz"[axis]};
        }
        planes.push_back(plane);
        for (int corner = 0; corner < 4; ++corner)
            for (int axis = 0; axis < 3; ++axis) EXPECT_FLOAT_EQ(std::abs(v[corner * 5 + axis]), 10.0f);
    }
    EXPECT_EQ(planes, (std::vector<std::string>{"+x", "-x", "+y", "-y", "+z", "-z"}));
    EXPECT_NE(manager.CreateSkyBoxFace("sky9", 9, 10.0f), nullptr);
    EXPECT_TRUE(Logged("Error: sky box face 9 does not exist"));
}

TEST_F(MeshManagerTest, TheSpriteQuadIsSharedByNameAndKeepsItsFirstSize) {
    cMesh* quad = manager.CreateSpriteQuad("cursor", 4.0f, 2.0f);
    EXPECT_EQ(manager.CreateSpriteQuad("cursor", 100.0f, 100.0f), quad);
    EXPECT_EQ(quad->RefCount(), 2);
    ASSERT_EQ(quad->FramePairs().size(), 1u);
    EXPECT_EQ(quad->FramePairs()[0]->GetStride(), 32u);
    const std::vector<float> v = Floats(quad->FramePairs()[0]);
    const std::vector<float> expected{-2, -1, 0, 0, 0, -1, 0, 0, 2, -1, 0, 0, 0, -1, 1, 0,
                                      2,  1,  0, 0, 0, -1, 1, 1, -2, 1, 0, 0, 0, -1, 0, 1};
    EXPECT_EQ(v, expected);
    EXPECT_EQ(Indices<uint16_t>(quad), (std::vector<uint16_t>{0, 1, 2, 0, 3, 2}));
    EXPECT_EQ(quad->PrimitiveCount(), 2u);
    quad->Draw(renderer);
    ASSERT_EQ(renderer.draws.size(), 1u);
    EXPECT_TRUE(renderer.draws[0].indexed);
    EXPECT_EQ(renderer.draws[0].indexBuffer, quad->IndexBuffer());
    EXPECT_EQ(renderer.draws[0].primitiveCount, 2u);
    EXPECT_EQ(renderer.Bindings().index_buffer, nullptr) << "the index buffer is unbound after the draw";
    EXPECT_EQ(renderer.DrawCallCount(), 1u);
}

TEST_F(MeshManagerTest, TheBillboardQuadSpansTwiceItsHalfExtents) {
    cMesh* quad = manager.CreateBillboardQuad("smoke", 1.0f, 1.0f);
    ASSERT_EQ(quad->FramePairs()[0]->GetStride(), 20u);
    const std::vector<float> v = Floats(quad->FramePairs()[0]);
    const std::vector<float> expected{-1, 1, 0, 0, 0, 1, 1, 0, 1, 0, -1, -1, 0, 0, 1, 1, -1, 0, 1, 1};
    EXPECT_EQ(v, expected);
    EXPECT_EQ(Indices<uint16_t>(quad), (std::vector<uint16_t>{0, 1, 2, 2, 1, 3}));
    EXPECT_EQ(quad->BoundingBox().max, (Vector3{1, 1, 0}));
}

TEST_F(MeshManagerTest, TheLineRunsAlongTheDiagonal) {
    cMesh* line = manager.CreateLineMesh("ray", 4.0f);
    EXPECT_EQ(Floats(line->FramePairs()[0]), (std::vector<float>{-2, -2, -2, 2, 2, 2}));
    EXPECT_EQ(line->PrimitiveType(), PT_LineList);
    EXPECT_EQ(line->PrimitiveCount(), 1u);
}

TEST_F(MeshManagerTest, TheBoxWireframeJoinsItsCornersByTwelveEdges) {
    const AABB box{{-1, 0, -2}, {1, 3, 2}};
    cMesh* mesh = manager.CreateBoxMesh("box", box, ColorRGBA{1.0f, 0.5f, 0.0f, 0.999f});
    iVertexBuffer* vertices = mesh->FramePairs()[0];
    ASSERT_EQ(vertices->GetCount(), 8u);
    ASSERT_EQ(vertices->GetStride(), 16u);
    EXPECT_EQ(vertices->GetDeclaration()->Elements()[1].type, DT_UByte4);
    std::vector<uint8_t> bytes(8 * 16);
    vertices->Read(bytes.data(), 0, 8);
    EXPECT_EQ((std::vector<uint8_t>(bytes.begin() + 12, bytes.begin() + 16)),
              (std::vector<uint8_t>{255, 127, 0, 254})) << "red, green, blue, alpha, times 255, truncated";
    const std::vector<uint16_t> edges = Indices<uint16_t>(mesh);
    ASSERT_EQ(edges.size(), 24u);
    EXPECT_EQ(mesh->PrimitiveCount(), 12u);
    // Every edge joins two corners that differ along exactly one axis.
    std::vector<float> floats(8 * 4);
    vertices->Read(floats.data(), 0, 8);
    for (std::size_t e = 0; e < 24; e += 2) {
        const float* a = &floats[edges[e] * 4];
        const float* b = &floats[edges[e + 1] * 4];
        EXPECT_EQ(int(a[0] != b[0]) + int(a[1] != b[1]) + int(a[2] != b[2]), 1) << e;
    }
    EXPECT_EQ(mesh->BoundingBox().min, box.min);
}

TEST_F(MeshManagerTest, TheSphereWireframeHasItsPointsOnTheRadius) {
    cMesh* mesh = manager.CreateSphereMesh("sphere", Vector4{5, 5, 5, 2.0f}, ColorRGBA{0, 1, 0, 1});
    iVertexBuffer* vertices = mesh->FramePairs()[0];
    ASSERT_EQ(vertices->GetCount(), 2 + kSphereRings * kSphereRingPoints);
    std::vector<float> floats(vertices->GetCount() * 4);
    vertices->Read(floats.data(), 0, vertices->GetCount());
    EXPECT_EQ((Vector3{floats[0], floats[1], floats[2]}), (Vector3{0, 2, 0})) << "the top, centre ignored";
    for (uint32_t i = 0; i < vertices->GetCount(); ++i)
        EXPECT_NEAR(Length(Vector3{floats[i * 4], floats[i * 4 + 1], floats[i * 4 + 2]}), 2.0f, 1e-5f) << i;
    // Ring 1 (k = 1), point 4 (phi = pi/2): (0, r sin(7pi/16), -r cos(7pi/16)).
    const float* p = &floats[(1 + 4) * 4];
    EXPECT_NEAR(p[0], 0.0f, 1e-5f);
    EXPECT_NEAR(p[1], 2.0f * std::sin(7.0f * 3.14159265f / 16.0f), 1e-5f);
    EXPECT_NEAR(p[2], -2.0f * std::cos(7.0f * 3.14159265f / 16.0f), 1e-5f);
    const std::vector<uint16_t> lines = Indices<uint16_t>(mesh);
    EXPECT_EQ(lines.size() % 2, 0u);
    for (uint16_t index : lines) EXPECT_LT(index, vertices->GetCount());
    EXPECT_EQ(mesh->PrimitiveCount(), lines.size() / 2);
}

TEST_F(MeshManagerTest, PrimitiveCountDividesTheElementsByTheTypesShare) {
    // The line mesh has 2 indices; the sprite quad 6 indices over 4 vertices.
    cMesh* line = manager.CreateLineMesh("line", 1.0f);
    cMesh* quad = manager.CreateSpriteQuad("quad", 1.0f, 1.0f);
    const std::vector<std::tuple<int32_t, uint32_t, uint32_t>> cases{
        {PT_TriangleList, 0, 2}, {PT_LineList, 1, 3}, {PT_TriangleStrip, 2, 6}, {PT_PointList, 2, 6},
        {PT_LineStrip, 2, 6}};
    for (const auto& [type, line_count, quad_count] : cases) {
        line->SetPrimitiveType(type);
        quad->SetPrimitiveType(type);
        EXPECT_EQ(line->PrimitiveCount(), line_count) << type;
        EXPECT_EQ(quad->PrimitiveCount(), quad_count) << type << ": the index count, not the vertex count";
    }
}

// A cube corner and two triangles in text .X form, with an identity frame.
const char* const kTextX = R"(xof 0303txt 0032
Frame Box {
  FrameTransformMatrix {
    1.0, 0.0, 0.0, 0.0,
    0.0, 1.0, 0.0, 0.0,
    0.0, 0.0, 1.0, 0.0,
    0.0, 0.0, 0.0, 1.0;;
  }
  Mesh {
    4;
    1.0; 2.0; 3.0;,
    -1.0; 2.0; 3.0;,
    -1.0; -2.0; 3.0;,
    1.0; -2.0; 3.5;;
    2;
    3;0,1,2;,
    3;0,2,3;;
    MeshNormals {
      1;
      0.0; 0.0; -1.0;;
      2;
      3;0,0,0;,
      3;0,0,0;;
    }
    MeshTextureCoords {
      4;
      0.0; 0.0;,
      1.0; 0.0;,
      1.0; 1.0;,
      0.0; 1.0;;
    }
  }
}
)";

TEST_F(MeshManagerTest, ATextXFileLoadsWithItsPositionsTimesTheScale) {
    dir.Write("box.X", kTextX);
    manager.SetGlobalScale(2.0f);
    cMesh* mesh = Load("box", "box.X");
    ASSERT_NE(mesh, nullptr);
    ASSERT_EQ(mesh->FramePairs().size(), 1u) << EngineLog();
    EXPECT_EQ(mesh->PrimitiveCount(), 2u);
    iVertexBuffer* vertices = mesh->FramePairs()[0];
    ASSERT_EQ(vertices->GetStride(), 32u);
    const std::vector<float> floats = Floats(vertices);
    std::vector<Vector3> positions;
    for (uint32_t i = 0; i < vertices->GetCount(); ++i)
        positions.push_back({floats[i * 8], floats[i * 8 + 1], floats[i * 8 + 2]});
    // Each triangle's corners, in order, are the written corners times 2.
    const std::vector<Vector3> written{{1, 2, 3}, {-1, 2, 3}, {-1, -2, 3}, {1, 2, 3}, {-1, -2, 3}, {1, -2, 3.5f}};
    const std::vector<uint16_t> indices = Indices<uint16_t>(mesh);
    ASSERT_EQ(indices.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(positions[indices[i]], written[i] * 2.0f) << i;
    EXPECT_EQ(mesh->BoundingBox().max, (Vector3{2, 4, 7}));
    mesh->Draw(renderer);
    ASSERT_EQ(renderer.draws.size(), 1u);
    EXPECT_TRUE(renderer.draws[0].indexed);
    EXPECT_EQ(renderer.DrawCallCount(), 1u);
}

TEST_F(MeshManagerTest, AStaticMeshGoesBackToItsOwnPool) {
    dir.Write("box.X", kTextX);
    cMesh* mesh = Load("box", "box.X");
    ASSERT_NE(dynamic_cast<cStaticMesh*>(mesh), nullptr);
    const std::size_t free_meshes = manager.PoolOf().FreeCount();
    manager.Release(mesh);
    EXPECT_EQ(manager.PoolOf().FreeCount(), free_meshes) << "not queued among the plain meshes";
    cMesh* again = Load("box again", "box.X");
    EXPECT_NE(dynamic_cast<cStaticMesh*>(again), nullptr);
}

TEST_F(MeshManagerTest, AnUnreadableXFileGivesAMeshThatDrawsNothing) {
    dir.Write("bad.X", "xof 0303txt 0032\nMesh { 3; garbage");
    cMesh* mesh = Load("bad", "bad.X");
    ASSERT_NE(mesh, nullptr);
    EXPECT_TRUE(mesh->FramePairs().empty());
    EXPECT_TRUE(Logged("Error: mesh file " + Folder() + "bad.X could not be read"));
}

}  // namespace
}  // namespace Engine
