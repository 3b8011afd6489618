// The stories and the splash screens in the real executable with the
// shipped cutscene file and art: the intro of Level0 before play and Escape
// that skips it, the end state's closing story and the main menu after it,
// the two splash screens in turn; under OpenGL the pictures on screen.

#include <SDL.h>
#include <SDL_image.h>  // IMG_Load to read the screenshots back
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/game/states/PlayFolder.h"
#include "tests/game/states/ScreenshotPixels.h"
#include "tests/support/TempDir.h"

namespace {

// A kid on open ground: the intro's level is the test's own, its story the shipped one.
constexpr const char* kLevel = R"(<LevelRoot>
    <Kid posX="0.0" posY="-0.9" posZ="0.0" />
    <GlobalAmbientLight Red="0.10" Green="0.13" Blue="0.22" Alpha="1.0" />
</LevelRoot>
)";

// The shipped stories: four framings each, 25 s without input.
constexpr float kStorySeconds = 6.0f * 4 + 1;

class CutsceneEndToEndTest : public ::testing::Test {
protected:
    void SetUp() override {
        StateTests::BuildPlayFolder(dir.Path());
        dir.Write("GameData/Level/Level0.xml", kLevel);
        // A small 16:9 window: the software renderer draws the big pictures four times as fast.
        const std::filesystem::path settings = dir.Path() / "GameData" / "XML_Game" / "settings.xml";
        std::filesystem::remove(settings);
        dir.Write("GameData/XML_Game/settings.xml", R"(<Config>
  <Settings width="640" height="360" fullscreen="false" EnableTessary="false" EnforceRes="true"/>
</Config>)");
    }

