// MD2 meshes: keyframe-pair buffers, their layout and content, bounds,
// drawing through the renderer and unloading.
#include "engine/resource/cMesh.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/render/eDeclType.h"
#include "engine/render/eDeclUsage.h"
#include "engine/render/ePrimitiveType.h"
#include "engine/render/cVertexDeclaration.h"
#include "engine/resource/Md2MeshBuilder.h"
#include "engine/resource/Md2Normals.h"
#include "tests/engine/resource/MeshFixture.h"

namespace Engine {
namespace {

using TestSupport::Md2Description;
using TestSupport::NumberedFrames;

constexpr uint32_t kFloatsPerVertex = kMd2VertexStride / sizeof(float);

// Where the writer puts vertex v of frame f, in engine axes, before the mesh scale.
Vector3 WrittenPosition(uint32_t v, uint32_t f, float frame_scale = 1.0f, float translate = 0.0f) {
    const float x = float(uint8_t(v + f)) * frame_scale + translate;
    const float y = float(uint8_t(2 * v + f)) * frame_scale + translate;
    const float z = float(uint8_t(3 * v + f)) * frame_scale + translate;
    return {x, z, -y};
}

// Table entry n turned into engine axes, as positions are.
Vector3 TurnedNormal(uint32_t n) {
    const Vector3 table = Md2Normal(n);
    return {table.x, table.z, -table.y};
}

Vector3 At(const std::vector<float>& floats, uint32_t vertex, uint32_t offset) {
    const float* p = &floats[vertex * kFloatsPerVertex + offset];
    return {p[0], p[1], p[2]};
}

class MeshTest : public MeshFixture {
protected:
    // The frames a pair buffer holds, read back from corner 0 (vertex 0 of triangle 0).
    std::pair<uint32_t, uint32_t> FramesOf(iVertexBuffer* buffer, uint32_t frame_count) {
        const std::vector<float> floats = Floats(buffer);
        auto frame_of = [&](uint32_t offset) {
            for (uint32_t f = 0; f < frame_count; ++f)
                if (At(floats, 0, offset) == WrittenPosition(0, f)) return f;
            return 999u;
        };
        return {frame_of(0), frame_of(8)};
    }
};

TEST_F(MeshTest, RunAndJumpGiveLoopPairsInNameOrderThenFramePairsAndTheWrap) {
    Md2Description d;
    d.frameNames = NumberedFrames("run", 6);
    for (const std::string& name : NumberedFrames("jump", 3)) d.frameNames.push_back(name);
    cMesh* mesh = LoadMd2("kid", d);
    ASSERT_NE(mesh, nullptr);
    ASSERT_EQ(mesh->LoopPairs().size(), 2u);
    EXPECT_EQ(FramesOf(mesh->LoopPairs()[0], 9), (std::pair<uint32_t, uint32_t>{8, 6})) << "jump";
    EXPECT_EQ(FramesOf(mesh->LoopPairs()[1], 9), (std::pair<uint32_t, uint32_t>{5, 0})) << "run";
    ASSERT_EQ(mesh->FramePairs().size(), 9u);
    for (uint32_t i = 0; i < 9; ++i)
        EXPECT_EQ(FramesOf(mesh->FramePairs()[i], 9), (std::pair<uint32_t, uint32_t>{i, (i + 1) % 9})) << i;
    EXPECT_EQ(mesh->Animations().at("jump").first, 6u);
}

TEST_F(MeshTest, AOneFrameFileGetsOnePairOfThatFrameTwice) {
    Md2Description d;
    d.frameNames = {"tree"};
    cMesh* mesh = LoadMd2("tree", d);
    ASSERT_EQ(mesh->FramePairs().size(), 1u);
    EXPECT_TRUE(mesh->LoopPairs().empty());
    EXPECT_EQ(FramesOf(mesh->FramePairs()[0], 1), (std::pair<uint32_t, uint32_t>{0, 0}));
}

TEST_F(MeshTest, AnAnimationOfTheFinalFrameAloneLoopsBackThroughFrameZero) {
    Md2Description d;
    d.frameNames = {"walk1", "walk2", "dead"};
    cMesh* mesh = LoadMd2("kid", d);
    // "dead" is (2, 3): its loop pair blends frame 2 into frame 0, as the wrap pair does.
    ASSERT_EQ(mesh->LoopPairs().size(), 2u);
    EXPECT_EQ(FramesOf(mesh->LoopPairs()[0], 3), (std::pair<uint32_t, uint32_t>{0, 2})) << "dead: (3 -> 0, 2)";
}

TEST_F(MeshTest, VerticesHoldBothFramesInTheFiftySixByteLayout) {
    Md2Description d;
    d.vertexCount = 6;
    d.triangleCount = 2;
    d.frameNames = {"a1", "a2"};
    d.frameScale = 0.5f;
    d.frameTranslate = -3.0f;
    manager.SetGlobalScale(2.0f);
    cMesh* mesh = LoadMd2("m", d);
    iVertexBuffer* pair = mesh->FramePairs()[0];
    ASSERT_EQ(pair->GetStride(), 56u);
    ASSERT_EQ(pair->GetCount(), 6u);
    const std::vector<VertexElement> expected{{DU_Position, DT_Float3, 0}, {DU_Normal, DT_Float3, 0},
                                              {DU_TexCoord, DT_Float2, 0}, {DU_Position, DT_Float3, 1},
                                              {DU_Normal, DT_Float3, 1}};
    const std::vector<VertexElement>& elements = pair->GetDeclaration()->Elements();
    ASSERT_EQ(elements.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(elements[i].usage, expected[i].usage) << i;
        EXPECT_EQ(elements[i].type, expected[i].type) << i;
        EXPECT_EQ(elements[i].usage_index, expected[i].usage_index) << i;
    }
    const std::vector<float> floats = Floats(pair);
    // Corner 4 is triangle 1's second corner: vertex (1 + 1) mod 6 = 2, texture coordinate 2.
    const uint32_t corner = 4, vertex = 2;
    EXPECT_EQ(At(floats, corner, 0), WrittenPosition(vertex, 0, 0.5f, -3.0f) * 2.0f);
    EXPECT_EQ(At(floats, corner, 3), TurnedNormal(vertex % 162));
    EXPECT_FLOAT_EQ(floats[corner * kFloatsPerVertex + 6], 4.0f / 64.0f);
    EXPECT_FLOAT_EQ(floats[corner * kFloatsPerVertex + 7], 6.0f / 32.0f);
    EXPECT_EQ(At(floats, corner, 8), WrittenPosition(vertex, 1, 0.5f, -3.0f) * 2.0f);
    EXPECT_EQ(At(floats, corner, 11), TurnedNormal(vertex + 1));
}

TEST_F(MeshTest, NormalsTurnWithTheModelSoThatUpStaysUp) {
    // Vertex v of frame 0 has table entry v; triangle t starts at vertex t, so corner 3v shows vertex v.
    Md2Description d;
    d.vertexCount = 60;
    d.triangleCount = 60;
    d.frameNames = {"a1", "a2"};
    const std::vector<float> floats = Floats(LoadMd2("m", d)->FramePairs()[0]);
    const struct {
        uint32_t entry;
        Vector3 engine_normal;
        const char* label;
    } cases[] = {{5, {0, 1, 0}, "the file's +z is the engine's up"},
                 {52, {1, 0, 0}, "+x stays +x"},
                 {32, {0, 0, -1}, "the file's +y faces the engine's -z"}};
    for (const auto& c : cases) EXPECT_EQ(At(floats, 3 * c.entry, 3), c.engine_normal) << c.label;
}

TEST_F(MeshTest, PrimitiveCountOfAHundredTrianglesIsAHundred) {
    Md2Description d;
    d.vertexCount = 30;
    d.triangleCount = 100;
    d.frameNames = {"a1", "a2"};
    cMesh* mesh = LoadMd2("m", d);
    EXPECT_EQ(mesh->PrimitiveType(), PT_TriangleList);
    EXPECT_EQ(mesh->PrimitiveCount(), 100u);
    EXPECT_EQ(mesh->FramePairs()[0]->GetCount(), 300u);
}

TEST_F(MeshTest, BoundsComeFromFrameZeroUnlessTheCatalogueGivesThem) {
    Md2Description d;
    d.vertexCount = 3;
    d.triangleCount = 1;
    d.frameNames = {"a1", "a2"};
    cMesh* computed = LoadMd2("m", d);
    std::vector<Vector3> frame0{WrittenPosition(0, 0), WrittenPosition(1, 0), WrittenPosition(2, 0)};
    EXPECT_EQ(computed->BoundingBox().min, BoundingBoxOf(frame0).min);
    EXPECT_EQ(computed->BoundingBox().max, BoundingBoxOf(frame0).max);
    EXPECT_EQ(computed->BoundingSphere(), BoundingSphereOf(frame0));
    EXPECT_EQ(computed->BoundingBox().max, (Vector3{2, 6, 0})) << "vertex 2 of frame 0 is (2, 4, 6) in the file";

    const Vector4 sphere{1, 2, 3, 4};
    const AABB box{{-1, -1, -1}, {1, 1, 1}};
    cMesh* given = manager.LoadMesh("given", "m.md2", dir.Path().string() + "/", sphere, box, false, false);
    EXPECT_EQ(given->BoundingSphere(), sphere);
    EXPECT_EQ(given->BoundingBox().max, box.max);
}

TEST_F(MeshTest, DrawBindsTheChosenPairAndDrawsEveryTriangle) {
    Md2Description d;
    d.frameNames = {"run1", "run2", "run3", "jump1", "jump2"};
    cMesh* mesh = LoadMd2("m", d);
    mesh->SetPairIndex(2);
    mesh->Draw(renderer);
    mesh->SetUseLoopPair(true);
    mesh->SetPairIndex(1);
    mesh->Draw(renderer);
    ASSERT_EQ(renderer.draws.size(), 2u);
    EXPECT_EQ(renderer.draws[0].vertexBuffer, mesh->FramePairs()[2]);
    EXPECT_EQ(renderer.draws[1].vertexBuffer, mesh->LoopPairs()[1]);
    for (const DrawRecord& draw : renderer.draws) {
        EXPECT_FALSE(draw.indexed);
        EXPECT_EQ(draw.primitiveType, PT_TriangleList);
        EXPECT_EQ(draw.start, 0u);
        EXPECT_EQ(draw.primitiveCount, 2u);
    }
    EXPECT_EQ(renderer.DrawCallCount(), 2u) << "both draws fit the bound buffer";
}

TEST_F(MeshTest, APairThatDoesNotExistOrAnEmptyMeshDrawsNothing) {
    Md2Description d;
    d.frameNames = {"a1", "a2"};
    cMesh* mesh = LoadMd2("m", d);
    mesh->SetPairIndex(2);
    mesh->Draw(renderer);
    mesh->SetPairIndex(0);
    mesh->SetUseLoopPair(true);
    mesh->SetPairIndex(1);
    mesh->Draw(renderer);
    cMesh empty;
    empty.Draw(renderer);
    EXPECT_TRUE(renderer.draws.empty());
}

TEST_F(MeshTest, UnloadGivesEveryBufferBackAndResetsTheBounds) {
    Md2Description d;
    d.frameNames = {"a1", "a2", "b1"};
    cMesh* mesh = LoadMd2("m", d);
    const std::size_t free_loaded = buffers.VertexBuffers().FreeCount();
    mesh->Unload();
    EXPECT_EQ(buffers.VertexBuffers().FreeCount(), free_loaded + 5) << "2 loop pairs and 3 frame pairs";
    EXPECT_TRUE(mesh->FramePairs().empty() && mesh->LoopPairs().empty());
    EXPECT_EQ(mesh->BoundingSphere(), (Vector4{0, 0, 0, 1}));
    EXPECT_EQ(mesh->BoundingBox().max, Vector3{});
    EXPECT_TRUE(mesh->Name().empty() && mesh->Source().empty());
    EXPECT_TRUE(mesh->Animations().empty());
}

}  // namespace
}  // namespace Engine
