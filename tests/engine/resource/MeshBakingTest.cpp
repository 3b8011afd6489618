// Baked meshes: copies of a source mesh placed by matrices into one static
// mesh, from indexed and unindexed sources, and the sources that are refused.

#include "engine/resource/MeshBaking.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/render/eDeclUsage.h"
#include "engine/render/ePrimitiveType.h"
#include "engine/render/iIndexBuffer.h"
#include "tests/engine/resource/MeshFixture.h"

namespace Engine {
namespace {

class MeshBakingTest : public MeshFixture {
protected:
    struct Vertex {
        Vector3 position;
        Vector3 normal;
        float u, v;
    };

    static std::vector<Vertex> Vertices(cMesh* mesh) {
        iVertexBuffer* buffer = mesh->FramePairs().at(0);
        std::vector<Vertex> vertices(buffer->GetCount());
        buffer->Read(vertices.data(), 0, buffer->GetCount());
        return vertices;
    }

    static std::vector<uint32_t> Indices(cMesh* mesh) {
        iIndexBuffer* buffer = mesh->IndexBuffer();
        std::vector<uint32_t> wide(buffer->GetCount());
        if (buffer->GetIndexSize() == 4) {
            buffer->Read(wide.data(), 0, buffer->GetCount());
            return wide;
        }
        std::vector<uint16_t> narrow(buffer->GetCount());
        buffer->Read(narrow.data(), 0, buffer->GetCount());
        return {narrow.begin(), narrow.end()};
    }

