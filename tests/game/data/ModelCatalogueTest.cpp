// The model catalogue: which model each prefab, decoration, floor tile and
// billboard shows, read from its four catalogue files.

#include <gtest/gtest.h>

#include <string>

#include "engine/core/cLog.h"
#include "game/data/cModelCatalogue.h"
#include "tests/support/TempDir.h"

namespace {

using Game::cModelCatalogue;

class ModelCatalogueTest : public ::testing::Test {
protected:
    void SetUp() override { cModelCatalogue::Destroy(); }
    void TearDown() override {
        cModelCatalogue::Destroy();
        Engine::cLog::Destroy();
    }

    std::string Write(const std::string& name, const std::string& body) { return dir.Write(name, body); }

    static std::string Entry(const std::string& element, const std::string& attributes, const std::string& mesh) {
        std::string xml;
        xml.append("<").append(element).append(" ").append(attributes).append("><meshData meshName=\"");
        xml.append(mesh).append("\" TextureSetName=\"").append(mesh).append("TS\" materialName=\"StandardMat\"/></");
        return xml.append(element).append(">");
    }

    static cModelCatalogue& Catalogue() { return cModelCatalogue::Instance(); }
    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory cwd{dir.Path()};
};

TEST_F(ModelCatalogueTest, PrefabTextsBecomeModelIdentifiers) {
    const struct {
        const char* text;
        int32_t id;
    } cases[] = {{"kid", 3}, {"Fairy", 8}, {"KidKey", 4}, {"Hammer", 54}, {"Swat", 52}, {"DragEnemy", 29},
                 {"fairy", 61}, {"Kid ", 61}, {"", 61}};
    for (const auto& c : cases) EXPECT_EQ(cModelCatalogue::PrefabId(c.text), c.id) << '"' << c.text << '"';
}

TEST_F(ModelCatalogueTest, APrefabIsFoundByItsIdentifierWithItsThreeNames) {
    ASSERT_TRUE(Catalogue().LoadPrefabs(Write("PrefabData.xml", "<Prefabs>" + Entry("Prefab", "id=\"Fairy\"", "FairyMesh") +
                                                                   Entry("Prefab", "id=\"Mystery\"", "OddMesh") +
                                                                   "</Prefabs>")));
    const auto fairy = Catalogue().FindPrefab(8);
    ASSERT_TRUE(fairy.has_value());
    EXPECT_EQ(fairy->mesh, "FairyMesh");
    EXPECT_EQ(fairy->texture_set, "FairyMeshTS");
    EXPECT_EQ(fairy->material, "StandardMat");
    EXPECT_TRUE(Catalogue().FindPrefab(61).has_value()) << "an unknown text fills the unknown id";
    EXPECT_FALSE(Catalogue().FindPrefab(3).has_value());
}

TEST_F(ModelCatalogueTest, MissingNamesTakeTheirDefaults) {
    ASSERT_TRUE(Catalogue().LoadPrefabs(Write("PrefabData.xml", "<Prefabs><Prefab id=\"kid\"/></Prefabs>")));
    const auto kid = Catalogue().FindPrefab(3);
    ASSERT_TRUE(kid.has_value());
    EXPECT_EQ(kid->mesh, "nomesh.md2");
    EXPECT_EQ(kid->texture_set, "default.tga");
    EXPECT_EQ(kid->material, "nomesh.md2");

    ASSERT_TRUE(Catalogue().LoadBillboards(Write("billboards.xml", "<B><Billboard name=\"Glow\"/></B>")));
    const auto glow = Catalogue().FindBillboard("Glow");
    ASSERT_TRUE(glow.has_value());
    EXPECT_EQ(glow->texture_set, "default.tga");
    EXPECT_EQ(glow->material, "");
    EXPECT_FLOAT_EQ(glow->width, 1.0f);
    EXPECT_FLOAT_EQ(glow->height, 1.0f);
}

TEST_F(ModelCatalogueTest, TheFirstEntryOfAKeyWins) {
    ASSERT_TRUE(Catalogue().LoadDecorations(
        Write("decorations.xml", "<D>" + Entry("decoration", "id=\"Rock\" collision=\"true\"", "RockMesh") +
                                     Entry("decoration", "id=\"Rock\" collision=\"false\"", "OtherMesh") + "</D>")));
    const auto rock = Catalogue().FindDecoration("Rock");
    ASSERT_TRUE(rock.has_value());
    EXPECT_EQ(rock->model.mesh, "RockMesh");
    EXPECT_TRUE(rock->solid);
    EXPECT_EQ(Catalogue().Decorations().size(), 1u);
}

TEST_F(ModelCatalogueTest, TilesAreKeyedByIndexAndTwoUnitsWideUnlessTheFileSaysOtherwise) {
    ASSERT_TRUE(Catalogue().LoadTiles(Write("binaryTiles.xml", "<BinaryTileRoot>" +
                                                                 Entry("BinaryTile", "index=\"2\" name=\"Path\"", "cubeMesh") +
                                                                 Entry("BinaryTile", "name=\"First\"", "cubeMesh") +
                                                                 "</BinaryTileRoot>")));
    EXPECT_EQ(Catalogue().TileSize(), 2);
    ASSERT_TRUE(Catalogue().FindTile(2).has_value());
    EXPECT_EQ(Catalogue().FindTile(2)->name, "Path");
    ASSERT_TRUE(Catalogue().FindTile(1).has_value()) << "a tile without an index is tile 1";
    EXPECT_EQ(Catalogue().FindTile(1)->name, "First");

    cModelCatalogue::Destroy();
    ASSERT_TRUE(Catalogue().LoadTiles(Write("wide.xml", "<BinaryTileRoot tileSize=\"4\"/>")));
    EXPECT_EQ(Catalogue().TileSize(), 4);
}

TEST_F(ModelCatalogueTest, AMissingFileLeavesItsTableEmpty) {
    EXPECT_FALSE(Catalogue().LoadPrefabs(dir.File("absent.xml")));
    EXPECT_FALSE(Catalogue().LoadDecorations(dir.File("absent.xml")));
    EXPECT_FALSE(Catalogue().LoadTiles(dir.File("absent.xml")));
    EXPECT_FALSE(Catalogue().LoadBillboards(dir.File("absent.xml")));
    EXPECT_TRUE(Catalogue().Prefabs().empty());
    EXPECT_TRUE(Catalogue().Decorations().empty());
    EXPECT_TRUE(Catalogue().Tiles().empty());
    EXPECT_TRUE(Catalogue().Billboards().empty());
    EXPECT_EQ(Catalogue().TileSize(), 2);
}

}  // namespace
