// The level preview: the camera holds every object of the level in the
// picture, wide or deep, from the south above as play looks; a level that
// cannot be read leaves an empty picture and nothing behind; and the real
// executable's preview run writes a picture of the level under OpenGL.

#include <SDL.h>
#include <SDL_image.h>  // IMG_Load to read the preview back
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "engine/render/scene/cLightPool.h"
#include "game/entities/cDevCamera.h"
#include "game/states/cGameState_MainMenu.h"
#include "game/states/cLevelPreview.h"
#include "tests/game/states/ScreenFixture.h"
#include "tests/game/states/ScreenshotPixels.h"
#include "tests/support/GameFolder.h"

namespace Game {

namespace {

// The fixture's own state is not entered: the tests make their previews.
class LevelPreviewTest : public ScreenFixture<cGameState_MainMenu, StateMainMenu> {
protected:
    // A kid in the middle and a candy at each far corner of the ground.
    void WriteLevelSpanning(const std::string& name, float half_width, float half_depth) {
        auto candy = [](float x, float z) {
            return "<Collectable posX=\"" + std::to_string(x) + "\" posY=\"-0.9\" posZ=\"" + std::to_string(z) +
                   "\" />\n";
        };
        WriteLevel(name, "<LevelRoot>\n<Kid posX=\"0\" posY=\"-0.9\" posZ=\"0\" />\n" +
                             candy(-half_width, -half_depth) + candy(half_width, -half_depth) +
                             candy(-half_width, half_depth) + candy(half_width, half_depth) + "</LevelRoot>\n");
    }
};

TEST_F(LevelPreviewTest, TheCameraHoldsEveryCornerOfAWideOrADeepLevelFromTheSouthAbove) {
    struct Case {
        const char* name;
        float half_width;
        float half_depth;
    };
    const Case cases[] = {{"Wide", 40.0f, 6.0f}, {"Deep", 6.0f, 45.0f}, {"Square", 25.0f, 25.0f}};
    for (const Case& c : cases) {
        WriteLevelSpanning(c.name, c.half_width, c.half_depth);
        cLevelPreview preview(c.name);
        preview.Enter();
        preview.Update(kDt);
        const cDevCamera* camera = preview.Backdrop().Camera();
        ASSERT_NE(camera, nullptr) << c.name;
        EXPECT_FLOAT_EQ(camera->fieldOfView, cLevelPreview::kFieldOfView);
        EXPECT_GT(camera->eye.z, camera->target.z) << "the eye stands south of the level";
        EXPECT_GT(camera->eye.y, camera->target.y) << "and above it";
        float widest = 0.0f;
        for (float x : {-c.half_width, c.half_width}) {
            for (float z : {-c.half_depth, c.half_depth}) {
                const Engine::UnitPoint at = camera->ProjectToUnit({x, -0.9f, z});
                EXPECT_TRUE(at.u >= 0.0f && at.u <= 1.0f && at.v >= 0.0f && at.v <= 1.0f)
                    << c.name << " corner (" << x << ", " << z << ") at (" << at.u << ", " << at.v << ")";
                widest = std::max({widest, std::abs(at.u - 0.5f), std::abs(at.v - 0.5f)});
            }
        }
        EXPECT_GT(widest, 0.38f) << c.name << ": the level fills the picture, not a corner of it";
        preview.Exit();
        EXPECT_TRUE(Engine::cSceneManager::Instance().GetEntities().empty()) << c.name;
    }
}

TEST_F(LevelPreviewTest, ALevelThatCannotBeReadLeavesAnEmptyPictureAndNothingBehind) {
    cLevelPreview preview("NoSuchLevel");
    preview.Enter();
    Frame();
    EXPECT_EQ(preview.Backdrop().Camera(), nullptr);
    EXPECT_NE(Log().find("Preview: the level NoSuchLevel could not be shown"), std::string::npos) << Log();
    preview.Exit();
    EXPECT_TRUE(Engine::cLightPool::Instance().Lights().empty());
}

// The tool run of the real executable: Level0 from above, saved as a picture of the window's size.
TEST(LevelPreviewRun, UnderOpenGLThePreviewRunWritesAPictureOfTheLevel) {
    TestSupport::GameFolder game;
    const std::string environment = std::getenv("DISPLAY") != nullptr ? "" : "env SDL_VIDEODRIVER=offscreen";
    const int status = game.Run("--level-preview Level0 preview.png", environment);
    if (status != 0 && game.Read("Engine.log").find("Could not create") != std::string::npos) {
        GTEST_SKIP() << "no OpenGL 3.3 here";
    }
    ASSERT_EQ(status, 0) << game.Read("Engine.log");
    EXPECT_NE(game.Read("Engine.log").find("Preview: the level Level0 is framed from above"), std::string::npos);
    SDL_Surface* shot = IMG_Load(game.dir.File("preview.png").c_str());
    ASSERT_NE(shot, nullptr) << IMG_GetError();
    EXPECT_EQ(shot->w, 1280);
    EXPECT_EQ(shot->h, 720);
    // The lamps' warm glows stand out of the night garden.
    int warm = 0;
    StateTests::ForEachPixel(shot, 0, 0, shot->w, shot->h, [&warm](uint8_t r, uint8_t g, uint8_t b) {
        if (r > 200 && g > 170 && b < 200) ++warm;
    });
    SDL_FreeSurface(shot);
    EXPECT_GT(warm, 200) << "the level's lamps are in the picture";
}

}  // namespace

}  // namespace Game
