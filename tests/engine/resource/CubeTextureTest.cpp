// Cube textures: the six face files named from the file name split at its
// last ".", read in the device's face order, and refused unless they are
// square and of one size.

#include <gtest/gtest.h>

#include <string>

#include "engine/resource/eTextureType.h"
#include "tests/engine/resource/TestImages.h"
#include "tests/engine/resource/TextureFixture.h"

namespace {

using namespace Engine;

constexpr const char* kSuffixes[6] = {"_rt", "_lf", "_up", "_dn", "_fr", "_bk"};

class CubeTextureTest : public TextureFixture {
protected:
    // Writes the six faces base + suffix + extension, face i in a grey of 10 * (i + 1).
    void WriteFaces(const std::string& base, const std::string& extension, int32_t size) {
        for (int i = 0; i < 6; ++i) {
            const auto grey = static_cast<uint8_t>(10 * (i + 1));
            ASSERT_TRUE(TestImages::WriteSolidPng(dir.File(base + kSuffixes[i] + extension), size, size,
                                                  {grey, grey, grey, 255}));
        }
    }
};

TEST_F(CubeTextureTest, TheNameSplitsAtItsLastDotAndFacesComeInDeviceOrder) {
    WriteFaces("night.sky", ".png", 2);
    iTexture* cube = manager->LoadCubeTexture("night.sky.png", Folder());
    ASSERT_NE(cube, nullptr) << EngineLog();
    EXPECT_EQ(cube->Type(), TT_Cube);
    EXPECT_EQ(cube->Name(), "night.sky.png");
    EXPECT_EQ(cube->Width(), 2);
    const std::vector<uint8_t>& texels = static_cast<cNullTexture*>(cube)->Texels();
    ASSERT_EQ(texels.size(), 6u * 2 * 2 * 4);
    for (int face = 0; face < 6; ++face) {
        EXPECT_EQ(texels[static_cast<std::size_t>(face) * 16], 10 * (face + 1)) << kSuffixes[face];
    }
    EXPECT_EQ(manager->LoadCubeTexture("night.sky.png", Folder()), cube);
}

TEST_F(CubeTextureTest, MissingOrMismatchedFacesAreRefused) {
    WriteFaces("gap", ".png", 2);
    std::filesystem::remove(dir.File("gap_fr.png"));
    EXPECT_EQ(manager->LoadCubeTexture("gap.png", Folder()), nullptr);
    EXPECT_TRUE(Logged("Error: " + Folder() + "gap_fr.png : format not supported."));

    WriteFaces("odd", ".png", 2);
    ASSERT_TRUE(TestImages::WriteSolidPng(dir.File("odd_up.png"), 4, 4, {1, 2, 3, 255}));
    EXPECT_EQ(manager->LoadCubeTexture("odd.png", Folder()), nullptr);

    WriteFaces("flat", ".png", 2);
    for (const char* suffix : kSuffixes) {
        ASSERT_TRUE(TestImages::WriteSolidPng(dir.File(std::string("flat") + suffix + ".png"), 4, 2, {1, 2, 3, 255}));
    }
    EXPECT_EQ(manager->LoadCubeTexture("flat.png", Folder()), nullptr);
    EXPECT_TRUE(Logged("Error: " + Folder() + "odd.png : the six cube faces must be square images of one size."));
    EXPECT_TRUE(Logged("Error: " + Folder() + "flat.png : the six cube faces must be square images of one size."));
    EXPECT_TRUE(manager->Textures().Registry().empty());
}

TEST_F(CubeTextureTest, ANameWithoutADotTakesTheSuffixesAtItsEnd) {
    WriteFaces("plain", "", 2);
    EXPECT_NE(manager->LoadCubeTexture("plain", Folder()), nullptr) << EngineLog();
}

}  // namespace
