// The "MeshData.xml" catalogue: global and per-mesh scale, enforced bounds,
// defaults, and a missing catalogue.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/resource/cMeshManager.h"
#include "tests/engine/resource/MeshFixture.h"

namespace Engine {
namespace {

class MeshCatalogueTest : public MeshFixture {
protected:
    void SetUp() override {
        TestSupport::Md2Description md2;
        md2.vertexCount = 3;
        md2.triangleCount = 1;
        md2.frameNames = {"a1", "a2"};
        std::filesystem::create_directories(dir.Path() / "models");
        WriteBytes("models/ghost.md2", TestSupport::MakeMd2(md2));
    }

    // Loads a catalogue of the given body (inside the root) from the test folder.
    bool LoadCatalogue(const std::string& body) {
        dir.Write("MeshData.xml", "<MeshData>\n" + body + "</MeshData>\n");
        return manager.LoadMeshCatalogue(dir.Path().string() + "/", "MeshData.xml");
    }

    // A Mesh element for the ghost model, with extra attributes and children.
    std::string GhostMesh(const std::string& name, const std::string& attributes = "",
                          const std::string& children = "") const {
        return "<Mesh name=\"" + name + "\" " + attributes + "><MeshFile filename=\"ghost.md2\" path=\"" +
               dir.Path().string() + "/models/\"/>" + children + "</Mesh>\n";
    }

    // The ghost's frame 0 reaches (2, 6, 0) at scale 1: vertex 2 is (2, 4, 6) in the file.
    static Vector3 GhostMax(float scale) { return Vector3{2, 6, 0} * scale; }
};

TEST_F(MeshCatalogueTest, AMeshWithItsOwnScaleLeavesTheOthersAtTheGlobalScale) {
    ASSERT_TRUE(LoadCatalogue("<GlobalScale val=\"0.5\"/>\n" + GhostMesh("before") + GhostMesh("big", "scale=\"2\"") +
                              GhostMesh("after") + GhostMesh("zero", "scale=\"0\"")));
    EXPECT_EQ(manager.Find("before")->BoundingBox().max, GhostMax(0.5f));
    EXPECT_EQ(manager.Find("big")->BoundingBox().max, GhostMax(2.0f));
    EXPECT_EQ(manager.Find("after")->BoundingBox().max, GhostMax(0.5f));
    EXPECT_EQ(manager.Find("zero")->BoundingBox().max, GhostMax(0.5f)) << "scale 0 means none of its own";
    EXPECT_EQ(manager.GlobalScale(), 0.5f);
    EXPECT_EQ(manager.Scale(), 0.5f);
    EXPECT_EQ(manager.Find("big")->RefCount(), 1) << "the catalogue's own reference";
}

TEST_F(MeshCatalogueTest, EnforcedBoundsReplaceTheComputedOnes) {
    ASSERT_TRUE(LoadCatalogue(
        GhostMesh("boxed", "", "<EnforcedAABB minx=\"-1\" miny=\"-2\" minz=\"-3\" maxx=\"1\" maxy=\"2\"/>") +
        GhostMesh("round", "", "<EnforcedSphere x=\"1\" y=\"2\" z=\"3\" radius=\"4\"/>")));
    const cMesh* boxed = manager.Find("boxed");
    EXPECT_EQ(boxed->BoundingBox().min, (Vector3{-1, -2, -3}));
    EXPECT_EQ(boxed->BoundingBox().max, (Vector3{1, 2, 0})) << "maxz missing: 0";
    EXPECT_NE(boxed->BoundingSphere(), (Vector4{0, 0, 0, 1})) << "the sphere is still computed";
    const cMesh* round = manager.Find("round");
    EXPECT_EQ(round->BoundingSphere(), (Vector4{1, 2, 3, 4}));
    EXPECT_EQ(round->BoundingBox().max, GhostMax(1.0f)) << "no GlobalScale: 1";
}

TEST_F(MeshCatalogueTest, MissingAttributesTakeTheirDefaults) {
    ASSERT_TRUE(LoadCatalogue("<Mesh/>\n<Mesh name=\"plant\"><MeshFile filename=\"plant.txt\"/></Mesh>\n"));
    const cMesh* unnamed = manager.Find("noMeshName");
    ASSERT_NE(unnamed, nullptr) << "no name: noMeshName, loading nomesh.md2";
    EXPECT_EQ(unnamed->Source(), "nomesh.md2");
    EXPECT_TRUE(unnamed->FramePairs().empty());
    EXPECT_EQ(manager.Find("plant"), nullptr) << "no loader for .txt";
    EXPECT_EQ(manager.Registry().size(), 1u);
}

TEST_F(MeshCatalogueTest, AMissingOrMalformedCatalogueLoadsNothing) {
    EXPECT_FALSE(manager.LoadMeshCatalogue(dir.Path().string() + "/", "absent.xml"));
    dir.Write("broken.xml", "<MeshData><Mesh name=\"x\"");
    EXPECT_FALSE(manager.LoadMeshCatalogue(dir.Path().string() + "/", "broken.xml"));
    EXPECT_TRUE(manager.Registry().empty());
    EXPECT_TRUE(Logged("Error: mesh catalogue " + dir.Path().string() + "/absent.xml could not be opened"));
}

TEST_F(MeshCatalogueTest, TheSameNameTwiceIsOneMeshWithTwoUsers) {
    ASSERT_TRUE(LoadCatalogue(GhostMesh("ghost") + GhostMesh("ghost", "scale=\"3\"")));
    EXPECT_EQ(manager.Find("ghost")->RefCount(), 2);
    EXPECT_EQ(manager.Find("ghost")->BoundingBox().max, GhostMax(1.0f));
    EXPECT_EQ(manager.Scale(), 1.0f);
}

}  // namespace
}  // namespace Engine
