// The gameplay state in the real executable over a small level of the
// test's own: scripted input through SDL's event queue opens the pause menu
// and quits through its confirmation, and under OpenGL the picture shows the
// HUD and, once Escape is pressed, the pause page.

#include <SDL.h>
#include <SDL_image.h>  // IMG_Load to read the screenshot back
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "tests/game/states/PlayFolder.h"
#include "tests/game/states/ScreenshotPixels.h"
#include "tests/support/GameFolder.h"

namespace {

constexpr const char* kLevel = R"(<LevelRoot>
    <Kid posX="0.0" posY="-0.9" posZ="0.0" />
    <Collectable posX="4.0" posY="-0.9" posZ="4.0" />
    <GlobalAmbientLight Red="0.10" Green="0.13" Blue="0.22" Alpha="1.0" />
</LevelRoot>
)";

class GameplayEndToEndTest : public ::testing::Test {
protected:
    void SetUp() override {
        StateTests::BuildPlayFolder(dir.Path());
        dir.Write("GameData/Level/Level0.xml", kLevel);
        // These runs are about play: the level's intro is left out.
        StateTests::WriteCutscenes(dir.Path(), "<Cutscenes/>");
    }

    int Run(const std::string& script, const std::string& options, const std::string& environment = "") {
        dir.Write("input.txt", script);
        const std::string command = "cd '" + dir.Path().string() + "' && " + environment + " '" + BRAMBLEBY_EXE +
                                    "' --state 10 --fixed-dt 0.02 --input input.txt " + options + " >out.txt 2>&1";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string Log() const { return TestSupport::ReadFile(dir.File("Engine.log")); }
    bool Logged(const std::string& line) const { return Log().find(line + "\n") != std::string::npos; }

    TestSupport::TempDir dir;
};

// In the 1280 x 720 window the pause page's buttons are centred at x 640;
// "Quit to menu" at y 536, and the quit panel's "Quit" at (512, 417).
TEST_F(GameplayEndToEndTest, EscapeThenQuitConfirmedGoesToTheMainMenu) {
    const std::string script =
        "10 keydown 0x1B\n11 keyup 0x1B\n"
        "50 move 640 536\n51 buttondown 0\n52 buttonup 0\n"
        "60 move 512 417\n61 buttondown 0\n62 buttonup 0\n";
    ASSERT_EQ(Run(script, "--headless --frames 120"), 0) << TestSupport::ReadFile(dir.File("out.txt"));
    EXPECT_TRUE(Logged("Play: asks for state 3")) << Log();
    EXPECT_NE(Log().find("Play: the run of Level0 ends after 0.2"), std::string::npos)
        << "ten frames of play before the pause\n" << Log();
}

TEST_F(GameplayEndToEndTest, PlayWithoutInputRunsTheWholeTimeAndAsksForNothing) {
    ASSERT_EQ(Run("", "--headless --frames 60"), 0);
    EXPECT_EQ(Log().find("Play: asks for state"), std::string::npos) << Log();
    EXPECT_NE(Log().find("Play: the run of Level0 ends after 1.20 s of play"), std::string::npos) << Log();
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

bool HeartRed(uint8_t r, uint8_t g, uint8_t b) { return r > 170 && g < 120 && b < 140; }
bool MoonWhite(uint8_t r, uint8_t g, uint8_t b) { return r > 200 && g > 200 && b > 210; }

TEST_F(GameplayEndToEndTest, UnderOpenGLTheHudShowsAndEscapeBringsThePausePage) {
    const std::string environment = std::getenv("DISPLAY") != nullptr ? "" : "env SDL_VIDEODRIVER=offscreen";
    const int status = Run("", "--frames 12 --screenshot 10 play.png", environment);
    if (status != 0 && Log().find("Could not create") != std::string::npos) GTEST_SKIP() << "no OpenGL 3.3 here";
    ASSERT_EQ(status, 0) << Log();
    ASSERT_EQ(Run("5 keydown 0x1B\n6 keyup 0x1B\n", "--frames 52 --screenshot 50 pause.png", environment), 0);
    SDL_Surface* play = IMG_Load(dir.File("play.png").c_str());
    SDL_Surface* pause = IMG_Load(dir.File("pause.png").c_str());
    ASSERT_NE(play, nullptr) << IMG_GetError();
    ASSERT_NE(pause, nullptr) << IMG_GetError();
    // The heart of the HUD sits at about (54, 40).
    EXPECT_GT(Count(play, 30, 20, 80, 60, HeartRed), 200);
    // The pause page's captions run down the middle, from y 190 to 540.
    const int text_in_play = Count(play, 540, 190, 740, 540, MoonWhite);
    const int text_paused = Count(pause, 540, 190, 740, 540, MoonWhite);
    SDL_FreeSurface(play);
    SDL_FreeSurface(pause);
    EXPECT_GT(text_paused, text_in_play + 300) << "paused " << text_paused << ", in play " << text_in_play;
}

}  // namespace
