// Image decoding: every picture becomes BGRA texels, bottom row first,
// without row padding, with the format index telling whether it has alpha.

#include "engine/resource/ImageFile.h"

#include <gtest/gtest.h>

#include <functional>

#include "engine/core/cLog.h"
#include "engine/resource/eTextureFormat.h"
#include "tests/engine/resource/TestImages.h"
#include "tests/support/TempDir.h"

namespace {

using namespace Engine;

struct ImageCase {
    const char* file;
    int32_t width;
    int32_t height;
    bool alpha;
    std::function<bool(const std::string&, int32_t, int32_t)> write;
};

class ImageFileTest : public ::testing::Test {
protected:
    ImageFileTest() { cLog::Destroy(); }
    ~ImageFileTest() override { cLog::Destroy(); }

    std::string EngineLog() const { return TestSupport::ReadFile(dir.File("Engine.log")); }

    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory cwd{dir.Path()};
};

TEST_F(ImageFileTest, PicturesDecodeToBgraBottomRowFirstWithTheirFormatIndex) {
    using namespace std::placeholders;
    const ImageCase cases[] = {
        {"alpha.png", 4, 4, true, std::bind(TestImages::WritePng, _1, _2, _3, true)},
        {"opaque.tga", 4, 4, false, TestImages::WriteTga24},
        // 3 texels of 3 bytes: the decoded rows carry padding to a multiple of 4.
        {"padded.png", 3, 2, false, std::bind(TestImages::WritePng, _1, _2, _3, false)},
        {"palette.bmp", 5, 3, false, TestImages::WriteBmp8},
    };
    for (const ImageCase& c : cases) {
        const std::string path = dir.File(c.file);
        ASSERT_TRUE(c.write(path, c.width, c.height)) << c.file;
        DecodedImage image;
        ASSERT_TRUE(ReadImageFile(path, image)) << c.file;
        EXPECT_EQ(image.width, c.width) << c.file;
        EXPECT_EQ(image.height, c.height) << c.file;
        EXPECT_EQ(image.format, c.alpha ? TF_ARGB8 : TF_RGB8) << c.file;
        EXPECT_EQ(image.pixels, TestImages::ExpectedBgraBottomUp(c.width, c.height, c.alpha)) << c.file;
    }
}

TEST_F(ImageFileTest, BackslashesInThePathReadAsSlashes) {
    ASSERT_TRUE(TestImages::WriteTga24(dir.File("tile.tga"), 2, 2));
    DecodedImage image;
    EXPECT_TRUE(ReadImageFile(dir.Path().string() + "\\tile.tga", image));
    EXPECT_EQ(image.width, 2);
}

TEST_F(ImageFileTest, AnUnreadableFileIsLoggedAndRefused) {
    dir.Write("garbage.png", "this is not a picture");
    for (const std::string name : {"garbage.png", "missing.tga"}) {
        DecodedImage image;
        const std::string path = dir.File(name);
        EXPECT_FALSE(ReadImageFile(path, image)) << name;
        EXPECT_NE(EngineLog().find("Error: " + path + " : format not supported.\n"), std::string::npos) << name;
        EXPECT_TRUE(image.pixels.empty());
    }
}

}  // namespace