    // The corner positions of the mesh's triangles, in draw order.
    static std::vector<Vector3> Corners(cMesh* mesh) {
        const std::vector<Vertex> vertices = Vertices(mesh);
        std::vector<Vector3> corners;
        for (uint32_t index : Indices(mesh)) corners.push_back(vertices.at(index).position);
        return corners;
    }
};

TEST_F(MeshBakingTest, EachPlacementAddsAMovedCopyOfTheTriangles) {
    cMesh* quad = manager.CreateSpriteQuad("quad", 2.0f, 2.0f);
    const std::vector<Matrix4x4> placements{Matrix4x4::Translation({10, 0, 0}),
                                            Matrix4x4::Translation({0, 0, 5}) * Matrix4x4::Scaling({2, 2, 2})};
    cMesh* baked = manager.CreateBakedMesh("twoQuads", *quad, placements);
    ASSERT_NE(baked, nullptr);
    EXPECT_EQ(manager.Find("twoQuads"), baked);
    EXPECT_EQ(baked->PrimitiveType(), PT_TriangleList);
    EXPECT_EQ(baked->PrimitiveCount(), 4u);
    EXPECT_EQ(baked->FramePairs().at(0)->GetStride(), 32u);

    const std::vector<Vector3> source{{-1, -1, 0}, {1, -1, 0}, {1, 1, 0}, {-1, -1, 0}, {-1, 1, 0}, {1, 1, 0}};
    std::vector<Vector3> expected;
    for (const Vector3& p : source) expected.push_back(p + Vector3{10, 0, 0});
    for (const Vector3& p : source) expected.push_back(p * 2.0f + Vector3{0, 0, 5});
    EXPECT_EQ(Corners(baked), expected);
    EXPECT_EQ(baked->BoundingBox().min, (Vector3{-2, -2, 0}));
    EXPECT_EQ(baked->BoundingBox().max, (Vector3{11, 2, 5}));

    // Texture coordinates are copied and normals stay unit length under scale.
    const std::vector<Vertex> vertices = Vertices(baked);
    ASSERT_EQ(vertices.size(), 8u);
    EXPECT_EQ(vertices[6].u, 1.0f);
    EXPECT_EQ(vertices[6].v, 1.0f);
    EXPECT_EQ(vertices[6].normal, (Vector3{0, 0, -1}));
}

TEST_F(MeshBakingTest, NormalsTurnWithThePlacement) {
    cMesh* quad = manager.CreateSpriteQuad("quad", 2.0f, 2.0f);
    // A quarter turn about y takes the quad's normal (0, 0, -1) to (-1, 0, 0).
    cMesh* baked = manager.CreateBakedMesh("turned", *quad, {Matrix4x4::RotationY(1.5707964f)});
    ASSERT_NE(baked, nullptr);
    for (const Vertex& vertex : Vertices(baked)) {
        EXPECT_NEAR(vertex.normal.x, -1.0f, 1e-5f);
        EXPECT_NEAR(vertex.normal.z, 0.0f, 1e-5f);
    }
}

TEST_F(MeshBakingTest, AMirroredCopyTurnsItsTrianglesSoTheyStillFaceOut) {
    cMesh* quad = manager.CreateSpriteQuad("quad", 2.0f, 2.0f);
    cMesh* baked = manager.CreateBakedMesh("mirrored", *quad, {Matrix4x4::Identity(), Matrix4x4::Scaling({-1, 1, 1})});
    ASSERT_NE(baked, nullptr);
    EXPECT_EQ(Indices(baked), (std::vector<uint32_t>{0, 1, 2, 0, 3, 2, 4, 6, 5, 4, 6, 7}));
}

TEST_F(MeshBakingTest, AnUnindexedKeyframedSourceIsBakedFromItsFirstFrame) {
    TestSupport::Md2Description description;
    description.frameNames = {"walk1", "walk2"};
    cMesh* ghost = LoadMd2("ghost", description);
    ASSERT_FALSE(ghost->FramePairs().empty());
    ASSERT_EQ(ghost->IndexBuffer(), nullptr);
    std::vector<Vector3> first_frame(ghost->FramePairs()[0]->GetCount());
    ghost->FramePairs()[0]->ReadElement(DU_Position, 0, first_frame.data(), 0, uint32_t(first_frame.size()));

    const std::vector<Matrix4x4> placements{Matrix4x4::Identity(), Matrix4x4::Translation({0, 3, 0})};
    cMesh* baked = manager.CreateBakedMesh("ghosts", *ghost, placements);
    ASSERT_NE(baked, nullptr);
    const std::vector<Vector3> corners = Corners(baked);
    ASSERT_EQ(corners.size(), first_frame.size() * 2);
    for (std::size_t i = 0; i < first_frame.size(); ++i) {
        EXPECT_EQ(corners[i], first_frame[i]) << i;
        EXPECT_EQ(corners[i + first_frame.size()], (first_frame[i] + Vector3{0, 3, 0})) << i;
    }
}

TEST_F(MeshBakingTest, ManyCopiesSwitchToWideIndices) {
    cMesh* quad = manager.CreateSpriteQuad("quad", 1.0f, 1.0f);
    // 4 vertices a copy: 16385 copies pass the 65535 a 16-bit index can reach.
    const std::vector<Matrix4x4> placements(16385, Matrix4x4::Identity());
    cMesh* baked = manager.CreateBakedMesh("crowd", *quad, placements);
    ASSERT_NE(baked->IndexBuffer(), nullptr);
    EXPECT_EQ(baked->IndexBuffer()->GetIndexSize(), 4u);
    EXPECT_EQ(Indices(baked).back(), 16385u * 4u - 2u);
}

TEST_F(MeshBakingTest, SourcesWithoutTrianglesAndEmptyPlacementsBakeNothing) {
    cMesh* line = manager.CreateLineMesh("line", 1.0f);
    cMesh* quad = manager.CreateSpriteQuad("quad", 1.0f, 1.0f);
    cMesh* empty = manager.LoadMesh("missing", "missing.md2", dir.Path().string() + "/", {}, {}, true, true);
    struct Case {
        cMesh* source;
        std::vector<Matrix4x4> placements;
        const char* name;
    };
    const std::vector<Case> cases{{line, {Matrix4x4::Identity()}, "fromLine"},
                                  {quad, {}, "fromNothing"},
                                  {empty, {Matrix4x4::Identity()}, "fromEmpty"}};
    for (const Case& c : cases) {
        cMesh* baked = manager.CreateBakedMesh(c.name, *c.source, c.placements);
        ASSERT_NE(baked, nullptr) << c.name << ": still registered, drawing nothing";
        EXPECT_TRUE(baked->FramePairs().empty()) << c.name;
        EXPECT_TRUE(Logged(std::string("Error: mesh ") + c.name + " cannot be baked")) << c.name;
    }
}

}  // namespace
}  // namespace Engine
