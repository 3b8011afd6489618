// The real executable with each device layer: a screenshot from the OpenGL
// layer, the null layer under --headless, and the exit when OpenGL cannot start.

#include <SDL.h>
#include <SDL_image.h>  // IMG_Load to read the screenshot back
#include <gtest/gtest.h>

#include <sys/wait.h>  // WIFEXITED, WEXITSTATUS of std::system's status

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>

#include "tests/support/GameFolder.h"

namespace {

class DeviceLayerEndToEndTest : public ::testing::Test {
protected:
    int Run(const std::string& arguments, const std::string& environment = "") {
        return game.Run(arguments, environment, ">out.txt 2>err.txt");
    }

    // The environment that gives the game an OpenGL window: the display, or SDL's offscreen driver.
    static std::string GLEnvironment() {
        return std::getenv("DISPLAY") != nullptr ? "" : "env SDL_VIDEODRIVER=offscreen";
    }

    // A number attribute of the shipped settings file.
    static int SettingsValue(const std::string& name) {
        const std::string settings =
            TestSupport::ReadFile(std::string(BRAMBLEBY_SOURCE_DIR) + "/GameData/XML_Game/settings.xml");
        std::smatch match;
        return std::regex_search(settings, match, std::regex(name + "=\"([0-9]+)\"")) ? std::stoi(match[1]) : -1;
    }

    std::string File(const std::string& name) const { return TestSupport::ReadFile(dir.File(name)); }
    bool LogHas(const std::string& text) const { return File("Engine.log").find(text) != std::string::npos; }

    TestSupport::GameFolder game;
    const TestSupport::TempDir& dir = game.dir;
};

TEST_F(DeviceLayerEndToEndTest, AScreenshotOfTheSettingsSizeIsWrittenUnderOpenGL) {
    const int status = Run("--fixed-dt 0.016 --frames 5 --screenshot 3 shot.png", GLEnvironment());
    if (status != 0 && LogHas("Could not create")) GTEST_SKIP() << "no OpenGL 3.3 here: " << File("Engine.log");
    ASSERT_EQ(status, 0) << File("err.txt") << File("Engine.log");
    EXPECT_TRUE(LogHas("[cGLRenderer] Initialised successfully")) << File("Engine.log");
    EXPECT_TRUE(LogHas("[cGLRenderer] Screenshot of frame 3 written to shot.png")) << File("Engine.log");
    SDL_Surface* shot = IMG_Load(dir.File("shot.png").c_str());
    ASSERT_NE(shot, nullptr) << IMG_GetError();
    EXPECT_EQ(shot->w, SettingsValue("width"));
    EXPECT_EQ(shot->h, SettingsValue("height"));
    SDL_FreeSurface(shot);
}

TEST_F(DeviceLayerEndToEndTest, HeadlessRunsUseTheNullRendererAndNeverOpenGL) {
    ASSERT_EQ(Run("--headless --fixed-dt 0.016 --frames 3 --screenshot 2 shot.png", "env -u DISPLAY"), 0)
        << File("err.txt") << File("Engine.log");
    EXPECT_TRUE(LogHas("[cNullRenderer] Initialised successfully")) << File("Engine.log");
    EXPECT_FALSE(LogHas("[cGLRenderer]")) << File("Engine.log");
    EXPECT_TRUE(LogHas("a screenshot needs the OpenGL renderer")) << File("Engine.log");
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "shot.png"));
}

TEST_F(DeviceLayerEndToEndTest, WithoutOpenGLThreeThreeTheGameExitsWithAnError) {
    // Mesa then refuses every context of version 3.3 or later.
    EXPECT_EQ(Run("--frames 3", GLEnvironment() + " env MESA_GL_VERSION_OVERRIDE=3.2"), 1) << File("Engine.log");
    EXPECT_TRUE(LogHas("[cGLRenderer] Could not create OpenGL")) << File("Engine.log");
    EXPECT_NE(File("err.txt").find("the OpenGL renderer could not start"), std::string::npos) << File("err.txt");
    EXPECT_FALSE(LogHas("Main loop ended")) << "nothing may be drawn with a dead context";
}

TEST_F(DeviceLayerEndToEndTest, AScreenshotNeedsAFrameNumberAndAFile) {
    EXPECT_EQ(Run("--headless --screenshot 0 shot.png"), 2);
    EXPECT_EQ(Run("--headless --screenshot 3"), 2);
    EXPECT_NE(File("err.txt").find("--screenshot needs a frame number"), std::string::npos) << File("err.txt");
}

}  // namespace
