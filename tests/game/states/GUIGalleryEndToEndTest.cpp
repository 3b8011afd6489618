// The GUI gallery driven through the real input path: a scripted run of the
// executable moves, clicks and types through SDL's event queue, and the
// gallery's log lines show what reached which element.

#include <SDL.h>
#include <SDL_image.h>  // IMG_Load to read the screenshot back
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "tests/game/states/ScreenshotPixels.h"
#include "tests/support/GameFolder.h"

namespace {

class GUIGalleryEndToEndTest : public ::testing::Test {
protected:
    int Run(const std::string& script, const std::string& options = "--headless --frames 60",
            const std::string& environment = "") {
        game.dir.Write("input.txt", script);
        return game.Run("--state 9 --fixed-dt 0.02 --input input.txt " + options, environment);
    }

    std::string Log() const { return game.Read("Engine.log"); }
    bool Logged(const std::string& line) const { return Log().find(line + "\n") != std::string::npos; }

    TestSupport::GameFolder game;
};

// In the 1280 x 720 window the gallery panel's "Play" button is centred at
// (320, 385), its text box at (320, 193) and its banner picture at (320, 286).
constexpr const char* kPlayClick = "5 move 320 385\n6 buttondown 0\n7 buttonup 0\n";

TEST_F(GUIGalleryEndToEndTest, AClickOnAButtonReachesItsCallback) {
    ASSERT_EQ(Run(kPlayClick), 0) << game.Read("out.txt");
    EXPECT_TRUE(Logged("GUI gallery: Clicked: Play")) << Log();
}

TEST_F(GUIGalleryEndToEndTest, PressingOnAButtonAndReleasingElsewhereDoesNotClick) {
    ASSERT_EQ(Run("5 move 320 385\n6 buttondown 0\n7 move 900 600\n8 buttonup 0\n"), 0);
    EXPECT_FALSE(Logged("GUI gallery: Clicked: Play")) << Log();
}

TEST_F(GUIGalleryEndToEndTest, TypingGoesToTheClickedTextBoxWithShiftForCapitals) {
    const std::string typing =
        "5 move 320 193\n6 buttondown 0\n7 buttonup 0\n"
        "10 keydown 0x10\n11 keydown 0x47\n12 keyup 0x47\n13 keyup 0x10\n"
        "14 keydown 0x48\n15 keyup 0x48\n16 keydown 0x31\n17 keyup 0x31\n"
        "18 keydown 0x20\n19 keyup 0x20\n20 keydown 0x58\n21 keyup 0x58\n22 keydown 0x08\n23 keyup 0x08\n";
    ASSERT_EQ(Run(typing), 0) << game.Read("out.txt");
    EXPECT_TRUE(Logged("GUI gallery: the text box holds \"Gh1 \"")) << Log();
}

TEST_F(GUIGalleryEndToEndTest, TypingWithoutAFocusedBoxChangesNothing) {
    ASSERT_EQ(Run("10 keydown 0x47\n11 keyup 0x47\n"), 0);
    EXPECT_TRUE(Logged("GUI gallery: the text box holds \"\"")) << Log();
}

TEST_F(GUIGalleryEndToEndTest, TheBannerPictureQueuesOneBannerPerPress) {
    ASSERT_EQ(Run("5 move 320 286\n6 buttondown 0\n7 buttonup 0\n"), 0);
    const std::string log = Log();
    const std::string line = "GUI gallery: Banner 0 on its way\n";
    const auto first = log.find(line);
    ASSERT_NE(first, std::string::npos) << log;
    EXPECT_EQ(log.find(line, first + 1), std::string::npos) << log;
    EXPECT_EQ(log.find("Banner 1"), std::string::npos) << log;
}

// Gold pixels (the hover and press rims, the yellow text) inside a window rectangle of the picture.
int GoldPixels(SDL_Surface* shot, int left, int top, int right, int bottom) {
    int gold = 0;
    StateTests::ForEachPixel(shot, left, top, right, bottom, [&gold](uint8_t r, uint8_t g, uint8_t b) {
        if (r > 180 && g > 130 && b < 110) ++gold;
    });
    return gold;
}

TEST_F(GUIGalleryEndToEndTest, UnderOpenGLTheButtonUnderThePointerShowsItsHoverRim) {
    const std::string environment = std::getenv("DISPLAY") != nullptr ? "" : "env SDL_VIDEODRIVER=offscreen";
    const int status = Run("2 move 320 385\n", "--frames 6 --screenshot 5 gallery.png", environment);
    if (status != 0 && Log().find("Could not create") != std::string::npos) GTEST_SKIP() << "no OpenGL 3.3 here";
    ASSERT_EQ(status, 0) << Log();
    SDL_Surface* shot = IMG_Load(game.dir.File("gallery.png").c_str());
    ASSERT_NE(shot, nullptr) << IMG_GetError();
    ASSERT_EQ(shot->w, 1280);
    // "Play" (hovered) spans window y 349 to 421, "Options" 423 to 495, both x 192 to 448.
    const int hovered = GoldPixels(shot, 192, 349, 448, 421);
    const int idle = GoldPixels(shot, 192, 423, 448, 495);
    SDL_FreeSurface(shot);
    EXPECT_GT(hovered, idle + 1000) << "hovered " << hovered << ", idle " << idle;
    EXPECT_GT(idle, 20) << "the idle button's text is drawn";
}

}  // namespace
