// The texture catalogue: which sets and textures are made, at which stages,
// with which defaults, and what is skipped.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/resource/iTexture.h"
#include "tests/engine/resource/TestImages.h"
#include "tests/engine/resource/TextureFixture.h"

namespace {

using namespace Engine;

struct Loaded {
    std::string file;
    int32_t stage;
};

struct CatalogueCase {
    const char* what;
    std::string textures;  // the Texture elements of one set "s"
    std::vector<Loaded> expected;
};

class TextureCatalogueTest : public TextureFixture {
protected:
    TextureCatalogueTest() {
        for (const char* file : {"d.tga", "n.tga", "s.tga", "e.tga"}) TestImages::WriteTga24(dir.File(file), 2, 2);
    }

    std::string TextureElement(const std::string& file, const std::string& type) const {
        return "<Texture filename=\"" + file + "\" path=\"" + Folder() + "\" type=\"" + type + "\"/>";
    }

    bool Load(const std::string& body) {
        dir.Write("TextureData.xml", "<TextureData>" + body + "</TextureData>");
        return manager->LoadTextureCatalogue(Folder(), "TextureData.xml");
    }
};

TEST_F(TextureCatalogueTest, EachSetHoldsItsDiffuseAndSpecularTexturesAtTheirStages) {
    const CatalogueCase cases[] = {
        {"diffuse, normal, specular",
         TextureElement("d.tga", "diffuse") + TextureElement("n.tga", "normal") + TextureElement("s.tga", "specular"),
         {{"d.tga", 0}, {"s.tga", 1}}},
        {"catalogue order kept", TextureElement("s.tga", "specular") + TextureElement("d.tga", "diffuse"),
         {{"s.tga", 1}, {"d.tga", 0}}},
        {"emissive skipped", TextureElement("e.tga", "emissive"), {}},
        {"missing file skipped", TextureElement("gone.tga", "diffuse") + TextureElement("d.tga", "diffuse"),
         {{"d.tga", 0}}},
        {"missing type skipped", "<Texture filename=\"d.tga\" path=\"" + Folder() + "\"/>", {}},
        {"missing path reads InvalidPath", "<Texture filename=\"d.tga\" type=\"diffuse\"/>", {}},
        {"type names match case", TextureElement("d.tga", "Diffuse"), {}},
    };
    for (const CatalogueCase& c : cases) {
        ASSERT_TRUE(Load("<TextureSet name=\"s\">" + c.textures + "</TextureSet>")) << c.what;
        cTextureSet* set = manager->GetTextureSet("s");
        ASSERT_EQ(set->Textures().size(), c.expected.size()) << c.what;
        for (std::size_t i = 0; i < c.expected.size(); ++i) {
            EXPECT_EQ(set->Textures()[i]->Name(), c.expected[i].file) << c.what;
            EXPECT_EQ(set->Textures()[i]->Stage(), c.expected[i].stage) << c.what;
        }
        // The catalogue's reference and this test's: two releases give the set up.
        manager->ReleaseTextureSet(set);
        set = manager->GetTextureSet("s");
        manager->ReleaseTextureSet(set);
        manager->ReleaseTextureSet(set = manager->TextureSets().Find("s"));
        EXPECT_EQ(manager->TextureSets().Find("s"), nullptr) << c.what;
    }
    EXPECT_TRUE(Logged("Error: " + Folder() + "gone.tga : format not supported."));
    EXPECT_TRUE(Logged("Error: InvalidPathd.tga : format not supported."));
}

TEST_F(TextureCatalogueTest, UnnamedSetsAreSkippedAndSetsShareTextures) {
    ASSERT_TRUE(Load("<TextureSet>" + TextureElement("n.tga", "diffuse") + "</TextureSet>" +
                     "<TextureSet name=\"noname\">" + TextureElement("n.tga", "diffuse") + "</TextureSet>" +
                     "<TextureSet name=\"a\">" + TextureElement("d.tga", "diffuse") + "</TextureSet>" +
                     "<TextureSet name=\"b\">" + TextureElement("d.tga", "diffuse") + "</TextureSet>"));
    EXPECT_EQ(manager->TextureSets().Find("noname"), nullptr);
    EXPECT_EQ(manager->FindTexture("n.tga"), nullptr) << "nothing of a skipped set is loaded";
    EXPECT_EQ(manager->TextureSets().Registry().size(), 3u) << "defaultTS, a and b";
    iTexture* shared = manager->FindTexture("d.tga");
    ASSERT_NE(shared, nullptr);
    EXPECT_EQ(shared->RefCount(), 2);
    EXPECT_EQ(manager->TextureSets().Find("a")->RefCount(), 1) << "the catalogue holds one reference";
}

TEST_F(TextureCatalogueTest, AMissingCatalogueIsReportedAndMakesNothing) {
    EXPECT_FALSE(manager->LoadTextureCatalogue(Folder(), "Absent.xml"));
    EXPECT_TRUE(Logged("Error: Cannot read the texture catalogue"));
    EXPECT_EQ(manager->TextureSets().Registry().size(), 1u);
}

}  // namespace
