// Image decoding: every picture becomes BGRA texels, bottom row first,
// without row padding, with the format index telling whether it has alpha.

#include "engine/resource/ImageFile.h"

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <functional>

#include "engine/core/cLog.h"
#include "engine/resource/ImageHeader.h"
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
    dir.Write("drawing.png", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"4\" height=\"4\"/>");
    for (const std::string name : {"garbage.png", "missing.tga", "drawing.png"}) {
        DecodedImage image;
        const std::string path = dir.File(name);
        EXPECT_FALSE(ReadImageFile(path, image)) << name;
        EXPECT_NE(EngineLog().find("Error: " + path + " : format not supported.\n"), std::string::npos) << name;
        EXPECT_TRUE(image.pixels.empty());
    }
}

// The first bytes of a file of each format whose header declares width x height.
std::string HeaderOnly(const std::string& format, uint32_t width, uint32_t height) {
    auto little = [](uint32_t value, int count) {  // count is at most 4
        std::string bytes;
        for (int i = 0; i < count; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
        return bytes;
    };
    auto big = [](uint32_t value, int count) {
        std::string bytes;
        for (int i = count - 1; i >= 0; --i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
        return bytes;
    };
    if (format == "png") return std::string("\x89PNG\r\n\x1a\n", 8) + big(13, 4) + "IHDR" + big(width, 4) + big(height, 4);
    if (format == "bmp") return "BM" + std::string(12, '\0') + little(40, 4) + little(width, 4) + little(height, 4) + std::string(8, '\0');
    if (format == "jpg") {  // an APP0 segment of 16 bytes, then the frame header
        return std::string("\xFF\xD8\xFF\xE0", 4) + big(16, 2) + std::string(14, 'J') +
               std::string("\xFF\xC0", 2) + big(17, 2) + '\x08' + big(height, 2) + big(width, 2) + std::string(10, '\0');
    }
    return std::string(12, '\0') + little(width, 2) + little(height, 2) + little(24, 2);  // tga
}

TEST_F(ImageFileTest, HeadersDeclaringHugePicturesAreRefusedBeforeDecoding) {
    for (const std::string format : {"png", "bmp", "jpg", "tga"}) {
        const std::string path = dir.Write("huge." + format, HeaderOnly(format, 40000, 3));
        int32_t width = 0, height = 0;
        ASSERT_TRUE(PeekImageSize(path, width, height)) << format;
        EXPECT_EQ(width, 40000) << format;
        EXPECT_EQ(height, 3) << format;
        DecodedImage image;
        EXPECT_FALSE(ReadImageFile(path, image)) << format;
        EXPECT_NE(EngineLog().find("Error: " + path + " : image too large (40000 x 3).\n"), std::string::npos) << format;
    }
}

TEST_F(ImageFileTest, TheHeaderSizeOfARealPictureIsItsSize) {
    ASSERT_TRUE(TestImages::WritePng(dir.File("a.png"), 5, 3, true));
    ASSERT_TRUE(TestImages::WriteTga24(dir.File("b.tga"), 4, 2));
    ASSERT_TRUE(TestImages::WriteBmp8(dir.File("c.bmp"), 3, 6));
    const struct {
        const char* file;
        int32_t width, height;
    } cases[] = {{"a.png", 5, 3}, {"b.tga", 4, 2}, {"c.bmp", 3, 6}};
    for (const auto& c : cases) {
        int32_t width = 0, height = 0;
        ASSERT_TRUE(PeekImageSize(dir.File(c.file), width, height)) << c.file;
        EXPECT_EQ(width, c.width) << c.file;
        EXPECT_EQ(height, c.height) << c.file;
    }
    int32_t width = 0, height = 0;
    EXPECT_FALSE(PeekImageSize(dir.Write("notes.txt", "plain text, no picture"), width, height));
}

TEST_F(ImageFileTest, AJpegFromARealEncoderIsMeasuredAndDecoded) {
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 7, 5, 24, SDL_PIXELFORMAT_RGB24);
    ASSERT_NE(surface, nullptr);
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 200, 120, 40));
    const std::string path = dir.File("photo.jpg");
    const int saved = IMG_SaveJPG(surface, path.c_str(), 90);
    SDL_FreeSurface(surface);
    if (saved != 0) GTEST_SKIP() << "this SDL_image writes no JPEG: " << IMG_GetError();
    int32_t width = 0, height = 0;
    ASSERT_TRUE(PeekImageSize(path, width, height));
    EXPECT_EQ(width, 7);
    EXPECT_EQ(height, 5);
    DecodedImage image;
    ASSERT_TRUE(ReadImageFile(path, image)) << EngineLog();
    EXPECT_EQ(image.width, 7);
    EXPECT_NEAR(image.pixels[2], 200, 8) << "red, in B, G, R, A order";
}

}  // namespace