    int Run(const std::string& state, const std::string& script, const std::string& options) {
        dir.Write("input.txt", script);
        const std::string command = "cd '" + dir.Path().string() + "' && " + Environment(options) + " '" +
                                    BRAMBLEBY_EXE + "' --state " + state +
                                    " --fixed-dt 0.02 --input input.txt " + options + " >out.txt 2>&1";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // A run with a picture needs a display, or SDL's offscreen driver.
    static std::string Environment(const std::string& options) {
        const bool drawn = options.find("--headless") == std::string::npos;
        return drawn && std::getenv("DISPLAY") == nullptr ? "env SDL_VIDEODRIVER=offscreen" : "";
    }

    // One run per picture: the frame's screenshot, read back; null (and the test skipped) without OpenGL.
    SDL_Surface* Shot(const std::string& state, const std::string& script, int frame) {
        const std::string file = "shot" + std::to_string(frame) + ".png";
        const int status = Run(state, script,
                               "--frames " + std::to_string(frame + 2) + " --screenshot " + std::to_string(frame) +
                                   " " + file);
        if (NoOpenGL(status)) return nullptr;
        EXPECT_EQ(status, 0) << Log();
        SDL_Surface* shot = IMG_Load(dir.File(file).c_str());
        EXPECT_NE(shot, nullptr) << IMG_GetError();
        return shot;
    }

    bool NoOpenGL(int status) const { return status != 0 && Log().find("Could not create") != std::string::npos; }

    std::string Log() const { return TestSupport::ReadFile(dir.File("Engine.log")); }
    bool Logged(const std::string& line) const { return Log().find(line + "\n") != std::string::npos; }

    TestSupport::TempDir dir;
};

TEST_F(CutsceneEndToEndTest, Level0sIntroPlaysBeforePlayAndEscapeInItsFirstRestSkipsIt) {
    ASSERT_EQ(Run("10", "", "--headless --frames 200"), 0) << TestSupport::ReadFile(dir.File("out.txt"));
    EXPECT_TRUE(Logged("Play: the intro cutscene of Level0 plays")) << Log();
    EXPECT_FALSE(Logged("Play: the intro is over; play begins")) << "four seconds are not enough for the story";
    EXPECT_TRUE(Logged("Play: the run of Level0 ends after 0.00 s of play")) << Log();
    EXPECT_EQ(Log().find("Error: cutscene"), std::string::npos) << Log();

    // Escape at 1.4 s, in the first rest: a second of fade-out, then play.
    ASSERT_EQ(Run("10", "70 keydown 0x1B\n71 keyup 0x1B\n", "--headless --frames 200"), 0);
    EXPECT_TRUE(Logged("Play: the intro is over; play begins")) << Log();
    EXPECT_NE(Log().find("Play: the run of Level0 ends after 1.5"), std::string::npos)
        << "200 frames: 70 of story, about 50 of fade-out, the rest play\n" << Log();
    EXPECT_FALSE(Logged("Play: asks for state 14")) << "the Escape that skipped the story opened no pause menu";
}

TEST_F(CutsceneEndToEndTest, TheEndStatePlaysTheClosingStoryAndThenAsksForTheMainMenu) {
    const int frames = static_cast<int>(kStorySeconds / 0.02f) + 60;
    ASSERT_EQ(Run("End", "", "--headless --frames " + std::to_string(frames)), 0)
        << TestSupport::ReadFile(dir.File("out.txt"));
    EXPECT_TRUE(Logged("End: asks for state 3")) << Log();
    EXPECT_EQ(Log().find("End: there is no closing cutscene"), std::string::npos) << Log();
    EXPECT_EQ(Log().find("Error: cutscene"), std::string::npos) << Log();

    // The left button held from the start: a frame per rest and a second per move, about five seconds.
    ASSERT_EQ(Run("End", "2 buttondown 0\n", "--headless --frames 280"), 0);
    EXPECT_TRUE(Logged("End: asks for state 3")) << Log();
    ASSERT_EQ(Run("End", "2 buttondown 0\n", "--headless --frames 240"), 0);
    EXPECT_FALSE(Logged("End: asks for state 3")) << "not before five seconds";
}

TEST_F(CutsceneEndToEndTest, TheSplashScreensFollowEachOtherAndEscapeHurriesThem) {
    ASSERT_EQ(Run("1", "", "--headless --frames 720"), 0) << TestSupport::ReadFile(dir.File("out.txt"));
    EXPECT_TRUE(Logged("Splash TessaryLogo: asks for state 2")) << Log();
    EXPECT_TRUE(Logged("Splash TeamLogo: asks for state 3")) << "seven seconds each\n" << Log();
    EXPECT_EQ(Log().find("Error: splash"), std::string::npos) << Log();

    ASSERT_EQ(Run("1", "50 keydown 0x1B\n51 keyup 0x1B\n60 keydown 0x20\n61 keyup 0x20\n",
                  "--headless --frames 100"),
              0);
    EXPECT_TRUE(Logged("Splash TessaryLogo: asks for state 2")) << "Escape at 1 s" << Log();
    EXPECT_FALSE(Logged("Splash TeamLogo: asks for state 3")) << "Space at 0.2 s into the second does nothing";
}

// Pixels of a kind inside a window rectangle of the picture.
template <typename Test>
int Count(SDL_Surface* shot, int left, int top, int right, int bottom, Test test) {
    int count = 0;
    StateTests::ForEachPixel(shot, left, top, right, bottom, [&](uint8_t r, uint8_t g, uint8_t b) {
        if (test(r, g, b)) ++count;
    });
    return count;
}

bool Lit(uint8_t r, uint8_t g, uint8_t b) { return r + g + b > 90; }
bool Black(uint8_t r, uint8_t g, uint8_t b) { return r + g + b < 15; }

struct Colour {
    double r = 0, g = 0, b = 0;
};

// The mean colour of a square of pixels round (x, y), y from the top.
Colour Mean(SDL_Surface* image, int x, int y, int half) {
    Colour sum;
    int count = 0;
    const auto add = [&](uint8_t r, uint8_t g, uint8_t b) {
        sum.r += r;
        sum.g += g;
        sum.b += b;
        ++count;
    };
    StateTests::ForEachPixel(image, x - half, y - half, x + half + 1, y + half + 1, add);
    return {sum.r / count, sum.g / count, sum.b / count};
}

// A framing as the screen shows it: the picture's centre (screen units, y up)
// and its size on screen (in screen widths and heights).
struct Shown {
    double x, y, width, height;
};

// How far, on average per channel, the middle of the screen is from the
// picture as the framing would place it: a grid of points in the frame's
// clear middle, each compared with the picture's pixel under it.
double Distance(SDL_Surface* shot, SDL_Surface* picture, const Shown& framing) {
    double total = 0;
    int points = 0;
    for (double sx = 0.25; sx <= 0.751; sx += 0.125) {
        for (double sy = 0.3; sy <= 0.701; sy += 0.1) {
            const double u = 0.5 + (sx - framing.x) / framing.width;
            const double v = 0.5 - (sy - framing.y) / framing.height;
            if (u < 0.01 || u > 0.99 || v < 0.01 || v > 0.99) continue;
            const Colour on_screen =
                Mean(shot, static_cast<int>(sx * shot->w), static_cast<int>((1 - sy) * shot->h), 4);
            // The patch of the picture under those nine by nine screen pixels.
            const int half = static_cast<int>(4 * picture->w / (framing.width * shot->w)) + 1;
            const Colour painted =
                Mean(picture, static_cast<int>(u * picture->w), static_cast<int>(v * picture->h), half);
            total += (std::abs(on_screen.r - painted.r) + std::abs(on_screen.g - painted.g) +
                      std::abs(on_screen.b - painted.b)) / 3;
            ++points;
        }
    }
    return points == 0 ? 255.0 : total / points;
}

// In the 640 x 360 window, Level0's intro. Early in the fade-in the picture
// is barely there; the first rest shows the whole picture across the screen
// and the second the left third zoomed, where the shipped framings put them
// (see the cutscene file: the first framing's scale times the framing's).
TEST_F(CutsceneEndToEndTest, UnderOpenGLTheStoryFadesInOverBlackAndShowsEachFramingWhereItsScalesPutIt) {
    SDL_Surface* fading = Shot("10", "", 5);
    if (fading == nullptr) GTEST_SKIP() << "no OpenGL 3.3 here";
    SDL_Surface* whole = Shot("10", "", 150);
    SDL_Surface* left = Shot("10", "", 420);
    SDL_Surface* picture = IMG_Load(dir.File("GameData/Textures/GUI/cutscenes/level0.jpg").c_str());
    ASSERT_TRUE(whole && left && picture) << IMG_GetError();
    EXPECT_LT(Count(fading, 160, 90, 480, 270, Lit), 320 * 180 / 20) << "the picture only starts to fade in";
    const Shown whole_framing{0.5, 0.5, 1.0, 0.888889};
    const Shown left_framing{1.16364, 0.57677, 2.32727, 2.06869};
    // Here a match was under 2 levels of 255 and the wrong framing near 60.
    EXPECT_LT(Distance(whole, picture, whole_framing), 12.0) << "the whole picture across the screen";
    EXPECT_LT(Distance(left, picture, left_framing), 12.0) << "the left third, zoomed round the kid at her door";
    EXPECT_GT(Distance(left, picture, whole_framing), 30.0) << "the comparison tells framings apart";
    EXPECT_GT(Distance(whole, picture, left_framing), 30.0) << "the comparison tells framings apart";
    for (SDL_Surface* image : {fading, whole, left, picture}) SDL_FreeSurface(image);
}

TEST_F(CutsceneEndToEndTest, UnderOpenGLTheStudiosLogoRestsInTheMiddleOverBlack) {
    SDL_Surface* before = Shot("1", "", 10);
    if (before == nullptr) GTEST_SKIP() << "no OpenGL 3.3 here";
    SDL_Surface* logo = Shot("1", "", 150);
    ASSERT_NE(logo, nullptr);
    EXPECT_GT(Count(before, 0, 0, 640, 360, Black), 640 * 360 * 95 / 100) << "the logo is still off screen";
    EXPECT_GT(Count(logo, 160, 90, 480, 270, Lit), 320 * 180 / 20) << "the logo in the middle";
    SDL_FreeSurface(before);
    SDL_FreeSurface(logo);
}

}  // namespace
